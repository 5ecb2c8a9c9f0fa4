#include "strictcatalogreader.h"

#include "catalogdecoder.h"
#include "documentbuffer.h"
#include "jsonnumber.h"
#include "stationkeys.h"

#include <simdjson.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace Vello {

namespace {

namespace json = simdjson::ondemand;

Text typeName(json::json_type type)
{
    switch (type) {
    case json::json_type::array:
        return VELLO_TR("Core", "an array");
    case json::json_type::object:
        return VELLO_TR("Core", "an object");
    case json::json_type::number:
        return VELLO_TR("Core", "a number");
    case json::json_type::string:
        return VELLO_TR("Core", "a string");
    case json::json_type::boolean:
        return VELLO_TR("Core", "a boolean");
    case json::json_type::null:
        return Text::verbatim("null");
    }
    return VELLO_TR("Core", "an unknown value");
}

Text reasonFor(simdjson::error_code error)
{
    switch (error) {
    case simdjson::EMPTY:
        return VELLO_TR("Core", "the catalog is empty");
    case simdjson::UTF8_ERROR:
        return VELLO_TR("Core", "the catalog is not valid UTF-8 text");
    case simdjson::UNCLOSED_STRING:
        return VELLO_TR("Core", "a string is never closed; the catalog may be cut off");
    case simdjson::INCOMPLETE_ARRAY_OR_OBJECT:
        return VELLO_TR("Core", "the catalog ends before its arrays and objects are closed; it may be cut off");
    case simdjson::TAPE_ERROR:
        return VELLO_TR("Core", "the JSON is malformed (a misplaced comma, bracket, brace or colon)");
    case simdjson::STRING_ERROR:
        return VELLO_TR("Core", "a string holds an invalid escape sequence");
    case simdjson::UNESCAPED_CHARS:
        return VELLO_TR("Core", "a string holds an unescaped control character such as a tab or a line break");
    case simdjson::NUMBER_ERROR:
        return VELLO_TR("Core", "a number is malformed");
    case simdjson::T_ATOM_ERROR:
    case simdjson::F_ATOM_ERROR:
    case simdjson::N_ATOM_ERROR:
        return VELLO_TR("Core", "a true, false or null is misspelt");
    case simdjson::CAPACITY:
    case simdjson::MEMALLOC:
        return VELLO_TR("Core", "the catalog is too large to decode");
    case simdjson::DEPTH_ERROR:
        return VELLO_TR("Core", "arrays and objects nest too deeply");
    default:
        return {VELLO_TR("Core", "the JSON is malformed (%1)"), {Text::verbatim(simdjson::error_message(error))}};
    }
}

// A token quoted in an error, cut short (on a character boundary) when it is long.
Text quoted(std::string_view token)
{
    while (!token.empty()
        && (token.back() == ' ' || token.back() == '\t' || token.back() == '\n' || token.back() == '\r')) {
        token.remove_suffix(1);
    }
    constexpr std::size_t longest = 40;
    if (token.size() <= longest) {
        return Text::verbatim(std::string(token));
    }
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(token[cut]) & 0xC0U) == 0x80U) {
        --cut;
    }
    return Text::verbatim(std::string(token.substr(0, cut)) + "\u2026");
}

class Reading final {
public:
    // The stations' texts are written into `arena`.
    explicit Reading(StationTextArena& arena)
        : m_arena(arena)
    {
    }

    // `document` is followed by at least DocumentBuffer::padding readable bytes. Appends its
    // stations to `stations`; on failure `failure()` says why.
    bool read(std::string_view document, json::parser& parser, std::vector<Station>& stations);
    [[nodiscard]] Text& failure() { return m_failure; }

private:
    bool readStation(json::value element, std::vector<Station>& stations);
    bool readText(json::value value, std::optional<std::string_view>& field);
    bool readHomepage(json::value value, std::optional<std::string_view>& field);
    bool readCount(json::value value, std::optional<std::int64_t>& field);
    bool checkValue(json::value value, int depth);
    bool readString(json::value value, std::string_view& text);
    bool readKey(json::field& field, std::string_view& key);

