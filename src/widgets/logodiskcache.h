#pragma once

#include <QImage>
#include <QString>

#include <chrono>
#include <mutex>
#include <optional>

namespace Vello {

// Station logos kept on disk between runs, one PNG per address named by a hash of it, so a
// start without the network still shows them. The total stays under a cap by removing the
// least recently used first; a file's modification time says when it was fetched, its access
// time when it was last shown. Safe to use from any thread.
class LogoDiskCache final {
public:
    static constexpr qint64 defaultCapBytes = qint64 {50} * 1024 * 1024;
    static constexpr std::chrono::hours maxAge {24 * 7};

    struct Entry {
        QImage image;
        // Fetched longer ago than maxAge: show it, and fetch it again in the background.
        bool stale = false;
    };

    explicit LogoDiskCache(QString folder, qint64 capBytes = defaultCapBytes);

    // $XDG_CACHE_HOME/PembaVello/logos.
    [[nodiscard]] static QString defaultFolder();

    // The logo kept for `address`, marked as used now. A file that does not decode is removed
    // and counts as missing.
    [[nodiscard]] std::optional<Entry> read(const QString& address);
    // Writes `image` for `address` in one piece, then removes the least recently used files
    // while the folder holds more than the cap.
    void store(const QString& address, const QImage& image);
    // The file of `address` when one is kept, otherwise empty.
    [[nodiscard]] QString existingFile(const QString& address) const;

    [[nodiscard]] QString pathFor(const QString& address) const;
    [[nodiscard]] const QString& folder() const { return m_folder; }

private:
    void trimLocked();

    const QString m_folder;
    const qint64 m_capBytes;
    mutable std::mutex m_mutex;
    // The folder's size as last counted plus what was written since; unknown until first needed.
    std::optional<qint64> m_bytes;
};

} // namespace Vello
