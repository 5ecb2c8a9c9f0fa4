#include "catalog/stationstore.h"

#include "catalog/catalogdecoder.h"
#include "fakehttpclient.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Vello {
namespace {

// A folder of its own for each test, removed afterwards.
class ScratchFolder final {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vello-store-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary | std::ios::ate);
    std::string bytes(stream ? static_cast<std::size_t>(stream.tellg()) : 0, '\0');
    stream.seekg(0);
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::size_t temporaryFilesIn(const std::filesystem::path& folder)
{
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().starts_with("stations.json.tmp.") ? 1 : 0;
    }
    return count;
}

const std::string stationsUrl = "https://catalog.example/stations_filtered.json";

// Plays in the order a2 (score 40), a1 (score 4); a3 has no usable stream address.
const std::string cachedCatalog = R"([
  {"stationuuid": "a1", "name": "Alpha", "url_resolved": "http://a1.example/stream", "votes": 1},
  {"stationuuid": "a2", "name": "Beta", "url": "http://a2.example/stream", "url_resolved": "  ", "votes": 10},
  {"stationuuid": "a3", "name": "Gamma", "url": " ", "url_resolved": ""}
])";
// Plays in the order b3, b2, b1: ties on score go by name, ignoring case.
const std::string downloadedCatalog = R"([{"stationuuid":"b1","name":"zulu","url":"http://b1","clickcount":5},
{"stationuuid":"b2","name":"Alpha","url_resolved":"http://b2","clickcount":5},
{"stationuuid":"b4","name":"Dead air"},
{"stationuuid":"b3","name":"Mike","url":"http://b3","clickcount":9}]
)";
const std::string silentCatalog = R"([{"stationuuid": "s1", "name": "Silent", "url": "   "}])";
const std::string errorPage = "<html><body><h1>502 Bad Gateway</h1></body></html>";
const std::string networkError = "Could not connect to the server";

const std::vector<std::string> cachedIds {"a2", "a1"};
const std::vector<std::string> downloadedIds {"b3", "b2", "b1"};

// One answer of the store and where it arrived.
struct Answer {
    std::vector<std::string> ids;
    std::string error;
    bool beforeLoadReturned = false;
    bool onLoadingThread = false;
};

class AnswerLog final {
public:
    StationSource::Completion completion()
    {
        return [this, loadingThread = std::this_thread::get_id()](StationsResult result) {
            Answer answer;
            if (const auto* error = std::get_if<Error>(&result)) {
                answer.error = error->description;
            } else {
                for (const Station& station : std::get<std::vector<Station>>(result)) {
                    answer.ids.push_back(station.stationuuid.value_or("?"));
                }
            }
            answer.onLoadingThread = std::this_thread::get_id() == loadingThread;
            const std::lock_guard lock(m_mutex);
            answer.beforeLoadReturned = !m_loadReturned;
            m_answers.push_back(std::move(answer));
        };
    }

    void loadReturned()
    {
        const std::lock_guard lock(m_mutex);
        m_loadReturned = true;
    }

    [[nodiscard]] std::vector<Answer> answers() const
    {
        const std::lock_guard lock(m_mutex);
        return m_answers;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Answer> m_answers;
    bool m_loadReturned = false;
};

std::string decoderError(const std::string& document)
{
    const auto decoded = decodeCatalog(document);
    return std::holds_alternative<Error>(decoded) ? std::get<Error>(decoded).description : "(decoded)";
}

class StationStoreTest : public ::testing::Test {
protected:
    std::vector<Answer> loadOnce(StationStore& store, AnswerLog& log)
    {
        store.load(log.completion());
        log.loadReturned();
        return log.answers();
    }

