#include "streamkeeper.h"

#include "piecefile.h"

#include "ports/mainqueue.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace Vello {
namespace {

// What the stream's threads may queue before the disk catches up: minutes of any radio stream.
// Beyond it the keeper gives up rather than hold the stream or grow without bound.
constexpr std::size_t maxQueuedBytes = 8 * 1024 * 1024;
// A FLAC stream's header is read from its first bytes; one larger than this is not kept.
constexpr std::size_t maxStreamHeader = 256 * 1024;
// A station that changes its title many times a second cannot make the list of songs grow
// without bound, nor any one title.
constexpr std::size_t maxSongs = 4096;
constexpr std::size_t maxTitleBytes = 1024;

std::chrono::milliseconds toMilliseconds(std::int64_t nanoseconds)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::nanoseconds(nanoseconds));
}

} // namespace

StreamKeeper::StreamKeeper(std::filesystem::path folder, std::chrono::milliseconds length, MainQueue& mainQueue,
    const std::shared_ptr<EventHandler>& onEvent)
    : m_kept(std::make_shared<KeptStream>(std::move(folder), length))
    , m_mainQueue(mainQueue)
    , m_onEvent(onEvent)
    , m_thread([this] { run(); })
{
    Song first;
    first.info.id = 1;
    m_songs.push_back(std::move(first));
    m_oggPages.onChainStart = [this](std::uint64_t at) {
        if (at > 0) {
            cut(at, {}, {}, false);
        }
    };
    m_oggPages.onChainHeaders = [this](const OggPages::Chain& chain) { chainHeaders(chain); };
    m_oggPages.onPage = [this](std::uint64_t at, std::int64_t timeNs) { take(Frame {at + *m_base, timeNs}); };
}

StreamKeeper::~StreamKeeper()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_queued.notify_one();
    m_thread.join();
    m_kept->close();
}

void StreamKeeper::push(Item item)
{
    {
        std::lock_guard lock(m_mutex);
        if (auto* bytes = std::get_if<Bytes>(&item)) {
            if (m_overrun || m_queuedBytes + bytes->data.size() > maxQueuedBytes) {
                m_overrun = true;
                return;
            }
            m_queuedBytes += bytes->data.size();
        }
        m_items.push_back(std::move(item));
    }
    m_queued.notify_one();
}

void StreamKeeper::tappedFormat(RecordedFormat format)
{
    push(format);
}

void StreamKeeper::tappedBytes(std::uint64_t offset, const std::uint8_t* data, std::size_t size)
{
    push(Bytes {offset, {data, data + size}});
}

void StreamKeeper::tappedTitle(std::string title, std::string artist)
{
    title.resize(std::min(title.size(), maxTitleBytes));
    artist.resize(std::min(artist.size(), maxTitleBytes));
    push(Title {std::move(title), std::move(artist)});
}

void StreamKeeper::tappedFrame(std::uint64_t offset, std::int64_t streamTimeNs)
{
    push(Frame {offset, streamTimeNs});
}

void StreamKeeper::tappedEnd()
{
    push(End {});
}

void StreamKeeper::startRecording(std::filesystem::path folder, std::shared_ptr<const RecordingRules> rules)
{
    push(StartRecording {std::move(folder), std::move(rules)});
}

void StreamKeeper::stopRecording()
{
    push(StopRecording {});
}

void StreamKeeper::saveSong(
    std::uint64_t songId, std::filesystem::path folder, std::shared_ptr<const RecordingRules> rules)
{
    push(SaveSong {songId, std::move(folder), std::move(rules)});
}

void StreamKeeper::run()
{
    for (;;) {
        Item item;
        {
            std::unique_lock lock(m_mutex);
            m_queued.wait(lock, [&] { return m_quit || !m_items.empty(); });
            if (m_items.empty()) {
                break;
            }
            item = std::move(m_items.front());
            m_items.pop_front();
            if (const auto* bytes = std::get_if<Bytes>(&item)) {
                m_queuedBytes -= bytes->data.size();
            }
        }
        std::visit([&](auto& taken) { take(taken); }, item);
        std::erase_if(m_jobs, [&](Job& job) { return advance(job); });
    }
    // Quitting: the files being written end where the stream got to.
    for (Job& job : m_jobs) {
        job.stopAt = m_kept->newest();
        static_cast<void>(advance(job));
    }
}

void StreamKeeper::take(RecordedFormat format)
{
    m_format = format;
    post(RecorderFormatKnown {format});
}

