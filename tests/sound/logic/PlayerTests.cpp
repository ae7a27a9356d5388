#include "sound/logic/Player.h"

#include "sound/logic/SoundFolder.h"
#include "tests/sound/logic/SoundTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WavFiles.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

// The window as the controller sees it: what went to the clipboard and the message windows,
// and every repetitions caption shown.
class FakeView : public PlayerView {
public:
    explicit FakeView(const Player*& player) : player_(player) {}
    void render() override {
        if (!player_)
            return;
        const QString c = player_->state().repetitionsCaption;
        if (captions.isEmpty() || captions.constLast() != c)
            captions << c;
    }
    void setClipboard(const QString& text) override { clipboard << text; }
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }

    QStringList captions, clipboard, messages, errors;

private:
    const Player*& player_;
};

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = state.home.path() + QStringLiteral("/sounds");
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_EQ(Zapisat_papku_so_zvukami(state.g.puti, folder), SoundFolderWrite::Written);
    }
    void TearDown() override {
        // A test that failed half-way must not leave a player going on for ever.
        if (player.Idet_vosproizvedenie())
            player.Knopka_ostanovitClick();
        out.open();
        player.task().waitUntilIdle();
    }
    void dictionary(const QStringList& words) {
        QByteArray dict;
        for (const QString& w : words)
            dict += dictRecordLiteral(w, u"тр", u"перевод", 45000);
        writeFile(state.g.puti.vocabulary, dict);
        writeFile(state.g.puti.statForget, QByteArray(words.size(), '\0'));
        state.g.Kolichestvo_zapisey = int32_t(words.size());
        state.g.Nachalo_diapazona = 1;
        state.g.Razmer_diapazona = int32_t(words.size());
        state.g.Konets_diapazona = int32_t(words.size());
    }
    QString recording(const QString& word) {
        const QString path = folder + u'/' + word + QStringLiteral(".wav");
        EXPECT_TRUE(saveBytes(path, wavBytes(toneSamples(100), 22050, 1, 16)));
        return path;
    }
    // The sounds asked for, without the waits.
    QStringList sounds() const {
        QStringList s;
        for (const QString& e : out.events())
            if (!e.startsWith(QLatin1String("wait ")))
                s << e;
        return s;
    }
    int soundCount() const { return int(sounds().size()); }
    const PlayerState& s() const { return player.state(); }

    DataFolderState state;
    QString folder;
    GatedOutput out;
    const Player* watched = nullptr;
    FakeView view{watched};
    Player player{state.g, out, view};
};

TEST_F(PlayerTest, ListenWordRepeatsCountingUntilStopped) {
    dictionary({"cat", "dog"});
    const QString cat = recording(QStringLiteral("cat"));
    watched = &player;
    player.show(QStringLiteral("cat"));
    EXPECT_EQ(s().Put_k_faylu, cat);
    EXPECT_EQ(s().repetitionsCaption, QString());
    player.Knopka_slushat_slovoClick();
    EXPECT_TRUE(s().locked);
    EXPECT_TRUE(s().stopEnabled);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 1; }));
    out.release(2);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 3; }));
    player.Knopka_ostanovitClick();
    out.release();
    player.task().waitUntilIdle();
    // The stop lets the third play end and starts no fourth.
    EXPECT_EQ(sounds(), QStringList(3, QStringLiteral("play ") + cat));
    // A pause of half the item before and after each word.
    EXPECT_EQ(out.events().mid(0, 3),
              (QStringList{"wait 1500", QStringLiteral("play ") + cat, "wait 1500"}));
    EXPECT_EQ(view.captions, (QStringList{"", "1", "2", "3"}));
    EXPECT_FALSE(s().locked);
    EXPECT_FALSE(player.Idet_vosproizvedenie());
}

