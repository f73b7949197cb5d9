#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace talmero::app {

class ClickableLabel;
class TFormMain;

// The "Additional" page: one module chosen from the module table; its VIN, any data
// block read and written by hand (through the calculator), and its restart.
class TabService : public QWidget {
    Q_OBJECT
public:
    explicit TabService(TFormMain& form);

public Q_SLOTS:
    void RadioGroupModClick(int item);
    void CheckBoxVINadClick();
    void CheckBoxEMadClick();
    void ButtonReadVINClick();
    void ButtonReadEMClick();
    void LabelEMClick();
    void ButtonWriteEMClick();
    void ButtonRestartClick();

private:
    void buildModuleChoice();
    QGroupBox* buildVinGroup();
    QGroupBox* buildBlockGroup();
    // A two-character block address edit, hex digits only, upper-cased as typed.
    QLineEdit* addressEdit(QWidget* parent, const char* name);

    TFormMain& m_form;

    QGroupBox* RadioGroupMod = nullptr;
    QButtonGroup* m_moduleItems = nullptr;
    bool m_bcmNoticeShown = false; // the BCM's notice is said once a session
    QString m_readBlock; // the block read by hand last ("40 81"), for the calculator

    QGroupBox* GroupBoxVIN = nullptr;
    QPushButton* ButtonReadVIN = nullptr;
    QLabel* LabelVIN = nullptr;
    QLabel* LabelVINad = nullptr;
    QLineEdit* EditVINad = nullptr;
    QCheckBox* CheckBoxVINad = nullptr;

    QGroupBox* GroupBoxEM = nullptr;
    QPushButton* ButtonReadEM = nullptr;
    ClickableLabel* LabelEM = nullptr;
    QLabel* LabelEMad = nullptr;
    QLineEdit* EditEMad = nullptr;
    QCheckBox* CheckBoxEMad = nullptr;
    QLineEdit* EditEM = nullptr;
    QPushButton* ButtonWriteEM = nullptr;

    QPushButton* ButtonRestart = nullptr;
};

} // namespace talmero::app
