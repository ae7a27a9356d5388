#include "tools/logic/UsageExample.h"

#include "sound/logic/SoundFolder.h"
#include "store/Transaction.h"
#include "tools/logic/WholeFile.h"

#include <QFileInfo>

namespace telvo::tools {

namespace {

const QString kExtension = QStringLiteral(".rtf");

} // namespace

QString usageExampleFile(const QString& folder, const QString& word) {
    const QString existing = findWordFile(folder, word, kExtension);
    return existing.isEmpty() ? Imya_zvukovogo_fayla(folder, word, kExtension) : existing;
}

rtf::Document readUsageExample(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    return rtf::read(readWholeFile(path));
}

void writeUsageExample(const QString& path, const rtf::Document& document) {
    const QFileInfo info(path);
    // A word's file ends in ".rtf"; this name cannot.
    const QString companion =
        info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".new");
    const QByteArray bytes = rtf::write(document);
    Transaction change({}, {});
    change.replace(path, {bytes}, companion);
    change.commit();
}

void deleteUsageExample(const QString& path) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return;
    Transaction change({}, {});
    change.remove(path);
    change.commit();
}

} // namespace telvo::tools
