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

TEST(FolderDocumentStoreTest, WritesWholeDocumentsAndReadsOnlyItsOwn)
{
    QTemporaryDir root;
    // The folder is made on the first write.
    FolderDocumentStore store(root.filePath(QStringLiteral("config/PembaVello")));
    EXPECT_EQ(store.read("songs.json"), std::nullopt);

    const std::string first = "{\"songs\": [\"caf\xC3\xA9\"]}\n";
    ASSERT_TRUE(store.write("songs.json", first));
    EXPECT_EQ(store.read("songs.json"), first);

    // A write that cannot finish leaves the old document as it was. Files may grow only to
    // 4 KiB meanwhile, root or not, and writing past that fails instead of stopping the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit fileSize {};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    const rlimit saved = fileSize;
    fileSize.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &fileSize);
    EXPECT_FALSE(store.write("songs.json", std::string(64 * 1024, 'x')));
    setrlimit(RLIMIT_FSIZE, &saved);
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
