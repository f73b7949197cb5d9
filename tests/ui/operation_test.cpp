#include <QTabBar>
#include <QTabWidget>
#include "shell_fixture.h"

#include "app/connection.h"
#include "app/log_view.h"
#include "link/link_error.h"

#include <QTabWidget>
#include <stdexcept>

using talmero::app::Connection;
using talmero::app::LogView;

class OperationTest : public ShellTest {
protected:
    void goOnline()
    {
        startProgram();
        connectTo(Connection::demoEntry());
        ASSERT_TRUE(main().state().online);
    }
};

TEST_F(OperationTest, AnErrorEndsTheActionWithItsTextAndTheProgramGoesOn)
{
    goOnline();
    const struct {
        std::function<void()> fail;
        QString shown;
    } cases[] = {
        {[] { throw talmero::link::LinkError("Ошибка чтения"); }, "Ошибка чтения"},
        {[] { throw std::invalid_argument("\"zz\" is not a number"); }, "\"zz\" is not a number"},
    };
    for (const auto& c : cases) {
        notices.clear();
        bool after = false;
        EXPECT_TRUE(main().runOperation([&] {
            c.fail();
            after = true;
        }));
        EXPECT_FALSE(after);
        EXPECT_EQ(notices, QStringList{c.shown});
        EXPECT_FALSE(main().operations().busy());
        EXPECT_TRUE(control<QWidget>(main(), "TabbedMENU")->isEnabled());
        EXPECT_TRUE(main().isVisible());
    }
    // The next action runs normally.
    bool ran = false;
    main().runOperation([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST_F(OperationTest, ControlsThatStartActionsWaitWhileOneRuns)
{
    goOnline();
    const char* starters[] = {"TabConfiguration", "BitBtnSaveAuto", "PanelStatus", "ButtonDTC",
                              "ButtonWriteEM", "ButtonClearLOG", "ButtonSaveLOG"};
    bool nestedRan = false;
    main().runOperation([&] {
        for (const char* name : starters)
            EXPECT_FALSE(control<QWidget>(main(), name)->isEnabled()) << name;
        EXPECT_TRUE(control<QWidget>(main(), "MemoLOG")->isEnabled());
        EXPECT_FALSE(control<QTabWidget>(main(), "TabbedMENU")->tabBar()->isEnabled());
        EXPECT_TRUE(control<QWidget>(main(), "ButtonDTCcancel")->isEnabled()); // Cancel stays usable
        // A click that slips through starts nothing.
        EXPECT_FALSE(main().runOperation([&] { nestedRan = true; }));
        click(main(), "PanelStatus");
        EXPECT_TRUE(main().state().online);
    });
    EXPECT_FALSE(nestedRan);
    for (const char* name : starters)
        EXPECT_TRUE(control<QWidget>(main(), name)->isEnabled()) << name;
}

TEST_F(OperationTest, PagesStayDisabledBehindAPromptWhenTheWindowIsActivatedAgain)
{
    goOnline();
    const char* pages[] = {"TabConfiguration", "ButtonCONFread", "ButtonWriteEM", "ButtonDTC"};
    int prompts = 0;
    onNotice = [&](const QString&) {
        ++prompts;
        main().FormActivate(); // what the window does when the prompt gives it back the focus
        for (const char* name : pages)
            EXPECT_FALSE(control<QWidget>(main(), name)->isEnabled()) << name;
    };
    click(main(), "ButtonDTC");
    EXPECT_GT(prompts, 0);
    for (const char* name : pages)
        EXPECT_TRUE(control<QWidget>(main(), name)->isEnabled()) << name;
}

TEST_F(OperationTest, CloseDuringAnActionIsHonouredAfterIt)
{
    goOnline();
    bool visibleAfterClose = false;
    bool onlineAfterClose = false;
    main().runOperation([&] {
        main().close();
        visibleAfterClose = main().isVisible();
        onlineAfterClose = main().session() != nullptr;
        main().host().log("* still working");
    });
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_TRUE(onlineAfterClose);
    EXPECT_FALSE(main().isVisible());
    EXPECT_FALSE(main().state().online);
    EXPECT_EQ(main().session(), nullptr);
    EXPECT_FALSE(start().isVisible());
    EXPECT_EQ(control<LogView>(main(), "MemoLOG")->lines().last(), "* still working");
}

TEST_F(OperationTest, CloseDuringAFailingActionShowsTheErrorThenCloses)
{
    goOnline();
    main().runOperation([&] {
        main().close();
        throw talmero::link::LinkError("Ошибка открытия порта");
    });
    EXPECT_EQ(notices, QStringList{"Ошибка открытия порта"});
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(main().session(), nullptr);
}
