#include "cli/cli_host.h"
#include "cli/commands.h"
#include "diag/live_data.h"
#include "diag/live_reader.h"
#include "link/adapter.h"
#include "link/session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace talmero::cli {

namespace {

constexpr int kDefaultSeconds = 60;

void waitUntil(const QElapsedTimer& clock, qint64 due)
{
    const qint64 left = due - clock.elapsed();
    if (left <= 0)
        return;
    QEventLoop wait;
    QTimer::singleShot(int(left), &wait, &QEventLoop::quit);
    wait.exec();
}

} // namespace

int recordLiveValues(CommandContext& ctx, link::Session& session)
{
    if (ctx.args.values.isEmpty())
        return ctx.usage(QCoreApplication::translate("Cli", "--seconds и --csv только с --values"));
    QList<const diag::LiveValue*> wanted;
    for (const QString& key : ctx.args.values) {
        const diag::LiveValue* value = diag::findLiveValue(key); // checked with the arguments
        if (value && !wanted.contains(value))
            wanted.append(value);
    }
    if (const link::Outcome opened = diag::LiveData(session, ctx.host).openEngine(); !opened.ok())
        return ctx.fail(opened);
    diag::LiveReader reader(session, ctx.host);
    link::Outcome maps;
    const QList<const diag::LiveValue*> offered = diag::LiveReader::offered(reader.readSupportedPids(&maps));
    if (!maps.ok())
        ctx.say({maps.line});
    QStringList missing;
    for (const diag::LiveValue* value : wanted) {
        if (!offered.contains(value))
            missing.append(QLatin1String(value->key));
    }
    if (!missing.isEmpty())
        return ctx.fail(QCoreApplication::translate("Cli", "модуль двигателя не сообщает %1").arg(missing.join(QStringLiteral(", "))));

    diag::LiveRecording recording(wanted);
    const auto cannotWrite = [&ctx, &recording] {
        return ctx.fail(QCoreApplication::translate("Cli", "не записать %1: %2").arg(ctx.args.csv, recording.error()));
    };
    if (!ctx.args.csv.isEmpty() && !recording.open(ctx.args.csv))
        return cannotWrite();
    ctx.out << diag::LiveRecording::header(wanted) << '\n';
    const int seconds = ctx.args.seconds > 0 ? ctx.args.seconds : kDefaultSeconds;
    QElapsedTimer clock; // monotonic: a clock change does not bend the time column
    clock.start();
    for (int k = 0; k < seconds; ++k) {
        waitUntil(clock, k * 1000LL);
        const double at = clock.elapsed() / 1000.0;
        const diag::LiveReadings readings = reader.read(wanted);
        // What was read so far stays in the file.
        if (session.adapter().linkLost())
            return ctx.fail(QCoreApplication::translate("Cli", "связь с адаптером потеряна после %n чтений", nullptr, k));
        ctx.out << diag::LiveRecording::row(wanted, at, readings) << '\n';
        ctx.out.flush();
        if (!ctx.args.csv.isEmpty() && !recording.addRow(at, readings))
            return cannotWrite();
    }
    return ExitOk;
}

} // namespace talmero::cli
