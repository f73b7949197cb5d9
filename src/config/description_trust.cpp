#include "config/description_trust.h"

#include "link/printable_text.h"
#include "link/settings_file.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <memory>

namespace talmero::config {

namespace {

// One entry per trusted file: "SHA256 PATH". Kept as a list: a path's slashes would be
// groups in a settings key.
const QString kTrusted = QStringLiteral("descriptionFiles/trusted");

QString entryOf(const car::DescriptionFile& file)
{
    return file.sha256 + u' ' + file.path;
}

QSet<QString>& trustedThisRun()
{
    static QSet<QString> entries;
    return entries;
}

// Removes the path's entries (and adds entry when given); false when not stored.
bool storeEntries(const QString& path, const QString& entry, bool* had, QString* problem)
{
    const std::unique_ptr<QSettings> s = link::openSettings();
    if (!s) {
        if (problem)
            *problem = link::settingsProblem();
        return false;
    }
    QStringList entries = s->value(kTrusted).toStringList();
    const qsizetype before = entries.size();
    // One entry per path: trusting a changed file replaces what was trusted before.
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const QString& e) { return e.section(u' ', 1) == path; }),
                  entries.end());
    if (had)
        *had = entries.size() != before;
    if (!entry.isEmpty())
        entries << entry;
    s->setValue(kTrusted, entries);
    s->sync();
    if (s->status() != QSettings::NoError) {
        if (problem)
            *problem = QCoreApplication::translate("Settings", "Файл настроек %1 не записан").arg(s->fileName());
        return false;
    }
    return true;
}

} // namespace

bool isTrusted(const car::DescriptionFile& file)
{
    if (trustedThisRun().contains(entryOf(file)))
        return true;
    const std::unique_ptr<QSettings> s = link::openSettings();
    return s && s->value(kTrusted).toStringList().contains(entryOf(file));
}

bool setTrusted(const car::DescriptionFile& file, bool trusted, QString* problem)
{
    if (!trusted)
        trustedThisRun().removeIf([&](const QString& e) { return e.section(u' ', 1) == file.path; });
    return storeEntries(file.path, trusted ? entryOf(file) : QString(), nullptr, problem);
}

bool untrustPath(const QString& path, bool* had, QString* problem)
{
    trustedThisRun().removeIf([&](const QString& e) { return e.section(u' ', 1) == path; });
    return storeEntries(path, QString(), had, problem);
}

void trustForThisRun(const car::DescriptionFile& file)
{
    trustedThisRun().insert(entryOf(file));
}

QString fileLabel(const car::DescriptionFile& file)
{
    for (const auto& other : car::catalog().files) {
        if (other->name == file.name && other->path != file.path)
            return link::printableText(file.path);
    }
    return file.name;
}

} // namespace talmero::config
