#include "tools/windows/WordExchangeWindows.h"

#include "app/core/Failure.h"
#include "app/core/StandardTexts.h"
#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "store/RecordFile.h"
#include "tools/logic/WordExport.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <memory>

namespace telvo {

namespace {

using G = Globalnye_peremennye_slovarya;

constexpr int kPreviewRows = 10;
// Files up to this size are read without showing the progress window at all.
constexpr int kProgressDelayMs = 400;

const char* const kFormatNames[] = {"KVTML 2 (KWordQuiz, Parley)", "текст с разделителями",
                                    "текст карточек (Anki)"};

WordFileChoosers& choosers() {
    static WordFileChoosers c{
        [](QWidget* parent) {
            return QFileDialog::getOpenFileName(
                parent, QStringLiteral("Импорт слов"), QDir::homePath(),
                QStringLiteral("Словари (*.kvtml *.csv *.tsv *.txt);;Все файлы (*)"));
        },
        [](QWidget* parent, const QString& suggested) {
            return QFileDialog::getSaveFileName(
                parent, QStringLiteral("Экспорт слов"), QDir::home().filePath(suggested),
                QFileInfo(suggested).suffix() == u"csv" ? QStringLiteral("CSV (*.csv)")
                                                        : QStringLiteral("KVTML (*.kvtml)"));
        }};
    return c;
}

template <class T> T* named(T* w, const char* name) {
    w->setObjectName(QString::fromUtf8(name));
    return w;
}

} // namespace

WordFileChoosers setWordFileChoosers(WordFileChoosers c) {
    WordFileChoosers old = choosers();
    choosers() = std::move(c);
    return old;
}

TForma_import_slov::TForma_import_slov(G& g, QWidget* parent) : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_import_slov"));
    setWindowTitle(QStringLiteral("Импорт слов"));
    auto* layout = new QVBoxLayout(this);
    Nadpis_fayla = named(new QLabel(this), "Надпись_файла");
    Nadpis_fayla->setWordWrap(true);
    layout->addWidget(Nadpis_fayla);

    auto* columns = new QGroupBox(QStringLiteral("Столбцы"), this);
    auto* grid = new QHBoxLayout(columns);
    auto addCombo = [&](const char* name, const QString& label) {
        auto* box = new QVBoxLayout;
        box->addWidget(new QLabel(label, columns));
        auto* combo = named(new QComboBox(columns), name);
        box->addWidget(combo);
        grid->addLayout(box);
        return combo;
    };
    Spisok_razdeliteley = addCombo("Список_разделителей", QStringLiteral("Разделитель"));
    Spisok_razdeliteley->addItem(QStringLiteral("Табуляция"), QChar(u'\t'));
    Spisok_razdeliteley->addItem(QStringLiteral("Точка с запятой"), QChar(u';'));
    Spisok_razdeliteley->addItem(QStringLiteral("Запятая"), QChar(u','));
    Stolbets_angliyskogo_slova =
        addCombo("Столбец_английского_слова", QStringLiteral("Английское слово"));
    Stolbets_transkriptsii = addCombo("Столбец_транскрипции", QStringLiteral("Транскрипция"));
    Stolbets_perevoda = addCombo("Столбец_перевода", QStringLiteral("Перевод"));
    layout->addWidget(columns);
    Pereklyuchatel_zagolovok =
        named(new QCheckBox(QStringLiteral("Первая строка — названия столбцов"), this),
              "Переключатель_заголовок");
    layout->addWidget(Pereklyuchatel_zagolovok);

    Tablitsa_predprosmotra = named(new QTableWidget(0, 3, this), "Таблица_предпросмотра");
    Tablitsa_predprosmotra->setHorizontalHeaderLabels({QStringLiteral("Английское слово"),
                                                       QStringLiteral("Транскрипция"),
                                                       QStringLiteral("Перевод")});
    Tablitsa_predprosmotra->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Tablitsa_predprosmotra->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tablitsa_predprosmotra->setMinimumSize(640, 280);
    layout->addWidget(Tablitsa_predprosmotra);

