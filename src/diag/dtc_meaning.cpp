#include "diag/dtc_meaning.h"

#include "diag/hex_text.h"
#include "link/codecs.h"

#include <QCoreApplication>

namespace talmero::diag {

namespace {

// The subsystem groups SAE J2012 gives by the code's first three characters.
struct GroupRange {
    char letter;
    int digit;
    int from; // third character, as a hex digit
    int to;
    const char* text;
};

const char* const kFuelAirAuxiliary =
    QT_TRANSLATE_NOOP("DtcMeaning", "топливовоздушная смесь и вспомогательные системы снижения токсичности");
const char* const kIgnition = QT_TRANSLATE_NOOP("DtcMeaning", "зажигание и пропуски воспламенения");
const char* const kAuxiliaryEmission = QT_TRANSLATE_NOOP("DtcMeaning", "вспомогательные системы снижения токсичности");
const char* const kControlModule = QT_TRANSLATE_NOOP("DtcMeaning", "блок управления и выходные цепи");
const char* const kTransmission = QT_TRANSLATE_NOOP("DtcMeaning", "трансмиссия");

constexpr GroupRange kGroups[] = {
    {'P', 0, 0x0, 0x0, kFuelAirAuxiliary},
    {'P', 0, 0x1, 0x1, QT_TRANSLATE_NOOP("DtcMeaning", "топливовоздушная смесь")},
    {'P', 0, 0x2, 0x2, QT_TRANSLATE_NOOP("DtcMeaning", "топливовоздушная смесь (цепи форсунок)")},
    {'P', 0, 0x3, 0x3, kIgnition},
    {'P', 0, 0x4, 0x4, kAuxiliaryEmission},
    {'P', 0, 0x5, 0x5, QT_TRANSLATE_NOOP("DtcMeaning", "скорость автомобиля, холостой ход и вспомогательные входы")},
    {'P', 0, 0x6, 0x6, kControlModule},
    {'P', 0, 0x7, 0x9, kTransmission},
    {'P', 0, 0xA, 0xC, QT_TRANSLATE_NOOP("DtcMeaning", "гибридный или электрический привод")},
    // The second generic range has groups of its own.
    {'P', 2, 0x0, 0x2, kFuelAirAuxiliary},
    {'P', 2, 0x3, 0x3, kIgnition},
    {'P', 2, 0x4, 0x4, kAuxiliaryEmission},
    {'P', 2, 0x5, 0x5, QT_TRANSLATE_NOOP("DtcMeaning", "вспомогательные входы")},
    {'P', 2, 0x6, 0x6, kControlModule},
    {'P', 2, 0x7, 0x8, kTransmission},
    {'P', 2, 0xA, 0xA, kFuelAirAuxiliary},
    {'P', 3, 0x4, 0x4, QT_TRANSLATE_NOOP("DtcMeaning", "отключение цилиндров")},
    {'P', 3, 0x5, 0xF, QT_TRANSLATE_NOOP("DtcMeaning", "зарезервировано ISO/SAE, значения пока не определены")},
    {'U', 0, 0x0, 0x0, QT_TRANSLATE_NOOP("DtcMeaning", "электрические цепи шин связи")},
    {'U', 0, 0x1, 0x2, QT_TRANSLATE_NOOP("DtcMeaning", "связь с блоками (блок не слышен)")},
    {'U', 0, 0x3, 0x3, QT_TRANSLATE_NOOP("DtcMeaning", "совместимость программ блоков")},
    {'U', 0, 0x4, 0x4, QT_TRANSLATE_NOOP("DtcMeaning", "неверные данные от блоков")},
};

DtcOwner ownerOf(QChar letter, int digit, int third)
{
    const bool powertrain = letter == QLatin1Char('P');
    switch (digit) {
    case 0:
        return DtcOwner::Generic;
    case 1:
        return DtcOwner::Manufacturer;
    case 2: // only the powertrain's second range is generic
        return powertrain ? DtcOwner::Generic : DtcOwner::Manufacturer;
    default: // P30..P33 are the makers', P34..P3F the standard's; B3, C3 and U3 are kept for later
        if (powertrain)
            return third <= 3 ? DtcOwner::Manufacturer : DtcOwner::Generic;
        return DtcOwner::Reserved;
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
    for (const GroupRange& g : kGroups) {
        if (letter == QLatin1Char(g.letter) && digit == g.digit && third >= g.from && third <= g.to)
            s.group = QCoreApplication::translate("DtcMeaning", g.text);
    }
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
    case DtcOwner::Reserved:
        return QCoreApplication::translate("DtcMeaning", "диапазон, зарезервированный SAE/ISO: кодов в нём пока нет");
    }
    return QString();
}

QString storageText(DtcStorage storage)
{
    // KWP2000's states at the moment of the request, in words that claim no more.
    switch (storage) {
    case DtcStorage::NotDetected:
        return QCoreApplication::translate("DtcMeaning", "при чтении не обнаружена");
    case DtcStorage::StoredNotPresent:
        return QCoreApplication::translate("DtcMeaning", "сохранена, сейчас отсутствует");
    case DtcStorage::Intermittent:
        return QCoreApplication::translate("DtcMeaning", "непостоянная: то появляется, то пропадает");
    case DtcStorage::Present:
        return QCoreApplication::translate("DtcMeaning", "присутствует сейчас");
    }
    return QString();
}

QString lampText(bool lamp, bool brief)
{
    if (brief)
        return lamp ? QCoreApplication::translate("DtcMeaning", "запрошена") : QCoreApplication::translate("DtcMeaning", "нет");
    return lamp ? QCoreApplication::translate("DtcMeaning", "запрашивает лампу неисправности")
                : QCoreApplication::translate("DtcMeaning", "лампу неисправности не запрашивает");
}

QString statusWords(const DtcStatus& status)
{
    return storageText(status.storage) + QStringLiteral("; ") + lampText(status.lamp);
}

} // namespace talmero::diag
