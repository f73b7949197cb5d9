#pragma once

#include <QString>

// Operations on the adapter's answer text.
namespace talmero::link {

// Every run of characters with codes 0..32 becomes one space; none at either end.
void squeezeCOM(QString& text);
// The text without any ' ' and '>'.
QString cutCOM(const QString& text);
// Joins a cut multi-frame answer ("014" count, "0:" "1:" ... frame indices) into one
// hex string. Answers under 15 characters, and answers that do not start with a hex
// count (adapter messages such as "UNABLE TO CONNECT"), come back unchanged.
QString joinFrames(const QString& cut);

} // namespace talmero::link
