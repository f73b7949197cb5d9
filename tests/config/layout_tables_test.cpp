#include "config/layout.h"
#include "car/layout_check.h"
#include "config/pages.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace talmero::config;
using namespace talmero::car;

namespace {

TEST(LayoutTables, EveryBlockIsSound)
{
    for (const BlockLayout* b : blockLayouts())
        EXPECT_EQ(layoutProblem(*b), std::string_view()) << b->number;
    EXPECT_EQ(repeatedName(blockLayouts()), std::string_view());
}

TEST(LayoutTables, ControlNamesAreUniqueAcrossBlocksAndPageControls)
{
    QSet<QString> names;
    for (const BlockLayout* b : blockLayouts()) {
        for (const Option& o : b->options)
            EXPECT_FALSE(names.contains(qs(o.name))) << o.name;
        for (const Option& o : b->options)
            names.insert(qs(o.name));
    }
    for (const PageControl& c : pageControls()) {
        EXPECT_FALSE(names.contains(qs(c.name))) << c.name;
        names.insert(qs(c.name));
    }
}

// The checker must really catch each kind of fault it claims to.
constexpr std::string_view kTwoItems[] = {"a", "b"};
constexpr PatternItem kBadPattern[] = {{"0x", 0}};
constexpr PatternItem kGoodPattern[] = {{"01", 0}, {"10", 1}};
constexpr std::string_view kWrongEncode[] = {"10", "01"};
constexpr std::string_view kGoodEncode[] = {"01", "10"};

constexpr Option kOutside[] = {{.name = "A", .pos = pos({9}), .caption = "a"}};
constexpr Option kTwice[] = {{.name = "A", .pos = pos({3}), .caption = "a"},
                             {.name = "B", .kind = OptionKind::JointFlag, .pos = pos({2, 3}), .caption = "b"}};
constexpr Option kBadChoice[] = {{.name = "A", .kind = OptionKind::Choice, .pos = pos({1, 2}), .caption = "a",
                                  .items = kTwoItems, .decode = kBadPattern}};
constexpr Option kNotAdjacent[] = {{.name = "A", .kind = OptionKind::Choice, .pos = pos({1, 3}), .caption = "a",
                                    .items = kTwoItems, .decode = kGoodPattern, .encode = kGoodEncode}};
constexpr Option kEncodeMismatch[] = {{.name = "A", .kind = OptionKind::Choice, .pos = pos({1, 2}),
                                       .caption = "a", .items = kTwoItems, .decode = kGoodPattern,
                                       .encode = kWrongEncode}};
constexpr Option kSound[] = {{.name = "A", .kind = OptionKind::Choice, .pos = pos({1, 2}), .caption = "a",
                              .items = kTwoItems, .decode = kGoodPattern, .encode = kGoodEncode},
                             {.name = "B", .pos = pos({3}), .caption = "b"}};
constexpr Option kWritesTested[] = {{.name = "A", .pos = pos({4}), .caption = "a"}};

constexpr BlockLayout block(std::span<const Option> options)
{
    return {.number = 1, .capacity = 8, .zero = "00000000", .options = options};
}

TEST(LayoutTables, CheckerCatchesEachFault)
{
    EXPECT_EQ(layoutProblem(block(kSound)), std::string_view());
    EXPECT_EQ(layoutProblem(block(kOutside)), "a position outside the block");
    EXPECT_EQ(layoutProblem(block(kTwice)), "a position written by two options");
    EXPECT_EQ(layoutProblem(block(kBadChoice)), "a decode pattern of the wrong form");
    EXPECT_EQ(layoutProblem(block(kNotAdjacent)), "a choice without two adjacent positions");
    EXPECT_EQ(layoutProblem(block(kEncodeMismatch)), "an encode pattern that does not decode to its item");
    BlockLayout tested = block(kWritesTested);
    tested.known = pos({4});
    EXPECT_EQ(layoutProblem(tested), "a position written by two options");
    const BlockLayout sound = block(kSound);
    const BlockLayout outside = block(kOutside);
    const BlockLayout* twoBlocks[] = {&sound, &outside};
    EXPECT_EQ(repeatedName(twoBlocks), "A");
}

// The climate table lists the bytes whose halves, read as decimal numerals, add up to a
// known sum; check it against that reading for every byte.
TEST(LayoutTables, ClimateTableMatchesDecimalSumReading)
{
    const Option* hvac = findOption("RadioGroupHVAC");
    ASSERT_NE(hvac, nullptr);
    for (int byte = 0; byte < 256; ++byte) {
        const QString bits = QStringLiteral("%1").arg(byte, 8, 2, QLatin1Char('0'));
        const int v = bits.left(4).toInt() + bits.mid(4).toInt();
        int expected = 4;
        if (v == 0)
            expected = 0;
        else if (v == 100)
            expected = 1;
        else if (v == 1100)
            expected = 2;
        else if (v == 1000)
            expected = 3;
        EXPECT_EQ(check_detail::decodedItem(*hvac, bits.toStdString()), expected) << qPrintable(bits);
    }
}

} // namespace
