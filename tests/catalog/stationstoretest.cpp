#include "catalog/stationstore.h"

#include "catalog/catalogdecoder.h"
#include "fakehttpclient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Vello {
namespace {

// A folder of its own for each test, removed afterwards.
struct ScratchFolder {
    std::filesystem::path path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vello-store-XXXXXX").string();
        return ::mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern) : std::filesystem::path();
    }();
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readFile(const std::filesystem::path& file)
{
    if (!std::filesystem::is_regular_file(file)) {
        return {};
    }
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::size_t temporaryFilesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::ranges::count_if(std::filesystem::directory_iterator(folder),
        [](const auto& entry) { return entry.path().filename().string().starts_with("stations.json.tmp."); }));
}

const std::string stationsUrl = "https://catalog.example/stations_filtered.json";

// Plays in the order a2 (score 40), a1 (score 4); a3 has no usable stream address.
const std::string cachedCatalog = R"([
  {"stationuuid": "a1", "name": "Alpha", "url_resolved": "http://a1.example/stream", "votes": 1},
  {"stationuuid": "a2", "name": "Beta", "url": "http://a2.example/stream", "url_resolved": "  ", "votes": 10},
  {"stationuuid": "a3", "name": "Gamma", "url": " ", "url_resolved": ""}
])";
// Plays in the order b3, b2, b2, b1: ties on score go by name, ignoring case, and the
// duplicate stays.
const std::string downloadedCatalog = R"([{"stationuuid":"b1","name":"zulu","url":"http://b1","clickcount":5},
{"stationuuid":"b2","name":"Alpha","url_resolved":"http://b2","clickcount":5},
{"stationuuid":"b4","name":"Dead air"},
{"stationuuid":"b2","name":"Alpha","url_resolved":"http://b2","clickcount":5},
{"stationuuid":"b3","name":"Mike","url":"http://b3","clickcount":9}]
)";
const std::string silentCatalog = R"([{"stationuuid": "s1", "name": "Silent", "url": "   "}])";
const std::string errorPage = "<html><body><h1>502 Bad Gateway</h1></body></html>";
const std::string networkError = "Could not connect to the server";

const std::vector<std::string> cachedIds {"a2", "a1"};
const std::vector<std::string> downloadedIds {"b3", "b2", "b2", "b1"};

// One answer of the store, where it arrived and what the copy on disk held at that moment.
struct Answer {
    std::vector<std::string> ids;
    std::string error;
    bool beforeLoadReturned = false;
    bool onLoadingThread = false;
    std::string cacheOnDisk;
};

class AnswerLog final {
public:
    explicit AnswerLog(std::filesystem::path cacheFile)
        : m_cacheFile(std::move(cacheFile))
    {
    }

    std::vector<Answer> load(StationStore& store)
    {
        store.load([this, loadingThread = std::this_thread::get_id()](StationsResult result) {
            Answer answer;
            if (const auto* error = std::get_if<Error>(&result)) {
                answer.error = error->description;
            } else {
                for (const Station& station : std::get<std::vector<Station>>(result)) {
                    answer.ids.emplace_back(station.stationuuid().value_or("?"));
                }
            }
            answer.onLoadingThread = std::this_thread::get_id() == loadingThread;
            answer.cacheOnDisk = readFile(m_cacheFile);
            const std::lock_guard lock(m_mutex);
            answer.beforeLoadReturned = !m_loadReturned;
            m_answers.push_back(std::move(answer));
        });
        const std::lock_guard lock(m_mutex);
        m_loadReturned = true;
        return m_answers;
    }

    [[nodiscard]] std::vector<Answer> answers() const
    {
        const std::lock_guard lock(m_mutex);
        return m_answers;
    }

private:
    std::filesystem::path m_cacheFile;
    mutable std::mutex m_mutex;
    std::vector<Answer> m_answers;
    bool m_loadReturned = false;
};

class StationStoreTest : public ::testing::Test {
protected:
    ScratchFolder m_scratch;
    FakeHttpClient m_http;
};

