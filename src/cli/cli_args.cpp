#include "cli/cli_args.h"

#include "link/codecs.h"

#include <QCoreApplication>

#include <cmath>

namespace talmero::cli {

QString usageText()
{
    // The synopsis keeps the command line's own words (they are typed as they stand);
    // the explanations are messages like any other.
    return QCoreApplication::translate("Cli",
        "использование: talmero-cli [--port NAME|PATH|demo|demo-stn] [--baud 38400|9600|115200] [--vin VIN]\n"
        "                   [--journal FILE] [--min-voltage V] [--lang en|ru] [--yes] [--log]\n"
        "                   [--bus-switch auto|prompt|stn|rts|dtr|rts-inverted|dtr-inverted]\n"
        "                   COMMAND ARGS\n"
        "       talmero-cli --help | --version\n"
        "\n"
        "Без адаптера:\n"
        "  decode PAGE HEX [--part 1|2]\n"
        "  encode PAGE HEX [--part 1|2] [--set NAME=VALUE]...\n"
        "  asbuilt decode ADDRESS DATA        ADDRESS: 720-01-01, 726-01-01, 726-02-01\n"
        "  asbuilt encode ADDRESS HEX\n"
        "  open-backup FILE PAGE [--part 1|2] [--door driver|passenger]\n"
        "  history [--vin VIN]                журнал записей, новые сверху\n"
        "  compare LEFT.xml RIGHT.xml         код выхода: 0 одинаковы, 1 различаются, 2 ошибка\n"
        "С адаптером (нужен --port):\n"
        "  read-config PAGE [--part 1|2] [--door driver|passenger]\n"
        "  write-config PAGE HEX [--part 1|2] [--door both|driver|passenger] [--dash fl|prefl]\n"
        "  backup [--dir DIR]\n"
        "  dtc read [--save FILE] | dtc clear  FILE: CSV, если имя оканчивается на .csv, иначе текст\n"
        "  vin MODULE | read-block MODULE ADDR | write-block MODULE ADDR HEX | restart MODULE\n"
        "  voltage | live\n"
        "  adapter                            как назвался адаптер и как переключаются шины\n"
        "  undo [--force]                     отменяет последнюю ещё не отменённую запись в этот\n"
        "                                     автомобиль; --force: даже если блок с тех пор изменился\n"
        "  compare LEFT.xml --car             файл копии против автомобиля\n"
        "  restore FILE [--only ADDR,...] [--other-car]\n"
        "                                     записывает блоки конфигурации из файла обратно\n"
        "\n"
        "PAGE: IPC, ACM, BCM, DDM+PDM (или DDM), HVAC, RCM, ABS, HCM.\n"
        "MODULE: IPC, ACM, BCM, DDM, PDM, HVAC, RCM, ABS, HCM, PSCM, PCM.\n"
        "Сообщения русские при русской локали и с --lang ru, иначе английские (и при локали\n"
        "C или POSIX); списки, блоки и коды выхода одинаковы на любом языке.\n"
        "Каждая запись показывает, что изменится, и спрашивает подтверждение [y/N]; --yes отвечает\n"
        "«да» на все вопросы и подсказки о шине. Ниже --min-voltage (по умолчанию 12.0) ничего\n"
        "не записывается.\n"
        "--bus-switch: auto (по умолчанию) переключает на среднескоростную шину командами адаптера\n"
        "STN, а с другим адаптером просит переключить тумблер; prompt, stn или реле на линии RTS\n"
        "или DTR порта (rts-inverted и dtr-inverted: линия включена для высокоскоростной шины).\n"
        "Записи в демо-автомобиль идут в отдельный журнал рядом с указанным или обычным.\n"
        "Код выхода: 0 успех, 1 операция не удалась, 2 ошибка в командной строке.\n");
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
                error = QCoreApplication::translate("Cli", "после %1 нужно значение").arg(arg);
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
                error = QCoreApplication::translate("Cli", "--baud: 38400, 9600 или 115200");
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
                error = QCoreApplication::translate("Cli", "--lang: en или ru");
                return std::nullopt;
            }
            a.lang = *v;
        } else if (arg == QLatin1String("--bus-switch")) {
            const auto v = value();
            const auto way = v ? link::busSwitchFromName(*v) : std::nullopt;
            if (!way) {
                error = QCoreApplication::translate("Cli", "--bus-switch: одно из %1")
                            .arg(link::busSwitchNames().join(QStringLiteral(", ")));
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
                error = QCoreApplication::translate("Cli", "--min-voltage: напряжение, например 12.0");
                return std::nullopt;
            }
            a.minVoltage = volts;
        } else if (arg == QLatin1String("--part")) {
            const auto v = value();
            const auto p = v ? choice(*v, {QStringLiteral("1"), QStringLiteral("2")}) : std::nullopt;
            if (!p) {
                error = QCoreApplication::translate("Cli", "--part: 1 или 2");
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
                error = QCoreApplication::translate("Cli", "--dash: fl или prefl");
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
                error = QCoreApplication::translate("Cli", "--only: адреса модулей, например 720,726");
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--save")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            a.save = *v;
        } else if (arg == QLatin1String("--set")) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            if (!v->contains(QLatin1Char('='))) {
                error = QCoreApplication::translate("Cli", "--set: NAME=VALUE");
                return std::nullopt;
            }
            a.sets.append(*v);
        } else {
            error = QCoreApplication::translate("Cli", "неизвестный параметр %1").arg(arg);
            return std::nullopt;
        }
    }
    if (a.words.isEmpty() && !a.version) {
        error = QCoreApplication::translate("Cli", "не указана команда");
        return std::nullopt;
    }
    // The door names mean the side read, except for a write, whose targets include both.
    if (!doorText.isEmpty()) {
        const bool writing = a.words.first() == QLatin1String("write-config");
        const auto d = writing ? choice(doorText, {QStringLiteral("both"), QStringLiteral("driver"), QStringLiteral("passenger")})
                               : choice(doorText, {QStringLiteral("driver"), QStringLiteral("passenger")});
        if (!d) {
            error = writing ? QCoreApplication::translate("Cli", "--door: both, driver или passenger")
                            : QCoreApplication::translate("Cli", "--door: driver или passenger");
            return std::nullopt;
        }
        a.door = *d;
    }
    return a;
}

} // namespace talmero::cli
