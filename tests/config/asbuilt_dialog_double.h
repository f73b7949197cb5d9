#pragma once

#include "config/asbuilt_dialog.h"

#include <functional>

// The AS-BUILT window for tests: onShow plays the user while the window is up.
class AsBuiltDialogDouble : public talmero::config::AsBuiltDialog {
public:
    void setEntryReadOnly(bool readOnly) override { entryReadOnly = readOnly; }
    void showModal() override
    {
        ++shown;
        open = true;
        if (onShow)
            onShow();
        open = false;
    }
    void close() override
    {
        if (open)
            ++closed;
    }

    bool entryReadOnly = false;
    bool open = false;
    int shown = 0;
    int closed = 0;
    std::function<void()> onShow;
};
