// Every change of the dictionary and its aligned files is cut off at each of its file-changing
// calls in turn - the process killed there, or the call failing as on a full disk - and the
// start-up check then has to find every data file in the old state or every one in the new.
#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/DataFolder.h"
#include "store/DictionaryEdits.h"
#include "store/Exclusion.h"
#include "store/Forgotten.h"
#include "store/Histories.h"
#include "tests/store/DataFolderFixture.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <map>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace telvo;
using namespace telvo::test;
namespace faults = platform::faults;

namespace {

const RecordTexts kTexts{"new", "нью", "новое"};
const QDate kDate(2021, 3, 6);

using Files = std::map<QString, QByteArray>; // every file of the data folder by name

std::string describe(const Files& files) {
    std::string out;
    for (const auto& [name, content] : files)
        out += "  " + name.toStdString() + ": " + hex(content) + "\n";
    return out;
}

// What the change left in memory, for a failure that must leave it as it was.
struct Counters {
    int32_t records, start, end, forgotten;
    bool whole, toEnd, added, inserted, deleted, edited;
    bool operator==(const Counters&) const = default;
};

Counters countersOf(const Globalnye_peremennye_slovarya& g) {
    return {
        g.Kolichestvo_zapisey, g.Nachalo_diapazona, g.Konets_diapazona, g.Kolichestvo_zabytykh_slov,
        g.Vse_slova_slovarya,  g.Do_kontsa,         g.Slovo_dobavleno,  g.Slovo_vstavleno,
        g.Zapis_udalena,       g.Zapis_izmenena};
}

enum class Range { Whole, Fixed, ToEnd };

struct CrashCase {
    const char* name;
    Range range;
    std::function<void(Globalnye_peremennye_slovarya&)> change;
    // The procedure a failure is reported under; empty for the record dialogs, whose failure
    // reaches the event-dispatch boundary and lets the program go on.
    const char* reportName = "";
    // Applied to the prepared folder before the change.
    std::function<void(Globalnye_peremennye_slovarya&)> tweak = {};
};

void PrintTo(const CrashCase& c, std::ostream* os) {
    *os << c.name;
}

class CrashPoints : public DataFolderTest, public ::testing::WithParamInterface<CrashCase> {
protected:
    // Six records (record 2 excluded, record 3 marked), two of them forgotten, five histories
    // of the range that differ from each other, the range, the view state and the group file.
    void prepare() {
        const CrashCase& c = GetParam();
        switch (c.range) {
        case Range::Whole:
            givenDictionary(6, true, 1, 6, false);
            break;
        case Range::Fixed:
            givenDictionary(6, false, 2, 5, false);
            break;
        case Range::ToEnd:
            givenDictionary(6, false, 3, 6, true);
            break;
        }
        const int size = g.Razmer_diapazona;
        int which = 0;
        for (const QString* p : {&g.puti.statEng, &g.puti.statRus, &g.puti.statPerEng,
                                 &g.puti.statPerRus, &g.puti.statPair}) {
            QByteArray history;
            for (int k = 0; k < size; ++k)
                history.append((k + which) % 3 == 0 ? '\1' : '\0');
            writeFile(*p, history);
            ++which;
        }
        writeFile(g.puti.statForget, bytes({1, 0, 0, 0, 1, 0}));
        g.Kolichestvo_zabytykh_slov = 2;
        writeFile(g.puti.start, bytes({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
        writeFile(g.puti.groupWords, {});
        if (c.tweak)
            c.tweak(g);
        old_ = files();
        oldG_ = g;
    }

    Files files() const {
        Files out;
        const QDir dir(g.puti.folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            out[name] = readFile(dir.filePath(name));
        return out;
    }

    // Back to the prepared files and shared state.
    void restore() {
        QDir dir(g.puti.folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            QFile::remove(dir.filePath(name));
        for (const auto& [name, content] : old_)
            writeFile(dir.filePath(name), content);
        g = oldG_;
    }

    // The change run once in full: its files, its shared state and how many calls it makes.
    void runOnceInFull() {
        restore();
        faults::resetCalls();
        GetParam().change(g);
        calls_ = faults::calls();
        new_ = files();
        newG_ = g;
        ASSERT_FALSE(new_ == old_) << "the change changed nothing";
        restore();
    }

    // The program starting again on the folder: the start-up check finishes or undoes what
    // was cut off.
    void startAgain() {
        Globalnye_peremennye_slovarya fresh;
        Proverka_nalichiya_bazy_slov(fresh);
    }

    ::testing::AssertionResult is(const Files& now, const Files& expected,
                                  const char* which) const {
        if (now == expected)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "not the " << which << " state:\n"
                                             << describe(now) << which << ":\n"
                                             << describe(expected);
    }

    // Every file old, or every file new.
    ::testing::AssertionResult oldOrNew(const Files& now) const {
        if (now == old_ || now == new_)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "neither old nor new:\n"
                                             << describe(now) << "old:\n"
                                             << describe(old_) << "new:\n"
                                             << describe(new_);
    }

    Files old_, new_;
    Globalnye_peremennye_slovarya oldG_, newG_;
    long long calls_ = 0;
};

constexpr int kFinished = 0;

// Runs the change in a child process that is killed at its k-th file-changing call; true when
// it was killed, false when it finished without reaching that call.
bool killedAt(long long k, const CrashCase& c, Globalnye_peremennye_slovarya& g) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        faults::arm(k, faults::Action::Kill, 0);
        int code = kFinished;
        try {
            c.change(g);
        } catch (...) {
            code = 3;
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return true;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kFinished)
        << "the change itself failed in the child, status " << status;
    return false;
}

} // namespace

TEST_P(CrashPoints, KilledAtEveryCallLeavesOldOrNew) {
    prepare();
    runOnceInFull();
    long long k = 1;
    for (; k <= calls_ + 1; ++k) {
        SCOPED_TRACE("killed at call " + std::to_string(k));
        restore();
        if (!killedAt(k, GetParam(), g))
            break;
        startAgain();
        ASSERT_TRUE(oldOrNew(files()));
    }
    // Every call was a crash point, and the change needs no more than it made in full.
    EXPECT_EQ(k, calls_ + 1);
}

TEST_P(CrashPoints, FailingCallLeavesOldStateAndSaysSo) {
    prepare();
    runOnceInFull();
    const CrashCase& c = GetParam();
    for (const bool persistent : {false, true}) {
        for (long long k = 1; k <= calls_; ++k) {
            SCOPED_TRACE(std::string(persistent ? "disk full from call " : "failing call ") +
                         std::to_string(k));
            restore();
            faults::arm(k, faults::Action::Fail, ENOSPC, persistent);
            bool threw = false;
            QString report;
            try {
                report = reportOf([&] { c.change(g); });
            } catch (const Failure& f) {
                threw = true;
                EXPECT_TRUE(f.text().contains(platform::errorText(ENOSPC))) << f.what();
            }
            faults::disarm();
            const Counters after = countersOf(g);
            startAgain();
            const Files now = files();

            if (!threw && report.isEmpty()) {
                // The failed call was made again once the change counted as made.
                EXPECT_FALSE(persistent);
                EXPECT_TRUE(is(now, new_, "new"));
                EXPECT_TRUE(after == countersOf(newG_));
                continue;
            }
            if (*c.reportName == '\0') {
                if (threw) {
                    // Shown at the event boundary; the program goes on with nothing changed.
                    EXPECT_TRUE(is(now, old_, "old"));
                    EXPECT_TRUE(after == countersOf(oldG_));
                    continue;
                }
                // The change counted as made but could not be finished: the program ended,
                // and the start finished it.
                EXPECT_TRUE(persistent);
                EXPECT_TRUE(report.contains("в модуле :  TForma_")) << report.toStdString();
                EXPECT_TRUE(oldOrNew(now));
                continue;
            }
            EXPECT_FALSE(threw);
            EXPECT_TRUE(reportedAs(report, QString::fromUtf8(c.reportName)));
            if (persistent) {
                EXPECT_TRUE(oldOrNew(now));
            } else {
                EXPECT_TRUE(report.contains(platform::errorText(ENOSPC))) << report.toStdString();
                EXPECT_TRUE(is(now, old_, "old"));
            }
        }
    }
}

namespace {

const std::vector<CrashCase>& allChanges() {
    static const std::vector<CrashCase> cases{
        CrashCase{"AddWholeDictionary", Range::Whole, [](auto& g) { addRecord(g, kTexts, kDate); }},
        CrashCase{"AddFixedRange", Range::Fixed, [](auto& g) { addRecord(g, kTexts, kDate); }},
        CrashCase{"AddToTheEnd", Range::ToEnd, [](auto& g) { addRecord(g, kTexts, kDate); }},
        CrashCase{"ImportWholeDictionary", Range::Whole,
                  [](auto& g) {
                      importRecords(g, {kTexts, {"two", "", "два"}}, {{2, {"w2", "", "x"}}}, kDate);
                  }},
        CrashCase{"ImportFixedRange", Range::Fixed,
                  [](auto& g) {
                      importRecords(g, {kTexts, {"two", "", "два"}}, {}, kDate);
                  }},
        CrashCase{"ImportToTheEnd", Range::ToEnd,
                  [](auto& g) {
                      importRecords(g, {kTexts, {"two", "", "два"}}, {}, kDate);
                  }},
        CrashCase{"InsertWholeDictionary", Range::Whole,
                  [](auto& g) { insertRecord(g, 2, kTexts, kDate); }},
        CrashCase{"InsertBeforeNewest", Range::Whole,
                  [](auto& g) { insertRecord(g, 6, kTexts, kDate); }},
        CrashCase{"InsertFixedRange", Range::Fixed,
                  [](auto& g) { insertRecord(g, 1, kTexts, kDate); }},
        CrashCase{"InsertToTheEnd", Range::ToEnd,
                  [](auto& g) { insertRecord(g, 4, kTexts, kDate); }},
        CrashCase{"DeleteWholeDictionary", Range::Whole, [](auto& g) { deleteRecord(g, 3); }},
        CrashCase{"DeleteFixedRange", Range::Fixed, [](auto& g) { deleteRecord(g, 1); }},
        CrashCase{"DeleteToTheEnd", Range::ToEnd, [](auto& g) { deleteRecord(g, 5); }},
        CrashCase{"DeleteLastOfRange", Range::Fixed, [](auto& g) { deleteRecord(g, 4); }, "",
                  [](auto& g) {
                      writeFile(g.puti.upragneniy, rangeBytes(false, 4, 4, false));
                      g.Nachalo_diapazona = g.Konets_diapazona = 4;
                      g.Razmer_diapazona = 1;
                  }},
        CrashCase{"Edit", Range::Whole, [](auto& g) { editRecord(g, 2, kTexts); }},
        CrashCase{"Exclude", Range::Fixed,
                  [](auto& g) {
                      g.Nomer_tekushchey_zapisi = 4;
                      Isklyuchit_slovo_iz_pokaza(g);
                  },
                  "Исключить_слово_из_показа"},
        CrashCase{"ForgetInRange", Range::Fixed,
                  [](auto& g) { Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 5); },
                  "Изменить_опцию_слова_забытое_или_вспомненное"},
        CrashCase{"ForgetLastForgotten", Range::Whole,
                  [](auto& g) { Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 5); },
                  "Изменить_опцию_слова_забытое_или_вспомненное",
                  [](auto& g) {
                      writeFile(g.puti.statForget, bytes({0, 0, 0, 0, 1, 0}));
                  }},
        CrashCase{"LinkForgottenWithMarked", Range::Whole,
                  [](auto& g) { Svyazat_zabytye_s_otmechennymi(g); },
                  "Связать_забытые_с_отмеченными"},
        CrashCase{"MarkByNumbers", Range::Whole,
                  [](auto& g) { Otmetit_slova_zabytymi_po_nomeram(g, 3, 5); },
                  "Отметить_слова_забытыми_по_номерам"},
        CrashCase{"SaveRange", Range::Whole,
                  [](auto& g) {
                      RangeRecord r;
                      r.Vse_slova_slovarya = false;
                      r.Nachalo_diapazona = 2;
                      r.Konets_diapazona = 4;
                      saveRangeAndResetHistories(g, r);
                  },
                  "Записать_измененный_диапазон"}};
    return cases;
}

std::vector<CrashCase> changesNamed(std::initializer_list<std::string_view> names) {
    std::vector<CrashCase> out;
    for (const CrashCase& c : allChanges()) {
        if (std::find(names.begin(), names.end(), c.name) != names.end())
            out.push_back(c);
    }
    return out;
}

std::string caseName(const ::testing::TestParamInfo<CrashCase>& info) {
    return info.param.name;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Changes, CrashPoints, ::testing::ValuesIn(allChanges()), caseName);

namespace {

// The start that finishes a change is killed in turn at each of its own calls; the start after
// it must still find every file old or every file new.
class CrashDuringRecovery : public CrashPoints {};

// Runs the start-up check in a child process killed at its k-th file-changing call.
bool startKilledAt(long long k) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        faults::arm(k, faults::Action::Kill, 0);
        Globalnye_peremennye_slovarya fresh;
        Proverka_nalichiya_bazy_slov(fresh);
        ::_exit(kFinished);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return true;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kFinished) << status;
    return false;
}

} // namespace

TEST_P(CrashDuringRecovery, KilledStartLeavesOldOrNewAfterTheNext) {
    prepare();
    runOnceInFull();
    int interruptedStarts = 0;
    for (long long k = 1; k <= calls_; ++k) {
        SCOPED_TRACE("change killed at call " + std::to_string(k));
        restore();
        ASSERT_TRUE(killedAt(k, GetParam(), g));
        const Files leftBehind = files();
        for (long long r = 1;; ++r) {
            SCOPED_TRACE("start killed at call " + std::to_string(r));
            if (!startKilledAt(r))
                break;
            ++interruptedStarts;
            startAgain();
            ASSERT_TRUE(oldOrNew(files()));
            // Back to what the killed change left, for the next crash point of the start.
            QDir dir(g.puti.folder);
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
                QFile::remove(dir.filePath(name));
            for (const auto& [name, content] : leftBehind)
                writeFile(dir.filePath(name), content);
        }
        startAgain();
        ASSERT_TRUE(oldOrNew(files()));
    }
    EXPECT_GT(interruptedStarts, 0) << "no start had anything to finish";
}

INSTANTIATE_TEST_SUITE_P(Changes, CrashDuringRecovery,
                         ::testing::ValuesIn(changesNamed({"AddFixedRange", "InsertWholeDictionary",
                                                           "DeleteFixedRange", "Exclude"})),
                         caseName);
