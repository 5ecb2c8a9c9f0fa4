#pragma once

#include <cstddef>

namespace Vello {

// The four screens of the window, in sidebar order.
enum class Screen {
    Home,
    Browse,
    Library,
    Player,
};

// Which base list the list of the moment starts from.
enum class ListMode {
    Top,
    Favorites,
    Recent,
    Search,
    // The song titles the stations sent; lists no station.
    Songs,
    // The stations the person added by hand.
    Own,
};

// How many rows of a list of `listSize` stations `screen` shows: Home 18, Browse
// `browseVisibleLimit`, Library all of them, Player 12; never more than the list holds.
[[nodiscard]] std::size_t rowsShown(Screen screen, std::size_t browseVisibleLimit, std::size_t listSize);

} // namespace Vello
