#include "store/Records.h"
#include "tests/store/DataFolderFixture.h"
#include "tools/logic/ImportPlan.h"
#include "tools/logic/WordExport.h"
#include "tools/logic/WordImport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace telvo;

namespace {

std::string show(const std::vector<QStringList>& records) {
    std::string out;
    for (const QStringList& r : records)
        out += "[" + r.join(u'|').toStdString() + "]";
    return out;
}

DictRecord stored(const QString& english, const QString& transcription = {},
                  const QString& translation = {}) {
    DictRecord r;
    r.Angliyskoe_slovo = english;
    r.Transkriptsiya = transcription;
    r.Perevod = translation;
    return r;
}

} // namespace

TEST(DelimitedText, QuotesSeparatorsAndLineEnds) {
    struct Case {
        const char* text;
        char separator;
        const char* records;
    } cases[] = {
        {"a,b\r\nc,d\r\n", ',', "[a|b][c|d]"},
        {"a,b\nc,d", ',', "[a|b][c|d]"},
        {"a,b\rc,d\r", ',', "[a|b][c|d]"},
        {"\"a,1\",\"b \"\"2\"\"\"\n", ',', "[a,1|b \"2\"]"},
        {"\"line\nbreak\",x\r\n", ',', "[line\nbreak|x]"},
        {"\"crlf\r\ninside\";y", ';', "[crlf\r\ninside|y]"},
        {"a,,\n", ',', "[a||]"},
        {",\n", ',', "[|]"},
        {"\n\na\tb\n\n", '\t', "[a|b]"},
        {"a;b,c", ';', "[a|b,c]"},
        {"\"unterminated,x", ',', "[unterminated,x]"},
        {"", ',', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(show(parseDelimited(QString::fromUtf8(c.text), QChar(c.separator))), c.records)
            << c.text;
}

TEST(DelimitedText, SeparatorGuessedFromTheFirstRecords) {
    struct Case {
        const char* text;
        char separator;
    } cases[] = {
        {"cat\tкот\ndog\tпёс\n", '\t'}, {"cat;кот, кошка\ndog;пёс, собака\n", ';'},
        {"cat,кот\ndog,пёс\n", ','},    {"\"a;b\",c\n\"d;e\",f\n", ','},
        {"one word per line\n", '\t'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(guessSeparator(QString::fromUtf8(c.text)), QChar(c.separator)) << c.text;
}

TEST(DelimitedText, HeaderNamesTheColumnsOtherwiseEnglishThenTranslation) {
    const auto withHeader = parseDelimited(u"Перевод;Word;Transcription\nкот;cat;кэт\n"_qs, u';');
    ASSERT_TRUE(looksLikeHeader(withHeader.front()));
    const ColumnMapping m = guessMapping(withHeader, true);
    EXPECT_EQ(m.english, 1);
    EXPECT_EQ(m.transcription, 2);
    EXPECT_EQ(m.translation, 0);
    const auto words = wordsFromRecords(withHeader, m, true);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0], (RecordTexts{"cat", "кэт", "кот"}));

    const auto plain = parseDelimited(u"cat,кот\ndog,пёс,extra\n"_qs, u',');
    EXPECT_FALSE(looksLikeHeader(plain.front()));
    const ColumnMapping three = guessMapping(plain, false);
    EXPECT_EQ(three.english, 0);
    EXPECT_EQ(three.transcription, 1);
    EXPECT_EQ(three.translation, 2);
    const ColumnMapping two = guessMapping(parseDelimited(u"cat,кот\n"_qs, u','), false);
    EXPECT_EQ(two.transcription, -1);
    EXPECT_EQ(two.translation, 1);
    // A short row leaves the missing columns empty.
    EXPECT_EQ(wordsFromRecords(plain, three, false)[0], (RecordTexts{"cat", "кот", ""}));
}

TEST(ImportText, EncodingAndFormatFromTheContent) {
    const QByteArray utf8 = QString(u"кот,cat"_qs).toUtf8();
    EXPECT_EQ(decodeImportText(utf8), u"кот,cat"_qs);
    EXPECT_EQ(decodeImportText("\xEF\xBB\xBF" + utf8), u"кот,cat"_qs);
    EXPECT_EQ(decodeImportText("\xEA\xEE\xF2,cat"), u"кот,cat"_qs); // Windows-1251
    EXPECT_EQ(decodeImportText({}), QString());

    struct Case {
        QByteArray content;
        ImportFormat format;
    } cases[] = {
        {"<?xml version=\"1.0\"?><kvtml version=\"2.0\"/>", ImportFormat::Kvtml},
        {"\xEF\xBB\xBF  <?xml version=\"1.0\"?>", ImportFormat::Kvtml},
        {"<kvtml version=\"2.0\"></kvtml>", ImportFormat::Kvtml},
        {"#separator:tab\n#html:true\ncat\tкот\n", ImportFormat::FlashCardText},
        {"#html:false\ncat\tкот\n", ImportFormat::FlashCardText},
        {"#comment\ncat,кот\n", ImportFormat::Delimited},
        {"cat,кот\n#separator:tab\n", ImportFormat::Delimited},
        {"", ImportFormat::Delimited},
    };
    for (const Case& c : cases)
        EXPECT_EQ(detectImportFormat(c.content), c.format) << c.content.toStdString();
}

TEST(FlashCardText, HeaderLinesSeparatorAndHtml) {
    const FlashCardText t = parseFlashCardText(
        u"#separator:Tab\n#html:true\n#tags column:3\n"
        "<b>cat</b>[sound:cat.mp3]\tкот<br>кошка &amp; котёнок&nbsp;&#1103;&#x44f;\ttag\n"
        "\"a\tb\"\t&lt;x&gt;&bogus;\n"_qs);
    EXPECT_EQ(t.separator, u'\t');
    EXPECT_TRUE(t.html);
    ASSERT_EQ(t.records.size(), 2u);
    EXPECT_EQ(t.records[0], (QStringList{"cat", u"кот кошка & котёнок яя"_qs, "tag"}));
    EXPECT_EQ(t.records[1], (QStringList{"a\tb", "<x>&bogus;"}));

    // Without HTML the text stands, apart from sound references.
    const FlashCardText plain =
        parseFlashCardText(u"#separator:semicolon\n#html:false\n<b>x</b>[sound:a.mp3];y\n"_qs);
    EXPECT_EQ(plain.separator, u';');
    ASSERT_EQ(plain.records.size(), 1u);
    EXPECT_EQ(plain.records[0], (QStringList{"<b>x</b>", "y"}));
}

namespace {

const char* const kKvtml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
 <information><generator>hand</generator><title>Животные</title></information>
 <identifiers>
  <identifier id="0"><name>Русский</name><locale>ru</locale></identifier>
  <identifier id="1"><name>English</name><locale>en</locale></identifier>
 </identifiers>
 <entries>
  <entry id="0">
   <translation id="0"><text>кот</text></translation>
   <translation id="1"><text>cat</text><pronunciation>кэт</pronunciation><comment>x</comment></translation>
  </entry>
  <entry id="1">
   <translation id="1"><text>dog &amp; puppy</text></translation>
   <translation id="0"><text>пёс</text></translation>
  </entry>
  <entry id="2"><translation id="1"><text>owl</text></translation></entry>
 </entries>
 <lessons>
  <container><name>Урок 1</name><entry id="0"/>
   <container><name>Урок 1.1</name><entry id="2"/><entry id="1"/></container>
  </container>
 </lessons>
</kvtml>
)";

} // namespace

TEST(Kvtml, EntriesIdentifiersAndLessons) {
    const KvtmlResult r = parseKvtml(kKvtml);
    ASSERT_TRUE(r.document) << r.error.toStdString();
    const KvtmlDocument& doc = *r.document;
    EXPECT_EQ(doc.title, u"Животные"_qs);
    ASSERT_EQ(doc.identifiers.size(), 2u);
    EXPECT_EQ(englishIdentifier(doc), 1);
    const auto words = wordsFromKvtml(doc, 1, 0);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0], (RecordTexts{"cat", "кэт", "кот"}));
    EXPECT_EQ(words[1], (RecordTexts{"dog & puppy", "", "пёс"}));
    EXPECT_EQ(words[2], (RecordTexts{"owl", "", ""}));
    ASSERT_EQ(doc.lessons.size(), 2u);
    EXPECT_EQ(doc.lessons[0].name, u"Урок 1"_qs);
    EXPECT_EQ(doc.lessons[0].entries, std::vector<int>{0});
    EXPECT_EQ(doc.lessons[1].name, u"Урок 1.1"_qs);
    EXPECT_EQ(doc.lessons[1].entries, (std::vector<int>{2, 1}));
}

