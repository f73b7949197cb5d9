#pragma once

#include "config/pages.h"

#include <QList>
#include <optional>

#include <QString>

#include <string_view>

// The dealer tool's AS-BUILT lines: address, data bytes and one checksum byte. A line
// belongs to the block of the module its address names, as the module table says.
// Plain text in, plain text out; no window needed.
namespace talmero::config {

using car::AsBuiltKey;

// One line of a module's block: "720-01-01" is the instrument panel's block 00.
struct AsBuiltLine {
    QString address;          // as the dealer tool writes it
    AsBuiltKey key;
    const car::Module* module;
    const BlockLayout* layout; // as its module describes it
    int dataDigits;           // the block's hex digits (the longest for the IPC)
    int shortDigits;          // those of its shorter whole form (the pre-facelift IPC's); 0 = none
};

// Every line the catalog's modules hold, in its order.
const QList<AsBuiltLine>& asBuiltLines();
// The line with this key, or nullptr.
const AsBuiltLine* asBuiltLineByKey(AsBuiltKey key);
// "720-01-01" (blanks and case ignored), or nullptr.
const AsBuiltLine* asBuiltLineByAddress(const QString& address);
// The line of a page's side; nullptr when it has none.
const AsBuiltLine* asBuiltLineOf(const PageSide& side);
// The key from the window's labels: address byte in hex, line number in decimal;
// nullopt when either is not a number.
std::optional<AsBuiltKey> asBuiltKey(const QString& addressByteLabel, const QString& blockNumberLabel);

// Low 8 bits of address byte + line number + 8 + every data byte. The 8 stands for the
// leading 7 of the address and the last number 01. data: hex pairs, even length.
int sumASBUILT(AsBuiltKey key, const QString& data);

// Cuts the text to its first n digits when it is longer and every digit after them is '0'.
void trimZeroTail(QString& data, int n);

// The data part as the window shows a generated line: "12 34 56 78 9A D7" (upper case,
// checksum last). Empty when data is not a whole number of hex bytes.
QString asBuiltDataPart(AsBuiltKey key, const QString& data);

// A typed data part checked against the line with this key.
struct AsBuiltReading {
    bool valid = false;
    const BlockLayout* layout = nullptr; // the line's block, as its module describes it
    QString data;     // the block's hex digits as typed, after trimming
    QString checksum; // the checksum pair as typed
    QString problem;  // why an invalid line is refused, for the user
};

// Blanks and '>' anywhere are ignored, digits of either case accepted. Invalid: odd or
// fewer than four digits, any other character, a wrong checksum, a length that does not
// fit the block after a zero tail is cut, or a key that names no line. A line of a block
// with a shorter whole form (the IPC's) whose extra bytes are zero is that form.
AsBuiltReading readAsBuilt(AsBuiltKey key, const QString& typed);
// The same for a tool that has the address as text ("726-02-01"); an address no module of
// the table has is refused, named.
AsBuiltReading readAsBuilt(const QString& address, const QString& typed);

} // namespace talmero::config
