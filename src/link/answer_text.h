#pragma once

#include <QString>
#include <optional>

// Operations on the adapter's answer text.
namespace talmero::link {

// Every run of characters with codes 0..32 becomes one space; none at either end.
void squeezeCOM(QString& text);
// The text without any ' ' and '>'.
QString cutCOM(const QString& text);
// An answer as the log shows it: characters outside printable ASCII become "<1B>".
QString printableForLog(const QString& answer);

// The cut answer without the response-pending notes ("7F" + service + "78") before it.
QString withoutPendingNotes(const QString& cut);

// What an adapter's answer to a request is, decided once before anything uses it: only
// data ever reaches a block, a code list or a VIN.
struct ClassifiedAnswer {
    enum class Kind {
        Data,        // hex bytes only; frames numbered in order and complete for their count
        Refusal,     // a module's negative answer (7F, service, reason)
        Busy,        // a module's "busy, the answer follows" (7F service 78), and nothing after it
        AdapterText, // the adapter's own message, alone or after some frames
        Cut,         // a frame list shorter than the length it announced
        Garbled,     // a character that is not hex, a frame out of order, half a byte
        Silent,      // nothing came: a time-out or a lost port
    };
    Kind kind = Kind::Silent;
    QString hex;   // Data: the bytes, frames joined; Refusal, Busy: "7F" + service + reason
    QString words; // AdapterText: the adapter's words ("BUFFER FULL"); Garbled: what came
    int got = 0;   // Cut: the bytes that came, and the bytes announced
    int announced = 0;

    // The adapter or the line spoiled the answer: worth asking once more. NO DATA and "?"
    // are answers of their own (nothing answered; the request was not understood).
    bool spoiled() const;
    // The data after prefix ("6100" ...) of a positive answer; nullopt for anything else.
    std::optional<QString> positive(const QString& prefix) const;
};

// The answer as writeCOM gives it (blanks squeezed), or cut (blanks removed): the
// adapter's words are named whole only where the blanks are still there.
ClassifiedAnswer classifyAnswer(const QString& answer);

// classifyAnswer(answer).positive(prefix).
std::optional<QString> positiveData(const QString& answer, const QString& prefix);

// The reason byte of a negative answer ("7F" + service + reason), or -1.
int negativeReason(const QString& cut);
// What a negative answer's reason means, for the log: "неверная длина" ...
QString negativeReasonText(int reason);
// " (7F 3B 22: условия не выполнены)" for a negative answer, "" for any other.
QString negativeAnswerNote(const QString& cut);

} // namespace talmero::link
