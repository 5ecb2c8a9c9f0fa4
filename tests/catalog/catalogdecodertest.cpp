#include "catalog/catalogdecoder.h"
#include "catalog/documentbuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vello {
namespace {

std::vector<Station> decoded(std::string_view document)
{
    auto result = decodeCatalog(document);
    if (const auto* error = std::get_if<Error>(&result)) {
        ADD_FAILURE() << "unexpected error: " << error->description.english() << "\n" << document;
        return {};
    }
    return std::get<std::vector<Station>>(std::move(result));
}

std::string failure(std::string_view document)
{
    const auto result = decodeCatalog(document);
    if (const auto* error = std::get_if<Error>(&result)) {
        return error->description.english();
    }
    ADD_FAILURE() << "decoded a document that should fail:\n" << document;
    return {};
}

std::string oneStation(std::string_view members)
{
    return "[{\"name\":\"ok\"},{" + std::string(members) + "}]";
}

TEST(CatalogDecoder, KeepsEveryFieldAsWrittenInDocumentOrder)
{
    const std::string document = R"( [
      {"changeuuid": "c1", "stationuuid": "u1", "name": "  Caf\u00e9 \"Jazz\"\u001b\u202e \ud83c\udfb5\n",
       "url": "http://a", "url_resolved": "", "homepage": "https://home", "favicon": "null",
       "country": "France", "state": null, "language": "   ", "tags": "jazz,,blues",
       "votes": 12, "clickcount": -3, "geo_lat": 48.85, "geo_long": -2.35e-1, "hls": 0,
       "lastcheckok": true, "ssl_error": false, "extra": {"a": [1, {"b": null}, "\u0000"], "c": []},
       "countrycode": "FR", "languagecodes": "fr,oc", "codec": "MP3", "bitrate": 128,
       "lastcheckoktime": "2026-01-02 03:04:05", "lastchangetime": "2025-12-31 23:59:59"},
      {},
      {"name": null, "votes": null, "clickcount": null, "stationuuid": ""},
      {"stationuuid": "u1"},
      {"stationuuid": "u1"}
    ] )";
    const auto stations = decoded(document);
    ASSERT_EQ(stations.size(), 5U);
    // In the order of StationFields.
    const Station expected = StationFields {"u1", "  Caf\u00e9 \"Jazz\" \U0001F3B5 ", "http://a", "", "null", "France",
        std::nullopt, "   ", "jazz,,blues", 12, -3, "https://home", "FR", "fr,oc", "MP3", 128, "2026-01-02 03:04:05",
        "c1", "2025-12-31 23:59:59"};
    EXPECT_EQ(stations[0], expected);
    // Stored bytes, not just equivalent text: the name without what would act where it is printed.
    EXPECT_EQ(*stations[0].name(), "  Caf\u00e9 \"Jazz\" \U0001F3B5 ");
    EXPECT_EQ(stations[1], Station {});
    EXPECT_EQ(stations[1].id(), "Unnamed station");
    EXPECT_EQ(stations[2], StationFields {.stationuuid = ""});
    EXPECT_EQ(stations[2].id(), "");
    EXPECT_EQ(stations[3], stations[4]);
    // A count written as a fraction has the document read value by value, to the same stations.
    std::string fraction = document;
    fraction.replace(fraction.find("\"votes\": 12"), 11, "\"votes\": 1.2e1");
    EXPECT_EQ(decoded(fraction), stations);

    EXPECT_TRUE(decoded(" \r\n\t[ ] \n").empty());
    EXPECT_EQ(decoded("\xEF\xBB\xBF[{\"name\":\"bom\"}]").at(0).name(), "bom");
    // Keys are matched exactly, after unescaping; the last of two equal keys wins.
    const auto keys = decoded(R"([{"Name": "x", "NAME": 1, "n\u0061me": "escaped"},
                                 {"name": "first", "name": "second", "votes": 1, "votes": null}])");
    ASSERT_EQ(keys.size(), 2U);
    EXPECT_EQ(keys[0], StationFields {.name = "escaped"});
    EXPECT_EQ(keys[1], StationFields {.name = "second"});

    // A homepage that is not a string is left out, never refused; the last one still wins.
    for (const std::string homepage :
        {"null", "12", "-1.5e400", "true", "[]", R"({"a": [1, "é"]})", R"("https://a", "homepage": 0)"}) {
        EXPECT_EQ(decoded(R"([{"name": "x", "homepage": )" + homepage + "}]"),
            (std::vector<Station> {StationFields {.name = "x"}}))
            << homepage;
    }
    EXPECT_EQ(decoded(R"([{"homepage": 0, "homepage": " h "}])").at(0).homepage(), " h ");
}

