#include "diag/service_tab.h"

#include "config/change_description.h"
#include "diag/hex_text.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <QCoreApplication>

namespace talmero::diag {

namespace {
const char* const kNotSupported = QT_TRANSLATE_NOOP("ServiceTab", "не поддерживается");

bool isTwoHexDigits(const QString& text)
{
    return hexByte(text) >= 0;
}
} // namespace

QString moduleItemText(const link::TModuls& module)
{
    return car::qs(module.name) + QStringLiteral(" (") + link::moduleTitle(module) + QLatin1Char(')');
}

QStringList moduleItems()
{
    QStringList items;
    for (const link::TModuls* m : car::catalog().modules)
        items.append(moduleItemText(*m));
    return items;
}

std::optional<ModuleChoice> RadioGroupModClick(int item, link::LinkState& state)
{
    const std::vector<const car::Module*>& modules = car::catalog().modules;
    if (item < 0 || item >= int(modules.size()))
        return std::nullopt;
    const link::TModuls& module = *modules[std::size_t(item)];
    state.curModul = &module;

    ModuleChoice choice;
    if (module.manualBlock < 0) {
        choice.manualNote = QCoreApplication::translate("ServiceTab", kNotSupported);
    } else {
        choice.manualBlock = car::blockText(module.manualBlock);
        choice.manualAllowed = true;
    }
    choice.restartAllowed = module.restart;
    if (module.vinBlock < 0) {
        choice.vinNote = QCoreApplication::translate("ServiceTab", kNotSupported);
    } else {
        choice.vinBlock = car::blockText(module.vinBlock);
        choice.vinAllowed = true;
    }
    if (module.name == "BCM") {
        choice.notice = QCoreApplication::translate("ServiceTab", "Вторая часть конфигурации модуля BCM находится по адресу \"04\"")
                        + QStringLiteral("\n\n")
                        + QCoreApplication::translate("ServiceTab", "Информации о VIN коде модуль не содержит");
    }
    return choice;
}

QString addressEditText(const QString& typed)
{
    QString text;
    for (QChar c : typed) {
        if (text.size() == 2)
            break;
        if (hexByte(QStringLiteral("0") + c) >= 0)
            text += c.toUpper();
    }
    return text;
}

ServiceTab::ServiceTab(safety::WriteGate& gate, link::Host& host, link::LinkState& state)
    : m_gate(gate), m_host(host), m_state(state)
{
}

ServiceResult ServiceTab::readBlock(const QString& address)
{
    const link::TModuls& module = *m_state.curModul;
    link::Outcome opened = m_gate.session().openModule(module, true, true);
    if (!opened.ok()) {
        m_host.log(opened.line);
        return {opened, {}};
    }
    const std::optional<int> bytes = hexByte(address) >= 0 ? link::blockBytes(module, hexByte(address)) : std::nullopt;
    const link::BlockRead read = link::readBlock(m_gate.session().adapter(), address, true, bytes);
    const link::Outcome outcome = read.outcome(link::moduleAddressText(module));
    if (!read.data)
        m_host.log(outcome.line);
    return {outcome, read.data.value_or(QString())};
}

ServiceResult ServiceTab::ButtonReadVINClick(const QString& vinAddress)
{
    // The adapter answers in upper case; the expected prefix must match it.
    const QString address = vinAddress.toUpper();
    m_host.log(QCoreApplication::translate("ServiceTab", "* Чтение VIN кода из модуля ") + moduleItemText(*m_state.curModul));
    ServiceResult read = readBlock(address);
    if (!read.outcome.ok())
        return read;
    read.data = hexPairsToText(read.data, false);
    link::learnModuleVin(m_state, m_host, car::qs(m_state.curModul->address), read.data);
    return read;
}

ServiceResult ServiceTab::ButtonReadEMClick(const QString& blockAddress)
{
    const QString address = blockAddress.toUpper();
    m_host.log(QCoreApplication::translate("ServiceTab", "* Чтение данных по адресу ") + address + QCoreApplication::translate("ServiceTab", " из модуля ")
               + moduleItemText(*m_state.curModul));
    return readBlock(address);
}

ServiceResult ServiceTab::ButtonWriteEMClick(const QString& blockAddress, const QString& data)
{
    ServiceResult result;
    const auto refuse = [&](const QString& notice) {
        m_host.notify(notice);
        result.outcome = link::Outcome::notified(link::Outcome::Kind::Refused, QStringLiteral("! ") + notice);
        return result;
    };
    // Half a byte is no data: the module would take the digits for something else.
    if (link::HEX2BIN(data).size() < 8 || data.size() % 2 != 0)
        return refuse(QCoreApplication::translate("ServiceTab", "Неверная строка!"));
    // Without a whole block address the request would take the first data byte for the
    // block, write somewhere else and still look confirmed.
    const QString address = blockAddress.toUpper();
    if (!isTwoHexDigits(address))
        return refuse(QCoreApplication::translate("ServiceTab", "Неверный адрес!"));
    result.accepted = true;
    const link::TModuls& m = *m_state.curModul;
    m_host.log(QCoreApplication::translate("ServiceTab", "* Запись данных по адресу ") + address + QCoreApplication::translate("ServiceTab", " в модуль ")
               + moduleItemText(m));
    safety::BlockWrite write;
    write.target = m_gate.targetOf(m, address);
    write.target.module = moduleItemText(m);
    write.newHex = data.toUpper();
    write.title = QCoreApplication::translate("ServiceTab", "Запись данных");
    write.sameLengthOnly = false;
    // A block that a configuration page shows is described option by option.
    write.describe = config::changeDescriber(car::qs(m.address), address, write.newHex);
    write.files = config::filesOfWrite(m, address, write.newHex);
    const safety::WriteResult written = m_gate.writeBlock(write);
    // Written is read back equal; a module that held the data already was not written.
    result.outcome = written.outcome == safety::WriteOutcome::Verified
        ? written.summary()
        : link::Outcome::failed(written.holds() ? link::Outcome::Kind::Failed : written.summary().kind, written.line);
    return result;
}

link::Outcome ServiceTab::ButtonRestartClick()
{
    const link::TModuls& module = *m_state.curModul;
    m_host.log(QCoreApplication::translate("ServiceTab", "* Перезагрузка модуля ") + moduleItemText(module));
    safety::ChangeRequests& requests = m_gate.requests();
    const link::Outcome agreed = requests.confirmRestart(moduleItemText(module), module);
    if (agreed.kind == link::Outcome::Kind::Cancelled) {
        const QString line = QCoreApplication::translate("ServiceTab", "* Перезагрузка отменена");
        m_host.log(line);
        return link::Outcome::failed(agreed.kind, line);
    }
    // A refusal (the battery, the journal) has said why already.
    if (!agreed.ok())
        return agreed;
    if (const link::Outcome opened = m_gate.session().openModule(module, true, true); !opened.ok()) {
        m_host.log(opened.line);
        return opened;
    }
    link::Outcome restarted = requests.restart(module);
    if (restarted.ok())
        restarted.line = QCoreApplication::translate("ServiceTab", "* Модуль перезагружен");
    // A refusal has been said by the gate.
    if (restarted.kind != link::Outcome::Kind::Refused)
        m_host.log(restarted.line);
    return restarted;
}

} // namespace talmero::diag
