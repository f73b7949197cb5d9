#pragma once

#include "car/layout.h"

// Integrity of the layout tables; used by static_assert and by the tests.
namespace talmero::car {

namespace check_detail {

constexpr bool isBit(char c) { return c == '0' || c == '1'; }
constexpr bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

constexpr bool patternFits(std::string_view p, const Option& o, bool hexText)
{
    if (int(p.size()) != o.pos.count)
        return false;
    if (o.kind == OptionKind::Choice && p.size() != 2)
        return false;
    for (char c : p) {
        if (hexText ? !isHex(c) : !isBit(c))
            return false;
    }
    return true;
}

constexpr int decodedItem(const Option& o, std::string_view p)
{
    for (const PatternItem& d : o.decode) {
        if (d.pattern == p)
            return d.item;
    }
    return o.otherItem;
}

constexpr std::string_view optionProblem(const BlockLayout& b, const Option& o)
{
    const int limit = o.onlyLength ? o.onlyLength : b.capacity;
    if (o.name.empty() || o.caption.empty())
        return "an option without name or caption";
    for (int i = 0; i < o.pos.count; ++i) {
        if (o.pos.at[i] < 1 || o.pos.at[i] > limit)
            return "a position outside the block";
        for (int j = 0; j < i; ++j) {
            if (o.pos.at[j] == o.pos.at[i])
                return "a position listed twice in one option";
        }
    }
    switch (o.kind) {
    case OptionKind::Flag:
        if (o.pos.count != 1)
            return "a flag without exactly one position";
        break;
    case OptionKind::JointFlag:
        if (o.pos.count != 2 && o.pos.count != 5)
            return "a joint flag without two or five positions";
        break;
    case OptionKind::Choice:
        if (o.pos.count != 2 || o.pos.at[1] != o.pos.at[0] + 1)
            return "a choice without two adjacent positions";
        break;
    case OptionKind::WholeBlockChoice:
        if (o.byLength ? o.pos.count != 0 : o.pos.count == 0)
            return "a whole-block choice without positions";
        break;
    case OptionKind::Indicator:
        if (o.pos.count != 0)
            return "an indicator owning positions";
        break;
    }
    if (o.isRadioGroup() && o.items.empty())
        return "a radio group without items";
    const int items = int(o.items.size());
    if (o.otherItem >= items || o.blocksWriteItem >= items || int(o.encode.size()) > items)
        return "an item number beyond the radio items";
    for (std::size_t i = 0; i < o.decode.size(); ++i) {
        if (!patternFits(o.decode[i].pattern, o, b.hexText))
            return "a decode pattern of the wrong form";
        if (o.decode[i].item < 0 || o.decode[i].item >= items)
            return "a decode pattern selecting no radio item";
        for (std::size_t j = 0; j < i; ++j) {
            if (o.decode[j].pattern == o.decode[i].pattern)
                return "a decode pattern listed twice";
        }
    }
    for (std::size_t i = 0; i < o.encode.size(); ++i) {
        if (!patternFits(o.encode[i], o, b.hexText))
            return "an encode pattern of the wrong form";
        // What an encoder writes must read back as the item that wrote it.
        if (decodedItem(o, o.encode[i]) != int(i))
            return "an encode pattern that does not decode to its item";
    }
    if (!o.noItemPattern.empty()) {
        if (!patternFits(o.noItemPattern, o, b.hexText))
            return "a no-item pattern of the wrong form";
        if (decodedItem(o, o.noItemPattern) != -1)
            return "a no-item pattern that selects an item";
    }
    if (o.enable == EnableRule::WhenPosSet && (o.enablePos < 1 || o.enablePos > b.capacity))
        return "an enabling position outside the block";
    return {};
}

} // namespace check_detail

// Empty when the block's table is sound, otherwise what is wrong with it.
constexpr std::string_view layoutProblem(const BlockLayout& b)
{
    if (b.zero.empty() || int(b.zero.size()) > b.capacity)
        return "a zero value that does not fit the block";
    for (char c : b.zero) {
        if (c != '0')
            return "a zero value that is not all '0'";
    }
    for (const Option& o : b.options) {
        const std::string_view problem = check_detail::optionProblem(b, o);
        if (!problem.empty())
            return problem;
    }
    // A choice by length tells a whole block from its shorter whole form.
    bool byLength = false;
    for (const Option& o : b.options)
        byLength = byLength || o.byLength;
    if ((byLength && b.shortLength <= 0) || b.shortLength < 0 || (b.shortLength > 0 && b.shortLength >= b.capacity)
        || (!b.hexText && b.shortLength % 8 != 0))
        return "a choice by length without a shorter whole block, or one that does not fit";
    // No position is written by two options that exist in the same block length, nor
    // written at all if it is a tested one.
    for (int k = 0; k < b.known.count; ++k) {
        if (b.known.at[k] < 1 || b.known.at[k] > b.capacity)
            return "a tested position outside the block";
    }
    for (std::size_t i = 0; i < b.options.size(); ++i) {
        const Option& o = b.options[i];
        if (!o.writes())
            continue;
        for (int k = 0; k < o.pos.count; ++k) {
            for (int t = 0; t < b.known.count; ++t) {
                if (b.known.at[t] == o.pos.at[k])
                    return "a position written by two options";
            }
            for (std::size_t j = 0; j < i; ++j) {
                const Option& other = b.options[j];
                const bool coexist = o.onlyLength == 0 || other.onlyLength == 0
                    || o.onlyLength == other.onlyLength;
                if (!other.writes() || !coexist)
                    continue;
                for (int m = 0; m < other.pos.count; ++m) {
                    if (other.pos.at[m] == o.pos.at[k])
                        return "a position written by two options";
                }
            }
        }
    }
    return {};
}

// Empty when every control name of the blocks is used once, else the first repeated name.
constexpr std::string_view repeatedName(std::span<const BlockLayout* const> blocks)
{
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (std::size_t i = 0; i < blocks[b]->options.size(); ++i) {
            const std::string_view name = blocks[b]->options[i].name;
            for (std::size_t c = 0; c <= b; ++c) {
                const std::size_t end = c == b ? i : blocks[c]->options.size();
                for (std::size_t j = 0; j < end; ++j) {
                    if (blocks[c]->options[j].name == name)
                        return name;
                }
            }
        }
    }
    return {};
}

} // namespace talmero::car
