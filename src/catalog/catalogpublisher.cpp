#include "catalogpublisher.h"

#include "catalogparts.h"
#include "station.h"

#include <simdjson.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Vello {

namespace {

namespace json = simdjson::ondemand;

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Reads the one key of a station object the player's decoder skips and the publisher needs.
class BrokenCheck final {
public:
    // Whether the directory's last check of the station `object` failed. As in the player's
    // decoder, the last of repeated keys counts.
    bool isMarkedBroken(std::string_view object)
    {
        m_padded.assign(object);
        m_padded.append(simdjson::SIMDJSON_PADDING, '\0');
        json::document document;
        json::object fields;
        if (m_parser.iterate(m_padded.data(), object.size(), m_padded.size()).get(document) != simdjson::SUCCESS
            || document.get_object().get(fields) != simdjson::SUCCESS) {
            return false;
        }
        bool broken = false;
        for (auto entry : fields) {
            json::field field;
            std::string_view key;
            if (std::move(entry).get(field) != simdjson::SUCCESS
                || field.unescaped_key().get(key) != simdjson::SUCCESS) {
                return false;
            }
            if (key != "lastcheckok") {
                continue;
            }
            json::value value = field.value();
            json::json_type type {};
            double number = 1;
            bool flag = true;
            if (value.type().get(type) != simdjson::SUCCESS) {
                return false;
            }
            broken = (type == json::json_type::number && value.get_double().get(number) == simdjson::SUCCESS
                         && number == 0)
                || (type == json::json_type::boolean && value.get_bool().get(flag) == simdjson::SUCCESS && !flag);
        }
        return broken;
    }

private:
    json::parser m_parser;
    std::string m_padded;
};

std::size_t playableCount(const std::vector<Station>& stations)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(stations, [](const Station& station) { return station.hasRadioURL(); }));
}

// The stations of the answer to publish, cut out of it in their order.
Result<FilteredCatalog> keptStations(std::string_view answer)
{
    auto decoded = decodeCatalogInParts(openerOf(answer));
    if (const auto* failure = std::get_if<Error>(&decoded)) {
        return Error {Text::verbatim(
            "the directory's answer is not a catalog the player reads: " + failure->description.english())};
    }
    const auto& stations = std::get<std::vector<Station>>(decoded);

    FilteredCatalog catalog;
    catalog.document.reserve(answer.size() + stations.size() + 3);
    catalog.document += '[';
    BrokenCheck brokenCheck;
    std::unordered_set<std::string_view> uuids;
    // The answer decoded, so it is a well-formed array whose elements are the stations in order.
    if (answer.starts_with(byteOrderMark)) {
        answer.remove_prefix(byteOrderMark.size());
    }
    const char* at = answer.data() + answer.find('[') + 1;
    const char* const end = answer.data() + answer.size();
    std::size_t index = 0;
    for (;;) {
        const char* const elementEnd = arrayElementEnd(at, end);
        if (elementEnd == nullptr) {
            break;
        }
        const std::string_view object = withoutJsonBlanks({at, static_cast<std::size_t>(elementEnd - at)});
        if (!object.empty() && index < stations.size()) {
            const Station& station = stations[index];
            const auto uuid = station.stationuuid();
            if (!station.hasRadioURL()) {
                ++catalog.unplayable;
            } else if (brokenCheck.isMarkedBroken(object)) {
                ++catalog.broken;
            } else if (uuid && !uuid->empty() && !uuids.insert(*uuid).second) {
                ++catalog.repeated;
            } else {
                catalog.document.append(catalog.stations++ > 0 ? ",\n" : "").append(object);
            }
        }
        index += object.empty() ? 0 : 1;
        if (*elementEnd == ']') {
            break;
        }
        at = elementEnd + 1;
    }
    if (index != stations.size()) {
        return Error {Text::verbatim(
            "the directory's answer could not be cut into its " + std::to_string(stations.size()) + " stations")};
    }
    catalog.document += "]\n";
    return catalog;
}

} // namespace

Result<FilteredCatalog> filterCatalog(std::string_view answer)
{
    // The answer's stations are gone before the result's are decoded: one catalog's worth at a time.
    auto kept = keptStations(answer);
    auto* catalog = std::get_if<FilteredCatalog>(&kept);
    if (catalog == nullptr) {
        return kept;
    }
    const auto check = decodeCatalogInParts(openerOf(catalog->document));
    if (const auto* failure = std::get_if<Error>(&check)) {
        return Error {Text::verbatim("the filtered catalog does not decode: " + failure->description.english())};
    }
    const auto& stations = std::get<std::vector<Station>>(check);
    if (stations.size() != catalog->stations || playableCount(stations) != catalog->stations) {
        return Error {Text::verbatim("the filtered catalog decodes to " + std::to_string(playableCount(stations))
            + " playable stations instead of " + std::to_string(catalog->stations))};
    }
    catalog->latest = latestChange(stations);
    return kept;
}

Result<std::string> readCatalogDocument(const std::filesystem::path& file, std::size_t maxBytes)
{
    const auto failure
        = [&file](std::string_view what) { return Error {Text::verbatim(file.string() + ": " + std::string(what))}; };
    // Without waiting: a FIFO would block the open until a writer came; it is refused below.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return failure(std::strerror(errno));
    }
    const std::shared_ptr<void> closer(nullptr, [descriptor](void*) { ::close(descriptor); });
    struct stat status { };
    if (::fstat(descriptor, &status) != 0) {
        return failure(std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return failure("not a regular file");
    }
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        return failure("larger than " + std::to_string(maxBytes / 1024 / 1024) + " MB");
    }
    std::string document(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t got = 0;
    while (got < document.size()) {
        const ssize_t read = ::read(descriptor, document.data() + got, document.size() - got);
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read <= 0) {
            return failure(read < 0 ? std::strerror(errno) : "it shrank while it was read");
        }
        got += static_cast<std::size_t>(read);
    }
    return document;
}

} // namespace Vello
