#pragma once

#include "keptstream.h"
#include "oggpages.h"
#include "streamtap.h"

#include "ports/recorder.h"

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

namespace Vello {

class MainQueue;
class PieceFile;

// Takes a tapped stream into a `KeptStream` and cuts it into songs at its title changes, and
// writes the pieces that recordings and saved songs ask for, on a thread of its own: the stream's
// threads only queue what they tap and never wait on the disk. Its events reach the GUI thread
// through the main queue.
class StreamKeeper final : public TapListener {
public:
    using EventHandler = std::function<void(const RecorderEvent&)>;

    // `mainQueue` must outlive the keeper; `onEvent` is called on the GUI thread.
    StreamKeeper(std::filesystem::path folder, std::chrono::milliseconds length, MainQueue& mainQueue,
        const std::shared_ptr<EventHandler>& onEvent);
    // Closes what it writes (each file whole), and deletes what it kept.
    ~StreamKeeper() override;

    StreamKeeper(const StreamKeeper&) = delete;
    StreamKeeper& operator=(const StreamKeeper&) = delete;

    void tappedFormat(RecordedFormat format) override;
    void tappedBytes(std::uint64_t offset, const std::uint8_t* data, std::size_t size) override;
    void tappedTitle(std::string title, std::string artist) override;
    void tappedFrame(std::uint64_t offset, std::int64_t streamTimeNs) override;
    void tappedEnd() override;

    void startRecording(std::filesystem::path folder, std::shared_ptr<const RecordingRules> rules);
    void stopRecording();
    void saveSong(std::uint64_t songId, std::filesystem::path folder, std::shared_ptr<const RecordingRules> rules);

    [[nodiscard]] const std::shared_ptr<KeptStream>& kept() const { return m_kept; }

private:
    struct Bytes {
        std::uint64_t offset;
        std::vector<std::uint8_t> data;
    };
    struct Title {
        std::string title;
        std::string artist;
    };
    struct Frame {
        std::uint64_t offset;
        std::int64_t timeNs;
    };
    struct End { };
    struct StartRecording {
        std::filesystem::path folder;
        std::shared_ptr<const RecordingRules> rules;
    };
    struct StopRecording { };
    struct SaveSong {
        std::uint64_t songId;
        std::filesystem::path folder;
        std::shared_ptr<const RecordingRules> rules;
    };
    using Item = std::variant<RecordedFormat, Bytes, Title, Frame, End, StartRecording, StopRecording, SaveSong>;

    struct Song {
        RecordedSong info;
        std::uint64_t start = 0;
        std::optional<std::uint64_t> end;
        bool endsAtTitleChange = false;
        bool timed = false;
        // An Ogg chain's title comes with its headers, a page or two after it begins.
        bool titled = true;
        // An Ogg chain's header pages.
        std::string headers;
    };
    struct Job {
        bool recording = false;
        std::filesystem::path folder;
        std::shared_ptr<const RecordingRules> rules;
        std::uint64_t songId = 0;
        std::uint64_t next = 0;
        std::optional<std::uint64_t> stopAt;
        std::unique_ptr<PieceFile> file;
        std::vector<RecordedPiece> written;
    };

    void push(Item item);
    void run();
    void take(RecordedFormat format);
    void take(Bytes& bytes);
    void take(Title& title);
    void take(const Frame& frame);
    void take(End);
    void take(StartRecording& start);
    void take(StopRecording);
    void take(SaveSong& save);
    // Writes what each job can now write; true for a job that is done.
    [[nodiscard]] bool advance(Job& job);
    void finish(Job& job, std::optional<RecorderFailed> failure);
    [[nodiscard]] Song* song(std::uint64_t id);
    // The song playing ends at `at`, where one named `title` begins.
    void cut(std::uint64_t at, std::string title, std::string artist, bool titled);
    void named(Song& song, std::string title, std::string artist);
    void chainHeaders(const OggPages::Chain& chain);
    // What a file from `at` within `song` needs in front of the bytes.
    [[nodiscard]] std::string headersFor(const Song& song, std::uint64_t at) const;
    void post(RecorderEvent event);

    std::shared_ptr<KeptStream> m_kept;
    MainQueue& m_mainQueue;
    std::weak_ptr<EventHandler> m_onEvent;

    std::mutex m_mutex;
    std::condition_variable m_queued;
    std::deque<Item> m_items;
    std::size_t m_queuedBytes = 0;
    bool m_quit = false;
    bool m_overrun = false;

    // The keeper's thread only, from here on.
    std::optional<RecordedFormat> m_format;
    std::optional<std::uint64_t> m_base;
    std::string m_streamStart;
    // FLAC's header, to begin each file with; empty for other formats.
    std::optional<std::string> m_streamHeader;
    bool m_keptFailed = false;
    std::deque<Song> m_songs;
    // Ogg streams are read page by page.
    bool m_ogg = false;
    OggPages m_oggPages;
    std::vector<Job> m_jobs;
    std::thread m_thread;
};

} // namespace Vello
