// talmero-sim: the virtual car on a pseudo-terminal or a TCP port. The first line of the
// output is the device to open (or the address to connect to); it serves until SIGTERM
// or SIGINT.
#include "sim/car.h"
#include "sim/elm327.h"
#include "sim/pty_server.h"
#include "sim/readable_bytes.h"
#include "sim/tcp_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QSocketNotifier>
#include <QTime>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <memory>
#include <utility>
#include <unistd.h>

using namespace talmero::sim;

namespace {

constexpr int kBadUsage = 2;
constexpr double kMaxVolts = 30.0; // more than a 12 V car's battery ever shows
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

[[noreturn]] void usageError(const QString& text)
{
    std::fprintf(stderr, "talmero-sim: %s\nTry 'talmero-sim --help'.\n", qPrintable(text));
    std::exit(kBadUsage);
}

// "silent, negative, ... or ignore"
QString faultKindList()
{
    QStringList names = faultKindNames();
    const QString last = names.takeLast();
    return names.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
}

void applyFault(Car& car, const QString& faultText)
{
    const qsizetype colon = faultText.indexOf(QLatin1Char(':'));
    const QString address = faultText.left(colon).toUpper();
    const std::optional<FaultKind> kind = faultKindFromName(faultText.mid(colon + 1));
    if (colon < 0 || (!car.hasModule(address) && address != Car::kAdapter))
        usageError(QStringLiteral("--fault %1: ADDRESS must be a module address (%2) or ELM")
                       .arg(faultText, car.addresses().join(QStringLiteral(", "))));
    if (!kind)
        usageError(QStringLiteral("--fault %1: KIND must be %2").arg(faultText, faultKindList()));
    if (*kind == FaultKind::Ignore && address == Car::kAdapter)
        usageError(QStringLiteral("--fault %1: only a module keeps a block it was told to write")
                       .arg(faultText));
    if ((*kind == FaultKind::BusyWrite || *kind == FaultKind::BusyLost) && address == Car::kAdapter)
        usageError(QStringLiteral("--fault %1: only a module is busy storing a block").arg(faultText));
    car.setFault(address, *kind);
}

// --trace: every exchange on standard error, with the time to the millisecond.
void traceLine(const QByteArray& text)
{
    std::fprintf(stderr, "%s %s\n", qPrintable(QTime::currentTime().toString(
                                         QStringLiteral("HH:mm:ss.zzz"))),
                 text.constData());
}

template <typename Server>
void traceExchanges(Server& server)
{
    QObject::connect(&server, &Server::received,
                     [](const QByteArray& bytes) { traceLine("< " + readableBytes(bytes)); });
    QObject::connect(&server, &Server::sent,
                     [](const QByteArray& bytes) { traceLine("> " + readableBytes(bytes)); });
}

void traceServer(PtyServer& server)
{
    QObject::connect(&server, &PtyServer::rateSeen, [](int baud) {
        traceLine(baud > 0 ? "port at " + QByteArray::number(baud) + " baud"
                           : QByteArray("port at a rate talmero-sim does not know"));
    });
    traceExchanges(server);
}

void traceServer(TcpServer& server)
{
    QObject::connect(&server, &TcpServer::clientEvent, [](const QByteArray& text) { traceLine(text); });
    traceExchanges(server);
}

// --tcp [HOST:]PORT: the address to listen on, 127.0.0.1 unless given.
std::pair<QHostAddress, quint16> listenAddress(const QString& text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    QString host = colon < 0 ? QStringLiteral("127.0.0.1") : text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    const QString portText = text.mid(colon + 1);
    bool ok = !portText.isEmpty();
    for (const QChar c : portText)
        ok = ok && c.isDigit();
    const uint port = ok && portText.size() <= 5 ? portText.toUInt() : 65536;
    if (port > 65535)
        usageError(QStringLiteral("--tcp %1: PORT must be a number from 0 to 65535 (0: a free port)").arg(text));
    const QHostAddress address = host == QLatin1String("localhost") ? QHostAddress(QHostAddress::LocalHost)
                                                                   : QHostAddress(host);
    if (address.isNull())
        usageError(QStringLiteral("--tcp %1: HOST must be an IP address such as 127.0.0.1 or 0.0.0.0").arg(text));
    return {address, quint16(port)};
}

// Manual switch: "hs" or "ms" lines on standard input move the adapter's switch.
void watchSwitchCommands(Car& car, QObject* owner)
{
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, owner);
    auto* line = new QByteArray;
    QObject::connect(notifier, &QObject::destroyed, [line] { delete line; });
    QObject::connect(notifier, &QSocketNotifier::activated, [&car, notifier, line] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            notifier->setEnabled(false); // end of input: the switch stays where it is
            return;
        }
        *line += QByteArray(buffer, n);
        for (qsizetype end = line->indexOf('\n'); end >= 0; end = line->indexOf('\n')) {
            const QByteArray word = line->left(end).trimmed().toLower();
            line->remove(0, end + 1);
            if (word == "hs" || word == "ms") {
                car.setSwitchMedium(word == "ms");
                std::fprintf(stderr, "talmero-sim: switch on the %s bus\n",
                             word == "ms" ? "medium-speed" : "high-speed");
            } else if (!word.isEmpty()) {
                std::fprintf(stderr, "talmero-sim: unknown switch command '%s' (hs or ms)\n",
                             word.constData());
            }
        }
    });
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("talmero-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALMERO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated Ford Focus II behind an ELM327 v1.5 adapter, served on a "
        "pseudo-terminal or a TCP port.\nThe first line of the output is the device path to open "
        "(with --tcp: the address to connect to)."));
    // Not addHelpOption(): its --help-all would be parsed but not answered, and the car
    // would start serving instead.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption switchOpt(
        QStringLiteral("switch"),
        QStringLiteral("Bus switch: auto (follows ATSP6/ATSPB, default) or manual (type hs or "
                       "ms lines on standard input)."),
        QStringLiteral("auto|manual"), QStringLiteral("auto"));
    const QCommandLineOption adapterOpt(
        QStringLiteral("adapter"),
        QStringLiteral("Adapter: elm327 (an ELM327 v1.5 with a bus switch, default), elm327-v1.2 "
                       "(the same before answer counts: a request with one refuses '?') or stn (an "
                       "STN chip with both buses, switched by STP53 and ATSP6/ATTP6; --switch "
                       "does not apply)."),
        QStringLiteral("ADAPTER"), QStringLiteral("elm327"));
    const QCommandLineOption tcpOpt(
        QStringLiteral("tcp"),
        QStringLiteral("Serve on a TCP port instead of a pseudo-terminal, as a Wi-Fi adapter does "
                       "(HOST 127.0.0.1 unless given; PORT 0 takes a free one), one client at a time."),
        QStringLiteral("[HOST:]PORT"));
    const QCommandLineOption dropOpt(
        QStringLiteral("drop-on"),
        QStringLiteral("With --tcp: the connection drops once, when the program sends REQUEST "
                       "(2100, 3B00...): the adapter takes it, no answer leaves."),
        QStringLiteral("REQUEST"));
    const QCommandLineOption timingOpt(
        QStringLiteral("timing"),
        QStringLiteral("elm: after an answer the adapter listens for more until its time-out (AT ST, "
                       "adaptive timing AT AT0/1/2) unless the request carried an answer count, and a "
                       "reset (ATZ) takes --reset-ms; instant: the prompt follows at once. Default: elm "
                       "with --baud-timing, else instant."),
        QStringLiteral("elm|instant"));
    const QCommandLineOption noCountOpt(
        QStringLiteral("no-count"),
        QStringLiteral("The adapter refuses a request carrying an answer count ('?'), as many "
                       "clones calling themselves v1.5 do."));
    const QCommandLineOption noStpxOpt(
        QStringLiteral("no-stpx"),
        QStringLiteral("With --adapter stn: the chip refuses the one-line request STPX ('?'), as older "
                       "firmware does."));
    const QCommandLineOption resetOpt(
        QStringLiteral("reset-ms"),
        QStringLiteral("With --timing elm: how long ATZ takes before it answers (its LED test)."),
        QStringLiteral("MS"), QString::number(Elm327::kDefaultResetMs));
    const QCommandLineOption baudOpt(
        QStringLiteral("baud-timing"),
        QStringLiteral("Answers take the wire time of the baud rate set on the terminal."));
    const QCommandLineOption latencyOpt(QStringLiteral("latency"),
                                        QStringLiteral("Reply time of adapter and modules."),
                                        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption faultOpt(
        QStringLiteral("fault"),
        QStringLiteral("Fault of a module (its address) or of the adapter (ELM); KIND is "
                       "%1. stopped, canerror, bufferfull, businit: the adapter prints its own "
                       "text after the first frame of a multi-frame answer; garbled: one character "
                       "of such an answer arrives wrong; busy: a block write is answered 7F 3B 78 "
                       "and then 7B, the block stored a moment later; busylost: the same, but the "
                       "7B never arrives. Repeatable.")
            .arg(faultKindList()),
        QStringLiteral("ADDRESS:KIND"));
    const QCommandLineOption voltageOpt(
        QStringLiteral("voltage"),
        QStringLiteral("Battery voltage the adapter reads (ATRV), 0 to %1.").arg(kMaxVolts),
        QStringLiteral("V"), QStringLiteral("12.6"));
    const QCommandLineOption traceOpt(
        QStringLiteral("trace"),
        QStringLiteral("Print every received command and every answer on standard error, "
                       "with the time and the rate the port is set to."));
    const QCommandLineOption stateOpt(
        QStringLiteral("state"),
        QStringLiteral("Load the car from FILE if it exists; save it there after every change. FILE may "
                       "declare modules beyond the car's own: {\"modules\": [{\"address\": \"7A0\", \"bus\": "
                       "\"high\"|\"medium\", \"session\": true, \"restart\": false, \"troubleCodes\": true, "
                       "\"blocks\": {\"01\": \"C1\"}, \"dtcs\": [\"B10000\"]}]} (session: opened with 1087 and "
                       "needed for writes; restart: takes 1101; troubleCodes: answers 18 and 14, else 7F 18 11; "
                       "dtcs: two code bytes and the status each)."),
        QStringLiteral("FILE"));
    parser.addOptions({switchOpt, adapterOpt, tcpOpt, dropOpt, baudOpt, latencyOpt, timingOpt, noCountOpt, noStpxOpt,
                       resetOpt, faultOpt, stateOpt, voltageOpt, traceOpt});

    if (!parser.parse(app.arguments()))
        usageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0]));

    const QString switchMode = parser.value(switchOpt);
    if (switchMode != QLatin1String("auto") && switchMode != QLatin1String("manual"))
        usageError(QStringLiteral("--switch must be auto or manual, not '%1'").arg(switchMode));
    const QString adapterKind = parser.value(adapterOpt);
    if (adapterKind != QLatin1String("elm327") && adapterKind != QLatin1String("elm327-v1.2")
        && adapterKind != QLatin1String("stn"))
        usageError(QStringLiteral("--adapter must be elm327, elm327-v1.2 or stn, not '%1'").arg(adapterKind));
    const QString timing = parser.value(timingOpt);
    if (!timing.isEmpty() && timing != QLatin1String("elm") && timing != QLatin1String("instant"))
        usageError(QStringLiteral("--timing must be elm or instant, not '%1'").arg(timing));
    const bool elmTiming = timing.isEmpty() ? parser.isSet(baudOpt) : timing == QLatin1String("elm");
    const bool tcp = parser.isSet(tcpOpt);
    if (!tcp && parser.isSet(dropOpt))
        usageError(QStringLiteral("--drop-on needs --tcp: only a Wi-Fi link drops"));
    if (tcp && parser.isSet(baudOpt))
        usageError(QStringLiteral("--baud-timing needs a pseudo-terminal: a TCP connection has no baud rate"));
    bool ok = false;
    const int latency = parser.value(latencyOpt).toInt(&ok);
    if (!ok || latency < 0)
        usageError(QStringLiteral("--latency needs a number of milliseconds (0 or more)"));
    const int resetMs = parser.value(resetOpt).toInt(&ok);
    if (!ok || resetMs < 0)
        usageError(QStringLiteral("--reset-ms needs a number of milliseconds (0 or more)"));
    if (parser.isSet(noStpxOpt) && adapterKind != QLatin1String("stn"))
        usageError(QStringLiteral("--no-stpx needs --adapter stn: only an STN chip knows STPX"));
    const double volts = parser.value(voltageOpt).toDouble(&ok);
    if (!ok || !std::isfinite(volts) || volts < 0 || volts > kMaxVolts)
        usageError(QStringLiteral("--voltage needs a number of volts from 0 to %1").arg(kMaxVolts));

    Car car;
    const QString statePath = parser.value(stateOpt);
    if (!statePath.isEmpty()) {
        try {
            car.load(statePath);
        } catch (const StateFileError& e) {
            usageError(QString::fromStdString(e.what()));
        }
        car.setChangeHandler([&car, statePath] {
            try {
                car.save(statePath);
            } catch (const StateFileError& e) {
                std::fprintf(stderr, "talmero-sim: %s\n", e.what());
            }
        });
    }
    for (const QString& faultText : parser.values(faultOpt))
        applyFault(car, faultText);
    car.setBatteryVolts(volts);

    const bool manual = switchMode == QLatin1String("manual");
    Elm327 elm(car, manual ? Elm327::SwitchMode::Manual : Elm327::SwitchMode::Auto);
    elm.setLatencyMs(latency);
    elm.setTiming(elmTiming ? Elm327::Timing::Elm : Elm327::Timing::Instant);
    if (adapterKind == QLatin1String("stn"))
        elm.setChip(Elm327::Chip::Stn);
    else if (adapterKind == QLatin1String("elm327-v1.2"))
        elm.setChip(Elm327::Chip::Elm327V12);
    if (parser.isSet(noCountOpt) || adapterKind == QLatin1String("elm327-v1.2"))
        elm.setAnswerCounts(false);
    elm.setOneLineRequests(!parser.isSet(noStpxOpt));
    elm.setResetMs(resetMs);

    std::unique_ptr<PtyServer> pty;
    std::unique_ptr<TcpServer> network;
    QString served;
    try {
        if (tcp) {
            const auto [address, port] = listenAddress(parser.value(tcpOpt));
            network = std::make_unique<TcpServer>(elm);
            network->dropOn(parser.value(dropOpt).toLatin1());
            if (parser.isSet(traceOpt))
                traceServer(*network);
            network->open(address, port);
            served = network->address();
        } else {
            pty = std::make_unique<PtyServer>(elm, parser.isSet(baudOpt));
            if (parser.isSet(traceOpt))
                traceServer(*pty);
            pty->open();
            served = pty->slavePath();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "talmero-sim: cannot %s: %s\n",
                     tcp ? "listen on the TCP port" : "create a pseudo-terminal", e.what());
        return 1;
    }

    if (::pipe(g_signalPipe) != 0) {
        std::perror("talmero-sim: pipe");
        return 1;
    }
    QSocketNotifier signalNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    if (manual)
        watchSwitchCommands(car, &app);

    std::printf("%s\n", qPrintable(served));
    std::fflush(stdout);
    return app.exec();
}
