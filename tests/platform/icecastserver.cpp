#include "icecastserver.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace Vello {
namespace {

const QString password = QStringLiteral("vello-source");

void stop(QProcess& process)
{
    process.kill();
    process.waitForFinished();
}

} // namespace

IcecastServer::IcecastServer()
{
    QFile config(m_directory.filePath(QStringLiteral("icecast.xml")));
    QFile configTemplate(QStringLiteral(VELLO_ICECAST_TEMPLATE));
    if (!configTemplate.open(QIODevice::ReadOnly) || !config.open(QIODevice::WriteOnly)) {
        m_startError = "cannot write a configuration from " VELLO_ICECAST_TEMPLATE;
        return;
    }
    // The server may drop its privileges to "nobody", who still has to write its logs here.
    ::chmod(QFile::encodeName(m_directory.path()).constData(), 0777);
    QTcpServer probe; // for a loopback port nothing listens on now
    probe.listen(QHostAddress::LocalHost);
    m_port = probe.serverPort();
    probe.close();
    // Icecast refuses to run as root unless it is told whom to become once its port is bound.
    const QLatin1String group(::getgrnam("nogroup") != nullptr ? "nogroup" : "nobody");
    const QString changeOwner = QStringLiteral("<changeowner><user>nobody</user><group>%1</group></changeowner>");
    config.write(QString::fromUtf8(configTemplate.readAll())
                     .replace(QStringLiteral("@PORT@"), QString::number(m_port))
                     .replace(QStringLiteral("@LOGDIR@"), m_directory.path())
                     .replace(QStringLiteral("@CHANGEOWNER@"), ::geteuid() == 0 ? changeOwner.arg(group) : QString())
                     .toUtf8());
    config.close();

    // It logs to files of its own: what it prints, a complaint about its configuration, is kept here.
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(QStringLiteral("icecast2"), {QStringLiteral("-c"), config.fileName()});
    if (!m_server.waitForStarted()) {
        m_startError = "cannot start icecast2 (is it installed?)";
        return;
    }
    // Generous: a loaded machine starts it slowly. The wait for its end is the pause between looks.
    const QDeadlineTimer deadline(30000);
    while (httpStatus("/") == 0) {
        if (m_server.waitForFinished(20) || deadline.hasExpired()) {
            m_startError = "icecast2 did not start listening: " + m_server.readAll().toStdString();
            return;
        }
    }
}

IcecastServer::~IcecastServer()
{
    for (auto& [mount, source] : m_sources) {
        stop(source);
    }
    stop(m_server);
}

bool IcecastServer::startSource(const std::string& mount, Codec codec, int frequencyHz)
{
    // Icecast re-pages Vorbis and hands listeners whole pages of about 4 KB, so the bitrate sets
    // how soon the first page arrives; 160 kbit/s is usual for Ogg stations.
    const QString encoder = codec == Codec::Mp3 ? QStringLiteral("lamemp3enc target=bitrate bitrate=128 cbr=true")
                                                : QStringLiteral("vorbisenc bitrate=160000 ! oggmux");
    QProcess& source = m_sources[mount];
    source.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString shout = QStringLiteral("shout2send ip=127.0.0.1 port=%1 password=%2 mount=%3")
                              .arg(QString::number(m_port), password, QString::fromStdString(mount));
    if (codec == Codec::Mp3Steps) {
        // Encoded ahead into a file, then sent at the audio's own pace.
        const QString file = m_directory.filePath(QStringLiteral("steps.mp3"));
        QString tones;
        for (int step = 0; step < 120 / toneStepSeconds; ++step) {
            tones += QStringLiteral(" audiotestsrc volume=0.5 samplesperbuffer=441 num-buffers=%1 freq=%2 ! "
                                    "audio/x-raw,rate=44100,channels=2 ! steps.")
                         .arg(QString::number(toneStepSeconds * 100),
                             QString::number(frequencyHz + toneStepHz * (step % toneSteps)));
        }
        QProcess encode;
        encode.startCommand(QStringLiteral("gst-launch-1.0 -q concat name=steps ! audioconvert ! "
                                           "lamemp3enc target=bitrate bitrate=128 cbr=true ! filesink location=%1")
                                .arg(file)
            + tones);
        if (!encode.waitForFinished(60000) || encode.exitCode() != 0) {
            return false;
        }
        source.startCommand(
            QStringLiteral("gst-launch-1.0 -q filesrc location=%1 ! mpegaudioparse ! %2").arg(file, shout));
    } else {
        source.startCommand(QStringLiteral("gst-launch-1.0 -q audiotestsrc is-live=true wave=sine volume=0.5 freq=%1 ! "
                                           "audio/x-raw,rate=44100,channels=2 ! audioconvert ! %2 ! %3")
                                .arg(QString::number(frequencyHz), encoder, shout));
    }
    const QDeadlineTimer deadline(30000);
    while (httpStatus(QByteArray::fromStdString(mount)) != 200) {
        if (source.waitForFinished(20) || deadline.hasExpired()) {
            return false;
        }
    }
    return true;
}

void IcecastServer::stopSource(const std::string& mount)
{
    stop(m_sources[mount]);
    m_sources.erase(mount);
}

bool IcecastServer::setTitle(const std::string& mount, const std::string& title) const
{
    const QByteArray credentials = ("admin:" + password.toLatin1()).toBase64();
    const QByteArray song = QByteArray::fromStdString(title).toPercentEncoding();
    return httpStatus("/admin/metadata?mount=" + QByteArray::fromStdString(mount) + "&mode=updinfo&song=" + song,
               "Authorization: Basic " + credentials + "\r\n")
        == 200;
}

int IcecastServer::httpStatus(const QByteArray& path, const QByteArray& headers) const
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(m_port));
    if (!socket.waitForConnected(2000)) {
        return 0;
    }
    socket.write("GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n" + headers + "\r\n");
    while (!socket.canReadLine() && socket.waitForReadyRead(2000)) { }
    return socket.readLine().mid(9, 3).toInt();
}

} // namespace Vello
