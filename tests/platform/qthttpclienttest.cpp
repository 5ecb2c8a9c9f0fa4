#include "logoserver.h"

#include "platform/qthttpclient.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
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

// Collects completions from whichever thread they come on; none may come on the GUI thread.
struct Answers {
    HttpClient::Completion completion()
    {
        return [this](HttpResult result) {
            EXPECT_NE(QThread::currentThread(), QCoreApplication::instance()->thread());
            const std::lock_guard lock(mutex);
            results.push_back(std::move(result));
        };
    }
    std::vector<HttpResult> all()
    {
        const std::lock_guard lock(mutex);
        return results;
    }
    // Runs the test's event loop, and with it the server, until `count` answers are in.
    bool waitFor(std::size_t count)
    {
        return QTest::qWaitFor([&] { return all().size() >= count; }, 20000);
    }

    std::mutex mutex;
    std::vector<HttpResult> results;
};

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
        std::string heard; // "status body" for a response, the start of the error otherwise
        HttpRequest request {.maxBodyBytes = 1 << 20};
        HttpHeaders heardHeaders {}; // found in the response, by lower-case name
    };
    LogoServer server;
    const std::string tls = "https" + server.url(QStringLiteral("/tls")).substr(4);
    // A plain web server answers a secure connection's first bytes as a request it cannot read.
    QTcpServer plain;
    plain.listen(QHostAddress::LocalHost);
    QObject::connect(&plain, &QTcpServer::newConnection, &plain, [&plain] {
        QTcpSocket* socket = plain.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            socket->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
        });
    });
    const QByteArray drip(1000, 'd');
    const QByteArray deflate = "Content-Encoding: deflate\r\n";
    const HttpHeaders conditional {{"If-None-Match", "\"v7\""}};
    const std::vector<Case> cases {
        // The cookie is never sent back, in the redirect to here below or anywhere else.
        {"whole body", {"200 OK", "Set-Cookie: id=abc; Path=/\r\n", "hello, world"}, "200 hello, world"},
        {"redirect", {"302 Found", "Location: /0\r\n"}, "200 hello, world"},
        {"redirect loop", {"302 Found", "Location: /2\r\n"}, "Too many redirects"},
        // A 304 may declare the length that a 200 would have had; none of it follows.
        {"not modified", {"200 OK", "X-Station-Count: 12\r\n", QByteArray(4096, 'x'), Delivery::Whole, "\"v7\""},
            "304 ", {.headers = conditional, .maxBodyBytes = 1024}, {{"etag", "\"v7\""}, {"x-station-count", "12"}}},
        {"body of exactly the cap", {"200 OK", {}, QByteArray(1024, 'z')}, "200 " + std::string(1024, 'z'),
            {.maxBodyBytes = 1024}},
        {"declared length over the cap", {"200 OK", {}, QByteArray(4096, 'x')}, "The response is larger than 1 KB",
            {.maxBodyBytes = 1024}},
        {"endless chunked body", {"200 OK", {}, {}, Delivery::Endless}, "The response is larger than 1 MB"},
        {"deflated body", {"200 OK", deflate, deflated("hello, world")}, "200 hello, world"},
        {"deflate bomb", {"200 OK", deflate, deflated(QByteArray(16 << 20, ' '))}, "The response is larger than 1 MB"},
        {"body that does not inflate", {"200 OK", deflate, QByteArray(4096, '\x7f')}, "Decompression failed"},
        {"connection dropped mid-body", {"200 OK", {}, QByteArray(4096, 'r'), Delivery::Reset}, "Connection closed"},
        {"no data at all", {"200 OK", {}, {}, Delivery::Hold}, "The server sent no data for 1 second"},
        {"dripping past the deadline", {"200 OK", {}, drip, Delivery::Drip}, "The download took longer than 300 ms",
            {.deadline = 300ms}},
        {"dripping under the minimum rate", {"200 OK", {}, drip, Delivery::Drip},
            "The server sent too little data: less than 1000 bytes a second over 200 ms",
            {.minimumBytesPerSecond = 1000, .rateWindow = 200ms}},
        {"dripping after a quick connection", {"200 OK", {}, drip.left(40), Delivery::Drip},
            "200 " + std::string(40, 'd'), {.connectDeadline = 300ms}},
        // With https the request is sent only once the handshake is over, and this server never
        // answers it.
        {"handshake never answered", {}, "The server did not accept a connection within 300 ms",
            {.url = tls, .connectDeadline = 300ms}},
        {"https to a plain server", {},
            "No secure connection could be made: the server may not offer https at this address.",
            {.url = "https://127.0.0.1:" + std::to_string(plain.serverPort()) + "/"}},
        {"not a web address", {}, "\"ftp://127.0.0.1/file\" is not a valid web address",
            {.url = "ftp://127.0.0.1/file"}},
        {"nothing listening", {}, "Connection refused", {.url = "http://127.0.0.1:1/"}},
    };

    Answers answers; // outlives the client, which may still answer while it closes
    QtHttpClient client("PembaVello-test", 1s);
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const Case& c = cases[index];
        SCOPED_TRACE(c.name);
        const QString path = QStringLiteral("/%1").arg(index);
        server.route(path, c.route);
        HttpRequest request = c.request;
        request.url = request.url.empty() ? server.url(path) : request.url;
        auto held = std::make_shared<std::atomic<std::size_t>>(0);
        request.onProgress = [held](std::size_t received, std::optional<std::size_t>) {
            held->store(std::max(held->load(), received));
        };
        // Every other transfer hands its body over as it arrives.
        auto streamed = std::make_shared<std::string>();
        if (index % 2 == 0) {
            request.onBody = [streamed](std::string_view piece) { *streamed += piece; };
        }
        client.get(request, answers.completion());
        ASSERT_TRUE(answers.waitFor(index + 1));
        const HttpResult result = answers.all().back();
        if (const auto* response = std::get_if<HttpResponse>(&result)) {
            EXPECT_EQ(std::to_string(response->status) + " " + response->body + *streamed, c.heard);
            EXPECT_TRUE(!request.onBody || response->body.empty());
            EXPECT_EQ(held->load(), response->body.size() + streamed->size());
            for (const auto& [name, value] : c.heardHeaders) {
                EXPECT_EQ(response->header(name).value_or("(none)"), value) << name;
            }
            EXPECT_EQ(server.requestHeaders(path).value("user-agent").toStdString(), "PembaVello-test");
            EXPECT_FALSE(server.requestHeaders(path).contains("cookie"));
            continue;
        }
        EXPECT_EQ(std::get<Error>(result).description.english().substr(0, c.heard.size()), c.heard);
        // A cap broken while the body streams in stops right there.
        EXPECT_LE(std::max(held->load(), streamed->size()), request.maxBodyBytes);
        if (c.heard.starts_with("The response is larger") && c.route.delivery != Delivery::Whole) {
            EXPECT_GT(held->load(), request.maxBodyBytes / 2);
        }
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
    ASSERT_EQ(answers.all().size(), 41U);
    int bodies = 0;
    for (const HttpResult& result : answers.all()) {
        const auto* response = std::get_if<HttpResponse>(&result);
        bodies += response != nullptr && response->body == "hello, world" ? 1 : 0;
        EXPECT_TRUE(response != nullptr
            || std::get<Error>(result).description.english()
                == "The transfer was stopped because the application is closing");
    }
    EXPECT_EQ(bodies, 36);
}

} // namespace
} // namespace Vello
