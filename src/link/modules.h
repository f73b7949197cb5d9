#pragma once

#include "car/catalog.h"
#include "car/modules.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <span>

namespace talmero::link {

// A module of the car: the module table's record.
using TModuls = car::Module;

// The program's own modules, in the order the service tab lists them (the service
// functions, the backup and the trouble-code reading keep to these).
inline std::span<const TModuls* const> Moduls()
{
    return car::kModules;
}

// The module with this short name (IPC ... PCM), also one a description file adds, or nullptr.
const TModuls* findModule(const QString& name);

// The module's title in the language the program speaks.
QString moduleTitle(const TModuls& module);
// "IPC (720)", as a failure's line names a module.
QString moduleAddressText(const TModuls& module);

// The module with this CAN address ("720"), also one a description file adds, or nullptr.
const TModuls* moduleAt(const QString& address);

// The car's VIN as its identity modules give it.
struct CarVin {
    QString vin;          // "" when no identity module gave one, or they disagree
    QString from;         // the module it came from ("720")
    QStringList disputed; // "ABS: WF0…" per identity module, when they disagree and the
                          // instrument panel, which would settle it, gave none
    QString unconfirmed;  // "ABS: WF0…" when, without the panel, only one module gave a VIN:
                          // a used module from another car would name it alone

    bool known() const { return !vin.isEmpty(); }
};

// Decides the car's VIN from the VINs modules gave (address -> VIN): the instrument
// panel's when it gave one; else the one at least two other identity modules agree on,
// when none disagrees. Modules that are not identity modules never decide it.
CarVin decideCarVin(const QMap<QString, QString>& moduleVins);

// The identity modules, in the order they are asked.
QList<const TModuls*> identityModules();

struct LinkState;
class Host;
// A VIN a module of the car gave in this connection. When it makes the car's VIN known,
// and that differs from the VIN given at connecting, the log says so once.
void learnModuleVin(LinkState& state, Host& host, const QString& address, const QString& vin);

// Program-wide state shared by the windows and the link.
struct LinkState {
    bool online = false;
    QString carVIN;           // upper case, at most 17 characters
    QMap<QString, QString> moduleVins; // address -> the VIN its block held, in this connection
    const TModuls* curModul = Moduls()[0]; // the service tab's module
    QString calcText;         // hex handed to the calculator

    CarVin carVin() const { return decideCarVin(moduleVins); }
    // The car's VIN when its modules gave it, else the one given at connecting.
    QString vinOrTyped() const
    {
        const CarVin car = carVin();
        return car.known() ? car.vin : carVIN;
    }
};

} // namespace talmero::link
