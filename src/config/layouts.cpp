#include "config/layout.h"

namespace talmero::config {

const Option* findOption(std::string_view name, const BlockLayout** block)
{
    for (const BlockLayout* b : blockLayouts()) {
        for (const Option& o : b->options) {
            if (o.name == name) {
                if (block)
                    *block = b;
                return &o;
            }
        }
    }
    return nullptr;
}

} // namespace talmero::config
