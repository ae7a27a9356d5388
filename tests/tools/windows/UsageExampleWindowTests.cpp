#include "platform/Files.h"
#include "sound/logic/SoundFolder.h"
#include "tests/support/WindowTestSupport.h"
#include "tests/tools/windows/FakeIdiomsWindow.h"
#include "tools/logic/RichText.h"
#include "tools/windows/RichTextEditing.h"
#include "tools/windows/SideToolCommands.h"
#include "tools/windows/UsageExampleWindow.h"
#include "ui/common/MainWindow.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <map>

using namespace telvo;
using namespace telvo::test;

namespace {

// The program on a data folder whose remembered sound folder is `sounds` under the home.
class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home, const QList<Word>& words)
        : WindowProgram(home), sounds(home.path() + QStringLiteral("/sounds")) {
        writeDictionary(home, words);
        QDir().mkpath(sounds);
        start();
        Zapisat_papku_so_zvukami(g->puti, sounds);
    }
    QString example(const QString& name) const { return sounds + u'/' + name; }
    const QString sounds;
};

QTextEdit* editorOf(QWidget* w) {
    return child<QTextEdit>(w, "Рич_редактор");
}

QAction* actionOf(QWidget* w, const char* name) {
    return child<QAction>(w, name);
}

// What the toolbar shows: the checked actions, then the pressed alignment buttons.
QString toolbarState(QWidget* w) {
    QString s;
    for (const char* a : {"Действие_жирно", "Действие_курсив", "Действие_влево",
                          "Действие_по_центру", "Действие_вправо"})
        s += actionOf(w, a)->isChecked() ? u'1' : u'0';
    s += u' ';
    for (const char* b : {"Кнопка_влево", "Кнопка_по_центру", "Кнопка_вправо"})
        s += child<QToolButton>(w, b)->isChecked() ? u'1' : u'0';
    return s;
}

rtf::Document readExample(const QString& path) {
    return rtf::read(readFile(path));
}

const QString kNoSoundFolder =
    u"Примеры употребления слов должны хнаниться в той же папке, что и папка для прослушивания "
    "слов. Эта папка не нейдена. Сформируйте ее и прослушайте хотя бы одно слово."_qs;

// The main window as the side tools see it, on the program's data folder: its first record
// is selected.
class FakeMainWindow : public MainWindow {
public:
    QWidget* widget() override { return &window; }
    QString wordLabelText() const override { return {}; }
    void setStatusPane(StatusPane, const QString&) override {}
    void setStatusPaneProcedure(StatusPane, std::function<QString()>) override {}
    void refreshTable() override {}
    void refreshStatusBar() override {}
    void refreshCaption() override {}
    int selectedRow() const override { return 1; }
    int rowCount() const override { return 1; }
    RowWords rowWords(int) const override { return {}; }
    int32_t selectedRecord() const override { return 1; }
    void selectRow(int, int) override {}
    void selectEnglishWord(const QString&) override {}
    void selectEnglishColumn() override {}
    void showWordOfRow(int) override {}
    void increaseRepetitions() override {}
    void saveViewState() override {}
    void reloadFromDataFolder() override {}
    void installCommand(MainCommand command, std::function<void()> run) override {
        commands[command] = std::move(run);
    }
    QWidget window;
    std::map<MainCommand, std::function<void()>> commands;
};

} // namespace

class UsageExampleWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        platform::faults::disarm();
        closeLeftovers();
    }

    // Typed with bold, italic and centring, the examples are written as rich text and come
    // back with their formats; the toolbar shows the format at the caret.
    void typedExamplesComeBackWithTheirFormats() {
        TempHome home;
        TestProgram p(home, {{"cat", u"кошка"_qs}});
        ModalDriver driver;
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            QTextEdit* editor = editorOf(w);
            seen << w->objectName() << w->windowTitle()
                 << QString::number(w->focusWidget() == editor) << toolbarState(w);
            type(editor, u"A "_qs);
            actionOf(w, "Действие_жирно")->trigger();
            type(editor, u"cat"_qs);
            actionOf(w, "Действие_жирно")->trigger();
            type(editor, u" — "_qs);
            actionOf(w, "Действие_курсив")->trigger();
            type(editor, u"кошка"_qs);
            seen << toolbarState(w);
            QTest::keyClick(editor, Qt::Key_Return);
            actionOf(w, "Действие_курсив")->trigger();
            actionOf(w, "Действие_по_центру")->trigger();
            type(editor, u"{x} \\y"_qs);
            seen << toolbarState(w);
            click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_пример_употребления");
        QCOMPARE(seen, (QStringList{u"TForma_primer_upotrebleniy"_qs,
                                    u"Пример(ы) употребления слова: cat"_qs, "1", "00100 100",
                                    "01100 100", "00010 010"}));
        QVERIFY(driver.seen.isEmpty());

        const rtf::Document d = readExample(p.example(u"cat.rtf"_qs));
        QCOMPARE(d.text(), u"A cat — кошка\n{x} \\y"_qs);
        QCOMPARE(int(d.paragraphs.size()), 2);
        const rtf::Paragraph& first = d.paragraphs[0];
        QCOMPARE(first.alignment, rtf::Alignment::Left);
        QCOMPARE(int(first.runs.size()), 4);
        QStringList formats;
        for (const rtf::Run& r : first.runs)
            formats << r.text + u':' + (r.format.bold ? u'b' : u'-') +
                           (r.format.italic ? u'i' : u'-') + QString::number(r.format.halfPoints);
        // New text is 14 pixels high: 10.5 points.
        QCOMPARE(formats,
                 (QStringList{u"A :--21"_qs, u"cat:b-21"_qs, u" — :--21"_qs, u"кошка:-i21"_qs}));
        QCOMPARE(d.paragraphs[1].alignment, rtf::Alignment::Centre);

        // Opened again: the text, and the toolbar following the caret.
        driver.dialog = [&](QWidget* w) {
            QTextEdit* editor = editorOf(w);
            seen.clear();
            seen << editor->toPlainText()
                 << QString::number(static_cast<TForma_primer_upotrebleniy*>(w)->changed());
            QTextCursor c = editor->textCursor();
            for (int position : {4, 12}) {
                c.setPosition(position);
                editor->setTextCursor(c);
                seen << toolbarState(w);
            }
            c.movePosition(QTextCursor::End);
            editor->setTextCursor(c);
            seen << toolbarState(w);
            key(w, Qt::Key_Escape);
        };
        const QByteArray before = readFile(p.example(u"cat.rtf"_qs));
        p.trigger("Действие_пример_употребления");
        QCOMPARE(seen, (QStringList{u"A cat — кошка\n{x} \\y"_qs, "0", "10100 100", "01100 100",
                                    "00010 010"}));
        // Closed untouched: not written again.
        QCOMPARE(readFile(p.example(u"cat.rtf"_qs)), before);
    }

    // The toolbar's buttons pressed with the mouse act where the caret is and leave it there.
    void toolbarButtonsWorkWithTheMouse() {
        TempHome home;
        TestProgram p(home, {{"yak", u"як"_qs}});
        ModalDriver driver;
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            QTextEdit* editor = editorOf(w);
            type(editor, u"ab"_qs);
            QTest::mouseClick(child<QToolButton>(w, "Кнопка_жирный"), Qt::LeftButton);
            QTest::mouseClick(child<QToolButton>(w, "Кнопка_вправо"), Qt::LeftButton);
            seen << QString::number(editor->textCursor().position()) << toolbarState(w)
                 << QString::number(w->focusWidget() == editor);
            type(editor, u"cd"_qs);
            click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_пример_употребления");
        QCOMPARE(seen, (QStringList{"2", "10001 001", "1"}));
        const rtf::Document d = readExample(p.example(u"yak.rtf"_qs));
        QCOMPARE(int(d.paragraphs.size()), 1);
        QCOMPARE(d.paragraphs[0].alignment, rtf::Alignment::Right);
        QCOMPARE(int(d.paragraphs[0].runs.size()), 2);
        QCOMPARE(d.paragraphs[0].runs[1].text, u"cd"_qs);
        QVERIFY(d.paragraphs[0].runs[1].format.bold);
    }

    // Right alignment presses only its own button, and the alignment commands act on the
    // selected paragraphs.
    void alignmentAppliesToTheSelectedParagraphs() {
        TempHome home;
        TestProgram p(home, {{"dog", u"собака"_qs}});
        writeFile(
            p.example(u"dog.rtf"_qs),
            "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}\\f0\\fs21 "
            "one\\par two\\par three\\par}");
        ModalDriver driver;
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            QTextEdit* editor = editorOf(w);
            QTextCursor c(editor->document());
            c.setPosition(1);
            c.setPosition(6, QTextCursor::KeepAnchor); // "one" into "two"
            editor->setTextCursor(c);
            actionOf(w, "Действие_вправо")->trigger();
            seen << toolbarState(w);
            c.setPosition(9); // "three"
            editor->setTextCursor(c);
            seen << toolbarState(w);
            click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_пример_употребления");
        QCOMPARE(seen, (QStringList{"00001 001", "00100 100"}));
        const rtf::Document d = readExample(p.example(u"dog.rtf"_qs));
        QCOMPARE(int(d.paragraphs.size()), 3);
        QCOMPARE(d.paragraphs[0].alignment, rtf::Alignment::Right);
        QCOMPARE(d.paragraphs[1].alignment, rtf::Alignment::Right);
        QCOMPARE(d.paragraphs[2].alignment, rtf::Alignment::Left);
        // The file's font table is kept.
        QCOMPARE(d.fonts.front().name, u"Tahoma"_qs);
    }

    // The empty-editor rules, each from the file as it stood.
    void emptyEditorRules_data() {
        QTest::addColumn<QByteArray>("file"); // empty: none
        QTest::addColumn<bool>("clearText");
        QTest::addColumn<QString>("after"); // "none", "empty document", "same"
        const QByteArray text =
            "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}\\f0 text\\par}";
        const QByteArray emptyDocument =
            "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 "
            "Tahoma;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs21\\par\r\n}\r\n";
        const QByteArray picture =
            "{\\rtf1\\ansi{\\pict\\wmetafile8\\picw10\\pich10 0100090000}\\par}";
        QTest::newRow("no file, untouched") << QByteArray() << false << "none";
        QTest::newRow("empty document, untouched: removed") << emptyDocument << false << "none";
        QTest::newRow("text deleted: removed and the emptied document written")
            << text << true << "empty document";
        QTest::newRow("only a picture, untouched: kept") << picture << false << "same";
    }
    void emptyEditorRules() {
        QFETCH(QByteArray, file);
        QFETCH(bool, clearText);
        QFETCH(QString, after);
        TempHome home;
        TestProgram p(home, {{"owl", u"сова"_qs}});
        const QString path = p.example(u"owl.rtf"_qs);
        if (!file.isEmpty())
            writeFile(path, file);
        ModalDriver driver;
        driver.dialog = [&](QWidget* w) {
            if (clearText) {
                editorOf(w)->selectAll();
                QTest::keyClick(editorOf(w), Qt::Key_Delete);
            }
            key(w, Qt::Key_Escape);
        };
        p.trigger("Действие_пример_употребления");
        QVERIFY(driver.seen.isEmpty());
        if (after == QLatin1String("none")) {
            QVERIFY(!QFileInfo::exists(path));
        } else if (after == QLatin1String("same")) {
            QCOMPARE(readFile(path), file);
        } else {
            QVERIFY(QFileInfo::exists(path));
            QVERIFY(readExample(path).empty());
        }
        QCOMPARE(QDir(p.sounds).entryList(QDir::Files | QDir::Hidden).size(),
                 after == QLatin1String("none") ? 0 : 1);
    }

    // A '/' in the word names no subfolder and ".." nothing outside the folder: the example is
    // saved beside the others, and an empty editor deletes only its own file.
    void wordsWithSlashesAndDotsStayInTheFolder() {
        TempHome home;
        TestProgram p(home, {{"../victim", u"жертва"_qs}, {"either/or", u"или"_qs}});
        const QString outside = home.path() + QStringLiteral("/victim.rtf");
        writeFile(outside, "not an example");
        ModalDriver driver;
        driver.dialog = [&](QWidget* w) {
            type(editorOf(w), u"Either you go or I do."_qs);
            click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_пример_употребления"); // row 1: the newest, "either/or"
        QCOMPARE(readExample(p.example(u"either_or.rtf"_qs)).text(), u"Either you go or I do."_qs);

        p.form->selectRow(2);
        driver.dialog = [&](QWidget* w) {
            QCOMPARE(static_cast<TForma_primer_upotrebleniy*>(w)->file(),
                     p.example(u".._victim.rtf"_qs));
            key(w, Qt::Key_Escape);
        };
        p.trigger("Действие_пример_употребления");
        QCOMPARE(readFile(outside), QByteArray("not an example"));
        QVERIFY(driver.seen.isEmpty());
        QCOMPARE(QDir(p.sounds).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"either_or.rtf"_qs});
    }

    // The sound folder is gone: the save fails, the window says so and asks; "Нет" keeps the
    // typed text, and once the folder is back the next close saves it.
    void failedSaveKeepsTheText() {
        TempHome home;
        TestProgram p(home, {{"fox", u"лиса"_qs}});
        QVERIFY(QDir(p.sounds).removeRecursively());
        ModalDriver driver(false);
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            type(editorOf(w), u"The quick brown fox."_qs);
            click(w, "Кнопка_закрыть");
            seen << QString::number(w->isVisible()) << editorOf(w)->toPlainText();
            QDir().mkpath(p.sounds);
            click(w, "Кнопка_закрыть");
            seen << QString::number(w->isVisible());
        };
        p.trigger("Действие_пример_употребления");
        QCOMPARE(seen, (QStringList{"1", u"The quick brown fox."_qs, "0"}));
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY2(driver.seen[0].startsWith(
                     u"TForma_vopros_s_viborom:Пример употребления не сохранен: "_qs) &&
                     driver.seen[0].endsWith(u" Закрыть окно без сохранения?"_qs),
                 qPrintable(driver.seen[0]));
        QCOMPARE(readExample(p.example(u"fox.rtf"_qs)).text(), u"The quick brown fox."_qs);
    }

    // The checks before the window: the groups window open (nothing at all), no sound folder.
    void commandChecks() {
        TempHome home;
        TestProgram p(home, {{"bee", u"пчела"_qs}});
        ModalDriver driver;
        int opened = 0;
        driver.dialog = [&](QWidget* w) {
            ++opened;
            key(w, Qt::Key_Escape);
        };
        p.g->Okno_grupp_otkryto = true;
        p.trigger("Действие_пример_употребления");
        QCOMPARE(opened, 0);
        QVERIFY(driver.seen.isEmpty());
        p.g->Okno_grupp_otkryto = false;
        QCOMPARE(Zapisat_papku_so_zvukami(p.g->puti, QStringLiteral("/")),
                 SoundFolderWrite::Written);
        p.trigger("Действие_пример_употребления");
        QCOMPARE(opened, 0);
        QCOMPARE(driver.seen, QStringList{u"TForma_soobschenie_ob_oschibke:"_qs + kNoSoundFolder});
    }

    void emptyDictionarySaysSo() {
        TempHome home;
        TestProgram p(home, {});
        ModalDriver driver;
        p.trigger("Действие_пример_употребления");
        QCOMPARE(driver.seen, QStringList{u"TForma_soobshenie:В словаре еще нет записей ..."_qs});
    }

    // The idioms window's F4: the selected idiom's file, blanks and all; no idioms, no window.
    void idiomExamples() {
        TempHome home;
        TestProgram p(home, {{"bee", u"пчела"_qs}});
        FakeIdiomsWindow idioms;
        const QString sounds = p.sounds;
        installIdiomsSideToolCommands(idioms, *p.g, {[sounds] { return sounds; }, nullptr});
        ModalDriver driver;
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            seen << w->windowTitle() << QString::number(w->parentWidget() == &idioms.window);
            type(editorOf(w), u"Let's break the ice."_qs);
            click(w, "Кнопка_закрыть");
        };
        idioms.commands.at(IdiomsCommand::UsageExample)();
        QCOMPARE(driver.seen,
                 QStringList{u"TForma_soobshenie:В словаре идиом еще нет записей ..."_qs});
        QVERIFY(seen.isEmpty());
        driver.seen.clear();
        idioms.idiom = u"break the ice"_qs;
        idioms.commands.at(IdiomsCommand::UsageExample)();
        QCOMPARE(seen, (QStringList{u"Пример(ы) употребления слова: break the ice"_qs, "1"}));
        QCOMPARE(readExample(p.example(u"break the ice.rtf"_qs)).text(),
                 u"Let's break the ice."_qs);

        // The main window's F4 while the idioms window is open belongs to the idiom too.
        FakeMainWindow main;
        installSideToolCommands(main, *p.g, {[sounds] { return sounds; }, &idioms});
        idioms.idiom = u"spill the beans"_qs;
        seen.clear();
        p.g->Kolichestvo_zapisey = 1;
        main.commands.at(MainCommand::UsageExample)();
        QCOMPARE(seen.value(0), u"Пример(ы) употребления слова: spill the beans"_qs);
        idioms.open = false;
        seen.clear();
        main.commands.at(MainCommand::UsageExample)();
        QCOMPARE(seen.value(0), u"Пример(ы) употребления слова: bee"_qs);
        QVERIFY(QFileInfo::exists(p.example(u"bee.rtf"_qs)));
        QVERIFY(driver.seen.isEmpty());
    }

    // A document shown in the editor and taken back is the same document: formats, fonts,
    // colours, alignment, line breaks and empty paragraphs.
    void editorKeepsTheDocument() {
        rtf::Document d;
        d.fonts = {{0, u"Tahoma"_qs, 204}, {1, u"Times New Roman"_qs, 0}};
        d.colours = {{0, 0, 0, true}, {200, 0, 0, false}};
        auto f = [](bool b, bool i, bool u, int size, int font, int colour) {
            return rtf::CharFormat{b, i, u, size, font, colour};
        };
        d.paragraphs = {
            {rtf::Alignment::Left,
             {{u"plain "_qs, f(false, false, false, 21, 0, 0)},
              {u"bold"_qs, f(true, false, false, 21, 0, 0)},
              {u" italic"_qs, f(false, true, false, 21, 0, 0)},
              {u" underlined red"_qs, f(false, false, true, 28, 0, 1)}}},
            {rtf::Alignment::Centre, {}},
            {rtf::Alignment::Right,
             {{u"café"_qs + QChar(QChar::LineSeparator) + u"\tnaïve"_qs,
               f(false, false, false, 24, 1, 0)}}},
        };
        QTextDocument editor;
        QFont base(u"Tahoma"_qs);
        base.setPointSizeF(10.5);
        editor.setDefaultFont(base);
        fillTextDocument(editor, d);
        QCOMPARE(editor.blockCount(), 3);
        QCOMPARE(editor.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        const rtf::Document back = richTextOf(editor, d);
        QVERIFY(back.paragraphs == d.paragraphs);
        QVERIFY(back.fonts == d.fonts);
        QVERIFY(back.colours == d.colours);
        // Text in a font the file's table lacks adds it; an empty editor is an empty document.
        QTextCursor c(&editor);
        QTextCharFormat other;
        other.setFontFamilies({u"DejaVu Serif"_qs});
        c.insertText(u"x"_qs, other);
        const rtf::Document added = richTextOf(editor, d);
        QCOMPARE(int(added.fonts.size()), 3);
        QCOMPARE(added.fonts[2].name, u"DejaVu Serif"_qs);
        QCOMPARE(added.paragraphs[0].runs[0].format.font, 2);
        editor.clear();
        QVERIFY(richTextOf(editor, d).paragraphs.empty());
    }

    // A file that cannot be read is reported and left alone.
    void unreadableFileIsLeftAlone() {
        TempHome home;
        TestProgram p(home, {{"elk", u"лось"_qs}});
        QVERIFY(QDir().mkpath(p.example(u"elk.rtf"_qs)));
        ModalDriver driver;
        p.trigger("Действие_пример_употребления");
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY2(driver.seen[0].startsWith(
                     u"TForma_soobschenie_ob_oschibke:Не удалось открыть пример употребления: "_qs),
                 qPrintable(driver.seen[0]));
        QVERIFY(QFileInfo(p.example(u"elk.rtf"_qs)).isDir());
    }
};

QTEST_MAIN(UsageExampleWindowTests)
#include "UsageExampleWindowTests.moc"
