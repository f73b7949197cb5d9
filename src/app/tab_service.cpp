#include "app/tab_service.h"

#include "app/clickable_label.h"
#include "app/dialogs.h"
#include "app/form_calc.h"
#include "app/form_main.h"
#include "app/program.h"
#include "app/upper_hex_validator.h"
#include "app/widget_names.h"
#include "diag/service_tab.h"
#include "link/codecs.h"
#include "safety/write_gate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

constexpr int kModuleColumns = 2;
constexpr int kAddressEditWidth = 32;

} // namespace

TabService::TabService(TFormMain& form) : m_form(form)
{
    setObjectName(QStringLiteral("TabAdditional"));
    buildModuleChoice();
    ButtonRestart = named(new QPushButton(tr("Restart module"), this), "ButtonRestart");
    ButtonRestart->setEnabled(false);
    connect(ButtonRestart, &QPushButton::clicked, this, &TabService::ButtonRestartClick);

    auto* left = new QVBoxLayout;
    left->addWidget(buildVinGroup());
    left->addStretch();
    left->addWidget(ButtonRestart, 0, Qt::AlignLeft);
    auto* operations = new QHBoxLayout;
    operations->addLayout(left, 1);
    operations->addWidget(buildBlockGroup(), 1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addWidget(RadioGroupMod);
    page->addLayout(operations);
    page->addStretch();

    // The first module is chosen when the window is made, as if it had been clicked.
    m_moduleItems->button(0)->setChecked(true);
    RadioGroupModClick(0);
}

void TabService::buildModuleChoice()
{
    RadioGroupMod = named(new QGroupBox(tr(" Type module "), this), "RadioGroupMod");
    m_moduleItems = new QButtonGroup(RadioGroupMod);
    auto* grid = new QGridLayout(RadioGroupMod);
    grid->setVerticalSpacing(2);
    const QStringList items = diag::moduleItems();
    const int rows = int((items.size() + kModuleColumns - 1) / kModuleColumns);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], RadioGroupMod);
        item->setObjectName(QStringLiteral("RadioGroupMod%1").arg(i));
        m_moduleItems->addButton(item, i);
        grid->addWidget(item, i % rows, i / rows); // down the first column, then the second
    }
    connect(m_moduleItems, &QButtonGroup::idClicked, this, &TabService::RadioGroupModClick);
}

QLineEdit* TabService::addressEdit(QWidget* parent, const char* name)
{
    auto* edit = named(new QLineEdit(parent), name);
    edit->setMaxLength(2);
    edit->setFixedWidth(kAddressEditWidth);
    edit->setValidator(new UpperHexValidator(edit));
    edit->setEnabled(false);
    return edit;
}

QGroupBox* TabService::buildVinGroup()
{
    GroupBoxVIN = named(new QGroupBox(tr(" Read code VIN "), this), "GroupBoxVIN");
    ButtonReadVIN = named(new QPushButton(tr("Read module"), GroupBoxVIN), "ButtonReadVIN");
    LabelVIN = named(new QLabel(GroupBoxVIN), "LabelVIN");
    LabelVIN->setFont(boldFont(LabelVIN->font()));
    LabelVIN->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelVIN->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LabelVINad = named(new QLabel(tr("addres"), GroupBoxVIN), "LabelVINad");
    EditVINad = addressEdit(GroupBoxVIN, "EditVINad");
    CheckBoxVINad = named(new QCheckBox(GroupBoxVIN), "CheckBoxVINad");
    CheckBoxVINad->setToolTip(tr("Allow to change the address in the code VIN"));

    auto* grid = new QGridLayout(GroupBoxVIN);
    grid->addWidget(ButtonReadVIN, 0, 0);
    grid->addWidget(LabelVIN, 0, 1, 1, 4);
    grid->addWidget(LabelVINad, 1, 0, Qt::AlignRight);
    grid->addWidget(EditVINad, 1, 1);
    grid->addWidget(CheckBoxVINad, 1, 2);
    grid->setColumnStretch(3, 1);

    connect(CheckBoxVINad, &QCheckBox::clicked, this, &TabService::CheckBoxVINadClick);
    connect(ButtonReadVIN, &QPushButton::clicked, this, &TabService::ButtonReadVINClick);
    return GroupBoxVIN;
}

