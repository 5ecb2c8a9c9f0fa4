#pragma once

#include "ports/documentstore.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace Vello {

// Documents held in memory.
class MemoryDocumentStore final : public DocumentStore {
public:
    std::map<std::string, std::string, std::less<>> documents;

    std::optional<std::string> read(std::string_view name) const override
    {
        const auto found = documents.find(name);
        return found == documents.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    bool write(std::string_view name, std::string_view bytes) override
    {
        documents.insert_or_assign(std::string(name), std::string(bytes));
        return true;
    }
};

} // namespace Vello
