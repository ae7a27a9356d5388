#include "sound/windows/WordDrillWindow.h"

#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"
#include "ui/common/GroupsWindow.h"
#include "ui/common/MainWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace telvo {

namespace {

constexpr int kHeight = 149;
constexpr int kWordLeft = 125;
constexpr int kWordTop = 26;
constexpr int kTranscriptionTop = 10;
constexpr int kMargin = 14;
constexpr int kButtonWidth = 116;
constexpr int kButtonHeight = 30;
constexpr int kTranscriptionPoints = 14;
constexpr int kWordPoints = 48;

} // namespace

TForma_pokazat_transkripciu::TForma_pokazat_transkripciu(Globalnye_peremennye_slovarya& g,
                                                         std::function<DrillSources()> sources,
                                                         QWidget* parent)
    : QDialog(parent), g_(g), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("TForma_pokazat_transkripciu"));
    setFont(tahomaFont(8));
    setFixedSize(drill_.windowWidth(), kHeight);

    Nadpis_kolichestvo_pokazov_slova = new QLabel(this);
    Nadpis_kolichestvo_pokazov_slova->setObjectName(
        QStringLiteral("Надпись_количество_показов_слова"));
    QFont counter = tahomaFont(8);
    counter.setPixelSize(13);
    Nadpis_kolichestvo_pokazov_slova->setFont(counter);
    Nadpis_kolichestvo_pokazov_slova->move(8, 6);

    Nadpis_taranskriptsiya = new QLabel(this);
    Nadpis_taranskriptsiya->setObjectName(QStringLiteral("Надпись_таранскрипция"));
    Nadpist_angliyskoe_slovo = new QLabel(this);
    Nadpist_angliyskoe_slovo->setObjectName(QStringLiteral("Надписть_английское_слово"));
    if (g_.Transkriptsiya_iz_znakov) {
        transcriptionFont_ = wordFont_ = timesFont();
        transcriptionFont_.setPointSize(8);
        wordFont_.setPointSize(kWordPoints);
    } else {
        transcriptionFont_ = tahomaFont(kTranscriptionPoints, true);
        wordFont_ = tahomaFont(kWordPoints, true);
    }
    Nadpis_taranskriptsiya->setFont(transcriptionFont_);
    Nadpist_angliyskoe_slovo->setFont(wordFont_);

    Knopka_ostanovit_prodolzhit =
        makeButton(this, "Кнопка_остановить_продолжить", QStringLiteral("Остановить"));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));

    Taymer = new QTimer(this);
    Taymer->setObjectName(QStringLiteral("Таймер"));
    Taymer_sekundomera = new QTimer(this);
    Taymer_sekundomera->setObjectName(QStringLiteral("Таймер_секундомера"));
    Taymer_sekundomera->setInterval(1000);
    connect(Taymer, &QTimer::timeout, this, &TForma_pokazat_transkripciu::TaymerTimer);
    connect(Taymer_sekundomera, &QTimer::timeout, this,
            &TForma_pokazat_transkripciu::Taymer_sekundomeraTimer);
    // The stopwatch runs from creation; the show starts it again from zero.
    Taymer_sekundomera->start();

    connect(Knopka_ostanovit_prodolzhit, &QPushButton::clicked, this,
            &TForma_pokazat_transkripciu::toggle);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void TForma_pokazat_transkripciu::showEvent(QShowEvent* event) {
    capture();
    Taymer->setInterval(drill_.flashIntervalMs());
    Taymer->start();
    Taymer_sekundomera->start();
    Knopka_ostanovit_prodolzhit->setText(QStringLiteral("Остановить"));
    Nadpis_taranskriptsiya->clear();
    Nadpist_angliyskoe_slovo->clear();
    showCounter();
    QDialog::showEvent(event);
    if (MainWindow* main = mainWindow(g_); main && main->widget() && main->widget()->isVisible())
        centreOn(this, main->widget()->frameGeometry());
    else
        centreOnOwner(this);
    Knopka_ostanovit_prodolzhit->setFocus();
}

