#include "cli/cli_host.h"

#include "link/session.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace talmero::cli {

void CliHost::log(const QString& line)
{
    m_lines.append(line);
    if (m_echoLog) {
        std::fputs(qUtf8Printable(line + QLatin1Char('\n')), stderr);
        std::fflush(stderr);
    }
}

void CliHost::notify(const QString& text)
{
    m_notices.append(text);
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
    if (m_wait) {
        std::string ignored;
        std::getline(std::cin, ignored); // end of input counts as acknowledged
    }
}

QString CliHost::failureSince(qsizetype from) const
{
    for (qsizetype i = m_lines.size() - 1; i >= from; --i) {
        if (m_lines[i].startsWith(QLatin1String("! ")))
            return m_lines[i];
    }
    return QString();
}

QString CliHost::resultSince(qsizetype from) const
{
    for (qsizetype i = m_lines.size() - 1; i >= from; --i) {
        if (m_lines[i].startsWith(QLatin1String("! ")) || m_lines[i].startsWith(QLatin1String("* ")))
            return m_lines[i];
    }
    return QString();
}

QStringList CliHost::messagesSince(qsizetype from) const
{
    QStringList messages;
    for (qsizetype i = from; i < m_notices.size(); ++i) {
        if (!link::Session::isBusPrompt(m_notices[i]))
            messages.append(m_notices[i]);
    }
    return messages;
}

} // namespace talmero::cli
