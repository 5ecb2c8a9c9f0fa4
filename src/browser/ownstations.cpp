#include "ownstations.h"

#include "jsontext.h"

#include "ports/documentstore.h"

#include "catalog/textrules.h"
#include "playback/streamaddress.h"

#include <simdjson.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace Vello {

namespace {

constexpr std::int64_t documentVersion = 1;

std::optional<std::string> present(std::string_view text)
{
    const std::string_view kept = trimmed(text);
    return kept.empty() ? std::nullopt : std::optional<std::string>(kept);
}

// What the form would say first about `draft`, if anything.
std::optional<Error> refusal(const StationDraft& draft)
{
    const DraftProblems wrong = OwnStations::problems(draft);
    if (!wrong.any()) {
        return std::nullopt;
    }
    return Error {wrong.name.value_or(wrong.address.value_or(wrong.logo.value_or(Text())))};
}

Station stationFrom(std::string id, const StationDraft& draft)
{
    return StationFields {.stationuuid = std::move(id),
        .name = std::string(trimmed(draft.name)),
        .url = std::string(trimmed(draft.address)),
        .favicon = present(draft.logo),
        .tags = present(draft.tags)};
}

} // namespace

OwnStations::OwnStations(DocumentStore& store, IdSource newId)
    : m_store(store)
    , m_newId(std::move(newId))
{
}

void OwnStations::restore()
{
    m_stations.clear();
    if (const auto document = m_store.read(documentName)) {
        m_stations = fromDocument(*document);
    }
}

const Station* OwnStations::find(std::string_view id) const
{
    const auto found = std::ranges::find_if(m_stations, [&](const Station& station) { return station.id() == id; });
    return found == m_stations.end() ? nullptr : &*found;
}

Result<Station> OwnStations::add(const StationDraft& draft, std::string_view id)
{
    if (const auto wrong = refusal(draft)) {
        return *wrong;
    }
    if (m_stations.size() >= maxStations) {
        return Error {VELLO_TR("Core", "You cannot add more stations of your own.")};
    }
    std::string chosen(id);
    if (!isOwnId(chosen) || chosen.size() == idPrefix.size() || find(chosen) != nullptr) {
        do {
            chosen = std::string(idPrefix) + m_newId();
        } while (find(chosen) != nullptr);
    }
    m_stations.push_back(stationFrom(std::move(chosen), draft));
    save();
    return m_stations.back();
}

Result<Station> OwnStations::update(std::string_view id, const StationDraft& draft)
{
    const auto found = std::ranges::find_if(m_stations, [&](const Station& station) { return station.id() == id; });
    if (found == m_stations.end()) {
        return Error {VELLO_TR("Core", "The station is no longer among your own.")};
    }
    if (const auto wrong = refusal(draft)) {
        return *wrong;
    }
    *found = stationFrom(std::string(id), draft);
    save();
    return *found;
}

bool OwnStations::remove(std::string_view id)
{
    if (std::erase_if(m_stations, [&](const Station& station) { return station.id() == id; }) == 0) {
        return false;
    }
    save();
    return true;
}

DraftProblems OwnStations::problems(const StationDraft& draft)
{
    DraftProblems found;
    if (trimmed(draft.name).empty()) {
        found.name = VELLO_TR("Core", "Give the station a name.");
    }
    if (trimmed(draft.address).empty()) {
        found.address = VELLO_TR("Core", "Enter the address of the stream or its playlist.");
    } else if (!isPlayableStreamAddress(trimmed(draft.address))) {
        found.address = VELLO_TR("Core", "Enter a full http:// or https:// address.");
    }
    if (!trimmed(draft.logo).empty() && !isPlayableStreamAddress(trimmed(draft.logo))) {
        found.logo = VELLO_TR("Core", "Enter a full http:// or https:// address, or leave it empty.");
    }
    return found;
}

StationDraft OwnStations::draftOf(const Station& station)
{
    return StationDraft {.name = std::string(station.name().value_or("")),
        .address = std::string(station.url().value_or("")),
        .logo = std::string(station.favicon().value_or("")),
        .tags = std::string(station.tags().value_or(""))};
}

void OwnStations::save()
{
    // A failed write keeps the old document; the list in memory is still right and the next
    // change tries again.
    (void)m_store.write(documentName, toDocument(m_stations));
}

std::string OwnStations::toDocument(const std::vector<Station>& stations)
{
    std::string out = "{\"version\": " + std::to_string(documentVersion) + ", \"stations\": [";
    bool first = true;
    for (const Station& station : stations) {
        const StationDraft draft = draftOf(station);
        out += first ? "\n  {\"id\": " : ",\n  {\"id\": ";
        first = false;
        appendJsonString(out, station.id());
        out += ", \"name\": ";
        appendJsonString(out, draft.name);
        out += ", \"url\": ";
        appendJsonString(out, draft.address);
        out += ", \"favicon\": ";
        appendJsonString(out, draft.logo);
        out += ", \"tags\": ";
        appendJsonString(out, draft.tags);
        out += '}';
    }
    out += stations.empty() ? "]}\n" : "\n]}\n";
    return out;
}

std::vector<Station> OwnStations::fromDocument(std::string_view document)
{
    if (document.size() > maxDocumentBytes) {
        return {};
    }
    simdjson::dom::parser parser;
    simdjson::dom::element root;
    std::int64_t version = 0;
    simdjson::dom::array list;
    if (parser.parse(simdjson::padded_string(document)).get(root) != simdjson::SUCCESS
        || root["version"].get_int64().get(version) != simdjson::SUCCESS || version != documentVersion
        || root["stations"].get_array().get(list) != simdjson::SUCCESS) {
        return {};
    }
    std::vector<Station> stations;
    for (const simdjson::dom::element item : list) {
        std::string_view id;
        StationDraft draft;
        const auto text = [&](const char* key, std::string& into) {
            std::string_view value;
            if (item[key].get_string().get(value) != simdjson::SUCCESS) {
                return false;
            }
            into = value;
            return true;
        };
        // One entry not of ours makes the whole document foreign.
        if (!item.is_object() || item["id"].get_string().get(id) != simdjson::SUCCESS || !isOwnId(id)
            || !text("name", draft.name) || !text("url", draft.address) || !text("favicon", draft.logo)
            || !text("tags", draft.tags)) {
            return {};
        }
        // A station the form would refuse now is left out; the others still play.
        if (stations.size() < maxStations && !problems(draft).any()
            && std::ranges::none_of(stations, [&](const Station& kept) { return kept.id() == id; })) {
            stations.push_back(stationFrom(std::string(id), draft));
        }
    }
    return stations;
}

} // namespace Vello
