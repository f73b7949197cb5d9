#pragma once

#include "shell_fixture.h"

#include "app/connection.h"
#include "app/log_view.h"
#include "link/adapter.h"
#include "sim/car.h"
#include "sim/demo_channel.h"

#include <QTabWidget>

// The program connected to the demo car, with one page of the main window in front.
class DiagWindowTest : public ShellTest {
protected:
    void goOnline(talmero::app::TFormMain::Page page)
    {
        startProgram();
        connectTo(talmero::app::Connection::demoEntry());
        ASSERT_TRUE(main().state().online) << notices.join('|').toStdString();
        control<QTabWidget>(main(), "TabbedMENU")->setCurrentIndex(page);
        notices.clear();
    }

    talmero::sim::Car& car()
    {
        return static_cast<talmero::sim::DemoChannel&>(main().adapter()->channel()).car();
    }

    QStringList log() { return control<talmero::app::LogView>(main(), "MemoLOG")->lines(); }
    bool logged(const QString& line) { return log().contains(line); }
};
