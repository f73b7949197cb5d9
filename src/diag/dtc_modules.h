#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

namespace talmero::diag {

// One module of the trouble-code reading.
struct DtcModule {
    bool medium;              // false = high-speed bus, true = medium-speed bus
    const char* adr;          // CAN request identifier
    const char* header;       // UTF-8 line that opens the module's section of the memo
    bool sessionWhenReading;  // send "1087" before reading the codes
    bool sessionWhenClearing; // send "1087" before clearing them
};

// Fixed, in reading order: the high-speed modules first, then the medium-speed ones.
inline constexpr std::array<DtcModule, 11> kDtcModules{{
    {false, "7E0", QT_TRANSLATE_NOOP("DtcModules", "Модуль управления двигателем (PCM):"), false, true},
    {false, "720", QT_TRANSLATE_NOOP("DtcModules", "Панель приборов (IPC):"), true, true},
    {false, "760", QT_TRANSLATE_NOOP("DtcModules", "Модуль ABS/ESP (ABS):"), true, true},
    {false, "734", QT_TRANSLATE_NOOP("DtcModules", "Модуль управления головным светом (HCM):"), true, true},
    {false, "730", QT_TRANSLATE_NOOP("DtcModules", "Модуль ЭГУР (PSCM):"), true, true},
    {true, "726", QT_TRANSLATE_NOOP("DtcModules", "GEM модуль (BCM):"), true, true},
    {true, "740", QT_TRANSLATE_NOOP("DtcModules", "Водительский дверной модуль (DDM):"), true, true},
    {true, "741", QT_TRANSLATE_NOOP("DtcModules", "Пассажирский дверной модуль (PDM):"), true, true},
    {true, "733", QT_TRANSLATE_NOOP("DtcModules", "Модуль климат-контроля (HVAC):"), true, true},
    {true, "737", QT_TRANSLATE_NOOP("DtcModules", "Модуль подушек/ремней безопасности (RCM):"), false, false},
    {true, "727", QT_TRANSLATE_NOOP("DtcModules", "Аудиомодуль (ACM):"), false, false},
}};

// The row with this address, or nullptr.
const DtcModule* findDtcModule(const QString& adr);

// The header in the language the program speaks.
inline QString dtcHeader(const DtcModule& m) { return QCoreApplication::translate("DtcModules", m.header); }

} // namespace talmero::diag
