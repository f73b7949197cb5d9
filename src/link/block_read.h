#pragma once

#include "car/module.h"
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
// dataBytes: the block's length as far as the module table knows it (blockBytes), so that
// the request carries the number of answer lines; nullopt when not known.
BlockRead readBlock(Adapter& adapter, const QString& block, bool logIt, std::optional<int> dataBytes);

// The bytes a block of the module holds as far as its description says: the VIN's 17, a
// configuration block's longest length; nullopt for any other block.
std::optional<int> blockBytes(const car::Module& module, int block);
// The same by the module's address ("720") and the block's two hex digits; nullopt for an
// unknown module or block.
std::optional<int> blockBytes(const QString& address, const QString& block);

} // namespace talmero::link
