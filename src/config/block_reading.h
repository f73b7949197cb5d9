#pragma once

#include "config/layout.h"

#include <QList>
#include <QString>

// How a block's characters read as option states; shared by decode, encode and the rules.
namespace talmero::config::reading {

// A position beyond the block reads as not '1'.
QChar charAt(const QString& block, int position);
bool allSet(const QString& block, const Positions& p);
// The module's acceptance rule for a block already cut to the capacity.
bool accepts(const BlockLayout& b, const QString& block);
// The tick (0/1) or radio item (-1 = none) that a block shows for an option.
int decodedState(const BlockLayout& b, const Option& o, const QString& block);
bool enabledByDecode(const BlockLayout& b, const Option& o, const QString& block, bool writable);
// Whether the option exists in a block of this length.
bool applies(const Option& o, const QString& block);

// The characters an encode writes at the option's positions for a state (tick 0/1, or
// item, -1 none); empty when that state writes nothing.
QString patternOf(const Option& o, int state);
// What a decode shows of a block (already cut to the layout's capacity), from the layout
// alone: the page and the description of a change both start from it.
struct ShownBlock {
    bool accepted = false; // the module's rule takes it; else nothing is shown
    bool known = true;     // every tested position set; else nothing is shown either
    bool writable = false; // no choice forbids writing it
    struct State {
        const Option* option;
        int state;    // tick 0/1 or radio item (-1: none)
        bool enabled; // the decode lets the user change it
    };
    QList<State> options; // the options that exist in this block, in layout order
    bool shows() const { return accepted && known; }
};
ShownBlock showBlock(const BlockLayout& b, const QString& block);
// The block with every writable option's positions written for its state as shown: what
// an encode of the shown states gives (a sample that encodes back to itself is sound).
QString encodeShown(const ShownBlock& shown, QString block);

} // namespace talmero::config::reading
