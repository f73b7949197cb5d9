// The fault matrix: every fault the simulator can put on a module or on the adapter,
// against each car operation of talmero-cli over a real pseudo-terminal. A cell ends in
// the car's own data or in a refusal that names what failed ("! " and exit 1), within
// 5 s for each module the operation reaches.
#include "cli/cli_run.h"
#include "e2e/sim_process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

const QString kVin = QStringLiteral("WF0DXXGCDD7K54321");

// The car every cell starts from, as the simulator's state file; its VIN blocks hold kVin.
QByteArray carFile()
{
    return QStringLiteral(R"({"vin": "%1", "modules": [
        {"address": "720", "blocks": {"00": "ED42101040", "01": "0012280E0000B0", "02": "%2",
                                      "03": "0A0B0C0D0E0F10111213"}, "dtcs": ["934220", "E02360"]},
        {"address": "726", "blocks": {"03": "E3D0D4FD", "04": "4F1C02"}, "dtcs": ["931720", "A47728", "D90060"]},
        {"address": "740", "blocks": {"00": "%2", "01": "3D"}}]})")
        .arg(kVin, QString::fromLatin1(kVin.toLatin1().toHex().toUpper()))
        .toLatin1();
}

struct Module {
    const char* adr;
    const char* name;       // page and module name on the command line
    const char* block;      // the configuration block of the page (BCM: part 1)
    const char* newHex;     // what write-config puts there
    const char* dtcListing; // its codes as "dtc read" lists them
};
const Module kIPC{"720", "IPC", "00", "CD421010C0", "Ошибок: 2\n#1 - B1342 статус: 20\n#2 - U2023 статус: 60"};
const Module kBCM{"726", "BCM", "03", "E3D0D4FC",
                  "Ошибок: 3\n#1 - B1317 статус: 20\n#2 - B2477 статус: 28\n#3 - U1900 статус: 60"};

// Where the fault sits. The BCM holds no VIN: on the medium bus the driver's door is asked.
struct Target {
    const char* name;
    const char* faultAdr;
    const char* vinFaultAdr;
    const char* vinModule;
    const Module* module;
    bool adapter; // every module is behind the fault
};
const Target kTargets[] = {
    {"HS_IPC", "720", "720", "IPC", &kIPC, false},
    {"MS_BCM", "726", "740", "DDM", &kBCM, false},
    {"Adapter", "ELM", "ELM", "IPC", &kIPC, true},
};
const char* const kKinds[] = {"silent", "negative", "garbage", "late", "noprompt", "dropline", "ignore"};

struct Row {
    const Target* target;
    const char* kind;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.target->faultAdr << ':' << row.kind;
}

std::vector<Row> rows()
{
    std::vector<Row> all;
    for (const Target& t : kTargets) {
        for (const char* kind : kKinds) {
            if (!(t.adapter && QLatin1String(kind) == QLatin1String("ignore"))) // no blocks to keep
                all.push_back({&t, kind});
        }
    }
    return all;
}

// One operation against a fresh car with one fault; the car as it is afterwards.
struct Cell {
    QString command;
    CliRun run;
    qint64 ms = 0;
    QJsonObject car;
};

Cell runCell(const QString& fault, const QStringList& args, const QTemporaryDir& dir)
{
    const QString state = dir.filePath(QStringLiteral("car.json"));
    QFile file(state);
    if (!file.open(QIODevice::WriteOnly) || file.write(carFile()) < 0)
        ADD_FAILURE() << "cannot write " << state.toStdString();
    file.close();
    const QStringList simArgs = {QStringLiteral("--state"), state, QStringLiteral("--fault"), fault};
    SimProcess sim(simArgs);
    const QStringList cliArgs = QStringList{QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"),
                                            QStringLiteral("--journal"), dir.filePath(QStringLiteral("journal.sqlite"))}
                                + args;
    Cell cell;
    cell.command = QStringLiteral("talmero-sim ") + simArgs.join(u' ') + QStringLiteral("; talmero-cli ") + cliArgs.join(u' ');
    QElapsedTimer clock;
    clock.start();
    cell.run = cli(cliArgs);
    cell.ms = clock.elapsed();
    sim.stop();
    QFile saved(state);
    if (saved.open(QIODevice::ReadOnly))
        cell.car = QJsonDocument::fromJson(saved.readAll()).object();
    const QStringList errors = cell.run.err.split(u'\n').filter(QRegularExpression(QStringLiteral("^! ")));
    std::printf("[ cell ] %-14s %-28s exit %d  %5lld ms  %s\n", qPrintable(fault), qPrintable(args.first()),
                cell.run.exit, cell.ms,
                qPrintable(errors.isEmpty() ? cell.run.outLines().value(0) : errors.join(QStringLiteral(" / "))));
    return cell;
}

bool refused(const CliRun& r)
{
    return r.exit == 1 && r.err.contains(QRegularExpression(QStringLiteral("(^|\n)! ")));
}

QMap<QString, QString> carBlocks(const QJsonObject& car, const QString& adr)
{
    QMap<QString, QString> blocks;
    for (const QJsonValue& m : car[QStringLiteral("modules")].toArray()) {
        if (m[QStringLiteral("address")].toString() == adr) {
            const QJsonObject b = m[QStringLiteral("blocks")].toObject();
            for (auto it = b.begin(); it != b.end(); ++it)
                blocks[it.key()] = it.value().toString();
        }
    }
    return blocks;
}

