#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace talmero::diag {

// A module's list of stored trouble codes, from the data of its positive answer to
// "1800ff00" (after the "58"): the count byte, then two code bytes and the status per code.
struct DtcList {
    int count = 0;
    // Six hex digits per code; empty when the list does not match the count, which then
    // still says that the module holds codes.
    QStringList codes;
    bool readable = false;
};

// nullopt when the answer carries no count.
std::optional<DtcList> parseDtcList(const QString& data);

} // namespace talmero::diag
