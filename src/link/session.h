#pragma once

#include "car/module.h"
#include "link/bus_switch.h"
#include "link/outcome.h"

#include <QCoreApplication>
#include <QString>

namespace talmero::link {

class Adapter;
class Host;

// Puts the adapter on a module's bus and opens the module for requests.
class Session {
    Q_DECLARE_TR_FUNCTIONS(Session)
public:
    // The bus prompt, before the module that comes next is named.
    static QString busPrompt(bool medium);
    static QString cancelledLine(); // the log line of an operation the user cancelled
    // A step that found the connection to the adapter gone.
    static Outcome linkLost();

    // How long a relay is given to settle after its line changed.
    static constexpr int kRelaySettleMs = 100;

    Session(Adapter& adapter, Host& host, SwitchWay way = SwitchWay());

    // How this connection puts the adapter on a bus (chosen at connecting).
    const SwitchWay& way() const { return m_way; }
    void setWay(const SwitchWay& way) { m_way = way; }

    // Which bus the adapter is believed to be switched to; nothing can check it.
    bool busHS = false;
    bool busMS = false;

    // Ends the operation (OperationCancelled, logged) when the user pressed its Cancel
    // button; called between exchanges of long operations.
    void stopIfCancelled();

    // A newly opened port: the next module access asks for the switch whatever it stands on.
    void forgetBus()
    {
        busHS = busMS = false;
        m_protocol = Protocol::None;
    }

    // Puts the adapter on the bus unless it is believed to be there already. With the hand
    // switch the user is asked (the prompt names the module that comes next, its address,
    // and why it is needed when the caller says; Cancel throws OperationCancelled after
    // logging it); a relay's line is set and given time to settle (a port without the line
    // throws LinkError); an STN chip is moved by the protocol command.
    void switchBus(bool medium, const QString& nextAddress = QString(), const QString& why = QString());
    // Selects the bus's protocol after switchBus: ATSP6/ATSPB, or STP53/ATSP6 for an STN
    // chip; nothing is sent when the adapter has it selected since its last reset. A refused
    // or unanswered command is given one more try. An STN chip that refuses STP53 has no
    // medium-speed bus: the hand switch is used from then on (logged once). Whether the
    // adapter took it.
    bool selectProtocol(bool medium, bool logIt, const QString& nextAddress = QString());
    // A module answered on the bus the adapter is on: the switch works.
    void heardModule() { m_heardOnBus = true; }
    // For a module that did not answer: the bus and the way it was switched, when that way
    // was automatic and nothing has answered on that bus since; "" otherwise.
    QString silenceNote() const;

    // What a module is opened for: its blocks (the diagnostic session "1087" where its
    // record asks for one), its trouble codes (the same, for reading them), or the standard
    // OBD-II requests, which need no session.
    enum class Use { Blocks, Codes, Obd };

    // Resets the adapter; done when it answers as an ELM327 does.
    Outcome resetAdapter(bool logIt);
    // Puts the adapter on the module's bus (resetting it first when asked), selects the
    // bus's protocol when it changed and the module. Writes nothing to the log itself. why:
    // what a bus prompt says the module is opened for, when it is not the user's own step.
    Outcome openModule(const car::Module& module, bool logIt, bool resetFirst, Use use = Use::Blocks,
                       const QString& why = QString());
    // Selects a module on the bus the adapter is on: its CAN header and, where the use
    // asks for it, the diagnostic session.
    Outcome selectModule(const car::Module& module, Use use, bool logIt);
    // The module the last selection reached; "" when none (or after a failed one).
    const QString& openAddress() const { return m_openAddress; }

    Adapter& adapter() { return m_adapter; }

private:
    void setRelay(bool medium);

    // The protocol the adapter has selected since its last reset; None again after a module
    // did not answer, as an adapter that reset itself would have lost it.
    enum class Protocol { None, High, Medium };

    Adapter& m_adapter;
    Host& m_host;
    SwitchWay m_way;
    bool m_heardOnBus = false;
    Protocol m_protocol = Protocol::None;
    QString m_openAddress;
};

} // namespace talmero::link
