#include "safety/gate_context.h"

#include "link/adapter.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/battery.h"
#include "safety/gate_texts.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUuid>

#include <utility>

namespace talmero::safety {

using namespace gate_texts;

namespace {

// How often a module busy storing a block is read again.
constexpr int kBusyReadEveryMs = 250;

} // namespace

GateContext::GateContext(link::Session& session, link::Host& host, link::LinkState& state, SafetySettings settings)
    : session(session),
      host(host),
      state(state),
      settings(std::move(settings)),
      journal(this->settings.journalPath, this->settings.journalGiven ? Journal::Use::Given : Journal::Use::Own),
      vin(session, host, state),
      connection(QUuid::createUuid().toString(QUuid::Id128).left(16))
{
}

BlockTarget GateContext::targetOf(const car::Module& module, const QString& block)
{
    BlockTarget t;
    t.record = &module;
    t.address = car::qs(module.address);
    t.block = block;
    t.accepted = QStringLiteral("7B") + block;
    t.module = car::qs(module.name) + QStringLiteral(" (") + link::moduleTitle(module) + QLatin1Char(')');
    t.open = [this, &module] { return session.openModule(module, true, resetFirst()); };
    return t;
}

bool GateContext::resetFirst()
{
    return !std::exchange(m_resetDone, true);
}

bool GateContext::linkLost() const
{
    return session.adapter().linkLost();
}

link::Outcome GateContext::refuse(const QString& line, link::Outcome::Kind kind)
{
    host.log(line);
    host.notify(line);
    return link::Outcome::notified(kind, line);
}

void GateContext::note(const QString& line)
{
    host.log(line);
    m_notes << line;
}

QStringList GateContext::takeNotes()
{
    return std::exchange(m_notes, {});
}

std::optional<double> GateContext::battery()
{
    return voltageOf(link::cutCOM(session.adapter().writeCOM(QStringLiteral("atrv"), true)));
}

std::optional<double> GateContext::batteryBeforeWrite()
{
    // A voltage read this long before a write still stands for it.
    constexpr int kBatteryFreshMs = 2000;
    const std::optional<double> shown = std::exchange(m_shownVolts, std::nullopt);
    if (shown && m_shownAt.isValid() && m_shownAt.elapsed() < kBatteryFreshMs)
        return shown;
    return battery();
}

void GateContext::showBattery(std::optional<double> volts)
{
    m_shownVolts = volts;
    m_shownAt.start();
}

link::Outcome GateContext::batteryAllows(std::optional<double> volts)
{
    // No voltage from an adapter that is gone: the lost connection is said instead.
    if (!volts && linkLost())
        return link::Session::linkLost();
    if (!volts)
        return refuse(tr(kNoVoltage));
    if (*volts < settings.minVoltage)
        return refuse(tr(kLowVoltage).arg(QString::number(*volts, 'f', 1), QString::number(settings.minVoltage, 'f', 1)));
    return link::Outcome::done();
}

link::Outcome GateContext::journalReady()
{
    if (!journal.open())
        return refuse(tr(kNoJournal).arg(journal.error()));
    // Said once: the journal stays open for the connection.
    if (!journal.setAsideAs().isEmpty() && !m_setAsideReported) {
        m_setAsideReported = true;
        host.log(tr(kJournalSetAside).arg(journal.setAsideAs()));
        host.notify(tr(kJournalSetAside).arg(journal.setAsideAs()));
    }
    return link::Outcome::done();
}

std::optional<QString> GateContext::readBlock(const BlockTarget& target)
{
    bool ok = false;
    const int number = target.block.toInt(&ok, 16);
    const std::optional<int> bytes = ok && target.record ? link::blockBytes(*target.record, number) : std::nullopt;
    return link::readBlock(session.adapter(), target.block, true, bytes).data;
}

// A module that said it is busy storing the block is read until it holds the new one,
// for a while; the last read that came back, or nullopt when none did.
std::optional<QString> GateContext::readBackWhileBusy(const BlockTarget& target, const QString& newHex)
{
    host.log(tr(kBusyReadAgain));
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> last;
    while (true) {
        if (const std::optional<QString> back = readBlock(target))
            last = back;
        if (last == newHex || linkLost() || clock.elapsed() >= kBusyReadBackMs)
            return last;
        QEventLoop pause;
        QTimer::singleShot(kBusyReadEveryMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
}

QString GateContext::sendChange(const QString& command, const link::WritePermit& permit)
{
    return link::cutCOM(session.adapter().writeRequest(command, true, permit));
}

RowOwner GateContext::rowOwner() const
{
    bool typed = false;
    const QString known = vin.known(&typed);
    return {known, !typed, connection};
}

JournalEntry GateContext::row() const
{
    bool typed = false;
    JournalEntry entry;
    entry.vin = vin.known(&typed);
    entry.vinSource = QLatin1String(typed ? kVinTyped : kVinRead);
    entry.connection = connection;
    return entry;
}

} // namespace talmero::safety
