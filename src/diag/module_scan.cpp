#include "diag/module_scan.h"

#include "car/catalog.h"
#include "car/modules.h"
#include "diag/dtc_history.h"
#include "diag/hex_text.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"

#include <algorithm>

namespace talmero::diag {

namespace {

// A module opened without a session gives no sign of life until a block is read: the
// scan has nothing else to ask it.
constexpr bool everyModuleCanBeAsked()
{
    return std::all_of(car::kModules.begin(), car::kModules.end(),
                       [](const car::Module* m) { return m->session || m->vinBlock >= 0; });
}
static_assert(everyModuleCanBeAsked(), "a module without a session needs a VIN block to be scanned");

enum class Opening { Opened, Refused, Silent, AdapterFailed };

struct OpenResult {
    Opening opening = Opening::Silent;
    link::Outcome outcome; // of a failure: its line
};

// A module refused its session: it is there. A silent one, or a refused bus or header,
// shows nothing of it.
OpenResult openModule(link::Session& session, const car::Module& m, bool resetFirst)
{
    const link::Outcome opened = session.openModule(m, true, resetFirst);
    switch (opened.kind) {
    case link::Outcome::Kind::Done:
        return {Opening::Opened, opened};
    case link::Outcome::Kind::AdapterSilent:
    case link::Outcome::Kind::ConnectionLost:
        return {Opening::AdapterFailed, opened};
    case link::Outcome::Kind::ModuleRefused:
        // The line ends with the negative answer's bytes and reason.
        return {Opening::Refused, link::Outcome::failed(opened.kind, ModuleScanner::tr("! Модуль отказал в диагностическом сеансе")
                                                                         + opened.line.mid(opened.line.indexOf(QLatin1String(" (7F "))))};
    default:
        return {Opening::Silent, opened};
    }
}

// The modules in the order they are asked: the high-speed bus first, so that a hand
// switch is moved once.
QList<ModuleScanRow*> askingOrder(QList<ModuleScanRow>& rows)
{
    QList<ModuleScanRow*> order;
    for (bool medium : {false, true}) {
        for (ModuleScanRow& row : rows) {
            if (row.module->medium() == medium)
                order.append(&row);
        }
    }
    return order;
}

} // namespace

bool ModuleScan::complete() const
{
    return std::none_of(rows.begin(), rows.end(),
                        [](const ModuleScanRow& r) { return r.answer == ModuleScanRow::Answer::NotAsked; });
}

int ModuleScan::answered() const
{
    return int(std::count_if(rows.begin(), rows.end(), [](const ModuleScanRow& r) {
        return r.answer == ModuleScanRow::Answer::Answered || r.answer == ModuleScanRow::Answer::Refused;
    }));
}

ModuleScan ModuleScan::unasked(const QDateTime& time)
{
    ModuleScan scan{time, {}, {}, {}};
    // The program's own modules, then those of description files that answer the
    // trouble-code request (a file says whether the module is asked).
    for (const car::Module* m : car::catalog().modules) {
        if (m->codes)
            scan.rows.append(ModuleScanRow{m, ModuleScanRow::Answer::NotAsked, QString(), QString()});
    }
    return scan;
}

int codeCountOf(const DtcReading& reading, std::string_view address)
{
    const QString wanted = car::qs(address);
    for (const DtcModuleReading& m : reading.modules) {
        if (m.address == wanted)
            return m.count;
    }
    return -1;
}

ModuleScanner::ModuleScanner(link::Session& session, link::Host& host, link::LinkState& state)
    : m_session(session), m_host(host), m_state(state)
{
}

const ModuleScan& ModuleScanner::scan()
{
    m_scan = ModuleScan::unasked(QDateTime::currentDateTime());
    m_host.log(tr("* Опрос модулей автомобиля, ждите..."));
    const QList<ModuleScanRow*> order = askingOrder(m_scan.rows);
    const link::Adapter& adapter = m_session.adapter();
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (i > 0) // a Cancel during the last module leaves the scan whole
            m_session.stopIfCancelled();
        ModuleScanRow& row = *order[i];
        if (m_progress)
            m_progress(int(i + 1), int(order.size()), *row.module);
        scanModule(row, i == 0);
        // A silent adapter or a lost port reaches no other module either.
        if (row.answer == ModuleScanRow::Answer::NotAsked)
            break;
        if (adapter.linkLost()) {
            say(tr("! Связь с адаптером потеряна: опрос модулей прерван"));
            break;
        }
    }
    const int total = int(m_scan.rows.size());
    if (m_scan.complete()) {
        m_scan.outcome = link::Outcome::done(tr("* Опрос завершён: ответили модулей %1 из %2").arg(m_scan.answered()).arg(total));
        m_host.log(m_scan.outcome.line);
    } else {
        const QString line = tr("! Опрос прерван: ответили модулей %1 из %2").arg(m_scan.answered()).arg(total);
        say(line);
        m_scan.outcome = link::Outcome::failed(adapter.linkLost() ? link::Outcome::Kind::ConnectionLost : link::Outcome::Kind::Failed, line);
    }
    return m_scan;
}

void ModuleScanner::say(const QString& line)
{
    m_host.log(line);
    m_scan.notes << line;
}

void ModuleScanner::scanModule(ModuleScanRow& row, bool resetFirst)
{
    const car::Module& m = *row.module;
    const OpenResult open = openModule(m_session, m, resetFirst);
    switch (open.opening) {
    case Opening::AdapterFailed:
        say(open.outcome.line);
        return; // not asked
    case Opening::Refused:
    case Opening::Silent:
        row.answer = open.opening == Opening::Refused ? ModuleScanRow::Answer::Refused : ModuleScanRow::Answer::Silent;
        row.note = open.outcome.text();
        say(QStringLiteral("! ") + car::qs(m.name) + QStringLiteral(": ") + row.note);
        return;
    case Opening::Opened:
        break;
    }
    // Opened with a session: it has answered already. Without one, its VIN block must say so.
    row.answer = m.session ? ModuleScanRow::Answer::Answered : ModuleScanRow::Answer::Silent;
    if (m.vinBlock >= 0)
        readVin(row, m.session);
}

void ModuleScanner::readVin(ModuleScanRow& row, bool opened)
{
    const car::Module& m = *row.module;
    const QString block = car::blockText(m.vinBlock);
    const link::BlockRead read = link::readBlock(m_session.adapter(), block, true, link::blockBytes(m, m.vinBlock));
    const std::optional<QString>& data = read.data;
    const QString refusal = link::negativeAnswerNote(read.answer);
    if (data || !refusal.isEmpty()) {
        row.answer = ModuleScanRow::Answer::Answered;
        m_session.heardModule();
    }
    if (data) {
        const QString text = hexPairsToText(*data, false);
        if (link::isVIN(text)) {
            row.vin = text;
            link::learnModuleVin(m_state, m_host, car::qs(m.address), text);
            return;
        }
        row.note = tr("в блоке %1 нет VIN").arg(block);
    } else if (!refusal.isEmpty()) {
        row.note = tr("VIN не выдан") + refusal;
    } else if (opened) {
        row.note = tr("VIN не прочитан: неверный ответ модуля");
    } else {
        row.note = tr("Модуль не ответил или отсутствует") + m_session.silenceNote();
    }
    say(QStringLiteral("! ") + car::qs(m.name) + QStringLiteral(": ") + row.note);
}

} // namespace talmero::diag
