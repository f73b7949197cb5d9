#pragma once

#include "config/layout.h"

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

} // namespace talmero::config::reading
