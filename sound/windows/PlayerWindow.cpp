#include "sound/windows/PlayerWindow.h"

#include "app/core/StandardTexts.h"
#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "sound/logic/Pronunciation.h"
#include "sound/windows/SoundFolderWindow.h"
#include "sound/windows/WordDrillWindow.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"
#include "ui/common/GroupsWindow.h"
#include "ui/common/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace telvo {

// ---- Listening order ------------------------------------------------------------------------

TForma_poryadok_proslushivaniya::TForma_poryadok_proslushivaniya(Globalnye_peremennye_slovarya& g,
                                                                 QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_poryadok_proslushivaniya"));
    setFixedSize(537, 145);
    setFont(tahomaFont(8));
    Radiogruppa = new QGroupBox(this);
    Radiogruppa->setObjectName(QStringLiteral("Радиогруппа"));
    randomItem = new QRadioButton(Radiogruppa);
    randomItem->setObjectName(QStringLiteral("Радиогруппа_0"));
    inOrderItem = new QRadioButton(Radiogruppa);
    inOrderItem->setObjectName(QStringLiteral("Радиогруппа_1"));
    auto* items = new QVBoxLayout(Radiogruppa);
    items->addWidget(randomItem);
    items->addWidget(inOrderItem);
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"),
                               QRect(537 - 110, 145 - 36, 100, 28));
    connect(randomItem, &QRadioButton::clicked, this, [this] { choose(false); });
    connect(inOrderItem, &QRadioButton::clicked, this, [this] { choose(true); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void TForma_poryadok_proslushivaniya::showEvent(QShowEvent* event) {
    const bool forgotten = g_.Rezhim_zabytye;
    setWindowTitle(forgotten ? QStringLiteral("Порядок прослушивания всех забытых слов")
                             : QStringLiteral("Порядок прослушивания всех слов"));
    Radiogruppa->setTitle(forgotten
                              ? QStringLiteral("Выбрать порядок прослушивания всех забытых слов")
                              : QStringLiteral("Выбрать порядок прослушивания всех слов"));
    randomItem->setText(forgotten
                            ? QStringLiteral("Прослушивать все забытые слова в случайном порядке")
                            : QStringLiteral("Прослушивать все слова в случайном порядке"));
    inOrderItem->setText(
        forgotten ? QStringLiteral("Прослушивать все забытые слова по очереди с начала до конца")
                  : QStringLiteral("Прослушивать все слова по очереди с начала до конца"));
    // Wider than the original's group: DejaVu is wider than Tahoma.
    const int width = forgotten ? 420 : 380;
    Radiogruppa->setGeometry((537 - width) / 2, 8, width, 90);
    (g_.Poryadok_po_ocheredi ? inOrderItem : randomItem)->setChecked(true);
    QDialog::showEvent(event);
    centreOnOwner(this);
}

void TForma_poryadok_proslushivaniya::choose(bool inOrder) {
    g_.Poryadok_po_ocheredi = inOrder;
    g_.Obnovit_proslushivanie = true;
    Knopka_zakryt->setFocus();
}

// ---- Player ---------------------------------------------------------------------------------

namespace {

QAction* makeAction(QWidget* owner, const char* name, const QString& text, const QKeySequence& key,
                    const QString& hint) {
    auto* a = new QAction(text, owner);
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setToolTip(hint);
    owner->addAction(a);
    return a;
}

constexpr int kRestSpacer = 150;
constexpr int kPanelSpacer = 60;

QWidget* spacer(int width) {
    auto* w = new QWidget;
    w->setFixedWidth(width);
    return w;
}

// The picture a button shows, by its name under images/, and the icon standing for it.
void setPicture(QPushButton* button, const char* name, QStyle::StandardPixmap icon) {
    button->setProperty("picture", QString::fromUtf8(name));
    button->setIcon(button->style()->standardIcon(icon));
}

} // namespace

TForma_proigrivatel::TForma_proigrivatel(Globalnye_peremennye_slovarya& g, SoundOutput& output,
                                         std::function<QString()> callerWord, QWidget* parent,
                                         const GroupsWindow* groups)
    : QDialog(parent), g_(g), callerWord_(std::move(callerWord)), groups_(groups),
      player_(g, output, *this) {
    setObjectName(QStringLiteral("TForma_proigrivatel"));
    setFixedSize(850, 182);
    setFont(tahomaFont(8));

    Panel_upravleniya_proigryvatelya = new QToolBar(this);
    Panel_upravleniya_proigryvatelya->setObjectName(
        QStringLiteral("Панель_управления_проигрывателя"));
    Panel_upravleniya_proigryvatelya->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Deystvie_vybrat_fayl =
        makeAction(this, "Действие_выбрать_файл", QStringLiteral("Выбрать файл"),
                   QKeySequence(Qt::CTRL | Qt::Key_O),
                   QStringLiteral("Выбрать файл из окна для выбора звуковых файлов"));
    Deystvie_vybor_poryadka_proslushivaniya = makeAction(
        this, "Действие_выбор_порядка_прослушивания", QStringLiteral("Как прослушивать?"),
        QKeySequence(Qt::CTRL | Qt::Key_C),
        QStringLiteral("Выбрать способ прослушивания: случайно или по очереди сначала до конца"));
    Deystvie_proiznosit_slovo = makeAction(
        this, "Действие_произносить_слово", QStringLiteral("Произносить слово"),
        QKeySequence(Qt::CTRL | Qt::Key_W), QStringLiteral("Многократное произнесение слова"));
    Deystvie_slushat_slovo_mnogo_raz =
        makeAction(this, "Действие_слушать_слово_много_раз", QString(),
                   QKeySequence(Qt::CTRL | Qt::Key_Return), QString());

    auto* tb = Panel_upravleniya_proigryvatelya;
    tb->addWidget(spacer(8));
    tb->addAction(Deystvie_vybrat_fayl);
    tb->addWidget(spacer(8));
    tb->addAction(Deystvie_vybor_poryadka_proslushivaniya);
    tb->addWidget(spacer(8));
    tb->addAction(Deystvie_proiznosit_slovo);
    // Narrower than the original's 330 and 91: the captions in DejaVu are wider than in Tahoma
    // and the stopwatch must stay on the toolbar.
    restSpacer_ = spacer(kRestSpacer);
    tb->addWidget(restSpacer_);
    Panel_risunka_slushat_zabytye = new QLabel;
    Panel_risunka_slushat_zabytye->setObjectName(QStringLiteral("Панель_рисунка_слушать_забытые"));
    Panel_risunka_slushat_zabytye->setPixmap(
        style()->standardIcon(QStyle::SP_MediaVolume).pixmap(24, 24));
    listenAllPicture_ = tb->addWidget(Panel_risunka_slushat_zabytye);
    panelSpacer_ = spacer(kPanelSpacer);
    tb->addWidget(panelSpacer_);
    Nadpis_vremya = new QLabel(QStringLiteral("00:00"));
    Nadpis_vremya->setObjectName(QStringLiteral("Надпись_время"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(19);
    courier.setBold(true);
    Nadpis_vremya->setFont(courier);
    Nadpis_vremya->setToolTip(QStringLiteral("Время затраченное на прослушивание"));
    tb->addWidget(Nadpis_vremya);
    tb->addWidget(spacer(8));
    Nadpis_nomer_slova = new QLabel;
    Nadpis_nomer_slova->setObjectName(QStringLiteral("Надпись_номер_слова"));
    Nadpis_nomer_slova->setFont(tahomaFont(10, true));
    wordNumber_ = tb->addWidget(Nadpis_nomer_slova);
    wordNumber_->setObjectName(QStringLiteral("Панель_номера_слова"));

    Knopka_podscheta_povtoreniy = new QPushButton;
    Knopka_podscheta_povtoreniy->setObjectName(QStringLiteral("Кнопка_подсчета_повторений"));
    Knopka_podscheta_povtoreniy->setFixedSize(45, 60);
    Knopka_podscheta_povtoreniy->setFont(tahomaFont(10, true));
    Knopka_podscheta_povtoreniy->installEventFilter(this);
    Nadpis_vybrannyy_fayl = new QLabel;
    Nadpis_vybrannyy_fayl->setObjectName(QStringLiteral("Надпись_выбранный_файл"));
    QFont big = tahomaFont(8, true);
    big.setPixelSize(27);
    Nadpis_vybrannyy_fayl->setFont(big);
    Stroka_s_polnym_imenem_fayla = new QLineEdit;
    Stroka_s_polnym_imenem_fayla->setObjectName(QStringLiteral("Строка_с_полным_именем_файла"));
    Stroka_s_polnym_imenem_fayla->setReadOnly(true);
    Stroka_s_polnym_imenem_fayla->setFocusPolicy(Qt::NoFocus);
    auto* pauseLabel = new QLabel(QStringLiteral("Время паузы"));
    pauseLabel->setFont(tahomaFont(8, true));
    Spisok_vremeni_proslushivaniya = new QComboBox;
    Spisok_vremeni_proslushivaniya->setObjectName(QStringLiteral("Список_времени_прослушивания"));
    Spisok_vremeni_proslushivaniya->setToolTip(
        QStringLiteral("Изменение времени паузы между словами"));
    for (int i = 0; i < kPauseChoiceCount; ++i)
        Spisok_vremeni_proslushivaniya->addItem(QString::fromUtf8(pauseChoice(i).text));
    Spisok_vremeni_proslushivaniya->installEventFilter(this);

    auto* wordColumn = new QVBoxLayout;
    wordColumn->setSpacing(0);
    wordColumn->addWidget(Nadpis_vybrannyy_fayl);
    wordColumn->addWidget(Stroka_s_polnym_imenem_fayla);
    auto* pauseColumn = new QVBoxLayout;
    pauseColumn->addWidget(pauseLabel);
    pauseColumn->addWidget(Spisok_vremeni_proslushivaniya);
    auto* top = new QHBoxLayout;
    top->addWidget(Knopka_podscheta_povtoreniy);
    top->addLayout(wordColumn, 1);
    top->addLayout(pauseColumn);

    Progress_bar = new QProgressBar;
    Progress_bar->setObjectName(QStringLiteral("Прогресс_бар"));
    Progress_bar->setRange(0, 100);
    Progress_bar->setTextVisible(false);
    Progress_bar->setFixedSize(770, 12);

    Risunok_vozvrata = makeButton(this, "Рисунок_возврата", QString());
    Risunok_vozvrata->setFlat(true);
    Knopka_ostanovit = makeButton(this, "Кнопка_остановить", QStringLiteral("Остановить"));
    Knopka_ostanovit->setDefault(true);
    Knopka_ostanovit->installEventFilter(this);
    Risunok_povtoreniya = makeButton(this, "Рисунок_повторения", QString());
    Risunok_povtoreniya->setFlat(true);
    Knopka_slushat_slovo =
        makeButton(this, "Кнопка_слушать_слово", QStringLiteral("Слушать слово"));
    Knopka_slushat_slovo->installEventFilter(this);
    Knopka_slushat_vse_slova = makeButton(this, "Кнопка_слушать_все_слова", QString());
    Knopka_slushat_vse_slova->installEventFilter(this);
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    Knopka_zakryt->installEventFilter(this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Risunok_vozvrata);
    bottom->addWidget(Knopka_ostanovit);
    bottom->addWidget(Risunok_povtoreniya);
    bottom->addWidget(Knopka_slushat_slovo);
    bottom->addWidget(Knopka_slushat_vse_slova, 1);
    bottom->addWidget(Knopka_zakryt);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(Panel_upravleniya_proigryvatelya);
    layout->addLayout(top);
    layout->addWidget(Progress_bar, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);

    connect(Deystvie_vybrat_fayl, &QAction::triggered, this, &TForma_proigrivatel::chooseFile);
    connect(Deystvie_vybor_poryadka_proslushivaniya, &QAction::triggered, this,
            &TForma_proigrivatel::chooseOrder);
    connect(Deystvie_proiznosit_slovo, &QAction::triggered, this, &TForma_proigrivatel::pronounce);
    connect(Deystvie_slushat_slovo_mnogo_raz, &QAction::triggered, this,
            [this] { player_.Slushat_slovo_mnogo_raz(); });
    connect(Knopka_slushat_slovo, &QPushButton::clicked, this,
            [this] { player_.Knopka_slushat_slovoClick(); });
    connect(Knopka_slushat_vse_slova, &QPushButton::clicked, this,
            [this] { player_.Knopka_slushat_vse_slovaClick(); });
    connect(Knopka_ostanovit, &QPushButton::clicked, this,
            [this] { player_.Knopka_ostanovitClick(); });
    connect(Risunok_povtoreniya, &QPushButton::clicked, this,
            [this] { player_.Risunok_povtoreniyaClick(); });
    connect(Risunok_vozvrata, &QPushButton::clicked, this,
            [this] { player_.Risunok_vozvrataClick(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &TForma_proigrivatel::closeAsked);
    connect(Spisok_vremeni_proslushivaniya, &QComboBox::activated, this,
            [this](int item) { player_.setPauseItem(item); });
    stopwatch_.setInterval(1000);
    connect(&stopwatch_, &QTimer::timeout, this, [this] { player_.stopwatchTick(); });
    connect(&progress_, &QTimer::timeout, this, [this] { player_.progressTick(); });
    enterPressesFocusedButton(this);
}

TForma_proigrivatel::~TForma_proigrivatel() {
    player_.task().waitUntilIdle();
}

void TForma_proigrivatel::showEvent(QShowEvent* event) {
    if (g_.Proigryvatel_iz_grupp)
        setWindowTitle(QStringLiteral("Проигрыватель звуковых файлов формата *.wav"));
    else
        setWindowTitle(QStringLiteral("Проигрыватель звуковых файлов формата *.wav (Диапазон для "
                                      "упражнений: %1 - %2)")
                           .arg(g_.Nachalo_diapazona)
                           .arg(g_.Konets_diapazona));
    player_.show(QGuiApplication::clipboard()->text());
    QDialog::showEvent(event);
    centreOnOwner(this);
    Knopka_slushat_slovo->setFocus();
}

void TForma_proigrivatel::render() {
    const PlayerState& s = player_.state();
    Knopka_podscheta_povtoreniy->setText(s.repetitionsCaption);
    Nadpis_vybrannyy_fayl->setText(s.Nadpis_vybrannyy_fayl);
    Stroka_s_polnym_imenem_fayla->setText(s.Stroka_s_polnym_imenem_fayla);
    Nadpis_nomer_slova->setText(s.Nadpis_nomer_slova);
    Nadpis_vremya->setText(s.timeText());
    Progress_bar->setValue(s.progressPercent());
    if (Spisok_vremeni_proslushivaniya->currentIndex() != s.pauseItem)
        Spisok_vremeni_proslushivaniya->setCurrentIndex(s.pauseItem);

    if (s.stopwatchOn != stopwatch_.isActive())
        s.stopwatchOn ? stopwatch_.start() : stopwatch_.stop();
    progress_.setInterval(s.progressTickMs);
    if (s.progressTimerOn != progress_.isActive())
        s.progressTimerOn ? progress_.start() : progress_.stop();

    const bool free = !s.locked;
    Deystvie_vybrat_fayl->setEnabled(free);
    Knopka_slushat_slovo->setEnabled(free);
    Knopka_zakryt->setEnabled(free);
    Deystvie_proiznosit_slovo->setEnabled(free && s.pronounceEnabled);
    Deystvie_vybor_poryadka_proslushivaniya->setEnabled(free && s.listenAllEnabled);
    Knopka_slushat_vse_slova->setEnabled(free && s.listenAllEnabled);
    Knopka_slushat_vse_slova->setText(s.listenAllCaption);
    Knopka_ostanovit->setEnabled(s.stopEnabled);

    // A widget on a toolbar is shown and hidden through its action.
    listenAllPicture_->setVisible(s.listenAllPanels);
    wordNumber_->setVisible(s.listenAllPanels);
    restSpacer_->setFixedWidth(s.listenAllPanels ? kRestSpacer - 8 : kRestSpacer);
    panelSpacer_->setFixedWidth(s.listenAllPanels ? 8 : kPanelSpacer);

    switch (s.repeatPicture) {
    case RepeatPicture::Povtoryat:
        setPicture(Risunok_povtoreniya, "Повторять", QStyle::SP_BrowserReload);
        break;
    case RepeatPicture::Ne_povtoryat:
        setPicture(Risunok_povtoreniya, "Не_повторять", QStyle::SP_MediaSeekForward);
        break;
    case RepeatPicture::Pauza:
        setPicture(Risunok_povtoreniya, "Пауза", QStyle::SP_MediaPause);
        break;
    case RepeatPicture::Prodolzhit:
        setPicture(Risunok_povtoreniya, "Продолжить", QStyle::SP_MediaPlay);
        break;
    }
    if (s.backPossible)
        setPicture(Risunok_vozvrata, "Назад", QStyle::SP_MediaSkipBackward);
    else
        setPicture(Risunok_vozvrata, "Не_назад", QStyle::SP_MediaStop);
}

void TForma_proigrivatel::focus(PlayerFocus f) {
    if (f == PlayerFocus::Stop && Knopka_ostanovit->isEnabled())
        Knopka_ostanovit->setFocus();
    else if (f == PlayerFocus::ListenWord)
        Knopka_slushat_slovo->setFocus();
}

void TForma_proigrivatel::setClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void TForma_proigrivatel::showMessage(const QString& text) {
    telvo::showMessage(g_, text);
}

void TForma_proigrivatel::showError(const QString& text) {
    telvo::showError(g_, text);
}

void TForma_proigrivatel::chooseFile() {
    if (player_.Idet_vosproizvedenie())
        return;
    const QString proposed = QGuiApplication::clipboard()->text() + QStringLiteral(".wav");
    const QString path =
        soundEnvironment().chooseSoundFile(this, QStringLiteral("Выбор звукового файла"), proposed);
    if (!path.isEmpty())
        player_.fileChosen(path, callerWord_ ? callerWord_() : QString());
}

void TForma_proigrivatel::chooseOrder() {
    if (g_.okna && g_.okna->Forma_poryadok_proslushivaniya)
        g_.okna->Forma_poryadok_proslushivaniya->exec();
}

void TForma_proigrivatel::pronounce() {
    if (player_.Idet_vosproizvedenie())
        return;
    // The caller's word is the one the drill takes: not the word listen-all prepared last.
    const bool callersWord = player_.state().Slovo_vyzyvayushchego_okna;
    if (callersWord)
        g_.Tekushchee_slovo_proigryvatelya.clear();
    if (!g_.Proigryvatel_iz_grupp) {
        ScopedFlag fromTable(g_.Transkriptsiya_iz_tablitsy_zapisey);
        openWordDrill(g_, this);
    } else if (callersWord && groups_) {
        // From the groups window the caller's word is its selected row, as the groups
        // window's own drill takes it; the record table does not hold group words.
        ScopedFlag fromGroup(g_.Transkriptsiya_iz_gruppy);
        openWordDrill(g_, this, groups_);
    } else {
        openWordDrill(g_, this, groups_);
    }
}

void TForma_proigrivatel::closeAsked() {
    if (player_.Idet_vosproizvedenie())
        return;
    if (MainWindow* main = mainWindow(g_))
        main->showWordOfRow(main->selectedRow());
    QDialog::reject();
}

void TForma_proigrivatel::reject() {
    closeAsked();
}

void TForma_proigrivatel::closeEvent(QCloseEvent* event) {
    if (player_.Idet_vosproizvedenie()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool TForma_proigrivatel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Knopka_podscheta_povtoreniy && event->type() == QEvent::FocusIn &&
        Knopka_ostanovit->isEnabled()) {
        Knopka_ostanovit->setFocus();
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    const bool listenAll = player_.state().Slushat_vse;
    if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
        // The key is taken from the button, so its own click never follows.
        if (watched == Knopka_ostanovit || watched == Knopka_podscheta_povtoreniy ||
            watched == Spisok_vremeni_proslushivaniya) {
            if (press && !key->isAutoRepeat())
                player_.spaceOnStop();
            return true;
        }
        if (watched == Knopka_slushat_slovo && listenAll) {
            if (press && !key->isAutoRepeat())
                player_.Risunok_povtoreniyaClick();
            return true;
        }
    }
    if (key->key() == Qt::Key_End && press &&
        (watched == Knopka_ostanovit || watched == Knopka_podscheta_povtoreniy ||
         watched == Knopka_slushat_slovo || watched == Knopka_slushat_vse_slova ||
         watched == Knopka_zakryt)) {
        player_.Risunok_vozvrataClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Commands -------------------------------------------------------------------------------

void installPlayerCommands(MainWindow& main, Globalnye_peremennye_slovarya& g) {
    main.installCommand(MainCommand::Player, [&main, &g] {
        if (g.Kolichestvo_zapisey == 0) {
            showMessage(g, QString::fromUtf8(kNoRecords));
            return;
        }
        const QString word = main.wordLabelText();
        QGuiApplication::clipboard()->setText(word);
        if (g.Rezhim_zabytye && word.isEmpty()) {
            showMessage(g, QStringLiteral("В режиме просмотра «Забытые» нет ни одного слова для "
                                          "прослушивания."));
            return;
        }
        TForma_proigrivatel player(
            g, soundOutput(), [&main] { return main.wordLabelText(); }, main.widget());
        player.exec();
        player.player().closed();
    });
}

void installGroupsPlayerCommand(GroupsWindow& groups, Globalnye_peremennye_slovarya& g) {
    groups.installCommand(GroupsCommand::Player, [&groups, &g] {
        const QString word = groups.selectedWord();
        QGuiApplication::clipboard()->setText(word);
        if (word.isEmpty()) {
            showMessage(g, QStringLiteral("Слово для прослушивания не может состоять из пустой "
                                          "строки!"));
            return;
        }
        if (groups.selectedGroup() >= 0)
            g.Indeks_vybrannoy_gruppy = groups.selectedGroup();
        ScopedFlag fromGroups(g.Proigryvatel_iz_grupp);
        TForma_proigrivatel player(
            g, soundOutput(), [&groups] { return groups.selectedWord(); }, groups.widget(),
            &groups);
        player.exec();
        player.player().closed();
    });
}

} // namespace telvo
