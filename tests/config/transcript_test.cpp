#include "option_transcript.h"
#include "panel_fixture.h"

#include "config/pages.h"
#include "link/modules.h"
#include "support/blocks.h"

using namespace talmero;
using namespace transcript;

namespace {

// A block as the decoder sees it, with the positions a known configuration needs.
struct ShownBlock {
    blocks::Block id;
    int length;
    std::vector<int> known;
    std::span<const OptionRow> rows;
};

const ShownBlock kShownBlocks[] = {
    {blocks::IPC(), 40, {}, kIpc},
    {blocks::IPC(), 32, {}, kIpc},
    {blocks::ACM(), 24, {}, kAcm},
    {blocks::BCM1(), 32, {}, kBcm1},
    {blocks::BCM2(), 24, {}, kBcm2},
    {blocks::DDM(), 8, {}, kDdm},
    {blocks::RCM(), 32, {2, 9, 11, 12, 15}, kRcm},
    {blocks::ABS(), 8, {}, kAbs},
};

bool isSet(const QString& block, int p)
{
    return p <= block.size() && block[p - 1] == u'1';
}

int itemFor(const OptionRow& row, const QString& block)
{
    QString pattern;
    for (int p : row.pos)
        pattern += p <= block.size() ? block[p - 1] : u'-';
    int other = -1;
    for (const QString& word : QString::fromLatin1(row.decode).split(u' ', Qt::SkipEmptyParts)) {
        const QStringList rule = word.split(u'=');
        if (rule[0] == pattern)
            return rule[1].toInt();
        if (rule[0] == u"*")
            other = rule[1].toInt();
    }
    return pattern.contains(u'-') ? -1 : other;
}

// Every position alone set, then alone cleared: each option shows exactly the positions
// it owns, and is enabled as its page says.
TEST_F(PanelTest, EachPositionShowsInTheOptionOwningIt)
{
    for (const ShownBlock& b : kShownBlocks) {
        for (int p = 1; p <= b.length; ++p) {
            for (bool cleared : {false, true}) {
                QString block(b.length, cleared ? u'1' : u'0');
                for (int k : b.known)
                    block[k - 1] = u'1';
                block[p - 1] = cleared ? u'0' : u'1';
                SCOPED_TRACE(block.toStdString());
                show(b.id, block);
                bool shown = true;
                for (int k : b.known)
                    shown = shown && isSet(block, k);

                for (const OptionRow& row : b.rows) {
                    const QString name = QString::fromLatin1(row.name);
                    if (!row.items.empty() && *row.decode)
                        EXPECT_EQ(view.item(name), shown ? itemFor(row, block) : -1) << row.name;
                    else if (row.items.empty()) {
                        bool ticked = row.pos.empty() ? row.tickedWhenShown : true;
                        for (int q : row.pos)
                            ticked = ticked && isSet(block, q);
                        EXPECT_EQ(view.checked(name), shown && ticked) << row.name;
                    }
                    bool enabled = row.enable == Enable::Always || (row.enable == Enable::FullBlock && b.length == 40);
                    for (int q : row.when)
                        enabled = enabled || isSet(block, q);
                    EXPECT_EQ(view.enabled(name), shown && enabled) << row.name;
                }
            }
        }
    }
}

TEST(Transcript, PagesReadAndWriteTheirModules)
{
    ASSERT_EQ(int(config::pageInfos().size()), int(std::size(kPages)));
    for (std::size_t page = 0; page < config::pageInfos().size(); ++page) {
        const PageRow& want = kPages[page];
        const config::PageInfo& info = *config::pageInfos()[page];
        SCOPED_TRACE(want.caption);
        EXPECT_EQ(info.caption, want.caption);
        EXPECT_EQ(config::qs(info.title), QString::fromUtf8(want.title));
        // The sides are the doors, or the parts of one module.
        const auto sides = info.allSides();
        const bool doors = want.addresses.size() > 1;
        ASSERT_EQ(sides.size(), doors ? want.addresses.size() : want.parts.size());
        for (std::size_t side = 0; side < sides.size(); ++side) {
            const car::Module& module = config::moduleOf(sides[side]);
            EXPECT_EQ(sides[side].address, want.addresses[doors ? side : 0]);
            EXPECT_EQ(module.medium(), want.medium);
            EXPECT_EQ(module.session, want.session);
            const TransferRow& part = want.parts[doors ? 0 : side];
            const QString block = car::blockText(sides[side].layout->number);
            EXPECT_EQ(QStringLiteral("21") + block, QLatin1String(part.read));
            EXPECT_EQ(QStringLiteral("61") + block, QLatin1String(part.prefix));
            EXPECT_EQ(QStringLiteral("3B") + block, QString::fromLatin1(part.write).toUpper());
            // Each part's own answer is taken: stricter than "7B0" for both parts.
            EXPECT_TRUE((QStringLiteral("7B") + block).startsWith(QLatin1String(part.accepted)));
            EXPECT_EQ(config::qs(sides[side].suffix),
                      want.suffixes.empty() ? QString() : QString::fromUtf8(want.suffixes[side]));
        }
    }
}

TEST(Transcript, ModuleTableHasTheElevenModules)
{
    struct Row {
        int bus;
        const char* adr;
        const char* name;
        const char* title;
        const char* manual;
        const char* vin;
        bool restart;
    };
    const Row rows[] = {
        {0, "720", "IPC", "Панель приборов", "00", "02", false},
        {1, "727", "ACM", "Аудиомодуль", "00", "01", false},
        {1, "726", "BCM", "GEM модуль", "03", "FF", true},
        {1, "740", "DDM", "Водительский дверной модуль", "01", "00", false},
        {1, "741", "PDM", "Пассажирский дверной модуль", "01", "00", false},
        {1, "733", "HVAC", "Модуль климат-контроля", "01", "00", false},
        {1, "737", "RCM", "Модуль подушек/ремней безопасности", "00", "01", false},
        {0, "760", "ABS", "Модуль ABS/ESP", "01", "00", false},
        {0, "734", "HCM", "Модуль управления головным светом", "00", "01", false},
        {0, "730", "PSCM", "Модуль ЭГУР", "FF", "00", false},
        {0, "7E0", "PCM", "Модуль управления двигателем", "FF", "FF", true},
    };
    ASSERT_EQ(link::Moduls().size(), std::size(rows));
    const auto block = [](int number) { return number < 0 ? QStringLiteral("FF") : car::blockText(number); };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const link::TModuls& m = *link::Moduls()[i];
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(m.medium() ? 1 : 0, rows[i].bus);
        EXPECT_EQ(car::qs(m.address), QLatin1String(rows[i].adr));
        EXPECT_EQ(car::qs(m.name), QLatin1String(rows[i].name));
        EXPECT_EQ(car::qs(m.title), QString::fromUtf8(rows[i].title));
        EXPECT_EQ(block(m.manualBlock), QLatin1String(rows[i].manual));
        EXPECT_EQ(block(m.vinBlock), QLatin1String(rows[i].vin));
        EXPECT_EQ(m.restart, rows[i].restart);
    }
}

} // namespace