TEST(Kvtml, UnclearLanguagesAndUnreadableFiles) {
    KvtmlDocument both;
    both.identifiers = {{0, "A", "en"}, {1, "B", "en_GB"}};
    EXPECT_EQ(englishIdentifier(both), -1);
    KvtmlDocument none;
    none.identifiers = {{0, "Column 1", ""}, {1, "Column 2", ""}};
    EXPECT_EQ(englishIdentifier(none), -1);
    KvtmlDocument one;
    one.identifiers = {{0, "English", ""}};
    EXPECT_EQ(englishIdentifier(one), -1);

    const char* unreadable[] = {
        "",
        "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries><entry id=\"0\">",
        "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries></kvtml>",
        "<?xml version=\"1.0\"?><kvtml version=\"1.0\"></kvtml>",
        "<?xml version=\"1.0\"?><html></html>",
        "not xml at all",
    };
    for (const char* text : unreadable) {
        const KvtmlResult r = parseKvtml(text);
        EXPECT_FALSE(r.document) << text;
        EXPECT_FALSE(r.error.isEmpty()) << text;
    }
}

TEST(ImportPlan, DuplicatesByTheDictionarysRule) {
    const std::vector<DictRecord> dictionary{stored("Cat", "кэт", "кот"), stored("Ёж"),
                                             stored("dog")};
    const std::vector<RecordTexts> words{
        {"  cat ", "", "кошка"},                        // the stored "Cat", case and blanks aside
        {"ёж", "", ""},                                 // Cyrillic case folded too
        {"owl", "аул", "сова"},   {"OWL", "", "филин"}, // a duplicate within the file
        {"", "x", "y"},                                 // no English word
        {"fox\tcub", "", "лиса"},                       // a tab becomes a blank
    };

    const ImportPlan skip = planImport(words, dictionary, DuplicatePolicy::Skip);
    ASSERT_EQ(skip.additions.size(), 2u);
    EXPECT_EQ(skip.additions[0], (RecordTexts{"owl", "аул", "сова"}));
    EXPECT_EQ(skip.additions[1], (RecordTexts{"fox cub", "", "лиса"}));
    EXPECT_TRUE(skip.updates.empty());
    EXPECT_EQ(skip.duplicatesSkipped, 3);
    EXPECT_EQ(skip.emptySkipped, 1);

    const ImportPlan update = planImport(words, dictionary, DuplicatePolicy::Update);
    ASSERT_EQ(update.additions.size(), 2u);
    EXPECT_EQ(update.additions[0], (RecordTexts{"owl", "аул", "филин"}));
    // Record 1 takes the new translation and keeps its English and transcription; "ёж" brings
    // nothing new to record 2.
    ASSERT_EQ(update.updates.size(), 1u);
    EXPECT_EQ(update.updates[0].first, 1);
    EXPECT_EQ(update.updates[0].second, (RecordTexts{"Cat", "кэт", "кошка"}));
    EXPECT_EQ(update.duplicatesSkipped, 1);
}

