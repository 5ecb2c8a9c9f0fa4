#pragma once

#include "alarm.h"
#include "scheduledrecording.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

namespace Vello {

class ListDocument;
class ListEntry;

// The alarms and the scheduled recordings, kept in a list document of their own beside the songs
// heard, one entry each. Written and read through the list documents' helpers, which set aside a
// file they cannot read rather than write over it.
namespace ScheduleDocument {

inline constexpr std::string_view name = "schedule.json";
// The member holding the list, beside the version.
inline constexpr std::string_view key = "schedule";
inline constexpr std::int64_t version = 1;
inline constexpr std::size_t maxBytes = std::size_t {256} * 1024;

using Entry = std::variant<Alarm, ScheduledRecording>;

// The alarm or the recording an entry holds; nothing when it holds neither in a form this version
// knows (it is then kept in the document as it was).
[[nodiscard]] std::optional<Entry> read(const ListEntry& entry);
void write(const Alarm& alarm, ListDocument& out);
void write(const ScheduledRecording& recording, ListDocument& out);

} // namespace ScheduleDocument

} // namespace Vello
