#include "diag/dtc_descriptions.h"

#include "diag/csv.h"
#include "diag/dtc_meaning.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace talmero::diag {

namespace {
constexpr int kColumns = 3; // code, English, Russian
} // namespace

QString DtcDescriptions::userFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/dtc-descriptions.csv");
}

DtcDescriptions DtcDescriptions::builtIn()
{
    // Read once: every reading and every explained code looks it up.
    static const DtcDescriptions table = [] {
        DtcDescriptions t;
        QFile file(QStringLiteral(":/diag/dtc-descriptions.csv"));
        if (file.open(QIODevice::ReadOnly))
            t.addCsv(file.readAll(), DescriptionSource::Program);
        return t;
    }();
    return table;
}

DtcDescriptions DtcDescriptions::withUserFile(const QString& path)
{
    DtcDescriptions t = builtIn();
    t.m_userFilePath = path;
    QFile file(path);
    if (!file.exists())
        return t;
    if (!file.open(QIODevice::ReadOnly)) {
        t.m_userFileError = file.errorString();
        return t;
    }
    t.m_userFileProblems = t.addCsv(file.readAll(), DescriptionSource::UserFile);
    return t;
}

QList<DescriptionProblem> DtcDescriptions::addCsv(const QByteArray& file, DescriptionSource source)
{
    QList<DescriptionProblem> problems;
    QHash<QString, int> seen; // code -> its line in this file
    const QList<QByteArray> lines = file.split('\n');
    bool headerPossible = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i) + 1;
        QByteArray bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (i == 0 && bytes.startsWith("\xEF\xBB\xBF")) // a spreadsheet's byte order mark
            bytes.remove(0, 3);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString line = utf8.decode(bytes);
        const auto skip = [&](const QString& reason) { problems.append({number, reason}); };
        if (utf8.hasError()) {
            skip(tr("текст не в кодировке UTF-8"));
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<QStringList> fields = parseCsvLine(line);
        if (headerPossible) {
            headerPossible = false;
            if (fields && !fields->isEmpty() && fields->first().trimmed().compare(QLatin1String("code"), Qt::CaseInsensitive) == 0)
                continue;
        }
        if (!fields) {
            skip(tr("кавычка не закрыта или стоит не на месте"));
            continue;
        }
        if (fields->size() != kColumns) {
            skip(tr("полей %1, а нужно %2: код, English, русский").arg(fields->size()).arg(kColumns));
            continue;
        }
        const QString code = fields->at(0).trimmed().toUpper();
        if (!isDtcCode(code)) {
            skip(tr("неверный код «%1»").arg(fields->at(0)));
            continue;
        }
        if (seen.contains(code)) {
            skip(tr("код %1 уже описан в строке %2").arg(code).arg(seen.value(code)));
            continue;
        }
        DtcDescription row{fields->at(1).trimmed(), fields->at(2).trimmed(), source};
        if (row.english.isEmpty() && row.russian.isEmpty()) {
            skip(tr("нет описания кода %1").arg(code));
            continue;
        }
        seen.insert(code, number);
        m_rows.insert(code, row);
    }
    return problems;
}

const DtcDescription* DtcDescriptions::find(const QString& code) const
{
    const auto it = m_rows.constFind(code);
    return it == m_rows.constEnd() ? nullptr : &it.value();
}

QStringList DtcDescriptions::userFileReport() const
{
    QStringList lines;
    if (!m_userFileError.isEmpty())
        lines << tr("! Файл описаний кодов %1 не прочитан: %2").arg(m_userFilePath, m_userFileError);
    for (const DescriptionProblem& p : m_userFileProblems)
        lines << tr("! Файл описаний кодов %1, строка %2 пропущена: %3").arg(m_userFilePath).arg(p.line).arg(p.reason);
    return lines;
}

QString descriptionText(const DtcDescription& description)
{
    // The translation names the column the program shows in its language.
    const bool russian = QCoreApplication::translate("DtcDescriptions", "ru", "column of the descriptions shown: ru or en")
        == QLatin1String("ru");
    const QString& wanted = russian ? description.russian : description.english;
    return wanted.isEmpty() ? (russian ? description.english : description.russian) : wanted;
}

QString sourceText(DescriptionSource source)
{
    return source == DescriptionSource::Program
        ? QCoreApplication::translate("DtcDescriptions", "описание программы")
        : QCoreApplication::translate("DtcDescriptions", "файл пользователя");
}

QString codeMeaning(const QString& code, const DtcDescriptions& descriptions)
{
    if (const DtcDescription* d = descriptions.find(code))
        return descriptionText(*d);
    const std::optional<DtcStructure> s = dtcStructure(code);
    if (!s)
        return QCoreApplication::translate("DtcDescriptions", "неверный код");
    switch (s->owner) {
    case DtcOwner::Generic:
        return QCoreApplication::translate("DtcDescriptions", "описания нет (общий код, %1)").arg(systemText(s->system));
    case DtcOwner::Manufacturer:
        return QCoreApplication::translate("DtcDescriptions", "код производителя (%1)").arg(systemText(s->system));
    case DtcOwner::Unsettled:
        break;
    }
    return QCoreApplication::translate("DtcDescriptions", "описания нет (%1)").arg(systemText(s->system));
}

QString meaningLine(const QString& code, const QString& status, const DtcDescriptions& descriptions)
{
    QString line = QStringLiteral("    ") + codeMeaning(code, descriptions);
    const DtcDescription* d = descriptions.find(code);
    if (d && d->source == DescriptionSource::UserFile)
        line += QStringLiteral(" [") + sourceText(d->source) + QLatin1Char(']');
    if (const std::optional<DtcStatus> s = parseDtcStatus(status))
        line += QStringLiteral("; ") + statusWords(*s);
    return line;
}

} // namespace talmero::diag
