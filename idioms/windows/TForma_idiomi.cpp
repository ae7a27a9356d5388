#include "idioms/windows/TForma_idiomi.h"

#include "app/core/SystemMessage.h"
#include "app/windows/Messages.h"
#include "app/windows/TextFit.h"
#include "idioms/logic/IdiomFile.h"
#include "idioms/logic/IdiomMarks.h"
#include "idioms/windows/IdiomDialogs.h"
#include "store/Range.h"
#include "store/RecordTableModel.h"
#include "store/TextRules.h"
#include "store/ViewState.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/Dialogs.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"
#include "ui/common/RecordCellDelegate.h"
#include "ui/common/RecordTableView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>
#include <map>
#include <stdexcept>

namespace telvo {

namespace {

using M = IdiomTableModel;

struct ActionDef {
    const char* name;
    const char* menuText;
    const char* toolText; // null: no toolbar button
    const char* icon;
    QKeySequence key;
};

const std::vector<ActionDef>& actionDefs() {
    using K = QKeySequence;
    static const std::vector<ActionDef> defs = {
        {"Действие_закрыть", "Закрыть", "Закрыть", "tb_exit.png", K(Qt::CTRL | Qt::Key_Q)},
        {"Действие_добавить", "Добавить", "Добавить", "tb_add.png", K(Qt::SHIFT | Qt::Key_Insert)},
        {"Действие_вставить", "Вставить", "Вставить", "tb_insert.png",
         K(Qt::CTRL | Qt::Key_Insert)},
        {"Действие_изменить", "Изменить", "Изменить", "tb_edit.png", K(Qt::CTRL | Qt::Key_Return)},
        {"Действие_удалить", "Удалить", "Удалить", "tb_delete.png", K(Qt::CTRL | Qt::Key_Delete)},
        {"Действие_пример", "Пример употребления", "Пример", "tb_example.png", K(Qt::Key_F4)},
        {"Действие_прыгнуть", "Прыгнуть на другую позицию курсора", "Прыгнуть", "tb_jump.png",
         K(Qt::CTRL | Qt::Key_J)},
        {"Действие_найти_перевод", "Найти перевод", nullptr, "tb_find.png", K()},
        {"Действие_с_английского", "Переводы с английского", "С английского", "tb_from_english.png",
         K()},
        {"Действие_с_русского", "Переводы с русского", "С русского", "tb_from_russian.png", K()},
        {"Действие_сопоставление_пар", "Сопоставление пар", "Сопоставление пар", "tb_pairs.png",
         K(Qt::CTRL | Qt::Key_S)},
        {"Действие_обнулить_истории", "Обнулить истории", "Обнулить истории",
         "tb_reset_histories.png", K(Qt::CTRL | Qt::Key_I)},
        {"Действие_обнулить_забытые", "Обнулить забытые", "Обнулить забытые",
         "tb_reset_forgotten.png", K()},
        {"Действие_обнулить_отмеченные", "Обнулить отмеченные", nullptr, "tb_reset_marks.png", K()},
        {"Действие_отметить_забытое", "Отметить идиому как забыть/вспомнить", nullptr,
         "tb_forgotten.png", K(Qt::Key_F5)},
        {"Действие_отметить_идиому", "Отметить идиому/снять отметку", nullptr, "tb_mark.png",
         K(Qt::Key_F9)},
        {"Действие_отметить_забытыми_по_дате", "Отметить забытыми по дате", nullptr,
         "tb_by_date.png", K(Qt::CTRL | Qt::Key_D)},
        {"Действие_отметить_забытыми_по_номерам", "Отметить забытыми по номерам", nullptr,
         "tb_by_numbers.png", K(Qt::CTRL | Qt::Key_N)},
        {"Действие_связать_забытые_с_отмеченными", "Связать забытые с отмеченными", nullptr,
         "tb_link.png", K(Qt::CTRL | Qt::Key_O)},
        {"Действие_применить_отменить_забытые", "Применить/отменить забытые", nullptr,
         "tb_filter.png", K(Qt::CTRL | Qt::Key_Z)},
        {"Действие_исключить_включить_идиому_из_показа", "Исключить/включить идиому из показа",
         nullptr, "tb_exclude.png", K(Qt::Key_F8)},
        {"Действие_перейти_к_номеру_идиомы", "Перейти к номеру идиомы", nullptr, "tb_goto.png",
         K(Qt::CTRL | Qt::Key_G)},
        {"Действие_блокнотик", "Блокнотик", nullptr, "tb_notepad.png", K(Qt::CTRL | Qt::Key_B)},
        {"Действие_диапазон_в_упражнениях", "Диапазон в упражнениях", nullptr, "tb_range.png",
         K(Qt::Key_F6)},
        {"Действие_показать_руководство_пользователя", "Руководство пользователя", nullptr,
         "tb_manual.png", K(Qt::Key_F1)},
    };
    return defs;
}

const char* const kNoIdioms = "В словаре идиом еще нет записей ...";

QLabel* makePane(QWidget* parent, const char* name, int width) {
    auto* pane = new QLabel(parent);
    if (name)
        pane->setObjectName(QString::fromUtf8(name));
    pane->setMinimumWidth(width);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setTextFormat(Qt::PlainText);
    return pane;
}

} // namespace

TForma_idiomi::TForma_idiomi(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_idiomi"));
    setWindowTitle(QStringLiteral("Идиомы и фразовые глаголы"));
    // Tool-window border: a title and a close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(tahomaFont(8));
    setModal(true);

    model_ = new IdiomTableModel(g_, this);
    buildActions();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("Главное_меню_формы_идиомы"));
    auto add = [this](QMenu* m, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (!name)
                m->addSeparator();
            else
                m->addAction(action(name));
        }
    };
    add(menu->addMenu(QStringLiteral("Файл")),
        {nullptr, "Действие_блокнотик", "Действие_диапазон_в_упражнениях", nullptr,
         "Действие_закрыть"});
    add(menu->addMenu(QStringLiteral("Дейсвтия")), {"Действие_добавить",
                                                    "Действие_вставить",
                                                    "Действие_изменить",
                                                    "Действие_удалить",
                                                    "Действие_пример",
                                                    nullptr,
                                                    "Действие_найти_перевод",
                                                    "Действие_прыгнуть",
                                                    "Действие_с_английского",
                                                    "Действие_с_русского",
                                                    "Действие_сопоставление_пар",
                                                    nullptr,
                                                    "Действие_обнулить_истории",
                                                    "Действие_обнулить_забытые",
                                                    "Действие_обнулить_отмеченные",
                                                    nullptr,
                                                    "Действие_отметить_забытое",
                                                    "Действие_отметить_идиому",
                                                    "Действие_отметить_забытыми_по_дате",
                                                    "Действие_отметить_забытыми_по_номерам",
                                                    "Действие_связать_забытые_с_отмеченными",
                                                    "Действие_применить_отменить_забытые",
                                                    "Действие_исключить_включить_идиому_из_показа",
                                                    nullptr,
                                                    "Действие_перейти_к_номеру_идиомы"});
    add(menu->addMenu(QStringLiteral("Помощь")), {"Действие_показать_руководство_пользователя"});
    column->setMenuBar(menu);

    toolBar_ = makeCommandToolBar(this, "Панель_управления_формы_идиомы");
    const std::pair<const char*, int> buttons[] = {
        {"Действие_закрыть", 60},
        {nullptr, 0},
        {"Действие_добавить", 60},
        {"Действие_вставить", 60},
        {"Действие_изменить", 60},
        {"Действие_удалить", 60},
        {"Действие_пример", 60},
        {nullptr, 0},
        {"Действие_прыгнуть", 60},
        {"Действие_с_английского", 81},
        {"Действие_с_русского", 63},
        {"Действие_сопоставление_пар", 107},
        {nullptr, 0},
        {"Действие_обнулить_истории", 102},
        {"Действие_обнулить_забытые", 106},
    };
    for (const auto& [name, width] : buttons) {
        if (!name) {
            toolBar_->addSeparator();
            continue;
        }
        toolBar_->addAction(action(name));
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action(name))))
            button->setFixedSize(width, 40);
    }
    column->addWidget(toolBar_);
    column->addWidget(buildUpperPanel());

    table_ = new RecordTableView(this);
    table_->setObjectName(QStringLiteral("Таблица_записей_идиом"));
    table_->setModel(model_);
    delegate_ = new RecordCellDelegate(g_, *model_, this);
    table_->setItemDelegate(delegate_);
    table_->setUpRecordGrid({M::kWidths[0], M::kWidths[1], M::kWidths[2], M::kWidths[3],
                             M::kWidths[4], M::kWidths[5], M::kWidths[6]});
    table_->onKeyDown = [this](QKeyEvent* e) { return tableKeyDown(e); };
    table_->onKeyUp = [this](QKeyEvent* e) { tableKeyUp(e); };
    table_->onMouseDown = [this](QMouseEvent*) {
        rowChanged_ = selectedRow() != lastShownRow_;
        table_->viewport()->update();
        Otobrazit_idiomu_v_verkhney_paneli(selectedRow());
        mouseCell_ = table_->currentIndex();
    };
    table_->onClick = [this](QMouseEvent*) {
        if (selectedRow() == lastShownRow_)
            rowChanged_ = false;
    };
    table_->onDoubleClick = [this](QMouseEvent*) { tableDoubleClick(); };
    table_->onWheel = [this](int steps) {
        table_->viewport()->update();
        const int row = selectedRow();
        if (steps > 0 && row <= g_.Kolichestvo_idiom - 1)
            Otobrazit_idiomu_v_verkhney_paneli(row + 1);
        else if (steps < 0 && row > 1)
            Otobrazit_idiomu_v_verkhney_paneli(row - 1);
    };
    column->addWidget(table_, 1);
    column->addWidget(buildLowerPanel());

    auto* status = new QWidget(this);
    status->setObjectName(QStringLiteral("Строка_состояния_формы_идиомы"));
    buildStatusBar(status);
    column->addWidget(status);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Таймер_формы_идиомы"));
    timer_->setInterval(250);
    connect(timer_, &QTimer::timeout, this, &TForma_idiomi::onTimer);
    enterPressesFocusedButton(this);
    resize(1052, 520);
}

