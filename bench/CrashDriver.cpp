// Drives random mixed changes of a data folder for scripts/crash-soak.sh, which kills it at
// random moments and then asks it whether the folder is consistent.
//
//   telvo-crash-driver init  BASE RECORDS      a dictionary with forgotten words, marks,
//                                              excluded words and five histories
//   telvo-crash-driver run   BASE OPS SEED     the start-up check, then changes until OPS in
//                                              all are done (counted over every run)
//   telvo-crash-driver check BASE              the start-up check, then: every aligned file
//                                              fits the dictionary and the folder is the state
//                                              logged before or after the last change
//
// BASE stands for XDG_DATA_HOME: the data folder lies in BASE/Telvo_Lab/Telvo_Vocabulary_02,
// a shadow copy in BASE/shadow (each change runs there first, so its result is known before
// it touches the real folder) and the log in BASE/changes.log. Exit status 0: done or
// consistent; 1: inconsistent; 2: misuse.
#include "app/core/Globals.h"
#include "app/core/SystemMessage.h"
#include "store/Binary.h"
#include "store/DataFolder.h"
#include "store/DictionaryEdits.h"
#include "store/Exclusion.h"
#include "store/Forgotten.h"
#include "store/Histories.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/Records.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <random>

using namespace telvo;

namespace {

const QDate kDay(2024, 2, 1);

QString dataFolderUnder(const QString& base) {
    return makeDataPaths(base).folder;
}

// Every file of a folder, by name, in one digest.
QByteArray digestOf(const QString& folder) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            std::exit(2);
        }
        const QByteArray content = f.readAll();
        hash.addData(name.toUtf8());
        hash.addData(QByteArray::number(content.size()));
        hash.addData(content);
    }
    return hash.result().toHex();
}

void copyFolder(const QString& from, const QString& to) {
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    const QDir dir(from);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (!QFile::copy(dir.filePath(name), to + "/" + name)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(name));
            std::exit(2);
        }
    }
}

void writeWhole(const QString& path, const QByteArray& content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
        std::exit(2);
}

// The shared state a start gives: the counters and the range as read from the files.
void loadState(Globalnye_peremennye_slovarya& g) {
    g.Kolichestvo_zapisey = RecordFile(g.puti.vocabulary, DictRecord::kSize).count();
    Prochitat_diapazon(g);
}

struct Log {
    QString path;
    void line(const QByteArray& text) const {
        QFile f(path);
        // One write per line; a kill can cut only the line being written, never an earlier one.
        if (!f.open(QIODevice::WriteOnly | QIODevice::Append) ||
            f.write(text + "\n") != text.size() + 1)
            std::exit(2);
    }
    QList<QByteArray> lines() const {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QByteArray all = f.readAll();
        // A line cut off by a kill does not count.
        if (!all.endsWith('\n'))
            all.truncate(all.lastIndexOf('\n') + 1);
        QList<QByteArray> out = all.split('\n');
        out.removeAll(QByteArray());
        return out;
    }
};

Log logUnder(const QString& base) {
    return {base + "/changes.log"};
}

int init(const QString& base, int records) {
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(base);
    QDir(g.puti.folder).removeRecursively();
    QDir().mkpath(g.puti.folder);
    QFile::remove(logUnder(base).path);
    std::mt19937 random(7);
    QByteArray dictionary;
    QByteArray forgotten(records, '\0');
    for (int i = 0; i < records; ++i) {
        DictRecord r;
        r.Angliyskoe_slovo = QStringLiteral("word%1").arg(i);
        r.Transkriptsiya = QStringLiteral("транскрипция");
        r.Perevod = QStringLiteral("перевод %1").arg(i);
        r.Data_dobavleniya = toDelphiDate(kDay.addDays(-(i / 40)));
        r.Zapreshcheno_k_pokazu = i % 97 == 5;
        r.Otmecheno = i % 13 == 0;
        if (!r.Zapreshcheno_k_pokazu && random() % 9 == 0)
            forgotten[i] = 1;
        dictionary += r.encode();
    }
    writeWhole(g.puti.vocabulary, dictionary);
    writeWhole(g.puti.statForget, forgotten);
    for (const HistoryInfo& info : histories()) {
        QByteArray history(records, '\0');
        for (int i = 0; i < records; ++i)
            history[i] = random() % 3 == 0 ? 1 : 0;
        writeWhole(g.puti.*info.path, history);
    }
    RangeRecord whole;
    whole.Konets_diapazona = records;
    writeWhole(g.puti.upragneniy, whole.encode());
    writeWhole(g.puti.groupWords, {});
    logUnder(base).line("init " + digestOf(g.puti.folder));
    std::printf("%d records in %s\n", records, qPrintable(g.puti.folder));
    return 0;
}

