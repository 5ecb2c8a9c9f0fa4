#include "browserharness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace Vello {
namespace {

Station station(const std::string& id, const char* countrycode, const char* tags, const char* scheme, int kbps)
{
    return StationFields {.stationuuid = id,
        .name = "Radio " + id,
        .url_resolved = std::string(scheme) + "://stream.example/" + id,
        .tags = tags,
        .countrycode = countrycode,
        .bitrate = kbps};
}

// Runs the main queue until `done` holds: the scope's workers answer through it.
void settleUntil(BrowserHarness& h, const std::function<bool()>& done)
{
    for (int wait = 0; wait < 10000 && !done(); ++wait) {
        h.queue.runPending();
        if (!done()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ASSERT_TRUE(done());
}

struct Choice {
    Facet facet;
    DiscoveryEntry entry;
};

void choose(BrowserHarness& h, const Choice& choice)
{
    BrowseScope& scope = h.browser.browseScope();
    scope.choose(choice.facet, choice.entry);
    settleUntil(h, [&] { return scope.chosen() && scope.chosen()->entry.code == choice.entry.code; });
}

void deliver(BrowserHarness& h, std::vector<Station> stations)
{
    h.browser.reloadStations();
    h.source.answer(std::move(stations));
    h.queue.runPending();
    settleUntil(h, [&] { return h.browser.browseScope().discovery().has_value(); });
}

TEST(BrowseScope, ListsTheChosenEntrysStationsInOrderSearchedAndFilteredTillCleared)
{
    const std::vector<Station> catalog {station("a", "DE", "jazz", "https", 128),
        station("b", "de", "rock", "http", 64), station("c", "FR", "Jazz", "https", 320),
        station("d", "", "jazz, rock", "http", 0), station("e", "DE", "jazz", "http", 192)};
    const Choice germany {Facet::country, {"DE", "", 3}};
    const Choice france {Facet::country, {"FR", "", 1}};
    struct Case {
        const char* name;
        // Chosen first, then `act` done.
        std::optional<Choice> choice;
        std::function<void(BrowserHarness&)> act;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases {
        {"nothing chosen lists every station", {}, {}, {"a", "b", "c", "d", "e"}},
        {"a country lists its stations in display order", germany, {}, {"a", "b", "e"}},
        {"Other lists the stations of no known country", Choice {Facet::country, {"", "", 1}}, {}, {"d"}},
        {"a genre, written any way", Choice {Facet::genre, {"", "rock", 2}}, {}, {"b", "d"}},
        {"the search searches within the entry", Choice {Facet::genre, {"", "jazz", 4}},
            [](BrowserHarness& h) {
                h.view.typed = "radio E";
                h.browser.chooseListMode(ListMode::Search);
            },
            {"e"}},
        {"HTTPS only", {}, [](BrowserHarness& h) { h.browser.browseScope().setHttpsOnly(true); }, {"a", "c"}},
        {"at least 128 kbps, with the entry chosen after", {},
            [&](BrowserHarness& h) {
                h.browser.browseScope().setHighBitrateOnly(true);
                choose(h, germany);
            },
            {"a", "e"}},
        {"a clear lists every station again", france, [](BrowserHarness& h) { h.browser.browseScope().clear(); },
            {"a", "b", "c", "d", "e"}},
        {"Home lists the whole catalog, the Player what Browse listed", france,
            [](BrowserHarness& h) {
                h.browser.switchScreen(Screen::Player);
                EXPECT_EQ(h.listed(), std::vector<std::string> {"c"});
                h.browser.switchScreen(Screen::Home);
            },
            {"a", "b", "c", "d", "e"}},
        {"a new catalog finds the entry's stations in it again", germany,
            [](BrowserHarness& h) {
                deliver(h, {station("f", "FR", "", "http", 0), station("g", "DE", "", "http", 0)});
                EXPECT_EQ(h.browser.browseScope().chosen()->entry.stations, 1U);
            },
            {"g"}},
        {"a new catalog without the entry lists every station", france,
            [](BrowserHarness& h) {
                h.view.events.clear();
                deliver(h, {station("f", "IT", "", "http", 0), station("g", "DE", "", "http", 0)});
                EXPECT_FALSE(h.browser.browseScope().chosen());
                // Once with the catalog, and again once its counts drop the choice.
                EXPECT_EQ(std::ranges::count(h.view.events, "render top"), 2);
                EXPECT_EQ(h.browser.browseScope().discovery()->countries,
                    (std::vector<DiscoveryEntry> {{"DE", "", 1}, {"IT", "", 1}}));
            },
            {"f", "g"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BrowserHarness h;
        h.start(catalog);
        h.browser.switchScreen(Screen::Browse);
        h.queue.runPending();
        if (c.choice) {
            choose(h, *c.choice);
        }
        if (c.act) {
            c.act(h);
        }
        h.queue.runPending();
        EXPECT_EQ(h.listed(), c.expected);
    }

    BrowserHarness h;
    h.start(catalog);
    EXPECT_EQ(h.browser.browseScope().discovery()->countries,
        (std::vector<DiscoveryEntry> {{"DE", "", 3}, {"FR", "", 1}, {"", "", 1}}));
    h.browser.switchScreen(Screen::Browse);
    h.queue.runPending();
    // A choice starts the list at its top and its first page; the filters are remembered.
    h.browser.loadNextBrowsePage();
    h.view.events.clear();
    choose(h, {Facet::genre, {"", "jazz", 4}});
    h.browser.browseScope().setHighBitrateOnly(true);
    EXPECT_EQ(h.view.events, (std::vector<std::string> {"render top", "render top"}));
    EXPECT_EQ(h.browser.browseVisibleLimit(), BrowserController::browsePageSize);
    EXPECT_TRUE(h.preferences.flags.at(BrowseScope::highBitrateKey));
}

} // namespace
} // namespace Vello
