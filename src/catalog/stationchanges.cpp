#include "stationchanges.h"

#include "catalogdecoder.h"
#include "catalogparts.h"
#include "documentbuffer.h"
#include "jsonnumber.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_set>

namespace Vello {

namespace {

constexpr std::string_view stationuuidKey = "\"stationuuid\"";
constexpr std::string_view urlKey = "\"url\"";
constexpr std::string_view resolvedKey = "\"url_resolved\"";
constexpr std::string_view lastCheckKey = "\"lastcheckok\"";

// The length of the JSON string token `text` starts with, quotes included; 0 when there is none.
std::size_t stringLength(std::string_view text)
{
    if (text.empty() || text.front() != '"') {
        return 0;
    }
    for (std::size_t quote = text.find('"', 1); quote != std::string_view::npos; quote = text.find('"', quote + 1)) {
        std::size_t escapes = 0;
        while (text[quote - 1 - escapes] == '\\') {
            ++escapes;
        }
        if (escapes % 2 == 0) {
            return quote + 1;
        }
    }
    return 0;
}

struct Member {
    std::string_view key; // with its quotes, as written
    std::string_view value;
};

// The members of a well-formed JSON object, in their order.
std::vector<Member> membersOf(std::string_view object)
{
    std::vector<Member> members;
    object = withoutJsonBlanks(object);
    if (object.size() < 2 || object.front() != '{') {
        return members;
    }
    const char* at = object.data() + 1;
    const char* const end = object.data() + object.size();
    for (const char* memberEnd = arrayElementEnd(at, end); memberEnd != nullptr; memberEnd = arrayElementEnd(at, end)) {
        const std::string_view member = withoutJsonBlanks({at, static_cast<std::size_t>(memberEnd - at)});
        const std::size_t keyLength = stringLength(member);
        const std::string_view rest = withoutJsonBlanks(member.substr(keyLength));
        if (keyLength > 0 && rest.starts_with(':')) {
            members.push_back({member.substr(0, keyLength), withoutJsonBlanks(rest.substr(1))});
        }
        if (*memberEnd != ',') {
            break;
        }
        at = memberEnd + 1;
    }
    return members;
}

// The value of the last member named `key`: the one a decoder keeps.
std::optional<std::string_view> valueOf(const std::vector<Member>& members, std::string_view key)
{
    for (auto member = members.rbegin(); member != members.rend(); ++member) {
        if (member->key == key) {
            return member->value;
        }
    }
    return std::nullopt;
}

// The station's "stationuuid" as written, when it is a string that is not empty.
std::string_view stationuuidOf(std::string_view object)
{
    const auto uuid = valueOf(membersOf(object), stationuuidKey);
    return uuid && uuid->size() > 2 && stringLength(*uuid) == uuid->size() ? *uuid : std::string_view();
}

// Whether a station object still has a place in a catalog: a stream address, and no failed
// last check.
class KeepCheck final {
public:
    bool keeps(std::string_view object)
    {
        if (const auto check = valueOf(membersOf(object), lastCheckKey);
            check && (*check == "false" || readJsonNumber(*check) == NumberReading {NumberKind::whole, 0})) {
            return false;
        }
        m_document.resize(object.size() + 2 + DocumentBuffer::padding, '\0');
        m_document.front() = '[';
        std::copy(object.begin(), object.end(), m_document.begin() + 1);
        const std::size_t size = object.size() + 2;
        m_document[size - 1] = ']';
        std::fill(m_document.begin() + static_cast<std::ptrdiff_t>(size), m_document.end(), '\0');
        m_stations.clear();
        return !m_decoder.decodeAppending({m_document.data(), size}, m_stations) && m_stations.size() == 1
            && m_stations.front().hasRadioURL();
    }

private:
    CatalogDecoder m_decoder;
    std::string m_document;
    std::vector<Station> m_stations;
};

} // namespace

std::string mergedStation(std::string_view base, std::string_view change)
{
    const std::vector<Member> baseMembers = membersOf(base);
    const std::vector<Member> changeMembers = membersOf(change);
    const auto url = valueOf(changeMembers, urlKey);
    const bool dropResolved
        = url && url != valueOf(baseMembers, urlKey) && !valueOf(changeMembers, resolvedKey).has_value();
    std::string merged = "{";
    const auto add = [&merged](std::string_view key, std::string_view value) {
        merged.append(merged.size() > 1 ? "," : "").append(key).append(":").append(value);
    };
    for (const Member& member : baseMembers) {
        if (!(dropResolved && member.key == resolvedKey)) {
            add(member.key, valueOf(changeMembers, member.key).value_or(member.value));
        }
    }
    for (const Member& member : changeMembers) {
        if (!valueOf(baseMembers, member.key)) {
            add(member.key, member.value);
        }
    }
    return merged + "}";
}

void StationChanges::add(std::string_view object)
{
    const std::string_view uuid = stationuuidOf(object);
    if (uuid.empty()) {
        return;
    }
    m_bytes += object.size();
    if (const auto known = m_objects.find(std::string(uuid)); known != m_objects.end()) {
        known->second = mergedStation(known->second, object);
        return;
    }
    m_objects.emplace(uuid, withoutJsonBlanks(object));
    m_order.emplace_back(uuid);
}

bool StationChanges::applyTo(std::string_view document, const std::function<void(std::string_view)>& write) const
{
    if (document.starts_with("\xEF\xBB\xBF")) {
        document.remove_prefix(3);
    }
    document = withoutJsonBlanks(document);
    if (!document.starts_with('[')) {
        return false;
    }
    KeepCheck check;
    std::unordered_set<std::string_view> applied;
    bool first = true;
    const auto put = [&](std::string_view object) {
        write(first ? "[" : ",\n");
        write(object);
        first = false;
    };
    const char* at = document.data() + 1;
    const char* const end = document.data() + document.size();
    for (const char* elementEnd = arrayElementEnd(at, end); elementEnd != nullptr;
         elementEnd = arrayElementEnd(at, end)) {
        const std::string_view element = withoutJsonBlanks({at, static_cast<std::size_t>(elementEnd - at)});
        const std::string_view uuid = element.empty() ? std::string_view() : stationuuidOf(element);
        const auto change = uuid.empty() ? m_objects.end() : m_objects.find(std::string(uuid));
        if (change == m_objects.end()) {
            if (!element.empty()) {
                put(element);
            }
        } else if (std::string merged = mergedStation(element, change->second); check.keeps(merged)) {
            put(merged);
        }
        if (change != m_objects.end()) {
            applied.insert(change->first);
        }
        if (*elementEnd != ',') {
            break;
        }
        at = elementEnd + 1;
    }
    for (const std::string& uuid : m_order) {
        const std::string& object = m_objects.at(uuid);
        if (!applied.contains(uuid) && check.keeps(object)) {
            put(object);
        }
    }
    write(first ? "[]\n" : "]\n");
    return true;
}

} // namespace Vello
