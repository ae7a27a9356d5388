#include "groups/windows/TForma_gruppy_slov.h"

#include "app/core/Failure.h"
#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "groups/logic/GroupExercise.h"
#include "groups/logic/GroupFile.h"
#include "groups/windows/GroupDialogs.h"
#include "groups/windows/GroupPairWindow.h"
#include "store/Forgotten.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/TextRules.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int kWidth = 993;
constexpr int kHeight = 442;
constexpr int kRowHeight = 18;

const QString kEditHint = QStringLiteral("Можно редактировать слова группы!");

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

QString groupNumberCell(int n) {
    const int lead = n < 10 ? 7 : n < 100 ? 5 : n < 1000 ? 3 : 1;
    return blanks(lead) + QString::number(n);
}

QString wordRowLabel(int row) {
    return blanks(row < 10 ? 4 : 3) + QString::number(row);
}

// The up and down arrows of the move controls.
QPixmap arrowPicture(bool up) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    if (up) {
        arrow.moveTo(12, 2);
        arrow.lineTo(22, 12);
        arrow.lineTo(16, 12);
        arrow.lineTo(16, 22);
        arrow.lineTo(8, 22);
        arrow.lineTo(8, 12);
        arrow.lineTo(2, 12);
    } else {
        arrow.moveTo(12, 22);
        arrow.lineTo(22, 12);
        arrow.lineTo(16, 12);
        arrow.lineTo(16, 2);
        arrow.lineTo(8, 2);
        arrow.lineTo(8, 12);
        arrow.lineTo(2, 12);
    }
    arrow.closeSubpath();
    p.setPen(QPen(QColor(27, 79, 120), 1));
    p.setBrush(QColor(42, 122, 184));
    p.drawPath(arrow);
    return pixmap;
}

// A label that reports clicks: the move pictures and their captions, the question mark.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;
    std::function<void()> doubleClicked;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QLabel::mousePressEvent(event);
        if (clicked)
            clicked();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QLabel::mouseDoubleClickEvent(event);
        if (doubleClicked)
            doubleClicked();
    }
};

// A table whose edit in progress can be finished from outside (before a commit or a move).
class GroupTableWidget : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    void finishEditing(QWidget* editor) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
};

} // namespace

// The message windows belong to the main window and a window manager may give the focus to
// the main window when one of them closes: the groups window takes it back after each command
// that may have shown one.
class TForma_gruppy_slov::ComeBack {
public:
    explicit ComeBack(TForma_gruppy_slov* w) : w_(w) {}
    ~ComeBack() {
        // After the window manager has handled the closing of the modal window.
        QTimer::singleShot(0, w_, [w = w_] {
            if (w && w->open_ && w->isVisible() && !QApplication::activeModalWidget()) {
                w->raise();
                w->activateWindow();
            }
        });
    }
    ComeBack(const ComeBack&) = delete;
    ComeBack& operator=(const ComeBack&) = delete;

private:
    QPointer<TForma_gruppy_slov> w_;
};

// Paints the cells as the window wants them and gives the word table's editors their rules.
class GroupCellDelegate : public QStyledItemDelegate {
public:
    GroupCellDelegate(TForma_gruppy_slov* window, QTableWidget* table, QColor dataColour)
        : QStyledItemDelegate(table), window_(window), table_(table), dataColour_(dataColour) {
        // A closed editor lives on until its deletion; its text is no longer the cell's.
        connect(this, &QAbstractItemDelegate::closeEditor, this, [this] { forgetEditor(); });
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QColor fill;
        if (index.column() == 0)
            fill = option.palette.button().color();
        else if (index.row() == table_->currentRow())
            fill = QColor(160, 217, 243);
        else
            fill = dataColour_.isValid() ? dataColour_ : option.palette.base().color();
        p->fillRect(option.rect, fill);
        p->setPen(option.palette.text().color());
        p->setFont(option.font);
        const QRect text = option.rect.adjusted(5, 2, -2, 0);
        p->drawText(
            text, Qt::AlignLeft | Qt::AlignTop,
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!editor)
            return nullptr;
        editor->setFrame(false);
        const int row = index.row();
        const int column = index.column();
        QPointer<QLineEdit> guarded(editor);
        connect(editor, &QLineEdit::textEdited, window_, [this, row, column, guarded] {
            if (guarded)
                window_->cellTyped(row, column, guarded);
        });
        editor_ = editor;
        editorRow_ = row;
        editorColumn_ = column;
        return editor;
    }

    QLineEdit* openEditor() const {
        QString unused;
        return editing(editorRow_, editorColumn_, unused) ? editor_.data() : nullptr;
    }
    void forgetEditor() { editor_ = nullptr; }

    // The text of the edit in progress in (row, column), if there is one.
    bool editing(int row, int column, QString& text) const {
        if (!editor_ || editorRow_ != row || editorColumn_ != column)
            return false;
        // The view may have ended the edit itself (a change of the current cell).
        if (table_->indexWidget(table_->model()->index(row, column)) != editor_) {
            editor_ = nullptr;
            return false;
        }
        text = editor_->text();
        return true;
    }

private:
    TForma_gruppy_slov* window_;
    QTableWidget* table_;
    QColor dataColour_;
    mutable QPointer<QLineEdit> editor_;
    mutable int editorRow_ = -1;
    mutable int editorColumn_ = -1;
};

