#include "config/option_transcript.h"
#include "shell_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// What the configuration tab shows, control by control, against the hand-typed rows.
TEST_F(ShellTest, ConfigurationTabShowsEveryCaptionHintAndItem)
{
    startProgram();
    for (std::span<const transcript::OptionRow> rows : transcript::kAllRows) {
        for (const transcript::OptionRow& row : rows) {
            SCOPED_TRACE(row.name);
            QWidget* control = main().findChild<QWidget*>(QLatin1String(row.name));
            ASSERT_NE(control, nullptr);
            QString caption;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                caption = button->text();
            else if (auto* box = qobject_cast<QGroupBox*>(control))
                caption = box->title();
            else if (auto* label = qobject_cast<QLabel*>(control))
                caption = label->text();
            EXPECT_EQ(caption, QString::fromUtf8(row.caption));
            EXPECT_EQ(control->toolTip(), QString::fromUtf8(row.hint));
            QStringList items;
            for (const QRadioButton* item : control->findChildren<QRadioButton*>())
                items.append(item->text());
            QStringList want;
            for (const char* item : row.items)
                want.append(QString::fromUtf8(item));
            EXPECT_EQ(items, want);
        }
    }
    auto* pages = main().findChild<QTabWidget*>(QStringLiteral("TabbedCONF"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), int(std::size(transcript::kPages)));
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(transcript::kPages[i].caption));
}

} // namespace
