// Prints what the idioms window costs on 100 000 idioms (offscreen): opening the window up to
// its first paint, and add, insert and delete - the file change and the table rebuild the
// window does afterwards. Figures, not pass or fail.
//
// Usage: QT_QPA_PLATFORM=offscreen telvo-bench-idioms [idioms]
#include "app/core/Globals.h"
#include "bench/BenchSupport.h"
#include "idioms/logic/IdiomFile.h"
#include "idioms/windows/TForma_idiomi.h"
#include "store/Records.h"
#include "ui/common/RecordTableView.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

using namespace telvo;

namespace {

QByteArray idioms(int count) {
    QByteArray out;
    out.reserve(qsizetype(count) * IdiomRecord::kSize);
    for (int i = 0; i < count; ++i) {
        IdiomRecord r;
        r.Idioma = QStringLiteral("take the bull by the horns number %1").arg(i);
        r.Perevod = QStringLiteral("взять быка за рога номер %1").arg(i);
        r.Data_dobavleniya = 44000 + i / 50;
        r.Zabyta = i % 13 == 0;
        out += r.encode();
    }
    return out;
}

// Shows the window and waits for its first paint.
class PaintWatch : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir home;
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(home.path());
    QDir().mkpath(g.puti.folder);
    const QByteArray content = idioms(count);
    const RangeRecord whole;
    const ViewStateRecord view;
    auto restore = [&] {
        bench::writeSettled(g.puti.idiom, content);
        bench::writeSettled(g.puti.idiomUpragneniy, whole.encode());
        bench::writeSettled(g.puti.startIdiom, view.encode());
    };
    restore();

    TForma_idiomi window(g);
    const double open = bench::timeMs(
        5,
        [&] {
            PaintWatch watch;
            window.table().viewport()->installEventFilter(&watch);
            window.show();
            while (!watch.seen)
                QApplication::processEvents();
            window.table().viewport()->removeEventFilter(&watch);
        },
        [&] {
            window.hide();
            restore();
        });
    std::printf("idioms window at %d idioms:\n", count);
    std::printf("  open to first paint  %8.1f ms  (target 100)\n", open);

    window.show();
    QApplication::processEvents();
    const IdiomTexts texts{QStringLiteral("a new idiom"), QStringLiteral("новая идиома")};
    auto rebuild = [&] {
        window.Vyvod_soderzhaniya_vsey_tablitsy_idiom();
        window.Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy();
    };
    const double add = bench::timeMs(
        9,
        [&] {
            addIdiom(g, texts, QDate::currentDate());
            rebuild();
        },
        restore);
    const double insert = bench::timeMs(
        9,
        [&] {
            insertIdiom(g, count / 2, texts, QDate::currentDate());
            rebuild();
        },
        restore);
    const double remove = bench::timeMs(
        9,
        [&] {
            deleteIdiom(g, count / 2);
            rebuild();
        },
        restore);
    const double rebuildOnly = bench::timeMs(9, rebuild);
    const double addOnly = bench::timeMs(
        9, [&] { addIdiom(g, texts, QDate::currentDate()); }, restore);
    std::printf("  rebuild alone        %8.1f ms\n", rebuildOnly);
    std::printf("  add alone            %8.1f ms\n", addOnly);
    std::printf("  add + rebuild        %8.1f ms  (target 20)\n", add);
    std::printf("  insert + rebuild     %8.1f ms  (target 80)\n", insert);
    std::printf("  delete + rebuild     %8.1f ms  (target 80)\n", remove);
    window.hide();
    return 0;
}
