// Prints how long reading the group file into the group table and writing it back takes with
// 1 000 full groups (Cyrillic names and words in all 14 rows). Figures, not pass or fail: the
// groups window's open and close, of which these are the file part, aim at 30 ms each.
//
// Usage: telvo-bench-groups [folder]   (default: a temporary folder)
#include "app/core/Globals.h"
#include "groups/logic/GroupFile.h"

#include <QCoreApplication>
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
    QCoreApplication app(argc, argv);
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
    return 0;
}
