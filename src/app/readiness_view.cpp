#include "app/readiness_view.h"

#include "app/form_main.h"
#include "app/widget_names.h"
#include "diag/readiness.h"
#include "link/host.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

QColor stateColour(diag::MonitorState state, const QPalette& palette)
{
    switch (state) {
    case diag::MonitorState::Complete:
        return QColor(0x00, 0x60, 0x00);
    case diag::MonitorState::Incomplete:
        return QColor(0xB0, 0x00, 0x00);
    case diag::MonitorState::NotSupported:
        break;
    }
    return palette.color(QPalette::Disabled, QPalette::Text);
}

void setState(QTreeWidgetItem* row, int column, const diag::MonitorStatus& monitor, int pid, const QPalette& palette)
{
    row->setText(column, diag::monitorStateText(monitor.state, pid));
    row->setForeground(column, stateColour(monitor.state, palette));
}

} // namespace

ReadinessView::ReadinessView(TFormMain& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("ReadinessView"));
    ButtonReadiness = named(new QPushButton(tr("Проверить готовность"), this), "ButtonReadiness");
    ButtonReadiness->setToolTip(tr("Спросить блок управления двигателем, какие проверки систем завершены (OBD-II)"));
    LabelReadiness = named(new QLabel(this), "LabelReadiness");
    LabelReadiness->setWordWrap(true);
    LabelReadiness->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelReadiness->setText(tr("Готовность показывает, завершил ли двигатель свои проверки систем после стирания "
                               "кодов; с незавершёнными проверками автомобиль может не пройти техосмотр."));
    TreeReadiness = named(new QTreeWidget(this), "TreeReadiness");
    TreeReadiness->setColumnCount(ColumnCount);
    TreeReadiness->setHeaderLabels({tr("Проверка"), tr("С момента стирания кодов"), tr("В текущем цикле")});
    TreeReadiness->setRootIsDecorated(false);
    TreeReadiness->setUniformRowHeights(true);
    TreeReadiness->setAlternatingRowColors(true);
    TreeReadiness->header()->setSectionResizeMode(ColumnMonitor, QHeaderView::Stretch);
    TreeReadiness->header()->setSectionResizeMode(ColumnSinceCleared, QHeaderView::ResizeToContents);
    TreeReadiness->header()->setSectionResizeMode(ColumnThisCycle, QHeaderView::ResizeToContents);
    TreeReadiness->header()->setStretchLastSection(false);

    m_form.operations().addControl(ButtonReadiness);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonReadiness);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(buttons);
    column->addWidget(LabelReadiness);
    column->addWidget(TreeReadiness, 1);
    connect(ButtonReadiness, &QPushButton::clicked, this, &ReadinessView::ButtonReadinessClick);
}

void ReadinessView::ButtonReadinessClick()
{
    m_form.runOperation([this] {
        link::Session* session = m_form.session();
        if (!session)
            return;
        const diag::ReadinessResult result = diag::ReadinessCheck::run(*session);
        m_form.host().log(result.outcome.line);
        showResult(result);
    });
}

void ReadinessView::showResult(const diag::ReadinessResult& result)
{
    TreeReadiness->clear();
    if (!result.outcome.ok() || !result.sinceCleared) {
        LabelReadiness->setText(result.outcome.line);
        LabelReadiness->setStyleSheet(QStringLiteral("color: #B00000"));
        m_form.showStatus(result.outcome.line.mid(2), TFormMain::Status::Failed);
        return;
    }
    const diag::Readiness& since = *result.sinceCleared;
    QStringList heading = diag::readinessLines(since).mid(0, 3);
    heading << result.outcome.line.mid(2);
    LabelReadiness->setText(heading.join(QLatin1Char('\n')));
    LabelReadiness->setStyleSheet(since.allComplete() ? QString() : QStringLiteral("color: #B00000"));
    for (qsizetype i = 0; i < since.monitors.size(); ++i) {
        auto* row = new QTreeWidgetItem(TreeReadiness);
        row->setText(ColumnMonitor, diag::monitorName(since.monitors[i]));
        setState(row, ColumnSinceCleared, since.monitors[i], 0x01, palette());
        if (result.thisCycle && i < result.thisCycle->monitors.size())
            setState(row, ColumnThisCycle, result.thisCycle->monitors[i], 0x41, palette());
        else
            row->setText(ColumnThisCycle, QStringLiteral("—"));
    }
    m_form.showStatus(result.outcome.line.mid(2), since.allComplete() ? TFormMain::Status::Done : TFormMain::Status::Failed);
}

} // namespace talmero::app
