#include "catalog/catalogpublisher.h"
#include "catalog/publishedfolder.h"

#include "scratchfolder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/mount.h>
#include <sys/stat.h>

namespace Vello {
namespace {

// The text a gzip file holds when it is whole and holds at most `size` bytes.
std::optional<std::string> gunzipped(std::string gzip, std::size_t size)
{
    z_stream stream {};
    std::string text(size + 1, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(gzip.data());
    stream.avail_in = static_cast<uInt>(gzip.size());
    stream.next_out = reinterpret_cast<Bytef*>(text.data());
    stream.avail_out = static_cast<uInt>(text.size());
    const bool whole = inflateInit2(&stream, 15 + 16) == Z_OK && inflate(&stream, Z_FINISH) == Z_STREAM_END;
    text.resize(text.size() - stream.avail_out);
    inflateEnd(&stream);
    return whole ? std::optional(text) : std::nullopt;
}

std::string array(const std::vector<std::string>& objects)
{
    std::string document;
    for (const std::string& object : objects) {
        document += (document.empty() ? "[" : ",\n") + object;
    }
    return (document.empty() ? "[" : document) + "]\n";
}

// `count` stations, over a megabyte from 5000 on.
std::string stations(int count)
{
    std::vector<std::string> objects;
    objects.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        objects.push_back(R"({"stationuuid": "p)" + std::to_string(i) + R"(", "name": ")"
            + std::string(160, static_cast<char>('a' + i % 26)) + R"(", "url": "http://p.example/"})");
    }
    return array(objects);
}

// Spacing, escapes, nested values and key order must survive byte for byte.
const std::string first = R"({ "stationuuid" : "u1", "name": "Caf\u00e9 \"One\"", "url" : "http://one.example/",)"
                          R"( "geo": [1.5, {"x": null}], "lastcheckok": 1 })";
const std::string resolvedOnly = R"({"name": "No uuid", "url": null, "url_resolved": "http://two.example/"})";
const std::string unplayable = R"({"stationuuid": "u3", "url": "  ", "url_resolved": "", "lastcheckok": 1})";
const std::string broken = R"({"stationuuid": "u4", "url": "http://four.example/", "lastcheckok": 0})";
const std::string brokenFlag = R"({"stationuuid": "u5", "url": "http://five.example/", "lastcheckok": false})";
const std::string repeated = R"({"stationuuid": "u1", "name": "One again", "url": "http://one.example/2"})";
// Its first copy was left out as broken, so this one is the first kept.
const std::string repairedCopy = R"({"stationuuid": "u4", "url": "http://four.example/", "lastcheckok": 1})";
const std::string checkedTwice = R"({"stationuuid": "u6", "url": "http://six.example/", "lastcheckok": 0,)"
                                 R"( "lastcheckok": 1, "lastchecktime": 0})";
const std::string oddCheck = R"({"stationuuid": "u7", "url": "http://seven.example/", "lastcheckok": "0"})";
const std::string noUuid = R"({"name": "Also no uuid", "url": "http://eight.example/", "lastcheckok": true})";

