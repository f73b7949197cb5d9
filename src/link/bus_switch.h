#pragma once

#include "link/control_line.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace talmero::link {

class Adapter;

// What the user chose in "Bus switching" (and --bus-switch).
enum class BusSwitchSetting { Auto, Prompt, Stn, Rts, Dtr, RtsInverted, DtrInverted };

// The setting's spelling on the command line and in the settings store.
QString busSwitchName(BusSwitchSetting setting);
std::optional<BusSwitchSetting> busSwitchFromName(const QString& name);
QStringList busSwitchNames();

// How the adapter is put on a bus for this connection.
struct SwitchWay {
    enum class Kind { Prompt, Stn, Relay };
    Kind kind = Kind::Prompt;
    ControlLine line = ControlLine::Rts; // Relay only
    bool inverted = false;               // Relay only: the line is set for the high-speed bus

    bool automatic() const { return kind != Kind::Prompt; }
    // The line's level that connects the given bus.
    bool lineLevel(bool medium) const { return medium != inverted; }
    bool operator==(const SwitchWay&) const = default;
};

// What the adapter said it is at connecting.
struct AdapterIdentity {
    QString reset;    // the reset answer ("ELM327 v1.5"); empty when nothing answered
    QString version;  // ATI
    QString firmware; // STI: "STN2120 v5.6.5"; empty for a plain ELM327
    QString device;   // STDI, asked only of an STN chip

    bool answered() const { return !reset.isEmpty(); }
    bool isStn() const { return !firmware.isEmpty(); }
    // Whether requests may carry the number of answer lines: an STN chip, or an ELM327 of
    // version 1.3 or later by its ATI answer (many clones claim it and refuse the count:
    // the adapter finds that out at the first one).
    bool takesAnswerCounts() const;
};

// Resets the adapter and asks it what it is. No answer in time from the reset, or from ATI
// after it, leaves the identity empty (answered() false). Nothing is logged.
AdapterIdentity identifyAdapter(Adapter& adapter);

// The way a connection uses: the setting, and for Auto what the adapter said.
SwitchWay chooseWay(BusSwitchSetting setting, const AdapterIdentity& identity);

// The start of every connection: identifies the adapter, chooses the way and whether
// requests carry the number of answer lines. Throws
// LinkError with the text to show when nothing answered, or when a relay's line cannot
// be set on this port (it is left on the high-speed bus otherwise).
SwitchWay startAdapter(Adapter& adapter, BusSwitchSetting setting, int baudRate,
                       AdapterIdentity& identity);

class BusSwitchTexts {
    Q_DECLARE_TR_FUNCTIONS(BusSwitchTexts)
public:
    // "реле на RTS", "встроенные команды (STN)", ...
    static QString wayText(const SwitchWay& way);
    static QString busText(bool medium);
    // The one log line of a connection: what answered and how the buses will be switched.
    static QString identityLine(const AdapterIdentity& identity, const SwitchWay& way);
    // The start window's refusal when nothing answered on the port.
    static QString noAnswerText(const QString& port, int baudRate);
    // A relay way on a port whose control line cannot be set.
    static QString noControlLineText(const QString& port, const SwitchWay& way);
    // The same for a Wi-Fi adapter: no rate to check, no control lines at all.
    static QString noNetworkAnswerText(const QString& address);
    static QString networkClosedText(const QString& address);
    static QString noNetworkControlLineText(const QString& address, const SwitchWay& way);
    // The same for a Bluetooth adapter.
    static QString noBluetoothAnswerText(const QString& port);
    static QString bluetoothClosedText(const QString& port);
    static QString noBluetoothControlLineText(const QString& port, const SwitchWay& way);
};

} // namespace talmero::link
