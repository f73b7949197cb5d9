#include "config/description_trust.h"

#include <QSettings>
#include <QStringList>

namespace talmero::config {

namespace {

// One entry per trusted file: "SHA256 PATH". Kept as a list: a path's slashes would be
// groups in a settings key.
const QString kTrusted = QStringLiteral("descriptionFiles/trusted");

QSettings store()
{
    return QSettings(QSettings::UserScope, QStringLiteral("TALMERO"));
}

QString entryOf(const car::DescriptionFile& file)
{
    return file.sha256 + u' ' + file.path;
}

} // namespace

bool isTrusted(const car::DescriptionFile& file)
{
    return store().value(kTrusted).toStringList().contains(entryOf(file));
}

void setTrusted(const car::DescriptionFile& file, bool trusted)
{
    QSettings s = store();
    QStringList entries = s.value(kTrusted).toStringList();
    // One entry per path: trusting a changed file replaces what was trusted before.
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const QString& e) { return e.section(u' ', 1) == file.path; }),
                  entries.end());
    if (trusted)
        entries << entryOf(file);
    s.setValue(kTrusted, entries);
    s.sync();
}

} // namespace talmero::config
