#pragma once

#include <QByteArray>
#include <QList>

namespace talmero::sim {

struct FrameFormat {
    bool spaces = true;      // ATS1: a space after every byte
    bool headers = false;    // ATH1: identifier and PCI bytes shown
    bool autoFormat = true;  // ATCAF1: PCI bytes and padding taken off, frames numbered
    bool flowControl = true; // ATCFC1: the adapter asks for the frames after the first
};

// The lines (without line ends) an ELM327 prints for one module message: with CAN
// auto-formatting one line for up to 7 bytes, otherwise the byte-count line and
// numbered frames ("0:" .. "F:", wrapping); raw ISO-TP frames with headers on or
// auto-formatting off.
QList<QByteArray> formatMessage(const QByteArray& message, int responseId, FrameFormat format);

// Whether the first of those lines is the byte count, which is no CAN frame: each other
// line is one frame.
bool hasLengthLine(qsizetype messageSize, FrameFormat format);

// The data of a frame sent with auto-formatting off, as a module reads it: a single
// frame's payload, or nothing when the bytes are no valid single frame.
QByteArray singleFramePayload(const QByteArray& frame);

} // namespace talmero::sim
