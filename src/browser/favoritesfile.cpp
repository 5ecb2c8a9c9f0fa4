#include "favoritesfile.h"

#include "storage/listdocument.h"

namespace Vello {

namespace {

constexpr ListFormat fileFormat {{}, 0, FavoritesFile::maxBytes};

} // namespace

std::string FavoritesFile::write(const std::vector<FavoriteEntry>& entries)
{
    ListDocument document(fileFormat);
    for (const FavoriteEntry& entry : entries) {
        document.beginEntry();
        document.addText("id", entry.id);
        document.addText("name", entry.name);
        if (const auto& own = entry.own) {
            document.addText("url", own->address);
            document.addText("favicon", own->logo);
            document.addText("tags", own->tags);
            if (!entry.favorite) {
                document.addFlag("favorite", false);
            }
        }
    }
    return document.finish();
}

Result<FavoritesFile::Contents> FavoritesFile::read(std::string_view text)
{
    Contents contents;
    const ListReading reading = ListDocument::read(text, fileFormat, [&contents](const ListEntry& item) {
        const auto id = item.text("id");
        const auto name = item.text("name");
        if (!id || id->empty() || !name) {
            return EntryTaken::LeftOut;
        }
        FavoriteEntry entry {std::string(*id), std::string(*name)};
        const auto url = item.text("url");
        if (OwnStations::isOwnId(*id) && url) {
            entry.own = StationDraft {std::string(*name), std::string(*url),
                std::string(item.text("favicon").value_or("")), std::string(item.text("tags").value_or(""))};
            entry.favorite = item.flag("favorite").value_or(true);
        }
        contents.entries.push_back(std::move(entry));
        return EntryTaken::Yes;
    });
    switch (reading.fault) {
    case ListReading::Fault::TooLarge:
        return Error {VELLO_TR("Core", "The file is too large to be a list of favourite stations.")};
    case ListReading::Fault::Damaged:
        return Error {VELLO_TR("Core", "The file is damaged: it is not valid JSON.")};
    case ListReading::Fault::Foreign:
        break;
    case ListReading::Fault::None:
        // Entries that are no station are skipped, unless nothing in the file is one.
        if (!contents.entries.empty() || reading.leftOut.empty()) {
            contents.notStations = reading.leftOut.size();
            return contents;
        }
    }
    return Error {VELLO_TR("Core", "The file is not a list of favourite stations.")};
}

} // namespace Vello
