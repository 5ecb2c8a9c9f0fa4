#pragma once

#include "ports/mainqueue.h"
#include "screen.h"

#include "catalog/discovery.h"
#include "catalog/station.h"

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

class Preferences;

// What Browse lists of the catalog: every station, or those of one country, language or genre
// chosen among the catalog's counts, narrowed further by the optional filters. The counts and a
// chosen entry's stations are worked out on threads of their own and handed back through the
// main queue; an answer for a catalog or a choice that has moved on since is dropped.
class BrowseScope final {
public:
    // The preferences that keep the optional filters; both off unless set.
    static constexpr const char* httpsOnlyKey = "browseHttpsOnly";
    static constexpr const char* highBitrateKey = "browseHighBitrate";
    // The rate, in kbit/s, the second filter asks for at least.
    static constexpr std::int64_t highBitrate = 128;

    struct Choice final {
        Facet facet = Facet::country;
        DiscoveryEntry entry;

        friend bool operator==(const Choice&, const Choice&) = default;
    };

    // `changed` runs on the GUI thread each time what Browse offers changes: with true when its
    // list changed (a choice, a filter), with false when only the counts did.
    BrowseScope(MainQueue& queue, Preferences& preferences, std::function<void(bool listChanged)> changed);
    ~BrowseScope();

    BrowseScope(const BrowseScope&) = delete;
    BrowseScope& operator=(const BrowseScope&) = delete;

    // Lets go of the catalog followed, once the work still reading it is done: called before it
    // changes.
    void release();
    // Follows `stations`, the catalog from now on (it must stay unchanged until release()): counts
    // it, and finds the chosen entry's stations in it again; an entry it lacks is no longer chosen.
    void follow(const std::vector<Station>& stations);
    // Browse narrows its list from now on while on Browse, and on the Player while it came from
    // Browse; other screens list the whole catalog.
    void followScreen(Screen screen);

    // The catalog's counts; nothing while they are being counted.
    [[nodiscard]] const std::optional<Discovery>& discovery() const { return m_discovery; }
    // The entry whose stations Browse lists; nothing while it lists every station.
    [[nodiscard]] const std::optional<Choice>& chosen() const { return m_chosen; }
    // Lists only the stations of `entry` of `facet`, once they are found.
    void choose(Facet facet, const DiscoveryEntry& entry);
    // Lists every station again.
    void clear();

    [[nodiscard]] bool httpsOnly() const;
    [[nodiscard]] bool highBitrateOnly() const;
    void setHttpsOnly(bool on);
    void setHighBitrateOnly(bool on);

    // The facet whose entries the window shows, and the text they are filtered by: kept here so
    // that a rebuilt window shows them as they were.
    [[nodiscard]] const std::optional<Facet>& openFacet() const { return m_openFacet; }
    void setOpenFacet(std::optional<Facet> facet);
    [[nodiscard]] const std::string& entryFilter() const { return m_entryFilter; }
    void setEntryFilter(std::string filter) { m_entryFilter = std::move(filter); }

    // Keeps of `list` (stations of the catalog followed, or the person's own) those Browse lists.
    void narrow(std::vector<const Station*>& list) const;

private:
    // What a worker found: the counts and each station's filters (when counting a catalog), and
    // the chosen entry's stations.
    struct Found {
        std::optional<Discovery> discovery;
        std::vector<bool> https;
        std::vector<bool> highBitrate;
        std::optional<std::vector<bool>> members;
    };

    // Runs `work` on a thread of its own and `take` with its result on the GUI thread.
    void runInBackground(std::function<Found()> work, std::function<void(Found)> take);
    [[nodiscard]] static std::vector<bool> membersOf(
        const std::vector<Station>& stations, const std::optional<Choice>& choice);
    void takeCounts(Found found, const std::optional<Choice>& choice);
    void takeMembers(Found found, const Choice& choice);
    [[nodiscard]] bool passesFilters(const Station& station, std::size_t position) const;

    MainQueue& m_queue;
    Preferences& m_preferences;
    std::function<void(bool)> m_changed;
    const std::vector<Station>* m_stations = nullptr;
    std::optional<Discovery> m_discovery;
    std::vector<bool> m_https;
    std::vector<bool> m_highBitrate;
    std::optional<Choice> m_chosen;
    // Whether each station of the catalog belongs to the chosen entry.
    std::vector<bool> m_members;
    std::optional<Facet> m_openFacet;
    std::string m_entryFilter;
    bool m_applies = false;
    // Count the catalogs followed and the choices made; only the latest one's answers count.
    std::uint64_t m_catalogGeneration = 0;
    std::uint64_t m_choiceGeneration = 0;
    std::vector<std::future<void>> m_work;
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

} // namespace Vello