TEST(ImportPlan, LongTextsCutAndNamedUnstorableWordsLeftOut) {
    const QString english46 = QString(46, u'e');
    const QString transcription51 = QString(51, u'т');
    const QString translation60 = QString(60, u'п');
    const std::vector<RecordTexts> words{
        {english46, "", ""},
        {"long", transcription51, translation60 + QChar(u'п')},
        {"fits", QString(50, u'т'), translation60},
        {"sushi", "", u"寿司"_qs},
        {u"naïve 😀"_qs, "", ""},
    };
    const ImportPlan plan = planImport(words, {}, DuplicatePolicy::Skip);
    ASSERT_EQ(plan.additions.size(), 3u);
    EXPECT_EQ(plan.additions[0].Angliyskoe_slovo, QString(45, u'e'));
    EXPECT_EQ(plan.additions[1].Transkriptsiya, QString(50, u'т'));
    EXPECT_EQ(plan.additions[1].Perevod, translation60);
    EXPECT_EQ(plan.additions[2], words[2]);
    EXPECT_EQ(plan.cut, (QStringList{english46 + u" (слово)"_qs, u"long (транскрипция)"_qs,
                                     u"long (перевод)"_qs}));
    EXPECT_EQ(plan.unstorable, (QStringList{u"sushi: 寿 司"_qs, u"naïve 😀: ï 😀"_qs}));

    const QString summary = importSummary(plan);
    EXPECT_TRUE(summary.contains(u"Добавлено слов: 3."_qs)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(u"Обрезано по длине поля: 3"_qs)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(u"sushi: 寿 司"_qs)) << summary.toStdString();
}

