#pragma once

#include "listdocument.h"

#include "base/text.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

class DocumentStore;

// A list document of the person's own kept in a DocumentStore (the songs heard, the stations
// added by hand), read at start and written whole after changes. Nothing it could not read is
// ever written over: such a file is set aside whole, beside it, and a document of what could be
// read takes its place. A document of a newer version is read but never written. Entries the
// reader leaves out are written back as they were.
class StoredList final {
public:
    // Adds the list's entries, as they are now, to a document being written.
    using Writer = std::function<void(ListDocument&)>;

    enum class Saved {
        Yes,
        // The store could not write it; the old document stays.
        Failed,
        // The document would be larger than the format lets it be read back.
        TooLarge,
        // Nothing is written to this document in this run (see restore()).
        NotWritable,
    };

    StoredList(DocumentStore& store, std::string_view name, const ListFormat& format, Writer write);

    // Reads the document, handing each entry to `take`. What the person is told, once: that the
    // file was set aside, or is left as it is and nothing will be written to it.
    [[nodiscard]] std::optional<Text> restore(const ListDocument::Reader& take);
    Saved save();
    // Forgets the entries left out at restore: the next save writes only the list's own.
    void forgetLeftOut() { m_leftOut.clear(); }
    [[nodiscard]] bool isWritable() const { return m_writable; }
    [[nodiscard]] std::string_view name() const { return m_name; }

private:
    DocumentStore& m_store;
    std::string_view m_name;
    ListFormat m_format;
    Writer m_write;
    std::vector<std::string> m_leftOut;
    bool m_writable = true;
};

} // namespace Vello