    // "station 3: \"votes\" must be ...": the value of the current key is of the wrong kind.
    bool failValue(Text reason);
    // "station 3 must be ...": the element itself is of the wrong kind.
    bool failStation(Text reason);
    // "station 3, in \"homepage\": ...": the JSON text itself is wrong where reading stopped.
    bool failSyntax(Text reason);
    bool failSyntax(simdjson::error_code error) { return failSyntax(reasonFor(error)); }

    StationTextArena& m_arena;
    const char* m_end = nullptr;
    std::size_t m_station = 0;
    std::string_view m_key;
    Text m_failure;
};

bool Reading::failValue(Text reason)
{
    m_failure = {VELLO_TR("Core", "station %1: \"%2\" %3"),
        {Text::number(static_cast<std::int64_t>(m_station)), quoted(m_key), std::move(reason)}};
    return false;
}

bool Reading::failStation(Text reason)
{
    m_failure
        = {VELLO_TR("Core", "station %1 %2"), {Text::number(static_cast<std::int64_t>(m_station)), std::move(reason)}};
    return false;
}

bool Reading::failSyntax(Text reason)
{
    const auto station = Text::number(static_cast<std::int64_t>(m_station));
    if (m_station == 0) {
        m_failure = std::move(reason);
    } else if (m_key.empty()) {
        m_failure = {VELLO_TR("Core", "station %1: %2"), {station, std::move(reason)}};
    } else {
        m_failure = {VELLO_TR("Core", "station %1, in \"%2\": %3"), {station, quoted(m_key), std::move(reason)}};
    }
    return false;
}

bool Reading::read(std::string_view document, json::parser& parser, std::vector<Station>& stations)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (document.substr(0, byteOrderMark.size()) == byteOrderMark) {
        document.remove_prefix(byteOrderMark.size());
    }
    const std::size_t first = document.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        m_failure = reasonFor(simdjson::EMPTY);
        return false;
    }
    if (document[first] == '<') {
        m_failure = VELLO_TR("Core", "the catalog is a web page or XML, not JSON");
        return false;
    }

    m_end = document.data() + document.size();
    json::document root;
    json::json_type rootType {};
    if (const auto error
        = parser.iterate(document.data(), document.size(), document.size() + DocumentBuffer::padding).get(root);
        error != simdjson::SUCCESS) {
        m_failure = reasonFor(error);
        return false;
    }
    if (const auto error = root.type().get(rootType); error != simdjson::SUCCESS) {
        m_failure = reasonFor(error);
        return false;
    }
    if (rootType != json::json_type::array) {
        m_failure = {VELLO_TR("Core", "the catalog must be a JSON array of stations, found %1"), {typeName(rootType)}};
        return false;
    }
    json::array elements;
    if (const auto error = root.get_array().get(elements); error != simdjson::SUCCESS) {
        m_failure = reasonFor(error);
        return false;
    }

    for (auto element : elements) {
        ++m_station;
        m_key = {};
        json::value value;
        if (const auto error = element.get(value); error != simdjson::SUCCESS) {
            return failSyntax(error);
        }
        if (!readStation(value, stations)) {
            return false;
        }
    }
    m_station = 0;
    const char* rest = nullptr;
    if (root.current_location().get(rest) != simdjson::OUT_OF_BOUNDS) {
        m_failure = VELLO_TR("Core", "the catalog has more text after the end of its array");
        return false;
    }
    return true;
}

