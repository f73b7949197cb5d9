#include "config/config_transfer.h"

#include "config/config_panel.h"
#include "config/option_view.h"
#include "config/pages.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/channel.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/session.h"

namespace talmero::config {

namespace {

const QString kWritten = QStringLiteral("* Успешно записано");
const QString kWrongAnswer = QStringLiteral("! Неверный ответ модуля");
const QString kError = QStringLiteral("! Ошибка");

bool failed(const QString& result)
{
    return result.startsWith(u'!');
}

} // namespace

ConfigTransfer::ConfigTransfer(ConfigPanel& panel, link::Session& session, link::Host& host)
    : m_panel(panel), m_session(session), m_host(host)
{
}

QString ConfigTransfer::logLine(const char* action, int page) const
{
    return QString::fromUtf8(action) + qs(pageInfo(page).caption) + QStringLiteral(" (")
        + m_panel.view().text(QStringLiteral("LabelCONF")) + QStringLiteral(")")
        + m_panel.partSuffix(page);
}

QString ConfigTransfer::send(const QString& command)
{
    return link::cutCOM(m_session.adapter().writeCOM(command, true));
}

QString ConfigTransfer::writeData(ConfigPanel& panel, int page)
{
    const BlockId block = panel.pageBlock(page);
    const QString& var = panel.conf(block);
    if (layoutOf(block).hexText)
        return var;
    // A pre-facelift dashboard takes 4 bytes, even from a block grown to 5.
    if (block == BlockId::IPC && panel.view().item(QStringLiteral("RadioGroupIPCrd")) != 0)
        return link::BIN2HEX(var.left(32));
    return link::BIN2HEX(var);
}

void ConfigTransfer::ButtonCONFreadClick(int page)
{
    const PageInfo& info = pageInfo(page);
    const int side = m_panel.pageSide(page);
    const BlockTransfer& t = info.parts[info.partCount == 2 ? side : 0];
    const QString address = qs(info.addresses[info.addresses[1].empty() ? 0 : side]);

    m_panel.clearCONF();
    m_host.log(logLine("* Чтение конфигурации из модуля ", page));
    const QString opened = m_session.openModule(true, true, info.medium, info.session, address);
    if (failed(opened)) {
        m_host.log(opened);
        return;
    }
    const QString answer = link::joinFrames(send(qs(t.readRequest)));
    if (answer.left(4) != qs(t.readPrefix)) {
        m_host.log(kWrongAnswer);
        return;
    }
    const QString hex = answer.mid(4);
    if (!m_panel.decodeHex(t.block, hex))
        m_host.notify(QStringLiteral("!"));
}

void ConfigTransfer::ButtonCONFwriteClick(int page)
{
    // Only a shown, writable block goes out: after a refused decode the variable holds
    // zeros, and writing those would wipe the module. The window's disabled button
    // already prevents it; a caller without a window gets the same guard.
    if (!m_panel.view().enabled(QStringLiteral("ButtonCONFwrite")))
        return;
    if (page == PageDDM) {
        writeDoors(page);
        return;
    }
    const PageInfo& info = pageInfo(page);
    const BlockId block = m_panel.pageBlock(page);
    const BlockTransfer& t = info.parts[info.partCount == 2 ? m_panel.pageSide(page) : 0];

    m_host.log(logLine("* Запись конфигурации в модуль ", page));
    m_panel.encode(block);
    const QString opened = m_session.openModule(true, true, info.medium, info.session,
                                                qs(info.addresses[0]));
    if (failed(opened)) {
        m_host.log(opened);
        return;
    }
    if (send(qs(t.writeRequest) + writeData(m_panel, page)).startsWith(qs(t.accepted))) {
        m_host.log(kWritten);
        m_panel.clearCONF();
    } else {
        m_host.log(kWrongAnswer);
    }
}

// Item 0 of RadioGroupDDMw writes the driver's door, then the passenger's over the same
// bus without a new reset; the panel is cleared only when every chosen door accepted.
void ConfigTransfer::writeDoors(int page)
{
    const PageInfo& info = pageInfo(page);
    const BlockTransfer& t = info.parts[0];
    const int target = m_panel.view().item(QStringLiteral("RadioGroupDDMw"));

    m_host.log(logLine("* Запись конфигурации в модуль ", page));
    m_panel.encodeDDM();
    const QString request = qs(t.writeRequest) + writeData(m_panel, page);
    const QString passenger = qs(info.addresses[1]);
    const QString opened = m_session.openModule(true, true, info.medium, info.session,
                                                target == 2 ? passenger : qs(info.addresses[0]));
    if (failed(opened)) {
        m_host.log(opened);
        return;
    }
    const bool firstAccepted = send(request).startsWith(qs(t.accepted));
    m_host.log(firstAccepted ? kWritten : kWrongAnswer);
    if (firstAccepted && (target == 1 || target == 2))
        m_panel.clearCONF();
    if (target != 0)
        return;

    if (send(QStringLiteral("atsh") + passenger) != QLatin1String("OK")
        || send(QStringLiteral("1087")) != QLatin1String("5087")) {
        m_host.log(kError);
        return;
    }
    if (send(request).startsWith(qs(t.accepted))) {
        m_host.log(kWritten);
        if (firstAccepted)
            m_panel.clearCONF();
    } else {
        m_host.log(kWrongAnswer);
    }
}

} // namespace talmero::config