// One random change; `pick` draws the same numbers for the shadow and for the real folder.
struct Change {
    int kind = 0;
    int a = 0;
    int b = 0;
};

const char* const kKinds[] = {"add",     "insert", "edit",  "delete", "forget",
                              "exclude", "mark",   "range", "history"};

Change drawChange(std::mt19937& random, const Globalnye_peremennye_slovarya& g) {
    // Weights: adds and inserts most, then deletes, the rest now and then.
    static const int weights[] = {25, 20, 10, 18, 10, 5, 5, 3, 4};
    std::discrete_distribution<int> kind(std::begin(weights), std::end(weights));
    Change c;
    c.kind = kind(random);
    const int count = std::max(g.Kolichestvo_zapisey, 1);
    c.a = int(random() % uint32_t(count)) + 1;
    c.b = int(random() % uint32_t(count)) + 1;
    if (c.kind == 3 && g.Kolichestvo_zapisey < 2)
        c.kind = 0;
    return c;
}

void apply(Globalnye_peremennye_slovarya& g, const Change& c, int serial) {
    const RecordTexts texts{QStringLiteral("soak %1").arg(serial), QStringLiteral("сок"),
                            QStringLiteral("проба %1").arg(serial)};
    switch (c.kind) {
    case 0:
        addRecord(g, texts, kDay);
        break;
    case 1:
        insertRecord(g, c.a - 1, texts, kDay);
        break;
    case 2:
        editRecord(g, c.a, texts);
        break;
    case 3:
        deleteRecord(g, c.a);
        break;
    case 4:
        Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, c.a);
        break;
    case 5: {
        g.Nomer_tekushchey_zapisi = c.a;
        const QByteArray r = RecordFile(g.puti.vocabulary, DictRecord::kSize).read(c.a - 1);
        if (r[DictRecord::kExcludedOffset])
            Vosstanovit_slovo_dlya_pokaza(g);
        else
            Isklyuchit_slovo_iz_pokaza(g);
        break;
    }
    case 6:
        g.Nomer_tekushchey_zapisi = c.a;
        Izmenit_otmetku_slova(g);
        break;
    case 7: {
        // The whole dictionary, a fixed range or a range to the end, in turn.
        RangeRecord r;
        const int lo = std::min(c.a, c.b);
        const int hi = std::max(c.a, c.b);
        r.Vse_slova_slovarya = serial % 3 == 0;
        r.Do_kontsa = serial % 3 == 1;
        r.Nachalo_diapazona = r.Vse_slova_slovarya ? 1 : lo;
        r.Konets_diapazona = r.Vse_slova_slovarya || r.Do_kontsa ? g.Kolichestvo_zapisey : hi;
        saveRangeAndResetHistories(g, r);
        break;
    }
    case 8: {
        // An exercise window closing: its history saved whole.
        const HistoryInfo& info = histories()[size_t(serial) % histories().size()];
        QByteArray bytes(std::max(g.Razmer_diapazona, 0), '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = (i + serial) % 4 == 0 ? 1 : 0;
        RecordFile(g.puti.*info.path, 1).replace(bytes);
        break;
    }
    }
}

int run(const QString& base, int total, unsigned seed) {
    const Log log = logUnder(base);
    int done = 0;
    for (const QByteArray& line : log.lines()) {
        if (line.startsWith("done "))
            done = line.split(' ').value(1).toInt();
    }
    Globalnye_peremennye_slovarya g;
    Proverka_nalichiya_bazy_slov(g);
    loadState(g);
    const QString shadowBase = base + "/shadow";
    copyFolder(g.puti.folder, dataFolderUnder(shadowBase));
    Globalnye_peremennye_slovarya shadow = g;
    shadow.puti = makeDataPaths(shadowBase);

    std::mt19937 random(seed);
    for (int serial = done + 1; serial <= total; ++serial) {
        const Change c = drawChange(random, g);
        const QByteArray before = digestOf(g.puti.folder);
        apply(shadow, c, serial);
        const QByteArray after = digestOf(shadow.puti.folder);
        log.line("change " + QByteArray::number(serial) + " " + kKinds[c.kind] + " " + before +
                 " " + after);
        apply(g, c, serial);
        log.line("done " + QByteArray::number(serial));
    }
    return 0;
}

