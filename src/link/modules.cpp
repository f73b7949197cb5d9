#include "link/modules.h"

#include "car/catalog.h"
#include "car/modules.h"
#include "link/codecs.h"
#include "link/host.h"

#include <QCoreApplication>

namespace talmero::link {

const TModuls* findModule(const QString& name)
{
    return car::moduleNamed(name.toStdString());
}

QString moduleTitle(const TModuls& module)
{
    return car::tl(module.title, "Modules");
}

QString moduleAddressText(const TModuls& module)
{
    return car::qs(module.name) + QStringLiteral(" (") + car::qs(module.address) + u')';
}

const TModuls* moduleAt(const QString& address)
{
    return car::moduleAt(address.toStdString());
}

QList<const TModuls*> identityModules()
{
    QList<const TModuls*> modules;
    for (const TModuls* m : Moduls()) {
        if (m->identity)
            modules.append(m);
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
        const QString vin = moduleVins.value(car::qs(m->address));
        if (vin.isEmpty())
            continue;
        given << car::qs(m->name) + QStringLiteral(": ") + vin;
        if (car.vin.isEmpty()) {
            car.vin = vin;
            car.from = car::qs(m->address);
        } else {
            agree = agree && vin == car.vin;
        }
    }
    // The instrument panel settles it; without its VIN at least two others must agree.
    if (car.from == car::qs(identity.first()->address))
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
    // Seventeen zeros stand in for a VIN nobody typed: nothing to differ from.
    const bool typed = !state.carVIN.isEmpty() && state.carVIN != QString(17, u'0');
    if (!knownBefore && car.known() && typed && car.vin != state.carVIN) {
        host.log(QCoreApplication::translate("Modules", "* VIN автомобиля %1 отличается от указанного при подключении (%2)")
                     .arg(car.vin, state.carVIN));
    }
}

} // namespace talmero::link
