#include "app/form_calc.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using talmero::app::groupDigits;
using talmero::app::TFormCalc;

namespace {

// The calculator shown for one calcText, driven through its fields.
struct Calc {
    TFormCalc form;
    QLineEdit* hex = form.findChild<QLineEdit*>("Edit1");
    QLineEdit* bits = form.findChild<QLineEdit*>("Edit2");

    explicit Calc(const QString& calcText) { show(calcText); }
    void show(const QString& calcText)
    {
        form.setCalcText(calcText);
        form.show();
    }
    QString close()
    {
        form.findChild<QPushButton*>("ButtonCl")->click();
        EXPECT_FALSE(form.isVisible());
        return form.closingHex();
    }
    void retype(QLineEdit* field, const char* keys)
    {
        field->clear();
        QTest::keyClicks(field, keys);
    }
};

} // namespace

TEST(Calculator, GroupsWholeGroupsOnly)
{
    EXPECT_EQ(groupDigits("A50F", 2), "A5 0F");
    EXPECT_EQ(groupDigits("A50", 2), "A5");
    EXPECT_EQ(groupDigits("1010010", 8), "");
    EXPECT_EQ(groupDigits("", 8), "");
}

TEST(Calculator, ShowingStartsFromTheHandedText)
{
    const struct {
        const char* calcText;
        const char* hex;
        const char* bits;
        const char* closing;
    } cases[] = {
        {"A5", "A5", "10100101", "A5"},
        {"", "00", "00000000", "00"},
        {"5", "00", "00000000", "00"},
        {"CD421010C0", "CD 42 10 10 C0", "11001101 01000010 00010000 00010000 11000000", "CD421010C0"},
        {"A50", "A50", "", "A5"}, // an odd block: the bit field waits, closing keeps whole bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.calcText);
        Calc calc(c.calcText);
        EXPECT_EQ(calc.hex->text(), c.hex);
        EXPECT_EQ(calc.bits->text(), c.bits);
        EXPECT_EQ(calc.close(), c.closing);
    }
}

TEST(Calculator, FieldsFollowEachOtherOnWholeBytesOnly)
{
    Calc calc("A5");
    calc.retype(calc.hex, "a");
    EXPECT_EQ(calc.bits->text(), "10100101"); // one digit changes nothing yet
    QTest::keyClicks(calc.hex, "50f");
    EXPECT_EQ(calc.hex->text(), "A5 0F");
    EXPECT_EQ(calc.bits->text(), "10100101 00001111");
    EXPECT_EQ(calc.hex->cursorPosition(), calc.hex->text().size());

    calc.retype(calc.bits, "1111111");
    EXPECT_EQ(calc.hex->text(), "A5 0F"); // seven bits change nothing
    QTest::keyClicks(calc.bits, "100000000");
    EXPECT_EQ(calc.bits->text(), "11111111 00000000");
    EXPECT_EQ(calc.hex->text(), "FF 00");
    EXPECT_EQ(calc.bits->cursorPosition(), calc.bits->text().size());

    // Keys that are no digit of the field are refused.
    QTest::keyClicks(calc.hex, "xZ");
    QTest::keyClicks(calc.bits, "2a");
    EXPECT_EQ(calc.hex->text(), "FF 00");
    EXPECT_EQ(calc.bits->text(), "11111111 00000000");

    // Closing after the hex field was left at an odd length keeps the whole bytes.
    calc.retype(calc.hex, "a5 0");
    EXPECT_EQ(calc.close(), "A5");
}

// Enter in either field does what the button does: the value goes back.
TEST(Calculator, EnterTakesTheValueAsTheButtonDoes)
{
    Calc calc("A5");
    calc.retype(calc.hex, "3C");
    QTest::keyClick(calc.hex, Qt::Key_Return);
    EXPECT_FALSE(calc.form.isVisible());
    EXPECT_EQ(calc.form.closingHex(), "3C");

    calc.show("A5");
    calc.retype(calc.bits, "00001111");
    QTest::keyClick(calc.bits, Qt::Key_Enter);
    EXPECT_FALSE(calc.form.isVisible());
    EXPECT_EQ(calc.form.closingHex(), "0F");
}

TEST(Calculator, NothingIsKeptBetweenShowings)
{
    Calc calc("A5");
    calc.retype(calc.bits, "1010010"); // left at seven bits
    EXPECT_EQ(calc.close(), "A5");
    calc.show("A5");
    EXPECT_EQ(calc.bits->text(), "10100101");
    EXPECT_EQ(calc.hex->text(), "A5");
}

TEST(Calculator, TextThatIsNotHexNeverReachesTheBitField)
{
    Calc calc("ZZ");
    EXPECT_EQ(calc.bits->text(), "");
    EXPECT_EQ(calc.close(), "ZZ"); // the write rejects it
    calc.show("1G2");
    EXPECT_EQ(calc.bits->text(), "");
    EXPECT_EQ(calc.close(), "1G");
}
