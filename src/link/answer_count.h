#pragma once

#include <QString>

// The number of answer lines a request may carry (ELM327 v1.3 on, STN chips): one hex digit
// after the request bytes. The adapter prints its prompt as soon as that many lines came,
// instead of listening on until its time-out after every answer.
namespace talmero::link {

// The length of a read's positive answer, when it is known before asking.
struct AnswerLength {
    int bytes = 0; // the whole answer: service byte, repeated request bytes, data; 0 = not known
    constexpr bool known() const { return bytes > 0; }
};
// A positive answer that repeats one request byte ("61 00", "41 0C", "50 87"), then the data.
constexpr AnswerLength answerWithData(int dataBytes)
{
    return {2 + dataBytes};
}

// The lines an answer this long takes with CAN auto-formatting: one frame up to 7 bytes,
// else a first frame of 6 bytes and consecutive frames of 7 (the length line the adapter
// prints before them is no frame).
int canFrames(int answerBytes);

// The request with the count appended ("2100 1"). The request as it is when it cannot carry
// one: anything but whole hex bytes, a request longer than one frame takes, a count
// outside 1..15.
QString withAnswerCount(const QString& request, int lines);

// The frames a cut multi-frame answer announces in its length line ("0130:61..." is 19
// bytes, 3 frames); 0 for any other answer.
int announcedFrames(const QString& cut);

} // namespace talmero::link
