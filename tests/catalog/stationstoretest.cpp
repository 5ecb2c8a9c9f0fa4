#include "catalog/stationstore.h"

#include "catalog/cachedorder.h"
#include "catalog/catalogdecoder.h"
#include "catalog/catalogorigin.h"
#include "catalog/displayorder.h"
#include "fakehttpclient.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Vello {
namespace {

std::size_t temporaryFilesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::ranges::count_if(std::filesystem::directory_iterator(folder),
        [](const auto& entry) { return entry.path().filename().string().starts_with("stations.json.tmp."); }));
}

const std::string stationsUrl = "https://catalog.example/stations_filtered.json";
const CatalogSource catalogAddress {.documentUrl = stationsUrl};

// Plays in the order a2 (score 40), a1 (score 4); a3 has no usable stream address.
const std::string cachedCatalog = R"([
  {"stationuuid": "a1", "name": "Alpha", "url_resolved": "http://a1.example/stream", "votes": 1},
  {"stationuuid": "a2", "name": "Beta", "url": "http://a2.example/stream", "url_resolved": "  ", "votes": 10},
  {"stationuuid": "a3", "name": "Gamma", "url": " ", "url_resolved": ""}
])";
// Plays in the order b3, b2, b2, b1: ties on score go by name, ignoring case, and the
// duplicate stays.
const std::string downloadedCatalog = R"([{"stationuuid":"b1","name":"zulu","url":"http://b1","clickcount":5},
{"stationuuid":"b2","name":"Alpha","url_resolved":"http://b2","clickcount":5},
{"stationuuid":"b4","name":"Dead air"},
{"stationuuid":"b2","name":"Alpha","url_resolved":"http://b2","clickcount":5},
{"stationuuid":"b3","name":"Mike","url":"http://b3","clickcount":9}]
)";
const std::string silentCatalog = R"([{"stationuuid": "s1", "name": "Silent", "url": "   "}])";
// Playable, but claiming identifiers of the person's own stations: nothing a catalog may give.
const std::string ownOnlyCatalog = R"([{"stationuuid": "own:1", "url": "http://o1"}, {"stationuuid": "own:"}])";
const std::string errorPage = "<html><body><h1>502 Bad Gateway</h1></body></html>";
const std::string networkError = "Could not connect to the server";
// How answers are written down: the stations' uuids, or "error:" and its text.
const std::string cached = "a2 a1 ";
const std::string downloaded = "b3 b2 b2 b1 ";

// `count` playable stations c1, c2, ..., which play in that order; numbered() writes their answer.
std::string numberedCatalog(int count)
{
    std::string document = "[";
    for (int i = 1; i <= count; ++i) {
        document += std::string(i > 1 ? "," : "") + R"({"stationuuid": "c)" + std::to_string(i) + R"(", "name": "c)"
            + std::to_string(i) + R"(", "url": "http://c.example/)" + std::to_string(i) + R"("})";
    }
    return document + "]";
}
std::string numbered(int count)
{
    std::string answer;
    for (int i = 1; i <= count; ++i) {
        answer += "c" + std::to_string(i) + " ";
    }
    return answer;
}

// One answer of the store, where it arrived and what the copy on disk held at that moment.
struct Answer {
    std::string what {};
    bool beforeLoadReturned = false;
    std::string cacheOnDisk;
};

// The answers to loads. The fake client's answers run on a thread it joins, so no lock is needed.
struct AnswerLog {
    std::filesystem::path cacheFile;
    std::vector<Answer> answers {};
    bool loadReturned = false;

    std::vector<Answer> load(StationStore& store, Refresh refresh = Refresh::IfDue)
    {
        store.load(
            [this](StationsResult result) {
                Answer answer {.beforeLoadReturned = !loadReturned, .cacheOnDisk = readFile(cacheFile).value_or("")};
                if (const auto* error = std::get_if<Error>(&result)) {
                    answer.what = "error:" + error->description.english();
                } else {
                    for (const Station& station : std::get<std::vector<Station>>(result)) {
                        answer.what.append(station.stationuuid().value_or("?")).append(" ");
                    }
                }
                answers.push_back(std::move(answer));
            },
            {}, refresh);
        loadReturned = true;
        return answers;
    }
};

