#include "syntheticcatalog.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace Vello {

namespace {

// SplitMix64: tiny, and the same sequence on every platform and standard library.
class Random final {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }
    // A whole number in [0, bound).
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }
    // True with the given chance in percent.
    bool percent(unsigned chance) { return below(100) < chance; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items)
    {
        return items[static_cast<std::size_t>(below(N))];
    }

private:
    std::uint64_t m_state;
};

constexpr std::array<std::string_view, 40> nameWords {"Radio", "FM", "Jazz", "Classic", "Hits", "Rock", "Lounge",
    "Caf\u00e9", "M\u00fasica", "Sound", "Wave", "Deep", "Chill", "News", "Sport", "1", "24", "101.5", "Top 40",
    "\u0420\u0430\u0434\u0438\u043e", "\u0415\u0432\u0440\u043e\u043f\u0430 \u041f\u043b\u044e\u0441",
    "\u03a1\u03ac\u03b4\u03b9\u03bf", "\u0631\u0627\u062f\u064a\u0648", "\u05e8\u05d3\u05d9\u05d5",
    "\u30e9\u30b8\u30aa", "\u7535\u53f0", "\ub77c\ub514\uc624", "\u0930\u0947\u0921\u093f\u092f\u094b",
    "\u0e27\u0e34\u0e17\u0e22\u0e38", "Cafe\u0301", "\u00d1and\u00fa", "\U0001F3B5", "\U0001F1E7\U0001F1F7",
    "\U0001F468\u200D\U0001F469\u200D\U0001F467", "\u00c9cole", "Stra\u00dfe", "\u0130stanbul", "Ol\u00e1",
    "Z\u00fcrich", "\u0141\u00f3d\u017a"};

constexpr std::array<std::string_view, 12> duplicateNames {"Radio FM", "Jazz Radio", "Classic Hits", "Radio 1",
    "Lounge FM", "Rock Antenne", "Radio Maria", "Antena 3", "Radio Nova", "Hit Radio", "Radio Stereo", "Chill Out"};

constexpr std::array<std::string_view, 6> nameEdges {"\t", "\n", "\u00a0", " ", "\r\n", "\u2028"};

constexpr std::array<std::string_view, 24> tagWords {"pop", "rock", "jazz", "blues", "news", "talk", "classical",
    "electronic", "dance", "80s", "90s", "oldies", "country", "hip hop", "ambient", "lounge", "latin", "world",
    "top 40", "sports", "religious", "community radio", "public radio", "m\u00fasica"};

struct Country {
    std::string_view name;
    std::string_view code;
    std::string_view state;
    std::string_view language;
    std::string_view languageCode;
};

constexpr std::array<Country, 12> countries {{
    {"Germany", "DE", "Bavaria", "german", "de"},
    {"The United States Of America", "US", "California", "english", "en"},
    {"France", "FR", "\u00cele-de-France", "french", "fr"},
    {"Brazil", "BR", "S\u00e3o Paulo", "portuguese", "pt"},
    {"Russia", "RU", "\u041c\u043e\u0441\u043a\u0432\u0430", "russian", "ru"},
    {"Japan", "JP", "Tokyo", "japanese", "ja"},
    {"Greece", "GR", "Attica", "greek", "el"},
    {"Spain", "ES", "Catalu\u00f1a", "spanish,catalan", "es,ca"},
    {"India", "IN", "Maharashtra", "hindi,english", "hi,en"},
    {"T\u00fcrkiye", "TR", "\u0130stanbul", "turkish", "tr"},
    {"Israel", "IL", "", "hebrew", "he"},
    {"Thailand", "TH", "Bangkok", "thai", "th"},
}};

constexpr std::array<std::string_view, 6> codecs {"MP3", "AAC", "AAC+", "OGG", "FLAC", "UNKNOWN"};
constexpr std::array<int, 7> bitrates {0, 32, 64, 96, 128, 192, 320};

void appendEscaped(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escape {};
                std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(c));
                out += escape.data();
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

class StationWriter final {
public:
    StationWriter(std::string& out, Random& random)
        : m_out(out)
        , m_random(random)
    {
    }

