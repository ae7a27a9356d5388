#pragma once

#include "app/core/Globals.h"

#include <QString>

namespace telvo {

// The folder of word recordings: where its path is remembered (poslednyy_papka.startdat, one
// short string of 120 single-byte characters), which folder counts as set, and which file
// belongs to a word.

inline constexpr int kSoundFolderMaxLen = 120;
inline constexpr int kSoundFolderRecordSize = kSoundFolderMaxLen + 1;

// `<program folder>/sounds`: the folder used while none has been chosen.
QString defaultSoundFolder();

// The remembered folder; the default folder when the file is missing. A file that cannot hold
// the record (too short, not a regular file, unreadable) is taken as missing: it only spares the
// user a choice.
QString Prochitat_polnoe_imya_posledney_vybrannoy_papki(const DataPaths& paths);

enum class SoundFolderWrite {
    Written,
    // The path needs more than 120 bytes: cut, it would name another folder.
    TooLong,
    // The path holds characters the file's code page cannot store.
    Unstorable,
};

// Replaces the file with one record holding `folder`. A path the record cannot hold whole is
// refused and the file keeps the old folder. A failed write is reported as a failure of the
// procedure.
SoundFolderWrite Zapisat_papku_so_zvukami(const DataPaths& paths, const QString& folder);

// The same with the folder of `filePath` (no trailing slash; the root stays "/").
SoundFolderWrite Zapomnit_papku_vybrannogo_fayla(const DataPaths& paths, const QString& filePath);

// The text shown in the "Сообщение" window for a refused folder; empty for Written.
QString soundFolderRefusalText(SoundFolderWrite result, const QString& folder);

// False when no folder is set: the path is empty or is the root "/".
bool Papka_so_zvukami_zadana(const QString& folder);

// The file of `word` in `folder`: folder + "/" + word + extension, the word as stored except that
// a '/' becomes '_' (a word never names a subfolder). `extension` includes its dot (".wav";
// usage examples use ".rtf").
QString Imya_zvukovogo_fayla(const QString& folder, const QString& word,
                             const QString& extension = QStringLiteral(".wav"));

// The existing file for `word`: the exact name when it exists, else the one file of the folder
// whose name matches it ignoring letter case (sets made on case-blind file systems rely on it).
// Empty when neither exists.
QString findWordFile(const QString& folder, const QString& word,
                     const QString& extension = QStringLiteral(".wav"));

} // namespace telvo
