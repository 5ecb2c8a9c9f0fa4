#include "autostart.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Vello::Autostart {

namespace {

constexpr const char* appId = "org.pembavello.PembaVello";

// A desktop entry's Exec quotes its arguments, and escapes in them what it reserves.
QString quotedArgument(QString argument)
{
    argument.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'"', QStringLiteral("\\\""))
        .replace(u'`', QStringLiteral("\\`"));
    argument.replace(u'$', QStringLiteral("\\$"));
    // And a desktop entry's own escape for the backslash, applied after the Exec rules.
    argument.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + argument.replace(u'%', QStringLiteral("%%")) + u'"';
}

} // namespace

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
        + QString::fromLatin1(appId) + QStringLiteral(".desktop");
}

bool isOn()
{
    return QFileInfo(entryPath()).isFile();
}

QString set(bool on, const QString& program)
{
    const QString path = entryPath();
    if (!on) {
        return !QFileInfo::exists(path) || QFile::remove(path)
            ? QString()
            : QCoreApplication::translate("Vello::Autostart", "It could not be removed.");
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return QCoreApplication::translate("Vello::Autostart", "The autostart folder could not be made.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const QString entry
        = QStringLiteral("[Desktop Entry]\nType=Application\nName=Pemba Vello\nExec=%1 %2\n"
                         "Icon=%3\nX-GNOME-Autostart-enabled=true\n")
              .arg(quotedArgument(program), QString::fromLatin1(startedAtLoginOption), QString::fromLatin1(appId));
    file.write(entry.toUtf8());
    return file.commit() ? QString() : file.errorString();
}

QCheckBox* makeCheckBox(QWidget* parent)
{
    auto* box
        = new QCheckBox(QCoreApplication::translate("Vello::Autostart", "Start Pemba Vello when I log in"), parent);
    box->setAccessibleName(box->text());
    box->setChecked(isOn());
    QObject::connect(box, &QCheckBox::toggled, box, [box](bool on) {
        const QString failure = set(on, QCoreApplication::applicationFilePath());
        if (!failure.isEmpty()) {
            const QSignalBlocker quiet(box);
            box->setChecked(isOn());
            box->setToolTip(QCoreApplication::translate("Vello::Autostart", "The login entry could not be changed: %1")
                                .arg(failure));
        }
    });
    return box;
}

} // namespace Vello::Autostart
