#pragma once

#include <QCache>
#include <QImage>
#include <QString>

#include <cstddef>
#include <mutex>
#include <optional>

namespace Vello {

// Decoded station logos by address, shared by every row and safe to use from any thread. The
// total size of the pictures is bounded: the least recently used ones go first.
class ArtworkCache final {
public:
    explicit ArtworkCache(std::size_t maxBytes);

    [[nodiscard]] std::optional<QImage> find(const QString& address) const;
    void insert(const QString& address, const QImage& image);
    [[nodiscard]] std::size_t count() const;

private:
    mutable std::mutex m_mutex;
    mutable QCache<QString, QImage> m_images;
};

} // namespace Vello