    Pereklyuchatel_propuskat_povtory = named(
        new QRadioButton(QStringLiteral("Пропускать слова, которые уже есть в словаре"), this),
        "Переключатель_пропускать_повторы");
    Pereklyuchatel_obnovlyat_povtory =
        named(new QRadioButton(
                  QStringLiteral("Обновлять у таких слов транскрипцию и перевод из файла"), this),
              "Переключатель_обновлять_повторы");
    Pereklyuchatel_propuskat_povtory->setChecked(true);
    layout->addWidget(Pereklyuchatel_propuskat_povtory);
    layout->addWidget(Pereklyuchatel_obnovlyat_povtory);
    Pereklyuchatel_uroki_v_gruppy =
        named(new QCheckBox(QStringLiteral("Уроки до 14 слов добавить как группы слов"), this),
              "Переключатель_уроки_в_группы");
    layout->addWidget(Pereklyuchatel_uroki_v_gruppy);
    Nadpis_podskazki = named(new QLabel(this), "Надпись_подсказки");
    Nadpis_podskazki->setWordWrap(true);
    layout->addWidget(Nadpis_podskazki);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Knopka_importirovat = makeButton(this, "Кнопка_импортировать", QStringLiteral("Импортировать"));
    Knopka_otmena = makeButton(this, "Кнопка_отмена", QStringLiteral("Отмена"));
    buttons->addWidget(Knopka_importirovat);
    buttons->addWidget(Knopka_otmena);
    layout->addLayout(buttons);
    Knopka_importirovat->setDefault(true);
    enterPressesFocusedButton(this);

    connect(Knopka_importirovat, &QPushButton::clicked, this, [this] { onImport(); });
    connect(Knopka_otmena, &QPushButton::clicked, this, &QDialog::reject);
    auto reparse = [this] {
        if (filling_)
            return;
        parsed_.records = parseDelimited(parsed_.text, Spisok_razdeliteley->currentData().toChar());
        fillColumns();
    };
    connect(Spisok_razdeliteley, &QComboBox::currentIndexChanged, this, reparse);
    connect(Pereklyuchatel_zagolovok, &QCheckBox::toggled, this, [this] {
        if (!filling_)
            fillColumns();
    });
    for (QComboBox* c : {Stolbets_angliyskogo_slova, Stolbets_transkriptsii, Stolbets_perevoda})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { refreshPreview(); });
}

TForma_import_slov::Parsed TForma_import_slov::parse(const QByteArray& content) {
    Parsed p;
    p.format = detectImportFormat(content);
    switch (p.format) {
    case ImportFormat::Kvtml: {
        KvtmlResult r = parseKvtml(content);
        if (r.document)
            p.kvtml = std::move(r.document);
        else
            p.error = r.error;
        break;
    }
    case ImportFormat::FlashCardText: {
        FlashCardText t = parseFlashCardText(decodeImportText(content));
        p.records = std::move(t.records);
        break;
    }
    case ImportFormat::Delimited:
        p.text = decodeImportText(content);
        p.records = parseDelimited(p.text, guessSeparator(p.text));
        break;
    }
    return p;
}

