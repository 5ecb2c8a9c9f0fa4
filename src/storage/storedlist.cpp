#include "storedlist.h"

#include "ports/documentstore.h"

#include <utility>
#include <variant>

namespace Vello {

StoredList::StoredList(DocumentStore& store, std::string_view name, const ListFormat& format, Writer write)
    : m_store(store)
    , m_name(name)
    , m_format(format)
    , m_write(std::move(write))
{
}

std::optional<Text> StoredList::restore(const ListDocument::Reader& take)
{
    m_leftOut.clear();
    m_writable = true;
    const Result<std::optional<std::string>> stored = m_store.read(m_name, m_format.maxBytes);
    Text why;
    if (const auto* error = std::get_if<Error>(&stored)) {
        why = error->description;
    } else {
        const auto& bytes = std::get<std::optional<std::string>>(stored);
        if (!bytes) {
            return std::nullopt;
        }
        ListReading reading = ListDocument::read(*bytes, m_format, take);
        m_leftOut = std::move(reading.leftOut);
        using Fault = ListReading::Fault;
        if (reading.fault == Fault::None && reading.newer) {
            m_writable = false;
            return Text(VELLO_TR("Core",
                            "“%1” was saved by a newer version of Pemba Vello. What this version knows of it is "
                            "shown, but it is left as it is: changes made now are not kept."),
                {Text::verbatim(std::string(m_name))});
        }
        if (reading.fault == Fault::None && reading.noRoom == 0) {
            return std::nullopt;
        }
        why = reading.fault == Fault::None     ? VELLO_TR("Core", "It holds more entries than the player keeps.")
            : reading.fault == Fault::TooLarge ? VELLO_TR("Core", "It is larger than the player reads.")
                                               : VELLO_TR("Core", "It is damaged.");
    }
    const Result<std::string> aside = m_store.setAside(m_name);
    if (std::holds_alternative<std::string>(aside)) {
        // What was read takes the old file's place at once: the next start lists it too.
        (void)save();
    } else {
        m_writable = false;
    }
    return setAsideNotice(m_name, why, aside);
}

StoredList::Saved StoredList::save()
{
    if (!m_writable) {
        return Saved::NotWritable;
    }
    ListDocument document(m_format);
    m_write(document);
    for (const std::string& entry : m_leftOut) {
        document.addStored(entry);
    }
    const std::string bytes = document.finish();
    if (bytes.size() > m_format.maxBytes) {
        return Saved::TooLarge;
    }
    return m_store.write(m_name, bytes) ? Saved::Yes : Saved::Failed;
}

} // namespace Vello
