#include "cli/cli_host.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

namespace talmero::cli {

void CliHost::log(const QString& line)
{
    if (m_copy)
        m_copy->append(line);
    if (m_echoLog) {
        std::fputs(qUtf8Printable(line + QLatin1Char('\n')), stderr);
        std::fflush(stderr);
    }
}

void CliHost::notify(const QString& text)
{
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
    if (m_wait) {
        std::fputs(qUtf8Printable(QCoreApplication::translate("Cli", "Нажмите Enter, чтобы продолжить: ")), stderr);
        std::fflush(stderr);
        std::string ignored;
        std::getline(std::cin, ignored); // end of input counts as acknowledged
    }
}

bool CliHost::acknowledge(const QString& text)
{
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
    if (!m_wait)
        return true;
    std::fputs(qUtf8Printable(QCoreApplication::translate("Cli", "Нажмите Enter, когда переключите, или c для отмены: ")), stderr);
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer))
        return true; // end of input counts as acknowledged, as for every notice
    const QString reply = QString::fromStdString(answer).trimmed().toLower();
    return reply != QLatin1String("c") && reply != QLatin1String("cancel");
}

QString partText(const link::ChangeRequest::Part& part)
{
    QString text = part.subject + QLatin1Char('\n');
    for (const QString& change : part.changes)
        text += QStringLiteral("  ") + change + QLatin1Char('\n');
    text += QStringLiteral("  ") + part.oldHex + QStringLiteral(" -> ") + part.newHex + QLatin1Char('\n');
    for (const QString& warning : part.warnings)
        text += QStringLiteral("  ! ") + warning + QLatin1Char('\n');
    return text;
}

QString backupOffer(const link::ChangeRequest& request)
{
    if (!request.backupFirst)
        return QString();
    *request.backupFirst = true; // taken unless the write is declined
    return request.backupOffer + QLatin1Char('\n');
}

bool answerYesNo(const QString& text, const QString& question, bool yes)
{
    std::fputs(qUtf8Printable(text + question), stderr);
    if (yes) {
        std::fputs("y\n", stderr);
        std::fflush(stderr);
        return true;
    }
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false; // no answer is no
    const QString reply = QString::fromStdString(answer).trimmed().toLower();
    return reply == QLatin1String("y") || reply == QLatin1String("yes");
}

bool CliHost::confirm(const link::ChangeRequest& request)
{
    QString text = request.title + QLatin1Char('\n') + request.subject + QLatin1Char('\n');
    for (const QString& change : request.changes)
        text += QStringLiteral("  ") + change + QLatin1Char('\n');
    if (!request.oldHex.isEmpty() || !request.newHex.isEmpty())
        text += QStringLiteral("  ") + request.oldHex + QStringLiteral(" -> ") + request.newHex + QLatin1Char('\n');
    for (const QString& warning : request.warnings)
        text += QStringLiteral("  ! ") + warning + QLatin1Char('\n');
    for (const link::ChangeRequest::Part& part : request.parts)
        text += partText(part);
    if (!request.battery.isEmpty())
        text += QCoreApplication::translate("Cli", "Аккумулятор: %1 В").arg(request.battery) + QLatin1Char('\n');
    text += backupOffer(request);
    // The answers stay y and n in every language.
    const QString question = request.kind == link::ChangeRequest::Kind::Clear
        ? QCoreApplication::translate("Cli", "Очистить? [y/N] ")
        : request.kind == link::ChangeRequest::Kind::Restart ? QCoreApplication::translate("Cli", "Перезагрузить? [y/N] ")
                                                             : QCoreApplication::translate("Cli", "Записать? [y/N] ");
    return answerYesNo(text, question, m_yes);
}

} // namespace talmero::cli
