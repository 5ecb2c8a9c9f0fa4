#pragma once

#include "base/error.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace Vello {

// Files of the person's are read only when they are regular files of a size known before they are
// read: a FIFO, a device or a link to one would hang the reader or grow it without end.

// Why the file at `path` is not one to read: no regular file, or larger than `maxBytes`. Nothing
// when it is one, or when there is none.
[[nodiscard]] std::optional<Text> unreadableReason(const QString& path, qint64 maxBytes);

// The bytes of the file at `path`; nothing when there is none; why not when it is not one to
// read or the system refuses it.
[[nodiscard]] Result<std::optional<QByteArray>> readRegularFile(const QString& path, qint64 maxBytes);

// Renames the file (or link, or FIFO) at `path` to a free name beside it with today's date,
// "songs-2025-06-01.json", then "songs-2025-06-01-2.json", ...: the new path, to show, or why it
// could not.
[[nodiscard]] Result<std::string> setFileAside(const QString& path);

} // namespace Vello
