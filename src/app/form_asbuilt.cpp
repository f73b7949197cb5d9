#include "app/form_asbuilt.h"

#include "app/dialogs.h"
#include "app/program.h"
#include "app/widget_names.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmero::app {

TFormAsBuilt::TFormAsBuilt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAsBuilt"));
    setWindowTitle(tr("TALMERO (AS-BUILT)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    // The main window's 8 pt, so that the instruction line fits the narrow window.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    Label5 = named(new QLabel(this), "Label5");
    Label5->setWordWrap(true);
    auto* address = new QWidget(this);
    Label1 = named(new QLabel(QStringLiteral("7     -     -"), address), "Label1");
    Label2 = named(new QLabel(QStringLiteral("20"), address), "Label2");
    Label3 = named(new QLabel(QStringLiteral("01"), address), "Label3");
    Label4 = named(new QLabel(QStringLiteral("01"), address), "Label4");
    placeAddress(*address);
    Edit1 = named(new QLineEdit(this), "Edit1");
    Button1 = named(new QPushButton(tr("OK"), this), "Button1");
    // Enter takes the typed line.
    Button1->setDefault(true);
    LabelProblem = named(new QLabel(this), "LabelProblem");
    LabelProblem->setWordWrap(true);
    LabelProblem->setStyleSheet(QStringLiteral("color: #b00000;"));
    Label6 = named(new QLabel(tr("pozostale wiersze AS-BUILT nie zmienione..."), this),
                   "Label6");
    // A generated line: copied with one click, the window closed with the other (or Enter).
    ButtonCopy = named(new QPushButton(tr("Copy"), this), "ButtonCopy");
    ButtonCopy->setToolTip(tr("Copy the line's data to the clipboard"));
    ButtonClose = named(new QPushButton(tr("Close"), this), "ButtonClose");

    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    line->addWidget(address);
    line->addWidget(Edit1, 1);
    line->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(Label5);
    layout->addLayout(line);
    layout->addWidget(LabelProblem);
    layout->addWidget(Label6);
    layout->addStretch();
    auto* resultButtons = new QHBoxLayout;
    resultButtons->addStretch();
    resultButtons->addWidget(ButtonCopy);
    resultButtons->addWidget(ButtonClose);
    layout->addLayout(resultButtons);
    setEntryReadOnly(false);

    connect(Button1, &QPushButton::clicked, this, &TFormAsBuilt::Button1Click);
    connect(ButtonCopy, &QPushButton::clicked, this, &TFormAsBuilt::ButtonCopyClick);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormAsBuilt::close);
    // A complaint about the line before it was edited no longer holds.
    connect(Edit1, &QLineEdit::textEdited, LabelProblem, &QLabel::clear);
}

void TFormAsBuilt::Button1Click()
{
    if (m_button1Handler)
        m_button1Handler();
}

void TFormAsBuilt::setEntryReadOnly(bool readOnly)
{
    Edit1->setReadOnly(readOnly);
    ButtonCopy->setVisible(readOnly);
    ButtonCopy->setText(tr("Copy"));
    ButtonClose->setVisible(readOnly);
    Button1->setDefault(!readOnly);
    ButtonClose->setDefault(readOnly);
}

void TFormAsBuilt::ButtonCopyClick()
{
    QGuiApplication::clipboard()->setText(Edit1->text());
    ButtonCopy->setText(tr("Copied"));
}

void TFormAsBuilt::showModal()
{
    centreOnScreen(*this);
    // A generated line is selected, ready for Ctrl+C; a line to type gets the cursor.
    Edit1->setFocus();
    if (Edit1->isReadOnly())
        Edit1->selectAll();
    else
        Edit1->end(false);
    dialogs().showModal(*this);
}

void TFormAsBuilt::close()
{
    QDialog::close();
}

// The address reads like one text, "720 - 01 - 01": the three variable parts sit in the
// gaps that Label1 leaves after its 7 and after each dash.
void TFormAsBuilt::placeAddress(QWidget& address)
{
    QFont bold = font();
    bold.setBold(true);
    // Five blanks of a proportional font are narrower than " 01 ".
    bold.setWordSpacing(2);
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->setFont(bold);
    const QFontMetrics metrics(bold);
    const QString fixed = Label1->text();
    auto widthOf = [&](qsizetype chars) { return metrics.horizontalAdvance(fixed.left(chars)); };
    const qsizetype firstDash = fixed.indexOf(u'-');
    const qsizetype secondDash = fixed.lastIndexOf(u'-');
    const int pair = metrics.horizontalAdvance(QStringLiteral("00")) + 2;
    const int height = metrics.height();
    Label1->setGeometry(0, 0, widthOf(fixed.size()) + 2, height);
    Label2->setGeometry(widthOf(1), 0, pair, height);
    const int gap = widthOf(firstDash + 1);
    Label3->setGeometry(gap, 0, widthOf(secondDash) - gap, height);
    Label3->setAlignment(Qt::AlignCenter);
    const int lastX = widthOf(secondDash + 1) + metrics.horizontalAdvance(u' ');
    Label4->setGeometry(lastX, 0, pair, height);
    address.setFixedSize(lastX + pair + 2, height);
}

} // namespace talmero::app
