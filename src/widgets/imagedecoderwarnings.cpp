#include "imagedecoderwarnings.h"

#include <QLoggingCategory>

#include <array>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string_view>

namespace Vello {

namespace {

QLoggingCategory::CategoryFilter previousFilter = nullptr;

void filterImageDecoders(QLoggingCategory* category)
{
    if (previousFilter != nullptr) {
        previousFilter(category);
    }
    // Qt's own decoders log under qt.gui.imageio (qt.gui.imageio.jpeg and so on).
    constexpr const char* decoders = "qt.gui.imageio";
    if (std::strncmp(category->categoryName(), decoders, std::strlen(decoders)) == 0) {
        category->setEnabled(QtWarningMsg, false);
        category->setEnabled(QtInfoMsg, false);
        category->setEnabled(QtDebugMsg, false);
    }
}

constexpr std::array<std::uint32_t, 256> crcTable = [] {
    std::array<std::uint32_t, 256> table {};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1U) != 0 ? 0xedb88320U ^ (c >> 1U) : c >> 1U;
        }
        table[n] = c;
    }
    return table;
}();

std::uint32_t crc32(QByteArrayView bytes)
{
    std::uint32_t c = 0xffffffffU;
    for (const char byte : bytes) {
        c = crcTable[(c ^ static_cast<unsigned char>(byte)) & 0xffU] ^ (c >> 8U);
    }
    return c ^ 0xffffffffU;
}

std::uint32_t bigEndian(QByteArrayView bytes)
{
    std::uint32_t value = 0;
    for (const char byte : bytes.first(4)) {
        value = (value << 8U) | static_cast<unsigned char>(byte);
    }
    return value;
}

} // namespace

bool isWholeImage(QByteArrayView data)
{
    constexpr std::string_view signature("\x89PNG\r\n\x1a\n", 8);
    if (!data.startsWith(QByteArrayView(signature.data(), static_cast<qsizetype>(signature.size())))) {
        return true;
    }
    // Chunks: a length, a four-letter type, the data, and a checksum of type and data.
    qsizetype at = 8;
    while (data.size() - at >= 12) {
        const std::uint32_t length = bigEndian(data.sliced(at));
        if (length > 0x7fffffffU || static_cast<qsizetype>(length) > data.size() - at - 12) {
            return false;
        }
        const QByteArrayView typed = data.sliced(at + 4, 4 + static_cast<qsizetype>(length));
        const bool critical = (static_cast<unsigned char>(typed.front()) & 0x20U) == 0;
        if (critical && crc32(typed) != bigEndian(data.sliced(at + 8 + static_cast<qsizetype>(length)))) {
            return false;
        }
        if (typed.first(4) == QByteArrayView("IEND")) {
            return true;
        }
        at += 12 + static_cast<qsizetype>(length);
    }
    return false;
}

void silenceImageDecoderWarnings()
{
    static std::once_flag installed;
    std::call_once(installed, [] { previousFilter = QLoggingCategory::installFilter(filterImageDecoders); });
}

} // namespace Vello
