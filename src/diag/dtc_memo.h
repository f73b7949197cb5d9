#pragma once

#include <QDateTime>
#include <QString>

namespace talmero::diag {

struct FreezeFrame;

// Where the trouble-code listing goes: the window's code memo and its progress display.
class DtcMemo {
public:
    virtual ~DtcMemo() = default;
    virtual void appendMemo(const QString& line) = 0;
    virtual void clearMemo() = 0;
    // A reading starts (readings accumulate in a window; a listing needs no heading).
    virtual void startReading(const QDateTime& when) { Q_UNUSED(when); }
    // Module number k (from 1) of total is about to be read; header names it.
    virtual void showProgress(int k, int total, const QString& header)
    {
        Q_UNUSED(k);
        Q_UNUSED(total);
        Q_UNUSED(header);
    }
    // The line of this code and its status (two hex digits) was just added.
    virtual void codeListed(const QString& code, const QString& status)
    {
        Q_UNUSED(code);
        Q_UNUSED(status);
    }
    // The engine's freeze frame, right after the line of the code that stored it (or after
    // the module's list when that code is not in it).
    virtual void freezeFrameListed(const FreezeFrame& frame) { Q_UNUSED(frame); }
};

} // namespace talmero::diag
