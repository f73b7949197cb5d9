#include "cli/car_link.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "config/vehicle_compare.h"
#include "link/link_error.h"

#include <QCoreApplication>

namespace talmero::cli {

namespace {

constexpr int kCompareError = 2;

int compare(CommandContext& ctx)
{
    const QStringList& w = ctx.args.words;
    if (w.size() != (ctx.args.car ? 2 : 3))
        return ctx.usage(QCoreApplication::translate("Cli", "compare: нужны LEFT.xml RIGHT.xml или LEFT.xml --car"));
    if (ctx.args.car && ctx.args.port.isEmpty())
        return ctx.usage(QCoreApplication::translate("Cli", "compare --car: нужен --port"));
    // A file that cannot be read is said at once, with nothing to wait for.
    ctx.host.setWaiting(false);
    const auto left = config::readVehicleFile(w[1], ctx.host);
    if (!left)
        return kCompareError;
    std::optional<config::VehicleConfig> right;
    if (!ctx.args.car) {
        right = config::readVehicleFile(w[2], ctx.host);
        if (!right)
            return kCompareError;
    } else {
        ctx.host.setWaiting(!ctx.args.yes);
        try {
            CarLink car(ctx.args, ctx.host);
            config::CarReading reading = config::readVehicleFromCar(*car.session, ctx.host, car.state);
            ctx.say(reading.car ? reading.notes : QStringList{reading.outcome.line});
            if (!reading.car)
                return kCompareError;
            right = std::move(reading.car);
        } catch (const link::LinkError& e) {
            ctx.fail(e.text());
            return kCompareError;
        } catch (const link::OperationCancelled&) {
            ctx.fail(link::Session::cancelledLine().mid(2));
            return kCompareError;
        }
    }
    const config::Comparison comparison = config::compareVehicles(*left, *right);
    for (const QString& line : config::comparisonLines(comparison))
        ctx.out << line << '\n';
    return comparison.same() ? ExitOk : ExitFailed;
}

} // namespace

int runCompareCommand(CommandContext& ctx)
{
    return compare(ctx);
}

} // namespace talmero::cli
