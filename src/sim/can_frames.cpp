#include "sim/can_frames.h"

namespace talmero::sim {

namespace {

constexpr int kSingleFrameMax = 7;
constexpr int kFirstFrameData = 6;
constexpr int kNextFrameData = 7;
constexpr int kFrameSize = 8;
constexpr char kPadding = 0x00; // what this car's modules fill their frames with

QByteArray hexBytes(const QByteArray& bytes, bool spaces)
{
    QByteArray out;
    for (char b : bytes) {
        out += QByteArray(1, b).toHex().toUpper();
        if (spaces)
            out += ' ';
    }
    return out;
}

QByteArray headerText(int id, bool spaces)
{
    QByteArray out = QByteArray::number(id, 16).toUpper().rightJustified(3, '0');
    if (spaces)
        out += ' ';
    return out;
}

// The message as ISO-TP frames: PCI bytes and data, without padding.
QList<QByteArray> isoTpFrames(const QByteArray& message)
{
    const int size = int(message.size());
    if (size <= kSingleFrameMax)
        return {char(size) + message};
    QList<QByteArray> frames;
    frames.append(QByteArray(1, char(0x10 | ((size >> 8) & 0x0F))) + char(size & 0xFF)
                  + message.left(kFirstFrameData));
    int sequence = 1;
    for (int at = kFirstFrameData; at < size; at += kNextFrameData, ++sequence)
        frames.append(char(0x20 | (sequence % 16)) + message.mid(at, kNextFrameData));
    return frames;
}

} // namespace

QList<QByteArray> formatMessage(const QByteArray& message, int responseId, FrameFormat format)
{
    const bool sp = format.spaces;
    QList<QByteArray> frames = isoTpFrames(message);
    if (!format.flowControl)
        frames.resize(1); // without flow control the module stops after its first frame
    QList<QByteArray> lines;
    if (format.headers || !format.autoFormat) {
        for (QByteArray frame : frames) {
            if (!format.autoFormat)
                frame = frame.leftJustified(kFrameSize, kPadding); // shown as received
            lines.append((format.headers ? headerText(responseId, sp) : QByteArray())
                         + hexBytes(frame, sp));
        }
        return lines;
    }
    if (frames.size() == 1 && message.size() <= kSingleFrameMax) {
        lines.append(hexBytes(message, sp));
        return lines;
    }
    const QByteArray count = QByteArray::number(message.size(), 16).toUpper().rightJustified(3, '0');
    lines.append(sp ? count + ' ' : count);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const char digit = "0123456789ABCDEF"[frames[i][0] & 0x0F];
        const QByteArray data = frames[i].mid(i == 0 ? 2 : 1);
        lines.append(QByteArray(1, i == 0 ? '0' : digit) + ':' + (sp ? " " : "") + hexBytes(data, sp));
    }
    return lines;
}

bool hasLengthLine(qsizetype messageSize, FrameFormat format)
{
    return format.autoFormat && !format.headers && messageSize > kSingleFrameMax;
}

QByteArray singleFramePayload(const QByteArray& frame)
{
    if (frame.isEmpty())
        return {};
    const int pci = quint8(frame[0]);
    const int length = pci & 0x0F;
    if ((pci & 0xF0) != 0 || length == 0 || length > frame.size() - 1)
        return {};
    return frame.mid(1, length);
}

} // namespace talmero::sim
