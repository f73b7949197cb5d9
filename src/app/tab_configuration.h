#pragma once

#include "config/pages.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;

namespace talmero::link {
class Host;
}

namespace talmero::config {
class AsBuiltConversion;
class ConfigPanel;
} // namespace talmero::config

namespace talmero::app {

class TFormMain;
class WidgetOptionView;

// The "Configuration" tab: the module pages of TabbedCONF and the panel with the
// module's title and the read and write buttons, bound to the configuration logic.
class TabConfiguration : public QWidget {
    Q_OBJECT
public:
    explicit TabConfiguration(TFormMain& main);
    ~TabConfiguration() override;

    config::ConfigPanel& panel() { return *m_panel; }
    // The pages' and the AS-BUILT window's controls, by name.
    WidgetOptionView& view() { return *m_view; }
    // The page shown.
    const config::PageInfo& page() const { return *m_page; }
    // A write request went to this module from elsewhere (an undo, a restore, a block
    // written by hand): a page showing it is emptied, so that it never writes back what it
    // showed before. The page's own writes show what they read back instead.
    void blockWritten(const QString& address);

public Q_SLOTS:
    void ButtonCONFreadClick();
    void ButtonCONFwriteClick();
    void ButtonCONFopenClick();
    void ButtonCONFopenASBUILTClick();
    void ButtonCONFgetASBUILTClick();
    void ButtonCONFhistoryClick();
    void ButtonCONFcompareClick();
    void ButtonCONFrestoreClick();
    void ButtonCONFfilesClick();

private:
    // The notebook has already switched to newTab; it goes back unless the change is
    // allowed, before anything is painted.
    void TabbedCONFChange(int newTab);
    QWidget* asBuiltWindow();
    // Made on first use: the AS-BUILT window is created after the main window.
    config::AsBuiltConversion& asBuilt();
    void connectButton(const char* name, void (TabConfiguration::*handler)());
    // Bold captions for the options changed since the block was shown.
    void showChanges();
    // Says where the page's content came from (a file, an AS-BUILT line) while it shows
    // a block; "" when it came from the car or nothing is shown.
    void showSource(const QString& source, const QString& detail = QString());

    TFormMain& m_main;
    link::Host& m_host;
    std::unique_ptr<WidgetOptionView> m_view;
    std::unique_ptr<config::ConfigPanel> m_panel;
    std::unique_ptr<config::AsBuiltConversion> m_asBuilt;
    QTabWidget* TabbedCONF = nullptr;
    const config::PageInfo* m_page = config::pageAt(0);
    bool m_changingPage = false;
    bool m_writing = false; // the page's own write is running
};

} // namespace talmero::app
