#include "config/asbuilt_conversion.h"

#include "config/asbuilt.h"
#include "config/asbuilt_dialog.h"
#include "config/config_panel.h"
#include "config/option_view.h"
#include "config/pages.h"
#include "link/codecs.h"
#include "link/host.h"

#include <QCoreApplication>

namespace talmero::config {


namespace {

const QString kEntry = QStringLiteral("Edit1");
const QString kInstruction = QStringLiteral("Label5");
const QString kOk = QStringLiteral("Button1");
const QString kProblem = QStringLiteral("LabelProblem");

} // namespace

AsBuiltConversion::AsBuiltConversion(ConfigPanel& panel, AsBuiltDialog& dialog, link::Host& host)
    : m_panel(panel), m_dialog(dialog), m_host(host)
{
}

int AsBuiltConversion::labelKey() const
{
    const OptionView& view = m_panel.view();
    return asBuiltKey(view.text(QStringLiteral("Label2")), view.text(QStringLiteral("Label3")));
}

// "IPC (Панель приборов)" + the BCM part, as the log names the module.
QString AsBuiltConversion::moduleText(int page) const
{
    if (page < 0 || page >= kPageCount)
        return QString();
    return qs(pageInfo(page).caption) + QStringLiteral(" (")
        + m_panel.view().text(QStringLiteral("LabelCONF")) + QStringLiteral(")")
        + m_panel.partSuffix(page);
}

void AsBuiltConversion::ButtonCONFopenASBUILTClick(int page)
{
    m_page = page;
    m_panel.clearCONF();
    m_panel.view().setText(kInstruction,
                           QCoreApplication::translate("AsBuiltConversion", "Заполните строку с указанным адресом и нажмите OK"));
    m_dialog.setEntryReadOnly(false);
    m_panel.view().setVisible(kOk, true);
    m_panel.view().setText(kProblem, QString());
    m_dialog.showModal();
}

void AsBuiltConversion::Button1Click()
{
    // A refused line stays in the window with the reason, to be corrected.
    if (decodeASBUILT(m_page))
        m_dialog.close();
}

bool AsBuiltConversion::decodeASBUILT(int page)
{
    const AsBuiltReading reading = readAsBuilt(labelKey(), m_panel.view().text(kEntry));
    m_panel.view().setText(kProblem, reading.problem);
    if (!reading.valid) {
        m_host.log(QCoreApplication::translate("AsBuiltConversion", kInvalidLine));
        return false;
    }
    const QString bits = link::HEX2BIN(reading.data);
    switch (reading.block) {
    case BlockId::IPC:
        m_panel.decodeIPC(bits);
        m_panel.view().setEnabled(QStringLiteral("RadioGroupIPCrd"), true);
        break;
    case BlockId::BCM1:
        m_panel.decodeBCM1(bits);
        break;
    default:
        m_panel.decodeBCM2(bits);
        break;
    }
    m_host.log(QCoreApplication::translate("AsBuiltConversion", "* Прочитан AS-BUILT модуля ") + moduleText(page) + QStringLiteral(" -> ")
               + link::splitHEX(reading.data) + QLatin1Char(' ') + reading.checksum);
    return true;
}

void AsBuiltConversion::ButtonCONFgetASBUILTClick(int page)
{
    OptionView& view = m_panel.view();
    view.setText(kInstruction, QCoreApplication::translate("AsBuiltConversion", "Скопируйте строку конфигурации для записи через IDS"));
    m_dialog.setEntryReadOnly(true);
    view.setVisible(kOk, false);
    view.setText(kProblem, QString());

    const int key = labelKey();
    const AsBuiltLine* line = asBuiltLineByKey(key);
    QString data;
    if (line && line->block == BlockId::IPC) {
        m_panel.encodeIPC();
        // A pre-facelift dashboard has 4 bytes: the same data "Write configuration" sends.
        const bool facelift = view.item(QStringLiteral("RadioGroupIPCrd")) == 0;
        data = link::BIN2HEX(facelift ? m_panel.confIPC : m_panel.confIPC.left(32));
    } else if (line) {
        m_panel.encodeBCM();
        data = link::BIN2HEX(m_panel.bcmPart() == BlockId::BCM1 ? m_panel.confBCM1 : m_panel.confBCM2);
    }

    const QString text = asBuiltDataPart(key, data);
    view.setText(kEntry, text);
    if (text.isEmpty())
        m_host.log(QCoreApplication::translate("AsBuiltConversion", "! Ошибка"));
    else
        m_host.log(QCoreApplication::translate("AsBuiltConversion", "* Сгенерирован AS-BUILT модуля ") + moduleText(page)
                   + QStringLiteral(" -> ") + text);
    m_dialog.showModal();
    // A generated line needs a fresh decode next time, unless the user keeps the changes.
    if (m_panel.mayDiscardChanges())
        m_panel.clearCONF();
}

} // namespace talmero::config
