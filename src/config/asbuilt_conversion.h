#pragma once

#include <QCoreApplication>
#include <QString>

namespace talmero::car {
struct PageInfo;
}

namespace talmero::link {
class Host;
}

namespace talmero::config {

class AsBuiltDialog;
struct AsBuiltLine;
class ConfigPanel;

// "Read AS-BUILT" and "Generating AS-BUILT" on the IPC and BCM pages: between the
// entry window's line and the page's options, online and offline alike.
class AsBuiltConversion {
public:
    AsBuiltConversion(ConfigPanel& panel, AsBuiltDialog& dialog, link::Host& host);

    // page: the active page of the configuration notebook; it names the module in the
    // log, and its side the line.
    void ButtonCONFopenASBUILTClick(const car::PageInfo& page);
    // The window's OK: decodes the typed line, then closes the window.
    void Button1Click();
    // Decodes Edit1 into the page's options and logs the line read, or
    // "! Неверная строка AS-BUILT" with nothing decoded.
    // False for a line that is refused: the window then says why and keeps the text.
    bool decodeASBUILT(const car::PageInfo& page);
    // Builds the line from the page's options, shows it, and clears the panel once the
    // window is closed.
    void ButtonCONFgetASBUILTClick(const car::PageInfo& page);

    static constexpr const char* kInvalidLine = QT_TRANSLATE_NOOP("AsBuiltConversion", "! Неверная строка AS-BUILT");

private:
    ConfigPanel& m_panel;
    AsBuiltDialog& m_dialog;
    link::Host& m_host;
    const car::PageInfo* m_page = nullptr; // the page whose "Read AS-BUILT" opened the window
};

} // namespace talmero::config
