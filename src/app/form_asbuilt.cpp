#include "app/form_asbuilt.h"

namespace talmero::app {

TFormAsBuilt::TFormAsBuilt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAsBuilt"));
    setWindowTitle(QStringLiteral("TALMERO (AS-BUILT)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
}

} // namespace talmero::app
