#pragma once

#include <QByteArrayView>

namespace Vello {

// Artwork comes from strangers' servers and often fails to decode; the failure is handled (the
// fallback stays), so the image plug-ins' own complaints ("libpng error: Read Error") are kept
// off the terminal. Installed once for the process; later calls do nothing.
void silenceImageDecoderWarnings();

// False for a PNG that ends before its last chunk or whose critical chunks fail their
// checksum: libpng reports those on stderr itself, past any message filter, so such data must
// never reach the decoder. Other formats report through Qt, and pass.
[[nodiscard]] bool isWholeImage(QByteArrayView data);

} // namespace Vello
