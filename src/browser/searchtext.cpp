#include "searchtext.h"

#include "catalog/station.h"
#include "catalog/textrules.h"

namespace Vello {

std::string foldedForSearch(std::string_view text)
{
    std::string lower = lowercased(text);
    return isNfc(lower) ? lower : toNfc(lower);
}

std::string searchQuery(std::string_view typed)
{
    return foldedForSearch(trimmed(typed));
}

std::string searchText(const Station& station)
{
    std::string text = station.displayName();
    text += ' ';
    text += station.subtitle();
    text += ' ';
    text += station.country().value_or(std::string_view());
    text += ' ';
    text += station.tags().value_or(std::string_view());
    return foldedForSearch(text);
}

} // namespace Vello
