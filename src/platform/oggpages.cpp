#include "oggpages.h"

#include <algorithm>
#include <cctype>

namespace Vello {
namespace {

constexpr std::size_t pageHeaderSize = 27;
constexpr std::uint8_t beginsStream = 0x02;
// Header packets are small; anything past this in one is not read (pictures in the tags).
constexpr std::size_t maxHeaderPacket = 64 * 1024;
constexpr std::size_t headerPackets = 3;

std::uint64_t little(std::string_view bytes, std::size_t at, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8U) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

// Reads the "KEY=value" comments of a Vorbis comment block beginning at `at` in `packet`.
void readComments(std::string_view packet, std::size_t at, OggPages::Chain& chain)
{
    if (at + 4 > packet.size()) {
        return;
    }
    at += 4 + little(packet, at, 4);
    if (at + 4 > packet.size()) {
        return;
    }
    const std::uint64_t count = little(packet, at, 4);
    at += 4;
    for (std::uint64_t i = 0; i < count && at + 4 <= packet.size(); ++i) {
        const std::uint64_t length = little(packet, at, 4);
        const std::string_view comment = packet.substr(at + 4, length);
        at += 4 + length;
        const std::size_t equals = comment.find('=');
        std::string key(comment.substr(0, equals));
        std::ranges::transform(key, key.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (equals != std::string_view::npos && (key == "TITLE" || key == "ARTIST")) {
            (key == "TITLE" ? chain.title : chain.artist) = comment.substr(equals + 1);
        }
    }
}

} // namespace

void OggPages::take(std::uint64_t offset, std::string_view bytes)
{
    if (m_pending.empty()) {
        m_pendingOffset = offset;
    }
    m_pending.append(bytes);
    for (;;) {
        if (m_pending.size() < pageHeaderSize) {
            return;
        }
        // Pages begin with "OggS"; bytes that do not are skipped to the next that does.
        if (m_pending.compare(0, 4, "OggS") != 0) {
            const std::size_t next = m_pending.find("OggS", 1);
            const std::size_t skip = next == std::string::npos ? m_pending.size() - 3 : next;
            m_pending.erase(0, skip);
            m_pendingOffset += skip;
            continue;
        }
        const std::size_t segments = static_cast<std::uint8_t>(m_pending[26]);
        if (m_pending.size() < pageHeaderSize + segments) {
            return;
        }
        std::size_t size = pageHeaderSize + segments;
        for (std::size_t i = 0; i < segments; ++i) {
            size += static_cast<std::uint8_t>(m_pending[pageHeaderSize + i]);
        }
        if (m_pending.size() < size) {
            return;
        }
        page(m_pendingOffset, std::string_view(m_pending).substr(0, size));
        m_pending.erase(0, size);
        m_pendingOffset += size;
    }
}

void OggPages::page(std::uint64_t offset, std::string_view page)
{
    const auto granule = static_cast<std::int64_t>(little(page, 6, 8));
    const std::size_t segments = static_cast<std::uint8_t>(page[26]);
    if ((static_cast<std::uint8_t>(page[5]) & beginsStream) != 0 && !(m_inHeaders && m_chain.start != offset)) {
        m_chain = Chain {};
        m_chain.start = offset;
        m_packets.clear();
        m_packetOpen = false;
        m_inHeaders = true;
        m_timeBaseNs = m_lastTimeNs;
        m_lastGranule = 0;
        if (onChainStart) {
            onChainStart(offset);
        }
    }
    if (m_inHeaders && granule != 0 && (static_cast<std::uint8_t>(page[5]) & beginsStream) == 0) {
        headersComplete();
    }
    if (m_inHeaders) {
        m_chain.header.append(page);
        std::size_t at = pageHeaderSize + segments;
        for (std::size_t i = 0; i < segments && m_packets.size() <= headerPackets; ++i) {
            const std::size_t length = static_cast<std::uint8_t>(page[pageHeaderSize + i]);
            if (!m_packetOpen) {
                m_packets.emplace_back();
                m_packetOpen = true;
            }
            if (m_packets.back().size() < maxHeaderPacket) {
                m_packets.back().append(page.substr(at, length));
            }
            m_packetOpen = length == 255;
            at += length;
        }
        return;
    }
    if (m_rate == 0) {
        return;
    }
    // In two parts: a chain that has run for days counts more samples than would fit multiplied.
    const auto timeOf = [&](std::int64_t samples) {
        return m_timeBaseNs + samples / m_rate * 1'000'000'000 + samples % m_rate * 1'000'000'000 / m_rate;
    };
    if (onPage) {
        onPage(offset, timeOf(m_lastGranule));
    }
    if (granule > 0) {
        m_lastGranule = granule;
        m_lastTimeNs = timeOf(granule);
    }
}

void OggPages::headersComplete()
{
    m_inHeaders = false;
    const std::string_view first = m_packets.empty() ? std::string_view {} : m_packets.front();
    m_rate = 0;
    if (first.starts_with("\x01vorbis") && first.size() >= 16) {
        m_chain.format = RecordedFormat::OggVorbis;
        m_rate = static_cast<std::uint32_t>(little(first, 12, 4));
    } else if (first.starts_with("OpusHead")) {
        m_chain.format = RecordedFormat::OggOpus;
        m_rate = 48000;
    } else if (first.starts_with("\x7F"
                                 "FLAC")
        && first.size() >= 30) {
        m_chain.format = RecordedFormat::OggFlac;
        const auto byte
            = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(first[i])); };
        m_rate = (byte(27) << 12U) | (byte(28) << 4U) | (byte(29) >> 4U);
    }
    for (std::size_t i = 1; i < m_packets.size(); ++i) {
        const std::string_view packet = m_packets[i];
        if (packet.starts_with("\x03vorbis")) {
            readComments(packet, 7, m_chain);
        } else if (packet.starts_with("OpusTags")) {
            readComments(packet, 8, m_chain);
        } else if (m_chain.format == RecordedFormat::OggFlac && !packet.empty() && (packet[0] & 0x7F) == 4) {
            readComments(packet, 4, m_chain);
        }
    }
    if (onChainHeaders) {
        onChainHeaders(m_chain);
    }
}

} // namespace Vello
