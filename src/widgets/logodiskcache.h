#pragma once

#include <QImage>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

namespace Vello {

// Station logos kept on disk between runs, one PNG per address named by a hash of it, so a
// start without the network still shows them. The total stays under a cap by removing the
// least recently used first; a file's modification time says when it was fetched, its access
// time when it was last shown. Safe to use from any thread.
//
// Reading takes no lock and writing happens on a thread of its own at idle priority, so the
// window never waits for a logo being encoded, written or trimmed, even with every core busy.
class LogoDiskCache final {
public:
    static constexpr qint64 defaultCapBytes = qint64 {50} * 1024 * 1024;
    static constexpr std::chrono::hours maxAge {24 * 7};
    static constexpr int maxQueued = 256;

    struct Entry {
        QImage image;
        // Fetched longer ago than maxAge: show it, and fetch it again in the background.
        bool stale = false;
    };

    explicit LogoDiskCache(QString folder, qint64 capBytes = defaultCapBytes);

    // $XDG_CACHE_HOME/PembaVello/logos.
    [[nodiscard]] static QString defaultFolder();

    // Writes what is still queued.
    ~LogoDiskCache();

    LogoDiskCache(const LogoDiskCache&) = delete;
    LogoDiskCache& operator=(const LogoDiskCache&) = delete;

    // The logo kept for `address`, marked as used now. A file that does not decode is removed
    // and counts as missing.
    [[nodiscard]] std::optional<Entry> read(const QString& address);
    // Queues `image` to be written for `address` in one piece, after which the least recently
    // used files are removed while the folder holds more than the cap. Beyond maxQueued waiting
    // writes, a logo is not kept.
    void store(const QString& address, const QImage& image);
    // Returns once every queued logo is written.
    void flush();
    // The file of `address` when one is kept, otherwise empty.
    [[nodiscard]] QString existingFile(const QString& address) const;

    [[nodiscard]] QString pathFor(const QString& address) const;
    [[nodiscard]] const QString& folder() const { return m_folder; }

private:
    // On the writing thread.
    void write(const QString& address, const QImage& image);
    void trim();

    const QString m_folder;
    const qint64 m_capBytes;
    // The folder's size as last counted plus what was written since; unknown until first needed.
    // Guarded by m_mutex, which is held for nothing else.
    std::optional<qint64> m_bytes;
    std::mutex m_mutex;
    std::atomic<int> m_queued {0};
    // Last: its thread is done before anything it uses goes.
    QThreadPool m_writer;
};

} // namespace Vello
