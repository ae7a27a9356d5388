#include "sound/logic/SoundFolder.h"

#include "app/core/Failure.h"
#include "platform/ProgramFolder.h"
#include "store/Binary.h"
#include "store/Cp1251.h"
#include "store/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace telvo {

QString defaultSoundFolder() {
    return programFolder() + QStringLiteral("/sounds");
}

QString Prochitat_polnoe_imya_posledney_vybrannoy_papki(const DataPaths& paths) {
    if (!QFileInfo(paths.poslednyyPapka).isFile())
        return defaultSoundFolder();
    QFile file(paths.poslednyyPapka);
    if (!file.open(QIODevice::ReadOnly))
        return defaultSoundFolder();
    const QByteArray bytes = file.read(kSoundFolderRecordSize);
    if (bytes.size() < kSoundFolderRecordSize)
        return defaultSoundFolder();
    return getShortString(bytes.constData(), kSoundFolderMaxLen);
}

SoundFolderWrite Zapisat_papku_so_zvukami(const DataPaths& paths, const QString& folder) {
    if (!charactersWithoutCp1251(folder).isEmpty())
        return SoundFolderWrite::Unstorable;
    if (toCp1251(folder).size() > kSoundFolderMaxLen)
        return SoundFolderWrite::TooLong;
    return reportFailuresAs("Записать_папку_со_звуками", [&] {
        QByteArray record(kSoundFolderRecordSize, '\0');
        putShortString(record.data(), kSoundFolderMaxLen, folder);
        RecordFile(paths.poslednyyPapka, kSoundFolderRecordSize).replace(record);
        return SoundFolderWrite::Written;
    });
}

SoundFolderWrite Zapomnit_papku_vybrannogo_fayla(const DataPaths& paths, const QString& filePath) {
    return Zapisat_papku_so_zvukami(paths, QFileInfo(filePath).absolutePath());
}

QString soundFolderRefusalText(SoundFolderWrite result, const QString& folder) {
    switch (result) {
    case SoundFolderWrite::Written:
        return {};
    case SoundFolderWrite::TooLong:
        return QStringLiteral("Путь к папке со звуками длиннее %1 символов, поэтому программа не "
                              "может его запомнить: ")
                   .arg(kSoundFolderMaxLen) +
               folder +
               QStringLiteral(". Выберите папку с более коротким путём. Прежняя папка "
                              "со звуками сохранена.");
    case SoundFolderWrite::Unstorable:
        return QStringLiteral("В пути к папке со звуками есть знаки, которые программа не может "
                              "запомнить: ") +
               charactersWithoutCp1251(folder).join(QStringLiteral(" ")) +
               QStringLiteral(". Выберите другую папку. Прежняя папка со звуками сохранена.");
    }
    return {};
}

bool Papka_so_zvukami_zadana(const QString& folder) {
    return !folder.isEmpty() && folder != QStringLiteral("/");
}

namespace {

QString fileNameOf(const QString& word, const QString& extension) {
    QString name = word;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name + extension;
}

} // namespace

QString Imya_zvukovogo_fayla(const QString& folder, const QString& word, const QString& extension) {
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return folder + separator + fileNameOf(word, extension);
}

QString findWordFile(const QString& folder, const QString& word, const QString& extension) {
    const QString exact = Imya_zvukovogo_fayla(folder, word, extension);
    if (QFileInfo(exact).isFile())
        return exact;
    const QString wanted = fileNameOf(word, extension);
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    // The first match in name order, so the same folder always gives the same file.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return {};
}

} // namespace telvo
