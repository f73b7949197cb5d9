#pragma once

#include <QString>
#include <optional>

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

// An answer as the log shows it: characters outside printable ASCII become "<1B>".
QString printableForLog(const QString& answer);

// The cut answer without the response-pending notes ("7F" + service + "78") before it.
QString withoutPendingNotes(const QString& cut);

// The data of a positive answer after its prefix ("6100" ...), from a cut answer: a
// leading response-pending note ("7F..78") is skipped and the frames are joined.
// nullopt for any other answer, for a framed answer shorter than its byte count, and for
// data that is not whole bytes.
std::optional<QString> positiveData(const QString& cut, const QString& prefix);

// The reason byte of a negative answer ("7F" + service + reason), or -1.
int negativeReason(const QString& cut);
// What a negative answer's reason means, for the log: "неверная длина" ...
QString negativeReasonText(int reason);
// " (7F 3B 22: условия не выполнены)" for a negative answer, "" for any other.
QString negativeAnswerNote(const QString& cut);

} // namespace talmero::link
