#pragma once

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
    static bool isBusPrompt(const QString& notice)
    {
        return notice.startsWith(busPrompt(false)) || notice.startsWith(busPrompt(true));
    }
    static QString cancelledLine(); // the log line of an operation the user cancelled

    Session(Adapter& adapter, Host& host);

    // Which bus the adapter is believed to be switched to; nothing can check it.
    bool busHS = false;
    bool busMS = false;

    // Ends the operation (OperationCancelled, logged) when the user pressed its Cancel
    // button; called between exchanges of long operations.
    void stopIfCancelled();

    // A newly opened port: the next module access asks for the switch whatever it stands on.
    void forgetBus() { busHS = busMS = false; }

    // Asks the user to switch the adapter unless it is believed to be there already; the
    // prompt names the module that comes next (its address). Cancel throws
    // OperationCancelled after logging it.
    void switchBus(bool medium, const QString& nextAddress = QString());

    // "OK", or the "! " log line of the failure. Writes nothing to the log itself.
    QString openModule(bool logIt, bool resetFirst, bool medium, bool check1087,
                       const QString& address);

    Adapter& adapter() { return m_adapter; }

private:
    Adapter& m_adapter;
    Host& m_host;
};

} // namespace talmero::link
