#include "cli/cli_args.h"

#include "diag/live_values.h"
#include "link/codecs.h"

#include <QCoreApplication>

#include <cmath>

namespace talmero::cli {

namespace {

// The keys of the live values, wrapped under the usage text's NAME column.
QString liveValueNames()
{
    QString names;
    int column = 0;
    for (const diag::LiveValue& v : diag::kLiveValues) {
        const QString key = QLatin1String(v.key);
        if (column > 0 && column + key.size() > 44) {
            names += QStringLiteral("\n                                           ");
            column = 0;
        }
        names += (column > 0 ? QStringLiteral(" ") : QString()) + key;
        column += int(key.size()) + 1;
    }
    return names;
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "usage: talmero-cli [--port NAME|PATH|HOST:PORT|demo|demo-stn] [--baud 38400|9600|115200]\n"
        "                   [--vin VIN]\n"
        "                   [--journal FILE] [--min-voltage V] [--lang en|ru] [--yes] [--log]\n"
        "                   [--bus-switch auto|prompt|stn|rts|dtr|rts-inverted|dtr-inverted]\n"
        "                   COMMAND ARGS\n"
         "       talmero-cli --help | --version\n"
        "\n"
        "Offline:\n"
        "  decode PAGE HEX [--part 1|2]\n"
        "  encode PAGE HEX [--part 1|2] [--set NAME=VALUE]...\n"
        "  asbuilt decode ADDRESS DATA        ADDRESS: 720-01-01, 726-01-01, 726-02-01\n"
        "  asbuilt encode ADDRESS HEX\n"
        "  open-backup FILE PAGE [--part 1|2] [--door driver|passenger]\n"
        "  history [--vin VIN]                the write journal, newest first\n"
        "  compare LEFT.xml RIGHT.xml         exit 0 same, 1 different, 2 error\n"
        "  dtc explain CODE...                what each trouble code is and means\n"
        "With the adapter (--port required):\n"
        "  read-config PAGE [--part 1|2] [--door driver|passenger]\n"
        "  write-config PAGE HEX [--part 1|2] [--door both|driver|passenger] [--dash fl|prefl]\n"
        "  backup [--dir DIR]\n"
        "  dtc read [--save FILE] [--plain] | dtc clear\n"
        "                                     FILE: CSV when it ends in .csv, else text;\n"
        "                                     --plain: without a line of meaning under each code\n"
        "  vin MODULE | read-block MODULE ADDR | write-block MODULE ADDR HEX | restart MODULE\n"
        "  voltage | live\n"
        "  live --values NAME,... [--seconds N] [--csv FILE]\n"
        "                                     reads the values every second for N seconds\n"
        "                                     (default 60), as CSV on standard output and in FILE;\n"
        "                                     NAME: {LIVE_VALUES}\n"
        "  adapter                            what the adapter said it is, and the bus switching\n"
        "  scan                               one line per module: NAME ADDRESS hs|ms\n"
        "                                     answered|refused|silent|not-asked VIN|-|? CODES|?\n"
        "  undo [--force]                     restores the newest write to this car not yet undone;\n"
        "                                     --force: also when the block changed since\n"
        "  compare LEFT.xml --car             a backup file against the car\n"
        "  restore FILE [--only ADDR,...] [--other-car]\n"
        "                                     writes the file's configuration blocks back\n"
        "\n"
        "PAGE: IPC, ACM, BCM, DDM+PDM (or DDM), HVAC, RCM, ABS, HCM.\n"
        "MODULE: IPC, ACM, BCM, DDM, PDM, HVAC, RCM, ABS, HCM, PSCM, PCM.\n"
        "Messages are English, or the program's own Russian texts with a Russian or C locale\n"
        "or --lang ru; listings, blocks and exit statuses are the same in every language.\n"
        "Every write shows what changes and asks Write? [y/N]; --yes answers yes to every\n"
        "question (Write?, Restore?, Clear?, Restart?) and bus prompt, so nothing is asked.\n"
        "No write below --min-voltage (default 12.0).\n"
        "--bus-switch: auto (default) uses an STN adapter's own commands for the medium-speed\n"
        "bus and prompts for the switch otherwise; prompt, stn, or a relay on the port's RTS or\n"
        "DTR line (rts-inverted and dtr-inverted: the line set for the high-speed bus).\n"
        "--port HOST:PORT (or tcp://HOST:PORT): a Wi-Fi adapter, e.g. 192.168.0.10:35000;\n"
        "--baud does not apply to it, nor do the relay ways of --bus-switch.\n"
        "Writes to the demo car go to a journal of their own, beside the given or default one.\n"
        "Exit status: 0 success, 1 the operation failed, 2 usage error.\n")
        .replace(QStringLiteral("{LIVE_VALUES}"), liveValueNames());
}

namespace {

std::optional<int> choice(const QString& value, const QStringList& allowed)
{
    const int i = allowed.indexOf(value.toLower());
    return i < 0 ? std::nullopt : std::optional<int>(i);
}

} // namespace

std::optional<CliArgs> parseArgs(const QStringList& args, QString& error)
{
    CliArgs a;
    QString doorText;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            a.words.append(arg);
            continue;
        }
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) {
                error = arg + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            return args[++i];
        };
        if (arg == QLatin1String("--force")) {
            a.force = true;
        } else if (arg == QLatin1String("--yes")) {
            a.yes = true;
        } else if (arg == QLatin1String("--version")) {
            a.version = true;
        } else if (arg == QLatin1String("--log")) {
            a.log = true;
        } else if (arg == QLatin1String("--port")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.port = *v;
        } else if (arg == QLatin1String("--baud")) {
            const auto v = value();
            const auto b = v ? choice(*v, {QStringLiteral("38400"), QStringLiteral("9600"), QStringLiteral("115200")})
                             : std::nullopt;
            if (!b) {
                error = QStringLiteral("--baud takes 38400, 9600 or 115200");
                return std::nullopt;
            }
            a.baud = v->toInt();
        } else if (arg == QLatin1String("--vin")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.vin = link::upperVIN(*v);
            a.vinGiven = true;
            if (!link::isVIN(a.vin)) {
                error = QCoreApplication::translate("Cli", "Неверный VIN код!");
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--lang")) {
            const auto v = value();
            if (!v || (*v != QLatin1String("en") && *v != QLatin1String("ru"))) {
                error = QStringLiteral("--lang takes en or ru");
                return std::nullopt;
            }
            a.lang = *v;
        } else if (arg == QLatin1String("--bus-switch")) {
            const auto v = value();
            const auto way = v ? link::busSwitchFromName(*v) : std::nullopt;
            if (!way) {
                error = QStringLiteral("--bus-switch takes ") + link::busSwitchNames().join(QStringLiteral(", "));
                return std::nullopt;
            }
            a.busSwitch = *way;
        } else if (arg == QLatin1String("--journal")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.journal = *v;
        } else if (arg == QLatin1String("--min-voltage")) {
            const auto v = value();
            bool ok = false;
            const double volts = v ? v->toDouble(&ok) : 0.0;
            // nan and inf would switch the battery check off.
            if (!ok || !std::isfinite(volts) || volts < 0.0 || volts > 30.0) {
                error = QStringLiteral("--min-voltage takes a voltage, e.g. 12.0");
                return std::nullopt;
            }
            a.minVoltage = volts;
        } else if (arg == QLatin1String("--part")) {
            const auto v = value();
            const auto p = v ? choice(*v, {QStringLiteral("1"), QStringLiteral("2")}) : std::nullopt;
            if (!p) {
                error = QStringLiteral("--part takes 1 or 2");
                return std::nullopt;
            }
            a.part = *p;
        } else if (arg == QLatin1String("--door")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            doorText = v->toLower();
        } else if (arg == QLatin1String("--dash")) {
            const auto v = value();
            const auto d = v ? choice(*v, {QStringLiteral("fl"), QStringLiteral("prefl")}) : std::nullopt;
            if (!d) {
                error = QStringLiteral("--dash takes fl or prefl");
                return std::nullopt;
            }
            a.dash = *d;
        } else if (arg == QLatin1String("--dir")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.dir = *v;
        } else if (arg == QLatin1String("--car")) {
            a.car = true;
        } else if (arg == QLatin1String("--other-car")) {
            a.otherCar = true;
        } else if (arg == QLatin1String("--only")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.only = v->toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
            if (a.only.isEmpty()) {
                error = QStringLiteral("--only takes module addresses, e.g. 720,726");
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--save")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.save = *v;
        } else if (arg == QLatin1String("--plain")) {
            a.plain = true;
        } else if (arg == QLatin1String("--values")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.values = v->toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
            if (a.values.isEmpty()) {
                error = QStringLiteral("--values takes value names, e.g. rpm,speed,coolant");
                return std::nullopt;
            }
            for (const QString& key : a.values) {
                if (!diag::findLiveValue(key)) {
                    error = QStringLiteral("unknown value %1 in --values; known: %2")
                                .arg(key, liveValueNames().simplified());
                    return std::nullopt;
                }
            }
        } else if (arg == QLatin1String("--seconds")) {
            const auto v = value();
            bool ok = false;
            const int seconds = v ? v->toInt(&ok) : 0;
            if (!ok || seconds < 1 || seconds > 24 * 3600) {
                error = QStringLiteral("--seconds takes a whole number of seconds, 1 to 86400");
                return std::nullopt;
            }
            a.seconds = seconds;
        } else if (arg == QLatin1String("--csv")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.csv = *v;
        } else if (arg == QLatin1String("--set")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            if (!v->contains(QLatin1Char('='))) {
                error = QStringLiteral("--set takes NAME=VALUE");
                return std::nullopt;
            }
            a.sets.append(*v);
        } else {
            error = QStringLiteral("unknown option ") + arg;
            return std::nullopt;
        }
    }
    if (a.words.isEmpty() && !a.version) {
        error = QStringLiteral("no command given");
        return std::nullopt;
    }
    // The door names mean the side read, except for a write, whose targets include both.
    if (!doorText.isEmpty()) {
        const bool writing = a.words.first() == QLatin1String("write-config");
        const auto d = writing ? choice(doorText, {QStringLiteral("both"), QStringLiteral("driver"), QStringLiteral("passenger")})
                               : choice(doorText, {QStringLiteral("driver"), QStringLiteral("passenger")});
        if (!d) {
            error = writing ? QStringLiteral("--door takes both, driver or passenger")
                            : QStringLiteral("--door takes driver or passenger");
            return std::nullopt;
        }
        a.door = *d;
    }
    return a;
}

} // namespace talmero::cli
