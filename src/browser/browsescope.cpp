#include "browsescope.h"

#include "ports/preferences.h"

#include "catalog/stationdetails.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <system_error>
#include <utility>

namespace Vello {

BrowseScope::BrowseScope(MainQueue& queue, Preferences& preferences, std::function<void(bool)> changed)
    : m_queue(queue)
    , m_preferences(preferences)
    , m_changed(std::move(changed))
{
}

BrowseScope::~BrowseScope()
{
    m_lifetime.reset();
    release();
}

void BrowseScope::release()
{
    for (std::future<void>& work : m_work) {
        work.wait();
    }
    m_work.clear();
    m_stations = nullptr;
    // Answers already on their way speak of positions in the catalog let go.
    ++m_catalogGeneration;
}

void BrowseScope::runInBackground(std::function<Found()> work, std::function<void(Found)> take)
{
    std::erase_if(m_work, [](const std::future<void>& done) {
        return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    auto job
        = [work = std::move(work), take = std::move(take), alive = std::weak_ptr<int>(m_lifetime), &queue = m_queue] {
              auto found = std::make_shared<Found>(work());
              queue.post([alive, take, found] {
                  if (alive.lock()) {
                      take(std::move(*found));
                  }
              });
          };
    try {
        m_work.push_back(std::async(std::launch::async, job));
    } catch (const std::system_error&) {
        // No thread to be had: the work is done here, late rather than never.
        job();
    }
}

std::vector<bool> BrowseScope::membersOf(const std::vector<Station>& stations, const std::optional<Choice>& choice)
{
    std::vector<bool> members(stations.size());
    if (choice) {
        for (const std::uint32_t position : stationsOf(stations, choice->facet, choice->entry)) {
            members[position] = true;
        }
    }
    return members;
}

void BrowseScope::follow(const std::vector<Station>& stations)
{
    release();
    m_stations = &stations;
    const std::uint64_t generation = ++m_catalogGeneration;
    m_discovery.reset();
    m_https.clear();
    m_highBitrate.clear();
    m_members.clear();
    runInBackground(
        [&stations, choice = m_chosen] {
            Found found;
            found.discovery = discover(stations);
            found.https.reserve(stations.size());
            found.highBitrate.reserve(stations.size());
            for (const Station& station : stations) {
                found.https.push_back(playsOverHttps(station));
                found.highBitrate.push_back(hasBitrateOfAtLeast(station, highBitrate));
            }
            found.members = membersOf(stations, choice);
            return found;
        },
        [this, generation, choice = m_chosen](Found found) {
            if (generation == m_catalogGeneration) {
                takeCounts(std::move(found), choice);
            }
        });
}

void BrowseScope::takeCounts(Found found, const std::optional<Choice>& choice)
{
    m_discovery = std::move(found.discovery);
    m_https = std::move(found.https);
    m_highBitrate = std::move(found.highBitrate);
    // A choice made while counting is being found on its own.
    if (!m_chosen || m_chosen != choice) {
        m_changed(false);
        return;
    }
    const std::vector<DiscoveryEntry>& entries = m_discovery->entries(m_chosen->facet);
    const auto same = std::ranges::find_if(entries, [&](const DiscoveryEntry& entry) {
        return entry.code == m_chosen->entry.code && entry.name == m_chosen->entry.name;
    });
    if (same == entries.end()) {
        m_chosen.reset();
        m_members.clear();
    } else {
        m_chosen->entry = *same;
        m_members = std::move(*found.members);
    }
    m_changed(true);
}

void BrowseScope::followScreen(Screen screen)
{
    m_applies = screen == Screen::Browse || (screen == Screen::Player && m_applies);
}

void BrowseScope::choose(Facet facet, const DiscoveryEntry& entry)
{
    Choice choice {facet, entry};
    if (m_stations == nullptr || m_chosen == choice) {
        return;
    }
    const std::uint64_t generation = ++m_choiceGeneration;
    const std::uint64_t catalog = m_catalogGeneration;
    runInBackground(
        [stations = m_stations, choice] {
            Found found;
            found.members = membersOf(*stations, choice);
            return found;
        },
        [this, generation, catalog, choice](Found found) {
            if (generation == m_choiceGeneration && catalog == m_catalogGeneration) {
                takeMembers(std::move(found), choice);
            }
        });
}

void BrowseScope::takeMembers(Found found, const Choice& choice)
{
    m_chosen = choice;
    m_members = std::move(*found.members);
    m_openFacet.reset();
    m_entryFilter.clear();
    m_changed(true);
}

void BrowseScope::clear()
{
    ++m_choiceGeneration;
    if (!m_chosen) {
        return;
    }
    m_chosen.reset();
    m_members.clear();
    m_changed(true);
}

bool BrowseScope::httpsOnly() const
{
    return m_preferences.flag(httpsOnlyKey).value_or(false);
}

bool BrowseScope::highBitrateOnly() const
{
    return m_preferences.flag(highBitrateKey).value_or(false);
}

void BrowseScope::setHttpsOnly(bool on)
{
    if (on != httpsOnly()) {
        m_preferences.setFlag(httpsOnlyKey, on);
        m_changed(true);
    }
}

void BrowseScope::setHighBitrateOnly(bool on)
{
    if (on != highBitrateOnly()) {
        m_preferences.setFlag(highBitrateKey, on);
        m_changed(true);
    }
}

void BrowseScope::setOpenFacet(std::optional<Facet> facet)
{
    if (facet != m_openFacet) {
        m_openFacet = facet;
        m_entryFilter.clear();
        m_changed(false);
    }
}

bool BrowseScope::passesFilters(const Station& station, std::size_t position) const
{
    // Until the catalog is counted, each station is looked at as it comes.
    if (httpsOnly() && !(position < m_https.size() ? m_https[position] : playsOverHttps(station))) {
        return false;
    }
    return !highBitrateOnly()
        || (position < m_highBitrate.size() ? m_highBitrate[position] : hasBitrateOfAtLeast(station, highBitrate));
}

void BrowseScope::narrow(std::vector<const Station*>& list) const
{
    if (!m_applies || (!m_chosen && !httpsOnly() && !highBitrateOnly())) {
        return;
    }
    const Station* begin = m_stations != nullptr ? m_stations->data() : nullptr;
    const Station* end = m_stations != nullptr ? begin + m_stations->size() : nullptr;
    std::erase_if(list, [&](const Station* station) {
        const bool inCatalog
            = !std::less<const Station*> {}(station, begin) && std::less<const Station*> {}(station, end);
        // The person's own stations are counted under no entry.
        const std::size_t position = inCatalog ? static_cast<std::size_t>(station - begin) : SIZE_MAX;
        if (m_chosen && !(position < m_members.size() && m_members[position])) {
            return true;
        }
        return !passesFilters(*station, position);
    });
}

} // namespace Vello
