#include "diag/trouble_codes.h"

#include "diag/dtc_list.h"
#include "diag/dtc_memo.h"
#include "diag/dtc_modules.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <algorithm>

namespace talmero::diag {

namespace {
const QString kOK = QStringLiteral("OK");
const QString kSessionOpen = QStringLiteral("5087");

QString protocolFor(bool medium)
{
    return medium ? QStringLiteral("atspb") : QStringLiteral("atsp6");
}
} // namespace

TroubleCodes::TroubleCodes(safety::WriteGate& gate, link::Host& host, DtcMemo& memo)
    : m_gate(gate), m_host(host), m_memo(memo)
{
}

QString TroubleCodes::send(const QString& command, bool logIt)
{
    return m_gate.session().adapter().writeCOM(command, logIt);
}

void TroubleCodes::fail(const QString& line)
{
    m_host.log(line);
    m_memo.appendMemo(line);
}

bool TroubleCodes::ButtonDTCClick()
{
    m_clearEnabled = false;
    m_host.log(QStringLiteral("* Считывание кодов ошибок, ждите..."));
    dtcHS.clear();
    dtcMS.clear();
    if (!send(QStringLiteral("atz"), true).contains(QLatin1String("ELM"))) {
        m_host.log(QStringLiteral("! Неверный ответ адаптера"));
        return false;
    }

    const int total = int(kDtcModules.size());
    const link::Adapter& adapter = m_gate.session().adapter();
    int unread = 0;
    for (bool medium : {false, true}) {
        const int onBus = int(std::count_if(kDtcModules.begin(), kDtcModules.end(),
                                            [medium](const DtcModule& m) { return m.medium == medium; }));
        m_gate.session().switchBus(medium);
        if (link::cutCOM(send(protocolFor(medium), true)) != kOK) {
            m_host.log(QStringLiteral("! Ошибка"));
            unread += onBus;
            continue;
        }
        for (int i = 0; i < total; ++i) {
            const DtcModule& module = kDtcModules[i];
            if (module.medium != medium)
                continue;
            m_memo.showProgress(i + 1, total, dtcHeader(module));
            m_memo.appendMemo(dtcHeader(module));
            if (!readModuleDTC(QString::fromLatin1(module.adr), medium ? dtcMS : dtcHS))
                ++unread;
            // Nothing more can be read; a summary now would pass the rest off as clean.
            if (adapter.linkLost()) {
                m_host.log(QStringLiteral("! Связь с адаптером потеряна: чтение ошибок прервано"));
                m_clearEnabled = !dtcHS.isEmpty() || !dtcMS.isEmpty();
                return m_clearEnabled;
            }
            if (i + 1 < total) // the last section is not followed by an empty line
                m_memo.appendMemo(QString());
        }
    }

    m_host.log(QStringLiteral("* Чтение ошибок завершено"));
    m_clearEnabled = !dtcHS.isEmpty() || !dtcMS.isEmpty();
    if (m_clearEnabled)
        m_host.log(QStringLiteral("! В модулях присутствуют ошибки"));
    // "No errors" only when every module asked gave its count.
    if (unread > 0)
        m_host.log(QStringLiteral("! Не прочитано модулей: %1 из %2").arg(unread).arg(total));
    else if (!m_clearEnabled)
        m_host.log(QStringLiteral("* В модулях ошибок нет"));
    return m_clearEnabled;
}

bool TroubleCodes::readModuleDTC(const QString& address, QString& busList)
{
    if (link::cutCOM(send(QStringLiteral("atsh") + address, true)) != kOK) {
        fail(QStringLiteral("! Ошибка"));
        return false;
    }
    const DtcModule* module = findDtcModule(address);
    const bool session = module ? module->sessionWhenReading : true;
    if (session && link::cutCOM(send(QStringLiteral("1087"), true)) != kSessionOpen) {
        fail(QStringLiteral("! Модуль не ответил или отсутствует"));
        return false;
    }
    const std::optional<bool> holdsCodes = listDTC();
    if (holdsCodes.value_or(false))
        busList += address;
    return holdsCodes.has_value();
}

std::optional<bool> TroubleCodes::listDTC()
{
    // A framed answer shorter than its count is refused like any other wrong answer.
    const std::optional<QString> answer = link::positiveData(link::cutCOM(send(QStringLiteral("1800ff00"), true)),
                                                             QStringLiteral("58"));
    // A positive answer cut short or garbled has no usable count; that module's listing
    // ends here and the other modules are still read.
    const std::optional<DtcList> list = answer ? parseDtcList(*answer) : std::nullopt;
    if (!list) {
        fail(QStringLiteral("! Неверный ответ модуля"));
        return std::nullopt;
    }
    const int count = list->count;
    m_memo.appendMemo(QStringLiteral("Ошибок: ") + QString::number(count));
    if (count == 0)
        return false;

    // From here the module counts as holding codes, so that "Crear" reaches it even
    // when its list is unreadable.
    if (!list->readable) {
        fail(QStringLiteral("! Неверный ответ"));
        return true;
    }
    for (int i = 0; i < count; ++i) {
        const link::DtcText dtc = link::DTC2TEXT(list->codes[i]);
        m_memo.appendMemo(QStringLiteral("#%1 - %2 статус: %3").arg(i + 1).arg(dtc.code, dtc.status));
    }
    return true;
}

bool TroubleCodes::ButtonDTCclearClick()
{
    QStringList modules;
    for (const QString* list : {&dtcHS, &dtcMS}) {
        for (qsizetype i = 0; i + 3 <= list->size(); i += 3) {
            const DtcModule* module = findDtcModule(list->mid(i, 3));
            modules.append(module ? dtcHeader(*module).chopped(1) : list->mid(i, 3));
        }
    }
    // Nothing listed, nothing to clear and nothing to ask.
    if (!modules.isEmpty() && !m_gate.confirmClearing(modules)) {
        m_host.log(QStringLiteral("* Стирание ошибок отменено"));
        m_clearEnabled = true;
        return m_clearEnabled;
    }
    m_memo.clearMemo();
    m_host.log(QStringLiteral("* Стираем считанные ошибки"));
    if (!send(QStringLiteral("atz"), false).contains(QLatin1String("ELM"))) {
        m_host.log(QStringLiteral("! Неверный ответ адаптера"));
        // Nothing was cleared: the button stays enabled for another try, also when this
        // object was made anew after a reconnect.
        m_clearEnabled = true;
        return m_clearEnabled;
    }
    QStringList notCleared;
    for (bool medium : {false, true}) {
        const QString& list = medium ? dtcMS : dtcHS;
        if (list.isEmpty())
            continue;
        m_gate.session().switchBus(medium);
        const bool busSelected = link::cutCOM(send(protocolFor(medium), false)) == kOK;
        for (qsizetype i = 0; i + 3 <= list.size(); i += 3) {
            if (!busSelected || !clearModuleDTC(list.mid(i, 3)))
                notCleared << list.mid(i, 3);
        }
    }
    // A module that did not confirm is named, and "Crear" stays for another try.
    m_clearEnabled = !notCleared.isEmpty();
    if (m_clearEnabled) {
        m_host.log(QStringLiteral("! Стирание не подтвердили модули: ") + notCleared.join(QStringLiteral(", ")));
        m_memo.appendMemo(QStringLiteral("! Операция выполнена не полностью"));
    } else {
        m_memo.appendMemo(QStringLiteral("* Операция выполнена"));
    }
    return m_clearEnabled;
}

bool TroubleCodes::clearModuleDTC(const QString& address)
{
    m_host.log(QStringLiteral("* Стираем ошибки модуля по адресу ") + address);
    if (link::cutCOM(send(QStringLiteral("atsh") + address, false)) != kOK)
        return false;
    const DtcModule* module = findDtcModule(address);
    const bool session = module ? module->sessionWhenClearing : true;
    if (session && link::cutCOM(send(QStringLiteral("1087"), false)) != kSessionOpen)
        return false;
    return link::withoutPendingNotes(m_gate.clearCodes()).startsWith(QLatin1String("54"));
}

} // namespace talmero::diag
