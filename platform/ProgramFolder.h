#pragma once

#include <QString>

namespace telvo {

// The folder of the program's own read-only files (sign recordings, the user manual, the default
// sound folder): the executable's folder in the build tree, `<prefix>/share/telvo-vocabulary` when
// installed (the executable then lies in `<prefix>/bin`).
QString programFolder();

// The same rule for an executable in `executableFolder`; the installed layout wins when its share
// folder exists.
QString programFolderFor(const QString& executableFolder);

} // namespace telvo