    ScratchFolder m_scratch;
    FakeHttpClient m_http;
};

TEST_F(StationStoreTest, EveryCacheAndDownloadCombinationAnswersAsDocumented)
{
    enum class Cache { Good, Missing, Unreadable, Undecodable, NothingPlayable };
    enum class Download { Catalog, ErrorPage, NetworkError };
    struct Row {
        Cache cache;
        Download download;
        bool cacheAnswer;
        // Empty: no download answer. Otherwise the ids, or "error:" and its text.
        std::string downloadAnswer;
    };
    const std::string decoded = "catalog";
    const std::string decodeFailure = "error:" + decoderError(errorPage);
    const std::string networkFailure = "error:" + networkError;
    const std::vector<Row> rows {
        {Cache::Good, Download::Catalog, true, decoded},
        {Cache::Good, Download::ErrorPage, true, decodeFailure},
        {Cache::Good, Download::NetworkError, true, ""},
        {Cache::Missing, Download::Catalog, false, decoded},
        {Cache::Missing, Download::ErrorPage, false, decodeFailure},
        {Cache::Missing, Download::NetworkError, false, networkFailure},
        {Cache::Unreadable, Download::Catalog, false, decoded},
        {Cache::Unreadable, Download::ErrorPage, false, decodeFailure},
        {Cache::Unreadable, Download::NetworkError, false, networkFailure},
        {Cache::Undecodable, Download::Catalog, false, decoded},
        {Cache::Undecodable, Download::ErrorPage, false, decodeFailure},
        {Cache::Undecodable, Download::NetworkError, false, networkFailure},
        {Cache::NothingPlayable, Download::Catalog, false, decoded},
        {Cache::NothingPlayable, Download::ErrorPage, false, decodeFailure},
        // Our choice where nothing else would answer: the window must not wait for ever.
        {Cache::NothingPlayable, Download::NetworkError, false, networkFailure},
    };

    for (std::size_t index = 0; index < rows.size(); ++index) {
        const Row& row = rows[index];
        SCOPED_TRACE("row " + std::to_string(index));
        const auto folder = m_scratch.path() / ("row" + std::to_string(index));
        std::filesystem::create_directories(folder);
        const auto cacheFile = folder / "stations.json";
        std::string cacheBefore;
        switch (row.cache) {
        case Cache::Good:
            cacheBefore = cachedCatalog;
            break;
        case Cache::Undecodable:
            cacheBefore = R"([{"stationuuid": "a1", "url": "http://a1")";
            break;
        case Cache::NothingPlayable:
            cacheBefore = silentCatalog;
            break;
        case Cache::Unreadable:
            // A folder in the file's place: it cannot be read, nor replaced by the write.
            std::filesystem::create_directory(cacheFile);
            break;
        case Cache::Missing:
            break;
        }
        if (!cacheBefore.empty()) {
            writeFile(cacheFile, cacheBefore);
        }

        StationStore store(m_http, stationsUrl, folder);
        AnswerLog log;
        const auto duringLoad = loadOnce(store, log);
        ASSERT_EQ(duringLoad.size(), row.cacheAnswer ? 1U : 0U);
        if (row.cacheAnswer) {
            EXPECT_EQ(duringLoad[0].ids, cachedIds);
            EXPECT_TRUE(duringLoad[0].onLoadingThread);
        }

        ASSERT_EQ(m_http.pendingCount(), 1U);
        EXPECT_EQ(m_http.requestedUrls().back(), stationsUrl);
        switch (row.download) {
        case Download::Catalog:
            m_http.respond(HttpResponse {200, downloadedCatalog});
            break;
        case Download::ErrorPage:
            m_http.respond(HttpResponse {502, errorPage});
            break;
        case Download::NetworkError:
            m_http.respond(Error {networkError});
            break;
        }

        const auto answers = log.answers();
        const std::size_t downloadAnswers = row.downloadAnswer.empty() ? 0 : 1;
        ASSERT_EQ(answers.size(), duringLoad.size() + downloadAnswers);
        if (downloadAnswers == 1) {
            const Answer& last = answers.back();
            EXPECT_FALSE(last.beforeLoadReturned);
            EXPECT_FALSE(last.onLoadingThread);
            if (row.downloadAnswer == decoded) {
                EXPECT_EQ(last.ids, downloadedIds);
                EXPECT_EQ(last.error, "");
            } else {
                EXPECT_EQ("error:" + last.error, row.downloadAnswer);
            }
        }

        if (row.cache == Cache::Unreadable) {
            EXPECT_TRUE(std::filesystem::is_directory(cacheFile));
        } else if (row.download == Download::Catalog) {
            EXPECT_EQ(readFile(cacheFile), downloadedCatalog);
        } else if (row.cache == Cache::Missing) {
            EXPECT_FALSE(std::filesystem::exists(cacheFile));
        } else {
            EXPECT_EQ(readFile(cacheFile), cacheBefore);
        }
        EXPECT_EQ(temporaryFilesIn(folder), 0U);
    }
}

TEST_F(StationStoreTest, DownloadWithoutPlayableStationsIsAnEmptyListAndBecomesTheCache)
{
    writeFile(m_scratch.path() / "stations.json", cachedCatalog);
    StationStore store(m_http, stationsUrl, m_scratch.path());
    AnswerLog first;
    loadOnce(store, first);
    m_http.respond(HttpResponse {200, silentCatalog});
    const auto answers = first.answers();
    ASSERT_EQ(answers.size(), 2U);
    EXPECT_EQ(answers[0].ids, cachedIds);
    EXPECT_TRUE(answers[1].ids.empty());
    EXPECT_EQ(answers[1].error, "");
    EXPECT_EQ(readFile(store.cacheURL()), silentCatalog);

    // The next start has nothing to show from disk and hears of the network failure.
    AnswerLog second;
    EXPECT_TRUE(loadOnce(store, second).empty());
    m_http.respond(Error {networkError});
    ASSERT_EQ(second.answers().size(), 1U);
    EXPECT_EQ(second.answers()[0].error, networkError);
}

TEST_F(StationStoreTest, AnyStatusWithACatalogBodyCountsAsADownload)
{
    StationStore store(m_http, stationsUrl, m_scratch.path());
    AnswerLog log;
    loadOnce(store, log);
    EXPECT_EQ(m_http.lastMaxBodyBytes(), HttpClient::defaultMaxBodyBytes);
    m_http.respond(HttpResponse {503, downloadedCatalog});
    ASSERT_EQ(log.answers().size(), 1U);
    EXPECT_EQ(log.answers()[0].ids, downloadedIds);
    EXPECT_EQ(readFile(store.cacheURL()), downloadedCatalog);
}

TEST_F(StationStoreTest, DownloadStillAnswersAndSavesAfterTheStoreIsGone)
{
    AnswerLog log;
    std::filesystem::path cacheFile;
    {
        StationStore store(m_http, stationsUrl, m_scratch.path());
        cacheFile = store.cacheURL();
        store.load(log.completion());
    }
    ASSERT_TRUE(m_http.respond(HttpResponse {200, downloadedCatalog}));
    ASSERT_EQ(log.answers().size(), 1U);
    EXPECT_EQ(log.answers()[0].ids, downloadedIds);
    EXPECT_EQ(readFile(cacheFile), downloadedCatalog);
}

TEST_F(StationStoreTest, CacheFolderIsCreatedAndAFolderThatCannotBeIsNoObstacle)
{
    const auto nested = m_scratch.path() / "data" / "PembaVello";
    {
        StationStore store(m_http, stationsUrl, nested);
        EXPECT_TRUE(std::filesystem::is_directory(nested));
        EXPECT_EQ(store.cacheURL(), nested / "stations.json");
    }
    writeFile(nested / "notes.txt", "kept");
    StationStore again(m_http, stationsUrl, nested);
    EXPECT_EQ(readFile(nested / "notes.txt"), "kept");

    // A plain file where a parent folder should be: nothing can be created or written.
    writeFile(m_scratch.path() / "blocker", "");
    StationStore blocked(m_http, stationsUrl, m_scratch.path() / "blocker" / "PembaVello");
    AnswerLog log;
    EXPECT_TRUE(loadOnce(blocked, log).empty());
    m_http.respond(HttpResponse {200, downloadedCatalog});
    ASSERT_EQ(log.answers().size(), 1U);
    EXPECT_EQ(log.answers()[0].ids, downloadedIds);
}

TEST_F(StationStoreTest, TemporariesOfDeadWritersAreRemovedAndNeverRead)
{
    const auto folder = m_scratch.path();
    const std::string ownPid = std::to_string(::getpid());
    writeFile(folder / "stations.json.tmp.999999999.a1b2c3", downloadedCatalog);
    writeFile(folder / "stations.json.tmp.garbage", downloadedCatalog);
    writeFile(folder / ("stations.json.tmp." + ownPid + ".d4e5f6"), downloadedCatalog);
    writeFile(folder / "stations.json.bak", "someone else's");

    StationStore store(m_http, stationsUrl, folder);
    EXPECT_FALSE(std::filesystem::exists(folder / "stations.json.tmp.999999999.a1b2c3"));
    EXPECT_FALSE(std::filesystem::exists(folder / "stations.json.tmp.garbage"));
    // This process may be writing it right now.
    EXPECT_TRUE(std::filesystem::exists(folder / ("stations.json.tmp." + ownPid + ".d4e5f6")));
    EXPECT_TRUE(std::filesystem::exists(folder / "stations.json.bak"));

    AnswerLog log;
    EXPECT_TRUE(loadOnce(store, log).empty());
    m_http.respond(Error {networkError});
    ASSERT_EQ(log.answers().size(), 1U);
    EXPECT_EQ(log.answers()[0].error, networkError);
}

// Big enough that writing it takes a while, yet quick to decode: most of it is a key the decoder
// skips.
std::string largeCatalog(char filler, int count)
{
    std::string document = "[";
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        document += R"({"stationuuid":")" + std::string(1, filler) + number + R"(","name":"Station )" + number
            + R"(","url":"http://s)" + number + R"(.example/live","votes":)" + number + R"(,"notes":")"
            + std::string(20000, filler) + (i + 1 < count ? "\"},\n" : "\"}");
    }
    return document + "]\n";
}

