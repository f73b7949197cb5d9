#include "app/form_dtc_history.h"

#include "app/dialogs.h"
#include "app/widget_names.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace talmero::app {

TFormDtcHistory::TFormDtcHistory(const QString& historyPath, const diag::DtcDescriptions& descriptions, QWidget* parent)
    : QDialog(parent), m_descriptions(descriptions)
{
    setObjectName(QStringLiteral("FormDtcHistory"));
    setWindowTitle(tr("TALMERO - Прочитанные коды ошибок"));
    resize(720, 420);
    LabelDTChistory = named(new QLabel(this), "LabelDTChistory");
    LabelDTChistory->setWordWrap(true);
    ListDTCreadings = named(new QListWidget(this), "ListDTCreadings");
    MemoDTCreading = named(new QPlainTextEdit(this), "MemoDTCreading");
    MemoDTCreading->setReadOnly(true);

    auto* buttons = new QDialogButtonBox(this);
    ButtonDTCexport = named(buttons->addButton(tr("Экспорт..."), QDialogButtonBox::ActionRole), "ButtonDTCexport");
    ButtonDTCexport->setToolTip(tr("Сохранить выбранное чтение в текстовый файл или CSV"));
    named(buttons->addButton(QDialogButtonBox::Close), "ButtonDTChistoryClose")->setDefault(true);
    LabelDTCexported = named(new QLabel(this), "LabelDTCexported");
    LabelDTCexported->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ButtonDTCexport, &QPushButton::clicked, this, &TFormDtcHistory::ButtonDTCexportClick);
    connect(ListDTCreadings, &QListWidget::currentRowChanged, this, &TFormDtcHistory::showReading);

    auto* split = new QHBoxLayout;
    split->addWidget(ListDTCreadings);
    split->addWidget(MemoDTCreading, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelDTChistory);
    layout->addLayout(split, 1);
    layout->addWidget(LabelDTCexported);
    layout->addWidget(buttons);

    diag::DtcHistory history(historyPath);
    const auto readings = history.readings();
    m_readings = readings.value_or(QList<diag::DtcReading>());
    if (!readings)
        LabelDTChistory->setText(tr("! История чтений недоступна: ") + history.error());
    else
        LabelDTChistory->setText(tr("Чтений: %1, новые сверху").arg(m_readings.size()));
    for (const diag::DtcReading& r : m_readings) {
        // The VIN heads the reading's text beside.
        ListDTCreadings->addItem(r.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("  ")
                                 + diag::readingSummary(r));
    }
    ListDTCreadings->setMinimumWidth(ListDTCreadings->sizeHintForColumn(0) + 2 * ListDTCreadings->frameWidth() + 24);
    ButtonDTCexport->setEnabled(!m_readings.isEmpty());
    if (!m_readings.isEmpty())
        ListDTCreadings->setCurrentRow(0);
}

void TFormDtcHistory::showReading(int row)
{
    MemoDTCreading->setPlainText(row >= 0 && row < m_readings.size() ? diag::readingText(m_readings[row], m_descriptions) : QString());
}

void TFormDtcHistory::ButtonDTCexportClick()
{
    const int row = ListDTCreadings->currentRow();
    if (row < 0 || row >= m_readings.size())
        return;
    const diag::DtcReading& reading = m_readings[row];
    const QString suggested = QStringLiteral("dtc_") + reading.time.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString path = dialogs().saveFileName(this, tr("Текст (*.txt);;CSV (*.csv)"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(suggested + QStringLiteral(".txt")));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) && !path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QLatin1String(".txt");
    const QString error = diag::exportReadings(path, {reading}, m_descriptions);
    if (!error.isEmpty()) {
        showNotice(this, tr("! Файл не сохранён: ") + error);
        return;
    }
    LabelDTCexported->setText(tr("Чтение сохранено: %1").arg(QDir::toNativeSeparators(path)));
    Q_EMIT exported(path);
}

} // namespace talmero::app
