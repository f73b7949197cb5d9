#include "app/tab_modules.h"

#include "app/form_main.h"
#include "app/widget_names.h"
#include "link/session.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

using Answer = diag::ModuleScanRow::Answer;

const QColor kWarning(0xB0, 0x00, 0x00);
const QString kTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QTableWidgetItem* cell(QTableWidget* table, int row, int column)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    return item;
}

} // namespace

TabModules::TabModules(TFormMain& form) : m_form(form)
{
    setObjectName(QStringLiteral("TabModules"));
    ButtonScan = named(new QPushButton(tr("Опросить"), this), "ButtonScan");
    ButtonScan->setToolTip(tr("Спросить каждый модуль, отвечает ли он, и прочитать VIN, который он хранит "
                              "(сначала высокая шина, потом средняя)"));
    LabelScanProgress = named(new QLabel(this), "LabelScanProgress");
    ButtonScanCancel = named(new QPushButton(tr("Отмена"), this), "ButtonScanCancel");
    ButtonScanCancel->setToolTip(tr("Остановить опрос после модуля, который опрашивается сейчас"));
    ButtonScanCancel->hide();
    LabelScan = named(new QLabel(this), "LabelScan");
    LabelScan->setWordWrap(true);
    LabelScan->setTextInteractionFlags(Qt::TextSelectableByMouse);

    TableModules = named(new QTableWidget(int(m_scan.rows.size()), ColumnCount, this), "TableModules");
    TableModules->setHorizontalHeaderLabels(
        {tr("Модуль"), tr("Адрес"), tr("Шина"), tr("Ответ"), tr("VIN"), tr("Коды ошибок")});
    TableModules->verticalHeader()->hide();
    TableModules->setAlternatingRowColors(true);
    TableModules->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableModules->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Compact rows, so that every module fits without scrolling; the columns a scan fills
    // get their room at once and do not jump when it arrives.
    TableModules->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = TableModules->horizontalHeader();
    header->setSectionResizeMode(ColumnModule, QHeaderView::Stretch);
    for (int c : {ColumnAddress, ColumnBus})
        header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    const QFontMetrics bold(boldFont(font()));
    const auto room = [&](const QStringList& texts) {
        int width = 0;
        for (const QString& t : texts)
            width = qMax(width, bold.horizontalAdvance(t));
        return width + 12;
    };
    const QList<std::pair<int, QStringList>> widths = {
        {ColumnAnswer, {tr("Ответ"), tr("отвечает"), tr("отказал в сеансе"), tr("не отвечает"), tr("не опрошен")}},
        {ColumnVin, {QStringLiteral("WF0AXXWPDA9K12345"), tr("не выдан")}}, // a VIN of the usual letters
        {ColumnCodes, {tr("Коды ошибок"), tr("не прочитаны")}},
    };
    for (const auto& [column, texts] : widths) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, room(texts));
    }
    for (int r = 0; r < m_scan.rows.size(); ++r) {
        const car::Module& m = *m_scan.rows[r].module;
        // The short name first: a narrow window cuts the title, never the name.
        const QString title = car::qs(m.name) + QStringLiteral(" (") + car::tl(m.title, "Modules") + u')';
        cell(TableModules, r, ColumnModule)->setText(title);
        cell(TableModules, r, ColumnModule)->setToolTip(title);
        cell(TableModules, r, ColumnAddress)->setText(car::qs(m.address));
        cell(TableModules, r, ColumnBus)->setText(m.medium() ? QStringLiteral("MSCAN") : QStringLiteral("HSCAN"));
        cell(TableModules, r, ColumnBus)->setToolTip(m.medium() ? tr("Средняя шина CAN (125 кбит/с)")
                                                                  : tr("Высокая шина CAN (500 кбит/с)"));
    }

    // Quiet while any operation runs; Cancel beside the progress is not.
    m_form.operations().addControl(ButtonScan);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonScan);
    buttons->addWidget(LabelScanProgress, 1);
    buttons->addWidget(ButtonScanCancel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addLayout(buttons);
    column->addWidget(LabelScan);
    column->addWidget(TableModules, 1);

    connect(ButtonScan, &QPushButton::clicked, this, &TabModules::ButtonScanClick);
    connect(ButtonScanCancel, &QPushButton::clicked, this, [this] { m_form.operations().requestCancel(); });
    connect(&m_form, &TFormMain::connectionOpened, this, &TabModules::anotherConnection);
    showScan();
    TableModules->setCurrentItem(nullptr);
}

void TabModules::ButtonScanClick()
{
    const bool ran = m_form.runOperation([this] {
        link::Session* session = m_form.session();
        if (!session)
            return;
        ButtonScanCancel->show();
        diag::ModuleScanner scanner(*session, m_form.host(), m_form.state());
        const auto keep = [this, &scanner] {
            m_scan = scanner.lastScan();
            m_scanned = true;
            showScan();
        };
        // The rows fill in as the modules are asked.
        scanner.setProgress([this, &keep](int number, int count, const car::Module& module) {
            keep();
            LabelScanProgress->setText(tr("Модуль %1 из %2: %3").arg(number).arg(count).arg(car::qs(module.name)));
        });
        try {
            scanner.scan();
        } catch (...) { // a Cancel, a lost port: what was found is shown all the same
            keep();
            throw;
        }
        keep();
    });
    if (ran) {
        ButtonScanCancel->hide();
        LabelScanProgress->clear();
        showScan();
        if (m_scanned)
            m_form.showResult(m_scan.outcome);
    }
}

