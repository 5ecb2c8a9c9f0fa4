// Stations added by hand: the form's checks, their own document, and their life beside the catalog.
#include "browserharness.h"

#include "browser/favoritesfile.h"
#include "browser/ownstations.h"
#include "session/nowplaying.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;

TEST(OwnStationsTest, TheFormRefusesWhatCannotPlayAndTheDocumentKeepsTheRest)
{
    const struct {
        StationDraft draft;
        const char* wrong = ""; // n: name, a: address, l: logo
    } cases[] = {
        {{"LAN Jazz", "http://192.168.1.5:8000/jazz", "", "jazz"}, ""},
        {{" Kitchen ", " https://radio.lan/list.m3u ", "https://radio.lan/logo.png", ""}, ""},
        {{"  ", "http://radio.lan/", "", ""}, "n"},
        {{"A", "", "", ""}, "a"},
        {{"A", "radio.lan/stream", "", ""}, "a"},
        {{"A", "file:///etc/passwd", "", ""}, "a"},
        {{"A", "javascript:alert(1)", "", ""}, "a"},
        {{"A", "http://", "", ""}, "a"},
        {{"A", "http://radio.lan/", "ftp://radio.lan/logo.png", ""}, "l"},
    };
    MemoryDocumentStore store;
    int next = 0;
    OwnStations own(store, [&next] { return std::to_string(++next); });
    EXPECT_EQ(own.restore(), std::nullopt) << "none yet";
    for (const auto& test : cases) {
        SCOPED_TRACE(test.draft.address);
        const DraftProblems problems = OwnStations::problems(test.draft);
        const std::string wrong
            = std::string(problems.name ? "n" : "") + (problems.address ? "a" : "") + (problems.logo ? "l" : "");
        EXPECT_EQ(wrong, test.wrong);
        EXPECT_EQ(std::holds_alternative<Station>(own.add(test.draft)), wrong.empty());
    }
    ASSERT_EQ(own.stations().size(), 2U);
    EXPECT_EQ(own.stations()[1].id(), "own:2");
    EXPECT_EQ(own.stations()[1].radioURL(), "https://radio.lan/list.m3u");
    EXPECT_EQ(OwnStations::draftOf(own.stations()[1]),
        (StationDraft {"Kitchen", "https://radio.lan/list.m3u", "https://radio.lan/logo.png", ""}));

    // The document reads back; one not of ours, or a damaged one, lists none.
    OwnStations again(store, [] { return "x"; });
    EXPECT_EQ(again.restore(), std::nullopt);
    EXPECT_EQ(again.stations(), own.stations());
    for (const char* foreign : {R"({"version": 1, "stations": [{"id": "catalog-uuid", "name": "A", "url": "http://a/",
             "favicon": "", "tags": ""}]})",
             R"({"version": 2, "stations": []})", "[]", "{\"version\": 1, \"stations\": ["}) {
        store.documents[std::string(OwnStations::documentName)] = foreign;
        (void)again.restore();
        EXPECT_TRUE(again.stations().empty()) << foreign;
    }
}

struct OwnHarness : BrowserHarness {
    Station add(const std::string& name, const std::string& address, const std::string& tags = "")
    {
        return std::get<Station>(browser.personal().saveOwnStation({name, address, "", tags}));
    }
};

