#include "favoritesfile.h"

#include "jsontext.h"

#include <simdjson.h>

namespace Vello {

namespace {

const Error notFavorites {VELLO_TR("Core", "The file is not a list of favourite stations.")};

} // namespace

std::string FavoritesFile::write(const std::vector<FavoriteEntry>& entries)
{
    std::string out = "[";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out += i == 0 ? "\n  {\"id\": " : ",\n  {\"id\": ";
        appendJsonString(out, entries[i].id);
        out += ", \"name\": ";
        appendJsonString(out, entries[i].name);
        out += '}';
    }
    out += entries.empty() ? "]\n" : "\n]\n";
    return out;
}

Result<std::vector<FavoriteEntry>> FavoritesFile::read(std::string_view text)
{
    if (text.size() > maxBytes) {
        return Error {VELLO_TR("Core", "The file is too large to be a list of favourite stations.")};
    }
    simdjson::dom::parser parser;
    simdjson::dom::element document;
    if (parser.parse(simdjson::padded_string(text)).get(document) != simdjson::SUCCESS) {
        return Error {VELLO_TR("Core", "The file is damaged: it is not valid JSON.")};
    }
    simdjson::dom::array list;
    if (document.get_array().get(list) != simdjson::SUCCESS) {
        return notFavorites;
    }
    std::vector<FavoriteEntry> entries;
    for (const simdjson::dom::element item : list) {
        std::string_view id;
        std::string_view name;
        if (!item.is_object() || item["id"].get_string().get(id) != simdjson::SUCCESS || id.empty()
            || item["name"].get_string().get(name) != simdjson::SUCCESS) {
            return notFavorites;
        }
        entries.push_back(FavoriteEntry {std::string(id), std::string(name)});
    }
    return entries;
}

} // namespace Vello