TForma_idiomi::~TForma_idiomi() = default;

QAction* TForma_idiomi::action(const char* name) const {
    return findChild<QAction*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

void TForma_idiomi::bind(const char* name, std::function<void()> run) {
    QAction* a = action(name);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    installed_.insert(a);
}

void TForma_idiomi::buildActions() {
    for (const ActionDef& def : actionDefs()) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromUtf8(def.name));
        a->setText(QString::fromUtf8(def.menuText));
        a->setIconText(QString::fromUtf8(def.toolText ? def.toolText : def.menuText));
        a->setIcon(QIcon(QStringLiteral(":/images/") + QLatin1String(def.icon)));
        if (!def.key.isEmpty())
            a->setShortcut(def.key);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    bind("Действие_закрыть", [this] { close(); });
    bind("Действие_добавить", [this] { add(); });
    bind("Действие_вставить", [this] { insert(); });
    bind("Действие_изменить", [this] { edit(); });
    bind("Действие_удалить", [this] { remove(); });
    bind("Действие_прыгнуть", [this] { jump(); });
    bind("Действие_найти_перевод", [this] { findTranslation(); });
    bind("Действие_с_английского", [this] { notReady("Еще не сделано ..."); });
    bind("Действие_с_русского", [this] { notReady("Еще не сделано ..."); });
    bind("Действие_сопоставление_пар", [this] { notReady("Еще не сделано ..."); });
    bind("Действие_обнулить_истории", [this] { notReady("Еще не сделано ..."); });
    bind("Действие_обнулить_забытые", [this] { resetForgotten(); });
    bind("Действие_обнулить_отмеченные", [this] { resetMarks(); });
    bind("Действие_отметить_забытое", [this] { toggleForgotten(); });
    bind("Действие_отметить_идиому", [this] { toggleMark(); });
    bind("Действие_отметить_забытыми_по_дате", [this] { markByDate(); });
    bind("Действие_отметить_забытыми_по_номерам", [this] { markByNumbers(); });
    bind("Действие_связать_забытые_с_отмеченными", [this] { linkForgottenWithMarks(); });
    bind("Действие_применить_отменить_забытые", [this] {
        onForgottenClicked();
        forgottenBox_->setChecked(g_.Rezhim_zabytye_idiomy);
    });
    bind("Действие_исключить_включить_идиому_из_показа", [this] { toggleExclusion(); });
    bind("Действие_перейти_к_номеру_идиомы", [this] { goToNumber(); });
    bind("Действие_диапазон_в_упражнениях", [this] { range(); });
    // The usage examples, the notepad and the manual come from another subsystem.
    for (const char* name :
         {"Действие_пример", "Действие_блокнотик", "Действие_показать_руководство_пользователя"})
        action(name)->setEnabled(false);
}

