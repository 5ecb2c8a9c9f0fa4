#pragma once

#include "stationpicker.h"

namespace Vello {

class BrowserController;

// The stations to choose from: the person's own first, then the catalog's in its display order.
[[nodiscard]] StationFinder browserStationFinder(const BrowserController& browser);

} // namespace Vello