// A publish run over a folder that may hold an earlier document: what it keeps, and what it
// refuses, leaving the folder as it was.
TEST(CatalogPublisher, PublishesWhatThePlayerKeepsAndRefusesWhatWouldHarmIt)
{
    struct Case {
        const char* name;
        std::string answer;
        std::optional<std::string> published {};
        bool force = false;
        std::string publishes {};
        std::array<std::size_t, 3> dropped {}; // unplayable, broken, repeated
        std::string refusal {};
    };
    const Case cases[] = {
        {"keeps what plays once, in order",
            "\xEF\xBB\xBF \n[" + first + ",\n  " + resolvedOnly + "," + unplayable + " , " + broken + "," + brokenFlag
                + "," + repeated + "," + repairedCopy + "," + checkedTwice + "," + oddCheck + "," + noUuid + "]  \n",
            std::nullopt, false, array({first, resolvedOnly, repairedCopy, checkedTwice, oddCheck, noUuid}), {1, 2, 1}},
        {"an answer the player refuses whole", R"([{"stationuuid": "v", "url": "http://v/", "votes": "many"}])",
            stations(5), true, {}, {}, "station 1: \"votes\" must be an integer or null"},
        {"a key the player cannot read, deep in a skipped value", R"([{"url": "http://v/", "x": [{"\q": 1}]}])",
            std::nullopt, false, {}, {}, "station 1, in \"x\": a string holds an invalid escape sequence"},
        {"nothing playable", "[" + unplayable + "]", std::nullopt, false, {}, {1, 0, 0}, "no playable station"},
        {"shrinks below the share", stations(3), stations(4), false, {}, {}, "fewer than 80 % of the 4"},
        {"shrinks below the share, forced", stations(3), stations(4), true, stations(3)},
        {"shrinks to the share exactly", stations(4), stations(5), false, stations(4)},
        {"the last document does not decode", stations(1), "[{", false, stations(1)},
        {"over a megabyte, compressed a piece at a time", stations(6000), std::nullopt, false, stations(6000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const auto file = folder.path / publishedFileName;
        const auto gzipFile = folder.path / publishedGzipFileName;
        if (c.published) {
            writeFile(file, *c.published);
            writeFile(gzipFile, *c.published); // not gzip: only that it stays matters
        }
        const auto filtered = filterCatalog(c.answer);
        const auto* catalog = std::get_if<FilteredCatalog>(&filtered);
        if (catalog != nullptr) {
            EXPECT_EQ((std::array {catalog->unplayable, catalog->broken, catalog->repeated}), c.dropped);
        }
        const auto result = catalog != nullptr ? publishCatalog(*catalog, folder.path, PublishRules {.force = c.force})
                                               : Result<Publication>(std::get<Error>(filtered));
        if (!c.refusal.empty()) {
            const auto* failure = std::get_if<Error>(&result);
            ASSERT_NE(failure, nullptr);
            EXPECT_NE(failure->description.english().find(c.refusal), std::string::npos)
                << failure->description.english();
            EXPECT_EQ(readFile(file), c.published);
            EXPECT_EQ(readFile(gzipFile), c.published);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), c.published ? 2 : 0);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Publication>(result)) << std::get<Error>(result).description.english();
        const auto json = readFile(file);
        const auto gzip = readFile(gzipFile);
        ASSERT_TRUE(json && gzip);
        EXPECT_EQ(*json, c.publishes);
        for (const auto& served : {file, gzipFile}) {
            const auto readers = std::filesystem::status(served).permissions() & std::filesystem::perms::others_read;
            EXPECT_NE(readers, std::filesystem::perms::none) << "a web server could not read " << served;
        }
        EXPECT_EQ(gunzipped(*gzip, json->size()), json);
        // No time stamp, no file name: the flags byte and the four bytes of the time are zero.
        EXPECT_EQ(gzip->substr(3, 5), std::string(5, '\0'));
    }
}

