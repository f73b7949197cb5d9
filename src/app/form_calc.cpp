#include "app/form_calc.h"

namespace talmero::app {

TFormCalc::TFormCalc(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCalc"));
    setWindowTitle(QStringLiteral("TALMERO (Kalkulator BIN-HEX)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint);
    setFixedSize(kClientWidth, kClientHeight);
}

} // namespace talmero::app