QGroupBox* TabService::buildBlockGroup()
{
    GroupBoxEM = named(new QGroupBox(tr(" Manual configuration "), this), "GroupBoxEM");
    ButtonReadEM = named(new QPushButton(tr("Read from module"), GroupBoxEM), "ButtonReadEM");
    LabelEM = named(new ClickableLabel(GroupBoxEM), "LabelEM");
    LabelEM->setToolTip(tr("Allow change the BIN-HEX calculator"));
    LabelEM->setFont(boldFont(LabelEM->font()));
    LabelEM->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // A long block (a VIN block is 17 bytes) is shown whole, over two lines if need be.
    LabelEM->setWordWrap(true);
    LabelEMad = named(new QLabel(tr("address"), GroupBoxEM), "LabelEMad");
    EditEMad = addressEdit(GroupBoxEM, "EditEMad");
    CheckBoxEMad = named(new QCheckBox(GroupBoxEM), "CheckBoxEMad");
    CheckBoxEMad->setToolTip(tr("Allow to change the address configuration"));
    EditEM = named(new QLineEdit(GroupBoxEM), "EditEM");
    ButtonWriteEM = named(new QPushButton(tr("Write to module"), GroupBoxEM), "ButtonWriteEM");

    auto* grid = new QGridLayout(GroupBoxEM);
    grid->addWidget(ButtonReadEM, 0, 0);
    grid->addWidget(LabelEM, 0, 1, 1, 4);
    grid->addWidget(LabelEMad, 1, 0, Qt::AlignRight);
    grid->addWidget(EditEMad, 1, 1);
    grid->addWidget(CheckBoxEMad, 1, 2);
    grid->addWidget(EditEM, 2, 1, 1, 4);
    grid->addWidget(ButtonWriteEM, 2, 0);
    grid->setColumnStretch(3, 1);

    connect(ButtonReadEM, &QPushButton::clicked, this, &TabService::ButtonReadEMClick);
    connect(LabelEM, &ClickableLabel::clicked, this, &TabService::LabelEMClick);
    connect(CheckBoxEMad, &QCheckBox::clicked, this, &TabService::CheckBoxEMadClick);
    connect(ButtonWriteEM, &QPushButton::clicked, this, &TabService::ButtonWriteEMClick);
    return GroupBoxEM;
}

void TabService::RadioGroupModClick(int item)
{
    const std::optional<diag::ModuleChoice> choice = diag::RadioGroupModClick(item, m_form.state());
    if (!choice)
        return;
    EditEM->clear();
    m_readBlock.clear();
    EditEMad->setText(choice->manualBlock);
    EditVINad->setText(choice->vinBlock);
    LabelVIN->setText(choice->vinNote);
    LabelEM->setText(choice->manualNote);
    GroupBoxEM->setEnabled(choice->manualAllowed);
    GroupBoxVIN->setEnabled(choice->vinAllowed);
    ButtonRestart->setEnabled(choice->restartAllowed);
    const bool bcm = m_form.state().curModul->name == "BCM";
    if (!choice->notice.isEmpty() && !(bcm && m_bcmNoticeShown)) {
        m_bcmNoticeShown = m_bcmNoticeShown || bcm;
        showNotice(window(), choice->notice);
    }
}

void TabService::CheckBoxVINadClick()
{
    EditVINad->setEnabled(CheckBoxVINad->isChecked());
}

void TabService::CheckBoxEMadClick()
{
    EditEMad->setEnabled(CheckBoxEMad->isChecked());
}

void TabService::ButtonReadVINClick()
{
    m_form.runOperation([this] {
        if (safety::WriteGate* gate = m_form.gate()) {
            diag::ServiceTab service(*gate, m_form.host(), m_form.state());
            LabelVIN->setText(service.ButtonReadVINClick(EditVINad->text()).data);
        }
    });
}

void TabService::ButtonReadEMClick()
{
    m_form.runOperation([this] {
        if (safety::WriteGate* gate = m_form.gate()) {
            LabelEM->clear();
            m_readBlock.clear();
            diag::ServiceTab service(*gate, m_form.host(), m_form.state());
            m_readBlock = link::splitHEX(service.ButtonReadEMClick(EditEMad->text()).data);
            LabelEM->setText(m_readBlock);
        }
    });
}

void TabService::LabelEMClick()
{
    link::LinkState& state = m_form.state();
    state.calcText = m_readBlock;
    TFormCalc& calc = m_form.program().FormCalc();
    // After Escape, the value it was opened with: never an empty block to write.
    EditEM->setText(calc.execFor(state.calcText));
}

void TabService::ButtonWriteEMClick()
{
    diag::ServiceResult written;
    const bool ran = m_form.runOperation([this, &written] {
        if (safety::WriteGate* gate = m_form.gate()) {
            diag::ServiceTab service(*gate, m_form.host(), m_form.state());
            written = service.ButtonWriteEMClick(EditEMad->text(), EditEM->text());
            if (written.accepted) {
                EditEM->clear();
                LabelEM->clear();
                m_readBlock.clear();
            }
        }
    });
    // A bad block or address is said in a notice, and nothing is sent.
    if (ran && written.accepted)
        m_form.showWriteResult(written.outcome);
}

void TabService::ButtonRestartClick()
{
    link::Outcome restarted = link::Outcome::failed(link::Outcome::Kind::Failed, QString());
    const bool ran = m_form.runOperation([this, &restarted] {
        if (safety::WriteGate* gate = m_form.gate())
            restarted = diag::ServiceTab(*gate, m_form.host(), m_form.state()).ButtonRestartClick();
    });
    if (ran)
        m_form.showResult(restarted, tr("Модуль перезагружен: %1").arg(car::qs(m_form.state().curModul->name)));
}

} // namespace talmero::app
