#include "diag/dtc_meaning.h"

#include "diag/hex_text.h"
#include "link/codecs.h"

#include <QCoreApplication>

namespace talmero::diag {

namespace {

// The third character of a generic powertrain code. The public tables agree on 0 to 8
// for P0 (9 and above are named differently by different sources) and on 0 to 7 for P2.
constexpr const char* kPowertrainGroups[] = {
    QT_TRANSLATE_NOOP("DtcMeaning", "топливовоздушная смесь и вспомогательные системы снижения токсичности"),
    QT_TRANSLATE_NOOP("DtcMeaning", "топливовоздушная смесь"),
    QT_TRANSLATE_NOOP("DtcMeaning", "топливовоздушная смесь (цепи форсунок)"),
    QT_TRANSLATE_NOOP("DtcMeaning", "зажигание и пропуски воспламенения"),
    QT_TRANSLATE_NOOP("DtcMeaning", "вспомогательные системы снижения токсичности"),
    QT_TRANSLATE_NOOP("DtcMeaning", "скорость автомобиля, холостой ход и вспомогательные входы"),
    QT_TRANSLATE_NOOP("DtcMeaning", "блок управления и выходные цепи"),
    QT_TRANSLATE_NOOP("DtcMeaning", "трансмиссия"),
    QT_TRANSLATE_NOOP("DtcMeaning", "трансмиссия"),
};

DtcOwner ownerOf(QChar letter, int digit, int third)
{
    switch (digit) {
    case 0:
        return DtcOwner::Generic;
    case 1:
        return DtcOwner::Manufacturer;
    case 2: // only the powertrain's second range is generic
        return letter == QLatin1Char('P') ? DtcOwner::Generic : DtcOwner::Manufacturer;
    default: // P30..P33 are the makers' in every source; the rest of the 3 ranges is disputed
        return letter == QLatin1Char('P') && third <= 3 ? DtcOwner::Manufacturer : DtcOwner::Unsettled;
    }
}

} // namespace

bool isDtcCode(const QString& code)
{
    if (code.size() != 5 || !QStringLiteral("PCBU").contains(code[0]) || code[1] < QLatin1Char('0')
        || code[1] > QLatin1Char('3'))
        return false;
    for (qsizetype i = 2; i < 5; ++i) {
        if (link::hexDigitValue(code[i]) < 0 || code[i].isLower())
            return false;
    }
    return true;
}

std::optional<DtcStructure> dtcStructure(const QString& code)
{
    if (!isDtcCode(code))
        return std::nullopt;
    DtcStructure s;
    const QChar letter = code[0];
    s.system = letter == QLatin1Char('P') ? DtcSystem::Powertrain
        : letter == QLatin1Char('C')      ? DtcSystem::Chassis
        : letter == QLatin1Char('B')      ? DtcSystem::Body
                                          : DtcSystem::Network;
    const int digit = code[1].unicode() - '0';
    const int third = link::hexDigitValue(code[2]);
    s.owner = ownerOf(letter, digit, third);
    const int lastGroup = digit == 0 ? 8 : 7;
    if (s.system == DtcSystem::Powertrain && s.owner == DtcOwner::Generic && third <= lastGroup)
        s.group = QCoreApplication::translate("DtcMeaning", kPowertrainGroups[third]);
    return s;
}

DtcStatus decodeDtcStatus(quint8 raw)
{
    DtcStatus s;
    s.raw = raw;
    s.lamp = raw & 0x80;
    s.storage = static_cast<DtcStorage>((raw >> 5) & 0x03);
    s.readiness = raw & 0x10;
    s.symptom = raw & 0x0F;
    return s;
}

std::optional<DtcStatus> parseDtcStatus(const QString& hex)
{
    const int value = hexByte(hex);
    if (value < 0)
        return std::nullopt;
    return decodeDtcStatus(quint8(value));
}

QString systemText(DtcSystem system)
{
    switch (system) {
    case DtcSystem::Powertrain:
        return QCoreApplication::translate("DtcMeaning", "силовой агрегат");
    case DtcSystem::Chassis:
        return QCoreApplication::translate("DtcMeaning", "шасси");
    case DtcSystem::Body:
        return QCoreApplication::translate("DtcMeaning", "кузов");
    case DtcSystem::Network:
        return QCoreApplication::translate("DtcMeaning", "сеть обмена данными");
    }
    return QString();
}

QString ownerText(DtcOwner owner)
{
    switch (owner) {
    case DtcOwner::Generic:
        return QCoreApplication::translate("DtcMeaning", "общий код (SAE/ISO)");
    case DtcOwner::Manufacturer:
        return QCoreApplication::translate("DtcMeaning", "код производителя");
    case DtcOwner::Unsettled:
        return QCoreApplication::translate("DtcMeaning", "диапазон, который источники описывают по-разному");
    }
    return QString();
}

QString storageText(DtcStorage storage)
{
    switch (storage) {
    case DtcStorage::None:
        return QCoreApplication::translate("DtcMeaning", "не записана");
    case DtcStorage::Stored:
        return QCoreApplication::translate("DtcMeaning", "сохранена");
    case DtcStorage::Pending:
        return QCoreApplication::translate("DtcMeaning", "ожидающая");
    case DtcStorage::Present:
        return QCoreApplication::translate("DtcMeaning", "присутствует сейчас");
    }
    return QString();
}

QString lampText(bool lamp)
{
    return lamp ? QCoreApplication::translate("DtcMeaning", "лампа горит")
                : QCoreApplication::translate("DtcMeaning", "лампа не горит");
}

QString statusWords(const DtcStatus& status)
{
    return storageText(status.storage) + QStringLiteral(", ") + lampText(status.lamp);
}

} // namespace talmero::diag
