#pragma once

#include "config/layout.h"
#include "safety/journal.h"
#include "safety/write_gate.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace talmero::config {

// The options whose state differs between two blocks of one layout, one line each as the
// user reads them: "caption: old → new". The blocks are hex, as the module holds them.
QStringList describeChange(const BlockLayout& layout, const QString& oldHex, const QString& newHex);

// The description files whose options differ between the two blocks (hex), each once,
// with whether the user trusts it; every file of the layout when either block is not
// shown by the page.
QList<safety::DescriptionUse> filesChanged(const BlockLayout& layout, const QString& oldHex, const QString& newHex);

// Whether the block's page shows this block (a decode accepts it).
bool pageShows(const BlockLayout& layout, const QString& hex);

// The layout in use of the block a module holds at this address and block number, when a
// page shows it ("726", "04" is BCM part 2); nullptr otherwise.
const BlockLayout* blockAt(const QString& address, const QString& block);

// What a write of newHex to that block changes, for the write gate's confirmation: the
// options, when a page shows the block; nothing to describe otherwise (an empty function).
std::function<QStringList(const QString& heldHex)> changeDescriber(const QString& address, const QString& block,
                                                                   const QString& newHex);

// The description files a write of newHex to a block of the module needs trusted, each
// once, with whether the user trusts it: the file the module comes from, whatever the
// block; and the files whose options the write changes in a block they extend. An empty
// function when the block has neither.
std::function<QList<safety::DescriptionUse>(const QString& heldHex)> filesOfWrite(const car::Module& module, const QString& block,
                                                                                  const QString& newHex);

// What writing a journal row's old content back changes, and the description files it
// needs trusted (the write gate's undo).
safety::WriteGate::RowDescriber describeUndo();

} // namespace talmero::config