TEST(WordExport, CsvBytes) {
    const std::vector<RecordTexts> words{{"cat", "кэт", "кот, кошка"},
                                         {"say \"hi\"", "", "line\nbreak"}};
    const QByteArray expected = QByteArray("English,Transcription,Translation\r\n") + "cat," +
                                QString(u"кэт"_qs).toUtf8() + ",\"" +
                                QString(u"кот, кошка"_qs).toUtf8() +
                                "\"\r\n\"say \"\"hi\"\"\",,\"line\nbreak\"\r\n";
    EXPECT_EQ(writeCsv(words), expected);
    EXPECT_EQ(writeCsv({}), QByteArray("English,Transcription,Translation\r\n"));
}

TEST(WordExport, RoundTripsThroughTheReaders) {
    const std::vector<RecordTexts> words{{"cat", "кэт", "кот, кошка"},
                                         {"<tag> & \"q\"", "", "перевод\nв две строки"},
                                         {"owl", "", ""}};

    const KvtmlResult kvtml = parseKvtml(writeKvtml(words, u"Словарь"_qs));
    ASSERT_TRUE(kvtml.document) << kvtml.error.toStdString();
    EXPECT_EQ(kvtml.document->title, u"Словарь"_qs);
    const int english = englishIdentifier(*kvtml.document);
    ASSERT_EQ(english, 0);
    EXPECT_EQ(wordsFromKvtml(*kvtml.document, english, 1), words);

    const QString csv = decodeImportText(writeCsv(words));
    const auto records = parseDelimited(csv, guessSeparator(csv));
    ASSERT_TRUE(looksLikeHeader(records.front()));
    EXPECT_EQ(wordsFromRecords(records, guessMapping(records, true), true), words);
}

namespace {

using telvo::test::DataFolderTest;

class WordExchange : public DataFolderTest {};

} // namespace