TEST(OwnStationsTest, TheyAreListedSearchedAndPlayedLikeTheCatalogsThroughEveryDownload)
{
    OwnHarness h;
    // A catalog that claims an own identifier loses that station.
    std::vector<Station> catalog = makeStations(2);
    catalog.push_back(makeStation("own:forged", "Forged Jazz"));
    h.start(catalog);
    h.browser.tellOnce(h.browser.personal().keepOwnStationsIn(h.documents));
    const std::string jazz = h.add("LAN Jazz", "http://192.168.1.5:8000/jazz", "jazz").id();
    const std::string kitchen = h.add("Kitchen Radio", "https://radio.lan/list.m3u").id();
    EXPECT_NE(jazz, kitchen);
    EXPECT_TRUE(jazz.starts_with(OwnStations::idPrefix));

    const auto listedIn = [&h](ListMode mode, const char* typed) {
        h.browser.chooseListMode(mode);
        h.view.typed = typed;
        return h.listed();
    };
    EXPECT_EQ(listedIn(ListMode::Top, ""), (Ids {"s0", "s1", jazz, kitchen})) << "after the catalog, ranked";
    EXPECT_EQ(listedIn(ListMode::Search, "jazz"), (Ids {jazz}));
    EXPECT_EQ(listedIn(ListMode::Own, ""), (Ids {jazz, kitchen}));

    // Next and Previous go round the list of the moment; the directory never hears of them.
    h.session.playNext();
    EXPECT_EQ(h.currentId(), jazz);
    h.session.playNext();
    EXPECT_EQ(h.currentId(), kitchen);
    h.session.playPrevious();
    EXPECT_EQ(h.currentId(), jazz);
    h.browser.toggleFavorite(*h.session.currentStation());
    h.session.play(h.browser.allStations()[0]);
    EXPECT_EQ(h.source.countedPlays, Ids {"s0"});
    EXPECT_EQ(listedIn(ListMode::Recent, ""), (Ids {"s0", jazz, kitchen}));

    // A new catalog, an edit that keeps the identifier and the favourite, a removal that drops it.
    h.browser.reloadStations();
    h.source.answer(makeStations(1));
    h.queue.runPending();
    EXPECT_EQ(listedIn(ListMode::Favorites, ""), (Ids {jazz}));
    h.session.play(h.browser.personal().ownStations().front());
    const std::size_t players = h.media.players.size();
    ASSERT_TRUE(std::holds_alternative<Station>(
        h.browser.personal().saveOwnStation({"LAN Jazz 2", "http://192.168.1.5:8000/jazz2", "", ""}, jazz)));
    EXPECT_EQ(listedIn(ListMode::Favorites, "jazz 2"), (Ids {jazz}));
    // Playing, it shows its new name at once, and plays on until played again.
    h.queue.runPending();
    EXPECT_EQ(nowPlayingOf(h.session).title, Text::verbatim("LAN Jazz 2"));
    EXPECT_EQ(h.media.players.size(), players);
    h.browser.personal().removeOwnStation(jazz);
    EXPECT_EQ(listedIn(ListMode::Own, ""), (Ids {kitchen}));
    EXPECT_TRUE(h.browser.favorites().empty());

    // The next start finds them as they were left. A file it cannot read is set aside, and the
    // window says so once, when it is up.
    OwnHarness later;
    later.documents = h.documents;
    later.documents.documents["songs.json"] = R"({"version": 1, "songs": [{"title": "On)";
    later.browser.start(later.view);
    later.browser.tellOnce(later.browser.personal().keepOwnStationsIn(later.documents));
    later.browser.tellOnce(later.session.keepSongsIn(later.documents));
    EXPECT_EQ(later.browser.personal().ownStations(), h.browser.personal().ownStations());
    EXPECT_TRUE(later.view.notices.empty());
    later.queue.runPending();
    later.browser.tellOnce(later.session.keepSongsIn(later.documents));
    later.queue.runPending();
    ASSERT_EQ(later.view.notices.size(), 1U);
    EXPECT_NE(later.view.notices[0].find("“songs.json set aside”"), std::string::npos) << later.view.notices[0];
}

TEST(OwnStationsTest, ExportAndImportCarryThemInOneWriteAndSaySoWhatWasSkipped)
{
    OwnHarness from;
    from.start(makeStations(3));
    from.browser.tellOnce(from.browser.personal().keepOwnStationsIn(from.documents));
    const Station loved = from.add("Loved", "http://radio.lan/loved", "lan");
    from.add("Other", "http://radio.lan/other");
    from.browser.toggleFavorite(loved);
    from.browser.toggleFavorite(from.browser.allStations()[2]);
    const std::string file = FavoritesFile::write(from.browser.personal().favoritesToExport());
    const auto contents = std::get<FavoritesFile::Contents>(FavoritesFile::read(file));

    OwnHarness to;
    to.start(makeStations(3));
    to.browser.tellOnce(to.browser.personal().keepOwnStationsIn(to.documents));
    EXPECT_EQ(to.browser.personal().importFavorites(contents), (ImportSummary {.favorites = 2, .ownStations = 2}));
    EXPECT_EQ(to.documents.writes[std::string(OwnStations::documentName)], 1) << "one write for all";
    EXPECT_EQ(to.browser.personal().ownStations(), from.browser.personal().ownStations());
    EXPECT_EQ(to.browser.favorites(), from.browser.favorites());
    EXPECT_EQ(to.browser.personal().importFavorites(contents), (ImportSummary {.alreadyThere = 3}));

    // A file of ids and names alone, as older players write, adds favourites only; what is no
    // station, or one the form refuses, is skipped and counted.
    const auto older = std::get<FavoritesFile::Contents>(FavoritesFile::read(R"([{"id": "s0", "name": "Station 0"},
        {"id": "own:gone", "name": "Gone"}, {"id": "s0", "name": "Again"}, {"id": 7},
        {"id": "own:bad", "name": "Bad", "url": "file:///etc/passwd"}])"));
    EXPECT_EQ(to.browser.personal().importFavorites(older),
        (ImportSummary {.favorites = 2, .alreadyThere = 1, .notStations = 2}));
    EXPECT_EQ(to.browser.personal().ownStations().size(), 2U);
}

} // namespace
} // namespace Vello
