#include "diag/dtc_descriptions.h"

#include "diag/csv.h"
#include "diag/dtc_meaning.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace talmero::diag {

namespace {

constexpr int kColumns = 3; // code, English, Russian

bool isCodeHeader(const QString& field)
{
    return field.trimmed().compare(QLatin1String("code"), Qt::CaseInsensitive) == 0;
}

// The separator of a file: a spreadsheet in a locale whose decimal mark is the comma
// saves semicolons. The first record decides; it must come out as a header or a code
// with its two descriptions.
QChar separatorOf(const QString& text)
{
    const QChar semicolon = QLatin1Char(';');
    for (const CsvRecord& r : parseCsv(text, semicolon)) {
        if (!r.fields || (r.fields->size() == 1 && r.fields->first().trimmed().isEmpty()))
            continue;
        const QString first = r.fields->first().trimmed().toUpper();
        const bool fits = r.fields->size() == kColumns && (isCodeHeader(first) || isDtcCode(first));
        return fits ? semicolon : QLatin1Char(',');
    }
    return QLatin1Char(',');
}

} // namespace

QString printableText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString out;
    out.reserve(lines.size());
    for (QChar c : lines) {
        const ushort u = c.unicode();
        if (u == '\t' || u == '\n' || u == '\r')
            out += QLatin1Char(' ');
        else if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || c.category() == QChar::Other_Format)
            out += QStringLiteral("<%1>").arg(QString::number(u, 16).toUpper().rightJustified(2, u'0'));
        else
            out += c;
    }
    return out;
}

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
    const QFileInfo info(path);
    // Only a regular file of a sensible size is opened: a pipe would hang the reading,
    // a device would never end.
    if (!info.exists()) {
        if (info.isSymLink())
            t.m_userFileError = tr("ссылка никуда не ведёт");
        return t;
    }
    if (!info.isFile()) {
        t.m_userFileError = tr("это не обычный файл");
        return t;
    }
    if (info.size() > kLargestDescriptionFile) {
        t.m_userFileError = tr("файл больше 1 МиБ");
        return t;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        t.m_userFileError = file.errorString();
        return t;
    }
    // It may have grown since it was asked: never more than the limit is read.
    const QByteArray bytes = file.read(kLargestDescriptionFile + 1);
    if (file.error() != QFileDevice::NoError) {
        t.m_userFileError = file.errorString();
        return t;
    }
    if (bytes.size() > kLargestDescriptionFile) {
        t.m_userFileError = tr("файл больше 1 МиБ");
        return t;
    }
    t.m_userFileProblems = t.addCsv(bytes, DescriptionSource::UserFile);
    return t;
}

DescriptionLoad DtcDescriptions::addCsv(const QByteArray& file, DescriptionSource source)
{
    DescriptionLoad load;
    const auto skip = [&load](int line, const QString& reason) {
        ++load.skipped;
        if (load.problems.size() < DescriptionLoad::kListed)
            load.problems.append({line, reason});
    };
    // Decoded line by line, so that a line that is not UTF-8 is named.
    QByteArray bytes = file;
    if (bytes.startsWith("\xEF\xBB\xBF")) // a spreadsheet's byte order mark
        bytes.remove(0, 3);
    QList<bool> badLine{false}; // from line 1
    QString text;
    for (const QByteArray& line : bytes.split('\n')) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text += QString(utf8.decode(line)) + QLatin1Char('\n');
        badLine.append(utf8.hasError());
    }
    text.chop(1);

    QHash<QString, int> seen; // code -> its line in this file
    bool headerPossible = true;
    for (const CsvRecord& r : parseCsv(text, separatorOf(text))) {
        const auto bad = std::find(badLine.begin() + r.line, badLine.begin() + r.lastLine + 1, true);
        if (bad != badLine.begin() + r.lastLine + 1) {
            skip(int(bad - badLine.begin()), tr("текст не в кодировке UTF-8"));
            continue;
        }
        if (r.fields && r.fields->size() == 1 && r.fields->first().trimmed().isEmpty())
            continue;
        if (headerPossible) {
            headerPossible = false;
            if (r.fields && !r.fields->isEmpty() && isCodeHeader(r.fields->first()))
                continue;
        }
        if (!r.fields) {
            skip(r.line, tr("кавычка не закрыта или стоит не на месте"));
            continue;
        }
        if (r.fields->size() != kColumns) {
            skip(r.line, tr("полей %1, а нужно %2: код, English, русский").arg(r.fields->size()).arg(kColumns));
            continue;
        }
        const QString code = r.fields->at(0).trimmed().toUpper();
        if (!isDtcCode(code)) {
            skip(r.line, tr("неверный код «%1»").arg(printableText(r.fields->at(0).left(40))));
            continue;
        }
        if (seen.contains(code)) {
            skip(r.line, tr("код %1 уже описан в строке %2").arg(code).arg(seen.value(code)));
            continue;
        }
        DtcDescription row{printableText(r.fields->at(1)).trimmed(), printableText(r.fields->at(2)).trimmed(), source};
        if (row.english.isEmpty() && row.russian.isEmpty()) {
            skip(r.line, tr("нет описания кода %1").arg(code));
            continue;
        }
        seen.insert(code, r.line);
        m_rows.insert(code, row);
    }
    return load;
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
    for (const DescriptionProblem& p : m_userFileProblems.problems)
        lines << tr("! Файл описаний кодов %1, строка %2 пропущена: %3").arg(m_userFilePath).arg(p.line).arg(p.reason);
    const int unlisted = m_userFileProblems.skipped - int(m_userFileProblems.problems.size());
    if (unlisted > 0)
        lines << tr("! Файл описаний кодов %1: пропущено ещё строк: %2").arg(m_userFilePath).arg(unlisted);
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
    case DtcOwner::Reserved:
        break;
    }
    return QCoreApplication::translate("DtcDescriptions", "описания нет (зарезервированный диапазон, %1)").arg(systemText(s->system));
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
