#include "diag/trouble_codes.h"

#include "diag/dtc_list.h"
#include "diag/dtc_memo.h"
#include "diag/dtc_modules.h"
#include "diag/freeze_frame.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

namespace talmero::diag {

namespace {

// The module a reading reaches first on a bus, for the bus prompt.
QString firstOnBus(const std::vector<const car::Module*>& modules, bool medium)
{
    for (const car::Module* m : modules) {
        if (m->medium() == medium)
            return car::qs(m->address);
    }
    return QString();
}
} // namespace

TroubleCodes::TroubleCodes(safety::WriteGate& gate, link::Host& host, DtcMemo& memo)
    : m_gate(gate), m_host(host), m_memo(memo)
{
}

void TroubleCodes::fail(const QString& line)
{
    m_host.log(line);
    m_memo.appendMemo(line);
}

link::Outcome TroubleCodes::said(link::Outcome::Kind kind, const QString& line)
{
    m_host.log(line);
    return link::Outcome::failed(kind, line);
}

link::Outcome TroubleCodes::ButtonDTCClick()
{
    m_clearEnabled = false;
    m_host.log(QCoreApplication::translate("TroubleCodes", "* Считывание кодов ошибок, ждите..."));
    dtcHS.clear();
    dtcMS.clear();
    m_reading = DtcReading{QDateTime::currentDateTime(), QString(), {}};
    m_memo.startReading(m_reading.time);
    if (const link::Outcome reset = m_gate.session().resetAdapter(true); !reset.ok())
        return said(reset.kind, reset.line);

    const std::vector<const car::Module*> modules = dtcModules();
    const int total = int(modules.size());
    const link::Adapter& adapter = m_gate.session().adapter();
    int unread = 0;
    for (bool medium : {false, true}) {
        const int onBus = int(std::count_if(modules.begin(), modules.end(),
                                            [medium](const car::Module* m) { return m->medium() == medium; }));
        m_gate.session().switchBus(medium, firstOnBus(modules, medium));
        if (!m_gate.session().selectProtocol(medium, true, firstOnBus(modules, medium))) {
            m_host.log(QCoreApplication::translate("TroubleCodes", "! Ошибка"));
            unread += onBus;
            for (const car::Module* m : modules) {
                if (m->medium() == medium)
                    m_reading.modules.append(DtcModuleReading{car::qs(m->address), -1, {}});
            }
            continue;
        }
        for (int i = 0; i < total; ++i) {
            const car::Module& module = *modules[std::size_t(i)];
            if (module.medium() != medium)
                continue;
            m_memo.showProgress(i + 1, total, dtcHeader(module));
            m_memo.appendMemo(dtcHeader(module));
            // listDTC fills in what the module gives.
            m_reading.modules.append(DtcModuleReading{car::qs(module.address), -1, {}});
            if (!readModuleDTC(car::qs(module.address), medium ? dtcMS : dtcHS))
                ++unread;
            m_gate.session().stopIfCancelled();
            // Nothing more can be read; a summary now would pass the rest off as clean.
            if (adapter.linkLost()) {
                m_clearEnabled = !dtcHS.isEmpty() || !dtcMS.isEmpty();
                return said(link::Outcome::Kind::ConnectionLost,
                            QCoreApplication::translate("TroubleCodes", "! Связь с адаптером потеряна: чтение ошибок прервано"));
            }
            if (i + 1 < total) // the last section is not followed by an empty line
                m_memo.appendMemo(QString());
        }
    }

    m_host.log(QCoreApplication::translate("TroubleCodes", "* Чтение ошибок завершено"));
    m_clearEnabled = !dtcHS.isEmpty() || !dtcMS.isEmpty();
    const QString found = QCoreApplication::translate("TroubleCodes", "! В модулях присутствуют ошибки");
    if (m_clearEnabled)
        m_host.log(found);
    // "No errors" only when every module asked gave its count.
    if (unread > 0)
        return said(link::Outcome::Kind::Failed, QCoreApplication::translate("TroubleCodes", "! Не прочитано модулей: %1 из %2").arg(unread).arg(total));
    if (m_clearEnabled)
        return link::Outcome::done(found);
    const QString clean = QCoreApplication::translate("TroubleCodes", "* В модулях ошибок нет");
    m_host.log(clean);
    return link::Outcome::done(clean);
}

QString TroubleCodes::keepReading(const QString& vin)
{
    m_reading.vin = vin;
    if (m_reading.modules.isEmpty())
        return QString();
    DtcHistory history(DtcHistory::pathOf(m_gate.journal().path()));
    return history.add(m_reading) ? QString() : history.error();
}

bool TroubleCodes::readModuleDTC(const QString& address, QString& busList)
{
    const car::Module* module = findDtcModule(address);
    if (!module)
        return false;
    const link::Outcome selected = m_gate.session().selectModule(*module, link::Session::Use::Codes, true);
    if (!selected.ok()) {
        fail(selected.line);
        return false;
    }
    m_listingEngine = address == car::qs(car::kPcm.address);
    const std::optional<bool> holdsCodes = listDTC(link::moduleAddressText(*module));
    if (holdsCodes)
        m_gate.session().heardModule();
    if (holdsCodes.value_or(false))
        busList += address;
    return holdsCodes.has_value();
}

std::optional<bool> TroubleCodes::listDTC(const QString& module)
{
    // How many codes a module holds is not known before asking.
    const link::ClassifiedAnswer answer
        = link::readAnswer(m_gate.session().adapter(), QStringLiteral("1800ff00"), true, link::AnswerLength{});
    // The adapter's text inside the answer, or an answer cut short or garbled: nothing of
    // it is kept, and the other modules are still read.
    if (answer.kind != link::ClassifiedAnswer::Kind::Data && answer.kind != link::ClassifiedAnswer::Kind::Refusal
        && answer.kind != link::ClassifiedAnswer::Kind::Busy) {
        fail(link::readFailureLine(answer, QCoreApplication::translate("TroubleCodes", "кодов ошибок модуля %1").arg(module)));
        return std::nullopt;
    }
    const std::optional<QString> data = answer.positive(QStringLiteral("58"));
    const std::optional<DtcList> list = data ? parseDtcList(*data) : std::nullopt;
    if (!list) {
        fail(QCoreApplication::translate("TroubleCodes", "! Неверный ответ модуля") + link::negativeAnswerNote(answer.hex));
        return std::nullopt;
    }
    const int count = list->count;
    DtcModuleReading* kept = m_reading.modules.isEmpty() ? nullptr : &m_reading.modules.last();
    if (kept)
        kept->count = count;
    m_memo.appendMemo(QCoreApplication::translate("TroubleCodes", "Ошибок: ") + QString::number(count));
    if (count == 0)
        return false;

    // From here the module counts as holding codes, so that "Crear" reaches it even
    // when its list is unreadable; a list of the wrong length or with anything but hex
    // digits is never shown as codes.
    if (!list->readable) {
        fail(QCoreApplication::translate("TroubleCodes", "! Неверный ответ"));
        return true;
    }
    std::optional<FreezeFrame> frame = m_listingEngine ? engineFreezeFrame(kept) : std::nullopt;
    for (int i = 0; i < count; ++i) {
        const link::DtcText dtc = link::DTC2TEXT(list->codes[i]);
        m_memo.appendMemo(QCoreApplication::translate("TroubleCodes", "#%1 - %2 статус: %3").arg(i + 1).arg(dtc.code, dtc.status));
        m_memo.codeListed(dtc.code, dtc.status);
        if (frame && frame->code == dtc.code) {
            m_memo.freezeFrameListed(*frame);
            frame.reset();
        }
        if (kept)
            kept->codes.append(dtc.code + QLatin1Char(' ') + dtc.status);
    }
    if (frame)
        m_memo.freezeFrameListed(*frame);
    return true;
}

std::optional<FreezeFrame> TroubleCodes::engineFreezeFrame(DtcModuleReading* kept)
{
    const FreezeFrameResult read = FreezeFrameReader::read(m_gate.session().adapter());
    m_host.log(read.outcome.line);
    if (kept)
        kept->freezeFrame = read.frame;
    return read.frame;
}

link::Outcome TroubleCodes::ButtonDTCclearClick()
{
    QStringList titles;
    QList<const car::Module*> modules;
    for (const QString* list : {&dtcHS, &dtcMS}) {
        for (qsizetype i = 0; i + 3 <= list->size(); i += 3) {
            if (const car::Module* module = findDtcModule(list->mid(i, 3))) {
                titles.append(dtcHeader(*module).chopped(1));
                modules.append(module);
            }
        }
    }
    // Nothing listed, nothing to clear and nothing to ask.
    if (!modules.isEmpty()) {
        const link::Outcome agreed = m_gate.requests().confirmClearing(titles, modules);
        if (!agreed.ok()) {
            m_clearEnabled = true;
            // A refusal (the battery, the journal) has said why already.
            return agreed.kind == link::Outcome::Kind::Cancelled
                ? said(agreed.kind, QCoreApplication::translate("TroubleCodes", "* Стирание ошибок отменено"))
                : agreed;
        }
    }
    // The list stays until the modules have confirmed the clearing: a Cancel at the bus
    // prompt, a silent adapter or a module that refuses leaves it as it was read.
    m_host.log(QCoreApplication::translate("TroubleCodes", "* Стираем считанные ошибки"));
    if (const link::Outcome reset = m_gate.session().resetAdapter(false); !reset.ok()) {
        // Nothing was cleared: the button stays enabled for another try, also when this
        // object was made anew after a reconnect.
        m_clearEnabled = true;
        return said(reset.kind, reset.line);
    }
    QStringList notCleared;
    for (bool medium : {false, true}) {
        const QString& list = medium ? dtcMS : dtcHS;
        if (list.isEmpty())
            continue;
        m_gate.session().switchBus(medium, list.left(3));
        const bool busSelected = m_gate.session().selectProtocol(medium, false, list.left(3));
        for (qsizetype i = 0; i + 3 <= list.size(); i += 3) {
            const car::Module* module = findDtcModule(list.mid(i, 3));
            if (!busSelected || !module || !clearModuleDTC(*module))
                notCleared << list.mid(i, 3);
        }
    }
    // A module that did not confirm is named, and "Crear" stays for another try.
    m_clearEnabled = !notCleared.isEmpty();
    if (m_clearEnabled) {
        const QString line = QCoreApplication::translate("TroubleCodes", "! Стирание не подтвердили модули: ") + notCleared.join(QStringLiteral(", "));
        const link::Outcome failed = said(m_gate.session().adapter().linkLost() ? link::Outcome::Kind::ConnectionLost : link::Outcome::Kind::Failed, line);
        m_memo.appendMemo(QCoreApplication::translate("TroubleCodes", "! Операция выполнена не полностью"));
        return failed;
    }
    m_memo.clearMemo();
    const QString done = QCoreApplication::translate("TroubleCodes", "* Операция выполнена");
    m_memo.appendMemo(done);
    return link::Outcome::done(done);
}

bool TroubleCodes::clearModuleDTC(const car::Module& module)
{
    m_host.log(QCoreApplication::translate("TroubleCodes", "* Стираем ошибки модуля по адресу ") + car::qs(module.address));
    if (!m_gate.session().selectModule(module, link::Session::Use::Blocks, false).ok())
        return false;
    return m_gate.requests().clearCodes(module).ok();
}

} // namespace talmero::diag
