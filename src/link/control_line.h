#pragma once

namespace talmero::link {

// The serial port's modem control lines a relay can hang on.
enum class ControlLine { Rts, Dtr };

} // namespace talmero::link