TEST_F(PlayerTest, OneClickOnTheRepeatPictureMakesItPlayOnceAndAWordWithoutRecordingIsSpoken) {
    dictionary({"cat", "dog"});
    player.show(QStringLiteral("ice cream"));
    player.Risunok_povtoreniyaClick();
    EXPECT_EQ(s().repeatPicture, RepeatPicture::Ne_povtoryat);
    out.open();
    player.Knopka_slushat_slovoClick();
    player.task().waitUntilIdle();
    EXPECT_EQ(out.events(), (QStringList{"wait 1500", "speak ice cream", "wait 1500"}));
    EXPECT_EQ(s().Schetchik_povtoreniy, 1);
    EXPECT_FALSE(s().stopEnabled);
}

TEST_F(PlayerTest, ListenAllInFileOrderStartsOverAndCountsThePasses) {
    const QStringList words{"one", "two", "three", "four", "five"};
    dictionary(words);
    const QString three = recording(QStringLiteral("three"));
    watched = &player;
    player.show(QStringLiteral("one"));
    state.g.Poryadok_po_ocheredi = true;
    player.setPauseItem(0);
    player.Knopka_slushat_vse_slovaClick();
    EXPECT_EQ(s().repeatPicture, RepeatPicture::Pauza);
    out.release(5);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 6; }));
    EXPECT_EQ(s().repetitionsCaption, QStringLiteral("2"));
    EXPECT_EQ(s().Nadpis_nomer_slova, QStringLiteral("1"));
    player.Knopka_ostanovitClick();
    out.release();
    player.task().waitUntilIdle();
    EXPECT_EQ(sounds(), (QStringList{"speak one", "speak two", QStringLiteral("play ") + three,
                                     "speak four", "speak five", "speak one"}));
    EXPECT_EQ(out.events().mid(0, 3), (QStringList{"wait 500", "speak one", "wait 500"}));
    // Every word went to the clipboard as it came up.
    EXPECT_EQ(view.clipboard, (QStringList{"one", "two", "three", "four", "five", "one"}));
    EXPECT_EQ(view.captions.mid(0, 3), (QStringList{"", "1", "2"}));
    EXPECT_EQ(s().repeatPicture, RepeatPicture::Povtoryat);
    EXPECT_FALSE(s().listenAllPanels);
}

TEST_F(PlayerTest, TwoWordsAreNeverShuffled) {
    dictionary({"first", "second"});
    player.show(QStringLiteral("first"));
    player.Knopka_slushat_vse_slovaClick(); // random order
    out.release(5);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 6; }));
    player.Knopka_ostanovitClick();
    out.release();
    player.task().waitUntilIdle();
    EXPECT_EQ(sounds(), (QStringList{"speak first", "speak second", "speak first", "speak second",
                                     "speak first", "speak second"}));
}

TEST_F(PlayerTest, ShuffledPassesPlayEveryWordOncePerPass) {
    const QStringList words{"a1", "b2", "c3", "d4", "e5", "f6"};
    dictionary(words);
    player.show(QStringLiteral("a1"));
    player.Knopka_slushat_vse_slovaClick();
    out.release(11);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 12; }));
    player.Knopka_ostanovitClick();
    out.release();
    player.task().waitUntilIdle();
    for (int pass = 0; pass < 2; ++pass) {
        QStringList played = sounds().mid(pass * 6, 6);
        played.replaceInStrings(QStringLiteral("speak "), QString());
        played.sort();
        EXPECT_EQ(played, words) << "pass " << pass;
    }
}

