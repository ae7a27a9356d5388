#include "tools/logic/WebAddresses.h"

namespace telvo::tools {

QUrl soundsDownloadUrl() {
    const QString given = qEnvironmentVariable("TELVO_DOWNLOAD_URL");
    QUrl url(given.isEmpty() ? QString::fromLatin1(kDownloadServer) : given);
    if (url.path().isEmpty() || url.path() == QLatin1String("/"))
        url.setPath(QString::fromLatin1(kSoundsPath));
    return url;
}

} // namespace telvo::tools