void TForma_idiomi::installCommand(IdiomsCommand command, std::function<void()> run) {
    static const std::map<IdiomsCommand, const char*> names = {
        {IdiomsCommand::UsageExample, "Действие_пример"},
        {IdiomsCommand::Notepad, "Действие_блокнотик"},
        {IdiomsCommand::Manual, "Действие_показать_руководство_пользователя"},
    };
    const auto name = names.find(command);
    if (name == names.end())
        throw std::logic_error("the idioms window has no such command");
    QAction* a = action(name->second);
    if (installed_.count(a))
        throw std::logic_error(std::string("a command is installed twice: ") + name->second);
    if (command == IdiomsCommand::UsageExample) {
        // The precondition is the window's; what it opens is the installer's.
        bind(name->second, [this, run = std::move(run)] {
            if (g_.Kolichestvo_idiom == 0)
                return showMessage(g_, QString::fromUtf8(kNoIdioms));
            run();
        });
    } else {
        bind(name->second, std::move(run));
    }
    a->setEnabled(true);
    if (command == IdiomsCommand::Manual)
        connect(helpPicture_, &ClickableLabel::clicked, a, &QAction::trigger);
}

QWidget* TForma_idiomi::buildUpperPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Верхняя_панель"));
    panel->setFixedHeight(50);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 4, 0);
    counter_ = new QPushButton(panel);
    counter_->setObjectName(QStringLiteral("Кнопка_количество_повторений_в_таблице_идиом"));
    counter_->setFixedSize(44, 50);
    QFont bold = counter_->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    counter_->setFont(bold);
    counter_->installEventFilter(this);
    connect(counter_, &QPushButton::clicked, this, [this] { Uvelichit_znachenie_povtoreniy(); });
    row->addWidget(counter_);
    row->addSpacing(11);
    label_ = new QLabel(panel);
    label_->setObjectName(QStringLiteral("Надпись_идиома_или_фразовый_глагол"));
    QFont big = tahomaFont(8, true);
    big.setPixelSize(24);
    label_->setFont(big);
    label_->setTextFormat(Qt::PlainText);
    row->addWidget(label_, 1);
    auto* boxes = new QVBoxLayout;
    translationBox_ = new QCheckBox(QStringLiteral("Перевод"), panel);
    translationBox_->setObjectName(QStringLiteral("Переключатель_перевод_идиом"));
    forgottenBox_ = new QCheckBox(QStringLiteral("Забытые"), panel);
    forgottenBox_->setObjectName(QStringLiteral("Переключатель_забытые"));
    for (QCheckBox* b : {translationBox_, forgottenBox_}) {
        b->setFixedWidth(90);
        b->setFocusPolicy(Qt::NoFocus);
        boxes->addWidget(b);
    }
    connect(translationBox_, &QCheckBox::clicked, this, [this] { onTranslationClicked(); });
    connect(forgottenBox_, &QCheckBox::clicked, this, [this] { onForgottenClicked(); });
    row->addLayout(boxes);
    return panel;
}

