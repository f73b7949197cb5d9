#pragma once

#include <QString>

#include <memory>

class QSettings;

// The user's settings (the last connection, the language, the trusted description files).
// Where they are a file, it is used only when it is a regular file of at most 1 MiB: a pipe
// in its place would stop the program for good, and a link to a device would fill memory.
namespace talmero::link {

inline constexpr qint64 kLargestSettingsFile = 1024 * 1024;

// The settings file's path; "" where the settings are no file (the Windows registry).
QString settingsFilePath();

// Why the settings cannot be used ("the settings file PATH is not used: it is not a
// regular file"); "" when they can, also when the file does not exist yet.
QString settingsProblem();

// The settings; nullptr when settingsProblem() says why not.
std::unique_ptr<QSettings> openSettings();

} // namespace talmero::link
