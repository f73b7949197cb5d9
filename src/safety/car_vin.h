#pragma once

#include "car/module.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

namespace talmero::link {
class Host;
class Session;
struct LinkState;
} // namespace talmero::link

namespace talmero::safety {

// Finds the car's VIN as the journal records it: the one its identity modules give (the
// instrument panel first, the others only two or more together), asked once per connection.
// A used module from another car never decides it; without it the VIN typed at connecting
// stands.
class CarVinFinder {
    Q_DECLARE_TR_FUNCTIONS(CarVinFinder)
public:
    CarVinFinder(link::Session& session, link::Host& host, link::LinkState& state);

    // The VIN the identity modules gave so far in this connection, else the typed one;
    // typed says which.
    QString known(bool* typed = nullptr) const;
    // What the VIN is looked for: a bus prompt on the way says so.
    enum class Purpose { Write, Change, Reading };
    // As known, after asking the identity modules not asked yet in this connection (none
    // once the instrument panel gave it). Asking moves the adapter.
    QString find(bool* typed = nullptr, Purpose purpose = Purpose::Write);
    // The VIN block of the module open now, kept as what this module gave; "" when it has
    // none or it holds no VIN.
    QString readOpenModuleVin(const car::Module& module);
    // What a confirmation says when the identity modules disagree; empty when they do not.
    QStringList warnings() const;

private:
    link::Session& m_session;
    link::Host& m_host;
    link::LinkState& m_state;
    QSet<QString> m_asked; // identity modules asked for their VIN in this connection
};

} // namespace talmero::safety