TForma_gruppy_slov::TForma_gruppy_slov(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QMainWindow(parent, Qt::Window), g_(g) {
    setObjectName(QStringLiteral("TForma_gruppy_slov"));
    setWindowTitle(QStringLiteral("Группы слов"));
    setFont(tahomaFont(8));
    buildActions();
    buildToolBar();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(4);
    column->addWidget(buildTopPanel());
    column->addWidget(buildTables(), 1);
    column->addWidget(buildBottomPanel());
    setCentralWidget(central);
    buildStatusBar();
    setFixedSize(kWidth, kHeight);

    connect(qApp, &QApplication::focusChanged, this, &TForma_gruppy_slov::onFocusChanged);
    // Closing the main window closes this one by its own way out first, so the groups reach
    // their file.
    if (parent)
        parent->installEventFilter(this);
}

TForma_gruppy_slov::~TForma_gruppy_slov() = default;

// ---- Building -------------------------------------------------------------------------------

QAction* TForma_gruppy_slov::makeAction(const char* name, const char* text, const char* hint,
                                        QKeySequence key, const char* icon) {
    auto* a = new QAction(this);
    a->setObjectName(QString::fromUtf8(name));
    a->setText(QString::fromUtf8(text));
    if (hint)
        a->setToolTip(QString::fromUtf8(hint));
    if (!key.isEmpty())
        a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    if (icon)
        a->setIcon(QIcon(QStringLiteral(":/images/") + QLatin1String(icon)));
    addAction(a);
    return a;
}

void TForma_gruppy_slov::buildActions() {
    QAction* close = makeAction("Действие_закрыть", "Закрыть", "Закрытие окна группы слов",
                                QKeySequence(Qt::CTRL | Qt::Key_Q), "tb_exit.png");
    connect(close, &QAction::triggered, this, [this] { this->close(); });
    QAction* add = makeAction("Действие_добавить_группу", "Добавить группу", "Добавить группу слов",
                              QKeySequence(Qt::SHIFT | Qt::Key_Insert), "tb_add.png");
    connect(add, &QAction::triggered, this, [this] { Deystvie_dobavit_gruppuExecute(); });
    QAction* rename =
        makeAction("Действие_изменить_группу", "Изменить группу", "Изменить название группы слов",
                   QKeySequence(Qt::CTRL | Qt::Key_Return), "tb_edit.png");
    rename->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(rename, &QAction::triggered, this, [this] { Deystvie_izmenit_gruppuExecute(); });
    QAction* remove =
        makeAction("Действие_удалить_группу", "Удалить группу", "Удалить группу слов из словаря",
                   QKeySequence(Qt::CTRL | Qt::Key_Delete), "tb_delete.png");
    connect(remove, &QAction::triggered, this, [this] { Deystvie_udalit_gruppuExecute(); });
    transferAction_ = makeAction("Действие_перенести_из_словаря", "Перенести из словаря",
                                 "Перенести английское слово и его перевод из словаря в группу",
                                 QKeySequence(Qt::Key_F10), "tb_insert.png");
    connect(transferAction_, &QAction::triggered, this,
            [this] { Deystvie_perenesti_iz_slovaryaExecute(); });
    forgetAction_ = makeAction("Действие_отметить_забытым_из_группы_слов", "Отметить забытым",
                               "Отметить слово верхней панели, забытым в таблице с записями",
                               QKeySequence(Qt::Key_F5), "tb_forgotten.png");
    connect(forgetAction_, &QAction::triggered, this,
            [this] { Deystvie_otmetit_zabytym_iz_gruppy_slovExecute(); });
    pronounceAction_ = makeAction("Действие_произносить_слово", "Произносить слово",
                                  "Многократное произнесение слова",
                                  QKeySequence(Qt::CTRL | Qt::Key_W), "tb_transcription.png");
    playerAction_ = makeAction("Действие_проигрыватель", "Проигрыватель",
                               "Проигрыватель звуковых файлов формата .wav",
                               QKeySequence(Qt::CTRL | Qt::Key_P), "tb_player.png");
    pairsAction_ = makeAction("Дейсвие_составить_пары", "Составить пары",
                              "Упражнение по сопоставлению пар английских слов и их переводов",
                              QKeySequence(Qt::CTRL | Qt::Key_S), "tb_pairs.png");
    connect(pairsAction_, &QAction::triggered, this, [this] { Deysvie_sostavit_paryExecute(); });
    QAction* manual = makeAction("Действие_руководство_пользователя", "Руководство пользователя",
                                 "Показать руководство пользователя программы (F1)",
                                 QKeySequence(Qt::Key_F1), nullptr);
    QAction* find = makeAction("Действие_найти_подстроку_в_группе_слов", "Искать далее", nullptr,
                               QKeySequence(), nullptr);
    connect(find, &QAction::triggered, this,
            [this] { Deystvie_nayti_podstroku_v_gruppe_slovExecute(); });

    commandActions_ = {{GroupsCommand::PronounceWord, pronounceAction_},
                       {GroupsCommand::Player, playerAction_},
                       {GroupsCommand::Manual, manual}};
    // Carried out by other subsystems: idle until they install their command.
    for (const auto& [command, a] : commandActions_) {
        installed_[a] = false;
        a->setEnabled(false);
    }
}

void TForma_gruppy_slov::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Панель_управления_формы_группы_слов"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(22, 22));
    auto actionNamed = [this](const char* name) {
        return findChild<QAction*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    };
    bar->addAction(actionNamed("Действие_закрыть"));
    bar->addSeparator();
    bar->addAction(actionNamed("Действие_добавить_группу"));
    bar->addAction(actionNamed("Действие_изменить_группу"));
    bar->addAction(actionNamed("Действие_удалить_группу"));
    bar->addSeparator();
    bar->addAction(transferAction_);
    // F5 works while this button is disabled, so the button is not the action's own.
    forgetButton_ = new QToolButton(bar);
    forgetButton_->setObjectName(QStringLiteral("Кнопка_отметить_забытым"));
    forgetButton_->setText(forgetAction_->text());
    forgetButton_->setIcon(forgetAction_->icon());
    forgetButton_->setToolTip(forgetAction_->toolTip());
    forgetButton_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    forgetButton_->setIconSize(bar->iconSize());
    forgetButton_->setEnabled(false);
    connect(forgetButton_, &QToolButton::clicked, forgetAction_, &QAction::trigger);
    bar->addWidget(forgetButton_);
    bar->addSeparator();
    bar->addAction(pronounceAction_);
    bar->addAction(playerAction_);
    bar->addSeparator();
    bar->addAction(pairsAction_);
    for (QToolButton* b : bar->findChildren<QToolButton*>())
        b->setMinimumHeight(40);
    addToolBar(bar);
}