QWidget* TForma_idiomi::buildLowerPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Нижняя_панель"));
    panel->setFixedHeight(54);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 2, 6, 2);
    upPicture_ = new ClickableLabel(panel);
    upPicture_->setObjectName(QStringLiteral("Левая_картинка_формы_идиомы"));
    upPicture_->setFixedSize(32, 32);
    upPicture_->setScaledContents(true);
    upPicture_->setCursor(Qt::PointingHandCursor);
    connect(upPicture_, &ClickableLabel::clicked, this, [this] { jumpTop(); });
    row->addWidget(upPicture_);
    auto group = [&](const char* title, const char* fieldName, QLineEdit*& field,
                     const char* buttonName, QPushButton*& button) {
        auto* box = new QGroupBox(QString::fromUtf8(title), panel);
        auto* line = new QHBoxLayout(box);
        line->setContentsMargins(4, 0, 4, 2);
        field = new QLineEdit(box);
        field->setObjectName(QString::fromUtf8(fieldName));
        field->installEventFilter(this);
        button = makeButton(box, buttonName, QStringLiteral("Искать далее"));
        line->addWidget(field, 1);
        line->addWidget(button);
        row->addWidget(box, 1);
        connect(field, &QLineEdit::textChanged, this, [this] { g_.Pozitsiya_poiska_idiom = 0; });
    };
    group("Найти подстроку идиомы:", "Поле_ввода_для_поиска_английского_текста", textSearch_,
          "Кнопка_искать_далее_английскую_подстроку", textSearchButton_);
    flag_ = new FlagIndicator(250, panel);
    flag_->setObjectName(QStringLiteral("Центральный_рисунок_формы_идиомы"));
    flag_->setFixedSize(32, 32);
    row->addWidget(flag_);
    group("Найти подстроку перевода:", "Поле_ввода_для_поиска_подстроки_перевода",
          translationSearch_, "Кнопка_искать_далее", translationSearchButton_);
    translationSearchButton_->installEventFilter(this);
    connect(textSearchButton_, &QPushButton::clicked, this, [this] { searchText(); });
    connect(translationSearchButton_, &QPushButton::clicked, this, [this] { searchTranslation(); });
    helpPicture_ = new ClickableLabel(panel);
    helpPicture_->setObjectName(QStringLiteral("Рисунок_формы_идиомы"));
    helpPicture_->setFixedSize(48, 48);
    helpPicture_->setScaledContents(true);
    helpPicture_->setCursor(Qt::PointingHandCursor);
    helpPicture_->setPixmap(QPixmap(QStringLiteral(":/images/help.png")));
    row->addWidget(helpPicture_);
    return panel;
}

