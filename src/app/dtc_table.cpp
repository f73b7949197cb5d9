#include "app/dtc_table.h"

#include "app/widget_names.h"
#include "diag/dtc_descriptions.h"
#include "diag/dtc_history.h"
#include "diag/dtc_meaning.h"
#include "diag/dtc_modules.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace talmero::app {

namespace {

QString moduleTitle(const QString& address)
{
    const car::Module* row = diag::findDtcModule(address);
    QString title = row ? diag::dtcHeader(*row) : address;
    if (title.endsWith(QLatin1Char(':')))
        title.chop(1);
    return title;
}

// Who defines the code, its system and group, for the code's tooltip.
QString structureText(const QString& code)
{
    const std::optional<diag::DtcStructure> s = diag::dtcStructure(code);
    if (!s)
        return QString();
    QString text = diag::systemText(s->system) + QStringLiteral(", ") + diag::ownerText(s->owner);
    if (!s->group.isEmpty())
        text += QStringLiteral(", ") + s->group;
    return text;
}

// The values the engine kept when it stored the code, beneath the code's row.
void addFreezeFrame(QTreeWidgetItem* parent, const diag::FreezeFrame& frame)
{
    auto* heading = new QTreeWidgetItem(parent);
    heading->setText(DtcTable::ColumnCode, diag::freezeFrameTitle(frame));
    heading->setFirstColumnSpanned(true);
    for (const diag::FrozenValue& v : frame.values) {
        // Spanned: the long names must not widen the code column.
        auto* row = new QTreeWidgetItem(heading);
        row->setText(DtcTable::ColumnCode, diag::liveTitle(*v.value) + QStringLiteral(": ") + diag::liveText(*v.value, v.reading));
        row->setFirstColumnSpanned(true);
    }
    heading->setExpanded(true);
    parent->setExpanded(true);
}

} // namespace

DtcTable::DtcTable(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DtcTable"));
    LabelDTCreading = named(new QLabel(this), "LabelDTCreading");
    LabelDTCreading->setWordWrap(true);
    LabelDTCreading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    TreeDTC = named(new QTreeWidget(this), "TreeDTC");
    TreeDTC->setColumnCount(ColumnCount);
    TreeDTC->setHeaderLabels({tr("Код"), tr("Описание"), tr("Состояние"), tr("Лампа"), tr("Статус"), tr("Источник")});
    TreeDTC->headerItem()->setToolTip(ColumnLamp, tr("Запрашивает ли код лампу неисправности; горит ли она сейчас, модуль здесь не сообщает"));
    TreeDTC->headerItem()->setToolTip(ColumnStatus, tr("Байт состояния кода, как его прислал модуль"));
    TreeDTC->setRootIsDecorated(true);
    TreeDTC->setUniformRowHeights(true);
    TreeDTC->setAlternatingRowColors(true);
    TreeDTC->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TreeDTC->header()->setStretchLastSection(false);
    TreeDTC->header()->setSectionResizeMode(ColumnDescription, QHeaderView::Stretch);
    for (int c : {ColumnCode, ColumnState, ColumnLamp, ColumnStatus, ColumnSource})
        TreeDTC->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(LabelDTCreading);
    column->addWidget(TreeDTC, 1);
    LabelDTCreading->setText(tr("Нажмите «%1», чтобы прочитать коды ошибок всех модулей").arg(tr("Read")));
}