// Three words into a dictionary of three: the files end byte for byte as the test lays them out,
// and what is taken out again is what went in.
TEST_F(WordExchange, ImportOfThreeWordsAndExportBack) {
    using namespace telvo::test;
    givenDictionary(3, false, 2, 3, true);
    writeFile(g.puti.statForget, bytes({0, 1, 0}));
    writeFile(g.puti.statEng, bytes({1, 0}));

    const QString csv =
        u"English;Перевод\r\nW1;один\r\ncat;\"кот; кошка\"\r\nowl;сова\r\nOwl;\r\n"_qs;
    const auto rows = parseDelimited(csv, guessSeparator(csv));
    const auto words = wordsFromRecords(rows, guessMapping(rows, true), true);
    const ImportPlan plan = importWords(g, words, DuplicatePolicy::Skip, QDate(2021, 3, 6));
    EXPECT_EQ(plan.additions.size(), 2u);
    EXPECT_EQ(plan.duplicatesSkipped, 2); // "W1" is record 1, "Owl" the file's own "owl"

    // "кот; кошка" = EA EE F2 3B 20 EA EE F8 EA E0, "сова" = F1 EE E2 E0.
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
              hex(records(1, 3) +
                  rec("cat", "", "\xEA\xEE\xF2\x3B\x20\xEA\xEE\xF8\xEA\xE0", day2()) +
                  rec("owl", "", "\xF1\xEE\xE2\xE0", day2())));
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "00 01 00 00 00");
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 00 00 00");
    EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(rangeBytes(false, 2, 5, true)));

    const std::vector<RecordTexts> all = wordsToExport(g, ExportSource::Dictionary);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[3], (RecordTexts{"cat", "", u"кот; кошка"_qs}));
    const auto range = wordsToExport(g, ExportSource::Range);
    ASSERT_EQ(range.size(), 4u);
    EXPECT_EQ(range[0].Angliyskoe_slovo, u"w2"_qs);
    const auto forgotten = wordsToExport(g, ExportSource::Forgotten);
    ASSERT_EQ(forgotten.size(), 1u);
    EXPECT_EQ(forgotten[0].Angliyskoe_slovo, u"w2"_qs);

    // Export, then import into an empty dictionary: the same records.
    const QByteArray kvtml = writeKvtml(all, u"Словарь"_qs);
    givenDictionary(0, true, 1, 0, false);
    const KvtmlResult read = parseKvtml(kvtml);
    ASSERT_TRUE(read.document);
    importWords(g, wordsFromKvtml(*read.document, 0, 1), DuplicatePolicy::Skip, QDate(2021, 3, 6));
    QByteArray expected;
    for (int k = 1; k <= 3; ++k)
        expected += rec(QByteArray("w") + QByteArray::number(k), "", "", day2());
    expected += rec("cat", "", "\xEA\xEE\xF2\x3B\x20\xEA\xEE\xF8\xEA\xE0", day2()) +
                rec("owl", "", "\xF1\xEE\xE2\xE0", day2());
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(expected));
}

TEST_F(WordExchange, NoForgottenFileExportsNoForgottenWords) {
    givenDictionary(2, true, 1, 2, false);
    EXPECT_TRUE(wordsToExport(g, ExportSource::Forgotten).empty());
    EXPECT_EQ(wordsToExport(g, ExportSource::Range).size(), 2u);
}

namespace {

// A group record laid out by hand: name at 0, row k at 67 + 85 k (English +0, translation +34).
QByteArray groupRecord(const QByteArray& name,
                       std::initializer_list<std::pair<QByteArray, QByteArray>> rows) {
    QByteArray r(1257, '\0');
    auto put = [&r](int offset, const QByteArray& text) {
        r[offset] = static_cast<char>(text.size());
        r.replace(offset + 1, text.size(), text);
    };
    put(0, name);
    int k = 0;
    for (const auto& [english, translation] : rows) {
        put(67 + 85 * k, english);
        put(67 + 85 * k + 34, translation);
        ++k;
    }
    return r;
}

} // namespace