QWidget* TForma_gruppy_slov::buildTopPanel() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 8, 0);
    auto* label = new ClickLabel(panel);
    label->setObjectName(QStringLiteral("Надпись_английское_слово_для_группы_слов"));
    QFont big = tahomaFont(8, true);
    big.setPixelSize(32);
    label->setFont(big);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumHeight(42);
    label->doubleClicked = [this] {
        if (pronounceAction_->isEnabled())
            pronounceAction_->trigger();
    };
    wordLabel_ = label;
    row->addWidget(wordLabel_, 1);
    // Beside the box it speaks of: the bottom row has no room left for it.
    editHint_ = new QLabel(panel);
    editHint_->setObjectName(QStringLiteral("Надпись_можно_редактировать_словать_группы"));
    editHint_->setFont(tahomaFont(8, true));
    editHint_->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    editHint_->setMinimumWidth(QFontMetrics(editHint_->font()).horizontalAdvance(kEditHint) + 4);
    row->addWidget(editHint_);
    row->addSpacing(12);
    translationBox_ = new QCheckBox(QStringLiteral("Перевод"), panel);
    translationBox_->setObjectName(QStringLiteral("Переключатель_перевод_группы_слов"));
    translationBox_->setToolTip(
        QStringLiteral("Убрать/восстановить русские переводы. Клавиша «Пробел» "));
    translationBox_->setFocusPolicy(Qt::NoFocus);
    connect(translationBox_, &QCheckBox::clicked, this, [this] { translationClicked(); });
    row->addWidget(translationBox_);
    return panel;
}

QWidget* TForma_gruppy_slov::buildTables() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    auto setUp = [](QTableWidget* t) {
        t->verticalHeader()->hide();
        t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        t->verticalHeader()->setDefaultSectionSize(kRowHeight);
        t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        t->horizontalHeader()->setHighlightSections(false);
        t->horizontalHeader()->setFixedHeight(kRowHeight + 4);
        t->horizontalHeader()->setStretchLastSection(false);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setTabKeyNavigation(false);
        t->setWordWrap(false);
    };

    groupTable_ = new GroupTableWidget(1, 2, panel);
    groupTable_->setObjectName(QStringLiteral("Таблица_названий_групп_слов"));
    setUp(groupTable_);
    groupTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    groupTable_->setFixedWidth(425);
    groupTable_->setColumnWidth(0, 40);
    groupTable_->setColumnWidth(1, 379);
    groupTable_->setHorizontalHeaderLabels(
        {QStringLiteral("Номер"), blanks(39) + QStringLiteral("Название группы слов")});
    groupDelegate_ = new GroupCellDelegate(this, groupTable_, QColor());
    groupTable_->setItemDelegate(groupDelegate_);
    groupTable_->installEventFilter(this);
    connect(groupTable_, &QTableWidget::currentCellChanged, this,
            [this](int current, int, int previous, int) {
                groupTable_->viewport()->update();
                if (!filling_ && current >= 0 && current != previous)
                    groupSelected();
            });
    row->addWidget(groupTable_);

    wordTable_ = new GroupTableWidget(kGroupRows, 3, panel);
    wordTable_->setObjectName(QStringLiteral("Таблица_со_словами_одной_группы_слов"));
    setUp(wordTable_);
    wordTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    wordTable_->setColumnWidth(0, 40);
    wordTable_->setColumnWidth(1, 200);
    wordTable_->setColumnWidth(2, 297);
    wordTable_->setFixedWidth(40 + 200 + 297 + 2 * wordTable_->frameWidth());
    wordTable_->setFixedHeight(kRowHeight + 4 + kGroupRows * kRowHeight +
                               2 * wordTable_->frameWidth());
    wordTable_->setHorizontalHeaderLabels({QStringLiteral("Номер"),
                                           blanks(17) + QStringLiteral("Английское слово"),
                                           blanks(39) + QStringLiteral("Перевод")});
    for (int r = 0; r < kGroupRows; ++r) {
        auto* number = new QTableWidgetItem(wordRowLabel(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        wordTable_->setItem(r, 0, number);
        for (int c = 1; c <= 2; ++c)
            wordTable_->setItem(r, c, new QTableWidgetItem);
    }
    wordDelegate_ = new GroupCellDelegate(this, wordTable_, QColor(166, 254, 167));
    wordTable_->setItemDelegate(wordDelegate_);
    wordTable_->installEventFilter(this);
    connect(wordTable_, &QTableWidget::currentCellChanged, this, [this] {
        wordTable_->viewport()->update();
        if (!filling_ && activeTable_ == 2)
            Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
    });
    connect(wordTable_, &QTableWidget::cellPressed, this,
            [this] { Otobrazit_angliyskoe_slovo_v_verkhney_paneli(); });
    // Enter that ends an edit commits the table, as Enter on the table does.
    connect(wordDelegate_, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache && open_ &&
                    g_.Kolichestvo_grupp() > 0) {
                    Sokhranit_slova_tekushchey_gruppy();
                    if (wordTable_->currentColumn() == 1)
                        writeTotalPane();
                }
            });
    row->addWidget(wordTable_, 0, Qt::AlignTop);
    row->addStretch(1);
    return panel;
}

