#include "app/program.h"

#include "app/form_asbuilt.h"
#include "app/form_calc.h"
#include "app/form_main.h"
#include "app/form_start.h"
#include "link/host.h"
#include "link/settings_file.h"
#include "module_files/description_folders.h"

#include <QGuiApplication>
#include <QScreen>

namespace talmero::app {

Program::Program(QList<module_files::FileOutcome> descriptionFiles)
    : m_descriptionFiles(std::move(descriptionFiles)),
      m_start(std::make_unique<TFormStart>(*this)),
      m_main(std::make_unique<TFormMain>(*this)),
      m_calc(std::make_unique<TFormCalc>()),
      m_asBuilt(std::make_unique<TFormAsBuilt>())
{
    // What was read at start stays in the log: a refused file's options are missing.
    for (const QString& line : module_files::folderLoadLines(m_descriptionFiles))
        m_main->host().log(line);
    // Settings are neither read nor stored while their file is not one.
    if (const QString problem = link::settingsProblem(); !problem.isEmpty())
        m_main->host().log(QStringLiteral("! ") + problem);
}

// The windows go in the reverse order of their creation.
Program::~Program()
{
    m_asBuilt.reset();
    m_calc.reset();
    m_main.reset();
    m_start.reset();
}

void Program::start()
{
    m_start->show();
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace talmero::app
