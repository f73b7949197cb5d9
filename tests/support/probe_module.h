#pragma once

#include "car/module.h"

#include <QString>

// A module record for a test that opens an address on the bus and with the session of
// its choosing, whatever the module table says of it (a wrong bus, an unknown address).
inline talmero::car::Module probeModule(const QString& address, bool medium, bool session)
{
    static QList<QByteArray> kept; // the record's texts outlive it
    kept.append(address.toLatin1());
    const std::string_view text(kept.last().constData(), std::size_t(kept.last().size()));
    return {.name = text, .address = text, .bus = medium ? talmero::car::Bus::Medium : talmero::car::Bus::High,
            .session = session};
}
