#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace telvo {

// The 41 signs of English transcription in the reference window's order, each with the name of
// its recording and five example words.
struct TranscriptionSign {
    const char* sign;      // IPA letters in brackets, UTF-8
    const char* soundName; // the recording is znaki_trans/<soundName>.wav, UTF-8
    std::array<const char*, 5> words;
};

inline constexpr int kTranscriptionSignCount = 41;

const std::array<TranscriptionSign, kTranscriptionSignCount>& transcriptionSigns();

// The sign at `index` as text ("[ə]"); empty outside the table.
QString transcriptionSignText(int index);

// The memo of the reference window: the sign, then its five example words.
QStringList transcriptionSignLines(int index);

// The recording of the sign at `index` in the program folder; empty outside the table.
QString transcriptionSignFile(const QString& programFolder, int index);

} // namespace telvo
