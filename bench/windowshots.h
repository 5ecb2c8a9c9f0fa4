#pragma once

#include <QString>

namespace Vello {

// Saves offscreen pictures of the four screens, with a catalog of real-looking stations and
// logos, as home.png, browse.png, library.png and player.png in `folder`.
int takeScreenshots(int argc, char** argv, const QString& folder);

} // namespace Vello
