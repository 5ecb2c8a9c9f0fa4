#include "catalogdecoder.h"

#include "catalogparts.h"
#include "documentbuffer.h"
#include "stationkeys.h"
#include "strictcatalogreader.h"

#include <simdjson.h>

#include <memory>
#include <optional>
#include <utility>

namespace Vello {

namespace {

namespace dom = simdjson::dom;

constexpr MarkedText outOfMemory = VELLO_TR("Core", "there is not enough memory to read the catalog");

static_assert(DocumentBuffer::padding >= simdjson::SIMDJSON_PADDING);

// The stations of a document the parser took whole, when each is plainly what the rules ask
// for; false when anything would need a closer look (a wrong type, a count that is not a plain
// 64-bit integer), which the strict reader then gives. The parser has checked every value.
bool readPlainStations(dom::element root, StationTextArena& arena, std::vector<Station>& stations)
{
    dom::array elements;
    if (root.get_array().get(elements) != simdjson::SUCCESS) {
        return false;
    }
    for (const dom::element element : elements) {
        dom::object object;
        if (element.get_object().get(object) != simdjson::SUCCESS) {
            return false;
        }
        Station::Texts texts;
        Station::Counts counts;
        for (const dom::key_value_pair field : object) {
            const StationKey key = stationKey(field.key);
            const dom::element_type type = field.value.type();
            switch (key.kind) {
            case StationKey::Kind::text:
                if (type == dom::element_type::STRING) {
                    texts[key.field] = std::string_view(field.value);
                } else if (type == dom::element_type::NULL_VALUE) {
                    texts[key.field].reset();
                } else {
                    return false;
                }
                break;
            case StationKey::Kind::count:
                if (type == dom::element_type::INT64) {
                    counts[key.field] = std::int64_t(field.value);
                } else if (type == dom::element_type::NULL_VALUE) {
                    counts[key.field].reset();
                } else {
                    return false;
                }
                break;
            case StationKey::Kind::homepage:
                texts[key.field] = type == dom::element_type::STRING
                    ? std::optional<std::string_view>(std::string_view(field.value))
                    : std::nullopt;
                break;
            case StationKey::Kind::other:
                break;
            }
        }
        stations.emplace_back(texts, counts, &arena);
    }
    return true;
}

} // namespace

struct CatalogDecoder::Buffers {
    // Deeper documents are left to the strict reader, which says where they go too deep. Without
    // the memory for that limit, every part is left to it.
    Buffers()
        : parsesWhole(parser.allocate(0, maxNesting) == simdjson::SUCCESS)
    {
    }

    dom::parser parser;
    bool parsesWhole;
    StrictCatalogReader strict;
    StationTextArena texts;
};

CatalogDecoder::CatalogDecoder()
    : m_buffers(std::make_unique<Buffers>())
{
}

CatalogDecoder::~CatalogDecoder() = default;
CatalogDecoder::CatalogDecoder(CatalogDecoder&& other) noexcept = default;
CatalogDecoder& CatalogDecoder::operator=(CatalogDecoder&& other) noexcept = default;

CatalogDecoder::Buffers& CatalogDecoder::buffers()
{
    if (!m_buffers) {
        m_buffers = std::make_unique<Buffers>();
    }
    return *m_buffers;
}

Result<std::vector<Station>> CatalogDecoder::decode(std::string_view document)
{
    return decode(openerOf(document));
}

Result<std::vector<Station>> CatalogDecoder::decode(const DocumentBuffer& document)
{
    if (document.empty()) {
        return Error {outOfMemory};
    }
    return decode(document.view());
}

Result<std::vector<Station>> CatalogDecoder::decode(const DocumentOpener& open, std::size_t partBytes)
{
    auto stream = open();
    if (!stream) {
        return Error {unreadableCatalog};
    }
    if (auto stations = decodeWellFormedInParts(std::move(*stream), std::max<std::size_t>(partBytes, 1), *this)) {
        return std::move(*stations);
    }
    return decodeWhole(open);
}

// Read whole by the strict reader only, to say exactly what is wrong: the parts could not say
// which station in the whole document failed.
Result<std::vector<Station>> CatalogDecoder::decodeWhole(const DocumentOpener& open)
{
    auto stream = open();
    if (!stream) {
        return Error {unreadableCatalog};
    }
    DocumentBuffer document(stream->size);
    std::size_t got = 0;
    while (!document.empty() && got < stream->size) {
        const std::ptrdiff_t read = stream->read(document.data() + got, stream->size - got);
        if (read < 0) {
            return Error {unreadableCatalog};
        }
        if (read == 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    if (document.empty()) {
        return Error {outOfMemory};
    }
    document.setSize(got);
    // Real catalogs spend about a kilobyte per station.
    std::vector<Station> stations;
    stations.reserve(got / 1024 + 1);
    Buffers& held = buffers();
    if (auto failure = held.strict.read(document.view(), held.texts, stations)) {
        return Error {std::move(*failure)};
    }
    return stations;
}

std::optional<Error> CatalogDecoder::decodeAppending(std::string_view document, std::vector<Station>& stations)
{
    Buffers& held = buffers();
    const std::size_t before = stations.size();
    dom::element root;
    if (held.parsesWhole && held.parser.parse(document.data(), document.size(), false).get(root) == simdjson::SUCCESS
        && readPlainStations(root, held.texts, stations)) {
        return std::nullopt;
    }
    stations.erase(stations.begin() + static_cast<std::ptrdiff_t>(before), stations.end());
    if (auto failure = held.strict.read(document, held.texts, stations)) {
        return Error {std::move(*failure)};
    }
    return std::nullopt;
}

Result<std::vector<Station>> decodeCatalog(std::string_view document)
{
    return CatalogDecoder {}.decode(document);
}

Result<std::vector<Station>> decodeCatalog(const DocumentBuffer& document)
{
    return CatalogDecoder {}.decode(document);
}

} // namespace Vello