TEST_F(PlayerTest, PausedAfterTheCycleTheWordPlaysAgainAndBackGoesToTheFirst) {
    dictionary({"one", "two", "three", "four"});
    player.show(QStringLiteral("one"));
    state.g.Poryadok_po_ocheredi = true;
    player.Knopka_slushat_vse_slovaClick();
    out.release(2);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 3; }));
    player.Risunok_povtoreniyaClick(); // pause during the third word
    EXPECT_EQ(s().repeatPicture, RepeatPicture::Prodolzhit);
    out.release();
    player.task().waitUntilIdle();
    EXPECT_EQ(s().Tekushchiy_nomer, 2);
    EXPECT_TRUE(s().backPossible);
    player.Risunok_vozvrataClick();
    player.Risunok_vozvrataClick();
    EXPECT_EQ(s().Tekushchiy_nomer, 0);
    EXPECT_FALSE(s().backPossible);
    EXPECT_EQ(view.clipboard.constLast(), QStringLiteral("one"));
    EXPECT_EQ(state.g.Tekushchee_slovo_proigryvatelya, QStringLiteral("one"));
    player.Risunok_vozvrataClick(); // nothing before the first
    EXPECT_EQ(s().Tekushchiy_nomer, 0);
    player.Risunok_povtoreniyaClick(); // continue: the first word again
    out.release();
    ASSERT_TRUE(waitFor([&] { return soundCount() == 5; }));
    player.Knopka_ostanovitClick();
    out.release();
    player.task().waitUntilIdle();
    EXPECT_EQ(sounds(),
              (QStringList{"speak one", "speak two", "speak three", "speak one", "speak two"}));
}

// Paused and continued while the word is still sounding: the running cycle goes on, and the
// counters stay those of the words actually played.
TEST_F(PlayerTest, PauseAndContinueWithinOneCycleKeepsTheCountersExact) {
    dictionary({"one", "two", "three"});
    player.show(QStringLiteral("one"));
    state.g.Poryadok_po_ocheredi = true;
    player.Knopka_slushat_vse_slovaClick();
    out.release(1);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 2; }));
    player.Risunok_povtoreniyaClick();
    player.Risunok_povtoreniyaClick();
    EXPECT_EQ(s().repeatPicture, RepeatPicture::Pauza);
    out.release(4);
    ASSERT_TRUE(waitFor([&] { return soundCount() == 6; }));
    // Held in the sixth word: five cycles done, each an advance; the sixth word starts pass 2.
    EXPECT_EQ(s().Schetchik_vosproizvedeniy, 5);
    EXPECT_EQ(s().Tekushchiy_nomer, 2);
    EXPECT_EQ(s().repetitionsCaption, QStringLiteral("2"));
    out.release();
    ASSERT_TRUE(waitFor([&] { return soundCount() == 7; }));
    // The sixth completes pass 2: the seventh word starts pass 3.
    EXPECT_EQ(s().Schetchik_vosproizvedeniy, 6);
    EXPECT_EQ(s().repetitionsCaption, QStringLiteral("3"));
    player.Knopka_ostanovitClick();
    out.release();
    player.task().waitUntilIdle();
    EXPECT_EQ(sounds(), (QStringList{"speak one", "speak two", "speak three", "speak one",
                                     "speak two", "speak three", "speak one"}));
}

