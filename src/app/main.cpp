#include "app/connection_settings.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TALMERO"));
    QApplication::setOrganizationName(talmero::app::ConnectionSettings::kOrganisation);
    QApplication::setApplicationVersion(QStringLiteral(TALMERO_VERSION));

    talmero::app::Program program;
    program.start();
    return application.exec();
}