void TForma_idiomi::buildStatusBar(QWidget* bar) {
    bar->setFixedHeight(19);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const std::pair<const char*, int> panes[] = {
        {"Панель_вывода_количества_записей_идиом", 127},
        {"Панель_вывода_остаток_с_английского", 129},
        {"Панель_вывода_остаток_с_русского", 110},
        {"Панель_вывода_несопоставленных_пар", 169},
        {"Панель_вывода_количества_забытых_идиом", 135},
        {"Панель_дата_изменения_словаря_идиом", 242},
        {nullptr, 50},
    };
    for (size_t i = 0; i < panes_.size(); ++i) {
        panes_[i] = makePane(bar, panes[i].first, panes[i].second);
        row->addWidget(panes_[i], i + 1 == panes_.size() ? 1 : 0);
    }
}

// ---- Showing and closing ------------------------------------------------------------------------

void TForma_idiomi::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForma_idiomi::FormShow() {
    g_.Okno_idiom_otkryto = true;
    resize(1052, 520);
    centreOnOwner(this);
    Nalichie_bazy_idiom(g_);
    model_->setTranslationShown(true);
    g_.Rezhim_zabytye_idiomy = false;
    rowChanged_ = false;
    Otobrazhenie_kolichestva_zapisey_idiom(g_);
    Chtenie_diapazona_s_idiomami(g_);

    // A view-state file that cannot serve (missing, shorter than its record) means defaults.
    if (const std::optional<ViewStateRecord> state = readViewState(g_.puti.startIdiom)) {
        model_->setTranslationShown(state->translationColumn);
        g_.Rezhim_zabytye_idiomy = state->forgottenOnly;
        rememberedTopRow_ = state->topRow;
        rememberedRow_ = state->selectedRow;
        g_.Kolichestvo_povtoreniy_idiom = std::max<int32_t>(0, state->Kolichestvo_povtoreniy);
    } else {
        rememberedRow_ = rememberedTopRow_ = 1;
        g_.Kolichestvo_povtoreniy_idiom = 0;
    }
    counter_->setText(g_.Kolichestvo_povtoreniy_idiom == 0
                          ? QString()
                          : QString::number(g_.Kolichestvo_povtoreniy_idiom));
    translationBox_->setChecked(model_->translationShown());
    forgottenBox_->setChecked(g_.Rezhim_zabytye_idiomy);
    upPicture_->setPixmap(QPixmap(QStringLiteral(":/images/Вверх.png")));

    Vyvod_soderzhaniya_vsey_tablitsy_idiom();
    if (g_.Kolichestvo_idiom > 0) {
        Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy();
        // Rows remembered from a larger idiom file (before a restore) fall back to the nearest
        // row that exists.
        const int rows = model_->rowCount();
        const int row = std::clamp(rememberedRow_, 1, rows);
        table_->setCurrentIndex(model_->index(row - 1, M::Idioma));
        table_->setTopRow(std::clamp(rememberedTopRow_, 1, rows));
        table_->scrollTo(model_->index(row - 1, M::Idioma));
        // The row-change flag is off: the remembered counter survives the first showing.
        Otobrazit_idiomu_v_verkhney_paneli(row);
        textSearch_->setMaxLength(IdiomRecord::kTextMax);
        translationSearch_->setMaxLength(IdiomRecord::kTranslationMax);
        rowChanged_ = true;
    } else {
        label_->clear();
        panes_[0]->setText(QStringLiteral("  Записей = 0 (0)"));
        table_->setCurrentIndex(model_->index(0, M::Idioma));
    }
    Otobrazit_zagolovok_formy_idiomy();
    focusTable();
}

