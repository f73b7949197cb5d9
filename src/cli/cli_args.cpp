#include "cli/cli_args.h"

#include "diag/live_values.h"
#include "link/codecs.h"

#include <QCommandLineParser>
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

// The options of the command line, each with its check; a check returns "" when the
// value is good, else the usage error.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption port{QStringLiteral("port"), QString(), QStringLiteral("NAME")};
    QCommandLineOption baud{QStringLiteral("baud"), QString(), QStringLiteral("RATE")};
    QCommandLineOption vin{QStringLiteral("vin"), QString(), QStringLiteral("VIN")};
    QCommandLineOption lang{QStringLiteral("lang"), QString(), QStringLiteral("LANG")};
    QCommandLineOption busSwitch{QStringLiteral("bus-switch"), QString(), QStringLiteral("WAY")};
    QCommandLineOption journal{QStringLiteral("journal"), QString(), QStringLiteral("FILE")};
    QCommandLineOption minVoltage{QStringLiteral("min-voltage"), QString(), QStringLiteral("V")};
    QCommandLineOption part{QStringLiteral("part"), QString(), QStringLiteral("PART")};
    QCommandLineOption door{QStringLiteral("door"), QString(), QStringLiteral("DOOR")};
    QCommandLineOption dash{QStringLiteral("dash"), QString(), QStringLiteral("DASH")};
    QCommandLineOption dir{QStringLiteral("dir"), QString(), QStringLiteral("DIR")};
    QCommandLineOption only{QStringLiteral("only"), QString(), QStringLiteral("ADDR")};
    QCommandLineOption save{QStringLiteral("save"), QString(), QStringLiteral("FILE")};
    QCommandLineOption values{QStringLiteral("values"), QString(), QStringLiteral("NAMES")};
    QCommandLineOption seconds{QStringLiteral("seconds"), QString(), QStringLiteral("N")};
    QCommandLineOption csv{QStringLiteral("csv"), QString(), QStringLiteral("FILE")};
    QCommandLineOption set{QStringLiteral("set"), QString(), QStringLiteral("NAME=VALUE")};
    QCommandLineOption force{QStringLiteral("force")};
    QCommandLineOption yes{QStringLiteral("yes")};
    QCommandLineOption version{QStringLiteral("version")};
    QCommandLineOption log{QStringLiteral("log")};
    QCommandLineOption car{QStringLiteral("car")};
    QCommandLineOption otherCar{QStringLiteral("other-car")};
    QCommandLineOption plain{QStringLiteral("plain")};

    Options()
    {
        parser.addOptions({port, baud, vin, lang, busSwitch, journal, minVoltage, part, door, dash, dir, only, save,
                           values, seconds, csv, set, force, yes, version, log, car, otherCar, plain});
    }
    // Whether "--name" takes a value.
    bool takesValue(const QString& arg) const
    {
        for (const QCommandLineOption* o : {&port, &baud, &vin, &lang, &busSwitch, &journal, &minVoltage, &part, &door,
                                            &dash, &dir, &only, &save, &values, &seconds, &csv, &set}) {
            if (arg == QStringLiteral("--") + o->names().first())
                return true;
        }
        return false;
    }
};

} // namespace