// Starts the cache writer, which rewrites the cache until killed, and kills it at a random
// moment: anywhere in its cycle, or once it has begun writing a temporary file. Returns the
// writer's wait status.
int killWriterAtRandom(const std::filesystem::path& folder, const std::filesystem::path& first,
    const std::filesystem::path& second, bool whileWriting, std::mt19937& random)
{
    int output[2];
    if (::pipe(output) != 0) {
        return -1;
    }
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::close(output[0]);
        ::execl(VELLO_CACHE_WRITER, VELLO_CACHE_WRITER, folder.c_str(), first.c_str(), second.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(output[1]);
    char ready = 0;
    while (::read(output[0], &ready, 1) == 1 && ready != '\n') { }
    if (whileWriting) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (temporaryFilesIn(folder) == 0 && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 2000)(random)));
    } else {
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 150000)(random)));
    }
    ::kill(writer, SIGKILL);
    int status = 0;
    ::waitpid(writer, &status, 0);
    ::close(output[0]);
    return status;
}

TEST_F(StationStoreTest, AWriterKilledAtAnyMomentLeavesOneWholeDocument)
{
    const std::string first = largeCatalog('a', 100);
    const std::string second = largeCatalog('b', 140);
    const auto folder = m_scratch.path() / "PembaVello";
    std::filesystem::create_directories(folder);
    writeFile(m_scratch.path() / "first.json", first);
    writeFile(m_scratch.path() / "second.json", second);
    writeFile(folder / "stations.json", first);

    std::mt19937 random(std::random_device {}());
    int killedMidWrite = 0;
    for (int round = 0; round < 16; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int status = killWriterAtRandom(
            folder, m_scratch.path() / "first.json", m_scratch.path() / "second.json", round % 2 == 0, random);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer ended by itself: " << status;
        const std::string onDisk = readFile(folder / "stations.json");
        ASSERT_TRUE(onDisk == first || onDisk == second) << "a document of " << onDisk.size() << " bytes";
        killedMidWrite += temporaryFilesIn(folder) > 0 ? 1 : 0;
    }
    // Proof that the kills did land in the middle of writes, not only between them.
    EXPECT_GT(killedMidWrite, 0);

    StationStore store(m_http, stationsUrl, folder);
    EXPECT_EQ(temporaryFilesIn(folder), 0U);
    AnswerLog log;
    const auto answers = loadOnce(store, log);
    ASSERT_EQ(answers.size(), 1U);
    // Most votes first: the last station of whichever document is on disk.
    EXPECT_TRUE(answers[0].ids.front() == "a99" || answers[0].ids.front() == "b139") << answers[0].ids.front();
}

} // namespace
} // namespace Vello