void DtcTable::showReading(const diag::DtcReading& reading, const diag::DtcDescriptions& descriptions, bool running)
{
    m_holdsReading = true;
    m_heading = reading.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!reading.vin.isEmpty())
        m_heading += QStringLiteral("   ") + tr("VIN %1").arg(reading.vin);
    m_heading += QStringLiteral("   ") + (running ? tr("идёт чтение…") : diag::readingSummary(reading));
    LabelDTCreading->setText(m_heading);
    LabelDTCreading->setStyleSheet(running || diag::readingComplete(reading) ? QString()
                                                                              : QStringLiteral("color: #B00000"));

    TreeDTC->clear();
    const QColor quiet = palette().color(QPalette::Disabled, QPalette::Text);
    for (const diag::DtcModuleReading& m : diag::readingModules(reading)) {
        const bool reached = std::any_of(reading.modules.begin(), reading.modules.end(),
                                         [&](const diag::DtcModuleReading& r) { return r.address == m.address; });
        QString state;
        if (!reached)
            state = running ? QString() : tr("не прочитан");
        else if (m.count < 0)
            state = tr("не отвечает");
        else
            state = m.count == 0 ? tr("ошибок нет") : tr("ошибок: %1").arg(m.count);
        auto* module = new QTreeWidgetItem(TreeDTC);
        module->setText(ColumnCode, moduleTitle(m.address) + (state.isEmpty() ? QString() : QStringLiteral(" — ") + state));
        module->setFirstColumnSpanned(true);
        module->setData(ColumnCode, Qt::UserRole, m.address);
        if (m.count > 0)
            module->setFont(ColumnCode, boldFont(font()));
        if (m.count < 0)
            module->setForeground(ColumnCode, quiet);

        for (const QString& listed : m.codes) {
            const QString code = listed.section(QLatin1Char(' '), 0, 0);
            const QString status = listed.section(QLatin1Char(' '), 1);
            auto* row = new QTreeWidgetItem(module);
            row->setText(ColumnCode, code);
            row->setToolTip(ColumnCode, structureText(code));
            const QString meaning = diag::codeMeaning(code, descriptions);
            row->setText(ColumnDescription, meaning);
            row->setToolTip(ColumnDescription, meaning);
            if (const std::optional<diag::DtcStatus> s = diag::parseDtcStatus(status)) {
                row->setText(ColumnState, diag::storageText(s->storage));
                row->setText(ColumnLamp, diag::lampText(s->lamp, true));
                row->setToolTip(ColumnLamp, diag::lampText(s->lamp));
            }
            row->setText(ColumnStatus, status);
            // Short: the column must leave the description its room. A code without a
            // description says what it is in that column already.
            const diag::DtcDescription* d = descriptions.find(code);
            row->setText(ColumnSource, !d ? QStringLiteral("—")
                                       : d->source == diag::DescriptionSource::Program ? tr("программа") : tr("ваш файл"));
            row->setToolTip(ColumnSource, d ? diag::sourceText(d->source) : QString());
            if (m.freezeFrame && m.freezeFrame->code == code)
                addFreezeFrame(row, *m.freezeFrame);
        }
        // A frame whose code the module did not list still shows, under the module.
        if (m.freezeFrame && std::none_of(m.codes.begin(), m.codes.end(), [&](const QString& listed) {
                return listed.section(QLatin1Char(' '), 0, 0) == m.freezeFrame->code;
            }))
            addFreezeFrame(module, *m.freezeFrame);
        if (m.codes.size() < m.count) {
            auto* row = new QTreeWidgetItem(module);
            row->setText(ColumnCode, tr("список кодов не прочитан"));
            row->setFirstColumnSpanned(true);
        }
        module->setExpanded(true);
    }
}

void DtcTable::showCleared()
{
    TreeDTC->clear();
    m_holdsReading = false;
    LabelDTCreading->setStyleSheet(QString());
    LabelDTCreading->setText(tr("Коды стёрты. Прочитайте их ещё раз, чтобы убедиться, что они не вернулись."));
}

void DtcTable::markFromEarlierConnection(const QString& port)
{
    if (!m_holdsReading)
        return;
    LabelDTCreading->setText(m_heading + QLatin1Char('\n')
                             + tr("Прочитано при прошлом подключении (%1) — возможно, у другой машины").arg(port));
    LabelDTCreading->setStyleSheet(QStringLiteral("color: #B00000"));
}

} // namespace talmero::app