bool TForma_import_slov::openFile(const QString& path) {
    result_.reset();
    const QFileInfo info(path);
    if (info.size() > kImportFileLimit) {
        showMessage(g_, QStringLiteral("Файл %1 слишком большой для импорта (больше %2 МБ).")
                            .arg(info.fileName())
                            .arg(kImportFileLimit / (1024 * 1024)));
        return false;
    }
    // Read and parsed on a worker of the thread pool; this thread waits in its event loop, so
    // the progress window can be cancelled. A cancelled reading goes on to its end unseen.
    struct Job {
        std::atomic<bool> done{false};
        QString readError;
        Parsed parsed;
    };
    auto job = std::make_shared<Job>();
    QThreadPool::globalInstance()->start([job, path] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            job->readError = file.errorString();
        else
            job->parsed = parse(file.readAll());
        job->done = true;
    });
    QProgressDialog progress(QStringLiteral("Чтение файла %1 ...").arg(info.fileName()),
                             QStringLiteral("Отмена"), 0, 0, this);
    progress.setObjectName(QStringLiteral("Индикатор_чтения_файла"));
    progress.setWindowTitle(QStringLiteral("Импорт слов"));
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setWindowModality(Qt::WindowModal);
    QEventLoop wait;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &wait, [&] {
        if (job->done)
            wait.quit();
    });
    connect(&progress, &QProgressDialog::canceled, &wait, &QEventLoop::quit);
    poll.start(10);
    if (!job->done)
        wait.exec();
    poll.stop();
    if (!job->done)
        return false; // cancelled: nothing was changed
    progress.reset();

    if (!job->readError.isEmpty()) {
        showMessage(g_, QStringLiteral("Не удалось прочитать файл %1: %2")
                            .arg(info.fileName(), job->readError));
        return false;
    }
    parsed_ = std::move(job->parsed);
    if (!parsed_.error.isEmpty()) {
        showMessage(g_, QStringLiteral("Файл %1 не удалось прочитать как словарь KVTML: %2")
                            .arg(info.fileName(), parsed_.error));
        return false;
    }
    const bool empty = parsed_.kvtml ? parsed_.kvtml->entries.empty() : parsed_.records.empty();
    if (empty) {
        showMessage(g_, QStringLiteral("В файле %1 нет слов для импорта.").arg(info.fileName()));
        return false;
    }
    Nadpis_fayla->setText(QStringLiteral("Файл: %1\nФормат: %2")
                              .arg(QDir::toNativeSeparators(path),
                                   QString::fromUtf8(kFormatNames[int(parsed_.format)])));
    filling_ = true;
    const bool delimited = parsed_.format == ImportFormat::Delimited;
    Spisok_razdeliteley->setEnabled(delimited);
    if (delimited)
        Spisok_razdeliteley->setCurrentIndex(
            Spisok_razdeliteley->findData(guessSeparator(parsed_.text)));
    Pereklyuchatel_zagolovok->setEnabled(!parsed_.kvtml);
    Pereklyuchatel_zagolovok->setChecked(!parsed_.kvtml &&
                                         looksLikeHeader(parsed_.records.front()));
    const bool lessons = parsed_.kvtml && !parsed_.kvtml->lessons.empty();
    Pereklyuchatel_uroki_v_gruppy->setVisible(lessons);
    Pereklyuchatel_uroki_v_gruppy->setChecked(false);
    filling_ = false;
    fillColumns();
    return true;
}

void TForma_import_slov::fillColumns() {
    filling_ = true;
    for (QComboBox* c : {Stolbets_angliyskogo_slova, Stolbets_transkriptsii, Stolbets_perevoda})
        c->clear();
    Stolbets_transkriptsii->addItem(QStringLiteral("—"), -1);
    Stolbets_perevoda->addItem(QStringLiteral("—"), -1);
    QString hint;
    if (parsed_.kvtml) {
        const KvtmlDocument& doc = *parsed_.kvtml;
        for (const KvtmlIdentifier& i : doc.identifiers) {
            const QString name =
                i.name.isEmpty() ? QStringLiteral("Столбец %1").arg(i.id + 1) : i.name;
            const QString text =
                i.locale.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, i.locale);
            Stolbets_angliyskogo_slova->addItem(text, i.id);
            Stolbets_perevoda->addItem(text, i.id);
        }
        Stolbets_transkriptsii->addItem(QStringLiteral("Произношение английского слова"), 0);
        int english = englishIdentifier(doc);
        if (english < 0) {
            hint = QStringLiteral("Не удалось определить, в каком столбце английские слова: "
                                  "выберите столбцы.");
            english = doc.identifiers.empty() ? 0 : doc.identifiers.front().id;
        }
        Stolbets_angliyskogo_slova->setCurrentIndex(Stolbets_angliyskogo_slova->findData(english));
        for (const KvtmlIdentifier& i : doc.identifiers)
            if (i.id != english) {
                Stolbets_perevoda->setCurrentIndex(Stolbets_perevoda->findData(i.id));
                break;
            }
        Stolbets_transkriptsii->setCurrentIndex(1);
    } else {
        const bool header = Pereklyuchatel_zagolovok->isChecked();
        qsizetype widest = 0;
        for (const QStringList& r : parsed_.records)
            widest = std::max(widest, r.size());
        for (int c = 0; c < widest; ++c) {
            QString name = QStringLiteral("Столбец %1").arg(c + 1);
            if (header && c < parsed_.records.front().size() &&
                !parsed_.records.front()[c].trimmed().isEmpty())
                name += QStringLiteral(": ") + parsed_.records.front()[c].trimmed();
            for (QComboBox* combo :
                 {Stolbets_angliyskogo_slova, Stolbets_transkriptsii, Stolbets_perevoda})
                combo->addItem(name, c);
        }
        const ColumnMapping m = guessMapping(parsed_.records, header);
        Stolbets_angliyskogo_slova->setCurrentIndex(
            std::max(0, Stolbets_angliyskogo_slova->findData(m.english)));
        Stolbets_transkriptsii->setCurrentIndex(
            std::max(0, Stolbets_transkriptsii->findData(m.transcription)));
        Stolbets_perevoda->setCurrentIndex(std::max(0, Stolbets_perevoda->findData(m.translation)));
    }
    Nadpis_podskazki->setText(hint);
    filling_ = false;
    refreshPreview();
}