TEST_F(StationStoreTest, EveryCacheAndDownloadCombinationAnswersAsDocumented)
{
    // A folder in the file's place: it cannot be read, nor replaced by the write.
    const std::string unreadable = "<folder>";
    const std::string undecodable = R"([{"stationuuid": "a1", "url": "http://a1")";
    struct Row {
        std::string cache; // what the copy on disk holds before; empty: no copy
        HttpResult download;
        bool cacheAnswer;
        // Empty: no download answer. Otherwise "catalog", "empty", or "error:" and its text.
        std::string downloadAnswer;
    };
    const HttpResult catalog = HttpResponse {503, downloadedCatalog}; // any status with a catalog counts
    const HttpResult page = HttpResponse {502, errorPage};
    const HttpResult offline = Error {networkError};
    const std::string decodeFailure = "error:" + std::get<Error>(decodeCatalog(errorPage)).description;
    const std::string networkFailure = "error:" + networkError;
    const std::vector<Row> rows {
        {cachedCatalog, catalog, true, "catalog"},
        {cachedCatalog, page, true, decodeFailure},
        {cachedCatalog, offline, true, ""},
        {cachedCatalog, HttpResponse {200, silentCatalog}, true, "empty"},
        {"", catalog, false, "catalog"},
        {"", page, false, decodeFailure},
        {"", offline, false, networkFailure},
        {unreadable, catalog, false, "catalog"},
        {undecodable, page, false, decodeFailure},
        {undecodable, offline, false, networkFailure},
        {silentCatalog, catalog, false, "catalog"},
        // Our choice where nothing else would answer: the window must not wait for ever.
        {silentCatalog, offline, false, networkFailure},
    };

    for (std::size_t index = 0; index < rows.size(); ++index) {
        const Row& row = rows[index];
        SCOPED_TRACE("row " + std::to_string(index));
        const auto folder = m_scratch.path / ("row" + std::to_string(index));
        std::filesystem::create_directories(folder);
        const auto cacheFile = folder / "stations.json";
        if (row.cache == unreadable) {
            std::filesystem::create_directory(cacheFile);
        } else if (!row.cache.empty()) {
            writeFile(cacheFile, row.cache);
        }

        auto store = std::make_unique<StationStore>(m_http, stationsUrl, folder);
        AnswerLog log(cacheFile);
        const auto duringLoad = log.load(*store);
        ASSERT_EQ(duringLoad.size(), row.cacheAnswer ? 1U : 0U);
        if (row.cacheAnswer) {
            EXPECT_EQ(duringLoad[0].ids, cachedIds);
            EXPECT_TRUE(duringLoad[0].onLoadingThread);
        }
        ASSERT_EQ(m_http.requestedUrls().back(), stationsUrl);
        EXPECT_EQ(m_http.lastMaxBodyBytes(), HttpClient::defaultMaxBodyBytes);
        // The download answers and saves even when the store is gone by then.
        store.reset();
        ASSERT_TRUE(m_http.respond(row.download));

        const auto answers = log.answers();
        ASSERT_EQ(answers.size(), duringLoad.size() + (row.downloadAnswer.empty() ? 0 : 1));
        const auto* body = std::get_if<HttpResponse>(&row.download);
        const bool replaced = body != nullptr && body->body != errorPage && row.cache != unreadable;
        if (!row.downloadAnswer.empty()) {
            const Answer& last = answers.back();
            EXPECT_FALSE(last.beforeLoadReturned);
            EXPECT_FALSE(last.onLoadingThread);
            EXPECT_EQ(!last.error.empty()       ? "error:" + last.error
                    : last.ids == downloadedIds ? "catalog"
                    : last.ids.empty()          ? "empty"
                                                : "other stations",
                row.downloadAnswer);
            if (replaced) {
                EXPECT_EQ(last.cacheOnDisk, body->body) << "the copy on disk is written before the answer";
            }
        }
        if (row.cache == unreadable) {
            EXPECT_TRUE(std::filesystem::is_directory(cacheFile));
        } else {
            EXPECT_EQ(readFile(cacheFile), replaced ? body->body : row.cache);
        }
        EXPECT_EQ(temporaryFilesIn(folder), 0U);
    }
}

// "Try Again" and "Reload Stations" load the same store again: each load follows the table
// above, from the copy on disk as the last download left it.
TEST_F(StationStoreTest, LoadingAgainAnswersFromWhatTheLastDownloadLeft)
{
    StationStore store(m_http, stationsUrl, m_scratch.path);
    AnswerLog log(store.cacheURL());
    EXPECT_TRUE(log.load(store).empty());
    m_http.respond(Error {networkError});
    EXPECT_EQ(log.load(store).size(), 1U) << "no copy on disk yet";
    m_http.respond(HttpResponse {200, downloadedCatalog});
    const auto reloaded = log.load(store);
    ASSERT_EQ(reloaded.size(), 3U);
    EXPECT_EQ(reloaded[0].error, networkError);
    EXPECT_EQ(reloaded[1].ids, downloadedIds);
    EXPECT_EQ(reloaded[2].ids, downloadedIds) << "the copy on disk answers before load returns";
    m_http.respond(Error {networkError});
    EXPECT_EQ(log.answers().size(), 3U) << "a failed reload leaves the list on screen alone";
}

