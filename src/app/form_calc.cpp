#include "app/form_calc.h"

#include "link/answer_text.h"
#include "link/codecs.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

namespace talmero::app {

namespace {

// Both fields are rewritten from each other's change rule; an unchanged text must not
// start another round.
void setIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

QLineEdit* fieldFor(QWidget* parent, const char* name, const char* allowed, const char* text)
{
    auto* edit = new QLineEdit(QLatin1String(text), parent);
    edit->setObjectName(QLatin1String(name));
    // Keys that cannot be part of the value are refused; blanks separate the groups.
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QLatin1String(allowed)), edit));
    return edit;
}

} // namespace

QString groupDigits(const QString& text, int groupSize)
{
    QStringList groups;
    for (qsizetype i = 0; i + groupSize <= text.size(); i += groupSize)
        groups.append(text.mid(i, groupSize));
    return groups.join(QLatin1Char(' '));
}

TFormCalc::TFormCalc(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCalc"));
    setWindowTitle(tr("TALMERO (Kalkulator BIN-HEX)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint);
    setFixedSize(kClientWidth, kClientHeight);

    Edit2 = fieldFor(this, "Edit2", "[01 ]*",
                     "11111111 11111111 11111111 11111111 11111111 11111111");
    // A five-byte block's bits must fit the narrow window without scrolling.
    QFont smaller = Edit2->font();
    smaller.setPointSizeF(qMax(7.0, smaller.pointSizeF() - 1.0));
    Edit2->setFont(smaller);
    Edit1 = fieldFor(this, "Edit1", "[0-9A-Fa-f ]*", "FF FF FF FF FF FF");
    ButtonCl = new QPushButton(tr("Zamknac okno zapisu"), this);
    ButtonCl->setObjectName(QStringLiteral("ButtonCl"));
    // Enter in either field takes the value, as the button does; Escape keeps the value
    // the window was opened with, and the window says so.
    ButtonCl->setDefault(true);
    LabelKeys = new QLabel(this);
    LabelKeys->setObjectName(QStringLiteral("LabelKeys"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(6);
    grid->addWidget(Edit2, 0, 0, 1, 2);
    grid->addWidget(Edit1, 1, 0);
    grid->addWidget(ButtonCl, 1, 1);
    grid->addWidget(LabelKeys, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(Edit1, &QLineEdit::textChanged, this, &TFormCalc::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TFormCalc::Edit2Change);
    connect(ButtonCl, &QPushButton::clicked, this, &TFormCalc::ButtonClClick);
}

QString TFormCalc::execFor(const QString& calcText)
{
    setCalcText(calcText);
    exec();
    return m_closingHex;
}

void TFormCalc::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TFormCalc::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        m_cancelled = true;
    QDialog::keyPressEvent(event);
}

void TFormCalc::FormActivate()
{
    m_cancelled = false;
    // Nothing is kept from the last showing, not even a field equal to the new value.
    const QString hex = m_calcText.size() < 2 ? QStringLiteral("00") : link::cutCOM(m_calcText);
    {
        const QSignalBlocker blockBits(Edit2);
        const QSignalBlocker blockHex(Edit1);
        Edit2->clear();
        Edit1->setText(hex);
    }
    m_openedHex = link::cutCOM(hex);
    m_openedHex.truncate(m_openedHex.size() / 2 * 2);
    LabelKeys->setText(tr("Enter: take the value.\nEscape: keep %1").arg(groupDigits(m_openedHex, 2)));
    Edit1Change();
    // The whole block in view, not its tail: the window grows to the bits' width.
    const int needed = Edit2->fontMetrics().horizontalAdvance(Edit2->text()) + 24;
    const int room = screen() ? screen()->availableGeometry().width() - 40 : needed;
    setFixedSize(qBound(kClientWidth, needed, qMax(kClientWidth, room)), qMax(kClientHeight, layout()->sizeHint().height()));
    Edit1->setCursorPosition(0);
    Edit2->setCursorPosition(0);
    Edit1->setFocus();
}

void TFormCalc::Edit1Change()
{
    const QString hex = link::cutCOM(Edit1->text());
    if (hex.isEmpty() || hex.size() % 2 != 0)
        return; // still being typed
    setIfDifferent(Edit2, groupDigits(link::HEX2BIN(hex), 8));
    Edit1->setCursorPosition(Edit1->text().size());
}

void TFormCalc::Edit2Change()
{
    const QString bits = link::cutCOM(Edit2->text());
    if (bits.isEmpty() || bits.size() % 8 != 0)
        return; // not a whole byte yet
    setIfDifferent(Edit1, groupDigits(link::BIN2HEX(bits), 2));
    Edit2->setCursorPosition(Edit2->text().size());
}

void TFormCalc::ButtonClClick()
{
    close();
}

void TFormCalc::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TFormCalc::FormClose()
{
    if (m_cancelled) {
        m_closingHex = m_openedHex;
        return;
    }
    QString hex = link::cutCOM(Edit1->text());
    if (hex.size() % 2 != 0)
        hex.chop(1);
    m_closingHex = hex;
}

} // namespace talmero::app
