#pragma once

#include "config/config_panel.h"
#include "config/map_option_view.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>
#include "support/blocks.h"

// A configuration panel over a map view, cleared as the tab starts.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { panel.clearCONF(); }

    // As every caller does: clear, then one decode.
    bool show(blocks::Block id, const QString& block, const QString& text = QString())
    {
        panel.clearCONF();
        return panel.decode(id, block, text);
    }

    talmero::config::MapOptionView view;
    RecordingHost host;
    talmero::config::ConfigPanel panel{view, host};
};

// A bit string of n characters with '1' at the given positions (counted from 1).
inline QString bitsWith(int n, std::initializer_list<int> ones)
{
    QString s(n, u'0');
    for (int p : ones)
        s[p - 1] = u'1';
    return s;
}
