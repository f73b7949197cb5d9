#pragma once

#include "app/dialogs.h"
#include "app/form_main.h"
#include "app/form_start.h"
#include "app/program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A program started on its own settings (never the developer's), with every dialog
// answered by the test and every notice recorded.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
        m_realDialogs = talmero::app::dialogs();
        auto& d = talmero::app::dialogs();
        d.notice = [this](QWidget*, const QString& text) {
            notices.append(text);
            if (onNotice)
                onNotice(text);
        };
        d.saveFileName = [this](QWidget*, const QString& filter, const QString& suggested) {
            saveFilters.append(filter);
            saveSuggestions.append(suggested);
            return nextSavePath;
        };
        d.openFileName = [this](QWidget*, const QString& filter, const QString& folder) {
            openFilters.append(filter);
            openFolders.append(folder);
            return nextOpenPath;
        };
        // The window is shown without a nested loop; the test acts in it, then it is
        // closed as the user would close it.
        d.showModal = [this](QDialog& window) {
            modals.append(window.objectName());
            window.show();
            if (onModal)
                onModal(window);
            window.close();
        };
        d.openUrl = [this](const QString& url) { openedUrls.append(url); };
        d.chooseFolder = [this](QWidget*, const QString& folder) {
            chosenFolderStarts.append(folder);
            return nextFolder.isNull() ? folder : nextFolder;
        };
        d.ask = [this](QWidget*, const QString& question) {
            questions.append(question);
            return askAnswers.isEmpty() ? true : askAnswers.takeFirst();
        };
        d.acknowledge = [this](QWidget*, const QString& text) {
            notices.append(text);
            if (onNotice)
                onNotice(text);
            return acknowledgeAnswers.isEmpty() ? true : acknowledgeAnswers.takeFirst();
        };
        d.confirm = [this](QWidget*, const talmero::link::ChangeRequest& request) {
            confirmations.append(request);
            return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
        };
    }

    void TearDown() override
    {
        program.reset();
        talmero::app::dialogs() = m_realDialogs;
    }

    // Starts the program as main() does, after the test has prepared the settings.
    talmero::app::Program& startProgram()
    {
        program = std::make_unique<talmero::app::Program>();
        program->FormMain().setDemoLatency(0);
        program->FormMain().setJournalPath(journalPath());
        program->start();
        return *program;
    }

    talmero::app::TFormStart& start() { return program->FormStart(); }
    talmero::app::TFormMain& main() { return program->FormMain(); }

    template <typename T>
    T* control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(QWidget& window, const char* name)
    {
        QWidget* target = control<QWidget>(window, name);
        if (!target)
            return;
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->click();
        else
            QTest::mouseClick(target, Qt::LeftButton);
    }

    void typeStart(const char* combo, const QString& text)
    {
        control<QComboBox>(start(), combo)->setEditText(text);
    }

    // Connects from the start window with what is typed there.
    void connectTo(const QString& port, const QString& vin = QStringLiteral("WF0AXXGCDA1234567"))
    {
        typeStart("StartVIN", vin);
        typeStart("COMports", port);
        click(start(), "ButtonOpenCOM");
    }

    static QSettings stored() { return QSettings(QSettings::UserScope, QStringLiteral("TALMERO")); }
    static void store(const QString& key, const QString& value) { stored().setValue(key, value); }
    QString settingsDir() const { return m_settingsDir.path(); }
    QString journalPath() const { return m_settingsDir.filePath(QStringLiteral("journal.sqlite")); }

    std::unique_ptr<talmero::app::Program> program;
    QStringList notices;
    std::function<void(const QString&)> onNotice;
    QString nextSavePath;
    QStringList saveFilters;
    QStringList saveSuggestions;
    QStringList openedUrls;
    QString nextOpenPath;
    QStringList openFilters;
    QStringList openFolders;
    QStringList modals;
    QStringList chosenFolderStarts; // where each folder dialog started
    QString nextFolder;             // the folder the user picks; null: where the dialog started
    std::function<void(QDialog&)> onModal;
    QList<talmero::link::ChangeRequest> confirmations;
    QList<bool> confirmAnswers; // yes when empty
    QList<bool> acknowledgeAnswers; // bus prompts; false is Cancel, yes when empty
    QStringList questions;
    QList<bool> askAnswers; // yes when empty

private:
    QTemporaryDir m_settingsDir;
    talmero::app::Dialogs m_realDialogs;
};
