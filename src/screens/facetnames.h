#pragma once

#include "catalog/discovery.h"

#include <QString>

#include <string_view>

namespace Vello {

// What the window calls `entry` of `facet`, in the reader's language (readerLanguage()): a
// country or a language by its code, through ICU's names as a list shows them; "Other" for the
// stations of no known country; a genre, or a language without a known code, as the catalog
// writes it.
[[nodiscard]] QString facetEntryName(Facet facet, const DiscoveryEntry& entry);
// A country's flag, the pair of regional indicator symbols that emoji fonts draw as it; empty
// without a code.
[[nodiscard]] QString countryFlag(std::string_view code);
// The code of the session's country, from the locale ("DE"); empty when it names none.
[[nodiscard]] std::string sessionCountry();

} // namespace Vello
