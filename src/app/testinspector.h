#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace Vello {

// A read-only look into the running player for the end-to-end test. When the environment names
// a socket path, every line sent there is answered with one line of JSON: the visible top-level
// windows and the visible widgets in them, with class, accessible name, text and the part of
// each that shows on screen in global coordinates. It never changes anything in the application.
class TestInspector final : public QObject {
    Q_OBJECT

public:
    static constexpr const char* socketVariable = "VELLO_TEST_INSPECT";

    // The inspector that VELLO_TEST_INSPECT asks for, or nullptr when the variable is unset or
    // empty (every ordinary run).
    [[nodiscard]] static std::unique_ptr<TestInspector> fromEnvironment();

    explicit TestInspector(const QString& socketPath, QObject* parent = nullptr);
    ~TestInspector() override;

    [[nodiscard]] bool isListening() const;
    // What a request is answered with, taken now.
    [[nodiscard]] static QJsonObject snapshot();

private:
    void accept();
    void answer(QLocalSocket* socket);

    QLocalServer* m_server;
};

} // namespace Vello
