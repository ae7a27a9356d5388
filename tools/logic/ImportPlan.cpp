#include "tools/logic/ImportPlan.h"

#include "groups/logic/GroupFile.h"
#include "store/Cp1251.h"
#include "store/RecordFile.h"
#include "store/TextRules.h"

#include <QHash>

namespace telvo {

namespace {

QString normalised(const QString& text) {
    return normalizeField(controlsToBlanks(text));
}

// Keeps what the field can hold and notes the cut under the word's name.
QString fitted(const QString& text, int max, const QString& word, const QString& field,
               QStringList& cut) {
    if (text.size() <= max)
        return text;
    cut << QStringLiteral("%1 (%2)").arg(word, field);
    return text.left(max);
}

} // namespace

ImportPlan planImport(const std::vector<RecordTexts>& words, const std::vector<DictRecord>& stored,
                      DuplicatePolicy policy) {
    ImportPlan plan;
    QHash<QByteArray, int32_t> storedRecords; // key → record number, the first one
    storedRecords.reserve(qsizetype(stored.size()));
    for (size_t i = 0; i < stored.size(); ++i)
        storedRecords.insert(englishMatchKey(stored[i].Angliyskoe_slovo), int32_t(i + 1));
    QHash<QByteArray, size_t> added; // key → index in additions
    QHash<int32_t, size_t> updated;  // record number → index in updates

    for (const RecordTexts& w : words) {
        RecordTexts t{normalised(w.Angliyskoe_slovo), normalised(w.Transkriptsiya),
                      normalised(w.Perevod)};
        if (t.Angliyskoe_slovo.isEmpty()) {
            ++plan.emptySkipped;
            continue;
        }
        QStringList bad;
        for (const QString* text : {&t.Angliyskoe_slovo, &t.Transkriptsiya, &t.Perevod})
            for (const QString& c : charactersWithoutCp1251(*text))
                if (!bad.contains(c))
                    bad << c;
        if (!bad.isEmpty()) {
            plan.unstorable << QStringLiteral("%1: %2").arg(t.Angliyskoe_slovo, bad.join(u' '));
            continue;
        }
        const QString name = t.Angliyskoe_slovo;
        t.Angliyskoe_slovo = fitted(t.Angliyskoe_slovo, DictRecord::kEnglishMax, name,
                                    QStringLiteral("слово"), plan.cut);
        t.Transkriptsiya = fitted(t.Transkriptsiya, DictRecord::kTranscriptionMax, name,
                                  QStringLiteral("транскрипция"), plan.cut);
        t.Perevod = fitted(t.Perevod, DictRecord::kTranslationMax, name, QStringLiteral("перевод"),
                           plan.cut);

        const QByteArray key = englishMatchKey(t.Angliyskoe_slovo);
        auto merge = [](RecordTexts& into, const RecordTexts& from) {
            bool changed = false;
            for (auto field : {&RecordTexts::Transkriptsiya, &RecordTexts::Perevod}) {
                if (!(from.*field).isEmpty() && into.*field != from.*field) {
                    into.*field = from.*field;
                    changed = true;
                }
            }
            return changed;
        };
        if (const auto s = storedRecords.constFind(key); s != storedRecords.cend()) {
            if (policy == DuplicatePolicy::Skip) {
                ++plan.duplicatesSkipped;
                continue;
            }
            const int32_t n = *s;
            if (const auto u = updated.constFind(n); u != updated.cend()) {
                merge(plan.updates[*u].second, t);
                continue;
            }
            const DictRecord& r = stored[size_t(n - 1)];
            RecordTexts texts{r.Angliyskoe_slovo, r.Transkriptsiya, r.Perevod};
            if (!merge(texts, t)) {
                ++plan.duplicatesSkipped;
                continue;
            }
            updated.insert(n, plan.updates.size());
            plan.updates.emplace_back(n, texts);
            continue;
        }
        if (const auto a = added.constFind(key); a != added.cend()) {
            if (policy == DuplicatePolicy::Skip)
                ++plan.duplicatesSkipped;
            else
                merge(plan.additions[*a], t);
            continue;
        }
        added.insert(key, plan.additions.size());
        plan.additions.push_back(std::move(t));
    }
    return plan;
}

std::vector<DictRecord> readDictionary(const Globalnye_peremennye_slovarya& g) {
    const QByteArray all = RecordFile(g.puti.vocabulary, DictRecord::kSize).readAll();
    std::vector<DictRecord> records;
    records.reserve(size_t(all.size() / DictRecord::kSize));
    for (qsizetype at = 0; at + DictRecord::kSize <= all.size(); at += DictRecord::kSize)
        records.push_back(DictRecord::decode(all.constData() + at));
    return records;
}

LessonGroups groupsFromLessons(const KvtmlDocument& doc, int english, int translation) {
    QHash<int, const KvtmlEntry*> entries;
    for (const KvtmlEntry& e : doc.entries)
        entries.insert(e.id, &e);
    LessonGroups result;
    for (const KvtmlLesson& lesson : doc.lessons) {
        if (lesson.entries.empty())
            continue;
        if (lesson.entries.size() > size_t(kGroupRows)) {
            ++result.tooLarge;
            continue;
        }
        tip_Zapis_gruppy_slov group;
        group.Nazvanie_gruppy_slov = normalised(lesson.name).left(GroupLayout::kNameMax);
        int row = 0;
        for (const int id : lesson.entries) {
            const KvtmlEntry* e = entries.value(id);
            if (!e)
                continue;
            // The group file holds what its fields can: the texts are cut as it cuts them.
            group.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[row++] = {
                normalised(e->text(english)).left(GroupLayout::kEnglishMax),
                normalised(e->text(translation)).left(GroupLayout::kTranslationMax)};
        }
        result.groups.push_back(std::move(group));
    }
    return result;
}

ImportPlan importWords(Globalnye_peremennye_slovarya& g, const std::vector<RecordTexts>& words,
                       DuplicatePolicy policy, QDate date,
                       const tip_Dinamicheskiy_massiv_grupp_slov& groups) {
    ImportPlan plan = planImport(words, readDictionary(g), policy);
    std::vector<std::pair<QString, QByteArray>> files;
    if (!groups.empty()) {
        const RecordFile groupFile(g.puti.groupWords, GroupLayout::kRecordSize);
        QByteArray content = groupFile.exists() ? groupFile.readAll() : QByteArray();
        for (const tip_Zapis_gruppy_slov& group : groups)
            content += encodeGroup(group);
        files.emplace_back(g.puti.groupWords, content);
    }
    importRecords(g, plan.additions, plan.updates, date, files);
    plan.groupsAdded = int(groups.size());
    return plan;
}

QString importSummary(const ImportPlan& plan) {
    QStringList lines;
    lines << QStringLiteral("Добавлено слов: %1.").arg(plan.additions.size());
    if (plan.groupsAdded > 0)
        lines << QStringLiteral("Добавлено групп слов: %1.").arg(plan.groupsAdded);
    if (!plan.updates.empty())
        lines << QStringLiteral("Обновлено слов: %1.").arg(plan.updates.size());
    if (plan.duplicatesSkipped > 0)
        lines << QStringLiteral("Пропущено слов, которые уже есть в словаре: %1.")
                     .arg(plan.duplicatesSkipped);
    if (plan.emptySkipped > 0)
        lines
            << QStringLiteral("Пропущено строк без английского слова: %1.").arg(plan.emptySkipped);
    auto listed = [](const QStringList& items) {
        constexpr int kShown = 10;
        QString text = items.mid(0, kShown).join(QStringLiteral(", "));
        if (items.size() > kShown)
            text += QStringLiteral(" и ещё %1").arg(items.size() - kShown);
        return text;
    };
    if (!plan.cut.isEmpty())
        lines << QStringLiteral("Обрезано по длине поля: %1 — %2.")
                     .arg(plan.cut.size())
                     .arg(listed(plan.cut));
    if (!plan.unstorable.isEmpty())
        lines << QStringLiteral("Не добавлено из-за символов, которые нельзя сохранить в словаре: "
                                "%1 — %2.")
                     .arg(plan.unstorable.size())
                     .arg(listed(plan.unstorable));
    return lines.join(u'\n');
}

} // namespace telvo
