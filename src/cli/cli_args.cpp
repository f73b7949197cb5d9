#include "cli/cli_args.h"

#include "config/catalog_lists.h"
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
    // The synopsis keeps the command line's own words (they are typed as they stand);
    // the explanations are messages like any other.
    return QCoreApplication::translate("Cli",
        "использование: talmero-cli [--port NAME|PATH|HOST:PORT|bt://MAC|ble://MAC|demo|demo-stn]\n"
        "                   [--baud 38400|9600|115200]\n"
        "                   [--vin VIN] [--journal FILE] [--min-voltage V] [--lang en|ru] [--yes] [--log]\n"
        "                   [--dir DIR] [--no-backup]\n"
        "                   [--bus-switch auto|prompt|stn|rts|dtr|rts-inverted|dtr-inverted]\n"
        "                   [--trust FILE]... COMMAND ARGS\n"
        "       talmero-cli --help | --version\n"
        "\n"
        "Без адаптера:\n"
        "  decode PAGE HEX [--part 1|2]\n"
        "  encode PAGE HEX [--part 1|2] [--set NAME=VALUE]...\n"
        "  asbuilt decode ADDRESS DATA        ADDRESS: {ASBUILT}\n"
        "  asbuilt encode ADDRESS HEX\n"
        "  open-backup FILE PAGE [--part 1|2] [--door driver|passenger]\n"
        "  history [--vin VIN]                журнал записей, новые сверху\n"
        "  compare LEFT.xml RIGHT.xml         код выхода: 0 одинаковы, 1 различаются, 2 ошибка\n"
        "  dtc explain CODE...                что такое каждый код неисправности и что он значит\n"
        "  modules list                       свои модули и файлы описания модулей: что каждый\n"
        "                                     добавляет, и отклонённые файлы с причиной\n"
        "  modules check FILE...              проверяет файлы описания; код выхода 1, если какой-то\n"
        "                                     отклонён\n"
        "  modules export [PAGE...] [--dir DIR]\n"
        "                                     записывает описания модулей файлами описания: свои или\n"
        "                                     страниц PAGE (страницу файла описания - как её даёт файл)\n"
        "  modules trust FILE...              доверяет файлам описания, каковы они сейчас, и говорит,\n"
        "                                     чему доверено; modules untrust FILE... снимает доверие\n"
        "  adapters [search]                  порты адаптеров по строке: ПОРТ и что это (для --port);\n"
        "                                     search сначала ищет адаптеры Bluetooth 10 с\n"
        "С адаптером (нужен --port):\n"
        "  read-config PAGE [--part 1|2] [--door driver|passenger]\n"
        "  write-config PAGE HEX [--part 1|2] [--door both|driver|passenger] [--dash fl|prefl]\n"
        "  backup [--dir DIR]                 модули в файл VehicleData в DIR:\n"
        "                                     {BACKUP}\n"
        "  dtc read [--save FILE] [--plain] | dtc clear\n"
        "                                     FILE: CSV, если имя оканчивается на .csv, иначе текст;\n"
        "                                     --plain: без значения и стоп-кадра под каждым кодом\n"
        "  readiness                          готовность систем двигателя (OBD-II): лампа, коды и\n"
        "                                     каждая проверка; код выхода 0, если завершены все\n"
        "                                     проверки, которые двигатель поддерживает, иначе 1\n"
        "  vin MODULE | read-block MODULE ADDR | write-block MODULE ADDR HEX | restart MODULE\n"
        "  voltage | live\n"
        "  live --values NAME,... [--seconds N] [--csv FILE]\n"
        "                                     читает значения каждую секунду N секунд (по умолчанию\n"
        "                                     60), в CSV на стандартный вывод и в FILE;\n"
        "                                     NAME: {LIVE_VALUES}\n"
        "  adapter                            как назвался адаптер и как переключаются шины\n"
        "  scan                               по строке на модуль: NAME ADDRESS hs|ms\n"
        "                                     answered|refused|silent|not-asked VIN|-|? CODES|?\n"
        "  undo [--force]                     отменяет последнюю ещё не отменённую запись в этот\n"
        "                                     автомобиль; --force: даже если блок с тех пор изменился\n"
        "  compare LEFT.xml --car             файл копии против автомобиля\n"
        "  restore FILE [--only ADDR,...] [--other-car]\n"
        "                                     записывает блоки конфигурации из файла обратно\n"
        "\n"
        "PAGE: {PAGES} и страницы файлов описания.\n"
        "MODULE: {MODULES} и модули файлов описания.\n"
        "Сообщения русские при русской локали и с --lang ru, иначе английские (и при локали\n"
        "C или POSIX); списки, блоки и коды выхода одинаковы на любом языке.\n"
        "Каждая запись показывает, что изменится, и спрашивает подтверждение [y/N]; --yes отвечает\n"
        "«да» на все вопросы (Write?, Restore?, Clear?, Restart?) и подсказки о шине, так что\n"
        "ничего не спрашивается. Ниже --min-voltage (по умолчанию 12.0) ничего не записывается.\n"
        "Первой записи в автомобиль, резервной копии которого в папке копий ещё нет, предшествует\n"
        "резервная копия, как у команды backup (папка копий: --dir, иначе папка backup по\n"
        "умолчанию); --no-backup записывает без неё.\n"
        "--bus-switch: auto (по умолчанию) переключает на среднескоростную шину командами адаптера\n"
        "STN, а с другим адаптером просит переключить тумблер; prompt, stn или реле на линии RTS\n"
        "или DTR порта (rts-inverted и dtr-inverted: линия включена для высокоскоростной шины).\n"
        "--port HOST:PORT (или tcp://HOST:PORT): адаптер Wi-Fi, например 192.168.0.10:35000;\n"
        "--baud к нему не относится, как и переключение шин реле.\n"
        "--port bt://MAC: адаптер Bluetooth (последовательный порт SPP), сопряжённый один раз\n"
        "(bluetoothctl, PIN обычно 1234 или 0000); --port ble://MAC: адаптер Bluetooth LE.\n"
        "К ним --baud и реле тоже не относятся.\n"
        "Файлы описания модулей читаются из ~/.local/share/TALMERO/TALMERO/modules и\n"
        "/usr/share/talmero/modules. Параметры из файла записываются, только когда ему доверяют:\n"
        "доверие помнит путь и SHA-256 файла; изменённому файлу снова нет доверия. --trust FILE\n"
        "доверяет файлу для одной команды и запоминает доверие, только если она выполнена (код 0).\n"
        "Записи в демо-автомобиль идут в отдельный журнал рядом с указанным или обычным.\n"
        "Код выхода: 0 успех, 1 операция не удалась, 2 ошибка в командной строке.\n")
        .replace(QStringLiteral("{LIVE_VALUES}"), liveValueNames())
        // The module table's lists, so that a module added changes no translated text.
        .replace(QStringLiteral("{ASBUILT}"), config::asBuiltAddresses().join(QStringLiteral(", ")))
        .replace(QStringLiteral("{BACKUP}"), config::backupModuleNames().join(QLatin1Char(' ')))
        .replace(QStringLiteral("{PAGES}"), config::pageNames(QCoreApplication::translate("Cli", "(или %1)")).join(QStringLiteral(", ")))
        .replace(QStringLiteral("{MODULES}"), config::moduleNames().join(QStringLiteral(", ")));
}