void StreamKeeper::take(Bytes& bytes)
{
    if (!m_base) {
        m_base = bytes.offset;
        m_ogg = !m_format && bytes.data.size() >= 4 && std::equal(bytes.data.begin(), bytes.data.begin() + 4, "OggS");
        m_songs.front().info.startedAt = std::chrono::system_clock::now();
        m_songs.front().titled = !m_ogg;
    }
    const std::uint64_t at = m_kept->newest();
    if (!m_streamHeader) {
        m_streamStart.append(bytes.data.begin(), bytes.data.end());
        m_streamHeader = flacStreamHeader(m_streamStart);
        if (m_streamHeader || m_streamStart.size() > maxStreamHeader) {
            m_streamHeader = m_streamHeader.value_or("");
            m_streamStart = {};
            m_kept->setHeaders(0, *m_streamHeader);
        }
    }
    if (!m_kept->append(bytes.data.data(), bytes.data.size()) && !m_keptFailed) {
        m_keptFailed = true;
        qWarning("The stream's last minutes cannot be kept: the cache folder refuses them");
        post(RecorderFailed {RecorderFailure::NoRoom, {}});
    }
    if (m_ogg) {
        m_oggPages.take(at, {reinterpret_cast<const char*>(bytes.data.data()), bytes.data.size()});
    }
}

void StreamKeeper::take(Title& title)
{
    Song& last = m_songs.back();
    if (last.info.title == title.title && last.info.artist == title.artist) {
        return;
    }
    // The first title names the song the stream began in.
    if (last.info.id == 1 && last.info.title.empty() && last.info.artist.empty()) {
        named(last, std::move(title.title), std::move(title.artist));
        return;
    }
    cut(m_kept->newest(), std::move(title.title), std::move(title.artist), true);
}

void StreamKeeper::cut(std::uint64_t at, std::string title, std::string artist, bool titled)
{
    Song& last = m_songs.back();
    last.end = at;
    last.endsAtTitleChange = true;
    Song next;
    next.info.id = last.info.id + 1;
    next.info.title = std::move(title);
    next.info.artist = std::move(artist);
    next.info.startedAt = std::chrono::system_clock::now();
    next.start = at;
    next.titled = titled;
    m_songs.push_back(std::move(next));
    if (m_songs.size() > maxSongs) {
        m_songs.pop_front();
    }
}

void StreamKeeper::named(Song& song, std::string title, std::string artist)
{
    song.info.title = std::move(title);
    song.info.artist = std::move(artist);
    song.titled = true;
    if (song.timed) {
        post(SongKept {song.info});
    }
}

void StreamKeeper::chainHeaders(const OggPages::Chain& chain)
{
    if (!m_format) {
        m_format = chain.format;
        post(RecorderFormatKnown {chain.format});
    }
    m_kept->setHeaders(chain.start, chain.header);
    const auto found = std::ranges::find(m_songs, chain.start, &Song::start);
    if (found != m_songs.end()) {
        found->headers = chain.header;
        named(*found, chain.title, chain.artist);
    }
}

std::string StreamKeeper::headersFor(const Song& song, std::uint64_t at) const
{
    if (m_ogg) {
        return at == song.start ? std::string() : song.headers;
    }
    return at == 0 ? std::string() : m_streamHeader.value_or("");
}

void StreamKeeper::take(const Frame& frame)
{
    if (!m_base || frame.offset < *m_base) {
        return;
    }
    if (m_kept->noteFrame(frame.offset - *m_base, frame.timeNs)) {
        const std::uint64_t oldest = m_kept->oldest();
        std::erase_if(m_songs, [&](const Song& song) { return song.end && *song.end <= oldest; });
        post(KeptFrom {toMilliseconds(m_kept->timeAt(oldest).value_or(0))});
    }
    for (Song& song : m_songs) {
        if (!song.timed) {
            if (const auto time = m_kept->timeAt(song.start)) {
                song.timed = true;
                song.info.streamTime = toMilliseconds(*time);
                post(SongKept {song.info});
            }
        }
    }
}

void StreamKeeper::take(End)
{
    if (!m_songs.back().end) {
        m_songs.back().end = m_kept->newest();
    }
    m_kept->close();
}

