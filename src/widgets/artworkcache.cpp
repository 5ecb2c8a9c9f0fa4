#include "artworkcache.h"

#include <algorithm>
#include <limits>

namespace Vello {

ArtworkCache::ArtworkCache(std::size_t maxBytes)
    : m_images(static_cast<qsizetype>(
        std::min<std::size_t>(maxBytes, static_cast<std::size_t>(std::numeric_limits<qsizetype>::max()))))
{
}

std::optional<QImage> ArtworkCache::find(const QString& address) const
{
    const std::lock_guard lock(m_mutex);
    const QImage* image = m_images.object(address);
    if (image == nullptr) {
        return std::nullopt;
    }
    return *image;
}

void ArtworkCache::insert(const QString& address, const QImage& image)
{
    if (image.isNull()) {
        return;
    }
    const std::lock_guard lock(m_mutex);
    // A picture larger than the whole budget is refused (QCache deletes it).
    m_images.insert(address, new QImage(image), std::max<qsizetype>(image.sizeInBytes(), 1));
}

std::size_t ArtworkCache::count() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<std::size_t>(m_images.count());
}

} // namespace Vello
