#pragma once

#include <QString>
#include <optional>

namespace talmero::safety {

// The voltage in an adapter's ATRV answer ("12.6V", blanks and prompt already cut), or
// nullopt when the answer is not a voltage.
std::optional<double> voltageOf(const QString& cutAnswer);

} // namespace talmero::safety
