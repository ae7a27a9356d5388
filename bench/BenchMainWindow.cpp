// Prints what the main window costs on a dictionary of 100 000 records (offscreen): the time
// from the program's start to the first painted main window, and add, insert, edit and delete
// end to end - the command, its dialog, the file work and the table rebuild the window does
// afterwards - next to the file work plus rebuild alone. Figures, not pass or fail.
//
// Usage: QT_QPA_PLATFORM=offscreen telvo-bench-ui [records]
#include "app/core/Globals.h"
#include "app/windows/MessageWindows.h"
#include "app/windows/Okna.h"
#include "store/DictionaryEdits.h"
#include "store/RecordFile.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace telvo;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QByteArray dictionary(int count) {
    QByteArray out;
    out.reserve(qsizetype(count) * DictRecord::kSize);
    for (int i = 0; i < count; ++i) {
        DictRecord r;
        r.Angliyskoe_slovo = QStringLiteral("word number %1").arg(i);
        r.Transkriptsiya = QStringLiteral("уорд намбэ %1").arg(i);
        r.Perevod = QStringLiteral("слово номер %1").arg(i);
        r.Data_dobavleniya = 44000 + i / 50;
        out += r.encode();
    }
    return out;
}

// Sets the first paint time of a widget.
class PaintWatch : public QObject {
public:
    Clock::time_point painted{};
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            painted = Clock::now();
            seen = true;
        }
        return false;
    }
};

// Runs `fill` on the next modal dialog and presses its button `button`.
void driveDialog(std::function<void(QWidget*)> fill, const char* button) {
    QTimer::singleShot(0, [fill, button] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            std::fprintf(stderr, "no dialog came up\n");
            return;
        }
        if (fill)
            fill(dialog);
        if (auto* b = dialog->findChild<QPushButton*>(QString::fromUtf8(button)))
            b->click();
        if (QApplication::activeModalWidget() == dialog) {
            std::fprintf(stderr, "the dialog refused\n");
            dialog->close();
        }
    });
}

void setText(QWidget* dialog, const char* field, const QString& text) {
    if (auto* edit = dialog->findChild<QLineEdit*>(QString::fromUtf8(field)))
        edit->setText(text);
}

} // namespace

int main(int argc, char** argv) {
    const Clock::time_point programStart = Clock::now();
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;

    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    const QString folder = home.path() + QStringLiteral("/Telvo_Lab/Telvo_Vocabulary_02");
    QDir().mkpath(folder);
    {
        const Clock::time_point t = Clock::now();
        RecordFile(folder + QStringLiteral("/Vocabulary.dictdat"), DictRecord::kSize)
            .create(dictionary(count));
        std::printf("writing the %d-record dictionary (not counted): %.1f ms\n", count, msSince(t));
    }
    const Clock::time_point start = Clock::now();

    QApplication app(argc, argv);
    Globalnye_peremennye_slovarya g;
    Okna okna;
    g.okna = &okna;
    TMainForm form(g);
    okna.MainForm = &form;
    okna.Forma_soobshenie = new TForma_soobshenie(g, &form);
    okna.Forma_vopros_s_viborom = new TForma_vopros_s_viborom(g, &form);
    okna.Forma_soobschenie_ob_oschibke = new TForma_soobschenie_ob_oschibke(g, &form);
    PaintWatch watch;
    form.table().viewport()->installEventFilter(&watch);
    form.show();
    while (!watch.seen)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double startup = std::chrono::duration<double, std::milli>(watch.painted - start).count();
    const double fromProcess =
        std::chrono::duration<double, std::milli>(watch.painted - programStart).count();
    std::printf("records: %d\n", g.Kolichestvo_zapisey);
    std::printf("start to first painted main window: %.1f ms (%.1f ms from main(), with the "
                "dictionary written)\n",
                startup, fromProcess);

    auto trigger = [&](const char* name) {
        form.findChild<QAction*>(QString::fromUtf8(name))->trigger();
    };
    auto selectMiddle = [&] { form.selectRow(g.Kolichestvo_zapisey / 2); };
    constexpr int kRuns = 5;

    struct Case {
        const char* name;
        std::function<void(int)> command; // with its dialog
        std::function<void(int)> direct;  // file work and rebuild only
    };
    const QDate today = QDate::currentDate();
    const Case cases[] = {
        {"add",
         [&](int i) {
             driveDialog(
                 [i](QWidget* d) {
                     setText(d, "Текст_английского_слова", QStringLiteral("added %1").arg(i));
                     setText(d, "Текст_перевода", QStringLiteral("добавлено"));
                 },
                 "Кнопка_добавить");
             trigger("Действие_добавить_слово");
         },
         [&](int i) {
             addRecord(g, {QStringLiteral("direct add %1").arg(i), {}, {}}, today);
             g.Slovo_dobavleno = false;
             form.Vyvod_soderzhaniya_vsey_tablitsy();
         }},
        {"insert (middle)",
         [&](int i) {
             selectMiddle();
             driveDialog(
                 [i](QWidget* d) {
                     setText(d, "Текст_английского_слова", QStringLiteral("inserted %1").arg(i));
                 },
                 "Кнопка_вставить");
             trigger("Действие_вставить_слово");
         },
         [&](int i) {
             insertRecord(g, g.Kolichestvo_zapisey / 2,
                          {QStringLiteral("direct insert %1").arg(i), {}, {}}, today);
             g.Slovo_vstavleno = false;
             form.Vyvod_soderzhaniya_vsey_tablitsy();
         }},
        {"edit (middle)",
         [&](int i) {
             selectMiddle();
             driveDialog(
                 [i](QWidget* d) {
                     setText(d, "Текст_перевода", QStringLiteral("изменено %1").arg(i));
                 },
                 "Кнопка_изменить");
             trigger("Действие_изменить_запись");
         },
         [&](int i) {
             // An edit updates one row in place; the window does not rebuild the table.
             const int32_t n = g.Kolichestvo_zapisey / 2;
             editRecord(g, n,
                        {QStringLiteral("word number %1").arg(n - 1),
                         {},
                         QStringLiteral("прямо %1").arg(i)});
             g.Zapis_izmenena = false;
         }},
        {"delete (middle)",
         [&](int) {
             selectMiddle();
             driveDialog({}, "Кнопка_да");
             trigger("Действие_удалить_запись");
         },
         [&](int) {
             deleteRecord(g, g.Kolichestvo_zapisey / 2);
             g.Zapis_udalena = false;
             form.Vyvod_soderzhaniya_vsey_tablitsy();
         }},
    };
    for (const Case& c : cases) {
        std::vector<double> withDialog;
        std::vector<double> direct;
        for (int i = 0; i < kRuns; ++i) {
            Clock::time_point t = Clock::now();
            c.command(i);
            withDialog.push_back(msSince(t));
            t = Clock::now();
            c.direct(i);
            direct.push_back(msSince(t));
        }
        std::printf("%-16s command with dialog and rebuild: %7.1f ms   file work + rebuild: "
                    "%7.1f ms   (median of %d)\n",
                    c.name, median(withDialog), median(direct), kRuns);
    }
    {
        std::vector<double> rebuilds;
        for (int i = 0; i < kRuns; ++i) {
            const Clock::time_point t = Clock::now();
            form.Vyvod_soderzhaniya_vsey_tablitsy();
            rebuilds.push_back(msSince(t));
        }
        std::printf("table rebuild alone: %.1f ms\n", median(rebuilds));
    }
    std::printf("records at the end: %d\n", g.Kolichestvo_zapisey);
    return 0;
}
