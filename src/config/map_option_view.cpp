#include "config/map_option_view.h"

#include "config/pages.h"

namespace talmero::config {

MapOptionView::MapOptionView(bool startStates)
{
    if (startStates)
        seedStartStates(*this);
}

} // namespace talmero::config