// A document is read whole up to its limit; anything but a regular file is refused at once.
TEST(CatalogPublisher, ReadsADocumentOfAtMostItsLimit)
{
    ScratchFolder folder;
    writeFile(folder.path / "file", "[{}]");
    ASSERT_EQ(::mkfifo((folder.path / "fifo").c_str(), 0600), 0);
    struct Case {
        const char* name;
        const char* file;
        std::size_t maxBytes;
        std::string read;
    };
    const std::vector<Case> cases {
        {"exactly the limit", "file", 4, "[{}]"},
        {"a byte over", "file", 3, "larger than"},
        {"a FIFO", "fifo", 4, "not a regular file"},
        {"a folder", ".", 4, "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto document = readCatalogDocument(folder.path / c.file, c.maxBytes);
        const auto* failure = std::get_if<Error>(&document);
        const std::string said = failure != nullptr ? failure->description.english() : std::get<std::string>(document);
        EXPECT_NE(said.find(c.read), std::string::npos) << said;
    }
}

// A gzip copy that does not hold exactly the document beside it is made again from the document.
TEST(CatalogPublisher, RepairMakesTheGzipCopyHoldTheDocumentAgain)
{
    ScratchFolder folder;
    std::string other = stations(2);
    other.replace(other.find('b'), 1, "c");
    for (const auto& [document, into] : {std::pair {stations(2), "same"}, {other, "other"}}) {
        const auto catalog = std::get<FilteredCatalog>(filterCatalog(document));
        std::filesystem::create_directory(folder.path / into);
        ASSERT_TRUE(std::holds_alternative<Publication>(publishCatalog(catalog, folder.path / into, {})));
    }
    const auto file = folder.path / "same" / publishedFileName;
    const auto gzipFile = folder.path / "same" / publishedGzipFileName;
    const std::string gzip = readFile(gzipFile).value_or("");
    struct Case {
        const char* name;
        std::optional<std::string> copy;
        std::string said;
    };
    const std::vector<Case> cases {
        {"the copy agrees", gzip, ""},
        {"another document of the same length", readFile(folder.path / "other" / publishedGzipFileName),
            "disagreed with"},
        {"more after the gzip stream", gzip + gzip, "disagreed with"},
        {"cut short", gzip.substr(0, gzip.size() - 1), "disagreed with"},
        {"no copy", std::nullopt, "was missing beside"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(gzipFile);
        if (c.copy) {
            writeFile(gzipFile, *c.copy);
        }
        const auto said = repairPublishedPair(folder.path / "same");
        EXPECT_EQ(said.has_value(), !c.said.empty());
        EXPECT_NE(said.value_or("").find(c.said), std::string::npos) << said.value_or("");
        EXPECT_EQ(readFile(gzipFile), gzip);
    }
}

// Each day's catalog a little smaller than the last: the largest of the week stops the slide,
// and a forced one starts the week afresh.
TEST(CatalogPublisher, ComparesWithTheLargestOfTheLastWeekToo)
{
    struct Step {
        int day;
        int stations;
        bool force;
        bool publishes;
    };
    const Step steps[] = {{0, 100, false, true}, {1, 82, false, true}, {2, 67, false, false}, {8, 67, false, true},
        {9, 40, true, true}, {10, 35, false, true}};
    ScratchFolder folder;
    const auto start = std::chrono::system_clock::time_point(std::chrono::seconds(1'800'000'000));
    for (const Step& step : steps) {
        SCOPED_TRACE(step.day);
        const auto catalog = std::get<FilteredCatalog>(filterCatalog(stations(step.stations)));
        const auto result
            = publishCatalog(catalog, folder.path, {.force = step.force}, start + std::chrono::days(step.day));
        EXPECT_EQ(std::holds_alternative<Publication>(result), step.publishes);
    }
}

// The disk fills up while a larger catalog is written: its gzip copy would still fit, the
// document not. The pair stays the last one published, whole, with nothing left beside it.
TEST(CatalogPublisher, AFullDiskLeavesThePublishedPairAsItWas)
{
    ScratchFolder scratch;
    if (::mount("tmpfs", scratch.path.c_str(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (" << std::strerror(errno) << "); it takes root";
    }
    const std::shared_ptr<void> unmount(nullptr, [&](void*) { ::umount2(scratch.path.c_str(), MNT_DETACH); });
    const auto file = scratch.path / publishedFileName;
    const auto gzipFile = scratch.path / publishedGzipFileName;
    ASSERT_TRUE(std::holds_alternative<Publication>(
        publishCatalog(std::get<FilteredCatalog>(filterCatalog(stations(10))), scratch.path, {})));
    const auto json = readFile(file);
    const auto gzip = readFile(gzipFile);
    const auto grown = publishCatalog(std::get<FilteredCatalog>(filterCatalog(stations(6000))), scratch.path, {});
    ASSERT_TRUE(std::holds_alternative<Error>(grown));
    EXPECT_NE(std::get<Error>(grown).description.english().find("nothing was published"), std::string::npos);
    EXPECT_TRUE(readFile(file) == json && readFile(gzipFile) == gzip) << "the pair changed";
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path)) {
        EXPECT_EQ(entry.path().string().find(".tmp."), std::string::npos) << entry.path();
    }
}

} // namespace
} // namespace Vello
