#include "platform/Network.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace platform {

bool hasNetworkAddress() {
    const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
    for (const QHostAddress& a : addresses)
        if (!a.isLoopback() && !a.isNull())
            return true;
    return false;
}

} // namespace platform
