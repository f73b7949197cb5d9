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
    bool identity;
};

constexpr Row kRows[kModuleCount] = {
    {0, "720", "IPC", QT_TRANSLATE_NOOP("Modules", "Панель приборов"), "00", "02", false, true},
    {1, "727", "ACM", QT_TRANSLATE_NOOP("Modules", "Аудиомодуль"), "00", "01", false, false},
    {1, "726", "BCM", QT_TRANSLATE_NOOP("Modules", "GEM модуль"), "03", "FF", true, false},
    {1, "740", "DDM", QT_TRANSLATE_NOOP("Modules", "Водительский дверной модуль"), "01", "00", false, false},
    {1, "741", "PDM", QT_TRANSLATE_NOOP("Modules", "Пассажирский дверной модуль"), "01", "00", false, false},
    {1, "733", "HVAC", QT_TRANSLATE_NOOP("Modules", "Модуль климат-контроля"), "01", "00", false, false},
    {1, "737", "RCM", QT_TRANSLATE_NOOP("Modules", "Модуль подушек/ремней безопасности"), "00", "01", false, false},
    {0, "760", "ABS", QT_TRANSLATE_NOOP("Modules", "Модуль ABS/ESP"), "01", "00", false, true},
    {0, "734", "HCM", QT_TRANSLATE_NOOP("Modules", "Модуль управления головным светом"), "00", "01", false, true},
    {0, "730", "PSCM", QT_TRANSLATE_NOOP("Modules", "Модуль ЭГУР"), "FF", "00", false, true},
    {0, "7E0", "PCM", QT_TRANSLATE_NOOP("Modules", "Модуль управления двигателем"), "FF", "FF", true, false},
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
                           r.restart,
                           r.identity};
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

QList<const TModuls*> identityModules()
{
    QList<const TModuls*> modules;
    for (const TModuls& m : Moduls()) {
        if (m.identity)
            modules.append(&m);
    }
    return modules;
}

CarVin decideCarVin(const QMap<QString, QString>& moduleVins)
{
    CarVin car;
    QStringList given;
    bool agree = true;
    const QList<const TModuls*> identity = identityModules();
    for (const TModuls* m : identity) {
        const QString vin = moduleVins.value(m->adr);
        if (vin.isEmpty())
            continue;
        given << m->name + QStringLiteral(": ") + vin;
        if (car.vin.isEmpty()) {
            car.vin = vin;
            car.from = m->adr;
        } else {
            agree = agree && vin == car.vin;
        }
    }
    // The instrument panel settles it; without its VIN the others must agree.
    if (!agree && car.from != identity.first()->adr) {
        car.disputed = given;
        car.vin.clear();
        car.from.clear();
    }
    return car;
}

void learnModuleVin(LinkState& state, Host& host, const QString& address, const QString& vin)
{
    if (!isVIN(vin) || state.moduleVins.value(address) == vin)
        return;
    const bool knownBefore = state.carVin().known();
    state.moduleVins.insert(address, vin);
    const CarVin car = state.carVin();
    if (!knownBefore && car.known() && !state.carVIN.isEmpty() && car.vin != state.carVIN) {
        host.log(QCoreApplication::translate("Modules", "* VIN автомобиля %1 отличается от указанного при подключении (%2)")
                     .arg(car.vin, state.carVIN));
    }
}

bool opensSession(const QString& address)
{
    return address != QLatin1String("727") && address != QLatin1String("737");
}

} // namespace talmero::link