void TForma_idiomi::saveViewState() {
    ViewStateRecord state;
    state.translationColumn = translationBox_->isChecked();
    state.forgottenOnly = g_.Rezhim_zabytye_idiomy;
    state.topRow = table_->topRow();
    state.selectedRow = selectedRow();
    state.Kolichestvo_povtoreniy = g_.Kolichestvo_povtoreniy_idiom;
    writeViewState(g_.puti.startIdiom, state);
}

void TForma_idiomi::done(int result) {
    timer_->stop();
    if (g_.Kolichestvo_idiom > 0)
        saveViewState();
    g_.Okno_idiom_otkryto = false;
    QDialog::done(result);
}

void TForma_idiomi::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        flag_->activate();
        onTimer();
        timer_->start();
    }
}

void TForma_idiomi::onTimer() {
    flag_->tick();
    const bool editable = !g_.Rezhim_zabytye_idiomy;
    for (const char* name :
         {"Действие_добавить", "Действие_вставить", "Действие_изменить", "Действие_удалить"})
        action(name)->setEnabled(editable);
}

// ---- Table, status panes, caption, label
// ----------------------------------------------------------

void TForma_idiomi::Vyvod_soderzhaniya_vsey_tablitsy_idiom() {
    const int row = selectedRow();
    const int top = table_->topRow();
    model_->reload();
    const int rows = model_->rowCount();
    table_->setCurrentIndex(model_->index(std::clamp(row, 1, rows) - 1, M::Idioma));
    table_->setTopRow(std::clamp(top, 1, rows));
    table_->viewport()->update();
    if (g_.Kolichestvo_idiom == 0) {
        label_->clear();
        g_.Kolichestvo_zabytykh_idiom = 0;
    }
}

void TForma_idiomi::Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy() {
    panes_[0]->setText(Otobrazhenie_kolichestva_zapisey_idiom(g_));
    panes_[4]->setText(
        g_.Kolichestvo_zabytykh_idiom > 0
            ? QStringLiteral("  Забытых идиом = %1").arg(g_.Kolichestvo_zabytykh_idiom)
            : QString());
    panes_[5]->setText(Data_izmeneniya_slovarya_idiom(g_));
}

void TForma_idiomi::Otobrazit_zagolovok_formy_idiomy() {
    if (g_.Kolichestvo_idiom == 0)
        setWindowTitle(QStringLiteral("Идиомы и фразовые глаголы."));
    else
        setWindowTitle(QStringLiteral("Идиомы и фразовые глаголы. (Диапазон для упражнений: %1 - "
                                      "%2)")
                           .arg(g_.Nachalo_diapazona_idiom)
                           .arg(g_.Konets_diapazona_idiom));
}

