#pragma once

#include "car/catalog.h"

// Which module description files the user trusts to write with. A file is trusted as it
// was when trusted: its SHA-256 is kept, and a file that changed since is not trusted.
namespace talmero::config {

bool isTrusted(const car::DescriptionFile& file);
void setTrusted(const car::DescriptionFile& file, bool trusted);

} // namespace talmero::config