void StreamKeeper::take(StartRecording& start)
{
    if (std::ranges::any_of(m_jobs, &Job::recording)) {
        return;
    }
    Job job;
    job.recording = true;
    job.folder = std::move(start.folder);
    job.rules = std::move(start.rules);
    job.songId = m_songs.back().info.id;
    job.next = m_kept->newest();
    m_jobs.push_back(std::move(job));
}

void StreamKeeper::take(StopRecording)
{
    for (Job& job : m_jobs) {
        if (job.recording && !job.stopAt) {
            job.stopAt = m_kept->newest();
        }
    }
}

void StreamKeeper::take(SaveSong& save)
{
    const Song* found = song(save.songId);
    if (found == nullptr || found->start < m_kept->oldest()) {
        post(RecorderFailed {RecorderFailure::NotKept, {}});
        return;
    }
    Job job;
    job.folder = std::move(save.folder);
    job.rules = std::move(save.rules);
    job.songId = save.songId;
    job.next = found->start;
    m_jobs.push_back(std::move(job));
}

StreamKeeper::Song* StreamKeeper::song(std::uint64_t id)
{
    const auto found = std::ranges::find_if(m_songs, [&](const Song& song) { return song.info.id == id; });
    return found == m_songs.end() ? nullptr : &*found;
}

bool StreamKeeper::advance(Job& job)
{
    for (;;) {
        const Song* current = song(job.songId);
        if (current == nullptr) {
            finish(job, RecorderFailed {RecorderFailure::NotKept, {}});
            return true;
        }
        if (!m_format || !current->titled) {
            return false;
        }
        if (*m_format == RecordedFormat::NotSavable) {
            finish(job, RecorderFailed {RecorderFailure::NotSavable, {}});
            return true;
        }
        if (!job.file) {
            RecorderFailure failure {};
            RecordedPiece piece;
            piece.song = current->info;
            piece.startsAtTitleChange = job.next == current->start && current->info.id > 1;
            job.file
                = PieceFile::open(job.folder, *job.rules, piece, *m_format, headersFor(*current, job.next), failure);
            if (!job.file) {
                finish(job, RecorderFailed {failure, {}});
                return true;
            }
            post(PieceWritten {job.file->piece(), false});
        }
        const std::uint64_t songEnd = current->end.value_or(m_kept->newest());
        const std::uint64_t limit = std::min({songEnd, job.stopAt.value_or(songEnd), m_kept->newest()});
        if (job.next < m_kept->oldest()) {
            finish(job, RecorderFailed {RecorderFailure::WriteFailed, job.file->piece().path});
            return true;
        }
        std::array<std::uint8_t, 64 * 1024> block {};
        while (job.next < limit) {
            const std::size_t got
                = m_kept->read(job.next, block.data(), std::min<std::uint64_t>(block.size(), limit - job.next));
            RecorderFailure failure {};
            if (got == 0 || !job.file->write(block.data(), got, failure)) {
                finish(job, RecorderFailed {got == 0 ? RecorderFailure::WriteFailed : failure, job.file->piece().path});
                return true;
            }
            job.next += got;
        }
        const bool songDone = current->end && job.next == *current->end;
        const bool stopped = job.stopAt && job.next >= *job.stopAt;
        if (!songDone && !stopped) {
            return false;
        }
        job.file->piece().endsAtTitleChange = songDone && current->endsAtTitleChange;
        if (!job.recording || stopped || song(job.songId + 1) == nullptr) {
            finish(job, std::nullopt);
            return true;
        }
        job.written.push_back(job.file->piece());
        post(PieceWritten {job.file->piece(), true});
        job.file.reset();
        ++job.songId;
    }
}

void StreamKeeper::finish(Job& job, std::optional<RecorderFailed> failure)
{
    if (job.file) {
        job.written.push_back(job.file->piece());
        post(PieceWritten {job.file->piece(), true});
        job.file.reset();
    }
    if (failure) {
        qWarning("Recording stopped: %s", failure->path.c_str());
        post(*failure);
    }
    if (!job.recording) {
        return;
    }
    for (const RecordedPiece& piece : job.written) {
        if (!job.rules->keeps(piece)) {
            std::error_code error;
            std::filesystem::remove(piece.path, error);
        }
    }
    post(RecordingStopped {});
}

void StreamKeeper::post(RecorderEvent event)
{
    m_mainQueue.post([onEvent = m_onEvent, event = std::move(event)] {
        if (const auto handler = onEvent.lock(); handler && *handler) {
            const EventHandler call = *handler;
            call(event);
        }
    });
}

} // namespace Vello
