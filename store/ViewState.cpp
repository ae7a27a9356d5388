#include "store/ViewState.h"

#include "store/RecordFile.h"

#include <QFile>
#include <QFileInfo>

namespace telvo {

std::optional<ViewStateRecord> readViewState(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(ViewStateRecord::kSize);
    if (bytes.size() < ViewStateRecord::kSize)
        return std::nullopt;
    return ViewStateRecord::decode(bytes.constData());
}

void writeViewState(const QString& path, const ViewStateRecord& state) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return;
    RecordFile(path, ViewStateRecord::kSize).replace(state.encode());
}

} // namespace telvo
