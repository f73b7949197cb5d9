#pragma once

#include "car/catalog.h"

#include <QString>

// Which module description files the user trusts to write with. A file is trusted by its
// path and as it was when trusted: its SHA-256 is kept, and a file that changed since, or
// another file of the same name elsewhere, is not trusted.
namespace talmero::config {

bool isTrusted(const car::DescriptionFile& file);

// Stores for good that the file is trusted as it is now (or takes the trust of its path
// back); false when the settings cannot be written (link::settingsProblem() or the
// settings' own error says why, in *problem when given).
bool setTrusted(const car::DescriptionFile& file, bool trusted, QString* problem = nullptr);

// Takes back what is trusted at this path, whatever the file there holds now (also a file
// since removed); *had says whether anything was. False as for setTrusted.
bool untrustPath(const QString& path, bool* had, QString* problem = nullptr);

// Trusts the file while this program runs, storing nothing: a command line's --trust,
// stored only once its command succeeded.
void trustForThisRun(const car::DescriptionFile& file);

// How the user tells the file apart: its name, or its path when another loaded file has
// the same name.
QString fileLabel(const car::DescriptionFile& file);

} // namespace talmero::config
