#include "logoserver.h"

#include "platform/qthttpclient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono_literals;
using Delivery = LogoServer::Delivery;

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

    // Runs the test's event loop (and with it the server) until `count` answers are in, none of
    // them on the GUI thread.
    [[nodiscard]] bool waitFor(std::size_t count) const
    {
        const QDeadlineTimer deadline(20000);
        while (results().size() < count && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        const std::lock_guard lock(m_mutex);
        return m_results.size() >= count && !m_onGuiThread;
    }

    [[nodiscard]] std::vector<HttpResult> results() const
    {
        const std::lock_guard lock(m_mutex);
        return m_results;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<HttpResult> m_results;
    bool m_onGuiThread = false;
};

std::string errorOf(const HttpResult& result)
{
    const auto* error = std::get_if<Error>(&result);
    return error ? error->description : "(no error)";
}

// Text that deflates to almost nothing: a bomb when the cap is far below its inflated size.
QByteArray deflated(const QByteArray& text)
{
    return qCompress(text).mid(4); // qCompress puts the length before the zlib stream
}

// Every way a server can answer, well or badly, and what the caller hears.
TEST(QtHttpClientTest, EachAnswerReachesTheCallerAsAResponseOrAReadableError)
{
    struct Case {
        const char* name;
        LogoServer::Route route;
        HttpRequest limits;
        std::string error {}; // empty: a response
        int status = 200;
        QByteArray body {};
        std::string url {}; // instead of the route's own
    };
    const auto capped = [](std::size_t bytes) {
        HttpRequest request;
        request.maxBodyBytes = bytes;
        return request;
    };
    HttpRequest deadline = capped(1 << 20);
    deadline.deadline = 300ms;
    HttpRequest slow = capped(1 << 20);
    slow.minimumBytesPerSecond = 1000;
    slow.rateWindow = 200ms;
    const QByteArray page = "<html><body><h1>404 Not Found</h1></body></html>";
    const QByteArray drip(1000, 'd');

    const std::vector<Case> cases {
        {"whole body", {"200 OK", {}, "hello, world"}, capped(1 << 20), {}, 200, "hello, world"},
        {"error page", {"404 Not Found", "Content-Type: text/html\r\n", page}, capped(1 << 20), {}, 404, page},
        {"redirect", {"302 Found", "Location: /0\r\n", {}}, capped(1 << 20), {}, 200, "hello, world"},
        {"redirect loop", {"302 Found", "Location: /3\r\n", {}}, capped(1 << 20), "Too many redirects"},
        {"body of exactly the cap", {"200 OK", {}, QByteArray(1024, 'z')}, capped(1024), {}, 200,
            QByteArray(1024, 'z')},
        {"declared length over the cap", {"200 OK", {}, QByteArray(4096, 'x')}, capped(1024),
            "The response is larger than 1 KB"},
        {"endless chunked body", {"200 OK", {}, {}, Delivery::Endless}, capped(1 << 20),
            "The response is larger than 1 MB"},
        {"deflated body", {"200 OK", "Content-Encoding: deflate\r\n", deflated("hello, world")}, capped(1 << 20), {},
            200, "hello, world"},
        {"deflate bomb", {"200 OK", "Content-Encoding: deflate\r\n", deflated(QByteArray(16 << 20, ' '))},
            capped(1 << 20), "The response is larger than 1 MB"},
        {"body that does not inflate", {"200 OK", "Content-Encoding: deflate\r\n", QByteArray(4096, '\x7f')},
            capped(1 << 20), "Decompression failed"},
        {"connection dropped mid-body", {"200 OK", {}, QByteArray(4096, 'r'), Delivery::Reset}, capped(1 << 20),
            "Connection closed"},
        {"no data at all", {"200 OK", {}, {}, Delivery::Hold}, capped(1 << 20), "The server sent no data for 1 second"},
        {"dripping past the deadline", {"200 OK", {}, drip, Delivery::Drip}, deadline,
            "The download took longer than 300 ms"},
        {"dripping under the minimum rate", {"200 OK", {}, drip, Delivery::Drip}, slow,
            "The server sent too little data: less than 1000 bytes a second over 200 ms"},
        {"not a web address", {}, capped(1), "\"ftp://127.0.0.1/file\" is not a valid web address", 0, {},
            "ftp://127.0.0.1/file"},
        {"nothing listening", {}, capped(1), "Connection refused", 0, {}, "http://127.0.0.1:1/"},
    };

    LogoServer server;
    Answers answers; // outlives the client, which may still answer while it closes
    QtHttpClient client(1s);
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const Case& c = cases[index];
        SCOPED_TRACE(c.name);
        const QString path = QStringLiteral("/%1").arg(index);
        server.route(path, c.route);
        HttpRequest request = c.limits;
        request.url = c.url.empty() ? server.url(path) : c.url;
        auto held = std::make_shared<std::atomic<std::size_t>>(0);
        request.onProgress = [held](std::size_t received, std::optional<std::size_t>) {
            held->store(std::max(held->load(), received));
        };
        client.get(request, answers.completion());
        ASSERT_TRUE(answers.waitFor(index + 1));
        const HttpResult result = answers.results().back();
        if (!c.error.empty()) {
            EXPECT_EQ(errorOf(result).substr(0, c.error.size()), c.error);
            // A cap broken while the body streams in stops right there.
            EXPECT_LE(held->load(), request.maxBodyBytes);
            if (c.error.starts_with("The response is larger") && c.route.delivery != Delivery::Whole) {
                EXPECT_GT(held->load(), request.maxBodyBytes / 2);
            }
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<HttpResponse>(result)) << errorOf(result);
        EXPECT_EQ(std::get<HttpResponse>(result).status, c.status);
        EXPECT_EQ(std::get<HttpResponse>(result).body, c.body.toStdString());
        EXPECT_EQ(held->load(), c.body.size());
    }
}

// Transfers in flight each end once: the quick ones with their body, and the ones still
// stalled when the client goes away with an error.
TEST(QtHttpClientTest, ManyTransfersEachEndOnceEvenWhenTheClientCloses)
{
    LogoServer server;
    server.serve(QStringLiteral("/ok"), "hello, world", "text/plain");
    server.route(QStringLiteral("/stall"), {"200 OK", {}, {}, Delivery::Hold});
    Answers answers;
    {
        QtHttpClient client;
        for (int i = 0; i < 40; ++i) {
            client.get(server.url(i % 10 == 0 ? QStringLiteral("/stall") : QStringLiteral("/ok")), 1 << 20,
                answers.completion());
        }
        ASSERT_TRUE(answers.waitFor(36));
        // Asked for while the others stall; it may or may not get going before the end.
        client.get(server.url(QStringLiteral("/stall")), 1 << 20, answers.completion());
    }
    ASSERT_EQ(answers.results().size(), 41U);
    int bodies = 0;
    for (const HttpResult& result : answers.results()) {
        const auto* response = std::get_if<HttpResponse>(&result);
        bodies += response != nullptr && response->body == "hello, world" ? 1 : 0;
        EXPECT_TRUE(
            response != nullptr || errorOf(result) == "The transfer was stopped because the application is closing");
    }
    EXPECT_EQ(bodies, 36);
    EXPECT_TRUE(answers.waitFor(41));
}

} // namespace
} // namespace Vello
