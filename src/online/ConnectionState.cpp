#include "ConnectionState.h"

#include <QNetworkInformation>

bool SystemConnectionState::isConnected()
{
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    // A local or site network may still reach the update server (a farm's own server): only
    // a computer with no network at all counts as disconnected.
    return QNetworkInformation::instance()->reachability() !=
           QNetworkInformation::Reachability::Disconnected;
}
