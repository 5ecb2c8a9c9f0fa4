#include "ownstations.h"

#include "catalog/textrules.h"
#include "playback/streamaddress.h"

#include <algorithm>
#include <utility>

namespace Vello {

namespace {

constexpr ListFormat documentFormat {"stations", 1, OwnStations::maxDocumentBytes};

const Error noRoom {VELLO_TR("Core", "You cannot add more stations of your own.")};

Error notWritable()
{
    return Error {Text(VELLO_TR("Core", "Stations of your own cannot be changed now: “%1” is left as it was found."),
        {Text::verbatim(std::string(OwnStations::documentName))})};
}

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
    : m_newId(std::move(newId))
    , m_list(store, documentName, documentFormat, [this](ListDocument& document) { write(document, m_stations); })
{
}

std::optional<Text> OwnStations::restore()
{
    m_stations.clear();
    m_places.clear();
    return m_list.restore([this](const ListEntry& item) {
        const auto id = item.text("id");
        const auto name = item.text("name");
        const auto url = item.text("url");
        const auto favicon = item.text("favicon");
        const auto tags = item.text("tags");
        if (!id || !isOwnId(*id) || !name || !url || !favicon || !tags || find(*id) != nullptr) {
            return EntryTaken::LeftOut;
        }
        const StationDraft draft {std::string(*name), std::string(*url), std::string(*favicon), std::string(*tags)};
        if (problems(draft).any()) {
            return EntryTaken::LeftOut;
        }
        if (m_stations.size() == maxStations) {
            return EntryTaken::NoRoom;
        }
        m_places.emplace(*id, m_stations.size());
        m_stations.push_back(stationFrom(std::string(*id), draft));
        return EntryTaken::Yes;
    });
}

const Station* OwnStations::find(std::string_view id) const
{
    const auto found = m_places.find(id);
    return found == m_places.end() ? nullptr : &m_stations[found->second];
}

void OwnStations::keepOnly(std::size_t count)
{
    m_stations.resize(count);
    std::erase_if(m_places, [count](const auto& place) { return place.second >= count; });
}

std::optional<Error> OwnStations::append(const StationDraft& draft, std::string_view id)
{
    if (auto wrong = refusal(draft)) {
        return wrong;
    }
    if (!m_list.isWritable()) {
        return notWritable();
    }
    if (m_stations.size() >= maxStations) {
        return noRoom;
    }
    std::string chosen(id);
    if (!isOwnId(chosen) || chosen.size() == idPrefix.size() || find(chosen) != nullptr) {
        do {
            chosen = std::string(idPrefix) + m_newId();
        } while (find(chosen) != nullptr);
    }
    m_places.emplace(chosen, m_stations.size());
    m_stations.push_back(stationFrom(std::move(chosen), draft));
    return std::nullopt;
}

Result<Station> OwnStations::add(const StationDraft& draft, std::string_view id)
{
    if (auto wrong = append(draft, id)) {
        return std::move(*wrong);
    }
    if (auto wrong = save()) {
        keepOnly(m_stations.size() - 1);
        return std::move(*wrong);
    }
    return m_stations.back();
}

std::vector<Result<Station>> OwnStations::addAll(const std::vector<std::pair<StationDraft, std::string>>& drafts)
{
    const std::size_t before = m_stations.size();
    std::vector<std::optional<Error>> refused;
    refused.reserve(drafts.size());
    for (const auto& [draft, id] : drafts) {
        refused.push_back(append(draft, id));
    }
    std::optional<Error> unsaved = m_stations.size() > before ? save() : std::nullopt;
    if (unsaved) {
        keepOnly(before);
    }
    std::vector<Result<Station>> added;
    added.reserve(drafts.size());
    auto next = m_stations.begin() + static_cast<std::ptrdiff_t>(before);
    for (std::optional<Error>& wrong : refused) {
        if (wrong) {
            added.emplace_back(std::move(*wrong));
        } else if (unsaved) {
            added.emplace_back(*unsaved);
        } else {
            added.emplace_back(*next++);
        }
    }
    return added;
}

Result<Station> OwnStations::update(std::string_view id, const StationDraft& draft)
{
    const auto place = m_places.find(id);
    if (place == m_places.end()) {
        return Error {VELLO_TR("Core", "The station is no longer among your own.")};
    }
    if (const auto wrong = refusal(draft)) {
        return *wrong;
    }
    Station& station = m_stations[place->second];
    Station old = std::exchange(station, stationFrom(std::string(id), draft));
    if (auto wrong = save()) {
        station = std::move(old);
        return std::move(*wrong);
    }
    return station;
}

bool OwnStations::remove(std::string_view id)
{
    const auto place = m_places.find(id);
    if (place == m_places.end() || !m_list.isWritable()) {
        return false;
    }
    m_stations.erase(m_stations.begin() + static_cast<std::ptrdiff_t>(place->second));
    m_places.clear();
    for (std::size_t i = 0; i < m_stations.size(); ++i) {
        m_places.emplace(m_stations[i].id(), i);
    }
    (void)save();
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

std::optional<Error> OwnStations::save()
{
    switch (m_list.save()) {
    case StoredList::Saved::Yes:
    case StoredList::Saved::Failed:
        return std::nullopt;
    case StoredList::Saved::TooLarge:
        return noRoom;
    case StoredList::Saved::NotWritable:
        break;
    }
    return notWritable();
}

void OwnStations::write(ListDocument& document, const std::vector<Station>& stations)
{
    for (const Station& station : stations) {
        const StationDraft draft = draftOf(station);
        document.beginEntry();
        document.addText("id", station.id());
        document.addText("name", draft.name);
        document.addText("url", draft.address);
        document.addText("favicon", draft.logo);
        document.addText("tags", draft.tags);
    }
}

} // namespace Vello
