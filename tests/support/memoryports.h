#pragma once

#include "ports/documentstore.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// Preferences held in memory, with the number of writes per key.
class MemoryPreferences final : public Preferences {
public:
    std::map<std::string, std::vector<std::string>> values;
    std::map<std::string, double> numbers;
    std::map<std::string, bool> flags;
    std::map<std::string, std::string> texts;
    std::map<std::string, int> writes;

    std::vector<std::string> stringList(const std::string& key) const override
    {
        return get(values, key).value_or(std::vector<std::string>());
    }
    void setStringList(const std::string& key, const std::vector<std::string>& list) override
    {
        put(values, key, list);
    }
    std::optional<double> number(const std::string& key) const override { return get(numbers, key); }
    void setNumber(const std::string& key, double value) override { put(numbers, key, value); }
    std::optional<bool> flag(const std::string& key) const override { return get(flags, key); }
    void setFlag(const std::string& key, bool value) override { put(flags, key, value); }
    std::optional<std::string> text(const std::string& key) const override { return get(texts, key); }
    void setText(const std::string& key, const std::string& value) override { put(texts, key, value); }

private:
    template <typename T> static std::optional<T> get(const std::map<std::string, T>& map, const std::string& key)
    {
        const auto found = map.find(key);
        return found == map.end() ? std::nullopt : std::optional(found->second);
    }
    template <typename T> void put(std::map<std::string, T>& map, const std::string& key, const T& value)
    {
        map[key] = value;
        ++writes[key];
    }
};

// Documents held in memory, with the number of writes per document. One over the size a reader
// asks for reads as too large; one set aside moves to its name with " set aside" added.
class MemoryDocumentStore final : public DocumentStore {
public:
    std::map<std::string, std::string, std::less<>> documents;
    std::map<std::string, int, std::less<>> writes;

    Result<std::optional<std::string>> read(std::string_view name, std::size_t maxBytes) const override
    {
        const auto found = documents.find(name);
        if (found == documents.end()) {
            return std::nullopt;
        }
        if (found->second.size() > maxBytes) {
            return Error {Text::verbatim("too large")};
        }
        return found->second;
    }
    bool write(std::string_view name, std::string_view bytes) override
    {
        documents.insert_or_assign(std::string(name), std::string(bytes));
        ++writes[std::string(name)];
        return true;
    }
    Result<std::string> setAside(std::string_view name) override
    {
        auto node = documents.extract(std::string(name));
        node.key() += " set aside";
        return documents.insert(std::move(node)).position->first;
    }
};

} // namespace Vello
