#pragma once

#include "config/layout.h"

#include <QString>

#include <string_view>

// The dealer tool's AS-BUILT lines for the IPC and the BCM: address, data bytes and one
// checksum byte. Plain text in, plain text out; no window needed.
namespace talmero::config {

// One of the three lines the program handles. Its key is address byte + block number,
// the way the entry window's labels give it.
struct AsBuiltLine {
    std::string_view address; // as the dealer tool writes it
    int addressByte;          // the two hex digits after the leading 7
    int blockNumber;
    BlockId block;
    int dataDigits;           // the block's hex digits (the longest for the IPC)
    constexpr int key() const { return addressByte + blockNumber; }
};

inline constexpr AsBuiltLine kAsBuiltLines[] = {
    {"720-01-01", 0x20, 1, BlockId::IPC, 10},
    {"726-01-01", 0x26, 1, BlockId::BCM1, 8},
    {"726-02-01", 0x26, 2, BlockId::BCM2, 6},
};

// The line with this key, or nullptr.
const AsBuiltLine* asBuiltLineByKey(int key);
// "720-01-01" (blanks and case ignored), or nullptr.
const AsBuiltLine* asBuiltLineByAddress(const QString& address);
// The key from the window's labels: address byte in hex, block number in decimal;
// -1 when either is not a number.
int asBuiltKey(const QString& addressByteLabel, const QString& blockNumberLabel);

// Low 8 bits of address byte + block number + 8 + every data byte. The 8 stands for the
// leading 7 of the address and the line number 01. data: hex pairs, even length.
int sumASBUILT(int addressByte, int blockNumber, const QString& data);
int sumASBUILT(int key, const QString& data);

// Cuts the text to its first n digits when it is longer and every digit after them is '0'.
void trimZeroTail(QString& data, int n);

// The data part as the window shows a generated line: "12 34 56 78 9A D7" (upper case,
// checksum last). Empty when data is not a whole number of hex bytes.
QString asBuiltDataPart(int key, const QString& data);

// A typed data part checked against the line with this key.
struct AsBuiltReading {
    bool valid = false;
    BlockId block = BlockId::IPC;
    QString data;     // the block's hex digits as typed, after trimming
    QString checksum; // the checksum pair as typed
    QString problem;  // why an invalid line is refused, for the user
};

// Blanks and '>' anywhere are ignored, digits of either case accepted. Invalid: odd or
// fewer than four digits, any other character, a wrong checksum, a length that does not
// fit the block after a zero tail is cut, or a key that names no line. An IPC line with
// a fifth byte of zero is a 4-byte block.
AsBuiltReading readAsBuilt(int key, const QString& typed);
// The same for a tool that has the address as text ("726-02-01").
AsBuiltReading readAsBuilt(const QString& address, const QString& typed);

} // namespace talmero::config
