#include "diag/live_reader.h"

#include "diag/csv.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/host.h"
#include "link/session.h"

#include <QFileInfo>

#include <cmath>

namespace talmero::diag {

namespace {

constexpr int kSupportMapBytes = 4;

QString hex2(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

LiveReader::LiveReader(link::Session& session, link::Host& host) : m_session(session), m_host(host) {}

PidSet LiveReader::readSupportedPids(link::Outcome* outcome)
{
    if (outcome)
        *outcome = link::Outcome::done();
    PidSet pids;
    link::Adapter& adapter = m_session.adapter();
    for (int base = 0x00; base <= 0xE0; base += 0x20) {
        const QString request = QStringLiteral("01") + hex2(base);
        const QString cut = link::cutCOM(adapter.writeCOM(request, true, link::answerWithData(kSupportMapBytes)));
        const std::optional<quint32> map = parseSupportMap(cut, base);
        if (!map) {
            const QString answer = cut.isEmpty() ? tr("нет ответа") : link::printableForLog(cut);
            const QString line = tr("! Карта поддерживаемых параметров %1 не прочитана (%2): параметры %3..%4 не предлагаются")
                                     .arg(request, answer, hex2(base + 1), hex2(base + 0x20));
            m_host.log(line);
            if (outcome)
                *outcome = link::Outcome::failed(link::Outcome::Kind::Failed, line);
            break;
        }
        pids |= pidsOfMap(*map, base);
        if (!(*map & 1u) || adapter.linkLost())
            break; // no map after this one
    }
    return pids;
}

QList<const LiveValue*> LiveReader::offered(const PidSet& pids)
{
    QList<const LiveValue*> values;
    for (const LiveValue& v : kLiveValues) {
        if (v.pid == 0 || pids.test(size_t(v.pid)))
            values.append(&v);
    }
    return values;
}

LiveReadings LiveReader::read(const QList<const LiveValue*>& values)
{
    link::Adapter& adapter = m_session.adapter();
    LiveReadings readings;
    for (const LiveValue* v : values) {
        const QString request = v->pid == 0 ? QStringLiteral("atrv") : QStringLiteral("01") + hex2(v->pid);
        if (adapter.linkLost()) {
            readings.append(std::nullopt);
            continue;
        }
        const QString answer = v->pid == 0 ? adapter.writeCOM(request, false)
                                           : adapter.writeCOM(request, false, link::answerWithData(v->bytes));
        readings.append(decodeLiveValue(*v, link::cutCOM(answer)));
    }
    return readings;
}

QString LiveRecording::header(const QList<const LiveValue*>& values)
{
    QStringList fields{QStringLiteral("time [s]")};
    for (const LiveValue* v : values)
        fields << QStringLiteral("%1 [%2]").arg(QLatin1String(v->key), QString::fromUtf8(v->unit));
    return csvRecord(fields);
}

QString LiveRecording::row(const QList<const LiveValue*>& values, double seconds, const LiveReadings& readings)
{
    QStringList fields{QString::number(seconds, 'f', 1)};
    for (qsizetype i = 0; i < values.size(); ++i) {
        const std::optional<double> r = readings.value(i);
        fields << (r ? QString::number(*r, 'f', values[i]->decimals) : QString());
    }
    return csvRecord(fields);
}

RecordedValues LiveRecording::load(const QString& path)
{
    constexpr qint64 kLargest = 64 * 1024 * 1024;
    RecordedValues rec;
    const QFileInfo info(path);
    if (!info.isFile()) {
        rec.error = info.exists() ? tr("это не обычный файл") : tr("файла нет");
        return rec;
    }
    QFile file(path);
    if (info.size() > kLargest || !file.open(QIODevice::ReadOnly)) {
        rec.error = info.size() > kLargest ? tr("файл больше 64 МиБ") : file.errorString();
        return rec;
    }
    const QByteArray bytes = file.read(kLargest + 1);
    if (bytes.size() > kLargest || file.error() != QFileDevice::NoError) {
        rec.error = bytes.size() > kLargest ? tr("файл больше 64 МиБ") : file.errorString();
        return rec;
    }
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QString firstLine = text.left(text.indexOf(QLatin1Char('\n')));
    // A spreadsheet that writes decimal commas separates its fields with semicolons.
    const bool semicolons = firstLine.contains(QLatin1Char(';')) && !firstLine.contains(QLatin1Char(','));
    const QList<CsvRecord> records = parseCsv(text, semicolons ? QLatin1Char(';') : QLatin1Char(','));
    if (records.isEmpty() || !records.first().fields || records.first().fields->size() < 2) {
        rec.error = tr("это не запись показаний: нет строки заголовка");
        return rec;
    }
    QList<int> columns; // the file's column of each value
    const QStringList& header = *records.first().fields;
    for (qsizetype c = 1; c < header.size(); ++c) {
        const QString key = header[c].section(QLatin1Char('['), 0, 0).trimmed();
        const LiveValue* v = findLiveValue(key);
        if (v && !rec.values.contains(v)) {
            rec.values.append(v);
            columns.append(int(c));
        } else {
            rec.unknownColumns.append(link::printableForLog(header[c]));
        }
    }
    if (rec.values.isEmpty()) {
        rec.error = tr("в заголовке нет ни одного известного параметра");
        return rec;
    }
    const auto number = [semicolons](QString field) {
        if (semicolons)
            field.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = field.trimmed().toDouble(&ok);
        return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    };
    for (qsizetype i = 1; i < records.size(); ++i) {
        const CsvRecord& r = records[i];
        if (r.fields && r.fields->size() == 1 && r.fields->first().trimmed().isEmpty())
            continue;
        const std::optional<double> seconds = r.fields ? number(r.fields->first()) : std::nullopt;
        if (!seconds) {
            ++rec.badRows;
            continue;
        }
        LiveReadings readings;
        for (int c : columns)
            readings.append(number(r.fields->value(c)));
        rec.seconds.append(*seconds);
        rec.rows.append(readings);
    }
    return rec;
}

bool LiveRecording::open(const QString& path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_error = m_file.errorString();
        return false;
    }
    return write(header(m_values));
}

bool LiveRecording::addRow(double seconds, const LiveReadings& readings)
{
    if (!write(row(m_values, seconds, readings)))
        return false;
    ++m_rows;
    return true;
}

bool LiveRecording::write(const QString& line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    if (!m_file.isOpen() || m_file.write(bytes) != bytes.size() || !m_file.flush()) {
        if (m_error.isEmpty())
            m_error = m_file.isOpen() ? m_file.errorString() : tr("файл не открыт");
        return false;
    }
    return true;
}

} // namespace talmero::diag
