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
const char* const kWrongAnswer = QT_TRANSLATE_NOOP("ServiceTab", "! Неверный ответ модуля");

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
    for (const link::TModuls* m : link::Moduls())
        items.append(moduleItemText(*m));
    return items;
}

std::optional<ModuleChoice> RadioGroupModClick(int item, link::LinkState& state)
{
    if (item < 0 || item >= int(link::Moduls().size()))
        return std::nullopt;
    const link::TModuls& module = *link::Moduls()[std::size_t(item)];
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

bool ServiceTab::openCurrent()
{
    const link::Outcome opened = m_gate.session().openModule(*m_state.curModul, true, true);
    if (!opened.ok())
        m_host.log(opened.line);
    return opened.ok();
}

std::optional<QString> ServiceTab::readBlock(const QString& address)
{
    if (!openCurrent())
        return std::nullopt;
    const std::optional<int> bytes = hexByte(address) >= 0 ? link::blockBytes(*m_state.curModul, hexByte(address)) : std::nullopt;
    const link::BlockRead read = link::readBlock(m_gate.session().adapter(), address, true, bytes);
    if (!read.data)
        m_host.log(read.outcome(link::moduleAddressText(*m_state.curModul)).line);
    return read.data;
}

QString ServiceTab::ButtonReadVINClick(const QString& vinAddress)
{
    // The adapter answers in upper case; the expected prefix must match it.
    const QString address = vinAddress.toUpper();
    m_host.log(QCoreApplication::translate("ServiceTab", "* Чтение VIN кода из модуля ") + moduleItemText(*m_state.curModul));
    const auto data = readBlock(address);
    if (!data)
        return QString();
    const QString vin = hexPairsToText(*data, false);
    link::learnModuleVin(m_state, m_host, car::qs(m_state.curModul->address), vin);
    return vin;
}

QString ServiceTab::ButtonReadEMClick(const QString& blockAddress)
{
    const QString address = blockAddress.toUpper();
    m_host.log(QCoreApplication::translate("ServiceTab", "* Чтение данных по адресу ") + address + QCoreApplication::translate("ServiceTab", " из модуля ")
               + moduleItemText(*m_state.curModul));
    return readBlock(address).value_or(QString());
}

WriteResult ServiceTab::ButtonWriteEMClick(const QString& blockAddress, const QString& data)
{
    WriteResult result;
    // Half a byte is no data: the module would take the digits for something else.
    if (link::HEX2BIN(data).size() < 8 || data.size() % 2 != 0) {
        m_host.notify(QCoreApplication::translate("ServiceTab", "Неверная строка!"));
        return result;
    }
    // Without a whole block address the request would take the first data byte for the
    // block, write somewhere else and still look confirmed.
    const QString address = blockAddress.toUpper();
    if (!isTwoHexDigits(address)) {
        m_host.notify(QCoreApplication::translate("ServiceTab", "Неверный адрес!"));
        return result;
    }
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
    result.written = m_gate.writeBlock(write).outcome == safety::WriteOutcome::Verified;
    return result;
}

bool ServiceTab::ButtonRestartClick()
{
    m_host.log(QCoreApplication::translate("ServiceTab", "* Перезагрузка модуля ") + moduleItemText(*m_state.curModul));
    if (!m_gate.confirmRestart(moduleItemText(*m_state.curModul), car::qs(m_state.curModul->address))) {
        // A refusal (the battery, the journal) has said why already.
        if (m_gate.declined())
            m_host.log(QCoreApplication::translate("ServiceTab", "* Перезагрузка отменена"));
        return false;
    }
    if (!openCurrent())
        return false;
    const QString answer = m_gate.restart(car::qs(m_state.curModul->address));
    if (answer.startsWith(QLatin1String("51"))) {
        m_host.log(QCoreApplication::translate("ServiceTab", "* Модуль перезагружен"));
        return true;
    }
    m_host.log(QCoreApplication::translate("ServiceTab", kWrongAnswer) + link::negativeAnswerNote(answer));
    return false;
}

} // namespace talmero::diag
