#include "config/asbuilt.h"

#include "link/answer_text.h"
#include "link/codecs.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace talmero::config {

namespace {

QString byteText(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

const QList<AsBuiltLine>& asBuiltLines()
{
    // Made again when another catalog is installed: the description files' modules have lines too.
    static int revision = -1;
    static QList<AsBuiltLine> lines;
    if (revision == car::catalogRevision())
        return lines;
    revision = car::catalogRevision();
    lines = [] {
        QList<AsBuiltLine> all;
        for (const car::Module* m : car::catalog().modules) {
            for (const BlockLayout* b : m->blocks) {
                if (b->asBuiltLine == 0)
                    continue;
                const AsBuiltKey key = car::asBuiltKeyOf(*m, *b);
                const int digitChars = b->hexText ? 1 : 4;
                all.append({QStringLiteral("7%1-%2-01").arg(byteText(key.addressByte), byteText(key.line)), key, m,
                            b, b->capacity / digitChars, b->shortLength / digitChars});
            }
        }
        return all;
    }();
    return lines;
}

const AsBuiltLine* asBuiltLineByKey(AsBuiltKey key)
{
    for (const AsBuiltLine& line : asBuiltLines()) {
        if (line.key == key)
            return &line;
    }
    return nullptr;
}

const AsBuiltLine* asBuiltLineByAddress(const QString& address)
{
    QString wanted = address;
    link::squeezeCOM(wanted);
    wanted = link::cutCOM(wanted);
    for (const AsBuiltLine& line : asBuiltLines()) {
        if (wanted.compare(line.address, Qt::CaseInsensitive) == 0)
            return &line;
    }
    return nullptr;
}

const AsBuiltLine* asBuiltLineOf(const PageSide& side)
{
    for (const AsBuiltLine& line : asBuiltLines()) {
        if (line.module->address == side.address && line.layout == side.layout)
            return &line;
    }
    return nullptr;
}

std::optional<AsBuiltKey> asBuiltKey(const QString& addressByteLabel, const QString& blockNumberLabel)
{
    bool addressOk = false;
    bool blockOk = false;
    const int addressByte = addressByteLabel.trimmed().toInt(&addressOk, 16);
    const int line = blockNumberLabel.trimmed().toInt(&blockOk, 10);
    if (!addressOk || !blockOk)
        return std::nullopt;
    return AsBuiltKey{addressByte, line};
}

int sumASBUILT(AsBuiltKey key, const QString& data)
{
    int sum = (key.addressByte + key.line + 8) & 0xFF;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        sum = (sum + qMax(link::hexByte(data, i), 0)) & 0xFF;
    return sum;
}

void trimZeroTail(QString& data, int n)
{
    if (data.size() <= n)
        return;
    for (qsizetype i = n; i < data.size(); ++i) {
        if (data.at(i) != u'0')
            return;
    }
    data.truncate(n);
}

QString asBuiltDataPart(AsBuiltKey key, const QString& data)
{
    if (data.isEmpty() || data.size() % 2 != 0)
        return QString();
    for (qsizetype i = 0; i < data.size(); i += 2) {
        if (link::hexByte(data, i) < 0)
            return QString();
    }
    return link::splitHEX(data.toUpper() + byteText(sumASBUILT(key, data)));
}

AsBuiltReading readAsBuilt(AsBuiltKey key, const QString& typed)
{
    AsBuiltReading invalid;
    const auto refuse = [&invalid](const QString& problem) {
        invalid.problem = problem;
        return invalid;
    };
    const AsBuiltLine* line = asBuiltLineByKey(key);
    if (!line)
        return refuse(QCoreApplication::translate("AsBuilt", "Неверный адрес строки AS-BUILT"));
    QString text = typed;
    // A line copied whole from a list of lines starts with its address.
    static const QRegularExpression addressInFront(
        QStringLiteral("^\\s*(7[0-9A-F]{2})\\s*-\\s*([0-9A-F]{2})\\s*-\\s*([0-9A-F]{2})(\\s*[:=]?\\s+|\\s*[:=]\\s*)"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = addressInFront.match(text); m.hasMatch()) {
        const QString address = QStringLiteral("%1-%2-%3").arg(m.captured(1), m.captured(2), m.captured(3)).toUpper();
        if (address != line->address) {
            return refuse(QCoreApplication::translate("AsBuilt", "Это строка для адреса %1, а здесь нужна строка %2")
                              .arg(address, line->address));
        }
        text = text.mid(m.capturedLength());
    }
    link::squeezeCOM(text);
    text = link::cutCOM(text);
    for (QChar c : text) {
        if (link::hexDigitValue(c) < 0)
            return refuse(QCoreApplication::translate("AsBuilt", "Недопустимый символ «%1»: строка состоит из шестнадцатеричных цифр").arg(c));
    }
    const qsizetype length = text.size();
    const QString wrongLength = QCoreApplication::translate("AsBuilt", "Неверная длина строки: %n цифр, нужно %1 (данные и контрольная сумма)",
                                                            nullptr, int(length))
                                    .arg(line->dataDigits + 2);
    // Length before checksum: a line with its checksum left off is short, not wrong.
    const int shortestData = line->shortDigits > 0 ? line->shortDigits : line->dataDigits;
    if (length == shortestData) {
        return refuse(QCoreApplication::translate("AsBuilt", "Нет контрольной суммы: после %n цифр данных нужны ещё 2",
                                                  nullptr, int(length)));
    }
    if (length % 2 != 0 || length < shortestData + 2)
        return refuse(wrongLength);

    const int sum = sumASBUILT(key, text.left(length - 2));
    if (link::hexByte(text, length - 2) != sum) {
        return refuse(QCoreApplication::translate("AsBuilt", "Неверная контрольная сумма %1, ожидается %2")
                          .arg(text.right(2).toUpper(), QString::number(sum, 16).toUpper().rightJustified(2, u'0')));
    }

    AsBuiltReading reading;
    reading.layout = line->layout;
    reading.checksum = text.right(2);
    reading.data = text.left(length - 2);
    trimZeroTail(reading.data, line->dataDigits);
    if (line->shortDigits > 0) {
        // Zero beyond the shorter form: a dashboard with the 4-byte block.
        if (reading.data.size() == line->dataDigits && reading.data.mid(line->shortDigits).count(u'0') == line->dataDigits - line->shortDigits)
            reading.data.truncate(line->shortDigits);
        if (reading.data.size() != line->shortDigits && reading.data.size() != line->dataDigits)
            return refuse(wrongLength);
    } else if (reading.data.size() != line->dataDigits) {
        return refuse(wrongLength);
    }
    reading.valid = true;
    return reading;
}

AsBuiltReading readAsBuilt(const QString& address, const QString& typed)
{
    if (const AsBuiltLine* line = asBuiltLineByAddress(address))
        return readAsBuilt(line->key, typed);
    AsBuiltReading unknown;
    unknown.problem = QCoreApplication::translate("AsBuilt", "Строки AS-BUILT с адресом %1 нет ни у одного модуля").arg(address.trimmed().left(16));
    return unknown;
}

} // namespace talmero::config
