#include "screen.h"

#include <algorithm>

namespace Vello {

std::size_t rowsShown(Screen screen, std::size_t browseVisibleLimit, std::size_t listSize)
{
    switch (screen) {
    case Screen::Home:
        return std::min<std::size_t>(18, listSize);
    case Screen::Browse:
        return std::min(browseVisibleLimit, listSize);
    case Screen::Library:
        return listSize;
    case Screen::Player:
        return std::min<std::size_t>(12, listSize);
    }
    return 0;
}

} // namespace Vello
