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
        if (const auto& own = entries[i].own) {
            out += ", \"url\": ";
            appendJsonString(out, own->address);
            out += ", \"favicon\": ";
            appendJsonString(out, own->logo);
            out += ", \"tags\": ";
            appendJsonString(out, own->tags);
            if (!entries[i].favorite) {
                out += ", \"favorite\": false";
            }
        }
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
        FavoriteEntry entry {std::string(id), std::string(name)};
        std::string_view url;
        if (OwnStations::isOwnId(id) && item["url"].get_string().get(url) == simdjson::SUCCESS) {
            const auto optionalText = [&item](const char* key) {
                std::string_view value;
                return item[key].get_string().get(value) == simdjson::SUCCESS ? std::string(value) : std::string();
            };
            entry.own
                = StationDraft {std::string(name), std::string(url), optionalText("favicon"), optionalText("tags")};
            bool favorite = true;
            if (item["favorite"].get_bool().get(favorite) == simdjson::SUCCESS) {
                entry.favorite = favorite;
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace Vello
