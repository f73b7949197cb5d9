#include "app/form_compare.h"

#include "app/dialogs.h"
#include "app/form_main.h"
#include "app/widget_names.h"
#include "config/backup_reader.h"
#include "link/codecs.h"
#include "link/modules.h"
#include "link/printable_text.h"
#include "link/session.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

enum Column { ColModule, ColBlock, ColState, ColLeft, ColRight, ColumnCount };

QString stateText(config::BlockState state)
{
    switch (state) {
    case config::BlockState::Same:
        return TFormCompare::tr("same");
    case config::BlockState::Differs:
        return TFormCompare::tr("differs");
    case config::BlockState::LeftOnly:
        return TFormCompare::tr("left only");
    case config::BlockState::RightOnly:
        break;
    }
    return TFormCompare::tr("right only");
}

QString moduleText(const config::BlockComparison& row)
{
    const link::TModuls* m = link::moduleAt(row.address);
    return (m ? car::qs(m->name) : row.module) + QStringLiteral(" (") + row.address + QLatin1Char(')');
}

// A block in hex; a module's VIN block with its text before it, printable (seen first
// where the column is narrower than the hex).
QString blockCell(const config::BlockComparison& row, const QString& hex)
{
    const QString split = link::splitHEX(hex);
    const link::TModuls* m = link::moduleAt(row.address);
    if (hex.isEmpty() || !m || m->vinBlock < 0 || car::blockText(m->vinBlock).compare(row.index, Qt::CaseInsensitive) != 0)
        return split;
    return u'«' + link::printableText(QString::fromLatin1(QByteArray::fromHex(hex.toLatin1()))) + QStringLiteral("»  ") + split;
}

