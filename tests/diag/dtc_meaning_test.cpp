#include "diag/csv.h"
#include "diag/dtc_descriptions.h"
#include "diag/dtc_history.h"
#include "diag/dtc_meaning.h"

#include <QFile>
#include <gtest/gtest.h>

namespace talmero::diag {
namespace {

// The code structure of SAE J2012 / ISO 15031-6: the letter is the system, the first
// digit says who defines the code, the next one a generic powertrain code's group.
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
        {"P0A00", DtcSystem::Powertrain, DtcOwner::Generic, ""},
        {"P2135", DtcSystem::Powertrain, DtcOwner::Generic, "топливовоздушная смесь"},
        {"P1234", DtcSystem::Powertrain, DtcOwner::Manufacturer, ""},
        {"P3000", DtcSystem::Powertrain, DtcOwner::Manufacturer, ""},
        {"P3400", DtcSystem::Powertrain, DtcOwner::Unsettled, ""},
        {"C0035", DtcSystem::Chassis, DtcOwner::Generic, ""},
        {"C1234", DtcSystem::Chassis, DtcOwner::Manufacturer, ""},
        {"C2100", DtcSystem::Chassis, DtcOwner::Manufacturer, ""},
        {"B0001", DtcSystem::Body, DtcOwner::Generic, ""},
        {"B1342", DtcSystem::Body, DtcOwner::Manufacturer, ""},
        {"B2477", DtcSystem::Body, DtcOwner::Manufacturer, ""},
        {"B3000", DtcSystem::Body, DtcOwner::Unsettled, ""},
        {"U0100", DtcSystem::Network, DtcOwner::Generic, ""},
        {"U1900", DtcSystem::Network, DtcOwner::Manufacturer, ""},
        {"U2023", DtcSystem::Network, DtcOwner::Manufacturer, ""},
        {"U3FFF", DtcSystem::Network, DtcOwner::Unsettled, ""},
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

// KWP2000 status of a code: bit 7 lamp, bits 6-5 storage, bit 4 readiness, 3-0 symptom.
TEST(DtcStatusByte, PartsAndWords)
{
    const struct {
        const char* hex;
        bool lamp;
        DtcStorage storage;
        bool readiness;
        int symptom;
        const char* words;
    } rows[] = {
        {"2C", false, DtcStorage::Stored, false, 0xC, "сохранена, лампа не горит"},
        {"20", false, DtcStorage::Stored, false, 0x0, "сохранена, лампа не горит"},
        {"60", false, DtcStorage::Present, false, 0x0, "присутствует сейчас, лампа не горит"},
        {"40", false, DtcStorage::Pending, false, 0x0, "ожидающая, лампа не горит"},
        {"E0", true, DtcStorage::Present, false, 0x0, "присутствует сейчас, лампа горит"},
        {"9F", true, DtcStorage::None, true, 0xF, "не записана, лампа горит"},
        {"b1", true, DtcStorage::Stored, true, 0x1, "сохранена, лампа горит"},
    };
    for (const auto& r : rows) {
        const std::optional<DtcStatus> s = parseDtcStatus(QLatin1String(r.hex));
        ASSERT_TRUE(s) << r.hex;
        EXPECT_EQ(s->lamp, r.lamp) << r.hex;
        EXPECT_EQ(s->storage, r.storage) << r.hex;
        EXPECT_EQ(s->readiness, r.readiness) << r.hex;
        EXPECT_EQ(s->symptom, r.symptom) << r.hex;
        EXPECT_EQ(statusWords(*s), QString::fromUtf8(r.words)) << r.hex;
    }
    for (const char* bad : {"", "2", "2G", "200"})
        EXPECT_FALSE(parseDtcStatus(QLatin1String(bad))) << bad;
}

// The program's own file: every row well-formed, each code once, and only generic codes.
TEST(DtcDescriptionsFile, EveryRowIsAWellFormedGenericCodeDescribedInBothLanguages)
{
    QFile file(QStringLiteral(":/diag/dtc-descriptions.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    DtcDescriptions table;
    const QList<DescriptionProblem> problems = table.addCsv(bytes, DescriptionSource::Program);
    for (const DescriptionProblem& p : problems)
        ADD_FAILURE() << "line " << p.line << ": " << p.reason.toStdString();
    EXPECT_EQ(table.size(), bytes.count('\n') - 1); // every line but the header is a code
    EXPECT_GE(table.size(), 300);
    for (const QString& code : table.codes()) {
        EXPECT_EQ(dtcStructure(code)->owner, DtcOwner::Generic) << code.toStdString();
        EXPECT_FALSE(table.find(code)->english.isEmpty()) << code.toStdString();
        EXPECT_FALSE(table.find(code)->russian.isEmpty()) << code.toStdString();
    }
    EXPECT_EQ(DtcDescriptions::builtIn().find(QStringLiteral("P0420"))->english,
              QStringLiteral("Catalytic converter (bank 1): efficiency below the threshold"));
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
    const QList<DescriptionProblem> problems = table.addCsv(file, DescriptionSource::UserFile);
    QList<int> lines;
    for (const DescriptionProblem& p : problems)
        lines << p.line;
    EXPECT_EQ(lines, (QList<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(problems.value(3).reason, QStringLiteral("код B1342 уже описан в строке 3"));
    EXPECT_EQ(table.find(QStringLiteral("P0420"))->english, QStringLiteral("Cat, bank 1: worn"));
    EXPECT_EQ(table.find(QStringLiteral("P0420"))->source, DescriptionSource::UserFile);
    EXPECT_EQ(codeMeaning(QStringLiteral("B1342"), table), QStringLiteral("Cluster: internal fault")); // Russian empty
    EXPECT_EQ(table.find(QStringLiteral("P0300"))->source, DescriptionSource::Program); // its bad line changed nothing
    EXPECT_EQ(codeMeaning(QStringLiteral("B1317"), table), QStringLiteral("код производителя (кузов)"));
    EXPECT_EQ(meaningLine(QStringLiteral("P0420"), QStringLiteral("E0"), table),
              QStringLiteral("    Катализатор, ряд 1: изношен [файл пользователя]; присутствует сейчас, лампа горит"));
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

// A reading that did not reach every module says so in its text and in its CSV rows.
TEST(DtcReadingSummary, IncompleteNoCodesAndCodes)
{
    DtcReading reading{QDateTime(QDate(2026, 5, 1), QTime(12, 3, 11), Qt::UTC), QStringLiteral("WF0\rX"),
                       {{"7E0", 1, {"P0420 2C"}}, {"720", 0, {}}, {"760", -1, {}}}};
    EXPECT_EQ(readingSummary(reading), QStringLiteral("неполное чтение: прочитано модулей 2 из 11"));
    const QString text = readingText(reading);
    EXPECT_TRUE(text.contains(QStringLiteral("\nGEM модуль (BCM):\n  не прочитан\n"))) << text.toStdString();
    const QString csv = readingsCsv({reading});
    EXPECT_TRUE(csv.startsWith(QStringLiteral("time,vin,address,module,count,code,status,modules_read,modules_asked\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("2026-05-01T12:03:11Z,\"WF0\rX\",7E0,PCM,1,P0420,2C,2,11\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral(",\"WF0\rX\",726,BCM,,,,2,11\n")));

    reading.modules.clear();
    for (const char* adr : {"7E0", "720", "760", "734", "730", "726", "740", "741", "733", "737", "727"})
        reading.modules.append({QLatin1String(adr), 0, {}});
    EXPECT_EQ(readingSummary(reading), QStringLiteral("ошибок нет: прочитано модулей 11 из 11"));
    reading.modules[5] = {"726", 2, {"B1317 20", "U1900 60"}};
    EXPECT_EQ(readingSummary(reading), QStringLiteral("ошибок: 2, прочитано модулей 11 из 11"));
}

} // namespace
} // namespace talmero::diag
