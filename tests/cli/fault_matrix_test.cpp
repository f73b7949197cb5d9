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
#include <future>

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
const char* const kKinds[] = {"silent",  "negative", "garbage",    "late",    "noprompt", "dropline", "ignore",
                              "stopped", "bufferfull", "businit", "garbled", "busy", "busylost"};
const char* const kModuleOnly[] = {"ignore", "busy", "busylost"}; // faults of a module's storing

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
            if (!(t.adapter && std::count(std::begin(kModuleOnly), std::end(kModuleOnly), std::string_view(kind)))) // no blocks to keep
                all.push_back({&t, kind});
        }
    }
    return all;
}

// One operation against a fresh car with one fault; the car as it is afterwards.
struct Cell {
    QString fault;
    QString command;
    CliRun run;
    qint64 ms = 0;
    QJsonObject car;
};

Cell runCell(const QString& fault, const QStringList& args, const QTemporaryDir& dir)
{
    const QString state = dir.filePath(QStringLiteral("car.json"));
    QFile file(state);
    if (file.open(QIODevice::WriteOnly))
        file.write(carFile());
    file.close();
    const QStringList simArgs = {QStringLiteral("--state"), state, QStringLiteral("--fault"), fault};
    SimProcess sim(simArgs);
    const QStringList cliArgs = QStringList{QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"),
                                            QStringLiteral("--journal"), dir.filePath(QStringLiteral("journal.sqlite"))}
                                + args;
    Cell cell;
    cell.fault = fault;
    cell.command = QStringLiteral("talmero-sim ") + simArgs.join(u' ') + QStringLiteral("; talmero-cli ") + cliArgs.join(u' ');
    QElapsedTimer clock;
    clock.start();
    cell.run = cli(cliArgs);
    cell.ms = clock.elapsed();
    sim.stop();
    QFile saved(state);
    if (saved.open(QIODevice::ReadOnly))
        cell.car = QJsonDocument::fromJson(saved.readAll()).object();
    return cell;
}

// The cell's outcome in the test's output, one line, for reading the matrix at a glance.
void report(const Cell& c, const char* operation)
{
    const QStringList errors = c.run.err.split(u'\n').filter(QRegularExpression(QStringLiteral("^! ")));
    std::printf("[ cell ] %-13s %-12s exit %d %6lld ms  %s\n", qPrintable(c.fault), operation, c.run.exit, c.ms,
                qPrintable(errors.isEmpty() ? c.run.outLines().value(0) : errors.join(QStringLiteral(" / "))));
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
    const std::vector<const Module*> behindFault =
        t.adapter ? std::vector<const Module*>{&kIPC, &kBCM} : std::vector<const Module*>{&m};
    const QString page = QLatin1String(m.name);

    // The cells of a row run side by side: most of their time is spent waiting for answers.
    enum { Read, Write, Backup, Dtc, Vin, kCells };
    const char* const names[kCells] = {"read-config", "write-config", "backup", "dtc read", "vin"};
    const int modulesReached[kCells] = {1, 1, 9, 11, 1};
    QTemporaryDir dirs[kCells];
    const QStringList args[kCells] = {
        {QStringLiteral("read-config"), page},
        {QStringLiteral("write-config"), page, QLatin1String(m.newHex), QStringLiteral("--no-backup")},
        {QStringLiteral("backup"), QStringLiteral("--dir"), dirs[Backup].path()},
        {QStringLiteral("dtc"), QStringLiteral("read"), QStringLiteral("--plain")}, // the listing a script parses
        {QStringLiteral("vin"), QLatin1String(t.vinModule)},
    };
    std::future<Cell> running[kCells];
    for (int i = 0; i < kCells; ++i) {
        const QString at = QLatin1String(i == Vin ? t.vinFaultAdr : t.faultAdr) + u':' + kind;
        running[i] = std::async(std::launch::async, [&, i, at] { return runCell(at, args[i], dirs[i]); });
    }
    Cell cells[kCells];
    bool ok[kCells];
    for (int i = 0; i < kCells; ++i) {
        const Cell& c = cells[i] = running[i].get();
        report(c, names[i]);
        ASSERT_FALSE(c.car.isEmpty()) << "no car state after " << c.command.toStdString();
        EXPECT_LE(c.ms, 5000 * modulesReached[i]) << c.command.toStdString();
        EXPECT_TRUE(c.run.exit == 0 || refused(c.run))
            << c.command.toStdString() << "\nexit " << c.run.exit << "\n" << c.run.err.toStdString();
        ok[i] = c.run.exit == 0;
    }

    if (ok[Read]) {
        EXPECT_EQ(cells[Read].run.outLines().value(0), QStringLiteral("block ") + carBlocks(cells[Read].car, m.adr)[m.block])
            << "wrong block shown as read: " << cells[Read].command.toStdString();
    }
    if (ok[Write]) {
        EXPECT_EQ(carBlocks(cells[Write].car, m.adr)[m.block], QLatin1String(m.newHex))
            << "write reported that the car did not take: " << cells[Write].command.toStdString();
    }
    {
        const Cell& c = cells[Backup];
        const QStringList files = QDir(dirs[Backup].path()).entryList({QStringLiteral("VehicleData*")}, QDir::Files);
        // A file holds whole blocks only; what it lacks is said. Only a failed block read
        // leaves a file behind a refusal.
        if (!files.isEmpty()) {
            ASSERT_EQ(files.size(), 1) << c.command.toStdString();
            const QString path = dirs[Backup].filePath(files.first());
            EXPECT_EQ(c.run.out.trimmed(), path);
            EXPECT_TRUE(ok[Backup] || c.run.err.contains(QStringLiteral(" при чтении блока "))) << c.run.err.toStdString();
            for (const Module* b : behindFault) {
                const bool named = c.run.err.contains(QRegularExpression(
                    QStringLiteral("(^|\n)! [^\n]*\\(%1\\)").arg(QLatin1String(b->adr))));
                const QMap<QString, QString> saved = fileBlocks(path, b->adr), held = carBlocks(c.car, b->adr);
                for (auto it = saved.begin(); it != saved.end(); ++it)
                    EXPECT_EQ(it.value(), held.value(it.key())) << b->name << ' ' << it.key().toStdString();
                EXPECT_TRUE(named || saved == held)
                    << "saved without all of " << b->name << ", and not said: " << c.command.toStdString() << "\n"
                    << c.run.err.toStdString();
            }
        } else {
            EXPECT_FALSE(ok[Backup]) << c.command.toStdString();
        }
    }
    for (const Module* b : behindFault) {
        const QString listing = listingOf(cells[Dtc].run.out, QLatin1String(b->name));
        EXPECT_TRUE(listing == QString::fromUtf8(b->dtcListing)
                    || (!ok[Dtc] && (listing.isEmpty() || listing.startsWith(QLatin1String("! ")))))
            << b->name << " listed as\n" << listing.toStdString() << "\n" << cells[Dtc].command.toStdString();
    }
    if (ok[Dtc]) {
        EXPECT_FALSE(cells[Dtc].run.out.contains(QLatin1String("\n! "))) << "a module not read, and exit 0";
    }
    if (ok[Vin]) {
        EXPECT_EQ(cells[Vin].run.out, cells[Vin].car[QStringLiteral("vin")].toString() + u'\n')
            << cells[Vin].command.toStdString();
    }
}

