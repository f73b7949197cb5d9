#pragma once

#include <QCoreApplication> // translate(), QT_TRANSLATE_NOOP
#include <QString>

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The bit layouts of the configuration blocks, as data. A block is a '0'/'1' string
// (most significant bit of the first byte first), except HCM's, which is hex text.
// The texts the user reads are marked for translation under the context "Layout" and
// stay the source language here; tl() shows them.
namespace talmero::car {

enum class OptionKind {
    Flag,             // one position
    JointFlag,        // two or five positions: ticked only when all are '1'
    Choice,           // two adjacent positions, mapped to a radio item by pattern
    WholeBlockChoice, // the block as a whole (or its length) selects a radio item
    Indicator,        // a check box that owns no position
};

enum class EnableRule {
    Always,       // enabled by every accepted decode
    FullBlock,    // only when the block has its full capacity (5-byte IPC)
    WhenPosSet,   // only when enablePos reads '1'
    WhenWritable, // only when no choice of the block forbids writing it
    Never,        // a decode never enables it
};

// Character positions, counted from 1.
struct Positions {
    std::array<int, 8> at{};
    int count = 0;
};

constexpr Positions pos(std::initializer_list<int> list)
{
    Positions p;
    for (int v : list)
        p.at[p.count++] = v;
    return p;
}

constexpr Positions run(int first, int count)
{
    Positions p;
    for (int i = 0; i < count; ++i)
        p.at[p.count++] = first + i;
    return p;
}

struct DescriptionFile;

// The characters of a choice's positions, read in order, that select an item.
struct PatternItem {
    std::string_view pattern;
    int item;
};

struct Option {
    std::string_view name; // control name
    OptionKind kind = OptionKind::Flag;
    Positions pos{};
    std::string_view caption;
    std::string_view hint{};
    std::span<const std::string_view> items{};  // radio items
    std::span<const PatternItem> decode{};      // choices: pattern -> item
    std::span<const std::string_view> encode{}; // choices: pattern written per item; none = not encoded
    int otherItem = -1;                         // item selected when no pattern matches
    std::string_view noItemPattern{};           // written when no item is selected
    std::string_view otherEdit{};               // edit that shows the block text for otherItem
    int blocksWriteItem = -1;                   // item that leaves the block unwritable
    int onlyLength = 0;                         // exists only in a block of this length (0 = any)
    bool byLength = false;                      // item 0 for a full-capacity block, else item 1
    EnableRule enable = EnableRule::Always;
    int enablePos = 0;
    bool untickWhenOff = false; // WhenPosSet: unticked too when the user unsets that position
    bool tickOnShow = false; // indicator ticked by every decode that shows the block
    bool hidden = false;
    int columns = 1;
    const DescriptionFile* file = nullptr; // the description file it comes from; null: the program's own

    // Whether an encoder ever writes this option's positions.
    constexpr bool writes() const
    {
        switch (kind) {
        case OptionKind::Flag:
        case OptionKind::JointFlag:
            return true;
        case OptionKind::Choice:
        case OptionKind::WholeBlockChoice:
            return !encode.empty() || !noItemPattern.empty();
        case OptionKind::Indicator:
            return false;
        }
        return false;
    }
    constexpr bool isRadioGroup() const
    {
        return kind == OptionKind::Choice || kind == OptionKind::WholeBlockChoice;
    }
};

struct BlockLayout {
    int number;                      // the block's number: read 21nn, written 3Bnn
    int capacity;                    // characters kept of a longer text
    bool hexText = false;            // held as hex text, not bits (HCM)
    std::string_view zero;           // the variable after a refused decode
    int minLength = 0;               // shorter blocks are refused
    int shortLength = 0;             // a shorter block that is whole too (a whole-block choice by
                                     // length tells the two apart: the pre-facelift dashboard)
    std::array<int, 2> exactLengths{}; // when set, only these lengths are accepted
    int refusePos = 0;               // a block reading refusePattern here is refused
    std::string_view refusePattern{};
    std::string_view refuseMessage{}; // shown on every refusal of this block
    Positions known{};               // all '1' in a known configuration (tested, never written)
    std::string_view unknownMessage{};
    std::string_view alsoEnabled{};  // a page control enabled with the options
    int asBuiltLine = 0;             // its AS-BUILT line of the module ("7xx-0L-01"); 0 = none
    std::span<const Option> options;
};

// Zero values of the usual block sizes.
inline constexpr std::string_view kZero8 = "00000000";
inline constexpr std::string_view kZero24 = "000000000000000000000000";
inline constexpr std::string_view kZero32 = "00000000000000000000000000000000";

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A table's text as the user reads it, in the language the program speaks.
inline QString tl(std::string_view text, const char* context = "Layout")
{
    // The lookup wants a terminated string; a view need not end at one.
    return text.empty() ? qs(text) : QCoreApplication::translate(context, std::string(text).c_str());
}

} // namespace talmero::car
