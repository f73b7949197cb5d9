#pragma once

#include "module_files/description_file.h"

#include <QList>
#include <memory>

class QWidget;

namespace talmero::app {

class TFormAsBuilt;
class TFormCalc;
class TFormMain;
class TFormStart;

// The program's four windows, each created once, in this order, and reached through here.
class Program {
public:
    // descriptionFiles: the module description files read at start, loaded or refused.
    explicit Program(QList<module_files::FileOutcome> descriptionFiles = {});
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the start window; the others stay hidden until they are needed.
    void start();

    TFormStart& FormStart() { return *m_start; }
    TFormMain& FormMain() { return *m_main; }
    TFormCalc& FormCalc() { return *m_calc; }
    TFormAsBuilt& FormAsBuilt() { return *m_asBuilt; }
    const QList<module_files::FileOutcome>& descriptionFiles() const { return m_descriptionFiles; }

private:
    QList<module_files::FileOutcome> m_descriptionFiles;
    std::unique_ptr<TFormStart> m_start;
    std::unique_ptr<TFormMain> m_main;
    std::unique_ptr<TFormCalc> m_calc;
    std::unique_ptr<TFormAsBuilt> m_asBuilt;
};

// Moves a window to the middle of the screen it is on.
void centreOnScreen(QWidget& window);

} // namespace talmero::app
