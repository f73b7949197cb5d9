#include "link/modules.h"

#include "car/catalog.h"
#include "car/modules.h"
#include "link/codecs.h"
#include "link/host.h"

#include <QCoreApplication>

namespace talmero::link {

namespace {

TModuls entryOf(const car::Module& m)
{
    const auto block = [](int number) { return number < 0 ? QStringLiteral("FF") : car::blockText(number); };
    return TModuls{quint8(m.medium() ? 1 : 0), car::qs(m.address), car::qs(m.name), car::qs(m.title),
                   block(m.manualBlock), block(m.vinBlock), m.restart, m.identity};
}

// The modules description files add: reached for their pages' reads and writes only.
const std::vector<TModuls>& modulesFromFiles()
{
    static std::vector<TModuls> table;
    static int madeFor = -1;
    if (madeFor != car::catalogRevision()) {
        madeFor = car::catalogRevision();
        table.clear();
        for (const car::Module* m : car::catalog().modules) {
            if (m->file)
                table.push_back(entryOf(*m));
        }
    }
    return table;
}

} // namespace

const std::array<TModuls, kModuleCount>& Moduls()
{
    static const std::array<TModuls, kModuleCount> table = [] {
        std::array<TModuls, kModuleCount> t;
        for (int i = 0; i < kModuleCount; ++i)
            t[i] = entryOf(*car::kModules[i]);
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
    for (const TModuls& m : modulesFromFiles()) {
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
    // The instrument panel settles it; without its VIN at least two others must agree.
    if (car.from == identity.first()->adr)
        return car;
    if (!agree)
        car.disputed = given;
    else if (given.size() == 1)
        car.unconfirmed = given.first();
    if (!agree || given.size() < 2) {
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
    const car::Module* m = car::moduleAt(address.toStdString());
    return !m || m->session;
}

} // namespace talmero::link
