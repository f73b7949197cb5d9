#include "link/answer_count.h"

#include "link/codecs.h"

namespace talmero::link {

namespace {
constexpr int kSingleFrameBytes = 7;
constexpr int kFirstFrameBytes = 6;
constexpr int kMaxRequestBytes = 7; // what one CAN frame carries
constexpr int kMaxCount = 0xF;
} // namespace

int canFrames(int answerBytes)
{
    if (answerBytes <= kSingleFrameBytes)
        return 1;
    return 1 + (answerBytes - kFirstFrameBytes + kSingleFrameBytes - 1) / kSingleFrameBytes;
}

QString withAnswerCount(const QString& request, int lines)
{
    QString hex = request;
    hex.remove(QLatin1Char(' '));
    if (lines < 1 || lines > kMaxCount || hex.isEmpty() || hex.size() % 2 != 0
        || hex.size() > 2 * kMaxRequestBytes)
        return request;
    for (const QChar c : hex) {
        if (hexDigitValue(c) < 0)
            return request;
    }
    return request + QLatin1Char(' ') + QString::number(lines, 16).toUpper();
}

int announcedFrames(const QString& cut)
{
    // "013" then the first frame "0:"; a single-frame answer is at most 14 digits.
    if (cut.size() < 15 || cut.mid(3, 2) != QLatin1String("0:"))
        return 0;
    int bytes = 0;
    for (int i = 0; i < 3; ++i) {
        const int digit = hexDigitValue(cut[i]);
        if (digit < 0)
            return 0;
        bytes = bytes * 16 + digit;
    }
    return canFrames(bytes);
}

} // namespace talmero::link
