#include "config/block_reading.h"

namespace talmero::config::reading {

// A position beyond the block reads as not '1'.
QChar charAt(const QString& block, int position)
{
    return position <= block.size() ? block.at(position - 1) : QChar(u'0');
}

bool allSet(const QString& block, const Positions& p)
{
    for (int k = 0; k < p.count; ++k) {
        if (charAt(block, p.at[k]) != u'1')
            return false;
    }
    return true;
}

bool accepts(const BlockLayout& b, const QString& block)
{
    if (block.isEmpty() || block.size() < b.minLength)
        return false;
    if (b.exactLengths[0] != 0 && block.size() != b.exactLengths[0] && block.size() != b.exactLengths[1])
        return false;
    if (!b.refusePattern.empty() && block.mid(b.refusePos - 1, qsizetype(b.refusePattern.size())) == qs(b.refusePattern))
        return false;
    // Callers pass HEX2BIN's output; anything else must never reach a write request.
    if (!b.hexText) {
        for (QChar c : block) {
            if (c != u'0' && c != u'1')
                return false;
        }
    }
    return true;
}

// The tick (0/1) or item that a block shows for an option.
int decodedState(const BlockLayout& b, const Option& o, const QString& block)
{
    switch (o.kind) {
    case OptionKind::Flag:
    case OptionKind::JointFlag:
        return allSet(block, o.pos) ? 1 : 0;
    case OptionKind::Indicator:
        return o.tickOnShow ? 1 : 0;
    case OptionKind::Choice:
    case OptionKind::WholeBlockChoice:
        break;
    }
    if (o.byLength)
        return block.size() == b.capacity ? 0 : 1;
    QString pattern;
    for (int k = 0; k < o.pos.count; ++k) {
        // A choice reaching beyond a short block selects nothing.
        if (o.pos.at[k] > block.size())
            return -1;
        pattern += block.at(o.pos.at[k] - 1);
    }
    for (const PatternItem& d : o.decode) {
        if (pattern == qs(d.pattern))
            return d.item;
    }
    return o.otherItem;
}

bool enabledByDecode(const BlockLayout& b, const Option& o, const QString& block, bool writable)
{
    switch (o.enable) {
    case EnableRule::Always:
        return true;
    case EnableRule::FullBlock:
        return block.size() == b.capacity;
    case EnableRule::WhenPosSet:
        return charAt(block, o.enablePos) == u'1';
    case EnableRule::WhenWritable:
        return writable;
    case EnableRule::Never:
        return false;
    }
    return false;
}

bool applies(const Option& o, const QString& block)
{
    return o.onlyLength == 0 || block.size() == o.onlyLength;
}

QString patternOf(const Option& o, int state)
{
    if (!o.writes())
        return QString();
    if (!o.isRadioGroup())
        return QString(o.pos.count, state == 1 ? u'1' : u'0');
    if (state < 0)
        return qs(o.noItemPattern);
    return state < int(o.encode.size()) ? qs(o.encode[std::size_t(state)]) : QString();
}

QString encodeShown(const ShownBlock& shown, QString block)
{
    for (const ShownBlock::State& s : shown.options) {
        const QString pattern = patternOf(*s.option, s.state);
        for (int k = 0; k < pattern.size(); ++k) {
            if (s.option->pos.at[std::size_t(k)] <= block.size())
                block[s.option->pos.at[std::size_t(k)] - 1] = pattern.at(k);
        }
    }
    return block;
}

ShownBlock showBlock(const BlockLayout& b, const QString& block)
{
    ShownBlock shown;
    shown.accepted = accepts(b, block);
    shown.known = b.known.count == 0 || allSet(block, b.known);
    if (!shown.shows())
        return shown;
    shown.writable = true;
    for (const Option& o : b.options) {
        if (!applies(o, block))
            continue;
        const int state = decodedState(b, o, block);
        shown.options.append({&o, state, false});
        if (state >= 0 && state == o.blocksWriteItem)
            shown.writable = false;
    }
    for (ShownBlock::State& s : shown.options)
        s.enabled = enabledByDecode(b, *s.option, block, shown.writable);
    return shown;
}

} // namespace talmero::config::reading
