#include "app/dialogs.h"

#include "app/confirm_dialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QUrl>

namespace talmero::app {

namespace {

const QString kBoxTitle = QStringLiteral("TALMERO");

// A box as narrow as a short text gets its title cut by the window manager ("TA…O"): it
// is made wide enough for the title beside the manager's own icon and buttons.
void fitTitle(QMessageBox& box)
{
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(kBoxTitle) + 240;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
}

} // namespace

Dialogs Dialogs::standard()
{
    Dialogs d;
    d.notice = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, parent);
        fitTitle(box);
        box.exec();
    };
    d.saveFileName = [](QWidget* parent, const QString& filter, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
    };
    d.openFileName = [](QWidget* parent, const QString& filter, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    };
    d.chooseFolder = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getExistingDirectory(parent, QCoreApplication::translate("Dialogs", "Folder for the backup"), folder);
    };
    d.showModal = [](QDialog& window) { window.exec(); };
    d.ask = [](QWidget* parent, const QString& question) {
        QMessageBox box(QMessageBox::Question, kBoxTitle, question, QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::No);
        fitTitle(box);
        return box.exec() == QMessageBox::Yes;
    };
    d.acknowledge = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        fitTitle(box);
        return box.exec() == QMessageBox::Ok;
    };
    d.confirm = [](QWidget* parent, const link::ChangeRequest& request) {
        ConfirmDialog dialog(request, parent);
        return dialog.answer(request);
    };
    d.chooseParts = [](QWidget* parent, const link::ChangeRequest& request) {
        ConfirmDialog dialog(request, parent);
        return dialog.answer(request) ? dialog.chosen() : QList<bool>();
    };
    d.openUrl = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
    return d;
}

Dialogs& dialogs()
{
    static Dialogs current = Dialogs::standard();
    return current;
}

void showNotice(QWidget* parent, const QString& text)
{
    dialogs().notice(parent, text);
}

} // namespace talmero::app
