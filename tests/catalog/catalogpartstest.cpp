#include "catalog/catalogparts.h"
#include "catalog/catalogdecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace Vello {
namespace {

// Cutting a document between stations must never change what it decodes to, and only a
// document that does not decode may be read a second time.
TEST(CatalogParts, DecodeAsTheWholeDocumentDoesReadingAWellFormedOneOnce)
{
    const std::string many = [] {
        std::string document = "[";
        for (int i = 0; i < 40; ++i) {
            // "},{" inside a name and inside a nested value look like a cut between stations.
            document += (i > 0 ? ",\n" : "") + std::string(R"({"name": "s)") + std::to_string(i)
                + R"(},{", "tags": "a,b", "extra": [1, {"x": "]}"}, {}], "votes": )" + std::to_string(i) + "}";
        }
        return document + "]\n";
    }();
    struct Case {
        const char* name;
        std::string document;
        bool wellFormed;
    };
    const Case cases[] = {
        {"many stations", many, true},
        {"brackets, commas and escaped quotes in strings",
            R"( [{"name": "a, [b] {c}", "url": "x\"],\\"}, {"name": "\\\\\"", "state": "}"}] )", true},
        {"byte order mark", "\xEF\xBB\xBF\t[{}]", true},
        {"empty array", "[ ]", true},
        {"empty document", "", false},
        {"blank document", "  \n", false},
        {"not an array", R"({"name": "a"})", false},
        {"web page", "<html>[]</html>", false},
        {"trailing comma", R"([{"name": "a"},])", false},
        {"missing station", R"([{"name": "a"},,{}])", false},
        {"cut off in a string", R"([{"name": "a"}, {"name": "b)", false},
        {"cut off between stations", R"([{"name": "a"}, )", false},
        {"text after the array", R"([{"name": "a"}] x)", false},
        {"stray brace", R"([{"name": "a"}}, {}])", false},
        {"wrong type late", many.substr(0, many.size() - 3) + R"(, {"votes": "7"}])", false},
        {"invalid UTF-8 late", many.substr(0, many.size() - 3) + ", {\"name\": \"\xC3\"}]", false},
    };
    for (const Case& c : cases) {
        for (const std::size_t partBytes : {std::size_t {1}, std::size_t {150}, std::size_t {1} << 20U}) {
            for (const std::size_t chunk : {std::size_t {3}, std::size_t {4096}}) {
                SCOPED_TRACE(std::string(c.name) + ", parts of " + std::to_string(partBytes) + ", read by "
                    + std::to_string(chunk));
                int opened = 0;
                const auto result = decodeCatalogInParts(
                    [&]() -> std::optional<DocumentStream> {
                        ++opened;
                        return DocumentStream {
                            [&, at = std::size_t {0}](char* into, std::size_t size) mutable {
                                const std::size_t n = std::min({size, chunk, c.document.size() - at});
                                std::memcpy(into, c.document.data() + at, n);
                                at += n;
                                return static_cast<std::ptrdiff_t>(n);
                            },
                            c.document.size()};
                    },
                    partBytes);
                EXPECT_EQ(result, decodeCatalog(c.document));
                EXPECT_EQ(opened, c.wellFormed ? 1 : 2);
            }
        }
    }
}

} // namespace
} // namespace Vello
