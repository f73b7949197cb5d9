#include "link/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace talmero::link {

namespace {
const QString kOrganisation = QStringLiteral("TALMERO");
} // namespace

QString settingsFilePath()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Where QSettings keeps an organisation's user settings on such a system.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + kOrganisation
        + QStringLiteral(".conf");
#else
    return QString();
#endif
}

QString settingsProblem()
{
    const QString path = settingsFilePath();
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    QString why;
    if (info.exists() && !info.isFile())
        why = QCoreApplication::translate("Settings", "это не обычный файл (канал, устройство или папка)");
    else if (info.size() > kLargestSettingsFile)
        why = QCoreApplication::translate("Settings", "файл больше 1 МиБ");
    if (why.isEmpty())
        return QString();
    return QCoreApplication::translate("Settings", "Файл настроек %1 не используется: %2")
        .arg(QDir::toNativeSeparators(path), why);
}

std::unique_ptr<QSettings> openSettings()
{
    if (!settingsProblem().isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(QSettings::UserScope, kOrganisation);
}

} // namespace talmero::link
