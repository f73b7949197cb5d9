#include "app/upper_hex_validator.h"

namespace talmero::app {

QValidator::State UpperHexValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    for (QChar c : std::as_const(input)) {
        const char16_t u = c.unicode();
        const bool hex = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
        if (!hex)
            return Invalid;
    }
    input = input.toUpper();
    return Acceptable;
}

} // namespace talmero::app