// Every aligned file holds what the dictionary and the range call for.
QStringList misaligned(Globalnye_peremennye_slovarya& g) {
    QStringList problems;
    const qint64 dictBytes = QFileInfo(g.puti.vocabulary).size();
    if (dictBytes % DictRecord::kSize != 0)
        problems << QStringLiteral("dictionary of %1 bytes").arg(dictBytes);
    const int32_t count = int32_t(dictBytes / DictRecord::kSize);
    if (QFileInfo::exists(g.puti.statForget) && QFileInfo(g.puti.statForget).size() != count)
        problems << QStringLiteral("forgotten file of %1 bytes for %2 records")
                        .arg(QFileInfo(g.puti.statForget).size())
                        .arg(count);
    loadState(g);
    if (g.Nachalo_diapazona < 1 || g.Konets_diapazona > count ||
        (g.Do_kontsa && g.Konets_diapazona != count))
        problems << QStringLiteral("range %1-%2 for %3 records")
                        .arg(g.Nachalo_diapazona)
                        .arg(g.Konets_diapazona)
                        .arg(count);
    for (const HistoryInfo& info : histories()) {
        const QString& path = g.puti.*info.path;
        if (QFileInfo::exists(path) && QFileInfo(path).size() != g.Razmer_diapazona)
            problems << QStringLiteral("%1 of %2 bytes for a range of %3")
                            .arg(QFileInfo(path).fileName())
                            .arg(QFileInfo(path).size())
                            .arg(g.Razmer_diapazona);
    }
    const QDir dir(g.puti.folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name.contains("_new.") || name == "transaction.journal")
            problems << QStringLiteral("%1 left behind").arg(name);
    }
    return problems;
}

int check(const QString& base) {
    Globalnye_peremennye_slovarya g;
    Proverka_nalichiya_bazy_slov(g);
    QStringList problems = misaligned(g);

    // The last change logged, and whether it was done.
    QByteArray expectedBefore, expectedAfter, last = "start";
    bool finished = true;
    for (const QByteArray& line : logUnder(base).lines()) {
        const QList<QByteArray> f = line.split(' ');
        if (f[0] == "init") {
            expectedBefore = expectedAfter = f.value(1);
        } else if (f[0] == "change") {
            last = f.value(1) + " " + f.value(2);
            expectedBefore = f.value(3);
            expectedAfter = f.value(4);
            finished = false;
        } else if (f[0] == "done") {
            finished = true;
        }
    }
    const QByteArray now = digestOf(g.puti.folder);
    const bool asLogged =
        finished ? now == expectedAfter : (now == expectedBefore || now == expectedAfter);
    if (!asLogged)
        problems << QStringLiteral("the folder is neither the state before nor after change %1")
                        .arg(QString::fromUtf8(last));
    if (problems.isEmpty()) {
        std::printf("consistent after change %s (%s)\n", last.constData(),
                    finished ? "done" : (now == expectedAfter ? "finished" : "not made"));
        return 0;
    }
    std::printf("INCONSISTENT after change %s: %s\n", last.constData(),
                qPrintable(problems.join("; ")));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    setSystemMessageSink(
        [](const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s init|run|check BASE ...\n", argv[0]);
        return 2;
    }
    const QString base = QFileInfo(args[2]).absoluteFilePath();
    qputenv("XDG_DATA_HOME", QFile::encodeName(base));
    if (args[1] == "init" && args.size() == 4)
        return init(base, args[3].toInt());
    if (args[1] == "run" && args.size() == 5)
        return run(base, args[3].toInt(), args[4].toUInt());
    if (args[1] == "check")
        return check(base);
    std::fprintf(stderr, "usage: %s init|run|check BASE ...\n", argv[0]);
    return 2;
}
