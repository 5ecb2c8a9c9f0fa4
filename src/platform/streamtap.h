#pragma once

#include "ports/recorder.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

typedef struct _GstElement GstElement;
typedef struct _GstPad GstPad;

namespace Vello {

// What a tap hands on, on the stream's own thread: it must not wait on the disk.
class TapListener {
public:
    virtual ~TapListener() = default;

    virtual void tappedFormat(RecordedFormat format) = 0;
    // The next bytes of the encoded stream, as the station sent them less its ICY metadata;
    // `offset` counts from the stream's first byte.
    virtual void tappedBytes(std::uint64_t offset, const std::uint8_t* data, std::size_t size) = 0;
    // A title arrived after every byte handed on so far.
    virtual void tappedTitle(std::string title, std::string artist) = 0;
    // A frame begins at byte `offset` and is heard at `streamTimeNs` in the stream's time.
    virtual void tappedFrame(std::uint64_t offset, std::int64_t streamTimeNs) = 0;
    virtual void tappedEnd() = 0;
};

// Watches a playbin's elements as they are plugged and taps its encoded stream before the
// decoder: the bytes where the ICY demuxer or the parser receives them (so each byte is what the
// station sent, and a title falls exactly where its metadata block was), and the parser's frames
// for the times. It can also silence the output without stopping the stream.
class StreamTap final : public std::enable_shared_from_this<StreamTap> {
public:
    // Installs itself on `playbin`, before the playbin opens its stream.
    [[nodiscard]] static std::shared_ptr<StreamTap> install(GstElement* playbin);
    ~StreamTap();

    StreamTap(const StreamTap&) = delete;
    StreamTap& operator=(const StreamTap&) = delete;

    // Hands what passes from now on to `listener` (nullptr: to nobody). The format, when known, is
    // handed at once.
    void setListener(std::shared_ptr<TapListener> listener);
    // Makes the decoded audio silent in front of the output while `silenced`: the stream is still
    // read, decoded, tapped and played at its pace, and is heard again at once, in step.
    void silence(GstElement* playbin, bool silenced);

private:
    StreamTap() = default;
    struct Probe;

    void elementAdded(GstElement* element);
    void tapBytesAt(GstPad* pad);
    void tapFramesAt(GstPad* pad);
    void decide(RecordedFormat format);
    // Who listens now; the stream's threads take it before each hand-over.
    [[nodiscard]] std::shared_ptr<TapListener> listener();

    std::mutex m_mutex;
    std::shared_ptr<TapListener> m_listener;
    // Set once, under the mutex.
    bool m_tapped = false;
    bool m_sawIcy = false;
    bool m_sawOgg = false;
    bool m_sawOtherDemuxer = false;
    bool m_decided = false;
    RecordedFormat m_format = RecordedFormat::NotSavable;
    // Bytes that passed the tap: written on the stream's thread only.
    std::uint64_t m_tappedBytes = 0;
    GstPad* m_silencedAt = nullptr;
    unsigned long m_silenceProbe = 0;
};

} // namespace Vello
