#include "platform/qthttpclient.h"

#include "catalog/catalogdecoder.h"
#include "catalog/stationstore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace Vello {
namespace {

const QByteArray catalogDocument = R"([{"stationuuid": "d1", "name": "Downloaded", "url": "http://d1.example/live"}])";

const QByteArray errorPage = "<html><body><h1>404 Not Found</h1></body></html>";

// A small HTTP/1.1 server on a free loopback port, run by the test's own event loop.
class LoopbackServer final {
public:
    LoopbackServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    [[nodiscard]] std::string url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) + path;
    }

    [[nodiscard]] int requestsFor(const std::string& path) const
    {
        const auto found = m_requests.find(path);
        return found == m_requests.end() ? 0 : found->second;
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                const auto end = buffer->indexOf("\r\n\r\n");
                if (end >= 0) {
                    const QList<QByteArray> requestLine = buffer->left(buffer->indexOf("\r\n")).split(' ');
                    buffer->clear();
                    answer(socket, requestLine.value(1).toStdString());
                }
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket, const std::string& path)
    {
        ++m_requests[path];
        const auto respond = [socket](const QByteArray& head, const QByteArray& body) {
            socket->write(head + "Connection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        };
        const auto sized = [](const char* status, const QByteArray& body) {
            return QByteArray("HTTP/1.1 ") + status + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
        };
        if (path == "/stations_filtered.json") {
            respond(sized("200 OK", catalogDocument) + "Content-Type: application/json\r\n", catalogDocument);
        } else if (path == "/ok") {
            respond(sized("200 OK", "hello, world"), "hello, world");
        } else if (path == "/redirect") {
            respond("HTTP/1.1 302 Found\r\nLocation: /ok\r\nContent-Length: 0\r\n", {});
        } else if (path == "/missing") {
            respond(sized("404 Not Found", errorPage) + "Content-Type: text/html\r\n", errorPage);
        } else if (path == "/stall") {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nonly these");
        } else if (path == "/big") {
            const QByteArray body(4096, 'x');
            respond(sized("200 OK", body), body);
        } else if (path == "/big-unsized") {
            // No declared length: the cap has to hold while the body streams in.
            respond("HTTP/1.1 200 OK\r\n", QByteArray(4096, 'y'));
        } else if (path == "/exact") {
            const QByteArray body(1024, 'z');
            respond(sized("200 OK", body), body);
        } else {
            respond(sized("500 Internal Server Error", {}), {});
        }
    }

    QTcpServer m_server;
    std::map<std::string, int> m_requests;
};

// Collects completions from whichever thread they run on.
class Answers final {
public:
    HttpClient::Completion completion()
    {
        return [this](HttpResult result) {
            const std::lock_guard lock(m_mutex);
            m_results.push_back(std::move(result));
            m_onGuiThread = m_onGuiThread || QThread::currentThread() == QCoreApplication::instance()->thread();
        };
    }

    // Runs the test's event loop (and with it the server) until `count` answers are in.
    [[nodiscard]] bool waitFor(std::size_t count)
    {
        const QDeadlineTimer deadline(20000);
        while (size() < count && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return size() >= count;
    }

    [[nodiscard]] std::size_t size() const
    {
        const std::lock_guard lock(m_mutex);
        return m_results.size();
    }

    [[nodiscard]] std::vector<HttpResult> results() const
    {
        const std::lock_guard lock(m_mutex);
        return m_results;
    }

    [[nodiscard]] bool anyOnGuiThread() const
    {
        const std::lock_guard lock(m_mutex);
        return m_onGuiThread;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<HttpResult> m_results;
    bool m_onGuiThread = false;
};

HttpResult fetch(HttpClient& client, const std::string& url, std::size_t maxBodyBytes = 1 << 20)
{
    Answers answers;
    client.get(url, maxBodyBytes, answers.completion());
    EXPECT_TRUE(answers.waitFor(1)) << url;
    EXPECT_FALSE(answers.anyOnGuiThread()) << url;
    return answers.size() == 1 ? answers.results().front() : HttpResult {Error {"no answer"}};
}

std::string errorOf(const HttpResult& result)
{
    const auto* error = std::get_if<Error>(&result);
    return error ? error->description : "(no error)";
}

TEST(QtHttpClientTest, ServerAnswersReachTheCallerWithStatusAndBodyOffTheGuiThread)
{
    LoopbackServer server;
    QtHttpClient client;

    const HttpResult ok = fetch(client, server.url("/ok"));
    ASSERT_TRUE(std::holds_alternative<HttpResponse>(ok)) << errorOf(ok);
    EXPECT_EQ(std::get<HttpResponse>(ok).status, 200);
    EXPECT_EQ(std::get<HttpResponse>(ok).body, "hello, world");

    const HttpResult redirected = fetch(client, server.url("/redirect"));
    ASSERT_TRUE(std::holds_alternative<HttpResponse>(redirected)) << errorOf(redirected);
    EXPECT_EQ(std::get<HttpResponse>(redirected).body, "hello, world");
    EXPECT_EQ(server.requestsFor("/ok"), 2);

    // A server that answered with an error page still answered: the body is the caller's to judge.
    const HttpResult missing = fetch(client, server.url("/missing"));
    ASSERT_TRUE(std::holds_alternative<HttpResponse>(missing)) << errorOf(missing);
    EXPECT_EQ(std::get<HttpResponse>(missing).status, 404);
    EXPECT_EQ(std::get<HttpResponse>(missing).body, "<html><body><h1>404 Not Found</h1></body></html>");
}

TEST(QtHttpClientTest, TransportFailuresEndInReadableErrors)
{
    QtHttpClient client;
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    const HttpResult refused = fetch(client, "http://127.0.0.1:" + std::to_string(closedPort) + "/stations.json");
    EXPECT_EQ(errorOf(refused), "Connection refused");

    EXPECT_EQ(errorOf(fetch(client, "not an address")), "\"not an address\" is not a valid web address");
    EXPECT_EQ(errorOf(fetch(client, "ftp://127.0.0.1/file")), "\"ftp://127.0.0.1/file\" is not a valid web address");
    EXPECT_EQ(errorOf(fetch(client, "")), "\"\" is not a valid web address");
}

TEST(QtHttpClientTest, StalledTransferEndsWithATimeOutError)
{
    LoopbackServer server;
    QtHttpClient client(std::chrono::milliseconds(300));
    EXPECT_EQ(errorOf(fetch(client, server.url("/stall"))), "The server sent no data for 300 ms");
}

TEST(QtHttpClientTest, BodyOverTheCapEndsWithAClearError)
{
    LoopbackServer server;
    QtHttpClient client;
    EXPECT_EQ(errorOf(fetch(client, server.url("/big"), 1024)), "The response is larger than 1 KB");
    EXPECT_EQ(errorOf(fetch(client, server.url("/big-unsized"), 1024)), "The response is larger than 1 KB");
    EXPECT_EQ(errorOf(fetch(client, server.url("/big-unsized"), 4095)), "The response is larger than 4095 bytes");

    const HttpResult exact = fetch(client, server.url("/exact"), 1024);
    ASSERT_TRUE(std::holds_alternative<HttpResponse>(exact)) << errorOf(exact);
    EXPECT_EQ(std::get<HttpResponse>(exact).body.size(), 1024U);
}

TEST(QtHttpClientTest, ManyRequestsInFlightEachCompleteOnce)
{
    LoopbackServer server;
    QtHttpClient client;
    Answers answers;
    constexpr std::size_t count = 60;
    for (std::size_t i = 0; i < count; ++i) {
        client.get(server.url(i % 3 == 0 ? "/redirect" : "/ok"), 1 << 20, answers.completion());
    }
    ASSERT_TRUE(answers.waitFor(count));
    QCoreApplication::processEvents();
    EXPECT_EQ(answers.size(), count);
    EXPECT_FALSE(answers.anyOnGuiThread());
    for (const HttpResult& result : answers.results()) {
        ASSERT_TRUE(std::holds_alternative<HttpResponse>(result)) << errorOf(result);
        EXPECT_EQ(std::get<HttpResponse>(result).body, "hello, world");
    }
}

TEST(QtHttpClientTest, DestroyingTheClientMidTransferEndsEachTransferOnce)
{
    LoopbackServer server;
    auto answers = std::make_shared<Answers>();
    {
        QtHttpClient client;
        for (int i = 0; i < 4; ++i) {
            client.get(server.url("/stall"), 1 << 20, answers->completion());
        }
        const QDeadlineTimer deadline(20000);
        while (server.requestsFor("/stall") < 4 && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        ASSERT_EQ(server.requestsFor("/stall"), 4);
        // Asked for while the others stall; it may or may not get going before the end.
        client.get(server.url("/ok"), 1 << 20, answers->completion());
    }
    // The destructor waited for every completion.
    ASSERT_EQ(answers->size(), 5U);
    int stopped = 0;
    for (const HttpResult& result : answers->results()) {
        if (errorOf(result) == "The transfer was stopped because the application is closing") {
            ++stopped;
        }
    }
    EXPECT_GE(stopped, 4);
    EXPECT_FALSE(answers->anyOnGuiThread());
}

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << stream.rdbuf();
    return bytes.str();
}

// The store against a real server: a download replaces the cache byte for byte, an error page
// leaves it alone and reaches the caller as the decoder's complaint.
TEST(QtHttpClientTest, StoreDownloadsThroughTheClientAndKeepsItsCacheOnAnErrorPage)
{
    LoopbackServer server;
    QtHttpClient client;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::filesystem::path cacheFolder = folder.path().toStdString();

    std::vector<StationsResult> answers;
    std::mutex mutex;
    const auto record = [&](StationsResult result) {
        const std::lock_guard lock(mutex);
        answers.push_back(std::move(result));
    };
    const auto waitFor = [&](std::size_t count) {
        const QDeadlineTimer deadline(20000);
        for (;;) {
            {
                const std::lock_guard lock(mutex);
                if (answers.size() >= count || deadline.hasExpired()) {
                    return answers.size() >= count;
                }
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    };

    StationStore downloading(client, server.url("/stations_filtered.json"), cacheFolder);
    downloading.load(record);
    ASSERT_TRUE(waitFor(1));
    ASSERT_TRUE(std::holds_alternative<std::vector<Station>>(answers[0]));
    EXPECT_EQ(std::get<std::vector<Station>>(answers[0]).at(0).stationuuid, "d1");
    EXPECT_EQ(readFile(downloading.cacheURL()), catalogDocument.toStdString());

    StationStore failing(client, server.url("/missing"), cacheFolder);
    failing.load(record);
    ASSERT_TRUE(waitFor(3));
    ASSERT_TRUE(std::holds_alternative<std::vector<Station>>(answers[1])) << "the cache answers first";
    ASSERT_TRUE(std::holds_alternative<Error>(answers[2]));
    const auto decoded = decodeCatalog(errorPage.toStdString());
    ASSERT_TRUE(std::holds_alternative<Error>(decoded));
    EXPECT_EQ(std::get<Error>(answers[2]), std::get<Error>(decoded));
    EXPECT_EQ(readFile(failing.cacheURL()), catalogDocument.toStdString());
}

} // namespace
} // namespace Vello
