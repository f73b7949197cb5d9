#include "config/car_restore.h"

#include "config/change_description.h"
#include "config/vehicle_data_writer.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <QDateTime>
#include <QFile>
#include <QDir>
#include <QStandardPaths>

namespace talmero::config {

namespace {

QString outcomeText(safety::WriteOutcome outcome)
{
    switch (outcome) {
    case safety::WriteOutcome::NotOpened:
        return CarRestore::tr("модуль не открылся");
    case safety::WriteOutcome::NotSent:
        return CarRestore::tr("запись не отправлена (блок изменился после чтения, не прочитан, или проверка не пройдена)");
    case safety::WriteOutcome::Refused:
        return CarRestore::tr("модуль отказал в записи");
    case safety::WriteOutcome::KeptOld:
        return CarRestore::tr("нет ответа; прочитан после записи: модуль содержит прежние данные");
    case safety::WriteOutcome::Unknown:
        return CarRestore::tr("не прочитан после записи: что содержит модуль, неизвестно");
    case safety::WriteOutcome::Differs:
        return CarRestore::tr("после записи модуль содержит другие данные");
    case safety::WriteOutcome::Unchanged:
    case safety::WriteOutcome::Cancelled:
    case safety::WriteOutcome::Verified:
        break;
    }
    return QString();
}

QString moduleWithAddress(const QString& address)
{
    const link::TModuls* m = link::moduleAt(address);
    return m ? car::qs(m->name) + QStringLiteral(" (") + address + QLatin1Char(')') : address;
}

} // namespace

QList<RestoreSummary::Fact> RestoreSummary::facts() const
{
    const QString comma = QStringLiteral(", ");
    QList<Fact> out;
    if (!restored.isEmpty())
        out.append({false, CarRestore::tr("Восстановлены и проверены: %1").arg(restored.join(comma))});
    for (const QString& f : failed)
        out.append({true, CarRestore::tr("Не восстановлен: %1").arg(f)});
    if (!notTried.isEmpty())
        out.append({true, CarRestore::tr("Не записывались: %1").arg(notTried.join(comma))});
    if (!unrecorded.isEmpty())
        out.append({true, CarRestore::tr("Итог записи не внесён в журнал: %1").arg(unrecorded.join(comma))});
    return out;
}

QStringList RestoreSummary::lines() const
{
    QStringList out;
    for (const Fact& f : facts())
        out << (f.failure ? QStringLiteral("! ") : QStringLiteral("* ")) + f.text;
    return out;
}

QString RestoreSummary::failureLine() const
{
    QString line;
    for (const Fact& f : facts()) {
        if (f.failure)
            line = QStringLiteral("! ") + f.text;
    }
    return line;
}

QStringList RestoreSummary::report(const RestorePlan& plan) const
{
    QStringList out{CarRestore::tr("Итог восстановления")};
    if (!savedAs.isEmpty())
        out << CarRestore::tr("Конфигурация автомобиля до восстановления: %1").arg(QDir::toNativeSeparators(savedAs));
    if (plan.writes.isEmpty() && plan.unread.isEmpty() && plan.leftOut.isEmpty())
        out << CarRestore::tr("Автомобиль уже содержит блоки конфигурации из файла");
    for (const Fact& f : facts())
        out << f.text;
    for (const RestorePlan::LeftOut& l : plan.leftOut)
        out << CarRestore::tr("Не записан: %1").arg(l.text);
    for (const QString& line : neverWrittenLines(plan))
        out << line.mid(2);
    return out;
}

CarRestore::CarRestore(safety::WriteGate& gate, link::Host& host, link::LinkState& state)
    : m_gate(gate), m_host(host), m_state(state), m_saveFolder(defaultSaveFolder())
{
}

QString CarRestore::defaultSaveFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

CarRestore::Prepared CarRestore::prepare(const VehicleConfig& file)
{
    CarReading reading = readVehicleFromCar(m_gate.session(), m_host, m_state);
    m_car = std::move(reading.car);
    if (!m_car)
        return {reading.outcome, std::nullopt};
    // Written from the bus the reading ended on: one switch less.
    RestorePlan plan = planRestore(file, *m_car, m_gate.session().busMS);
    // The car's VIN as the journal records it; a VIN only typed at connecting is none.
    bool typed = false;
    const QString vin = m_gate.vin().find(&typed);
    plan.carVin = typed ? QString() : vin;
    plan.vinDisputed = m_state.carVin().disputed;
    plan.vinUnconfirmed = m_state.carVin().unconfirmed;
    return {reading.outcome, plan};
}

QString CarRestore::saveCar()
{
    if (!m_car)
        return QString();
    const QString vin = m_car->vin.isEmpty() ? m_state.carVIN : m_car->vin;
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray bytes = vehicle_data::fileBytes(vehicle_data::documentLines(vin, now, m_car->moduleLines()));
    QString error;
    QString path;
    if (!QDir().mkpath(m_saveFolder))
        error = tr("папка не создана");
    else
        path = vehicle_data::writeNew(m_saveFolder, vehicle_data::fileName(vin, now), bytes, error);
    // The copy is what undoes the restore: it must read back as the car was read.
    if (error.isEmpty()) {
        QFile file(path);
        QString parseError;
        const std::optional<VehicleConfig> back =
            file.open(QIODevice::ReadOnly) ? parseVehicleData(file.readAll(), parseError) : std::nullopt;
        if (!back || back->modules != m_car->modules)
            error = tr("копия не читается так, как записана");
    }
    if (!error.isEmpty()) {
        m_saveFailure = tr("! Конфигурация автомобиля не сохранена (%1): восстановление не начато").arg(error);
        m_host.log(m_saveFailure);
        return QString();
    }
    m_host.log(tr("* Конфигурация автомобиля до восстановления сохранена: ") + QDir::toNativeSeparators(path));
    return path;
}

RestoreSummary CarRestore::run(const RestorePlan& plan, bool choosable)
{
    RestoreSummary summary;
    summary.incomplete = !plan.leftOut.isEmpty();
    // A module whose blocks are not known could hold anything: nothing is written.
    if (!plan.unread.isEmpty()) {
        QStringList names = plan.unread;
        for (QString& address : names)
            address = moduleWithAddress(address);
        const QString line = tr("! Не прочитаны из автомобиля: %1. Восстановление не начато, ничего не записано")
                                 .arg(names.join(QStringLiteral(", ")));
        m_host.log(line);
        summary.failed << names.join(QStringLiteral(", ")) + QStringLiteral(": ") + tr("не прочитан из автомобиля");
        summary.outcome = link::Outcome::failed(link::Outcome::Kind::Refused, line);
        return summary;
    }
    if (plan.writes.isEmpty()) {
        // Blocks that differ but are left out are no match with the file.
        QStringList left;
        for (const RestorePlan::LeftOut& l : plan.leftOut)
            left << l.text;
        summary.outcome = left.isEmpty()
            ? link::Outcome::done(tr("* Записывать нечего: блоки конфигурации автомобиля совпадают с файлом"))
            : link::Outcome::failed(link::Outcome::Kind::Refused, tr("! Ничего не записано: не записываются %1").arg(left.join(QStringLiteral("; "))));
        m_host.log(summary.outcome.line);
        summary.agreed = true;
        return summary;
    }
    // Before anything is asked or written: a restore is undone by restoring this file.
    summary.savedAs = saveCar();
    if (summary.savedAs.isEmpty()) {
        summary.outcome = link::Outcome::failed(link::Outcome::Kind::Refused, m_saveFailure);
        return summary;
    }

    QList<safety::BlockWrite> writes;
    m_partAddresses.clear();
    for (const PlannedWrite& p : plan.writes) {
        const link::TModuls& module = *link::moduleAt(p.address);
        safety::BlockWrite w;
        w.target = m_gate.targetOf(module, p.index);
        w.newHex = p.newHex;
        // Checked again by the gate: a file's module or options write only with the file trusted.
        w.files = filesOfWrite(module, p.index, p.newHex);
        w.expectedHex = p.heldHex;
        w.title = tr("Восстановление из резервной копии");
        const auto describe = changeDescriber(p.address, p.index, p.newHex);
        // Called for each block the confirmation shows, in its order.
        w.describe = [this, describe, address = p.address](const QString& held) {
            m_partAddresses << address;
            return describe ? describe(held) : QStringList();
        };
        writes << w;
    }
    safety::BatchOptions options;
    options.title = tr("Восстановление автомобиля из резервной копии");
    options.choosable = choosable;
    options.stopAtFailure = true;
    const safety::BatchResult result = m_gate.writeBlocks(writes, options);
    summary.agreed = result.agreed;
    if (!summary.agreed) {
        summary.notTried = plan.addresses();
        for (QString& address : summary.notTried)
            address = moduleWithAddress(address);
        summary.outcome = result.asked ? link::Outcome::failed(link::Outcome::Kind::Cancelled, tr("* Восстановление отменено: ничего не записано"))
                                       : link::Outcome::failed(result.summary().lost() ? link::Outcome::Kind::ConnectionLost : link::Outcome::Kind::Refused,
                                                               tr("! Восстановление не начато: ничего не записано"));
        m_host.log(summary.outcome.line);
        return summary;
    }

    // Per module: restored when every block is on the car; the first failure names why.
    QStringList order;
    for (const PlannedWrite& p : plan.writes) {
        if (!order.contains(p.address))
            order << p.address;
    }
    bool failedYet = false;
    for (const QString& address : order) {
        QString why;
        bool tried = false;
        bool left = false;
        for (qsizetype i = 0; i < plan.writes.size(); ++i) {
            if (plan.writes[i].address != address)
                continue;
            const safety::WriteResult& r = result.results.value(i);
            if (!r.recorded && !summary.unrecorded.contains(moduleWithAddress(address)))
                summary.unrecorded << moduleWithAddress(address);
            if (r.outcome == safety::WriteOutcome::Verified || r.outcome == safety::WriteOutcome::Unchanged) {
                tried = true;
            } else if (r.outcome == safety::WriteOutcome::Cancelled) {
                left = true;
            } else if (why.isEmpty() && !(failedYet && r.outcome == safety::WriteOutcome::NotSent)) {
                why = tr("блок %1: %2").arg(plan.writes[i].index, outcomeText(r.outcome));
            } else {
                left = true;
            }
        }
        const QString name = moduleWithAddress(address);
        if (!why.isEmpty() && !failedYet) {
            summary.failed << name + QStringLiteral(": ") + why;
            failedYet = true;
        } else if (left || !why.isEmpty()) {
            summary.notTried << name;
        } else if (tried) {
            summary.restored << name;
        }
        // The gate stops after an outcome the journal did not take.
        failedYet = failedYet || summary.unrecorded.contains(name);
    }
    const QStringList lines = summary.lines();
    for (const QString& line : lines)
        m_host.log(line);
    summary.outcome = summary.complete() ? link::Outcome::done(lines.value(lines.size() - 1))
                                         : link::Outcome::failed(result.summary().lost() ? link::Outcome::Kind::ConnectionLost
                                                                                          : link::Outcome::Kind::Failed,
                                                                 summary.failureLine());
    return summary;
}

} // namespace talmero::config