void TabModules::showCodes(const diag::DtcReading* reading)
{
    m_codesCleared = !reading;
    m_reading = reading ? std::optional<diag::DtcReading>(*reading) : std::nullopt;
    showCodeColumn();
}

void TabModules::anotherConnection()
{
    const QString before = m_scanned ? m_scan.time.toString(kTime) : QString();
    m_scan = diag::ModuleScan::unasked();
    m_scanned = false;
    m_reading.reset();
    m_codesCleared = false;
    showScan();
    if (!before.isEmpty())
        LabelScan->setText(tr("Новое подключение: результаты опроса %1 убраны (они могли быть от другой "
                              "машины). Нажмите «Опросить».").arg(before));
}

void TabModules::showScan()
{
    const link::CarVin car = m_form.state().carVin();
    for (int r = 0; r < m_scan.rows.size(); ++r) {
        const diag::ModuleScanRow& row = m_scan.rows[r];
        const car::Module& m = *row.module;
        QTableWidgetItem* answer = cell(TableModules, r, ColumnAnswer);
        QTableWidgetItem* vin = cell(TableModules, r, ColumnVin);
        const QColor normal = palette().color(QPalette::Text);
        const QColor quiet = palette().color(QPalette::Disabled, QPalette::Text);
        switch (row.answer) {
        case Answer::Answered:
            answer->setText(tr("отвечает"));
            answer->setForeground(normal);
            break;
        case Answer::Refused:
            answer->setText(tr("отказал в сеансе"));
            answer->setForeground(kWarning);
            break;
        case Answer::Silent:
            answer->setText(tr("не отвечает"));
            answer->setForeground(kWarning);
            break;
        case Answer::NotAsked:
            answer->setText(m_scanned ? tr("не опрошен") : QString());
            answer->setForeground(quiet);
            break;
        }
        answer->setToolTip(row.note);

        vin->setFont(font());
        vin->setForeground(normal);
        vin->setToolTip(QString());
        if (m.vinBlock < 0) {
            vin->setText(QStringLiteral("—"));
            vin->setForeground(quiet);
            vin->setToolTip(tr("Этот модуль VIN не хранит"));
        } else if (!row.vin.isEmpty()) {
            vin->setText(row.vin);
            // A module of another car (a used part) holds another car's VIN. While the
            // modules disagree, the heading names them: no VIN here is the car's.
            if (car.known() && row.vin != car.vin) {
                vin->setForeground(kWarning);
                vin->setFont(boldFont(font()));
                vin->setToolTip(tr("Не совпадает с VIN автомобиля %1: модуль, возможно, из другой машины").arg(car.vin));
            }
        } else {
            vin->setText(row.answer == Answer::Answered ? tr("не выдан") : QString());
            vin->setToolTip(row.note);
        }
    }

    if (!m_scanned) {
        LabelScan->setText(tr("Нажмите «Опросить»: программа спросит каждый модуль автомобиля, отвечает ли "
                              "он, и прочитает VIN, который он хранит."));
        LabelScan->setStyleSheet(QString());
    } else {
        const int total = int(m_scan.rows.size());
        QString heading = m_scan.time.toString(kTime) + QStringLiteral("   ");
        heading += m_scan.complete() ? tr("ответили модулей %1 из %2").arg(m_scan.answered()).arg(total)
                                     : tr("опрос не закончен: ответили модулей %1 из %2").arg(m_scan.answered()).arg(total);
        if (car.known())
            heading += QStringLiteral("   ") + tr("VIN автомобиля %1").arg(car.vin);
        else if (!car.disputed.isEmpty())
            heading += QStringLiteral("   ") + tr("модули называют разные VIN: %1").arg(car.disputed.join(QStringLiteral("; ")));
        LabelScan->setText(heading);
        const bool warn = !m_scan.complete() || !car.disputed.isEmpty();
        LabelScan->setStyleSheet(warn ? QStringLiteral("color: #B00000") : QString());
    }
    showCodeColumn();
}

void TabModules::showCodeColumn()
{
    const QColor quiet = palette().color(QPalette::Disabled, QPalette::Text);
    for (int r = 0; r < m_scan.rows.size(); ++r) {
        QTableWidgetItem* codes = cell(TableModules, r, ColumnCodes);
        const int count = m_reading ? diag::codeCountOf(*m_reading, m_scan.rows[r].module->address) : -1;
        codes->setText(!m_reading ? QString() : count < 0 ? tr("не прочитаны") : QString::number(count));
        codes->setForeground(count < 0 ? quiet : palette().color(QPalette::Text));
        codes->setFont(count > 0 ? boldFont(font()) : font());
        codes->setTextAlignment(Qt::AlignCenter);
    }
    QString source = tr("Прочитайте коды ошибок на вкладке диагностики");
    if (m_reading)
        source = tr("Из чтения кодов %1 на вкладке диагностики").arg(m_reading->time.toString(kTime));
    else if (m_codesCleared)
        source = tr("Коды стёрты; прочитайте их снова на вкладке диагностики");
    TableModules->horizontalHeaderItem(ColumnCodes)->setToolTip(source);
}

} // namespace talmero::app