std::vector<RecordTexts> TForma_import_slov::words() const {
    const int english = Stolbets_angliyskogo_slova->currentData().toInt();
    const int translation = Stolbets_perevoda->currentData().toInt();
    const bool transcription = Stolbets_transkriptsii->currentData().toInt() >= 0;
    if (parsed_.kvtml) {
        std::vector<RecordTexts> w = wordsFromKvtml(*parsed_.kvtml, english, translation);
        if (!transcription)
            for (RecordTexts& t : w)
                t.Transkriptsiya.clear();
        return w;
    }
    ColumnMapping m{english, Stolbets_transkriptsii->currentData().toInt(), translation};
    return wordsFromRecords(parsed_.records, m, Pereklyuchatel_zagolovok->isChecked());
}

void TForma_import_slov::refreshPreview() {
    if (filling_)
        return;
    const std::vector<RecordTexts> w = words();
    const int rows = int(std::min<size_t>(w.size(), kPreviewRows));
    Tablitsa_predprosmotra->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const QString texts[] = {w[size_t(r)].Angliyskoe_slovo, w[size_t(r)].Transkriptsiya,
                                 w[size_t(r)].Perevod};
        for (int c = 0; c < 3; ++c)
            Tablitsa_predprosmotra->setItem(r, c, new QTableWidgetItem(texts[c]));
    }
    Knopka_importirovat->setText(QStringLiteral("Импортировать (%1)").arg(w.size()));
}

void TForma_import_slov::onImport() {
    if (parsed_.kvtml &&
        Stolbets_angliyskogo_slova->currentData() == Stolbets_perevoda->currentData()) {
        showMessage(g_,
                    QStringLiteral("Выберите разные столбцы для английского слова и перевода."));
        Stolbets_perevoda->setFocus();
        return;
    }
    tip_Dinamicheskiy_massiv_grupp_slov groups;
    if (parsed_.kvtml && Pereklyuchatel_uroki_v_gruppy->isChecked())
        groups =
            groupsFromLessons(*parsed_.kvtml, Stolbets_angliyskogo_slova->currentData().toInt(),
                              Stolbets_perevoda->currentData().toInt())
                .groups;
    const DuplicatePolicy policy = Pereklyuchatel_obnovlyat_povtory->isChecked()
                                       ? DuplicatePolicy::Update
                                       : DuplicatePolicy::Skip;
    // A failure changes nothing and reaches the event boundary, as the record dialogs' do.
    result_ = importWords(g_, words(), policy, QDate::currentDate(), groups);
    accept();
}