// The texts are views into the document and the parser's buffers, which outlive the station's
// object; they are copied once, into the station, when the object is complete.
bool Reading::readStation(json::value element, std::vector<Station>& stations)
{
    json::json_type type {};
    if (const auto error = element.type().get(type); error != simdjson::SUCCESS) {
        return failSyntax(error);
    }
    if (type != json::json_type::object) {
        return failStation({VELLO_TR("Core", "must be an object, found %1"), {typeName(type)}});
    }
    json::object object;
    if (const auto error = element.get_object().get(object); error != simdjson::SUCCESS) {
        return failSyntax(error);
    }
    Station::Texts texts;
    Station::Counts counts;
    for (auto entry : object) {
        json::field field;
        if (const auto error = std::move(entry).get(field); error != simdjson::SUCCESS) {
            return failSyntax(error);
        }
        if (!readKey(field, m_key)) {
            return false;
        }
        bool fine = false;
        const StationKey key = stationKey(m_key);
        switch (key.kind) {
        case StationKey::Kind::text:
            fine = readText(field.value(), texts[key.field]);
            break;
        case StationKey::Kind::count:
            fine = readCount(field.value(), counts[key.field]);
            break;
        case StationKey::Kind::homepage:
            fine = readHomepage(field.value(), texts[key.field]);
            break;
        case StationKey::Kind::other:
            fine = checkValue(field.value(), 3);
            break;
        }
        if (!fine) {
            return false;
        }
    }
    m_key = {};
    stations.emplace_back(texts, counts, &m_arena);
    return true;
}

bool Reading::readText(json::value value, std::optional<std::string_view>& field)
{
    json::json_type type {};
    if (const auto error = value.type().get(type); error != simdjson::SUCCESS) {
        return failSyntax(error);
    }
    if (type == json::json_type::string) {
        std::string_view text;
        if (!readString(value, text)) {
            return false;
        }
        field = text;
        return true;
    }
    if (type == json::json_type::null) {
        field.reset();
        return checkValue(value, 3);
    }
    return failValue({VELLO_TR("Core", "must be a string or null, found %1"), {typeName(type)}});
}

// A homepage that is not a string is checked as an unknown key's value would be and left absent:
// catalogs carry odd ones, and none may cost the station.
bool Reading::readHomepage(json::value value, std::optional<std::string_view>& field)
{
    json::json_type type {};
    if (value.type().get(type) == simdjson::SUCCESS && type == json::json_type::string) {
        return readText(value, field);
    }
    field.reset();
    return checkValue(value, 3);
}

bool Reading::readCount(json::value value, std::optional<std::int64_t>& field)
{
    json::json_type type {};
    if (const auto error = value.type().get(type); error != simdjson::SUCCESS) {
        return failSyntax(error);
    }
    if (type == json::json_type::null) {
        field.reset();
        return checkValue(value, 3);
    }
    if (type != json::json_type::number) {
        return failValue({VELLO_TR("Core", "must be an integer or null, found %1"), {typeName(type)}});
    }
    std::int64_t count = 0;
    if (value.get_int64().get(count) == simdjson::SUCCESS) {
        field = count;
        return true;
    }
    // Not a plain integer that fits: a fraction, an exponent, a huge value or a malformed token.
    const std::string_view token = value.raw_json_token();
    const NumberReading reading = readJsonNumber(token);
    switch (reading.kind) {
    case NumberKind::whole:
        field = reading.value;
        return true;
    case NumberKind::fraction:
        return failValue({VELLO_TR("Core", "must be a whole number, found %1"), {quoted(token)}});
    case NumberKind::outOfRange:
        return failValue({VELLO_TR("Core", "must fit in a signed 64-bit integer, found %1"), {quoted(token)}});
    case NumberKind::malformed:
        break;
    }
    return failValue({VELLO_TR("Core", "holds a malformed number: %1"), {quoted(token)}});
}

// Most strings hold no escapes: their text is taken straight from the document, which the
// parser has already checked for valid UTF-8 and unescaped control characters. Unescaping
// everything would write the whole document once more into fresh memory.
bool Reading::readString(json::value value, std::string_view& text)
{
    std::string_view token = value.raw_json_token();
    while (!token.empty() && token.back() != '"') {
        token.remove_suffix(1);
    }
    if (token.size() >= 2 && token.front() == '"') {
        token = token.substr(1, token.size() - 2);
        if (token.find('\\') == std::string_view::npos) {
            text = token;
            return true;
        }
    }
    const auto error = value.get_string().get(text);
    return error == simdjson::SUCCESS || failSyntax(error);
}

