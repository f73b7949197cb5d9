#include "cli/car_link.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "diag/readiness.h"

namespace talmero::cli {

// readiness: the engine's monitor status since the codes were cleared and in this driving
// cycle; the exit status says whether every supported monitor has completed.
int readinessCommand(CommandContext& ctx, CarLink& car)
{
    if (ctx.args.words.size() != 1)
        return ctx.usage(noArguments(ctx.args.words.first()));
    const diag::ReadinessResult result = diag::ReadinessCheck::run(*car.session);
    if (!result.outcome.ok())
        return ctx.fail(result.outcome);
    for (const QString& line : diag::readinessLines(*result.sinceCleared))
        ctx.out << line << '\n';
    if (result.thisCycle) {
        for (const QString& line : diag::readinessLines(*result.thisCycle))
            ctx.out << line << '\n';
    }
    ctx.out << result.outcome.line << '\n';
    return result.sinceCleared->allComplete() ? ExitOk : ExitFailed;
}

} // namespace talmero::cli
