#include "link/modules.h"

#include "link/codecs.h"
#include "link/host.h"

#include <QCoreApplication>

namespace talmero::link {

namespace {
struct Row {
    quint8 bus;
    const char* adr;
    const char* name;
    const char* title;
    const char* EMad;
    const char* VINad;
    bool restart;
};

constexpr Row kRows[kModuleCount] = {
    {0, "720", "IPC", QT_TRANSLATE_NOOP("Modules", "Панель приборов"), "00", "02", false},
    {1, "727", "ACM", QT_TRANSLATE_NOOP("Modules", "Аудиомодуль"), "00", "01", false},
    {1, "726", "BCM", QT_TRANSLATE_NOOP("Modules", "GEM модуль"), "03", "FF", true},
    {1, "740", "DDM", QT_TRANSLATE_NOOP("Modules", "Водительский дверной модуль"), "01", "00", false},
    {1, "741", "PDM", QT_TRANSLATE_NOOP("Modules", "Пассажирский дверной модуль"), "01", "00", false},
    {1, "733", "HVAC", QT_TRANSLATE_NOOP("Modules", "Модуль климат-контроля"), "01", "00", false},
    {1, "737", "RCM", QT_TRANSLATE_NOOP("Modules", "Модуль подушек/ремней безопасности"), "00", "01", false},
    {0, "760", "ABS", QT_TRANSLATE_NOOP("Modules", "Модуль ABS/ESP"), "01", "00", false},
    {0, "734", "HCM", QT_TRANSLATE_NOOP("Modules", "Модуль управления головным светом"), "00", "01", false},
    {0, "730", "PSCM", QT_TRANSLATE_NOOP("Modules", "Модуль ЭГУР"), "FF", "00", false},
    {0, "7E0", "PCM", QT_TRANSLATE_NOOP("Modules", "Модуль управления двигателем"), "FF", "FF", true},
};
} // namespace

const std::array<TModuls, kModuleCount>& Moduls()
{
    static const std::array<TModuls, kModuleCount> table = [] {
        std::array<TModuls, kModuleCount> t;
        for (int i = 0; i < kModuleCount; ++i) {
            const Row& r = kRows[i];
            t[i] = TModuls{r.bus,
                           QString::fromLatin1(r.adr),
                           QString::fromLatin1(r.name),
                           QString::fromUtf8(r.title),
                           QString::fromLatin1(r.EMad),
                           QString::fromLatin1(r.VINad),
                           r.restart};
        }
        return t;
    }();
    return table;
}

const TModuls* findModule(const QString& name)
{
    for (const TModuls& m : Moduls()) {
        if (m.name == name)
            return &m;
    }
    return nullptr;
}

QString moduleTitle(const TModuls& module)
{
    return QCoreApplication::translate("Modules", module.title.toUtf8().constData());
}

const TModuls* moduleAt(const QString& address)
{
    for (const TModuls& m : Moduls()) {
        if (m.adr == address)
            return &m;
    }
    return nullptr;
}

void learnCarVin(LinkState& state, Host& host, const QString& vin)
{
    if (!state.vinFromCar.isEmpty() || !isVIN(vin))
        return;
    state.vinFromCar = vin;
    if (vin != state.carVIN) {
        host.log(QCoreApplication::translate("Modules", "* VIN автомобиля %1 отличается от указанного при подключении (%2)")
                     .arg(vin, state.carVIN));
    }
}

bool opensSession(const QString& address)
{
    return address != QLatin1String("727") && address != QLatin1String("737");
}

} // namespace talmero::link