TEST_F(PlayerTest, ListenAllRefusals) {
    struct Case {
        const char* name;
        bool forgottenView;
        bool forgetFile;
        const char* message;
    };
    const Case cases[] = {
        {"forgotten view without the forgotten file", true, false,
         "Пока не отмечено ни одного забытого слова."},
        {"forgotten view with nothing forgotten", true, true,
         "При использовании режима «Забытые» ни одно забытое слово не входит в диапазон для "
         "упражнений."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dictionary({"one", "two", "three"});
        if (!c.forgetFile)
            QFile::remove(state.g.puti.statForget);
        state.g.Rezhim_zabytye = c.forgottenView;
        state.g.Kolichestvo_zabytykh_slov = 2;
        view.messages.clear();
        player.show(QStringLiteral("one"));
        player.Knopka_slushat_vse_slovaClick();
        EXPECT_EQ(view.messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_FALSE(player.Idet_vosproizvedenie());
        EXPECT_TRUE(out.events().isEmpty());
    }
}

TEST_F(PlayerTest, ListenAllNeedsTwoWordsOfItsSource) {
    struct Case {
        const char* name;
        bool forgotten, group;
        int records, forgottenCount, groupCount;
        const char* caption;
        bool enabled;
    };
    const Case cases[] = {
        {"one record", false, false, 1, 0, 0, "Слушать все слова", false},
        {"two records", false, false, 2, 0, 0, "Слушать все слова", true},
        {"forgotten view, one forgotten", true, false, 5, 1, 0, "Слушать все забытые слова", false},
        {"forgotten view, two forgotten", true, true, 5, 2, 0, "Слушать все забытые слова", true},
        {"group of one", false, true, 5, 0, 1, "Слушать все слова из группы", false},
        {"group of three", false, true, 0, 0, 3, "Слушать все слова из группы", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.g.Rezhim_zabytye = c.forgotten;
        state.g.Proigryvatel_iz_grupp = c.group;
        state.g.Kolichestvo_zapisey = c.records;
        state.g.Kolichestvo_zabytykh_slov = c.forgottenCount;
        state.g.Kolichestvo_slov_v_tekushchey_gruppe = c.groupCount;
        player.show(QStringLiteral("w"));
        EXPECT_EQ(s().listenAllCaption, QString::fromUtf8(c.caption));
        EXPECT_EQ(s().listenAllEnabled, c.enabled);
        // Every show starts shuffled with three seconds.
        EXPECT_FALSE(state.g.Poryadok_po_ocheredi);
        EXPECT_EQ(s().pauseItem, 2);
        EXPECT_EQ(s().Pauza_ms, 1500);
    }
}

TEST_F(PlayerTest, ChosenFileBecomesTheWordAndItsFolderIsRemembered) {
    dictionary({"cat", "dog"});
    const QString other = state.home.path() + QStringLiteral("/other");
    ASSERT_TRUE(QDir().mkpath(other));
    const QString dog = other + QStringLiteral("/dog.wav");
    ASSERT_TRUE(saveBytes(dog, wavBytes(toneSamples(100), 22050, 1, 16)));
    player.show(QStringLiteral("cat"));
    player.fileChosen(other + QStringLiteral("/missing.wav"), QStringLiteral("cat"));
    EXPECT_EQ(view.errors, QStringList{"Указанный файл для простушивания не найден."});
    player.fileChosen(dog, QStringLiteral("cat"));
    EXPECT_EQ(s().Nadpis_vybrannyy_fayl, QStringLiteral("dog"));
    EXPECT_EQ(view.clipboard.constLast(), QStringLiteral("dog"));
    EXPECT_FALSE(s().pronounceEnabled); // not the caller's word
    EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(state.g.puti), other);
    out.open();
    player.Risunok_povtoreniyaClick(); // once
    player.Knopka_slushat_slovoClick();
    player.task().waitUntilIdle();
    EXPECT_EQ(sounds(), QStringList{QStringLiteral("play ") + dog});
}

TEST_F(PlayerTest, StopwatchAndPauseChoices) {
    player.show(QStringLiteral("w"));
    EXPECT_EQ(s().timeText(), QStringLiteral("00:00"));
    for (int i = 0; i < 61; ++i)
        player.stopwatchTick();
    EXPECT_EQ(s().timeText(), QStringLiteral("01:01"));
    for (int i = 0; i < 59 * 60 - 1; ++i)
        player.stopwatchTick();
    EXPECT_EQ(s().timeText(), QStringLiteral("00:00")); // an hour starts over
    const int pauses[] = {500, 1000, 1500, 2000, 2500, 3000};
    const int ticks[] = {4, 16, 31, 40, 47, 60};
    for (int i = 0; i < kPauseChoiceCount; ++i) {
        player.setPauseItem(i);
        EXPECT_EQ(s().Pauza_ms, pauses[i]);
        EXPECT_EQ(s().progressTickMs, ticks[i]);
    }
    EXPECT_EQ(QString::fromUtf8(pauseChoice(0).text), QStringLiteral("1 секунда"));
    EXPECT_EQ(QString::fromUtf8(pauseChoice(5).text), QStringLiteral("6 секунд"));
}

} // namespace