class StationStoreTest : public ::testing::Test {
protected:
    ScratchFolder m_scratch;
    FakeHttpClient m_http;
    FakeHostResolver m_resolver;
};

// Every combination of what the copy on disk holds and what the download gives, for every
// source: the directory's servers in turn (pinned, found through the DNS, remembered, built in),
// its once-a-day rule, and a document's conditional download. The store is gone before the
// download answers: the download still answers and saves.
TEST_F(StationStoreTest, EachLoadAnswersFromTheCopyAndTheDownloadAsDocumented)
{
    using namespace std::chrono_literals;
    const auto now = std::chrono::system_clock::time_point(std::chrono::seconds(1'800'000'000));
    const std::string one = "http://127.0.0.1:8001";
    const std::string two = "http://127.0.0.1:8002";
    const std::string three = "http://127.0.0.1:8003";
    const CatalogSource pinned {.directoryServers = {one, two, three}};
    std::vector<std::string> nine;
    for (int port = 8011; port <= 8019; ++port) {
        nine.push_back("http://127.0.0.1:" + std::to_string(port));
    }
    const auto list = [](const std::string& server) { return directoryStationsUrl(server); };
    const HttpResult catalog = HttpResponse {200, downloadedCatalog, {{"etag", "\"v2\""}}};
    const HttpResult page = HttpResponse {200, errorPage};
    const HttpResult refused = Error {Text::verbatim("Connection refused")};
    // An error status never replaces the copy, whatever its body.
    const HttpResult unavailable = HttpResponse {503, "[]"};
    const HttpResult offline = Error {Text::verbatim(networkError)};
    const std::string decodeFailure = "error:" + std::get<Error>(decodeCatalog(errorPage)).description.english();
    const std::string networkFailure = "error:" + networkError;
    const std::string statusFailure = "error:The station catalog server answered 503 (Service Unavailable).";
    // A folder in the file's place: it cannot be read, nor replaced by the write.
    const std::string unreadable = "<folder>";
    const std::string undecodable = R"([{"stationuuid": "a1", "url": "http://a1")";
    // A copy on disk from `source`, downloaded `age` ago from `servers`.
    const auto copy = [&](std::string source, std::chrono::hours age, std::vector<std::string> servers = {}) {
        return CatalogOrigin {
            std::move(source), now - age, "\"v1\"", "Tue, 01 Dec 2026 10:00:00 GMT", std::move(servers)};
    };
    struct Row {
        const char* name;
        CatalogSource source;
        std::optional<CatalogOrigin> origin; // with the cached catalog beside it
        Refresh refresh;
        std::vector<HttpResult> responses;
        std::vector<std::string> requested;
        std::vector<std::string> answers;
        // The servers the origin remembers afterwards, the one that answered first.
        std::vector<std::string> remembered {};
        // The validators the requests carried.
        HttpHeaders sent {};
        // What the copy on disk holds; empty: no copy without an origin, the cached catalog with one.
        std::string cache {};
    };
    // A document's download over a copy on disk without an origin.
    const auto document = [&](std::string cache, HttpResult response, std::vector<std::string> answers) {
        return Row {"a document", catalogAddress, std::nullopt, Refresh::IfDue, {std::move(response)}, {stationsUrl},
            std::move(answers), {}, {}, std::move(cache)};
    };
    // A directory list of 6 over its copy on disk, due for a download: an answer that shrank to
    // under half of it, or that holds nothing to list, is a failed server like any other.
    const auto shrinking = [&](const char* name, std::vector<HttpResult> responses, std::vector<std::string> answers) {
        std::vector<std::string> requested {list(one), list(two), list(three)};
        requested.resize(responses.size());
        return Row {name, pinned, copy("directory", 25h), Refresh::IfDue, std::move(responses), std::move(requested),
            std::move(answers), {}, {}, numberedCatalog(6)};
    };
    const HttpResult twoOfSix = HttpResponse {200, numberedCatalog(2)};
    const HttpResult threeOfSix = HttpResponse {200, numberedCatalog(3)};
    const std::string emptyFailure = "error:The station catalog server answered with no usable stations.";
    const std::string shrinkFailure
        = "error:The station catalog server answered with only 2 stations, fewer than half of those already here.";
    const std::vector<Row> rows {
        document(cachedCatalog, catalog, {cached, downloaded}),
        document(cachedCatalog, page, {cached, decodeFailure}),
        document(cachedCatalog, unavailable, {cached, statusFailure}),
        document(cachedCatalog, offline, {cached}),
        // A document's owner may shrink it, but never to nothing over a list.
        document(numberedCatalog(6), HttpResponse {200, numberedCatalog(1)}, {numbered(6), numbered(1)}),
        document(cachedCatalog, HttpResponse {200, silentCatalog}, {cached, emptyFailure}),
        document(cachedCatalog, HttpResponse {200, "[]"}, {cached, emptyFailure}),
        document("", HttpResponse {200, "[]"}, {""}),
        document("", catalog, {downloaded}),
        document("", offline, {networkFailure}),
        document(unreadable, catalog, {downloaded}),
        document(undecodable, offline, {networkFailure}),
        // Our choice where nothing else would answer: the window must not wait for ever.
        document(silentCatalog, offline, {networkFailure}),
        {"servers are tried in turn until one gives a catalog", pinned, std::nullopt, Refresh::IfDue,
            {refused, unavailable, catalog}, {list(one), list(two), list(three)}, {downloaded}, {three, one, two}},
        {"eight are remembered, the one that answered first", {.directoryServers = nine}, std::nullopt, Refresh::IfDue,
            {catalog}, {list(nine[0])}, {downloaded}, std::vector(nine.begin(), nine.end() - 1)},
        {"an answer that was not a catalog says more than an unreachable server", pinned, std::nullopt, Refresh::IfDue,
            {unavailable, refused, refused}, {list(one), list(two), list(three)}, {statusFailure}},
        {"with a list on screen unreachable servers go unmentioned", pinned, copy("directory", 25h), Refresh::IfDue,
            {refused, refused, refused}, {list(one), list(two), list(three)}, {cached}},
        {"a directory list younger than a day answers alone", pinned, copy("directory", 23h), Refresh::IfDue, {}, {},
            {cached}},
        {"so does one downloaded this very second", pinned, copy("directory", 0h), Refresh::IfDue, {}, {}, {cached}},
        {"an empty one does not", pinned, copy("directory", 1h), Refresh::IfDue, {catalog}, {list(one)}, {downloaded},
            {}, {}, "[]"},
        {"Reload Stations downloads all the same", pinned, copy("directory", 1h), Refresh::Now, {catalog}, {list(one)},
            {cached, downloaded}, {one, two, three}},
        {"a list a day old is downloaded again", pinned, copy("directory", 24h), Refresh::IfDue, {catalog}, {list(one)},
            {cached, downloaded}},
        {"a list from the future is downloaded again", pinned, copy("directory", -2h), Refresh::IfDue, {catalog},
            {list(one)}, {cached, downloaded}},
        {"the DNS's servers come first, then the remembered, then the built-in", {}, copy("directory", 30h, {two}),
            Refresh::IfDue, {refused, refused, refused, refused},
            {list("https://srv.example:8443"), list(two), list("https://de1.api.radio-browser.info"),
                list("https://nl1.api.radio-browser.info")},
            {cached}},
        {"a copy from another source neither answers nor is asked after", catalogAddress, copy("directory", 1h),
            Refresh::IfDue, {catalog}, {stationsUrl}, {downloaded}},
        {"a document is asked whether it changed; a 304 keeps the copy", catalogAddress, copy(stationsUrl, 1h),
            Refresh::IfDue, {HttpResponse {304, ""}}, {stationsUrl}, {cached}, {},
            {{"If-None-Match", "\"v1\""}, {"If-Modified-Since", "Tue, 01 Dec 2026 10:00:00 GMT"}}},
        shrinking("exactly half is a catalog", {threeOfSix}, {numbered(6), numbered(3)}),
        shrinking("under half is not: the next server is asked", {twoOfSix, catalog}, {numbered(6), downloaded}),
        shrinking("a server that answered nothing to list neither",
            {unavailable, HttpResponse {200, "[]"}, HttpResponse {200, ownOnlyCatalog}}, {numbered(6), statusFailure}),
        shrinking("when every server shrinks the copy stays, and the window says so", {twoOfSix, twoOfSix, twoOfSix},
            {numbered(6), shrinkFailure}),
        {"without a copy an empty answer is refused all the same", pinned, std::nullopt, Refresh::IfDue,
            {HttpResponse {200, silentCatalog}, HttpResponse {200, ownOnlyCatalog}, HttpResponse {200, "[]"}},
            {list(one), list(two), list(three)}, {emptyFailure}},
        {"a 304 nobody asked for is an error", catalogAddress, std::nullopt, Refresh::IfDue, {HttpResponse {304, ""}},
            {stationsUrl}, {"error:The station catalog server answered 304 (Not Modified)."}},
    };

    // Only the first names a usable server.
    m_resolver.services[std::string(directoryService)] = {{"srv.example.", 8443}, {"bad_name!.", 443},
        {"-dash.example.", 443}, {"zero.example.", 0}, {"big.example.", 65536}};
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const Row& row = rows[index];
        SCOPED_TRACE(std::to_string(index) + ": " + row.name);
        const auto folder = m_scratch.path / std::to_string(index);
        const std::string cache = row.origin && row.cache.empty() ? cachedCatalog : row.cache;
        std::filesystem::create_directories(folder);
        const auto cacheFile = folder / "stations.json";
        const auto originFile = folder / "stations.origin";
        if (cache == unreadable) {
            std::filesystem::create_directory(cacheFile);
        } else if (!cache.empty()) {
            writeFile(cacheFile, cache);
        }
        if (row.origin) {
            ASSERT_TRUE(row.origin->write(originFile));
        }
        const auto originBefore = readFile(originFile);
        FakeHttpClient http;
        AnswerLog log {cacheFile};
        {
            StationStore store(http, m_resolver, row.source, folder, [&] { return now; });
            log.load(store, row.refresh);
        }
        for (const HttpResult& response : row.responses) {
            ASSERT_TRUE(http.respond(response));
        }
        EXPECT_EQ(http.requestedUrls(), row.requested);
        EXPECT_EQ(http.lastRequest().headers, row.sent);

        const auto answers = log.answers;
        std::vector<std::string> said;
        for (const Answer& answer : answers) {
            said.push_back(answer.what);
            // The copy on disk answers before load returns, the download later.
            EXPECT_EQ(answer.beforeLoadReturned, answer.what == cached || answer.what == numbered(6)) << answer.what;
        }
        EXPECT_EQ(said, row.answers);
        const bool failed = !said.empty() && said.back().starts_with("error:");
        const auto* last = row.responses.empty() ? nullptr : std::get_if<HttpResponse>(&row.responses.back());
        const bool replaced = last != nullptr && last->status == 200 && cache != unreadable && !failed
            && std::holds_alternative<std::vector<Station>>(decodeCatalog(last->body));
        if (replaced) {
            EXPECT_EQ(answers.back().cacheOnDisk, last->body) << "the copy on disk is written before the answer";
        }
        EXPECT_EQ(std::filesystem::is_directory(cacheFile), cache == unreadable);
        if (cache != unreadable) {
            EXPECT_EQ(readFile(cacheFile).value_or(""), replaced ? last->body : cache);
        }
        EXPECT_EQ(temporaryFilesIn(folder), 0U);
        if (failed) {
            EXPECT_EQ(readFile(originFile), originBefore)
                << "a refused answer is no download: the next start asks again";
        }

        const bool fresh = std::ranges::find(row.answers, downloaded) != row.answers.end();
        const auto origin = CatalogOrigin::read(originFile);
        if (fresh || !row.sent.empty()) {
            ASSERT_TRUE(origin.has_value());
            EXPECT_EQ(origin->downloaded, now) << "the last good download";
            EXPECT_EQ(origin->source, row.source.name());
            EXPECT_EQ(origin->etag, fresh ? "\"v2\"" : "\"v1\"");
        }
        if (!row.remembered.empty()) {
            EXPECT_EQ(origin->servers, row.remembered);
        }
    }
}

// A copy of the directory's list brought up to date through its change feed: a rename, an
// addition and a station turned unplayable written in, the same stations a download of the whole
// list would give; the whole list instead once a week, and whenever the feed cannot go on.
TEST_F(StationStoreTest, ChangesSinceTheLastRefreshAreWrittenIntoTheCopy)
{
    using namespace std::chrono_literals;
    const auto now = std::chrono::system_clock::time_point(std::chrono::seconds(1'800'000'000));
    const std::string one = "http://127.0.0.1:8001";
    const std::string two = "http://127.0.0.1:8002";
    const auto station = [](int n, const std::string& members) {
        return R"({"stationuuid": "s)" + std::to_string(n) + R"(", "changeuuid": "c)" + std::to_string(n)
            + R"(", "lastchangetime": "2026-01-0)" + std::to_string(n) + R"( 00:00:00", )" + members + "}";
    };
    const std::string copy = "[" + station(1, R"("name": "One", "url": "http://s1", "url_resolved": "http://r1")") + ","
        + station(2, R"("url": "http://s2", "votes": 2)") + "," + station(3, R"("url": "http://s3", "votes": 1)") + "]";
    // Changes to s1 and s4, then s2 loses its address: two pages of two.
    const std::string fullPage = "[" + station(4, R"("stationuuid": "s1", "name": "Uno", "url": "http://u1")") + ","
        + station(5, R"("stationuuid": "s4", "url": "http://s4", "votes": 9)") + "]";
    const std::string lastPage = "[" + station(6, R"("stationuuid": "s2", "url": "")") + "]";
    const std::string changed = "[" + station(4, R"("stationuuid": "s1", "name": "Uno", "url": "http://u1")") + ","
        + station(3, R"("url": "http://s3", "votes": 1)") + ","
        + station(5, R"("stationuuid": "s4", "url": "http://s4", "votes": 9)") + "]";
    const HttpResult whole = HttpResponse {200, downloadedCatalog};
    const auto list = [](const std::string& server) { return directoryStationsUrl(server); };
    const auto feed
        = [](const std::string& server, const std::string& from) { return directoryChangesUrl(server, from, 2); };
    struct Row {
        const char* name;
        std::chrono::hours sinceWhole;
        std::string position;
        Refresh refresh;
        std::vector<HttpResult> responses;
        std::vector<std::string> requested;
        std::vector<std::string> answers;
        // What the copy decodes to afterwards.
        std::string becomes;
    };
    const std::vector<Row> rows {
        {"the changes are written in, page by page", 30h, "c3", Refresh::IfDue,
            {HttpResponse {200, fullPage}, HttpResponse {200, lastPage}}, {feed(one, "c3"), feed(one, "c5")},
            {"s2 s3 s1 ", "s4 s3 s1 "}, changed},
        {"Reload Stations asks for the changes too; none: nothing more is said", 1h, "c3", Refresh::Now,
            {HttpResponse {200, "[]"}}, {feed(one, "c3")}, {"s2 s3 s1 "}, copy},
        {"the whole list downloaded this very second: the changes; a 299 is a page", 0h, "c3", Refresh::IfDue,
            {HttpResponse {299, "[]"}}, {feed(one, "c3")}, {"s2 s3 s1 "}, copy},
        {"a week after the whole list, the whole list", 24h * 7, "c3", Refresh::IfDue, {whole}, {list(one)},
            {"s2 s3 s1 ", downloaded}, downloadedCatalog},
        {"without a change to go on from, the whole list", 30h, "", Refresh::IfDue, {whole}, {list(one)},
            {"s2 s3 s1 ", downloaded}, downloadedCatalog},
        {"a server that does not know the change starts from its oldest", 30h, "c3", Refresh::IfDue,
            {HttpResponse {200, "[" + station(2, R"("stationuuid": "s9", "url": "http://s9")") + "]"}, whole},
            {feed(one, "c3"), list(one)}, {"s2 s3 s1 ", downloaded}, downloadedCatalog},
        {"more changes than the pages allowed", 30h, "c3", Refresh::IfDue,
            {HttpResponse {200, fullPage}, HttpResponse {200, fullPage}, whole},
            {feed(one, "c3"), feed(one, "c5"), list(one)}, {"s2 s3 s1 ", downloaded}, downloadedCatalog},
        {"a page that is not a catalog of changes", 30h, "c3", Refresh::IfDue,
            {HttpResponse {200, "[" + station(7, R"("stationuuid": "", "url": "http://x")") + "]"}, whole},
            {feed(one, "c3"), list(one)}, {"s2 s3 s1 ", downloaded}, downloadedCatalog},
        {"changes that leave under half: the shrink guard still holds", 30h, "c3", Refresh::IfDue,
            {HttpResponse {200,
                 "[" + station(8, R"("stationuuid": "s1", "url": " ")") + ","
                     + station(9, R"("stationuuid": "s3", "lastcheckok": 0)") + "]"},
                HttpResponse {200, "[]"}, whole},
            {feed(one, "c3"), feed(one, "c9"), list(one)}, {"s2 s3 s1 ", downloaded}, downloadedCatalog},
        {"the feed answers 300, every server fails: the copy stays", 30h, "c3", Refresh::IfDue,
            {HttpResponse {300, "[]"}, Error {Text::verbatim("Connection refused")}, HttpResponse {299, "[]"}},
            {feed(one, "c3"), list(one), list(two)},
            {"s2 s3 s1 ", "error:The station catalog server answered with no usable stations."}, copy},
    };
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const Row& row = rows[index];
        SCOPED_TRACE(row.name);
        const auto folder = m_scratch.path / ("feed" + std::to_string(index));
        FakeHttpClient http;
        AnswerLog log {folder / "stations.json"};
        {
            StationStore store(http, m_resolver, {.directoryServers = {one, two}}, folder, [&] { return now; });
            store.setChangeFeedLimits({.pageSize = 2, .mostPages = 2});
            writeFile(store.cacheFile(), copy);
            CatalogOrigin {
                "directory", now - 25h, "", "", {one}, now - row.sinceWhole, row.position, "2026-01-03 00:00:00"}
                .write(store.originFile());
            log.load(store, row.refresh);
        }
        for (const HttpResult& response : row.responses) {
            ASSERT_TRUE(http.respond(response));
        }
        EXPECT_EQ(http.requestedUrls(), row.requested);
        std::vector<std::string> said;
        std::ranges::transform(log.answers, std::back_inserter(said), &Answer::what);
        EXPECT_EQ(said, row.answers);
        const auto decodedCopy = decodeCatalog(readFile(log.cacheFile).value_or(""));
        EXPECT_EQ(decodedCopy, decodeCatalog(row.becomes)) << "station by station";
        const auto origin = CatalogOrigin::read(folder / "stations.origin");
        ASSERT_TRUE(origin);
        EXPECT_EQ(origin->lastChange, row.becomes == changed ? "c6" : row.becomes == copy ? "c3" : "");
    }
}

// FIFOs in the place of the copy, its origin and its order are no copy: a start does not wait
// for a writer that never comes.
TEST_F(StationStoreTest, AFifoInTheCopysPlaceIsNoCopy)
{
    StationStore store(m_http, m_resolver, catalogAddress, m_scratch.path / "fifo");
    AnswerLog log {store.cacheFile()};
    for (const bool copyToo : {true, false}) {
        SCOPED_TRACE(copyToo ? "all three" : "beside a copy");
        for (const auto& file : {store.cacheFile(), store.originFile(), store.orderFile()}) {
            if (copyToo || file != store.cacheFile()) {
                std::filesystem::remove(file);
                ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
            }
        }
        log.answers.clear();
        log.loadReturned = false;
        log.load(store);
        ASSERT_TRUE(m_http.respond(HttpResponse {200, downloadedCatalog}));
        EXPECT_EQ(log.answers.size(), copyToo ? 1U : 2U) << "the copy answers first";
        EXPECT_EQ(log.answers.back().what, downloaded);
    }
}

// A server's validator that could break the origin's lines is not kept, and cannot add a line.
TEST_F(StationStoreTest, AnOriginKeepsOnlyValidatorsThatFitTheirLine)
{
    // "etag " and the value fill a line of 4096 bytes, the most a line is read with.
    const std::string longest(4096 - 5, 'e');
    struct Case {
        const char* name;
        std::string etag;
        std::string kept;
    };
    const std::vector<Case> cases {
        {"the longest that fits", longest, longest},
        {"a byte more", longest + "e", ""},
        {"a line break", "\"v1\"\nserver http://127.0.0.1:9", ""},
        {"a delete", "\"v1\"\x7f", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CatalogOrigin origin {"directory", std::nullopt, c.etag, "", {"http://127.0.0.1:8001"}};
        ASSERT_TRUE(origin.write(m_scratch.path / "origin"));
        const auto read = CatalogOrigin::read(m_scratch.path / "origin");
        ASSERT_TRUE(read);
        EXPECT_EQ(read->etag, c.kept);
        EXPECT_EQ(read->servers, origin.servers);
    }
}

// A start takes the display order kept beside the copy and compares no names; an order kept for
// another copy is left alone.
TEST_F(StationStoreTest, AStartTakesTheOrderKeptBesideTheCopy)
{
    const std::string tied = R"([{"name": "b", "url": "http://b"}, {"name": "a", "url": "http://a"},
        {"name": "C", "url": "http://c"}, {"stationuuid": "own:1", "url": "http://o"}])";
    StationStore store(m_http, m_resolver, catalogAddress, m_scratch.path / "order");
    const auto names = [&store] {
        std::string said;
        store.load([&said](StationsResult result) {
            for (const Station& station : std::get<std::vector<Station>>(result)) {
                said += station.displayName();
            }
        });
        return said;
    };
    writeFile(store.cacheFile(), tied);
    EXPECT_EQ(names(), "abC");
    const int descriptor = ::open(store.cacheFile().c_str(), O_RDONLY);
    const auto copy = identityOf(descriptor);
    ::close(descriptor);
    ASSERT_TRUE(copy && writeCachedOrder(store.orderFile(), *copy, userCollationLocale(), {2, 0, 1}));
    EXPECT_EQ(names(), "Cba") << "the kept order, taken as it is";
    writeFile(store.cacheFile(), tied);
    EXPECT_EQ(names(), "abC") << "a copy written anew is sorted again";
}

// Plays count at the directory server the list came from, and nowhere else.
TEST_F(StationStoreTest, APlayIsCountedAtTheDirectoryServerTheListCameFrom)
{
    const std::string server = "http://127.0.0.1:8002";
    const Station station = StationFields {.stationuuid = "9617a958-0601-11e8-ae97-52543be04c81", .name = "x"};
    struct Row {
        const char* name;
        CatalogSource source;
        std::string listFrom; // the origin's source
        Station started;
        std::vector<std::string> requested;
    };
    const std::vector<Row> rows {
        {"from the directory", {}, "directory", station, {server + "/json/url/9617a958-0601-11e8-ae97-52543be04c81"}},
        {"an id that is not a plain uuid is escaped", {}, "directory",
            StationFields {.stationuuid = "a/b?c d", .url = "http://x"}, {server + "/json/url/a%2Fb%3Fc%20d"}},
        {"a station without a uuid", {}, "directory", StationFields {.url = "http://x"}, {}},
        {"a list from a document", catalogAddress, stationsUrl, station, {}},
        {"a directory source with a list from elsewhere", {}, stationsUrl, station, {}},
    };
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const Row& row = rows[index];
        SCOPED_TRACE(row.name);
        FakeHttpClient http;
        StationStore store(http, m_resolver, row.source, m_scratch.path / ("plays" + std::to_string(index)));
        writeFile(store.cacheFile(), cachedCatalog);
        CatalogOrigin {row.listFrom, std::chrono::system_clock::now(), "", "", {server}}.write(store.originFile());
        store.load([](const StationsResult&) {});
        const auto before = http.requestedUrls().size();
        store.countPlay(row.started);
        const auto requested = http.requestedUrls();
        EXPECT_EQ(std::vector(requested.begin() + static_cast<std::ptrdiff_t>(before), requested.end()), row.requested);
    }
}

TEST_F(StationStoreTest, TheCacheFolderIsMadeAndClearedOfDeadWritersTemporaries)
{
    const auto folder = m_scratch.path / "data" / "PembaVello";
    StationStore created(m_http, m_resolver, catalogAddress, folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    const std::pair<std::string, bool> leftovers[] {{"stations.json.tmp.999999999.a1b2c3", false},
        {"stations.json.tmp.garbage", false}, {"stations.json.bak", true},
        // This process may be writing it right now.
        {"stations.json.tmp." + std::to_string(::getpid()) + ".d4e5f6", true}};
    for (const auto& [name, kept] : leftovers) {
        writeFile(folder / name, downloadedCatalog);
        StationStore again(m_http, m_resolver, catalogAddress, folder);
        EXPECT_EQ(std::filesystem::exists(folder / name), kept) << name;
        AnswerLog log {again.cacheFile()};
        EXPECT_TRUE(log.load(again).empty()) << "a temporary is never read";
        m_http.respond(Error {Text::verbatim(networkError)});
    }

    // The download goes to a temporary file beside the copy, which a rename replaces whole once
    // it decodes: a writer killed at any moment leaves one whole document.
    StationStore replacing(m_http, m_resolver, catalogAddress, m_scratch.path / "replacing");
    writeFile(replacing.cacheFile(), cachedCatalog);
    std::vector<LoadProgress> reported;
    replacing.load(
        [](const StationsResult&) {}, [&](LoadProgress figures) { reported.push_back(figures); }, Refresh::IfDue);
    m_http.lastRequest().onBody(std::string_view(downloadedCatalog).substr(0, 100));
    m_http.lastRequest().onProgress(100, std::nullopt);
    EXPECT_EQ(reported, (std::vector {LoadProgress {100, std::nullopt}})) << "the download's progress is passed on";
    EXPECT_EQ(readFile(replacing.cacheFile()), cachedCatalog);
    EXPECT_EQ(temporaryFilesIn(m_scratch.path / "replacing"), 1U);
    m_http.respond(HttpResponse {200, downloadedCatalog.substr(100)});
    EXPECT_EQ(readFile(replacing.cacheFile()), downloadedCatalog);

    // The disk fills up halfway through the download: the body goes on in memory, more than a
    // block and a part of it, and answers; read only once, one that is not a catalog is refused.
    std::string large = "[";
    for (int i = 0; i < 20'000; ++i) {
        large += R"({"stationuuid":"m", "url":"http://m.example/)" + std::to_string(i) + "\"},";
    }
    large.back() = ']';
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit fileSize {};
    ::getrlimit(RLIMIT_FSIZE, &fileSize);
    const rlimit unlimited = fileSize;
    for (const auto& [body, answer] : {std::pair<std::string_view, std::string> {large, "20000 stations"},
             {errorPage, "error:the catalog could not be read"}}) {
        StationStore filling(m_http, m_resolver, catalogAddress, m_scratch.path / "filling");
        AnswerLog fillingLog {filling.cacheFile()};
        EXPECT_TRUE(fillingLog.load(filling).empty());
        const auto onBody = m_http.lastRequest().onBody;
        onBody(body.substr(0, body.size() / 2));
        fileSize.rlim_cur = body.size() / 2;
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        onBody(body.substr(body.size() / 2));
        m_http.respond(HttpResponse {200, ""});
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        ASSERT_EQ(fillingLog.answers.size(), 1U);
        const std::string& said = fillingLog.answers[0].what;
        EXPECT_EQ(
            said.starts_with("error:") ? said : std::to_string(std::ranges::count(said, ' ')) + " stations", answer);
        EXPECT_EQ(temporaryFilesIn(m_scratch.path / "filling"), 0U);
    }
}

} // namespace
} // namespace Vello