void TForma_pokazat_transkripciu::capture() {
    drill_ = WordDrill(sources_ ? captureDrillTexts(sources_()) : DrillTexts{});
    const int width = drill_.windowWidth();
    setFixedSize(width, kHeight);
    // The word label stands at 125; the rule that keeps it 20 from the edge guards a narrower
    // layout.
    const int left = std::max(kWordLeft, 20);
    Nadpist_angliyskoe_slovo->setGeometry(left, kWordTop, width - left - 8,
                                          QFontMetrics(wordFont_).height());
    Nadpis_taranskriptsiya->setGeometry(left, kTranscriptionTop, width - left - 8, [this] {
        QFont shown = transcriptionFont_;
        shown.setPointSize(kTranscriptionPoints);
        return QFontMetrics(shown).height() + 4;
    }());
    const int buttonTop = kHeight - kButtonHeight - 8;
    Knopka_ostanovit_prodolzhit->setGeometry(kMargin, buttonTop, kButtonWidth, kButtonHeight);
    Knopka_zakryt->setGeometry(width - 130, buttonTop, kButtonWidth, kButtonHeight);
    setWindowTitle(drill_.texts().translation);
}

void TForma_pokazat_transkripciu::fit(QLabel* label, const QString& text, int points) {
    QFont font = label == Nadpist_angliyskoe_slovo ? wordFont_ : transcriptionFont_;
    font.setPointSize(points);
    // A long text at the full size would run out of the window: it gets smaller instead.
    while (font.pointSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > label->width())
        font.setPointSize(font.pointSize() - 1);
    label->setFont(font);
    label->setText(text);
}

void TForma_pokazat_transkripciu::TaymerTimer() {
    drill_.flashTick();
    if (drill_.wordShown().isEmpty()) {
        Nadpist_angliyskoe_slovo->clear();
        fit(Nadpis_taranskriptsiya, drill_.transcriptionShown(), kTranscriptionPoints);
    } else {
        Nadpis_taranskriptsiya->clear();
        fit(Nadpist_angliyskoe_slovo, drill_.wordShown(), kWordPoints);
        showCounter();
    }
}

void TForma_pokazat_transkripciu::Taymer_sekundomeraTimer() {
    drill_.stopwatchTick();
    showCounter();
}

void TForma_pokazat_transkripciu::showCounter() {
    Nadpis_kolichestvo_pokazov_slova->setText(drill_.counterText());
    Nadpis_kolichestvo_pokazov_slova->adjustSize();
}

void TForma_pokazat_transkripciu::toggle() {
    drill_.toggleRunning();
    if (drill_.running()) {
        Taymer->start();
        Taymer_sekundomera->start();
        Knopka_ostanovit_prodolzhit->setText(QStringLiteral("Остановить"));
    } else {
        Taymer->stop();
        Taymer_sekundomera->stop();
        Knopka_ostanovit_prodolzhit->setText(QStringLiteral("Продолжить"));
    }
}

// ---- Openers --------------------------------------------------------------------------------

DrillSources drillSources(const Globalnye_peremennye_slovarya& g, const GroupsWindow* groups,
                          const QString& sign) {
    DrillSources s;
    s.playerWord = g.Tekushchee_slovo_proigryvatelya;
    s.fromTable = g.Transkriptsiya_iz_tablitsy_zapisey;
    s.fromGroup = g.Transkriptsiya_iz_gruppy;
    s.fromSigns = g.Transkriptsiya_iz_znakov;
    if (const MainWindow* main = mainWindow(g)) {
        s.tableRows = main->rowCount();
        s.selectedRow = main->selectedRow();
        s.tableRow = [main](int row) {
            const RowWords w = main->rowWords(row);
            return DrillTexts{w.english, w.transcription, w.translation};
        };
    }
    if (groups) {
        s.groupWord = groups->selectedWord();
        s.groupTranslation = groups->selectedTranslation();
    }
    s.sign = sign;
    return s;
}

void openWordDrill(Globalnye_peremennye_slovarya& g, QWidget* owner, const GroupsWindow* groups,
                   const QString& sign) {
    TForma_pokazat_transkripciu drill(
        g, [&g, groups, sign] { return drillSources(g, groups, sign); }, owner);
    drill.exec();
}

void installWordDrillCommand(MainWindow& main, Globalnye_peremennye_slovarya& g) {
    main.installCommand(MainCommand::ShowTranscription, [&main, &g] {
        ScopedFlag fromTable(g.Transkriptsiya_iz_tablitsy_zapisey);
        openWordDrill(g, main.widget());
    });
}

void installGroupsWordDrillCommand(GroupsWindow& groups, Globalnye_peremennye_slovarya& g) {
    groups.installCommand(GroupsCommand::PronounceWord, [&groups, &g] {
        if (groups.selectedWord().isEmpty()) {
            showMessage(g, QStringLiteral("Слово для произнесения не может состоять из пустой "
                                          "строки!"));
            return;
        }
        g.Transkriptsiya_iz_tablitsy_zapisey = false;
        ScopedFlag fromGroup(g.Transkriptsiya_iz_gruppy);
        openWordDrill(g, groups.widget(), &groups);
    });
}

} // namespace telvo