void TForma_idiomi::Otobrazit_idiomu_v_verkhney_paneli(int row) {
    const QString text = model_->cellText(row - 1, M::Idioma);
    label_->setText(text);
    // A long idiom gets a smaller size rather than losing its end.
    QFont big = tahomaFont(8, true);
    big.setPixelSize(24);
    shrinkFontToFit(label_, big);
    lastShownRow_ = row;
    QGuiApplication::clipboard()->setText(text);
    if (rowChanged_)
        clearRepetitions();
    rowChanged_ = true;
}

void TForma_idiomi::Uvelichit_znachenie_povtoreniy() {
    if (g_.Kolichestvo_idiom <= 0)
        return;
    if (g_.Rezhim_zabytye_idiomy && g_.Kolichestvo_zabytykh_idiom == 0) {
        counter_->setText(QString());
        return;
    }
    if (g_.Kolichestvo_povtoreniy_idiom < std::numeric_limits<int32_t>::max())
        ++g_.Kolichestvo_povtoreniy_idiom;
    counter_->setText(QString::number(g_.Kolichestvo_povtoreniy_idiom));
}

void TForma_idiomi::clearRepetitions() {
    g_.Kolichestvo_povtoreniy_idiom = 0;
    counter_->setText(QString());
}

QString TForma_idiomi::selectedIdiomText() const {
    return model_->cellText(selectedRow() - 1, M::Idioma);
}

int TForma_idiomi::selectedRow() const {
    return table_->selectedRow();
}

int32_t TForma_idiomi::selectedNumber() const {
    return model_->idiomNumber(selectedRow() - 1);
}

bool TForma_idiomi::selectedCell(int column) const {
    return !model_->cellText(selectedRow() - 1, column).isEmpty();
}

void TForma_idiomi::selectRow(int row, int topRow) {
    Otobrazit_idiomu_v_verkhney_paneli(table_->selectRow(row, M::Idioma, topRow));
}

void TForma_idiomi::focusTable() {
    table_->setFocus(Qt::OtherFocusReason);
}

void TForma_idiomi::selectColumn2() {
    table_->setCurrentIndex(model_->index(selectedRow() - 1, M::Idioma));
}

void TForma_idiomi::refresh() {
    Vyvod_soderzhaniya_vsey_tablitsy_idiom();
    Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy();
}

void TForma_idiomi::keepVisible(const std::function<void()>& change) {
    const RecordTableView::SelectionEdge edge = table_->selectionEdge();
    change();
    table_->keepNeighbourInSight(edge);
}

RecordTableAccess TForma_idiomi::access() {
    return {[this](int row) { selectRow(row); },
            [this] { refresh(); },
            [this](int row) { selectRow(row, row); },
            [this](const QString& text) {
                const SearchResult found = Poisk_angliyskoy_idiomy(g_, text);
                if (found.status == SearchStatus::Found)
                    selectRow(found.row);
                else
                    showMessage(g_, found.message);
            },
            [this](const QString& text) { showMessage(g_, text); },
            [this](const QString& text) { showError(g_, text); },
            [this](const QString& text) { return askQuestion(g_, text); }};
}

// ---- Check boxes ------------------------------------------------------------------------------

void TForma_idiomi::onTranslationClicked() {
    if (translationBox_->isChecked()) {
        const int row = selectedRow();
        const int top = table_->topRow();
        model_->setTranslationShown(true);
        Vyvod_soderzhaniya_vsey_tablitsy_idiom();
        table_->setTopRow(top);
        table_->setCurrentIndex(model_->index(row - 1, M::Idioma));
    } else {
        model_->setTranslationShown(false);
    }
    focusTable();
}

void TForma_idiomi::onForgottenClicked() {
    g_.Rezhim_zabytye_idiomy = !g_.Rezhim_zabytye_idiomy;
    Vyvod_soderzhaniya_vsey_tablitsy_idiom();
    const int row = g_.Rezhim_zabytye_idiomy
                        ? 1
                        : std::max(1, g_.Kolichestvo_idiom - g_.Konets_diapazona_idiom + 1);
    selectRow(row, row);
    Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy();
    focusTable();
}

} // namespace telvo
