#pragma once

#include <QString>
#include <array>

namespace talmero::link {

// One electronic module of the car as the service tab reaches it.
struct TModuls {
    quint8 bus = 0;   // 0 = high-speed CAN, 1 = medium-speed CAN
    QString adr;      // CAN request identifier, three hex digits
    QString name;     // short name
    QString title;    // Russian title, as the program's own text (see moduleTitle)
    QString EMad;     // block read and written by hand; "FF" = none
    QString VINad;    // block holding the VIN; "FF" = none
    bool restart = false;
};

constexpr int kModuleCount = 11;

// The eleven modules, in the order the service tab lists them.
const std::array<TModuls, kModuleCount>& Moduls();

// The module with this short name (IPC ... PCM), or nullptr.
const TModuls* findModule(const QString& name);

// The module's title in the language the program speaks.
QString moduleTitle(const TModuls& module);

// The module with this CAN address ("720"), or nullptr.
const TModuls* moduleAt(const QString& address);

// Whether a module is opened with the diagnostic session request (all but ACM and RCM).
bool opensSession(const QString& address);

struct LinkState;
class Host;
// A VIN a module of the car gave: kept as the car's for this connection, and once said in
// the log when it differs from the VIN given at connecting.
void learnCarVin(LinkState& state, Host& host, const QString& vin);

// Program-wide state shared by the windows and the link.
struct LinkState {
    bool online = false;
    QString carVIN;           // upper case, at most 17 characters
    QString vinFromCar;       // the VIN a module of this car gave, "" until one did
    TModuls curModul = Moduls()[0];
    QString calcText;         // hex handed to the calculator
};

} // namespace talmero::link
