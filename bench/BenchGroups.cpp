// Prints how long reading the group file into the group table and writing it back takes with
// 1 000 full groups (Cyrillic names and words in all 14 rows), and what opening the groups
// window on that file and closing it (both files written) cost. Figures, not pass or fail:
// opening and closing aim at 30 ms each.
//
// Usage: QT_QPA_PLATFORM=offscreen telvo-bench-groups [folder]   (default: a temporary folder)
#include "app/core/Globals.h"
#include "groups/logic/GroupFile.h"
#include "groups/windows/TForma_gruppy_slov.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace telvo;

namespace {

double medianMs(int repetitions, const std::function<void()>& work) {
    std::vector<double> v;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        v.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temp;
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(base);
    QDir().mkpath(g.puti.folder);

    constexpr int kGroups = 1000;
    for (int n = 0; n < kGroups; ++n) {
        tip_Zapis_gruppy_slov group;
        group.Nazvanie_gruppy_slov = QStringLiteral("Группа слов номер %1").arg(n + 1);
        for (int r = 0; r < kGroupRows; ++r)
            group.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[r] = {
                QStringLiteral("word %1-%2").arg(n).arg(r),
                QStringLiteral("перевод слова %1-%2").arg(n).arg(r)};
        g.Gruppy_slov.push_back(std::move(group));
    }

    const double write = medianMs(21, [&] { Zapisat_gruppy_v_fayl(g); });
    const double read = medianMs(21, [&] { Zagruzit_gruppy_iz_fayla(g); });
    std::printf("groups: %d (%d bytes)\n", g.Kolichestvo_grupp(),
                kGroups * GroupLayout::kRecordSize);
    std::printf("read the group file into the table: %.2f ms (median of 21)\n", read);
    std::printf("write the table to the group file:  %.2f ms (median of 21, with fsync)\n", write);

    // The window on the file just written: show (read both files, fill both tables, select the
    // saved group) and close (commit, write both files), each until its events are handled.
    TForma_gruppy_slov window(g, nullptr);
    std::vector<double> opens;
    std::vector<double> closes;
    for (int i = 0; i < 21; ++i) {
        auto start = std::chrono::steady_clock::now();
        window.open();
        QCoreApplication::processEvents();
        opens.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        start = std::chrono::steady_clock::now();
        window.close();
        QCoreApplication::processEvents();
        closes.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(opens.begin(), opens.end());
    std::sort(closes.begin(), closes.end());
    std::printf("open the groups window (1 000 groups):  %.2f ms (median of 21)\n",
                opens[opens.size() / 2]);
    std::printf("close the groups window (files written): %.2f ms (median of 21)\n",
                closes[closes.size() / 2]);
    return 0;
}