TEST_F(WordExchange, LessonsOfUpTo14EntriesBecomeGroupsInTheSameChange) {
    using namespace telvo::test;
    givenDictionary(1, true, 1, 1, false);
    const QByteArray existing = groupRecord("old", {{"a", "b"}});
    writeFile(g.puti.groupWords, existing);

    QByteArray kvtml = "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>"
                       "<identifier id=\"0\"><locale>en</locale></identifier>"
                       "<identifier id=\"1\"><locale>ru</locale></identifier></identifiers>"
                       "<entries>";
    for (int i = 0; i < 15; ++i)
        kvtml += "<entry id=\"" + QByteArray::number(i) + "\"><translation id=\"0\"><text>e" +
                 QByteArray::number(i) + "</text></translation><translation id=\"1\"><text>" +
                 QString(u"р%1"_qs).arg(i).toUtf8() + "</text></translation></entry>";
    kvtml += "</entries><lessons><container><name>" + QString(u"Урок"_qs).toUtf8() +
             "</name><entry id=\"3\"/><entry id=\"1\"/></container><container><name>big</name>";
    for (int i = 0; i < 15; ++i)
        kvtml += "<entry id=\"" + QByteArray::number(i) + "\"/>";
    kvtml += "</container><container><name>empty</name></container></lessons></kvtml>";

    const KvtmlResult doc = parseKvtml(kvtml);
    ASSERT_TRUE(doc.document) << doc.error.toStdString();
    const LessonGroups lessons = groupsFromLessons(*doc.document, 0, 1);
    EXPECT_EQ(lessons.groups.size(), 1u);
    EXPECT_EQ(lessons.tooLarge, 1);

    const ImportPlan plan = importWords(g, wordsFromKvtml(*doc.document, 0, 1),
                                        DuplicatePolicy::Skip, QDate(2021, 3, 6), lessons.groups);
    EXPECT_EQ(plan.additions.size(), 15u);
    EXPECT_EQ(plan.groupsAdded, 1);
    // "Урок" = D3 F0 EE EA, "р3" = F0 33, "р1" = F0 31.
    EXPECT_EQ(
        hex(readFile(g.puti.groupWords)),
        hex(existing + groupRecord("\xD3\xF0\xEE\xEA", {{"e3", "\xF0\x33"}, {"e1", "\xF0\x31"}})));
    EXPECT_EQ(readFile(g.puti.vocabulary).size(), 16 * 176);
    EXPECT_TRUE(importSummary(plan).contains(u"Добавлено групп слов: 1."_qs));
}

// A line of 10 MB is one word whose texts are cut to the fields and named, not a failure.
TEST(ImportPlan, TenMegabyteLine) {
    const QString line = QStringLiteral("huge,") + QString(10 * 1024 * 1024, u'я') + u'\n';
    const QString text = decodeImportText(line.toUtf8());
    const auto records = parseDelimited(text, guessSeparator(text));
    ASSERT_EQ(records.size(), 1u);
    const ImportPlan plan =
        planImport(wordsFromRecords(records, {0, -1, 1}, false), {}, DuplicatePolicy::Skip);
    ASSERT_EQ(plan.additions.size(), 1u);
    EXPECT_EQ(plan.additions[0].Perevod, QString(60, u'я'));
    EXPECT_EQ(plan.cut, QStringList{u"huge (перевод)"_qs});
}

// Saved by KWordQuiz from Debian: both columns claim to be English, and the rows it keeps
// empty after the words come along.
TEST(Kvtml, FileWrittenByKWordQuiz) {
    QFile file(QStringLiteral(TOOLS_FIXTURES "/kwordquiz-animals.kvtml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    ASSERT_EQ(detectImportFormat(content), ImportFormat::Kvtml);
    const KvtmlResult r = parseKvtml(content);
    ASSERT_TRUE(r.document) << r.error.toStdString();
    EXPECT_EQ(englishIdentifier(*r.document), -1) << "two columns in English: the user decides";
    EXPECT_EQ(r.document->entries.size(), 20u);
    const ImportPlan plan =
        planImport(wordsFromKvtml(*r.document, 0, 1), {}, DuplicatePolicy::Skip);
    EXPECT_EQ(plan.additions,
              (std::vector<RecordTexts>{
                  {"cat", "", u"кот"_qs}, {"dog", "", u"пёс"_qs}, {"hedgehog", "", u"ёж"_qs}}));
    EXPECT_EQ(plan.emptySkipped, 17);
}