// An adapter with odd habits inside the instrument panel's multi-frame answers: nothing
// of such an answer is kept, the adapter's words are named, and the command fails.
TEST(OddAdapter, NothingStoredTheAdaptersWordsNamedExitOne)
{
    const char* const kinds[][3] = {// fault, said of a block, said of the codes
                                    {"stopped", "! Адаптер сообщил STOPPED", nullptr},
                                    {"canerror", "! Адаптер сообщил CAN ERROR", nullptr},
                                    {"bufferfull", "! Адаптер сообщил BUFFER FULL", nullptr},
                                    {"businit", "! Адаптер сообщил BUS INIT: ...ERROR", nullptr},
                                    {"garbled", "! Ответ адаптера искажён (BO)", "! Ответ адаптера искажён (6O)"}};
    for (const auto& k : kinds) {
        const QString fault = QStringLiteral("720:") + QLatin1String(k[0]);
        QTemporaryDir dir, dirs[2];
        auto run = [&](const QStringList& args, const QTemporaryDir& in) {
            return std::async(std::launch::async, [&, args] { return runCell(fault, args, in); });
        };
        auto backup = run({QStringLiteral("backup"), QStringLiteral("--dir"), dir.path()}, dirs[0]);
        auto block = run({QStringLiteral("read-block"), QStringLiteral("IPC"), QStringLiteral("01")}, dirs[1]);
        const CliRun codes = runCell(fault, {QStringLiteral("dtc"), QStringLiteral("read"), QStringLiteral("--plain")}, dir).run;
        const CliRun saved = backup.get().run, read = block.get().run;
        const QString ofBlock01 = QString::fromUtf8(k[1]) + QStringLiteral(" при чтении блока 01 модуля IPC (720)\n");
        EXPECT_TRUE(saved.exit == 1 && saved.err.contains(ofBlock01)) << saved.err.toStdString();
        const QStringList files = QDir(dir.path()).entryList({QStringLiteral("VehicleData*")}, QDir::Files);
        ASSERT_EQ(files.size(), 1) << fault.toStdString();
        EXPECT_EQ(fileBlocks(dir.filePath(files.first()), QStringLiteral("720")).keys(), QStringList{QStringLiteral("00")});
        EXPECT_TRUE(read.exit == 1 && read.out.isEmpty() && read.err.endsWith(u'\n' + ofBlock01)) << read.err.toStdString();
        EXPECT_EQ(codes.exit, 1);
        EXPECT_EQ(listingOf(codes.out, QStringLiteral("IPC")),
                  QString::fromUtf8(k[2] ? k[2] : k[1]) + QStringLiteral(" при чтении кодов ошибок модуля IPC (720)"));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultMatrix, ::testing::ValuesIn(rows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.target->name) + '_' + info.param.kind;
                         });

} // namespace
