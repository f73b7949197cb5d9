#pragma once

#include "car/module.h"
#include "link/answer_count.h"
#include "link/answer_text.h"
#include "link/outcome.h"

#include <QString>
#include <optional>

namespace talmero::link {

class Adapter;

// One data block read from the open module: "21" + block, answered "61" + block + data.
struct BlockRead {
    std::optional<QString> data; // the block's hex digits, frames joined; nullopt unless positive
    bool refused = false;        // the module answered negatively (it has no such block)
    QString answer;              // a positive answer's bytes or a refusal's; "" for anything else
    ClassifiedAnswer classified;
    QString block;               // two upper-case hex digits
    bool lost = false;           // the connection to the adapter was lost on the way
    // The module answered, positively (for any block) or negatively: it is there.
    bool fromModule() const { return refused || answer.startsWith(QLatin1String("61"), Qt::CaseInsensitive); }
    // The answer failed on its way: the adapter's own text, a cut or garbled answer, or none.
    bool failed() const;
    // For a read that gave no block: the adapter's words, or "! Неверный ответ модуля" with
    // the negative answer's reason. module: its name as the line shows it ("IPC (720)").
    Outcome outcome(const QString& module = QString()) const;
};

// One read request, its answer classified; an answer the adapter or the line spoiled is
// asked for once more (never a write: this path refuses requests that change a module).
ClassifiedAnswer readAnswer(Adapter& adapter, const QString& request, bool logIt, AnswerLength length);

// The line a read that gave no data logs. what: what was read, as readText makes it.
QString readFailureLine(const ClassifiedAnswer& answer, const QString& what);
// "блока 01 модуля IPC (720)", or "блока 01" without a module.
QString blockReadText(const QString& block, const QString& module);

// block: two hex digits as the request carries them ("0a" and "0A" both read block 0A).
// dataBytes: the block's length as far as the module table knows it (blockBytes), so that
// the request carries the number of answer lines; nullopt when not known.
BlockRead readBlock(Adapter& adapter, const QString& block, bool logIt, std::optional<int> dataBytes);

// The bytes a block of the module holds as far as its description says: the VIN's 17, a
// configuration block's longest length; nullopt for any other block.
std::optional<int> blockBytes(const car::Module& module, int block);

} // namespace talmero::link