QLabel* pathLabel(QWidget* parent, const char* name)
{
    auto* label = named(new QLabel(TFormCompare::tr("(not chosen)"), parent), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

} // namespace

TFormCompare::TFormCompare(TFormMain& main) : QDialog(&main), m_main(main)
{
    setObjectName(QStringLiteral("FormCompare"));
    setWindowTitle(tr("TALMERO - Compare configurations"));
    resize(1120, 640);
    auto* layout = new QVBoxLayout(this);

    auto* sides = new QGridLayout;
    auto* left = named(new QPushButton(tr("Left file…"), this), "ButtonCompareLeft");
    auto* right = named(new QPushButton(tr("Right file…"), this), "ButtonCompareRight");
    ButtonCompareCar = named(new QPushButton(tr("The car"), this), "ButtonCompareCar");
    ButtonCompareCar->setToolTip(tr("Read the car now, as a backup reads it, without writing a file"));
    ButtonCompareCar->setEnabled(m_main.state().online);
    LabelCompareLeft = pathLabel(this, "LabelCompareLeft");
    LabelCompareRight = pathLabel(this, "LabelCompareRight");
    sides->addWidget(left, 0, 0);
    sides->addWidget(LabelCompareLeft, 0, 2);
    sides->addWidget(right, 1, 0);
    sides->addWidget(ButtonCompareCar, 1, 1);
    sides->addWidget(LabelCompareRight, 1, 2);
    sides->setColumnStretch(2, 1);
    layout->addLayout(sides);

    LabelCompareVIN = named(new QLabel(this), "LabelCompareVIN");
    LabelCompareVIN->setWordWrap(true);
    LabelCompareVIN->hide();
    layout->addWidget(LabelCompareVIN);
    LabelCompareSummary = named(new QLabel(this), "LabelCompareSummary");
    LabelCompareSummary->setWordWrap(true);
    layout->addWidget(LabelCompareSummary);

    TreeCompare = named(new QTreeWidget(this), "TreeCompare");
    TreeCompare->setColumnCount(ColumnCount);
    TreeCompare->setHeaderLabels({tr("Module"), tr("Block"), tr("State"), tr("Left"), tr("Right")});
    TreeCompare->setRootIsDecorated(false);
    TreeCompare->setUniformRowHeights(true);
    TreeCompare->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TreeCompare->header()->setStretchLastSection(true);
    layout->addWidget(TreeCompare, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    named(buttons->button(QDialogButtonBox::Close), "ButtonCompareClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(left, &QPushButton::clicked, this, &TFormCompare::ButtonCompareLeftClick);
    connect(right, &QPushButton::clicked, this, &TFormCompare::ButtonCompareRightClick);
    connect(ButtonCompareCar, &QPushButton::clicked, this, &TFormCompare::ButtonCompareCarClick);
}

QString TFormCompare::chooseFile()
{
    return dialogs().openFileName(this, config::BackupOpening::backupFileFilter(), m_main.backupFolder());
}

void TFormCompare::ButtonCompareLeftClick()
{
    if (const QString path = chooseFile(); !path.isEmpty())
        setLeftFile(path);
}

void TFormCompare::ButtonCompareRightClick()
{
    if (const QString path = chooseFile(); !path.isEmpty())
        setRightFile(path);
}

void TFormCompare::ButtonCompareCarClick()
{
    setRightCar();
}

bool TFormCompare::setLeftFile(const QString& path)
{
    return takeFile(path, m_left, LabelCompareLeft);
}

bool TFormCompare::setRightFile(const QString& path)
{
    return takeFile(path, m_right, LabelCompareRight);
}

bool TFormCompare::takeFile(const QString& path, std::optional<config::VehicleConfig>& side, QLabel* label)
{
    std::optional<config::VehicleConfig> file = config::readVehicleFile(path, m_main.host());
    if (!file)
        return false;
    side = std::move(file);
    label->setText(side->source);
    showComparison();
    return true;
}

bool TFormCompare::setRightCar()
{
    std::optional<config::VehicleConfig> car;
    m_main.runOperation([this, &car] {
        if (link::Session* session = m_main.session()) {
            config::CarReading reading = config::readVehicleFromCar(*session, m_main.host(), m_main.state());
            if (!reading.outcome.ok())
                m_main.showResult(reading.outcome);
            car = std::move(reading.car);
        }
    });
    if (!car) {
        showNotice(this, tr("The car was not read: the log says why."));
        return false;
    }
    m_right = std::move(car);
    QString text = tr("the car, read now");
    if (!m_right->unread.isEmpty())
        text += tr(" (not read: %1)").arg(m_right->unread.join(QStringLiteral("; ")));
    LabelCompareRight->setText(text);
    showComparison();
    return true;
}

void TFormCompare::showComparison()
{
    TreeCompare->clear();
    if (!m_left || !m_right)
        return;
    m_comparison = config::compareVehicles(*m_left, *m_right);
    const config::Comparison& c = *m_comparison;

    const auto vinText = [](const QString& vin) { return vin.isEmpty() ? tr("none") : vin; };
    LabelCompareVIN->setVisible(true);
    if (c.vinDiffers()) {
        LabelCompareVIN->setText(tr("The VINs differ: left %1, right %2").arg(vinText(c.leftVin), vinText(c.rightVin)));
        LabelCompareVIN->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    } else {
        LabelCompareVIN->setText(tr("VIN on both sides: %1").arg(vinText(c.leftVin)));
        LabelCompareVIN->setStyleSheet(QString());
    }

    int differing = 0;
    const QColor differs(255, 222, 222);
    const QColor oneSide(255, 243, 205);
    const QColor sameText(120, 120, 120);
    for (const config::BlockComparison& row : c.rows) {
        auto* item = new QTreeWidgetItem(TreeCompare);
        item->setText(ColModule, moduleText(row));
        item->setText(ColBlock, row.index + (row.configuration ? QString() : tr(" (not configuration)")));
        item->setText(ColState, stateText(row.state));
        item->setText(ColLeft, blockCell(row, row.leftHex));
        item->setText(ColRight, blockCell(row, row.rightHex));
        for (int col : {ColLeft, ColRight})
            item->setFont(col, QFontDatabase::systemFont(QFontDatabase::FixedFont));
        if (row.state == config::BlockState::Same) {
            for (int col = 0; col < ColumnCount; ++col)
                item->setForeground(col, sameText);
            continue;
        }
        ++differing;
        for (int col = 0; col < ColumnCount; ++col)
            item->setBackground(col, row.state == config::BlockState::Differs ? differs : oneSide);
        item->setFont(ColState, boldFont(item->font(ColState)));
        for (const QString& option : row.options) {
            auto* child = new QTreeWidgetItem(item);
            child->setText(ColModule, QStringLiteral("    ") + option);
            child->setFirstColumnSpanned(true);
        }
    }
    TreeCompare->expandAll();
    LabelCompareSummary->setText(differing == 0 ? tr("Both sides hold the same blocks.")
                                                : tr("Blocks that differ or are on one side only: %1 of %2.")
                                                      .arg(differing)
                                                      .arg(c.rows.size()));
}

} // namespace talmero::app
