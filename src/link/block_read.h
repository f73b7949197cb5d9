#pragma once

#include "link/outcome.h"

#include <QString>
#include <optional>

namespace talmero::link {

class Adapter;

// One data block read from the open module: "21" + block, answered "61" + block + data.
struct BlockRead {
    std::optional<QString> data; // the block's hex digits, frames joined; nullopt unless positive
    bool refused = false;        // the module answered negatively (it has no such block)
    QString answer;              // the cut answer, without response-pending notes
    // The module answered, positively (for any block) or negatively: it is there.
    bool fromModule() const { return refused || answer.startsWith(QLatin1String("61"), Qt::CaseInsensitive); }
    // "! Неверный ответ модуля" with the negative answer's reason, for a read that gave no block.
    Outcome outcome() const;
};

// block: two hex digits as the request carries them ("0a" and "0A" both read block 0A).
BlockRead readBlock(Adapter& adapter, const QString& block, bool logIt);

} // namespace talmero::link