// Keys are nearly always plain: read them in place, unescaping only those with escapes.
bool Reading::readKey(json::field& field, std::string_view& key)
{
    const char* begin = field.key().raw();
    const auto* end = static_cast<const char*>(std::memchr(begin, '"', static_cast<std::size_t>(m_end - begin)));
    if (end != nullptr) {
        key = std::string_view(begin, static_cast<std::size_t>(end - begin));
        if (key.find('\\') == std::string_view::npos) {
            return true;
        }
    }
    key = {};
    const auto error = field.unescaped_key().get(key);
    return error == simdjson::SUCCESS || failSyntax(error);
}

bool Reading::checkValue(json::value value, int depth)
{
    json::json_type type {};
    if (const auto error = value.type().get(type); error != simdjson::SUCCESS) {
        return failSyntax(error);
    }
    switch (type) {
    case json::json_type::array: {
        if (depth > maxNesting) {
            return failSyntax(
                {VELLO_TR("Core", "arrays and objects nest more than %1 levels deep"), {Text::number(maxNesting)}});
        }
        json::array array;
        if (const auto error = value.get_array().get(array); error != simdjson::SUCCESS) {
            return failSyntax(error);
        }
        for (auto item : array) {
            json::value inner;
            if (const auto error = item.get(inner); error != simdjson::SUCCESS) {
                return failSyntax(error);
            }
            if (!checkValue(inner, depth + 1)) {
                return false;
            }
        }
        return true;
    }
    case json::json_type::object: {
        if (depth > maxNesting) {
            return failSyntax(
                {VELLO_TR("Core", "arrays and objects nest more than %1 levels deep"), {Text::number(maxNesting)}});
        }
        json::object object;
        if (const auto error = value.get_object().get(object); error != simdjson::SUCCESS) {
            return failSyntax(error);
        }
        for (auto entry : object) {
            json::field field;
            std::string_view ignoredKey;
            if (const auto error = std::move(entry).get(field); error != simdjson::SUCCESS) {
                return failSyntax(error);
            }
            if (!readKey(field, ignoredKey)) {
                return false;
            }
            if (!checkValue(field.value(), depth + 1)) {
                return false;
            }
        }
        return true;
    }
    case json::json_type::string: {
        std::string_view ignored;
        return readString(value, ignored);
    }
    case json::json_type::number:
        return isJsonNumber(value.raw_json_token()) || failSyntax(simdjson::NUMBER_ERROR);
    case json::json_type::boolean: {
        bool ignored = false;
        const auto error = value.get_bool().get(ignored);
        return error == simdjson::SUCCESS || failSyntax(error);
    }
    case json::json_type::null: {
        bool isNull = false;
        const auto error = value.is_null().get(isNull);
        if (error != simdjson::SUCCESS) {
            return failSyntax(error);
        }
        return isNull || failSyntax(simdjson::N_ATOM_ERROR);
    }
    }
    return failSyntax(simdjson::TAPE_ERROR);
}

} // namespace

struct StrictCatalogReader::Parser {
    json::parser parser;
};

StrictCatalogReader::StrictCatalogReader() = default;
StrictCatalogReader::~StrictCatalogReader() = default;
StrictCatalogReader::StrictCatalogReader(StrictCatalogReader&& other) noexcept = default;
StrictCatalogReader& StrictCatalogReader::operator=(StrictCatalogReader&& other) noexcept = default;

std::optional<Text> StrictCatalogReader::read(
    std::string_view document, StationTextArena& arena, std::vector<Station>& stations)
{
    if (!m_parser) {
        m_parser = std::make_unique<Parser>();
    }
    Reading reading(arena);
    if (!reading.read(document, m_parser->parser, stations)) {
        return std::move(reading.failure());
    }
    return std::nullopt;
}

} // namespace Vello