QMap<QString, QString> fileBlocks(const QString& path, const QString& adr)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QMap<QString, QString> blocks;
    bool inModule = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("Module"))
            inModule = xml.attributes().value(QStringLiteral("address")) == adr;
        if (!inModule || xml.name() != QLatin1String("Block"))
            continue;
        const QString index = xml.attributes().value(QStringLiteral("elmindex")).toString().toUpper();
        blocks[index] = xml.readElementText().remove(u' ');
    }
    return blocks;
}

// The lines under a module's heading in a trouble-code listing, up to the empty line.
QString listingOf(const QString& out, const QString& name)
{
    const QStringList lines = out.split(u'\n');
    qsizetype i = 0;
    while (i < lines.size() && !lines[i].endsWith(QLatin1Char('(') + name + QStringLiteral("):")))
        ++i;
    QStringList listing;
    for (++i; i < lines.size() && !lines[i].isEmpty(); ++i)
        listing << lines[i];
    return listing.join(u'\n');
}

struct FaultMatrix : ::testing::TestWithParam<Row> {};

TEST_P(FaultMatrix, CarDataOrANamedRefusalWithinFiveSecondsAModule)
{
    const Target& t = *GetParam().target;
    const Module& m = *t.module;
    const QString kind = QLatin1String(GetParam().kind);
    const QString fault = QLatin1String(t.faultAdr) + u':' + kind;
    const std::vector<const Module*> behindFault =
        t.adapter ? std::vector<const Module*>{&kIPC, &kBCM} : std::vector<const Module*>{&m};
    const QString page = QLatin1String(m.name);

    // Common to every cell: a plain result or a refusal, and no long wait.
    auto judged = [](const Cell& c, int modules) {
        EXPECT_LE(c.ms, 5000 * modules) << c.command.toStdString();
        EXPECT_TRUE(c.run.exit == 0 || refused(c.run))
            << c.command.toStdString() << "\nexit " << c.run.exit << "\n" << c.run.err.toStdString();
        return c.run.exit == 0;
    };

    {
        QTemporaryDir dir;
        const Cell c = runCell(fault, {QStringLiteral("read-config"), page}, dir);
        if (judged(c, 1)) {
            EXPECT_EQ(c.run.outLines().value(0), QStringLiteral("block ") + carBlocks(c.car, m.adr)[m.block])
                << "wrong block shown as read: " << c.command.toStdString();
        }
    }
    {
        QTemporaryDir dir;
        const Cell c = runCell(fault, {QStringLiteral("write-config"), page, QLatin1String(m.newHex)}, dir);
        if (judged(c, 1)) {
            EXPECT_EQ(carBlocks(c.car, m.adr)[m.block], QLatin1String(m.newHex))
                << "write reported that the car did not take: " << c.command.toStdString() << "\n"
                << c.run.out.toStdString();
        }
    }
    {
        QTemporaryDir dir;
        const Cell c = runCell(fault, {QStringLiteral("backup"), QStringLiteral("--dir"), dir.path()}, dir);
        const QStringList files = QDir(dir.path()).entryList({QStringLiteral("VehicleData*")}, QDir::Files);
        if (judged(c, 9)) {
            ASSERT_EQ(files.size(), 1) << c.command.toStdString();
            EXPECT_EQ(c.run.out.trimmed(), dir.filePath(files.first()));
            for (const Module* b : behindFault) {
                const bool named = c.run.err.contains(QRegularExpression(
                    QStringLiteral("(^|\n)! [^\n]*\\(%1\\)").arg(QLatin1String(b->adr))));
                EXPECT_TRUE(named || fileBlocks(dir.filePath(files.first()), b->adr) == carBlocks(c.car, b->adr))
                    << "saved without all of " << b->name << ", and not said: " << c.command.toStdString() << "\n"
                    << c.run.err.toStdString();
            }
        } else {
            EXPECT_EQ(files, QStringList()) << "a refused backup left a file: " << c.command.toStdString();
        }
    }
    {
        QTemporaryDir dir;
        const Cell c = runCell(fault, {QStringLiteral("dtc"), QStringLiteral("read")}, dir);
        const bool ok = judged(c, 11);
        for (const Module* b : behindFault) {
            const QString listing = listingOf(c.run.out, QLatin1String(b->name));
            EXPECT_TRUE(listing == QString::fromUtf8(b->dtcListing)
                        || (!ok && (listing.isEmpty() || listing.startsWith(QLatin1String("! ")))))
                << b->name << " listed as\n" << listing.toStdString() << "\n" << c.command.toStdString();
        }
        if (ok) {
            EXPECT_FALSE(c.run.out.contains(QLatin1String("\n! "))) << "a module not read, and exit 0";
        }
    }
    {
        QTemporaryDir dir;
        const QString vinFault = QLatin1String(t.vinFaultAdr) + u':' + kind;
        const Cell c = runCell(vinFault, {QStringLiteral("vin"), QLatin1String(t.vinModule)}, dir);
        if (judged(c, 1)) {
            EXPECT_EQ(c.run.out, c.car[QStringLiteral("vin")].toString() + u'\n') << c.command.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultMatrix, ::testing::ValuesIn(rows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.target->name) + '_' + info.param.kind;
                         });

} // namespace
