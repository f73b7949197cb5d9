#pragma once

#include <QChar>
#include <QString>

// Text forms of module data: hex strings, bit strings ('0'/'1', most significant bit
// first), trouble codes and VINs. Bad input never raises; it shows in the result.
namespace talmero::link {

// Hex to bit string; "0" when any character is not a hex digit, "" for "".
QString HEX2BIN(const QString& hex);
// Bit string to upper-case hex (left-padded to whole nibbles); "0" on bad input.
QString BIN2HEX(const QString& bits);
// Four bit characters to one hex digit; sets error (never clears it) on bad input.
QString NIB2HEX(const QString& nibble, bool& error);
// "AABBCC" -> "AA BB CC"; an odd last digit is dropped.
QString splitHEX(const QString& hex);

struct DtcText {
    QString code;   // letter and four characters, e.g. "B1342"
    QString status; // the status byte as received, e.g. "20"
};
// Two code bytes and the status byte as six hex digits.
DtcText DTC2TEXT(const QString& hex);

// The value of one hex digit (either case), or -1.
int hexDigitValue(QChar c);
// The byte written by the two hex digits at text[at], or -1 when they are not both hex.
int hexByte(const QString& text, qsizetype at = 0);

// Seventeen characters, each from '0' to 'Z'.
bool isVIN(const QString& text);
// A typed VIN as the program keeps it: only a-z become A-Z; every other character keeps
// its place and length, for isVIN to judge.
QString upperVIN(const QString& typed);

} // namespace talmero::link