TEST_F(StationStoreTest, TheCacheFolderIsMadeAndClearedOfDeadWritersTemporaries)
{
    const auto folder = m_scratch.path / "data" / "PembaVello";
    StationStore created(m_http, stationsUrl, folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(created.cacheURL(), folder / "stations.json");

    const std::pair<std::string, bool> leftovers[] {{"stations.json.tmp.999999999.a1b2c3", false},
        {"stations.json.tmp.garbage", false}, {"stations.json.bak", true},
        // This process may be writing it right now.
        {"stations.json.tmp." + std::to_string(::getpid()) + ".d4e5f6", true}};
    for (const auto& [name, kept] : leftovers) {
        writeFile(folder / name, downloadedCatalog);
        StationStore again(m_http, stationsUrl, folder);
        EXPECT_EQ(std::filesystem::exists(folder / name), kept) << name;
        AnswerLog log(again.cacheURL());
        EXPECT_TRUE(log.load(again).empty()) << "a temporary is never read";
        m_http.respond(Error {networkError});
    }

    // A plain file where a parent folder should be: nothing can be created or written.
    writeFile(m_scratch.path / "blocker", "");
    StationStore blocked(m_http, stationsUrl, m_scratch.path / "blocker" / "PembaVello");
    AnswerLog log(blocked.cacheURL());
    EXPECT_TRUE(log.load(blocked).empty());
    m_http.respond(HttpResponse {200, downloadedCatalog});
    ASSERT_EQ(log.answers().size(), 1U);
    EXPECT_EQ(log.answers()[0].ids, downloadedIds);

    // The disk fills up halfway through the download: the body goes on in memory and answers.
    StationStore filling(m_http, stationsUrl, m_scratch.path / "filling");
    AnswerLog fillingLog(filling.cacheURL());
    EXPECT_TRUE(fillingLog.load(filling).empty());
    const auto onBody = m_http.lastRequest().onBody;
    const std::string_view body = downloadedCatalog;
    onBody(body.substr(0, body.size() / 2));
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit fileSize {};
    ::getrlimit(RLIMIT_FSIZE, &fileSize);
    const rlimit unlimited = fileSize;
    fileSize.rlim_cur = body.size() / 2;
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
    onBody(body.substr(body.size() / 2));
    m_http.respond(HttpResponse {200, ""});
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    ASSERT_EQ(fillingLog.answers().size(), 1U);
    EXPECT_EQ(fillingLog.answers()[0].ids, downloadedIds);
    EXPECT_EQ(temporaryFilesIn(m_scratch.path / "filling"), 0U);
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
    const auto folder = m_scratch.path / "PembaVello";
    std::filesystem::create_directories(folder);
    writeFile(m_scratch.path / "first.json", first);
    writeFile(m_scratch.path / "second.json", second);
    writeFile(folder / "stations.json", first);

    std::mt19937 random(std::random_device {}());
    int killedMidWrite = 0;
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int status = killWriterAtRandom(
            folder, m_scratch.path / "first.json", m_scratch.path / "second.json", round % 2 == 0, random);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer ended by itself: " << status;
        const std::string onDisk = readFile(folder / "stations.json");
        ASSERT_TRUE(onDisk == first || onDisk == second) << "a document of " << onDisk.size() << " bytes";
        killedMidWrite += temporaryFilesIn(folder) > 0 ? 1 : 0;
    }
    // Proof that the kills did land in the middle of writes, not only between them.
    EXPECT_GT(killedMidWrite, 0);

    StationStore store(m_http, stationsUrl, folder);
    EXPECT_EQ(temporaryFilesIn(folder), 0U);
    AnswerLog log(store.cacheURL());
    const auto answers = log.load(store);
    ASSERT_EQ(answers.size(), 1U);
    // Most votes first: the last station of whichever document is on disk.
    EXPECT_TRUE(answers[0].ids.front() == "a99" || answers[0].ids.front() == "b139") << answers[0].ids.front();
}

} // namespace
} // namespace Vello