QString langArgument(const QStringList& args)
{
    const qsizetype at = args.indexOf(QLatin1String("--lang"));
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
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
    QCommandLineOption trust{QStringLiteral("trust"), QString(), QStringLiteral("FILE")};
    QCommandLineOption force{QStringLiteral("force")};
    QCommandLineOption yes{QStringLiteral("yes")};
    QCommandLineOption version{QStringLiteral("version")};
    QCommandLineOption log{QStringLiteral("log")};
    QCommandLineOption car{QStringLiteral("car")};
    QCommandLineOption otherCar{QStringLiteral("other-car")};
    QCommandLineOption plain{QStringLiteral("plain")};
    QCommandLineOption noBackup{QStringLiteral("no-backup")};

    Options()
    {
        parser.addOptions({port, baud, vin, lang, busSwitch, journal, minVoltage, part, door, dash, dir, only, save,
                           values, seconds, csv, set, trust, force, yes, version, log, car, otherCar, plain, noBackup});
    }
    // Whether "--name" takes a value.
    bool takesValue(const QString& arg) const
    {
        for (const QCommandLineOption* o : {&port, &baud, &vin, &lang, &busSwitch, &journal, &minVoltage, &part, &door,
                                            &dash, &dir, &only, &save, &values, &seconds, &csv, &set, &trust}) {
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
        return refuse(QCoreApplication::translate("Cli", "после %1 нужно значение").arg(args.last()));
    if (!o.parser.parse(QStringList{QStringLiteral("talmero-cli")} + args)) {
        const QStringList unknown = o.parser.unknownOptionNames();
        return refuse(unknown.isEmpty() ? o.parser.errorText()
                                        : QCoreApplication::translate("Cli", "неизвестный параметр %1").arg((unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + unknown.first()));
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
    a.noBackup = p.isSet(o.noBackup);
    a.port = p.value(o.port);
    a.journal = p.value(o.journal);
    a.dir = p.value(o.dir);
    a.save = p.value(o.save);
    a.csv = p.value(o.csv);
    if (p.isSet(o.baud)) {
        if (!choice(p.value(o.baud), {QStringLiteral("38400"), QStringLiteral("9600"), QStringLiteral("115200")}))
            return refuse(QCoreApplication::translate("Cli", "--baud: 38400, 9600 или 115200"));
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
            return refuse(QCoreApplication::translate("Cli", "--lang: en или ru"));
    }
    if (p.isSet(o.busSwitch)) {
        const auto way = link::busSwitchFromName(p.value(o.busSwitch));
        if (!way)
            return refuse(QCoreApplication::translate("Cli", "--bus-switch: одно из %1").arg(link::busSwitchNames().join(QStringLiteral(", "))));
        a.busSwitch = *way;
    }
    if (p.isSet(o.minVoltage)) {
        bool ok = false;
        const double volts = p.value(o.minVoltage).toDouble(&ok);
        // nan and inf would switch the battery check off.
        if (!ok || !std::isfinite(volts) || volts < 0.0 || volts > 30.0)
            return refuse(QCoreApplication::translate("Cli", "--min-voltage: напряжение, например 12.0"));
        a.minVoltage = volts;
    }
    if (p.isSet(o.part)) {
        const auto part = choice(p.value(o.part), {QStringLiteral("1"), QStringLiteral("2")});
        if (!part)
            return refuse(QCoreApplication::translate("Cli", "--part: 1 или 2"));
        a.part = *part;
    }
    if (p.isSet(o.dash)) {
        const auto dash = choice(p.value(o.dash), {QStringLiteral("fl"), QStringLiteral("prefl")});
        if (!dash)
            return refuse(QCoreApplication::translate("Cli", "--dash: fl или prefl"));
        a.dash = *dash;
    }
    if (p.isSet(o.only)) {
        a.only = p.value(o.only).toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (a.only.isEmpty())
            return refuse(QCoreApplication::translate("Cli", "--only: адреса модулей, например 720,726"));
    }
    if (p.isSet(o.values)) {
        a.values = p.value(o.values).toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (a.values.isEmpty())
            return refuse(QCoreApplication::translate("Cli", "--values: имена значений, например rpm,speed,coolant"));
        for (const QString& key : a.values) {
            if (!diag::findLiveValue(key))
                return refuse(QCoreApplication::translate("Cli", "неизвестное значение %1 в --values; известны: %2").arg(key, liveValueNames().simplified()));
        }
    }
    if (p.isSet(o.seconds)) {
        bool ok = false;
        a.seconds = p.value(o.seconds).toInt(&ok);
        if (!ok || a.seconds < 1 || a.seconds > 24 * 3600)
            return refuse(QCoreApplication::translate("Cli", "--seconds: целое число секунд от 1 до 86400"));
    }
    for (const QString& assignment : p.values(o.set)) {
        if (!assignment.contains(QLatin1Char('=')))
            return refuse(QCoreApplication::translate("Cli", "--set: NAME=VALUE"));
        a.sets.append(assignment);
    }
    a.trust = p.values(o.trust);
    if (a.words.isEmpty() && !a.version)
        return refuse(QCoreApplication::translate("Cli", "не указана команда"));
    // The door names mean the side read, except for a write, whose targets include both.
    if (p.isSet(o.door)) {
        const QString doorText = p.value(o.door).toLower();
        const bool writing = a.words.value(0) == QLatin1String("write-config");
        const auto d = writing ? choice(doorText, {QStringLiteral("both"), QStringLiteral("driver"), QStringLiteral("passenger")})
                               : choice(doorText, {QStringLiteral("driver"), QStringLiteral("passenger")});
        if (!d)
            return refuse(writing ? QCoreApplication::translate("Cli", "--door: both, driver или passenger")
                                  : QCoreApplication::translate("Cli", "--door: driver или passenger"));
        a.door = *d;
    }
    return a;
}

} // namespace talmero::cli
