#pragma once

#include <QUrl>

namespace telvo::tools {

// The maker's web site: shown in the about window and in the download's timeout text.
inline constexpr char kMakerWebAddress[] = "https://telvolab.example/vocabulary";

// The server the sounds archive is downloaded from, and the archive's path on it.
inline constexpr char kDownloadServer[] = "http://download.telvolab.example";
inline constexpr char kSoundsPath[] = "/vocabulary/sounds.zip";

// The address of the sounds archive. TELVO_DOWNLOAD_URL in the environment replaces the server
// ("http://127.0.0.1:8080"); an address there with a path of its own is taken as it is.
QUrl soundsDownloadUrl();

} // namespace telvo::tools