QWidget* TForma_gruppy_slov::buildBottomPanel() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(6);
    flag_ = new FlagIndicator(250, panel);
    flag_->setObjectName(QStringLiteral("Картинка_формы_группы_слов"));
    flag_->setFixedSize(24, 16);
    row->addWidget(flag_);
    auto* searchLabel = new QLabel(QStringLiteral("Найти группу слов (подстроку):"), panel);
    row->addWidget(searchLabel);
    searchField_ = new QLineEdit(panel);
    searchField_->setObjectName(QStringLiteral("Поле_ввода_подствоки_поиска_группы_слов"));
    searchField_->setFixedWidth(140);
    searchField_->installEventFilter(this);
    connect(searchField_, &QLineEdit::textChanged, this, [this] { g_.Nomer_naydennoy_stroki = 0; });
    row->addWidget(searchField_);
    searchButton_ = new QPushButton(QStringLiteral("Искать далее"), panel);
    searchButton_->setObjectName(QStringLiteral("Кнопка_искать_далее"));
    searchButton_->installEventFilter(this);
    connect(searchButton_, &QPushButton::clicked, this, [this] { search(); });
    row->addWidget(searchButton_);
    row->addStretch(1);

    auto movePicture = [this, panel, row](const char* picture, const char* label, bool up,
                                          QLabel*& pictureOut, QLabel*& labelOut) {
        auto* p = new ClickLabel(panel);
        p->setObjectName(QString::fromUtf8(picture));
        p->setPixmap(arrowPicture(up));
        p->setFixedSize(24, 24);
        p->clicked = [this, up] { move(up ? MoveDirection::Up : MoveDirection::Down); };
        auto* l = new ClickLabel(panel);
        l->setObjectName(QString::fromUtf8(label));
        l->setMinimumWidth(
            QFontMetrics(l->font()).horizontalAdvance(QStringLiteral("Передвинуть группу вверх")) +
            6);
        l->clicked = p->clicked;
        row->addWidget(p);
        row->addWidget(l);
        pictureOut = p;
        labelOut = l;
    };
    movePicture("Картинка_строчка_вверх", "Надпись_передвинуть_вверх", true, upPicture_, upLabel_);
    movePicture("Картинка_строчка_вниз", "Надпись_передвинуть_вниз", false, downPicture_,
                downLabel_);

    auto* help = new ClickLabel(panel);
    help->setObjectName(QStringLiteral("Картинка_формы_групп_слов_с_вопросом"));
    help->setPixmap(QPixmap(QStringLiteral(":/images/help.png"))
                        .scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    help->setToolTip(QStringLiteral("Показать руководство пользователя программы (F1)"));
    help->clicked = [this] {
        QAction* manual = commandActions_[GroupsCommand::Manual];
        if (manual->isEnabled())
            manual->trigger();
    };
    row->addWidget(help);
    return panel;
}

void TForma_gruppy_slov::buildStatusBar() {
    const int widths[] = {160, 225, 265};
    const char* names[] = {"Панель_количество_групп", "Панель_количество_слов_в_группе",
                           "Панель_общее_количество_слов"};
    for (int i = 0; i < 3; ++i) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString::fromUtf8(names[i]));
        pane->setMinimumWidth(widths[i]);
        pane->setTextFormat(Qt::PlainText);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(pane, i == 2 ? 1 : 0);
        panes_[i] = pane;
    }
    statusBar()->setSizeGripEnabled(false);
}

// ---- Interface ------------------------------------------------------------------------------

QString TForma_gruppy_slov::selectedWord() const {
    if (!open_)
        return {};
    return normalizeField(wordCells()[selectedWordRow() - 1].Angliyskoe_gruppovoe_slovo);
}

QString TForma_gruppy_slov::selectedTranslation() const {
    if (!open_)
        return {};
    return normalizeField(wordCells()[selectedWordRow() - 1].Russkiy_gruppovoy_perevod);
}

int TForma_gruppy_slov::selectedGroup() const {
    if (!open_ || g_.Kolichestvo_grupp() == 0)
        return -1;
    return selectedGroupRow() - 1;
}

void TForma_gruppy_slov::installCommand(GroupsCommand command, std::function<void()> run) {
    const auto found = commandActions_.find(command);
    if (found == commandActions_.end())
        throw std::logic_error("the groups window has no action for command " +
                               std::to_string(static_cast<int>(command)));
    QAction* a = found->second;
    if (installed_[a])
        throw std::logic_error("a groups window command is installed twice: " +
                               a->objectName().toStdString());
    installed_[a] = true;
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    updateWordButtons();
}

void TForma_gruppy_slov::updateWordButtons() {
    transferAction_->setEnabled(wordButtonsOn_);
    forgetButton_->setEnabled(wordButtonsOn_);
    pronounceAction_->setEnabled(wordButtonsOn_ && installed_[pronounceAction_]);
    playerAction_->setEnabled(wordButtonsOn_ && installed_[playerAction_]);
    QAction* manual = commandActions_[GroupsCommand::Manual];
    manual->setEnabled(installed_[manual]);
}

GroupWordCells TForma_gruppy_slov::wordCells() const {
    GroupWordCells cells;
    for (int r = 0; r < kGroupRows; ++r) {
        QString english = wordTable_->item(r, 1)->text();
        QString translation = wordTable_->item(r, 2)->text();
        wordDelegate_->editing(r, 1, english);
        wordDelegate_->editing(r, 2, translation);
        cells[r] = {english, translation};
    }
    return cells;
}

int TForma_gruppy_slov::selectedGroupRow() const {
    return std::max(groupTable_->currentRow(), 0) + 1;
}

int TForma_gruppy_slov::selectedWordRow() const {
    return std::clamp(wordTable_->currentRow(), 0, kGroupRows - 1) + 1;
}

// ---- Show and close -------------------------------------------------------------------------

void TForma_gruppy_slov::open() {
    if (open_)
        return;
    show();
    raise();
    activateWindow();
}

void TForma_gruppy_slov::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && !open_)
        FormShow();
}

