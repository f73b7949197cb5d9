#include "panel_fixture.h"

#include "config/option_view.h"

#include <random>
#include "support/blocks.h"

using namespace talmero::config;

namespace {

QString randomBlock(const BlockLayout& b, std::mt19937& rng)
{
    QString s;
    if (b.hexText) {
        const int length = rng() % 2 ? 2 : 8;
        for (int i = 0; i < length; ++i)
            s += QLatin1Char("0123456789ABCDEF"[rng() % 16]);
    } else {
        const int length = b.shortLength > 0 && rng() % 2 ? b.shortLength : b.capacity;
        for (int i = 0; i < length; ++i)
            s += rng() % 2 ? u'1' : u'0';
        for (int k = 0; k < b.known.count && rng() % 8 != 0; ++k)
            s[b.known.at[k] - 1] = u'1';
    }
    // Half the time a choice reads one of its known patterns, so items get exercised.
    for (const Option& o : b.options) {
        if (o.decode.empty() || rng() % 2 || (o.onlyLength && s.size() != o.onlyLength))
            continue;
        const QString pattern = qs(o.decode[rng() % o.decode.size()].pattern);
        for (int k = 0; k < o.pos.count; ++k)
            s[o.pos.at[k] - 1] = pattern.at(k);
    }
    return s;
}

bool owns(const Option& o, int position)
{
    for (int k = 0; k < o.pos.count; ++k) {
        if (o.pos.at[k] == position)
            return true;
    }
    return false;
}

// The states the user could give an option other than the one shown, with the
// characters each must leave in the option's positions.
QList<QPair<int, QString>> alternatives(const Option& o, int shown)
{
    QList<QPair<int, QString>> out;
    if (!o.isRadioGroup()) {
        out.append({1 - shown, QString(o.pos.count, shown ? u'0' : u'1')});
        return out;
    }
    for (int item = 0; item < int(o.encode.size()); ++item) {
        if (item != shown)
            out.append({item, qs(o.encode[item])});
    }
    return out;
}

TEST_F(PanelTest, RandomBlocksSurviveDecodeEncodeAndSingleChangesStayInTheirPositions)
{
    std::mt19937 rng(4242);
    int changes = 0;
    for (const BlockLayout* layout : blockLayouts()) {
        const BlockLayout& b = *layout;
        for (int round = 0; round < 40; ++round) {
            const QString block = randomBlock(b, rng);
            SCOPED_TRACE(qPrintable(QString::number(b.number) + QLatin1Char(' ') + block));
            host.notices.clear();
            if (!show(b, block))
                continue;
            const QString read = panel.conf(b);
            panel.encode(b);
            ASSERT_EQ(panel.conf(b), read);
            if (!host.notices.isEmpty()) // an unknown configuration shows nothing to change
                continue;

            for (const Option& o : b.options) {
                if (!o.writes() || (o.onlyLength && read.size() != o.onlyLength))
                    continue;
                const QString name = qs(o.name);
                const int shown = o.isRadioGroup() ? view.item(name) : int(view.checked(name));
                for (const auto& [state, pattern] : alternatives(o, shown)) {
                    show(b, read);
                    if (o.isRadioGroup())
                        view.setItem(name, state);
                    else
                        view.setChecked(name, state == 1);
                    panel.encode(b);
                    const QString written = panel.conf(b);
                    ASSERT_EQ(written.size(), read.size()) << o.name;
                    for (int p = 1; p <= read.size(); ++p) {
                        if (!owns(o, p)) {
                            ASSERT_EQ(written.at(p - 1), read.at(p - 1)) << o.name << " position " << p;
                        }
                    }
                    for (int k = 0; k < o.pos.count; ++k)
                        ASSERT_EQ(written.at(o.pos.at[k] - 1), pattern.at(k)) << o.name;
                    // And the written block shows the user's choice again, unless the
                    // choice happened to spell the audio module's not-configured byte.
                    if (!show(b, written)) {
                        ASSERT_TRUE(blocks::Block(b) == blocks::ACM());
                        ASSERT_EQ(written.mid(16, 8), QStringLiteral("11110000"));
                        continue;
                    }
                    ASSERT_EQ(o.isRadioGroup() ? view.item(name) : int(view.checked(name)), state) << o.name;
                    ++changes;
                }
            }
        }
    }
    EXPECT_GT(changes, 1000);
}

} // namespace
