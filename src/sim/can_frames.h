#pragma once

#include <QByteArray>
#include <QList>

namespace talmero::sim {

struct FrameFormat {
    bool spaces = true;  // ATS1: a space after every byte
    bool headers = false; // ATH1: identifier and PCI bytes shown
};

// The lines (without line ends) an ELM327 prints for one module message with CAN
// auto-formatting on: one line for up to 7 bytes, otherwise the byte-count line and
// numbered frames ("0:" .. "F:", wrapping), or raw ISO-TP frames with headers on.
QList<QByteArray> formatMessage(const QByteArray& message, int responseId, FrameFormat format);

} // namespace talmero::sim
