#include "stationdetails.h"

#include "textrules.h"

#include <array>
#include <string>

namespace Vello {

namespace {

// The digits of `text` from `at` on, `count` of them; -1 when any is not a digit.
int digitsAt(std::string_view text, std::size_t at, std::size_t count)
{
    int value = 0;
    for (std::size_t index = at; index < at + count; ++index) {
        if (text[index] < '0' || text[index] > '9') {
            return -1;
        }
        value = value * 10 + (text[index] - '0');
    }
    return value;
}

} // namespace

Text streamDetails(const Station& station)
{
    const std::string_view codec = trimmed(station.codec().value_or(""));
    const bool codecKnown = !codec.empty() && lowercased(codec) != "unknown";
    const std::int64_t bitrate = station.bitrate().value_or(0);
    const Text rate {VELLO_TR("Core", "%1 kbps"), {Text::number(bitrate)}};
    if (codecKnown && bitrate > 0) {
        return {VELLO_TR("Core", "%1 · %2"), {Text::verbatim(std::string(codec)), rate}};
    }
    if (codecKnown) {
        return Text::verbatim(std::string(codec));
    }
    return bitrate > 0 ? rate : Text();
}

std::optional<std::chrono::system_clock::time_point> directoryTime(std::string_view text)
{
    text = trimmed(text);
    constexpr std::string_view shape = "0000-00-00 00:00:00";
    if (text.size() != shape.size()) {
        return std::nullopt;
    }
    for (std::size_t at = 0; at < shape.size(); ++at) {
        if (shape[at] != '0' && text[at] != shape[at]) {
            return std::nullopt;
        }
    }
    const std::array<int, 6> parts {digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2),
        digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
    const std::chrono::year_month_day date {std::chrono::year(parts[0]),
        std::chrono::month(static_cast<unsigned>(parts[1])), std::chrono::day(static_cast<unsigned>(parts[2]))};
    if (!date.ok() || parts[3] < 0 || parts[3] > 23 || parts[4] < 0 || parts[4] > 59 || parts[5] < 0 || parts[5] > 60) {
        return std::nullopt;
    }
    return std::chrono::sys_days(date) + std::chrono::hours(parts[3]) + std::chrono::minutes(parts[4])
        + std::chrono::seconds(parts[5]);
}

std::optional<Text> lastCheckedWorking(const Station& station, std::chrono::system_clock::time_point now)
{
    const auto checked = directoryTime(station.lastcheckoktime().value_or(""));
    if (!checked) {
        return std::nullopt;
    }
    using std::chrono::duration_cast;
    const auto minutes = std::max<std::int64_t>(1, duration_cast<std::chrono::minutes>(now - *checked).count());
    if (minutes < 60) {
        return Text::counted(VELLO_TR_N("Core", "Checked working %Ln minute(s) ago"), minutes);
    }
    if (minutes < 24 * 60) {
        return Text::counted(VELLO_TR_N("Core", "Checked working %Ln hour(s) ago"), minutes / 60);
    }
    return Text::counted(VELLO_TR_N("Core", "Checked working %Ln day(s) ago"), minutes / (24 * 60));
}

bool playsOverHttps(const Station& station)
{
    const std::optional<std::string> address = station.radioURL();
    return address && lowercased(address->substr(0, 8)) == "https://";
}

bool hasBitrateOfAtLeast(const Station& station, std::int64_t kbps)
{
    const std::int64_t bitrate = station.bitrate().value_or(0);
    return bitrate > 0 && bitrate >= kbps;
}

} // namespace Vello