TEST(CatalogDecoder, RefusesBadDocumentsWithAnExactMessage)
{
    struct Case {
        std::string document;
        std::string message;
    };
    const Case cases[] {
        {oneStation(R"("votes": 12.5)"), R"(station 2: "votes" must be a whole number, found 12.5)"},
        {oneStation(R"("clickcount": 1e-1)"), R"(station 2: "clickcount" must be a whole number, found 1e-1)"},
        {oneStation(R"("votes": 1.0000000000000000001)"),
            R"(station 2: "votes" must be a whole number, found 1.0000000000000000001)"},
        {oneStation(R"("votes": "12")"), R"(station 2: "votes" must be an integer or null, found a string)"},
        {oneStation(R"("votes": 123456789012345678901234567890123456789012345678901234567890)"),
            "station 2: \"votes\" must fit in a signed 64-bit integer, found "
            "1234567890123456789012345678901234567890\u2026"},
        {oneStation(R"("clickcount": 01)"), R"(station 2: "clickcount" holds a malformed number: 01)"},
        {oneStation(R"("clickcount": true)"), R"(station 2: "clickcount" must be an integer or null, found a boolean)"},
        {oneStation(R"("url_resolved": {})"), R"(station 2: "url_resolved" must be a string or null, found an object)"},
        {oneStation(R"("bitrate": "128")"), R"(station 2: "bitrate" must be an integer or null, found a string)"},
        {oneStation(R"("lastcheckoktime": 1700000000)"),
            R"(station 2: "lastcheckoktime" must be a string or null, found a number)"},
        {"[{}, 5]", "station 2 must be an object, found a number"},
        {"[null]", "station 1 must be an object, found null"},
        {"[[]]", "station 1 must be an object, found an array"},
        {R"({"stations": [{"name": "x"}]})", "the catalog must be a JSON array of stations, found an object"},
        {R"("[]")", "the catalog must be a JSON array of stations, found a string"},
        {"}", "the JSON is malformed (a misplaced comma, bracket, brace or colon)"},
        {"", "the catalog is empty"},
        {"<!DOCTYPE html>\n<html><body>502 Bad Gateway</body></html>", "the catalog is a web page or XML, not JSON"},
        {"[{\"name\": \"Caf\xe9\"}]", "the catalog is not valid UTF-8 text"},
        {R"([{"name": "a"}, {"name": "b)", "a string is never closed; the catalog may be cut off"},
        {oneStation("\"x\": \"a\tb\""), "a string holds an unescaped control character such as a tab or a line break"},
        {oneStation(R"("homepage": "ok", "x": [1, "\u12")"),
            R"(station 2, in "x": a string holds an invalid escape sequence)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        EXPECT_EQ(failure(c.document), c.message);
    }
}

TEST(CatalogDecoder, RefusesMalformedText)
{
    // Cut off at various points.
    const std::string whole = R"([{"name": "a", "votes": 1}, {"name": "b", "tags": "x"}])";
    for (std::size_t length = 1; length < whole.size(); ++length) {
        EXPECT_FALSE(failure(whole.substr(0, length)).empty()) << whole.substr(0, length);
    }
    EXPECT_NE(failure(R"([{"name": "a"}, {"name": "b")").find("cut off"), std::string::npos);

    for (const std::string after : {"[] []", "[{}]]", "[{}] x"}) {
        EXPECT_FALSE(failure(after).empty()) << "text after the array: " << after;
    }

    // Skipped values must be well-formed too.
    for (const std::string members :
        {R"("homepage": [1,,2])", R"("x": nul)", R"("x": tru)", R"("x": 01)", R"("x": "\q")", R"("x": 1.)", R"("x" 1)",
            R"("x": 1,)", R"("x": {"a" "b"})", R"("x": -)", R"("name": "\x41")", R"("name": nul)", R"("homepage": nul)",
            R"("name": "\ud800")", R"("name": "\udc00\ud800x")"}) {
        const std::string message = failure(oneStation(members));
        EXPECT_EQ(message.rfind("station 2", 0), 0U) << members << " -> " << message;
    }
}

TEST(CatalogDecoder, LimitsNestingUnderIgnoredKeys)
{
    // The array and the station object take the first two levels.
    const auto nested = [](int levels) {
        return R"([{"name": "deep", "extra": )" + std::string(static_cast<std::size_t>(levels), '[')
            + std::string(static_cast<std::size_t>(levels), ']') + "}]";
    };
    EXPECT_EQ(decoded(nested(maxNesting - 2)).size(), 1U);
    const std::string expected
        = "station 1, in \"extra\": arrays and objects nest more than " + std::to_string(maxNesting) + " levels deep";
    EXPECT_EQ(failure(nested(maxNesting - 1)), expected);
    EXPECT_EQ(failure(nested(100000)), expected);

    std::string objects = R"([{"extra": )";
    for (int level = 0; level < 100000; ++level) {
        objects += R"({"a": )";
    }
    objects += "1" + std::string(100000, '}') + "}]";
    EXPECT_EQ(failure(objects), expected);
}

// The bytes past a document's end, left by an earlier document or lying in the buffer it was
// read into, are never read.
TEST(CatalogDecoder, ReadsNothingPastADocumentsEnd)
{
    CatalogDecoder decoder;
    auto first = decoder.decode(R"([{"name": "abc"}, {"name": "def"}, {"name": "ghi"}] )");
    ASSERT_EQ(std::get<std::vector<Station>>(first).size(), 3U);
    EXPECT_TRUE(std::holds_alternative<Error>(decoder.decode(R"([{"name": "abc"})")));
    EXPECT_EQ(decoder.decode(R"([{"name": "x"}])"),
        Result<std::vector<Station>>(std::vector<Station> {StationFields {.name = "x"}}));
    // Stations outlive the decoder's next document.
    EXPECT_EQ(decoder.decode("[]"), Result<std::vector<Station>>(std::vector<Station> {}));
    EXPECT_EQ(std::get<std::vector<Station>>(first)[2].name(), "ghi");

    for (const std::string& document : {std::string(R"([{"name": "a", "votes": 2}, {}])"),
             std::string("\xEF\xBB\xBF[]"), std::string(R"([{"name": "a")"), std::string(R"([{"name": "a"}] [)")}) {
        DocumentBuffer buffer(document.size() + 8);
        ASSERT_FALSE(buffer.empty());
        std::fill(buffer.data(), buffer.data() + buffer.capacity(), ']');
        std::copy(document.begin(), document.end(), buffer.data());
        buffer.setSize(document.size());
        EXPECT_EQ(decodeCatalog(buffer), decodeCatalog(document)) << document;
    }
}

} // namespace
} // namespace Vello
