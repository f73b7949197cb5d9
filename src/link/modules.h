#pragma once

#include "car/modules.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>

namespace talmero::link {

// One electronic module of the car as the service tab reaches it, from the module table.
struct TModuls {
    quint8 bus = 0;   // 0 = high-speed CAN, 1 = medium-speed CAN
    QString adr;      // CAN request identifier, three hex digits
    QString name;     // short name
    QString title;    // the title as the program's own text (see moduleTitle)
    QString EMad;     // block read and written by hand; "FF" = none
    QString VINad;    // block holding the VIN; "FF" = none
    bool restart = false;
    // Its VIN names the car: the instrument panel and the other VIN holders of the
    // high-speed bus, asked in table order. Any other module may come from another car.
    bool identity = false;
};

constexpr int kModuleCount = car::kModuleCount;

// The eleven modules, in the order the service tab lists them.
const std::array<TModuls, kModuleCount>& Moduls();

// The module with this short name (IPC ... PCM), or nullptr.
const TModuls* findModule(const QString& name);

// The module's title in the language the program speaks.
QString moduleTitle(const TModuls& module);

// The module with this CAN address ("720"), also one a description file adds, or nullptr.
const TModuls* moduleAt(const QString& address);

// Whether a module is opened with the diagnostic session request (all but ACM and RCM).
bool opensSession(const QString& address);

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
    TModuls curModul = Moduls()[0];
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
