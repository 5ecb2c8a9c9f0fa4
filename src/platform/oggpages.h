#pragma once

#include "ports/recorder.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// Reads an Ogg stream's pages as they arrive, for what a recorder needs of it: where each chain
// (a stream of its own with its own headers, as a station begins one for each song) begins, its
// header pages, codec and tags, and when each page is heard.
class OggPages final {
public:
    struct Chain {
        std::uint64_t start = 0;
        RecordedFormat format = RecordedFormat::NotSavable;
        // The chain's header pages as they were sent: what a file begun inside it needs in front.
        std::string header;
        std::string title;
        std::string artist;
    };

    // A chain begins with the page at an offset.
    std::function<void(std::uint64_t)> onChainStart;
    // A chain's headers are complete.
    std::function<void(const Chain&)> onChainHeaders;
    // An audio page begins at an offset, heard from a time (nanoseconds, running on across chains).
    std::function<void(std::uint64_t, std::int64_t)> onPage;

    // The stream's next bytes, the first of them at `offset`.
    void take(std::uint64_t offset, std::string_view bytes);

private:
    void page(std::uint64_t offset, std::string_view page);
    void headersComplete();

    std::string m_pending;
    std::uint64_t m_pendingOffset = 0;
    bool m_inHeaders = false;
    Chain m_chain;
    std::vector<std::string> m_packets;
    bool m_packetOpen = false;
    std::uint32_t m_rate = 0;
    std::int64_t m_lastGranule = 0;
    std::int64_t m_timeBaseNs = 0;
    std::int64_t m_lastTimeNs = 0;
};

} // namespace Vello