void TForma_gruppy_slov::FormShow() {
    open_ = true;
    g_.Okno_grupp_otkryto = true;
    resize(kWidth, kHeight);

    GroupWindowState state = Prochitat_sostoyanie_okna_grupp(g_);
    Zagruzit_gruppy_iz_fayla(g_);
    // A state file left from another group file must not select a group that is not there.
    state = clampToGroups(state, g_.Kolichestvo_grupp());

    translationBox_->setChecked(state.Perevod);
    wordLabel_->clear();
    shownGroup_ = state.Vybrannaya_stroka;
    Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(state.Vybrannaya_stroka - 1);
    if (g_.Kolichestvo_grupp() > 0)
        selectGroupRow(state.Vybrannaya_stroka, state.Verkhnyaya_stroka);
    else {
        QSignalBlocker block(groupTable_);
        groupTable_->setCurrentCell(0, 1);
        wordTable_->setCurrentCell(0, 1);
    }

    wordButtonsOn_ = false;
    updateWordButtons();
    editHint_->clear();
    allowEditing(false);
    Otobrazit_soderzhanie_status_stroki(selectedGroupRow() - 1);
    setPairsButton(g_.Kolichestvo_slov_v_tekushchey_gruppe >= 2);
    writeTotalPane();
    showGroupMovePictures();
    activeTable_ = 1;
    groupTable_->setFocus();
}

void TForma_gruppy_slov::closeEvent(QCloseEvent* event) {
    if (open_)
        closeSteps(!closingWithMain_);
    event->accept();
}

void TForma_gruppy_slov::closeSteps(bool refreshMain) {
    finishEditing();
    MainWindow* main = mainWindow(g_);
    if (main && refreshMain)
        main->showWordOfRow(main->selectedRow());

    GroupWindowState state;
    state.Perevod = translationBox_->isChecked();
    const int top = groupTable_->rowAt(0);
    state.Verkhnyaya_stroka = top < 0 ? 1 : top + 1;
    state.Vybrannaya_stroka = selectedGroupRow();
    Zapisat_sostoyanie_okna_grupp(g_, state);

    if (g_.Kolichestvo_grupp() > 0) {
        if (!translationBox_->isChecked()) {
            // The hidden translations are in memory only; show them so the commit keeps them.
            translationBox_->setChecked(true);
            Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(selectedGroupRow() - 1);
        }
        Sokhranit_slova_tekushchey_gruppy();
    }
    Zapisat_gruppy_v_fayl(g_);

    g_.Gruppy_slov.clear();
    g_.Kolichestvo_slov_v_tekushchey_gruppe = 0;
    open_ = false;
    g_.Okno_grupp_otkryto = false;
    activeTable_ = 1;
    wordButtonsOn_ = false;
}

