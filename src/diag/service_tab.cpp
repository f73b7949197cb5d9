#include "diag/service_tab.h"

#include "diag/hex_text.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/session.h"

namespace talmero::diag {

namespace {
const QString kNone = QStringLiteral("FF");
const QString kNotSupported = QStringLiteral("не поддерживается");
const QString kWrongAnswer = QStringLiteral("! Неверный ответ модуля");
// The ABS puts six characters before its VIN block answer.
const QString kAbsAddress = QStringLiteral("760");

bool isTwoHexDigits(const QString& text)
{
    return hexByte(text) >= 0;
}
} // namespace

QString moduleItemText(const link::TModuls& module)
{
    return module.name + QStringLiteral(" (") + module.title + QLatin1Char(')');
}

QStringList moduleItems()
{
    QStringList items;
    for (const link::TModuls& m : link::Moduls())
        items.append(moduleItemText(m));
    return items;
}

std::optional<ModuleChoice> RadioGroupModClick(int item, link::LinkState& state)
{
    if (item < 0 || item >= link::kModuleCount)
        return std::nullopt;
    const link::TModuls& module = link::Moduls()[item];
    state.curModul = module;

    ModuleChoice choice;
    if (module.EMad == kNone) {
        choice.labelEM = kNotSupported;
    } else {
        choice.editEMad = module.EMad;
        choice.groupBoxEMEnabled = true;
    }
    choice.buttonRestartEnabled = module.restart;
    if (module.VINad == kNone) {
        choice.labelVIN = kNotSupported;
    } else {
        choice.editVINad = module.VINad;
        choice.groupBoxVINEnabled = true;
    }
    if (module.name == QLatin1String("BCM")) {
        choice.notice = QStringLiteral("Вторая часть конфигурации модуля BCM находится по адресу \"04\"")
                        + QStringLiteral("\n\n")
                        + QStringLiteral("Информации о VIN коде модуль не содержит");
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

bool needsSession(const QString& address)
{
    return address != QLatin1String("727") && address != QLatin1String("737");
}

ServiceTab::ServiceTab(link::Session& session, link::Host& host, const link::LinkState& state)
    : m_session(session), m_host(host), m_state(state)
{
}

QString ServiceTab::send(const QString& command)
{
    return m_session.adapter().writeCOM(command, true);
}

bool ServiceTab::openCurrent()
{
    const link::TModuls& m = m_state.curModul;
    const QString result = m_session.openModule(true, true, m.bus == 1, needsSession(m.adr), m.adr);
    if (result.startsWith(QLatin1Char('!'))) {
        m_host.log(result);
        return false;
    }
    return true;
}

QString ServiceTab::ButtonReadVINClick(const QString& vinAddress)
{
    // The adapter answers in upper case; the expected prefix must match it.
    const QString address = vinAddress.toUpper();
    m_host.log(QStringLiteral("* Чтение VIN кода из модуля ") + moduleItemText(m_state.curModul));
    if (!openCurrent())
        return QString();
    QString answer = link::cutCOM(send(QStringLiteral("21") + address));
    if (m_state.curModul.adr == kAbsAddress)
        answer.remove(0, 6);
    answer = link::joinFrames(answer);
    const QString prefix = QStringLiteral("61") + address;
    if (!answer.startsWith(prefix)) {
        m_host.log(kWrongAnswer);
        return QString();
    }
    return hexPairsToText(answer.mid(prefix.size()), false);
}

QString ServiceTab::ButtonReadEMClick(const QString& blockAddress)
{
    const QString address = blockAddress.toUpper();
    m_host.log(QStringLiteral("* Чтение данных по адресу ") + address + QStringLiteral(" из модуля ")
               + moduleItemText(m_state.curModul));
    if (!openCurrent())
        return QString();
    const QString answer = link::joinFrames(link::cutCOM(send(QStringLiteral("21") + address)));
    const QString prefix = QStringLiteral("61") + address;
    if (!answer.startsWith(prefix)) {
        m_host.log(kWrongAnswer);
        return QString();
    }
    return answer.mid(prefix.size());
}

WriteResult ServiceTab::ButtonWriteEMClick(const QString& blockAddress, const QString& data)
{
    WriteResult result;
    if (link::HEX2BIN(data).size() < 2) {
        m_host.notify(QStringLiteral("Неверная строка!"));
        return result;
    }
    // Without a whole block address the request would take the first data byte for the
    // block, write somewhere else and still look confirmed.
    const QString address = blockAddress.toUpper();
    if (!isTwoHexDigits(address)) {
        m_host.notify(QStringLiteral("Неверный адрес!"));
        return result;
    }
    result.accepted = true;
    m_host.log(QStringLiteral("* Запись данных по адресу ") + address + QStringLiteral(" в модуль ")
               + moduleItemText(m_state.curModul));
    if (!openCurrent())
        return result;
    const QString answer = link::cutCOM(send(QStringLiteral("3b") + address + data));
    if (answer.left(4) == QStringLiteral("7B") + address) {
        m_host.log(QStringLiteral("* Успешно записано"));
        result.written = true;
    } else {
        m_host.log(kWrongAnswer);
    }
    return result;
}

bool ServiceTab::ButtonRestartClick()
{
    m_host.log(QStringLiteral("* Перезагрузка модуля ") + moduleItemText(m_state.curModul));
    if (!openCurrent())
        return false;
    if (link::cutCOM(send(QStringLiteral("1101"))).startsWith(QLatin1String("51"))) {
        m_host.log(QStringLiteral("* Модуль перезагружен"));
        return true;
    }
    m_host.log(kWrongAnswer);
    return false;
}

} // namespace talmero::diag