std::optional<CliArgs> parseArgs(const QStringList& args, QString& error)
{
    Options o;
    const auto refuse = [&error](const QString& text) -> std::optional<CliArgs> {
        error = text;
        return std::nullopt;
    };
    // An option at the end that wants a value has none.
    if (!args.isEmpty() && o.takesValue(args.last()))
        return refuse(args.last() + QStringLiteral(" needs a value"));
    if (!o.parser.parse(QStringList{QStringLiteral("talmero-cli")} + args)) {
        const QStringList unknown = o.parser.unknownOptionNames();
        return refuse(unknown.isEmpty() ? o.parser.errorText()
                                        : QStringLiteral("unknown option ")
                                              + (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"))
                                              + unknown.first());
    }
    const QCommandLineParser& p = o.parser;
    CliArgs a;
    a.words = p.positionalArguments();
    a.force = p.isSet(o.force);
    a.yes = p.isSet(o.yes);
    a.version = p.isSet(o.version);
    a.log = p.isSet(o.log);
    a.car = p.isSet(o.car);
    a.otherCar = p.isSet(o.otherCar);
    a.plain = p.isSet(o.plain);
    a.port = p.value(o.port);
    a.journal = p.value(o.journal);
    a.dir = p.value(o.dir);
    a.save = p.value(o.save);
    a.csv = p.value(o.csv);
    if (p.isSet(o.baud)) {
        if (!choice(p.value(o.baud), {QStringLiteral("38400"), QStringLiteral("9600"), QStringLiteral("115200")}))
            return refuse(QStringLiteral("--baud takes 38400, 9600 or 115200"));
        a.baud = p.value(o.baud).toInt();
    }
    if (p.isSet(o.vin)) {
        a.vin = link::upperVIN(p.value(o.vin));
        a.vinGiven = true;
        if (!link::isVIN(a.vin))
            return refuse(QCoreApplication::translate("Cli", "Неверный VIN код!"));
    }
    if (p.isSet(o.lang)) {
        a.lang = p.value(o.lang);
        if (a.lang != QLatin1String("en") && a.lang != QLatin1String("ru"))
            return refuse(QStringLiteral("--lang takes en or ru"));
    }
    if (p.isSet(o.busSwitch)) {
        const auto way = link::busSwitchFromName(p.value(o.busSwitch));
        if (!way)
            return refuse(QStringLiteral("--bus-switch takes ") + link::busSwitchNames().join(QStringLiteral(", ")));
        a.busSwitch = *way;
    }
    if (p.isSet(o.minVoltage)) {
        bool ok = false;
        const double volts = p.value(o.minVoltage).toDouble(&ok);
        // nan and inf would switch the battery check off.
        if (!ok || !std::isfinite(volts) || volts < 0.0 || volts > 30.0)
            return refuse(QStringLiteral("--min-voltage takes a voltage, e.g. 12.0"));
        a.minVoltage = volts;
    }
    if (p.isSet(o.part)) {
        const auto part = choice(p.value(o.part), {QStringLiteral("1"), QStringLiteral("2")});
        if (!part)
            return refuse(QStringLiteral("--part takes 1 or 2"));
        a.part = *part;
    }
    if (p.isSet(o.dash)) {
        const auto dash = choice(p.value(o.dash), {QStringLiteral("fl"), QStringLiteral("prefl")});
        if (!dash)
            return refuse(QStringLiteral("--dash takes fl or prefl"));
        a.dash = *dash;
    }
    if (p.isSet(o.only)) {
        a.only = p.value(o.only).toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (a.only.isEmpty())
            return refuse(QStringLiteral("--only takes module addresses, e.g. 720,726"));
    }
    if (p.isSet(o.values)) {
        a.values = p.value(o.values).toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (a.values.isEmpty())
            return refuse(QStringLiteral("--values takes value names, e.g. rpm,speed,coolant"));
        for (const QString& key : a.values) {
            if (!diag::findLiveValue(key))
                return refuse(QStringLiteral("unknown value %1 in --values; known: %2").arg(key, liveValueNames().simplified()));
        }
    }
    if (p.isSet(o.seconds)) {
        bool ok = false;
        a.seconds = p.value(o.seconds).toInt(&ok);
        if (!ok || a.seconds < 1 || a.seconds > 24 * 3600)
            return refuse(QStringLiteral("--seconds takes a whole number of seconds, 1 to 86400"));
    }
    for (const QString& assignment : p.values(o.set)) {
        if (!assignment.contains(QLatin1Char('=')))
            return refuse(QStringLiteral("--set takes NAME=VALUE"));
        a.sets.append(assignment);
    }
    if (a.words.isEmpty() && !a.version)
        return refuse(QStringLiteral("no command given"));
    // The door names mean the side read, except for a write, whose targets include both.
    if (p.isSet(o.door)) {
        const QString doorText = p.value(o.door).toLower();
        const bool writing = a.words.value(0) == QLatin1String("write-config");
        const auto d = writing ? choice(doorText, {QStringLiteral("both"), QStringLiteral("driver"), QStringLiteral("passenger")})
                               : choice(doorText, {QStringLiteral("driver"), QStringLiteral("passenger")});
        if (!d)
            return refuse(writing ? QStringLiteral("--door takes both, driver or passenger")
                                  : QStringLiteral("--door takes driver or passenger"));
        a.door = *d;
    }
    return a;
}

} // namespace talmero::cli
