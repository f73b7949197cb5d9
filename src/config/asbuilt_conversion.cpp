#include "config/asbuilt_conversion.h"

#include "config/asbuilt.h"
#include "config/asbuilt_dialog.h"
#include "config/config_panel.h"
#include "config/config_transfer.h"
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

void AsBuiltConversion::ButtonCONFopenASBUILTClick(const PageInfo& page)
{
    m_page = &page;
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
    if (m_page && decodeASBUILT(*m_page))
        m_dialog.close();
}

bool AsBuiltConversion::decodeASBUILT(const PageInfo& page)
{
    const AsBuiltLine* line = asBuiltLineOf(m_panel.side(page));
    AsBuiltReading reading;
    if (line)
        reading = readAsBuilt(line->key, m_panel.view().text(kEntry));
    else
        reading.problem = QCoreApplication::translate("AsBuilt", "Неверный адрес строки AS-BUILT");
    m_panel.view().setText(kProblem, reading.problem);
    if (!reading.valid) {
        m_host.log(QCoreApplication::translate("AsBuiltConversion", kInvalidLine));
        return false;
    }
    m_panel.decodeOffline(*reading.layout, reading.data);
    m_host.log(QCoreApplication::translate("AsBuiltConversion", "* Прочитан AS-BUILT модуля ") + ConfigTransfer::pageText(m_panel, page) + QStringLiteral(" -> ")
               + link::splitHEX(reading.data) + QLatin1Char(' ') + reading.checksum);
    return true;
}

void AsBuiltConversion::ButtonCONFgetASBUILTClick(const PageInfo& page)
{
    OptionView& view = m_panel.view();
    view.setText(kInstruction, QCoreApplication::translate("AsBuiltConversion", "Скопируйте строку конфигурации для записи через IDS"));
    m_dialog.setEntryReadOnly(true);
    view.setVisible(kOk, false);
    view.setText(kProblem, QString());

    const AsBuiltLine* line = asBuiltLineOf(m_panel.side(page));
    QString data;
    if (line) {
        m_panel.encode(*line->layout);
        // The same data "Write configuration" sends (4 bytes for a pre-facelift dashboard).
        data = m_panel.writeData(*line->layout);
    }
    const QString text = line ? asBuiltDataPart(line->key, data) : QString();
    view.setText(kEntry, text);
    if (text.isEmpty())
        m_host.log(QCoreApplication::translate("AsBuiltConversion", "! Ошибка"));
    else
        m_host.log(QCoreApplication::translate("AsBuiltConversion", "* Сгенерирован AS-BUILT модуля ") + ConfigTransfer::pageText(m_panel, page)
                   + QStringLiteral(" -> ") + text);
    m_dialog.showModal();
    // A generated line needs a fresh decode next time, unless the user keeps the changes.
    if (m_panel.mayDiscardChanges())
        m_panel.clearCONF();
}

} // namespace talmero::config
