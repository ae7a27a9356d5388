#include "tools/logic/UsageExample.h"

#include "app/core/Failure.h"
#include "sound/logic/SoundFolder.h"
#include "store/Transaction.h"

#include <QFile>
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
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        throw Failure(QStringLiteral("Не удалось прочитать файл ") + path +
                      QStringLiteral(": это не файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Не удалось прочитать файл ") + path + QStringLiteral(": ") +
                      file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("Не удалось прочитать файл ") + path + QStringLiteral(": ") +
                      file.errorString());
    return rtf::read(bytes);
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
