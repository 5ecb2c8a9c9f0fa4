#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace simdjson::dom {
class element;
} // namespace simdjson::dom

namespace Vello {

// How a list document is laid out: the list is the document itself (no `key`: the favourites
// file) or the member `key` beside the "version" that wrote it (the player's own documents);
// and the most bytes it takes, read or written.
struct ListFormat final {
    std::string_view key;
    std::int64_t version = 0;
    std::size_t maxBytes = 0;
};

// One entry of a list as its reader sees it: a member's value, or nothing when the member is
// missing or of another type, or the entry is no object.
class ListEntry final {
public:
    explicit ListEntry(const simdjson::dom::element& item)
        : m_item(item)
    {
    }

    [[nodiscard]] std::optional<std::string_view> text(std::string_view key) const;
    [[nodiscard]] std::optional<std::int64_t> integer(std::string_view key) const;
    [[nodiscard]] std::optional<bool> flag(std::string_view key) const;

private:
    const simdjson::dom::element& m_item;
};

// What a reader did with an entry: took it into its list; left it out, as not one it can use
// (it stays in the file); or had no room left for it.
enum class EntryTaken { Yes, LeftOut, NoRoom };

// What reading a list document found, beside the entries its reader took.
struct ListReading final {
    enum class Fault {
        None,
        // Over the format's maxBytes: nothing was read.
        TooLarge,
        // Not JSON, as when cut short: the entries before the damage were read, if any.
        Damaged,
        // JSON of another shape, or without a version: nothing was read.
        Foreign,
    };

    Fault fault = Fault::None;
    // A newer version of the player wrote it; what this one knows of its entries was read.
    bool newer = false;
    // The entries left out, as they were stored, to be written back after the others.
    std::vector<std::string> leftOut;
    // How many entries there was no room for.
    std::size_t noRoom = 0;
};

// A small JSON document holding one list of objects of texts, numbers and flags, one entry to a
// line: written whole, read with a cap on its size, and read as far as it goes when cut short.
// The favourites file and the player's own documents are such documents.
class ListDocument final {
public:
    using Reader = std::function<EntryTaken(const ListEntry&)>;

    // Hands each entry of `bytes` to `take`, in order.
    [[nodiscard]] static ListReading read(std::string_view bytes, const ListFormat& format, const Reader& take);

    // Starts writing a document of `format`.
    explicit ListDocument(const ListFormat& format);

    // Starts the next entry: the members added from now on are its own.
    void beginEntry();
    void addText(std::string_view key, std::string_view value);
    void addInteger(std::string_view key, std::int64_t value);
    void addFlag(std::string_view key, bool value);
    // Adds an entry as it was read (one of ListReading::leftOut).
    void addStored(std::string_view entry);
    // The document written.
    [[nodiscard]] std::string finish();

private:
    void endEntry();
    void beginMember(std::string_view key);

    std::string m_out;
    bool m_bare = false;
    bool m_empty = true;
    bool m_inEntry = false;
    bool m_firstMember = true;
};

} // namespace Vello
