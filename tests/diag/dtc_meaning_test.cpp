#include "diag/csv.h"
#include "diag/dtc_descriptions.h"
#include "diag/dtc_history.h"
#include "diag/dtc_meaning.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace talmero::diag {
namespace {

// The code structure of SAE J2012 / ISO 15031-6: the letter is the system, the first
// digit says who defines the code, the next one a generic code's group (the second
// powertrain range has groups of its own).
TEST(DtcStructure, SystemOwnerAndGroupFromTheCodeAlone)
{
    const struct {
        const char* code;
        DtcSystem system;
        DtcOwner owner;
        const char* group;
    } rows[] = {
        {"P0420", DtcSystem::Powertrain, DtcOwner::Generic, "вспомогательные системы снижения токсичности"},
        {"P0301", DtcSystem::Powertrain, DtcOwner::Generic, "зажигание и пропуски воспламенения"},
        {"P0101", DtcSystem::Powertrain, DtcOwner::Generic, "топливовоздушная смесь"},
        {"P0700", DtcSystem::Powertrain, DtcOwner::Generic, "трансмиссия"},
        {"P0960", DtcSystem::Powertrain, DtcOwner::Generic, "трансмиссия"},
        {"P0A00", DtcSystem::Powertrain, DtcOwner::Generic, "гибридный или электрический привод"},
        {"P0D00", DtcSystem::Powertrain, DtcOwner::Generic, ""},
        {"P2135", DtcSystem::Powertrain, DtcOwner::Generic, "топливовоздушная смесь и вспомогательные системы снижения токсичности"},
        {"P2226", DtcSystem::Powertrain, DtcOwner::Generic, "топливовоздушная смесь и вспомогательные системы снижения токсичности"},
        {"P2279", DtcSystem::Powertrain, DtcOwner::Generic, "топливовоздушная смесь и вспомогательные системы снижения токсичности"},
        {"P2300", DtcSystem::Powertrain, DtcOwner::Generic, "зажигание и пропуски воспламенения"},
        {"P2463", DtcSystem::Powertrain, DtcOwner::Generic, "вспомогательные системы снижения токсичности"},
        {"P2500", DtcSystem::Powertrain, DtcOwner::Generic, "вспомогательные входы"},
        {"P2610", DtcSystem::Powertrain, DtcOwner::Generic, "блок управления и выходные цепи"},
        {"P2700", DtcSystem::Powertrain, DtcOwner::Generic, "трансмиссия"},
        {"P2A00", DtcSystem::Powertrain, DtcOwner::Generic, "топливовоздушная смесь и вспомогательные системы снижения токсичности"},
        {"P1234", DtcSystem::Powertrain, DtcOwner::Manufacturer, ""},
        {"P3000", DtcSystem::Powertrain, DtcOwner::Manufacturer, ""},
        {"P33FF", DtcSystem::Powertrain, DtcOwner::Manufacturer, ""},
        {"P3400", DtcSystem::Powertrain, DtcOwner::Generic, "отключение цилиндров"},
        {"P3500", DtcSystem::Powertrain, DtcOwner::Generic, "зарезервировано ISO/SAE, значения пока не определены"},
        {"C0035", DtcSystem::Chassis, DtcOwner::Generic, ""},
        {"C1234", DtcSystem::Chassis, DtcOwner::Manufacturer, ""},
        {"C2100", DtcSystem::Chassis, DtcOwner::Manufacturer, ""},
        {"B0001", DtcSystem::Body, DtcOwner::Generic, ""},
        {"B1342", DtcSystem::Body, DtcOwner::Manufacturer, ""},
        {"B2477", DtcSystem::Body, DtcOwner::Manufacturer, ""},
        {"B3000", DtcSystem::Body, DtcOwner::Reserved, ""},
        {"U0001", DtcSystem::Network, DtcOwner::Generic, "электрические цепи шин связи"},
        {"U0100", DtcSystem::Network, DtcOwner::Generic, "связь с блоками (блок не слышен)"},
        {"U0212", DtcSystem::Network, DtcOwner::Generic, "связь с блоками (блок не слышен)"},
        {"U0300", DtcSystem::Network, DtcOwner::Generic, "совместимость программ блоков"},
        {"U0415", DtcSystem::Network, DtcOwner::Generic, "неверные данные от блоков"},
        {"U1900", DtcSystem::Network, DtcOwner::Manufacturer, ""},
        {"U2023", DtcSystem::Network, DtcOwner::Manufacturer, ""},
        {"U3FFF", DtcSystem::Network, DtcOwner::Reserved, ""},
    };
    for (const auto& r : rows) {
        const std::optional<DtcStructure> s = dtcStructure(QLatin1String(r.code));
        ASSERT_TRUE(s) << r.code;
        EXPECT_EQ(s->system, r.system) << r.code;
        EXPECT_EQ(s->owner, r.owner) << r.code;
        EXPECT_EQ(s->group, QString::fromUtf8(r.group)) << r.code;
    }
    for (const char* bad : {"", "P042", "P04200", "X0420", "P4420", "p0420", "P0G20", "P04z0"})
        EXPECT_FALSE(dtcStructure(QLatin1String(bad))) << bad;
}

// KWP2000 status of a code: bit 7 lamp request, bits 6-5 the state when asked, bit 4
// readiness, 3-0 symptom. The words claim only what the byte says.
TEST(DtcStatusByte, PartsAndWords)
{
    const struct {
        const char* hex;
        bool lamp;
        DtcStorage storage;
        int symptom;
        const char* words;
    } rows[] = {
        {"00", false, DtcStorage::NotDetected, 0x0, "при чтении не обнаружена; лампу неисправности не запрашивает"},
        {"20", false, DtcStorage::StoredNotPresent, 0x0, "сохранена, сейчас отсутствует; лампу неисправности не запрашивает"},
        {"24", false, DtcStorage::StoredNotPresent, 0x4, "сохранена, сейчас отсутствует; лампу неисправности не запрашивает"},
        {"40", false, DtcStorage::Intermittent, 0x0, "непостоянная: то появляется, то пропадает; лампу неисправности не запрашивает"},
        {"60", false, DtcStorage::Present, 0x0, "присутствует сейчас; лампу неисправности не запрашивает"},
        {"80", true, DtcStorage::NotDetected, 0x0, "при чтении не обнаружена; запрашивает лампу неисправности"},
        {"A1", true, DtcStorage::StoredNotPresent, 0x1, "сохранена, сейчас отсутствует; запрашивает лампу неисправности"},
        {"E0", true, DtcStorage::Present, 0x0, "присутствует сейчас; запрашивает лампу неисправности"},
        {"9F", true, DtcStorage::NotDetected, 0xF, "при чтении не обнаружена; запрашивает лампу неисправности"},
    };
    for (const auto& r : rows) {
        const std::optional<DtcStatus> s = parseDtcStatus(QLatin1String(r.hex));
        ASSERT_TRUE(s) << r.hex;
        EXPECT_EQ(s->lamp, r.lamp) << r.hex;
        EXPECT_EQ(s->storage, r.storage) << r.hex;
        EXPECT_EQ(s->symptom, r.symptom) << r.hex;
        EXPECT_EQ(statusWords(*s), QString::fromUtf8(r.words)) << r.hex;
    }
    for (const char* bad : {"", "2", "2G", "200"})
        EXPECT_FALSE(parseDtcStatus(QLatin1String(bad))) << bad;
}

// Where J2012 numbers a series by cylinder, coil, bank or sensor, the number a code's
// place in its series gives; a code outside these series has no expectation.
struct Numbered {
    int cylinder = 0;
    QChar coil;
    int bank = 0;
    int sensor = 0;
};

std::optional<Numbered> numberedByPlace(const QString& code)
{
    if (!code.startsWith(QLatin1Char('P')))
        return std::nullopt;
    bool decimal = false;
    const int d = code.mid(1).toInt(&decimal);
    const int x = code.mid(1).toInt(nullptr, 16);
    Numbered n;
    if (decimal && ((d >= 130 && d <= 147) || (d >= 150 && d <= 167))) { // oxygen sensors, 6 codes each
        n.bank = d < 150 ? 1 : 2;
        n.sensor = (d - (n.bank == 1 ? 130 : 150)) / 6 + 1;
    } else if (decimal && (d >= 301 && d <= 312)) {
        n.cylinder = d - 300;
    } else if (decimal && d >= 201 && d <= 212) {
        n.cylinder = d - 200;
    } else if (decimal && d >= 261 && d <= 296) {
        n.cylinder = (d - 261) / 3 + 1;
    } else if (decimal && d >= 671 && d <= 682) {
        n.cylinder = d - 670;
    } else if (decimal && d >= 351 && d <= 362) {
        n.coil = QChar(u'A' + (d - 351));
    } else if (decimal && d >= 2300 && d <= 2335) {
        n.coil = QChar(u'A' + (d - 2300) / 3);
    } else if (decimal && d >= 2336 && d <= 2347) {
        n.cylinder = d - 2335;
    } else if (decimal && d >= 3401 && d <= 3496) {
        n.cylinder = (d - 3401) / 8 + 1;
    } else if (x >= 0x29A && x <= 0x2C9) {
        n.cylinder = (x - 0x29A) / 4 + 1;
    } else if (x >= 0x2EE && x <= 0x2F9) {
        n.cylinder = x - 0x2EE + 1;
    } else {
        return std::nullopt;
    }
    return n;
}

// What a description says of the numbers, in one language.
Numbered numberedByText(const QString& text, bool russian)
{
    const auto number = [&text](const char* pattern) {
        const QRegularExpression re(QString::fromUtf8(pattern), QRegularExpression::UseUnicodePropertiesOption);
        const QRegularExpressionMatch m = re.match(text);
        return m.hasMatch() ? m.captured(1) : QString();
    };
    Numbered n;
    n.cylinder = number(russian ? "[Цц]илиндр\\w* (\\d+)" : "[Cc]ylinder (\\d+)").toInt();
    const QString coil = number(russian ? "[Кк]атушка зажигания ([A-L])\\b" : "[Cc]oil ([A-L])\\b");
    n.coil = coil.isEmpty() ? QChar() : coil[0];
    n.bank = number(russian ? "ряд (\\d)" : "bank (\\d)").toInt();
    n.sensor = number(russian ? "датчик (\\d)" : "sensor (\\d)").toInt();
    return n;
}

// The program's own table: every row a well-formed generic code described in both
// languages, and where J2012 numbers a series, each description names the cylinder, coil,
// bank and sensor its place gives. The wording is not checked.
TEST(DtcDescriptionsFile, EveryRowIsAGenericCodeWithTheNumbersItsPlaceGives)
{
    QFile file(QStringLiteral(":/diag/dtc-descriptions.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    DtcDescriptions table;
    const DescriptionLoad load = table.addCsv(bytes, DescriptionSource::Program);
    for (const DescriptionProblem& p : load.problems)
        ADD_FAILURE() << "line " << p.line << ": " << p.reason.toStdString();
    EXPECT_EQ(table.size(), bytes.count('\n') - 1); // every line but the header is a code
    EXPECT_GE(table.size(), 1500);
    int checked = 0;
    for (const QString& code : table.codes()) {
        const DtcDescription& d = *table.find(code);
        EXPECT_EQ(dtcStructure(code)->owner, DtcOwner::Generic) << code.toStdString();
        EXPECT_TRUE(!d.english.isEmpty() && !d.russian.isEmpty()) << code.toStdString();
        EXPECT_EQ(printableText(d.english + d.russian), d.english + d.russian) << code.toStdString();
        const std::optional<Numbered> want = numberedByPlace(code);
        if (!want)
            continue;
        ++checked;
        for (bool russian : {false, true}) {
            const Numbered got = numberedByText(russian ? d.russian : d.english, russian);
            const std::string row = code.toStdString() + (russian ? " ru" : " en");
            EXPECT_EQ(got.cylinder, want->cylinder) << row;
            EXPECT_EQ(got.coil, want->coil) << row;
            EXPECT_EQ(got.bank, want->bank) << row;
            EXPECT_EQ(got.sensor, want->sensor) << row;
        }
    }
    EXPECT_GE(checked, 300);
    for (const char* code : {"P0504", "P0660", "P0365", "P0366", "P0496", "P0497", "P2279", "P0380", "P0670", "P0674",
                             "P0045", "P0046", "P2002", "P2263", "P2032", "P2033", "U0212", "U0214", "P3400", "P34FF"}) {
        if (QLatin1String(code) != QLatin1String("P34FF")) { // reserved: nothing to describe
            EXPECT_TRUE(table.find(QLatin1String(code))) << code;
        }
    }
    EXPECT_TRUE(table.find(QStringLiteral("P0627"))->english.contains(QLatin1String("pump A")));
}

// A workshop's file: what is sound loads over the program's rows; each bad line is named.
TEST(DtcDescriptionsFile, AUserFileReplacesAndAddsAndSkipsBadLinesByNumber)
{
    const QByteArray file = "\xEF\xBB\xBF" "code,en,ru\r\n"
                            "P0420,\"Cat, bank 1: worn\",\"Катализатор, ряд 1: изношен\"\r\n"
                            "b1342,Cluster: internal fault,\n"
                            "P0300,\xC3\x28 broken,x\n"
                            "P0301,two fields\n"
                            "P042,short code,x\n"
                            "B1342,again,x\n"
                            "P0302,\"open quote,x\n"
                            "P0303,,\n"
                            "\n";
    DtcDescriptions table = DtcDescriptions::builtIn();
    const DescriptionLoad load = table.addCsv(file, DescriptionSource::UserFile);
    QList<int> lines;
    for (const DescriptionProblem& p : load.problems)
        lines << p.line;
    EXPECT_EQ(lines, (QList<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(load.problems.value(3).reason, QStringLiteral("код B1342 уже описан в строке 3"));
    EXPECT_EQ(table.find(QStringLiteral("P0420"))->english, QStringLiteral("Cat, bank 1: worn"));
    EXPECT_EQ(table.find(QStringLiteral("P0420"))->source, DescriptionSource::UserFile);
    EXPECT_EQ(codeMeaning(QStringLiteral("B1342"), table), QStringLiteral("Cluster: internal fault")); // Russian empty
    EXPECT_EQ(table.find(QStringLiteral("P0300"))->source, DescriptionSource::Program); // its bad line changed nothing
    EXPECT_EQ(codeMeaning(QStringLiteral("B1317"), table), QStringLiteral("код производителя (кузов)"));
    EXPECT_EQ(meaningLine(QStringLiteral("P0420"), QStringLiteral("E0"), table),
              QStringLiteral("    Катализатор, ряд 1: изношен [файл пользователя]; присутствует сейчас; запрашивает лампу неисправности"));

    // What a spreadsheet in a Russian locale saves: semicolons, and a line break inside a
    // quoted field; a file's control characters are never passed on.
    DtcDescriptions saved;
    const DescriptionLoad semicolons = saved.addCsv("Code;en;ru\r\n"
                                                    "B1342;Cluster, internal;\"Панель\r\nприборов\"\r\n"
                                                    "U2023;\"Lost\n\"\"GEM\"\"\";Нет связи\x1B[2J\r\n"
                                                    "B1317;a;b;c\r\n",
                                                    DescriptionSource::UserFile);
    EXPECT_EQ(saved.find(QStringLiteral("B1342"))->english, QStringLiteral("Cluster, internal"));
    EXPECT_EQ(saved.find(QStringLiteral("B1342"))->russian, QStringLiteral("Панель приборов"));
    EXPECT_EQ(saved.find(QStringLiteral("U2023"))->english, QStringLiteral("Lost \"GEM\""));
    EXPECT_EQ(saved.find(QStringLiteral("U2023"))->russian, QStringLiteral("Нет связи<1B>[2J"));
    ASSERT_EQ(semicolons.problems.size(), 1);
    EXPECT_EQ(semicolons.problems[0].line, 6); // after two records of two lines each
}

// Only a regular file of at most 1 MiB is read, once: a pipe or a device never hangs or
// swells a reading; a file full of bad lines is reported in a bounded number of lines.
TEST(DtcDescriptionsFile, TheUsersFileMustBeASmallRegularFile)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.csv"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("dangling.csv"))));
    QFile big(dir.filePath(QStringLiteral("big.csv")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(kLargestDescriptionFile + 1));
    big.close();
    QFile bad(dir.filePath(QStringLiteral("bad.csv")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("x\n").repeated(5000));
    bad.close();
    const struct {
        const char* file;
        const char* error;
        int reportLines;
    } rows[] = {
        {"fifo.csv", "это не обычный файл", 1},
        {"zero.csv", "это не обычный файл", 1},
        {"dangling.csv", "ссылка никуда не ведёт", 1},
        {"big.csv", "файл больше 1 МиБ", 1},
        {"missing.csv", "", 0},
        {"bad.csv", "", DescriptionLoad::kListed + 1},
    };
    for (const auto& r : rows) {
        const DtcDescriptions t = DtcDescriptions::withUserFile(dir.filePath(QLatin1String(r.file)));
        EXPECT_EQ(t.userFileReport().size(), r.reportLines) << r.file;
        if (*r.error) {
            EXPECT_TRUE(t.userFileReport().value(0).endsWith(QStringLiteral(": ") + QString::fromUtf8(r.error))) << r.file;
        }
        EXPECT_EQ(t.size(), DtcDescriptions::builtIn().size()) << r.file;
    }
    EXPECT_TRUE(DtcDescriptions::withUserFile(dir.filePath(QStringLiteral("bad.csv")))
                    .userFileReport()
                    .last()
                    .endsWith(QStringLiteral("пропущено ещё строк: %1").arg(5000 - DescriptionLoad::kListed)));
}

TEST(Csv, FieldsWithSeparatorsQuotesOrLineBreaksAreQuoted)
{
    EXPECT_EQ(csvRecord({"plain", "a,b", "say \"hi\"", "x\ry", "p\nq", ""}),
              QStringLiteral("plain,\"a,b\",\"say \"\"hi\"\"\",\"x\ry\",\"p\nq\","));
    EXPECT_EQ(parseCsvLine(QStringLiteral("plain,\"a,b\",\"say \"\"hi\"\"\",")),
              (QStringList{"plain", "a,b", "say \"hi\"", ""}));
    for (const char* bad : {"\"open", "a\"b,c", "\"closed\"x,y"})
        EXPECT_FALSE(parseCsvLine(QLatin1String(bad))) << bad;
}

// A reading that did not reach every module says so in its text and in its CSV rows;
// both carry each code's meaning, state and lamp beside its raw status.
TEST(DtcReadingSummary, IncompleteNoCodesAndCodesWithTheirMeanings)
{
    const DtcDescriptions& descriptions = DtcDescriptions::builtIn();
    DtcReading reading{QDateTime(QDate(2026, 5, 1), QTime(12, 3, 11), Qt::UTC), QStringLiteral("WF0\rX"),
                       {{"7E0", 1, {"P0420 2C"}}, {"720", 0, {}}, {"760", -1, {}}}};
    EXPECT_EQ(readingSummary(reading), QStringLiteral("неполное чтение: прочитано модулей 2 из 11"));
    const QString text = readingText(reading, descriptions);
    EXPECT_TRUE(text.contains(QStringLiteral("\nGEM модуль (BCM):\n  не прочитан\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("  Ошибок: 1\n  P0420 статус 2C\n    Каталитический нейтрализатор (ряд 1): эффективность "
                                             "ниже порога; сохранена, сейчас отсутствует; лампу неисправности не запрашивает\n")))
        << text.toStdString();
    const QString csv = readingsCsv({reading}, descriptions);
    EXPECT_TRUE(csv.startsWith(QStringLiteral("time,vin,module,count,code,status,description,state,lamp,source,modules_read,modules_asked\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("2026-05-01T12:03:11Z,\"WF0\rX\",PCM 7E0,1,P0420,0x2C,Каталитический нейтрализатор (ряд 1): "
                                            "эффективность ниже порога,\"сохранена, сейчас отсутствует\",лампу неисправности не запрашивает,"
                                            "описание программы,2,11\n")))
        << csv.toStdString();
    EXPECT_TRUE(csv.contains(QStringLiteral(",\"WF0\rX\",BCM 726,,,,,,,,2,11\n")));

    reading.modules.clear();
    for (const char* adr : {"7E0", "720", "760", "734", "730", "726", "740", "741", "733", "737", "727"})
        reading.modules.append({QLatin1String(adr), 0, {}});
    EXPECT_EQ(readingSummary(reading), QStringLiteral("ошибок нет: прочитано модулей 11 из 11"));
    reading.modules[5] = {"726", 2, {"B1317 20", "U1900 60"}};
    EXPECT_EQ(readingSummary(reading), QStringLiteral("ошибок: 2, прочитано модулей 11 из 11"));
}

// Opened in a spreadsheet (gnumeric's converter), the module's address and every status
// stay text as written: "7E0" would otherwise become the number 7 and "00" the number 0.
TEST(DtcReadingSummary, AnExportedCsvKeepsAddressesAndStatusesAsTextInASpreadsheet)
{
    const QString ssconvert = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
    ASSERT_FALSE(ssconvert.isEmpty()) << "ssconvert (package gnumeric) is needed: scripts/install-deps.sh --tests";
    QTemporaryDir dir;
    DtcReading reading{QDateTime(QDate(2026, 5, 1), QTime(12, 3, 11), Qt::UTC), QStringLiteral("WF0HXXGCDH1234567"),
                       {{"7E0", 3, {"P0420 00", "P0171 20", "P0300 A1"}}, {"720", 2, {"B1342 40", "U2023 E0"}}, {"760", 1, {"C0035 60"}}}};
    const QString csv = dir.filePath(QStringLiteral("codes.csv"));
    ASSERT_EQ(exportReadings(csv, {reading}, DtcDescriptions::builtIn()), QString());
    QProcess convert;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.path());
    convert.setProcessEnvironment(env);
    convert.start(ssconvert, {QStringLiteral("-T"), QStringLiteral("Gnumeric_XmlIO:sax:0"), csv, dir.filePath(QStringLiteral("codes.xml"))});
    ASSERT_TRUE(convert.waitForFinished(60000) && convert.exitCode() == 0) << convert.readAllStandardError().toStdString();
    QFile xml(dir.filePath(QStringLiteral("codes.xml")));
    ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
    QMap<QString, QString> cells; // "row,column" -> type and value
    static const QRegularExpression cell(QStringLiteral("<gnm:Cell Row=\"(\\d+)\" Col=\"(\\d+)\" ValueType=\"(\\d+)\">([^<]*)<"));
    for (const QRegularExpressionMatch& m : cell.globalMatch(QString::fromUtf8(xml.readAll())))
        cells[m.captured(1) + QLatin1Char(',') + m.captured(2)] = m.captured(3) + QLatin1Char(' ') + m.captured(4);
    const QString text = QStringLiteral("60 "); // gnumeric's type of a string cell
    const QStringList modules{"PCM 7E0", "PCM 7E0", "PCM 7E0", "IPC 720", "IPC 720", "ABS 760"};
    const QStringList statuses{"0x00", "0x20", "0xA1", "0x40", "0xE0", "0x60"};
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(cells.value(QStringLiteral("%1,2").arg(row)), text + modules[row - 1]) << row;
        EXPECT_EQ(cells.value(QStringLiteral("%1,5").arg(row)), text + statuses[row - 1]) << row;
    }
}

} // namespace
} // namespace talmero::diag