TForma_eksport_slov::TForma_eksport_slov(G& g, QWidget* parent) : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_eksport_slov"));
    setWindowTitle(QStringLiteral("Экспорт слов"));
    auto* layout = new QVBoxLayout(this);
    auto* which = new QGroupBox(QStringLiteral("Какие слова"), this);
    auto* whichLayout = new QVBoxLayout(which);
    Pereklyuchatel_ves_slovar = named(new QRadioButton(QStringLiteral("Весь словарь"), which),
                                      "Переключатель_весь_словарь");
    Pereklyuchatel_diapazon =
        named(new QRadioButton(QStringLiteral("Слова диапазона упражнений"), which),
              "Переключатель_диапазон");
    Pereklyuchatel_zabytye =
        named(new QRadioButton(QStringLiteral("Забытые слова"), which), "Переключатель_забытые");
    Pereklyuchatel_ves_slovar->setChecked(true);
    for (QRadioButton* b :
         {Pereklyuchatel_ves_slovar, Pereklyuchatel_diapazon, Pereklyuchatel_zabytye})
        whichLayout->addWidget(b);
    layout->addWidget(which);
    layout->addWidget(new QLabel(QStringLiteral("Формат файла"), this));
    Spisok_formatov = named(new QComboBox(this), "Список_форматов");
    Spisok_formatov->addItem(QStringLiteral("KVTML 2 (KWordQuiz, Parley)"));
    Spisok_formatov->addItem(QStringLiteral("CSV (UTF-8, через запятую)"));
    layout->addWidget(Spisok_formatov);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Knopka_eksportirovat =
        makeButton(this, "Кнопка_экспортировать", QStringLiteral("Экспортировать..."));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    buttons->addWidget(Knopka_eksportirovat);
    buttons->addWidget(Knopka_zakryt);
    layout->addLayout(buttons);
    Knopka_eksportirovat->setDefault(true);
    enterPressesFocusedButton(this);
    connect(Knopka_eksportirovat, &QPushButton::clicked, this, [this] { onExport(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
}

void TForma_eksport_slov::onExport() {
    const ExportSource source = Pereklyuchatel_zabytye->isChecked()    ? ExportSource::Forgotten
                                : Pereklyuchatel_diapazon->isChecked() ? ExportSource::Range
                                                                       : ExportSource::Dictionary;
    const std::vector<RecordTexts> words = wordsToExport(g_, source);
    if (words.empty()) {
        showMessage(g_, QStringLiteral("Нет слов для экспорта."));
        return;
    }
    const bool csv = Spisok_formatov->currentIndex() == 1;
    const QString suffix = csv ? QStringLiteral("csv") : QStringLiteral("kvtml");
    QString path = choosers().save(this, QStringLiteral("Словарь.") + suffix);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    const QByteArray content = csv ? writeCsv(words) : writeKvtml(words, QStringLiteral("Словарь"));
    try {
        // Through a companion: a failed write keeps the file that was there.
        RecordFile(path, 1).replace(content);
    } catch (const Failure& e) {
        showMessage(g_, QStringLiteral("Не удалось записать файл: %1").arg(e.text()));
        return;
    }
    showMessage(g_, QStringLiteral("Экспортировано слов: %1.\nФайл: %2")
                        .arg(words.size())
                        .arg(QDir::toNativeSeparators(path)));
    accept();
}

void installWordExchangeCommands(MainWindow& main, G& g) {
    main.installCommand(MainCommand::ImportWords, [&main, &g] {
        if (g.Okno_grupp_otkryto)
            return;
        const QString path = choosers().open(main.widget());
        if (path.isEmpty())
            return;
        TForma_import_slov window(g, main.widget());
        if (!window.openFile(path))
            return;
        // Sized to its contents first, so that centring places the whole window on the screen.
        window.adjustSize();
        centreOnOwner(&window);
        if (window.exec() != QDialog::Accepted || !window.result())
            return;
        const ImportPlan& plan = *window.result();
        if (!plan.additions.empty() || !plan.updates.empty() || plan.groupsAdded > 0) {
            Sostoyanie_dinamicheskikh_massivov(g);
            main.refreshTable();
            if (g.Kolichestvo_zapisey > 0)
                main.selectRow(1, 1);
            main.refreshStatusBar();
            main.refreshCaption();
        }
        showMessage(g, importSummary(plan));
    });
    main.installCommand(MainCommand::ExportWords, [&main, &g] {
        if (g.Okno_grupp_otkryto)
            return;
        if (g.Kolichestvo_zapisey == 0) {
            showMessage(g, QString::fromUtf8(kNoRecords));
            return;
        }
        TForma_eksport_slov window(g, main.widget());
        window.adjustSize();
        centreOnOwner(&window);
        window.exec();
    });
}

} // namespace telvo
