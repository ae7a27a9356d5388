#include "sound/logic/WordDrill.h"

#include <algorithm>

namespace telvo {

int drillWindowWidth(int length) {
    return std::clamp(43 * length + 215, 360, 1000);
}

int drillFlashIntervalMs(int length) {
    return length <= 7 ? 900 : length * 90;
}

QString drillCounterText(int showings, int minutes, int seconds) {
    auto two = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    return QString::number(showings) + QStringLiteral(" [") + two(minutes) + u':' + two(seconds) +
           u']';
}

DrillTexts captureDrillTexts(const DrillSources& s) {
    DrillTexts texts;
    if (!s.playerWord.isEmpty()) {
        if (!s.tableRow)
            return texts;
        // The last matching row wins: look from the end and stop at the first.
        for (int row = s.tableRows; row >= 1; --row) {
            DrillTexts candidate = s.tableRow(row);
            if (candidate.word == s.playerWord)
                return candidate;
        }
        return texts;
    }
    if (s.fromTable && s.tableRow && s.selectedRow >= 1 && s.selectedRow <= s.tableRows)
        texts = s.tableRow(s.selectedRow);
    if (s.fromGroup)
        texts = {s.groupWord, s.groupWord, s.groupTranslation};
    if (s.fromSigns)
        texts = {s.sign, s.sign, s.sign};
    return texts;
}

WordDrill::WordDrill(DrillTexts texts) : texts_(std::move(texts)) {}

void WordDrill::flashTick() {
    if (transcriptionNext_) {
        wordShown_.clear();
        transcriptionShown_ = texts_.transcription;
    } else {
        transcriptionShown_.clear();
        wordShown_ = texts_.word;
        ++showings_;
    }
    transcriptionNext_ = !transcriptionNext_;
}

void WordDrill::stopwatchTick() {
    if (++seconds_ == 60) {
        seconds_ = 0;
        if (++minutes_ == 60)
            minutes_ = 0;
    }
}

} // namespace telvo
