#include "platform/folderdocumentstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>

#include <sys/resource.h>

namespace Vello {
namespace {

// Files may grow to at most `bytes` while it lives, root or not; writing past that fails
// instead of stopping the process.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(FolderDocumentStoreTest, WritesWholeDocumentsAndReadsOnlyItsOwn)
{
    QTemporaryDir root;
    // The folder is made on the first write.
    FolderDocumentStore store(root.filePath(QStringLiteral("config/PembaVello")));
    EXPECT_EQ(store.read("songs.json"), std::nullopt);

    const std::string first = "{\"songs\": [\"caf\xC3\xA9\"]}\n";
    ASSERT_TRUE(store.write("songs.json", first));
    EXPECT_EQ(store.read("songs.json"), first);
    EXPECT_EQ(FolderDocumentStore(root.filePath(QStringLiteral("config/PembaVello"))).read("songs.json"), first);

    // A write that cannot finish leaves the old document as it was.
    {
        const FileSizeLimit limit(4096);
        EXPECT_FALSE(store.write("songs.json", std::string(64 * 1024, 'x')));
    }
    EXPECT_EQ(store.read("songs.json"), first);

    // A file over the limit is not read (sparse: it takes no room on the disk).
    QFile huge(root.filePath(QStringLiteral("config/PembaVello/huge.json")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(FolderDocumentStore::maxBytes + 1));
    huge.close();
    EXPECT_EQ(store.read("huge.json"), std::nullopt);
}

} // namespace
} // namespace Vello