    void write(std::size_t index);

private:
    void key(std::string_view name)
    {
        m_out += m_first ? "{" : ",";
        m_first = false;
        m_out += '"';
        m_out += name;
        m_out += "\":";
    }
    void text(std::string_view name, std::string_view value)
    {
        key(name);
        appendEscaped(m_out, value);
    }
    void raw(std::string_view name, std::string_view value)
    {
        key(name);
        m_out += value;
    }
    void number(std::string_view name, long long value) { raw(name, std::to_string(value)); }
    std::string uuid();
    std::string timestamp(bool iso);
    std::string name();
    std::string streamAddress(std::size_t index);
    std::string tags();
    void favicon(std::size_t index);
    void addresses(std::size_t index);

    std::string& m_out;
    Random& m_random;
    bool m_first = true;
};

std::string StationWriter::uuid()
{
    std::array<char, 40> buffer {};
    const std::uint64_t a = m_random.next();
    const std::uint64_t b = m_random.next();
    std::snprintf(buffer.data(), buffer.size(), "%08llx-%04llx-%04llx-%04llx-%012llx",
        static_cast<unsigned long long>(a >> 32U), static_cast<unsigned long long>((a >> 16U) & 0xFFFFU),
        static_cast<unsigned long long>(a & 0xFFFFU), static_cast<unsigned long long>(b >> 48U),
        static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFULL));
    return buffer.data();
}

std::string StationWriter::timestamp(bool iso)
{
    std::array<char, 32> buffer {};
    std::snprintf(buffer.data(), buffer.size(),
        iso ? "%04d-%02d-%02dT%02d:%02d:%02dZ" : "%04d-%02d-%02d %02d:%02d:%02d",
        2019 + static_cast<int>(m_random.below(6)), 1 + static_cast<int>(m_random.below(12)),
        1 + static_cast<int>(m_random.below(28)), static_cast<int>(m_random.below(24)),
        static_cast<int>(m_random.below(60)), static_cast<int>(m_random.below(60)));
    return buffer.data();
}

std::string StationWriter::name()
{
    std::string result;
    if (m_random.percent(10)) {
        result = m_random.pick(duplicateNames);
    } else {
        const auto words = 1 + m_random.below(4);
        for (std::uint64_t word = 0; word < words; ++word) {
            if (word > 0) {
                result += ' ';
            }
            result += m_random.pick(nameWords);
        }
    }
    if (m_random.percent(6)) {
        result = std::string(m_random.pick(nameEdges)) + result;
    }
    if (m_random.percent(6)) {
        result += m_random.pick(nameEdges);
    }
    return result;
}

std::string StationWriter::streamAddress(std::size_t index)
{
    std::string address = (m_random.percent(60) ? "https://stream" : "http://icecast") + std::to_string(index % 997)
        + ".radio-host" + std::to_string(index % 89) + ".net:" + std::to_string(8000 + m_random.below(100)) + "/live"
        + std::to_string(index) + ".mp3";
    if (m_random.percent(2)) {
        // Tracking-laden addresses of a few thousand characters.
        address += "?token=";
        const auto length = 2000 + m_random.below(4000);
        while (address.size() < length) {
            address += uuid();
            address += "&sid=";
        }
    }
    return address;
}

std::string StationWriter::tags()
{
    if (m_random.percent(12)) {
        return m_random.percent(50) ? "" : " , ,";
    }
    std::string result = m_random.percent(5) ? ",, " : "";
    const auto count = 1 + m_random.below(5);
    for (std::uint64_t tag = 0; tag < count; ++tag) {
        if (tag > 0) {
            result += ',';
        }
        result += m_random.pick(tagWords);
    }
    return result;
}

void StationWriter::favicon(std::size_t index)
{
    const auto kind = m_random.below(100);
    if (kind < 20) {
        text("favicon", "");
    } else if (kind < 25) {
        text("favicon", "null");
    } else if (kind < 27) {
        raw("favicon", "null");
    } else if (kind < 35) {
        text("favicon", "www.radio-host" + std::to_string(index % 89) + ".net/favicon.ico");
    } else if (kind < 39) {
        std::string data = "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAACAAAAAgCAYAAABzenr0AAAA";
        const auto length = 200 + m_random.below(600);
        while (data.size() < length) {
            data += "QUJDREVGR0hJSktMTU5PUFFSU1RVVldY";
        }
        text("favicon", data + "==");
    } else {
        text("favicon",
            "https://cdn.radio-logos.org/" + std::to_string(index) + "/logo-" + uuid().substr(0, 8) + ".png");
    }
}

