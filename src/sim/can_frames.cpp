#include "sim/can_frames.h"

namespace talmero::sim {

namespace {

constexpr int kSingleFrameMax = 7;
constexpr int kFirstFrameData = 6;
constexpr int kNextFrameData = 7;

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

} // namespace

QList<QByteArray> formatMessage(const QByteArray& message, int responseId, FrameFormat format)
{
    const bool sp = format.spaces;
    const int size = int(message.size());
    QList<QByteArray> lines;
    if (size <= kSingleFrameMax) {
        QByteArray line;
        if (format.headers)
            line = headerText(responseId, sp) + hexBytes(QByteArray(1, char(size)), sp);
        lines.append(line + hexBytes(message, sp));
        return lines;
    }
    if (format.headers) {
        const QByteArray pci(1, char(0x10 | ((size >> 8) & 0x0F)));
        lines.append(headerText(responseId, sp) + hexBytes(pci + char(size & 0xFF), sp)
                     + hexBytes(message.left(kFirstFrameData), sp));
    } else {
        QByteArray count = QByteArray::number(size, 16).toUpper().rightJustified(3, '0');
        lines.append(sp ? count + ' ' : count);
        lines.append(QByteArray("0:") + (sp ? " " : "") + hexBytes(message.left(kFirstFrameData), sp));
    }
    int sequence = 1;
    for (int at = kFirstFrameData; at < size; at += kNextFrameData, ++sequence) {
        const QByteArray chunk = message.mid(at, kNextFrameData);
        const int index = sequence % 16;
        if (format.headers) {
            lines.append(headerText(responseId, sp) + hexBytes(QByteArray(1, char(0x20 | index)), sp)
                         + hexBytes(chunk, sp));
        } else {
            const char digit = "0123456789ABCDEF"[index];
            lines.append(QByteArray(1, digit) + ':' + (sp ? " " : "") + hexBytes(chunk, sp));
        }
    }
    return lines;
}

} // namespace talmero::sim
