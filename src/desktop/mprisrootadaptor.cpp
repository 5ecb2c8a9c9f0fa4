#include "mprisrootadaptor.h"

#include "mprisplayer.h"

#include <QGuiApplication>

namespace Vello {

MprisRootAdaptor::MprisRootAdaptor(QObject* parent, MprisPlayer& player)
    : QDBusAbstractAdaptor(parent)
    , m_player(player)
{
}

QString MprisRootAdaptor::identity() const
{
    return QStringLiteral("Pemba Vello");
}

QString MprisRootAdaptor::desktopEntry() const
{
    return QGuiApplication::desktopFileName();
}

void MprisRootAdaptor::Raise()
{
    m_player.raise();
}

void MprisRootAdaptor::Quit()
{
    m_player.quit();
}

} // namespace Vello