void StationWriter::addresses(std::size_t index)
{
    if (m_random.percent(5)) {
        // Nothing playable: blank, null or white space in both.
        const auto kind = m_random.below(3);
        const std::string_view blank = kind == 0 ? "" : kind == 1 ? "   " : "\u00a0\t";
        text("url", blank);
        if (m_random.percent(50)) {
            raw("url_resolved", "null");
        } else {
            text("url_resolved", "");
        }
        return;
    }
    const std::string address = streamAddress(index);
    text("url", m_random.percent(5) ? " " + address + "\n" : address);
    // Directories often never resolved the address.
    text("url_resolved", m_random.percent(40) ? "" : address);
}

void StationWriter::write(std::size_t index)
{
    m_first = true;
    const Country& country = m_random.pick(countries);
    text("changeuuid", uuid());
    text("stationuuid", uuid());
    if (m_random.percent(70)) {
        text("serveruuid", uuid());
    } else {
        raw("serveruuid", "null");
    }
    if (m_random.percent(1)) {
        raw("name", "null");
    } else {
        text("name", m_random.percent(1) ? std::string(m_random.percent(50) ? "" : " \n ") : name());
    }
    addresses(index);
    text("homepage", "https://www.station" + std::to_string(index) + ".example.org/");
    favicon(index);
    text("tags", tags());
    text("country", m_random.percent(5) ? std::string_view() : country.name);
    text("countrycode", country.code);
    text(
        "iso_3166_2", m_random.percent(50) ? std::string(country.code) + "-" + std::to_string(m_random.below(20)) : "");
    if (m_random.percent(10)) {
        raw("state", "null");
    } else {
        text("state", m_random.percent(30) ? std::string_view() : country.state);
    }
    text("language", m_random.percent(10) ? std::string_view() : country.language);
    text("languagecodes", country.languageCode);
    // Popularity is long-tailed: most stations have a handful of votes, a few have thousands.
    const auto tail = m_random.below(100);
    const auto votes = static_cast<long long>(tail < 60 ? m_random.below(20)
            : tail < 95                                 ? m_random.below(500)
                                                        : m_random.below(50000));
    number("votes", votes);
    text("lastchangetime", timestamp(false));
    text("lastchangetime_iso8601", timestamp(true));
    text("codec", m_random.pick(codecs));
    number("bitrate", m_random.pick(bitrates));
    number("hls", m_random.percent(3) ? 1 : 0);
    number("lastcheckok", m_random.percent(90) ? 1 : 0);
    text("lastchecktime", timestamp(false));
    text("lastchecktime_iso8601", timestamp(true));
    text("lastcheckoktime", timestamp(false));
    text("lastcheckoktime_iso8601", timestamp(true));
    text("lastlocalchecktime", timestamp(false));
    text("lastlocalchecktime_iso8601", timestamp(true));
    text("clicktimestamp", timestamp(false));
    text("clicktimestamp_iso8601", timestamp(true));
    number("clickcount", static_cast<long long>(tail < 50 ? m_random.below(30) : m_random.below(3000)));
    number("clicktrend", static_cast<long long>(m_random.below(21)) - 10);
    number("ssl_error", m_random.percent(2) ? 1 : 0);
    if (m_random.percent(40)) {
        std::array<char, 64> buffer {};
        std::snprintf(buffer.data(), buffer.size(), "%.14f", static_cast<double>(m_random.below(180000000)) / 1e6 - 90);
        raw("geo_lat", buffer.data());
        std::snprintf(
            buffer.data(), buffer.size(), "%.14f", static_cast<double>(m_random.below(360000000)) / 1e6 - 180);
        raw("geo_long", buffer.data());
    } else {
        raw("geo_lat", "null");
        raw("geo_long", "null");
    }
    raw("geo_distance", "null");
    raw("has_extended_info", m_random.percent(20) ? "true" : "false");
    m_out += '}';
}

} // namespace

std::string makeSyntheticCatalog(std::size_t stationCount, unsigned seed)
{
    Random random(seed);
    std::string out;
    out.reserve(stationCount * 1300 + 2);
    out += '[';
    StationWriter writer(out, random);
    for (std::size_t index = 0; index < stationCount; ++index) {
        if (index > 0) {
            out += ",\n";
        }
        writer.write(index);
    }
    out += "]\n";
    return out;
}

} // namespace Vello
