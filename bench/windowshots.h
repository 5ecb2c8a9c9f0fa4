#pragma once

#include <QString>

namespace Vello {

// Saves offscreen pictures of the four screens, with a catalog of real-looking stations and
// logos, as home.png, browse.png, library.png and player.png in `folder`. With a `language`
// ("de"), the screens in that language at the window's minimum size, as de-home.png and so on.
int takeScreenshots(int argc, char** argv, const QString& folder, const QString& language = {});

} // namespace Vello
