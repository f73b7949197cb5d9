#include "cli/car_link.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "diag/dtc_history.h"
#include "diag/module_scan.h"
#include "link/link_error.h"

#include <QCoreApplication>

namespace talmero::cli {

namespace {

// The listing's words: the same in every language, for scripts.
QLatin1String answerWord(diag::ModuleScanRow::Answer answer)
{
    switch (answer) {
    case diag::ModuleScanRow::Answer::Answered:
        return QLatin1String("answered");
    case diag::ModuleScanRow::Answer::Refused:
        return QLatin1String("refused");
    case diag::ModuleScanRow::Answer::Silent:
        return QLatin1String("silent");
    case diag::ModuleScanRow::Answer::NotAsked:
        break;
    }
    return QLatin1String("not-asked");
}

// The newest trouble-code reading of this car kept in the journal's file.
std::optional<diag::DtcReading> lastReadingOf(const QString& vin, const QString& journal)
{
    if (vin.isEmpty())
        return std::nullopt;
    diag::DtcHistory history(diag::DtcHistory::pathOf(journal));
    const auto readings = history.readings();
    if (!readings)
        return std::nullopt;
    for (const diag::DtcReading& r : *readings) {
        if (r.vin == vin)
            return r;
    }
    return std::nullopt;
}

void printScan(CommandContext& ctx, const diag::ModuleScan& scan, const std::optional<diag::DtcReading>& reading)
{
    for (const diag::ModuleScanRow& row : scan.rows) {
        const car::Module& m = *row.module;
        const int codes = reading ? diag::codeCountOf(*reading, m.address) : -1;
        ctx.out << car::qs(m.name) << ' ' << car::qs(m.address) << ' ' << (m.medium() ? "ms" : "hs") << ' '
                << answerWord(row.answer) << ' '
                << (m.vinBlock < 0 ? QStringLiteral("-") : row.vin.isEmpty() ? QStringLiteral("?") : row.vin) << ' '
                << (codes < 0 ? QStringLiteral("?") : QString::number(codes)) << '\n';
    }
    ctx.out.flush();
}

} // namespace

// One line per module of the table: NAME ADDRESS BUS ANSWER VIN CODES. A module that does
// not answer is a finding about the car, not a failure; a scan that could not ask every
// module, or heard none at all (no car on the adapter), is.
int scanModules(CommandContext& ctx, CarLink& car)
{
    if (ctx.args.words.size() != 1)
        return ctx.usage(noArguments(ctx.args.words[0]));
    diag::ModuleScanner scanner(*car.session, ctx.host, car.state);
    bool cancelled = false;
    try {
        scanner.scan();
    } catch (const link::OperationCancelled&) {
        cancelled = true;
    }
    const diag::ModuleScan& scan = scanner.lastScan();
    const link::CarVin carVin = car.state.carVin();
    const QString vin = carVin.known() ? carVin.vin : ctx.args.vinGiven ? car.state.carVIN : QString();
    const std::optional<diag::DtcReading> reading = lastReadingOf(vin, car.journal.path);
    // Which reading the CODES column comes from heads the rows, wherever each stream goes.
    if (reading) {
        ctx.err << QCoreApplication::translate("ScanCommand", "Коды ошибок: чтение %1").arg(reading->time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) << '\n';
        ctx.err.flush();
    }
    printScan(ctx, scan, reading);

    ctx.say(scan.notes);
    if (!carVin.disputed.isEmpty())
        ctx.err << QCoreApplication::translate("ScanCommand", "! Модули автомобиля называют разные VIN: %1").arg(carVin.disputed.join(QStringLiteral("; "))) << '\n';
    else if (carVin.known() && ctx.args.vinGiven && carVin.vin != car.state.carVIN)
        ctx.err << QCoreApplication::translate("ScanCommand", "! VIN автомобиля %1, а не указанный %2").arg(carVin.vin, car.state.carVIN) << '\n';
    ctx.err.flush();

    if (cancelled)
        return ctx.fail(link::Session::cancelledLine().mid(2));
    if (!scan.complete())
        return ExitFailed; // why is on standard error already
    if (scan.answered() == 0)
        return ctx.fail(QCoreApplication::translate("ScanCommand", "ни один модуль не ответил: включено ли зажигание, вставлен ли адаптер в разъём?"));
    return ExitOk;
}

} // namespace talmero::cli
