#include "listdocument.h"

#include <simdjson.h>

#include <cstdio>

namespace Vello {

namespace {

// Deeper than the player's documents ever go; a cut-short document deeper than this is not read.
constexpr std::size_t maxRepairDepth = 16;

void appendJsonString(std::string& out, std::string_view text)
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
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// The longest beginning of `bytes` that ends just after a whole entry of a list, or just after a
// list opens, with the brackets still open there closed: a document cut short, as far as it goes.
std::optional<std::string> closedBeginning(std::string_view bytes)
{
    std::string open;
    std::string openAtCut;
    std::size_t cut = 0;
    bool inString = false;
    bool escaped = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (open.size() == maxRepairDepth) {
                return std::nullopt;
            }
            open += c;
        } else if ((c == ']' || c == '}') && !open.empty()) {
            open.pop_back();
        } else {
            continue;
        }
        if (!open.empty() && open.back() == '[') {
            cut = i + 1;
            openAtCut = open;
        }
    }
    if (cut == 0) {
        return std::nullopt;
    }
    std::string closed(bytes.substr(0, cut));
    for (auto bracket = openAtCut.rbegin(); bracket != openAtCut.rend(); ++bracket) {
        closed += *bracket == '[' ? ']' : '}';
    }
    return closed;
}

} // namespace

std::optional<std::string_view> ListEntry::text(std::string_view key) const
{
    std::string_view value;
    return m_item[key].get_string().get(value) == simdjson::SUCCESS ? std::optional(value) : std::nullopt;
}

std::optional<std::int64_t> ListEntry::integer(std::string_view key) const
{
    std::int64_t value = 0;
    return m_item[key].get_int64().get(value) == simdjson::SUCCESS ? std::optional(value) : std::nullopt;
}

std::optional<bool> ListEntry::flag(std::string_view key) const
{
    bool value = false;
    return m_item[key].get_bool().get(value) == simdjson::SUCCESS ? std::optional(value) : std::nullopt;
}

ListReading ListDocument::read(std::string_view bytes, const ListFormat& format, const Reader& take)
{
    ListReading reading;
    if (bytes.size() > format.maxBytes) {
        reading.fault = ListReading::Fault::TooLarge;
        return reading;
    }
    simdjson::dom::parser parser;
    simdjson::dom::element root;
    if (parser.parse(simdjson::padded_string(bytes)).get(root) != simdjson::SUCCESS) {
        reading.fault = ListReading::Fault::Damaged;
        const auto repaired = closedBeginning(bytes);
        if (!repaired || parser.parse(simdjson::padded_string(*repaired)).get(root) != simdjson::SUCCESS) {
            return reading;
        }
    }
    simdjson::dom::array list;
    std::int64_t version = 0;
    const bool shaped = format.key.empty() ? root.get_array().get(list) == simdjson::SUCCESS
                                           : root["version"].get_int64().get(version) == simdjson::SUCCESS
            && version > 0 && root[format.key].get_array().get(list) == simdjson::SUCCESS;
    if (!shaped) {
        if (reading.fault == ListReading::Fault::None) {
            reading.fault = ListReading::Fault::Foreign;
        }
        return reading;
    }
    reading.newer = version > format.version;
    for (const simdjson::dom::element item : list) {
        switch (take(ListEntry(item))) {
        case EntryTaken::Yes:
            break;
        case EntryTaken::LeftOut:
            reading.leftOut.push_back(simdjson::to_string(item));
            break;
        case EntryTaken::NoRoom:
            ++reading.noRoom;
            break;
        }
    }
    return reading;
}

ListDocument::ListDocument(const ListFormat& format)
    : m_bare(format.key.empty())
{
    if (m_bare) {
        m_out = "[";
    } else {
        m_out = "{\"version\": " + std::to_string(format.version) + ", ";
        appendJsonString(m_out, format.key);
        m_out += ": [";
    }
}

void ListDocument::beginEntry()
{
    endEntry();
    m_out += m_empty ? "\n  {" : ",\n  {";
    m_empty = false;
    m_inEntry = true;
    m_firstMember = true;
}

void ListDocument::beginMember(std::string_view key)
{
    if (!m_firstMember) {
        m_out += ", ";
    }
    m_firstMember = false;
    appendJsonString(m_out, key);
    m_out += ": ";
}

void ListDocument::addText(std::string_view key, std::string_view value)
{
    beginMember(key);
    appendJsonString(m_out, value);
}

void ListDocument::addInteger(std::string_view key, std::int64_t value)
{
    beginMember(key);
    m_out += std::to_string(value);
}

void ListDocument::addFlag(std::string_view key, bool value)
{
    beginMember(key);
    m_out += value ? "true" : "false";
}

void ListDocument::addStored(std::string_view entry)
{
    endEntry();
    m_out += m_empty ? "\n  " : ",\n  ";
    m_empty = false;
    m_out += entry;
}

void ListDocument::endEntry()
{
    if (m_inEntry) {
        m_out += '}';
        m_inEntry = false;
    }
}

std::string ListDocument::finish()
{
    endEntry();
    m_out += m_empty ? "]" : "\n]";
    m_out += m_bare ? "\n" : "}\n";
    return std::move(m_out);
}

} // namespace Vello