bool TForma_gruppy_slov::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Hide && !event->spontaneous() && open_) {
            closingWithMain_ = true;
            close();
            closingWithMain_ = false;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int k = key->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;

    if (watched == wordTable_ && !press) {
        if (wordTable_->currentColumn() == 1)
            wordTableKeyReleased();
        return false;
    }
    if (!press || !plain)
        return QMainWindow::eventFilter(watched, event);

    if (watched == groupTable_ || watched == wordTable_) {
        const bool words = watched == wordTable_;
        switch (k) {
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Space:
            toggleTranslations(words);
            return true;
        case Qt::Key_Insert:
            Deystvie_dobavit_gruppuExecute();
            return true;
        case Qt::Key_Delete:
            Deystvie_udalit_gruppuExecute();
            return true;
        case Qt::Key_Right:
            if (!words) {
                wordTable_->setCurrentCell(selectedWordRow() - 1, 1);
                wordTable_->setFocus();
                return true;
            }
            break;
        case Qt::Key_Left:
            if (words && wordTable_->currentColumn() == 1) {
                groupTable_->setFocus();
                return true;
            }
            break;
        default:
            if (words && enter) {
                // Enter that ends an edit reaches the table too; ending the edit commits.
                if (wordDelegate_->openEditor())
                    return false;
                if (g_.Kolichestvo_grupp() > 0) {
                    Sokhranit_slova_tekushchey_gruppy();
                    if (wordTable_->currentColumn() == 1)
                        writeTotalPane();
                }
                return true;
            }
        }
        return false;
    }
    if (watched == searchField_) {
        switch (k) {
        case Qt::Key_Delete:
            searchField_->clear();
            return true;
        case Qt::Key_Home:
            if (g_.Kolichestvo_grupp() > 0)
                selectGroupRow(1, 1);
            groupTable_->setFocus();
            return true;
        case Qt::Key_Up:
            groupTable_->setFocus();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Insert:
            Deystvie_dobavit_gruppuExecute();
            return true;
        default:
            if (enter) {
                search();
                return true;
            }
        }
        return false;
    }
    if (watched == searchButton_) {
        if (k == Qt::Key_Escape) {
            close();
            return true;
        }
        if (k == Qt::Key_Insert) {
            Deystvie_dobavit_gruppuExecute();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Routines -------------------------------------------------------------------------------

void TForma_gruppy_slov::Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(int32_t group) {
    const bool wasFilling = filling_;
    filling_ = true;
    const QSignalBlocker blockGroups(groupTable_);
    const QSignalBlocker blockWords(wordTable_);
    const int current = groupTable_->currentRow();
    const int currentWord = wordTable_->currentRow();
    const int currentWordColumn = wordTable_->currentColumn();
    const int32_t n = g_.Kolichestvo_grupp();
    const bool narrow = n > 11;
    groupTable_->setColumnWidth(1, narrow ? 362 : 379);
    groupTable_->setHorizontalHeaderItem(
        1, new QTableWidgetItem(blanks(narrow ? 37 : 39) + QStringLiteral("Название группы слов")));
    groupTable_->setRowCount(std::max<int32_t>(n, 1));
    auto setGroupCell = [this](int row, int column, const QString& text) {
        QTableWidgetItem* item = groupTable_->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            groupTable_->setItem(row, column, item);
        }
        item->setText(text);
        // A name longer than its column shows whole in its tip.
        item->setToolTip(column == 1 ? text : QString());
    };
    if (n == 0) {
        setGroupCell(0, 0, QString());
        setGroupCell(0, 1, QString());
    }
    for (int32_t i = 0; i < n; ++i) {
        setGroupCell(i, 0, groupNumberCell(i + 1));
        setGroupCell(i, 1, g_.Gruppy_slov[i].Nazvanie_gruppy_slov);
    }
    const bool shown = translationBox_->isChecked();
    for (int r = 0; r < kGroupRows; ++r) {
        QString english;
        QString translation;
        if (n > 0 && group >= 0 && group < n) {
            const auto& row =
                g_.Gruppy_slov[group].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[r];
            english = row.Angliyskoe_gruppovoe_slovo;
            if (shown)
                translation = row.Russkiy_gruppovoy_perevod;
        }
        wordTable_->item(r, 1)->setText(english);
        wordTable_->item(r, 2)->setText(translation);
    }
    if (current >= 0 && current < groupTable_->rowCount())
        groupTable_->setCurrentCell(current, 1);
    if (currentWord >= 0)
        wordTable_->setCurrentCell(currentWord, std::max(currentWordColumn, 1));
    groupTable_->viewport()->update();
    wordTable_->viewport()->update();
    filling_ = wasFilling;
}

void TForma_gruppy_slov::Otobrazit_soderzhanie_status_stroki(int32_t group) {
    const int32_t n = g_.Kolichestvo_grupp();
    g_.Kolichestvo_slov_v_tekushchey_gruppe =
        group >= 0 && group < n ? countGroupWords(g_.Gruppy_slov[group]) : 0;
    panes_[0]->setText(groupCountPane(n));
    panes_[1]->setText(groupWordCountPane(g_.Kolichestvo_slov_v_tekushchey_gruppe));
}

void TForma_gruppy_slov::Otobrazit_soderzhanie_status_stroki_pri_redaktirovanii_slov() {
    const int32_t words = countTypedWords(wordCells());
    panes_[1]->setText(groupWordCountPane(words));
    showMovePictures(words >= 2, true);
}

void TForma_gruppy_slov::Otobrazit_angliyskoe_slovo_v_verkhney_paneli() {
    wordLabel_->setText(wordCells()[selectedWordRow() - 1].Angliyskoe_gruppovoe_slovo);
    QGuiApplication::clipboard()->setText(wordLabel_->text());
}

void TForma_gruppy_slov::writeTotalPane() {
    panes_[2]->setText(allGroupWordsPane(Obshchee_kolichestvo_slov_v_gruppakh(g_)));
}

void TForma_gruppy_slov::Sokhranit_slova_tekushchey_gruppy() {
    finishEditing();
    telvo::Sokhranit_slova_tekushchey_gruppy(g_, selectedGroupRow() - 1, wordCells());
}

// ---- Selection, focus and editing -----------------------------------------------------------

void TForma_gruppy_slov::selectGroupRow(int row, int topRow) {
    {
        const bool wasFilling = filling_;
        filling_ = true;
        const QSignalBlocker block(groupTable_);
        if (groupTable_->rowCount() < g_.Kolichestvo_grupp())
            groupTable_->setRowCount(g_.Kolichestvo_grupp());
        groupTable_->setCurrentCell(row - 1, 1);
        filling_ = wasFilling;
    }
    if (topRow > 0)
        groupTable_->verticalScrollBar()->setValue(topRow - 1);
    else
        groupTable_->scrollToItem(groupTable_->item(row - 1, 1));
    groupSelected();
}

void TForma_gruppy_slov::groupSelected() {
    const int32_t n = g_.Kolichestvo_grupp();
    if (n == 0)
        return;
    if (!g_.Gruppa_udalena) {
        finishEditing();
        commitOnGroupChange(g_, shownGroup_ - 1, wordCells(), translationBox_->isChecked());
    }
    {
        const QSignalBlocker block(wordTable_);
        wordTable_->setCurrentCell(0, 1);
    }
    wordLabel_->clear();
    const int32_t group = std::clamp<int32_t>(selectedGroupRow() - 1, 0, n - 1);
    Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(group);
    Otobrazit_soderzhanie_status_stroki(group);
    writeTotalPane();
    setPairsButton(g_.Kolichestvo_slov_v_tekushchey_gruppe >= 2);
    shownGroup_ = selectedGroupRow();
}

void TForma_gruppy_slov::showGroupMovePictures() {
    showMovePictures(g_.Kolichestvo_grupp() >= 2, false);
}

void TForma_gruppy_slov::showMovePictures(bool shown, bool words) {
    upPicture_->setVisible(shown);
    downPicture_->setVisible(shown);
    if (!shown) {
        upLabel_->clear();
        downLabel_->clear();
        return;
    }
    upLabel_->setText(words ? QStringLiteral("Передвинуть слово вверх")
                            : QStringLiteral("Передвинуть группу вверх"));
    downLabel_->setText(words ? QStringLiteral("Передвинуть слово вниз")
                              : QStringLiteral("Передвинуть группу вниз"));
}

void TForma_gruppy_slov::setPairsButton(bool enabled) {
    pairsAction_->setEnabled(enabled);
}

void TForma_gruppy_slov::allowEditing(bool allowed) {
    editingAllowed_ = allowed;
    if (!allowed)
        finishEditing();
    wordTable_->setEditTriggers(allowed ? QAbstractItemView::DoubleClicked |
                                              QAbstractItemView::EditKeyPressed |
                                              QAbstractItemView::AnyKeyPressed
                                        : QAbstractItemView::NoEditTriggers);
}

void TForma_gruppy_slov::onFocusChanged(QWidget*, QWidget* now) {
    if (!open_ || !now || now->window() != this)
        return;
    const bool inWords = now == wordTable_ || wordTable_->isAncestorOf(now);
    if (inWords && activeTable_ != 2)
        enterWordTable();
    else if (!inWords && activeTable_ == 2)
        leaveWordTable();
    if (now == searchField_)
        g_.Nomer_naydennoy_stroki = 0;
}

void TForma_gruppy_slov::enterWordTable() {
    activeTable_ = 2;
    setPairsButton(false);
    if (g_.Kolichestvo_grupp() == 0)
        return;
    Otobrazit_soderzhanie_status_stroki_pri_redaktirovanii_slov();
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
    wordButtonsOn_ = true;
    updateWordButtons();
    if (translationBox_->isChecked()) {
        editHint_->setText(kEditHint);
        allowEditing(true);
        showMovePictures(countTypedWords(wordCells()) >= 2 && g_.Kolichestvo_grupp() >= 2, true);
    } else {
        editHint_->clear();
        showMovePictures(false, true);
        allowEditing(false);
    }
}

void TForma_gruppy_slov::leaveWordTable() {
    activeTable_ = 1;
    wordLabel_->clear();
    wordButtonsOn_ = false;
    updateWordButtons();
    editHint_->clear();
    allowEditing(false);
    setPairsButton(g_.Kolichestvo_slov_v_tekushchey_gruppe >= 2);
    showGroupMovePictures();
}

void TForma_gruppy_slov::translationClicked() {
    if (translationBox_->isChecked()) {
        editHint_->setText(kEditHint);
    } else {
        // The translations are still on screen: keep them before they are hidden.
        if (g_.Kolichestvo_grupp() > 0)
            Sokhranit_slova_tekushchey_gruppy();
        editHint_->clear();
    }
    Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(selectedGroupRow() - 1);
    groupTable_->setFocus();
}

void TForma_gruppy_slov::toggleTranslations(bool) {
    allowEditing(false);
    translationBox_->toggle();
    translationClicked();
}

void TForma_gruppy_slov::finishEditing() {
    QLineEdit* editor = wordDelegate_->openEditor();
    if (!editor)
        return;
    wordDelegate_->forgetEditor();
    static_cast<GroupTableWidget*>(wordTable_)->finishEditing(editor);
}

void TForma_gruppy_slov::wordTableKeyReleased() {
    if (!open_ || g_.Kolichestvo_grupp() == 0)
        return;
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
    Otobrazit_soderzhanie_status_stroki_pri_redaktirovanii_slov();
}

void TForma_gruppy_slov::setCell(int row, int column, const QString& text) {
    const QSignalBlocker block(wordTable_);
    wordTable_->item(row, column)->setText(text);
}

void TForma_gruppy_slov::cellTyped(int row, int column, QLineEdit* editor) {
    // This runs inside the editor's own signal: what ends the edit or opens a window (which
    // ends it too, and may delete the editor) waits until the key has been handled.
    if (column == 1 && typedWordInGroup(wordCells(), row)) {
        QString text = editor->text();
        text.chop(1);
        editor->setText(text);
        QTimer::singleShot(0, this, [this, row] {
            const ComeBack comeBack(this);
            finishEditing();
            if (askQuestion(g_, QString::fromUtf8(kTypedWordInGroupQuestion))) {
                GroupWordCells cells = wordCells();
                TForma_vvod_slova entry(g_, cells, row, this);
                entry.exec();
                if (entry.entered())
                    setCell(row, 1, cells[row].Angliyskoe_gruppovoe_slovo);
            }
            wordTable_->setFocus();
            Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
            Otobrazit_soderzhanie_status_stroki_pri_redaktirovanii_slov();
        });
    }
    const int width = column == 1 ? GroupLayout::kEnglishMax : GroupLayout::kTranslationMax;
    const QString overlong = overlongCellMessage(editor->text(), width);
    if (!overlong.isEmpty()) {
        editor->setText(editor->text().left(width));
        QTimer::singleShot(0, this, [this, overlong] {
            const ComeBack comeBack(this);
            finishEditing();
            showMessage(g_, overlong);
            wordTable_->setFocus();
        });
    }
    if (column == 1) {
        Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
        Otobrazit_soderzhanie_status_stroki_pri_redaktirovanii_slov();
    }
}

// ---- Moves ----------------------------------------------------------------------------------

void TForma_gruppy_slov::move(MoveDirection direction) {
    const int32_t n = g_.Kolichestvo_grupp();
    if (n == 0)
        return;
    const int selected = selectedGroupRow();
    movedGroup_ = selected - 1;
    if (activeTable_ == 1) {
        // What is typed into the word table belongs to the group it shows, wherever that
        // group goes.
        finishEditing();
        commitOnGroupChange(g_, shownGroup_ - 1, wordCells(), translationBox_->isChecked());
        const std::optional<int32_t> to = moveGroup(g_, movedGroup_, direction);
        if (!to)
            return;
        Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(movedGroup_);
        selectGroupRow(*to + 1);
        return;
    }
    const int row = selectedWordRow();
    const int column = std::max(wordTable_->currentColumn(), 1);
    if ((direction == MoveDirection::Up && row == 1) ||
        (direction == MoveDirection::Down && row == kGroupRows))
        return;
    Sokhranit_slova_tekushchey_gruppy();
    const std::optional<int32_t> to = moveWordRow(g_, movedGroup_, row - 1, direction);
    if (!to)
        return;
    Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(movedGroup_);
    {
        const QSignalBlocker block(wordTable_);
        wordTable_->setCurrentCell(*to, column);
    }
    wordTable_->viewport()->update();
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
}

// ---- Commands -------------------------------------------------------------------------------

void TForma_gruppy_slov::Deystvie_dobavit_gruppuExecute() {
    const ComeBack comeBack(this);
    if (!open_ || !addWindow_)
        return;
    addWindow_->exec();
    if (!g_.Gruppa_dobavlena)
        return;
    selectGroupRow(g_.Kolichestvo_grupp());
    translationBox_->setChecked(true);
    Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(g_.Kolichestvo_grupp() - 1);
    g_.Gruppa_dobavlena = false;
    Otobrazit_soderzhanie_status_stroki(g_.Kolichestvo_grupp() - 1);
    writeTotalPane();
    setPairsButton(activeTable_ == 1 && g_.Kolichestvo_slov_v_tekushchey_gruppe >= 2);
    if (activeTable_ == 1)
        showGroupMovePictures();
}

void TForma_gruppy_slov::Deystvie_izmenit_gruppuExecute() {
    const ComeBack comeBack(this);
    if (!open_)
        return;
    const QString refusal = groupCommandRefusal(g_);
    if (!refusal.isEmpty()) {
        showMessage(g_, refusal);
        return;
    }
    g_.Indeks_vybrannoy_gruppy = selectedGroupRow() - 1;
    TForma_izmenit_nazvanie_gruppi rename(g_, this);
    if (rename.exec() == QDialog::Accepted)
        selectGroupRow(g_.Indeks_vybrannoy_gruppy + 1);
}

void TForma_gruppy_slov::Deystvie_udalit_gruppuExecute() {
    const ComeBack comeBack(this);
    if (!open_)
        return;
    const QString refusal = groupCommandRefusal(g_);
    if (!refusal.isEmpty()) {
        showMessage(g_, refusal);
    } else {
        g_.Indeks_vybrannoy_gruppy = selectedGroupRow() - 1;
        TForma_udalit_gruppu_slov remove(g_, this);
        if (remove.exec() == QDialog::Accepted && g_.Gruppa_udalena) {
            const int32_t next = remove.nextGroup();
            if (next < 0) {
                finishEditing();
                Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(-1);
                {
                    const QSignalBlocker block(groupTable_);
                    groupTable_->setCurrentCell(0, 1);
                }
                {
                    const QSignalBlocker block(wordTable_);
                    wordTable_->setCurrentCell(0, 1);
                }
                wordLabel_->clear();
                shownGroup_ = 1;
                groupTable_->setFocus();
            } else {
                // The word table still shows the deleted group: nothing of it is committed.
                finishEditing();
                selectGroupRow(next + 1);
            }
            g_.Gruppa_udalena = false;
            g_.Udalena_poslednyaya_gruppa = false;
            if (activeTable_ == 1)
                showGroupMovePictures();
        }
    }
    Otobrazit_soderzhanie_status_stroki(selectedGroupRow() - 1);
    writeTotalPane();
    setPairsButton(g_.Kolichestvo_grupp() >= 2);
}

void TForma_gruppy_slov::Deystvie_perenesti_iz_slovaryaExecute() {
    const ComeBack comeBack(this);
    if (!open_)
        return;
    const QString refusal = transferRefusal(g_);
    if (!refusal.isEmpty()) {
        showMessage(g_, refusal);
        return;
    }
    if (!wordButtonsOn_)
        return;
    MainWindow* main = mainWindow(g_);
    const int32_t number = main ? main->selectedRecord() : 0;
    if (number <= 0) {
        showMessage(g_, QString::fromUtf8(kNoDictionaryRecords));
        return;
    }
    // The translation comes from the record: the main table shows none while its translations
    // are hidden.
    const DictRecord record = reportFailuresAs("Перенос_из_словаря", [&] {
        return DictRecord::decode(
            RecordFile(g_.puti.vocabulary, DictRecord::kSize).read(number - 1).constData());
    });
    finishEditing();
    GroupWordCells cells = wordCells();
    const int row = selectedWordRow() - 1;
    const TransferResult result = Perenos_iz_slovarya(
        cells, row, record, [this](const QString& question) { return askQuestion(g_, question); });
    if (result.outcome == TransferOutcome::Duplicate)
        showError(g_, result.errorText);
    if (result.outcome == TransferOutcome::Transferred) {
        setCell(row, 1, cells[row].Angliyskoe_gruppovoe_slovo);
        setCell(row, 2, cells[row].Russkiy_gruppovoy_perevod);
    }
    wordTable_->setFocus();
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
    Otobrazit_soderzhanie_status_stroki(selectedGroupRow() - 1);
}

void TForma_gruppy_slov::Deystvie_otmetit_zabytym_iz_gruppy_slovExecute() {
    const ComeBack comeBack(this);
    if (!open_)
        return;
    const QString word = wordLabel_->text();
    if (!askQuestion(g_, forgetGroupWordQuestion(word)))
        return;
    switch (Zabyt_slvo_iz_gruppy_slov(g_, word)) {
    case GroupForgetOutcome::Marked:
        if (MainWindow* main = mainWindow(g_))
            main->refreshTable();
        wordTable_->setFocus();
        showMessage(g_, QString::fromUtf8(kGroupWordForgotten));
        break;
    case GroupForgetOutcome::NotFound:
        showMessage(g_, QString::fromUtf8(kGroupWordNotInDictionary));
        break;
    case GroupForgetOutcome::RefusedExcluded:
        showError(g_, QString::fromUtf8(kExcludedNotForgotten));
        break;
    }
}

void TForma_gruppy_slov::Deysvie_sostavit_paryExecute() {
    const ComeBack comeBack(this);
    if (!open_ || !pairsAction_->isEnabled() || g_.Kolichestvo_grupp() == 0)
        return;
    // The group as last committed to memory.
    const tip_Zapis_gruppy_slov group = g_.Gruppy_slov[selectedGroupRow() - 1];
    TForma_sostsvit_pari_iz_slov_gruppi pairs(g_, group, this);
    pairs.exec();
}

void TForma_gruppy_slov::Deystvie_nayti_podstroku_v_gruppe_slovExecute() {
    if (!open_)
        return;
    const QString refusal = groupCommandRefusal(g_);
    if (!refusal.isEmpty()) {
        showMessage(g_, refusal);
        return;
    }
    search();
}

void TForma_gruppy_slov::search() {
    const ComeBack comeBack(this);
    if (g_.Kolichestvo_grupp() == 0) {
        showMessage(g_, QString::fromUtf8(kNoGroups));
        return;
    }
    const GroupSearchResult result =
        Poisk_podstroki_gruppy_slov(g_, searchField_->text(), g_.Nomer_naydennoy_stroki);
    if (result.row > 0) {
        const int32_t found = g_.Nomer_naydennoy_stroki;
        selectGroupRow(result.row);
        // Selecting is no change of the field: the next search goes on after this row.
        g_.Nomer_naydennoy_stroki = found;
        return;
    }
    showMessage(g_, result.message);
    if (result.clearField) {
        searchField_->setFocus();
        searchField_->clear();
    } else {
        const int32_t kept = g_.Nomer_naydennoy_stroki;
        groupTable_->setFocus();
        g_.Nomer_naydennoy_stroki = kept;
    }
}

} // namespace telvo
