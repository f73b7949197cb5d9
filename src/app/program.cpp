#include "app/program.h"

#include "app/form_asbuilt.h"
#include "app/form_calc.h"
#include "app/form_main.h"
#include "app/form_start.h"

#include <QGuiApplication>
#include <QScreen>

namespace talmero::app {

Program::Program()
    : m_start(std::make_unique<TFormStart>(*this)),
      m_main(std::make_unique<TFormMain>(*this)),
      m_calc(std::make_unique<TFormCalc>()),
      m_asBuilt(std::make_unique<TFormAsBuilt>())
{
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
