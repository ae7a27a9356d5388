#include "ui/main/TMainForm.h"

#include "store/RecordTableModel.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/Dialogs.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/RecordTableDelegate.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <string>

namespace telvo {

namespace {

constexpr int kWidth = 1223;
constexpr int kHeight = 549;

// One command of the window's action list.
struct ActionDef {
    const char* name;     // objectName
    const char* menuText; // text in the main menu (or the only text)
    const char* toolText; // caption on the toolbar; null when it has no button
    const char* hint;     // toolbar hint
    const char* themeIcon;
    const char* ownIcon; // fallback picture in the resources
    QList<QKeySequence> keys;
    bool ready; // the command works; the others stay disabled until they are built
};

const QList<ActionDef>& actionDefs() {
    using K = QKeySequence;
    static const QList<ActionDef> defs = {
        {"Действие_выход",
         "Выход",
         "Выход",
         "Выход из программы",
         "application-exit",
         "tb_exit.png",
         {K(Qt::CTRL | Qt::Key_Q)},
         true},
        {"Действие_добавить_слово",
         "Добавить",
         "Добавить",
         "Добавить в словарь очередную запись",
         "list-add",
         "tb_add.png",
         {K(Qt::SHIFT | Qt::Key_Insert)},
         true},
        {"Действие_вставить_слово",
         "Вставить",
         "Вставить",
         "Вставить в словарь очередную запись",
         "insert-text",
         "tb_insert.png",
         {K(Qt::CTRL | Qt::Key_Insert)},
         true},
        {"Действие_изменить_запись",
         "Изменить",
         "Изменить",
         "Изменить запись словаря",
         "document-edit",
         "tb_edit.png",
         {K(Qt::CTRL | Qt::Key_Return),
          K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter))},
         true},
        {"Действие_удалить_запись",
         "Удалить",
         "Удалить",
         "Удалить запись из словаря",
         "edit-delete",
         "tb_delete.png",
         {K(Qt::CTRL | Qt::Key_Delete)},
         true},
        {"Действие_пример_употребления",
         "Пример употребления слова",
         "Пример",
         "Пример(ры) употребления слова в предложении",
         "format-justify-left",
         "tb_example.png",
         {K(Qt::Key_F4)},
         false},
        {"Действие_найти_перевод",
         "Найти перевод",
         nullptr,
         nullptr,
         "edit-find",
         "tb_find.png",
         {K(Qt::SHIFT | Qt::Key_Return)},
         false},
        {"Дейсвтие_перепрыгнуть",
         "Прыгнуть на другую позицию курсора",
         "Прыгнуть",
         "Изменить положение курсора случайным образом",
         "media-skip-forward",
         "tb_jump.png",
         {K(Qt::CTRL | Qt::Key_J)},
         false},
        {"Действие_случайные_слова",
         "Английские слова",
         "Английские слова",
         "Упражнение на узнавание английских слов",
         nullptr,
         "tb_english.png",
         {K(Qt::CTRL | Qt::Key_E)},
         false},
        {"Действие_русские_слова",
         "Русские слова",
         "Русские слова",
         "Упражнение на узнавание переводов с русского",
         nullptr,
         "tb_russian.png",
         {K(Qt::CTRL | Qt::Key_R)},
         false},
        {"Действие_переводы_с_английского",
         "Переводы с английского",
         "С английского",
         "Поиск правильного перевода с английского",
         nullptr,
         "tb_from_english.png",
         {K(Qt::CTRL | Qt::ALT | Qt::Key_E)},
         false},
        {"Действие_случайный_перевод",
         "Переводы с русского",
         "С русского",
         "Поиск правильного перевода с русского",
         nullptr,
         "tb_from_russian.png",
         {K(Qt::CTRL | Qt::ALT | Qt::Key_R)},
         false},
        {"Действие_сопоставление_пар_слов",
         "Сопоставление пар слов",
         "Сопоставление пар",
         "Упражнение по сопоставлению слов и их правильных переводов",
         nullptr,
         "tb_pairs.png",
         {K(Qt::CTRL | Qt::Key_S)},
         false},
        {"Действие_обнулить_историю",
         "Обнулить истории",
         "Обнулить истории",
         "Удаление историй по выполненным упражниниям",
         "edit-clear-history",
         "tb_reset_histories.png",
         {K(Qt::CTRL | Qt::Key_I)},
         false},
        {"Действие_обнулить_забытые",
         "Обнулить забытые",
         "Обнулить забытые",
         "Удалить отметки о забытых словах",
         nullptr,
         "tb_reset_forgotten.png",
         {K(Qt::CTRL | Qt::ALT | Qt::Key_Z)},
         false},
        {"Действие_обнулить_отмеченные",
         "Обнулить отмеченные",
         nullptr,
         nullptr,
         nullptr,
         "tb_reset_marks.png",
         {K(Qt::CTRL | Qt::ALT | Qt::Key_O)},
         false},
        {"Действие_отметить_забытое_слово",
         "Отметить слово как забыть/вспомнить",
         nullptr,
         nullptr,
         nullptr,
         "tb_forgotten.png",
         {K(Qt::Key_F5)},
         false},
        {"Действие_просто_отметить_слово",
         "Просто отметить слово/снять отметку",
         nullptr,
         nullptr,
         nullptr,
         "tb_mark.png",
         {K(Qt::Key_F9)},
         false},
        {"Действие_отметить_забытыми_по_дате",
         "Отметить забытыми слова по дате",
         nullptr,
         nullptr,
         "x-office-calendar",
         "tb_by_date.png",
         {K(Qt::CTRL | Qt::Key_D)},
         false},
        {"Действие_отметить_забытыми_по_номерам",
         "Отметить забытыми по номерам",
         nullptr,
         nullptr,
         nullptr,
         "tb_by_numbers.png",
         {K(Qt::CTRL | Qt::Key_N)},
         false},
        {"Действие_связать_забытые_с_отмеченными",
         "Связать забытые с отмеченными",
         nullptr,
         nullptr,
         nullptr,
         "tb_link.png",
         {K(Qt::CTRL | Qt::Key_O)},
         false},
        {"Действие_применить_отменить_фильтр",
         "Применить/Отменить забытые",
         nullptr,
         nullptr,
         nullptr,
         "tb_filter.png",
         {K(Qt::CTRL | Qt::Key_Z)},
         true},
        {"Действие_исключить_слово_из_показа",
         "Исключить/Включить слово из показа",
         nullptr,
         nullptr,
         nullptr,
         "tb_exclude.png",
         {K(Qt::Key_F8)},
         false},
        {"Действие_показать_транскрипцию",
         "Произносить слово много раз",
         nullptr,
         nullptr,
         nullptr,
         "tb_transcription.png",
         {K(Qt::CTRL | Qt::Key_W)},
         false},
        {"Действие_перейти_к_номеру",
         "Перейти к номеру слова",
         nullptr,
         nullptr,
         "go-jump",
         "tb_goto.png",
         {K(Qt::CTRL | Qt::Key_G)},
         false},
        {"Действие_найти_слово", "", nullptr, nullptr, nullptr, nullptr, {}, false},
        {"Действие_найти_подстроку_перевода", "", nullptr, nullptr, nullptr, nullptr, {}, false},
        {"Прыгнуть_на_самый_верх", "", nullptr, nullptr, nullptr, nullptr, {}, true},
        {"Прыгнуть_на_самый_низ", "", nullptr, nullptr, nullptr, nullptr, {}, true},
        {"Действие_изменить_диапазон",
         "Диапазон в упражнениях",
         nullptr,
         nullptr,
         nullptr,
         "tb_range.png",
         {K(Qt::Key_F6)},
         false},
        {"Действие_группы_слов",
         "Группы слов",
         nullptr,
         nullptr,
         nullptr,
         "tb_groups.png",
         {K(Qt::Key_F7)},
         false},
        {"Действие_идиомы",
         "Идиомы и фразовые глаголы",
         nullptr,
         nullptr,
         nullptr,
         "tb_idioms.png",
         {K(Qt::Key_F10)},
         false},
        {"Действие_проигрыватель",
         "Проигрыватель",
         "Проигрыватель",
         "Проигрыватель звуковых файлов формата .wav",
         "media-playback-start",
         "tb_player.png",
         {K(Qt::CTRL | Qt::Key_P)},
         false},
        {"Действие_выбор_папки_со_звуками",
         "Выбор папки со звуками",
         nullptr,
         nullptr,
         "folder-sound",
         "tb_sound_folder.png",
         {K(Qt::SHIFT | Qt::Key_F1)},
         false},
        {"Действие_знаки_транскрипции",
         "Знаки транскрипции",
         nullptr,
         nullptr,
         nullptr,
         "tb_signs.png",
         {K(Qt::SHIFT | Qt::Key_F9)},
         false},
        {"Действие_вызвать_блокнотик",
         "Блокнотик",
         nullptr,
         nullptr,
         "accessories-text-editor",
         "tb_notepad.png",
         {K(Qt::CTRL | Qt::Key_B)},
         false},
        {"Действие_архивирование_словаря",
         "Архивирование словаря",
         nullptr,
         nullptr,
         "document-save",
         "tb_archive.png",
         {K(Qt::Key_F2)},
         false},
        {"Действие_восстановление_словаря",
         "Восстановление словаря",
         nullptr,
         nullptr,
         "document-open",
         "tb_restore.png",
         {K(Qt::Key_F3)},
         false},
        // Words from and to the files of other vocabulary programs.
        {"Действие_импорт_слов",
         "Импорт слов...",
         nullptr,
         nullptr,
         "document-import",
         nullptr,
         {},
         false},
        {"Действие_экспорт_слов",
         "Экспорт слов...",
         nullptr,
         nullptr,
         "document-export",
         nullptr,
         {},
         false},
        {"Действие_руководство_пользователя",
         "Руководство_пользователя",
         nullptr,
         nullptr,
         "help-contents",
         "tb_manual.png",
         {K(Qt::Key_F1)},
         false},
        {"Действие_скачать_словарь",
         "Скачать дополнительный словарь",
         nullptr,
         nullptr,
         "download",
         "tb_download.png",
         {K(Qt::CTRL | Qt::ALT | Qt::Key_S)},
         false},
        {"Действие_о_программе",
         "О программе",
         nullptr,
         nullptr,
         "help-about",
         "tb_about.png",
         {K(Qt::CTRL | Qt::Key_A)},
         false},
    };
    return defs;
}

QIcon commandIcon(const ActionDef& def) {
    if (!def.ownIcon)
        return {};
    const QIcon own(QStringLiteral(":/images/") + QLatin1String(def.ownIcon));
    return def.themeIcon ? QIcon::fromTheme(QLatin1String(def.themeIcon), own) : own;
}

QLabel* makePane(QWidget* parent, const char* name, int width, const char* hint) {
    auto* pane = new QLabel(parent);
    pane->setObjectName(QString::fromUtf8(name));
    // The given width is a minimum: a text wider than it (big counts in a wider font than the
    // one the widths were made for) widens its pane. The condensed face keeps the whole row
    // within the window even at six-digit counts.
    QFont font = pane->font();
    font.setStretch(QFont::Condensed);
    pane->setFont(font);
    pane->setMinimumWidth(width);
    pane->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setTextFormat(Qt::PlainText);
    pane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (hint)
        pane->setToolTip(QString::fromUtf8(hint));
    return pane;
}

} // namespace

TMainForm::TMainForm(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QMainWindow(parent), g_(g) {
    setObjectName(QStringLiteral("TMainForm"));
    // Fixed single border: title, system menu, minimise and close; no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(tahomaFont(8));

    model_ = new RecordTableModel(g_, this);

    buildActions();
    buildMenu();
    buildToolBar();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildUpperPanel());
    column->addWidget(buildTable(), 1);
    column->addWidget(buildLowerPanel());
    setCentralWidget(central);

    buildStatusBar();
    installSearchAndMarkCommands();

    layoutTimer_ = new QTimer(this);
    layoutTimer_->setObjectName(QStringLiteral("Таймер_главной_формы"));
    layoutTimer_->setInterval(125);
    connect(layoutTimer_, &QTimer::timeout, this, &TMainForm::onLayoutTimer);

    stopwatchTimer_ = new QTimer(this);
    stopwatchTimer_->setObjectName(QStringLiteral("Таймер_секундомерный_гловной_формы"));
    stopwatchTimer_->setInterval(1000);
    connect(stopwatchTimer_, &QTimer::timeout, this, &TMainForm::stopwatchTick);
    stopwatchTimer_->start();

    enterPressesFocusedButton(this);
    setFixedSize(kWidth, kHeight);
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::action(const char* name) const {
    return findChild<QAction*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

void TMainForm::buildActions() {
    for (const ActionDef& def : actionDefs()) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromUtf8(def.name));
        a->setText(QString::fromUtf8(def.menuText));
        if (def.toolText)
            a->setIconText(QString::fromUtf8(def.toolText));
        a->setToolTip(def.hint ? QString::fromUtf8(def.hint) : a->text());
        a->setIcon(commandIcon(def));
        a->setShortcuts(def.keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(def.ready);
        addAction(a); // keys work without the menu being open
    }
    bind(action("Действие_выход"), [this] { close(); });
    bind(action("Действие_добавить_слово"), [this] { Deystvie_dobavit_slovoExecute(); });
    bind(action("Действие_вставить_слово"), [this] { Deystvie_vstavit_slovoExecute(); });
    bind(action("Действие_изменить_запись"), [this] { Deystvie_izmenit_zapisExecute(); });
    bind(action("Действие_удалить_запись"), [this] { Deystvie_udalit_zapisExecute(); });
    bind(action("Действие_применить_отменить_фильтр"),
         [this] { Deystvie_primenit_otmenit_filtrExecute(); });
    bind(action("Прыгнуть_на_самый_верх"), [this] { Pryignut_na_samyy_verkh(); });
    bind(action("Прыгнуть_на_самый_низ"), [this] { Pryignut_na_samyy_niz(); });
}

void TMainForm::bind(QAction* a, std::function<void()> run) {
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    boundActions_.insert(a);
}

void TMainForm::installCommand(MainCommand command, std::function<void()> run) {
    static const std::map<MainCommand, const char*> names = {
        {MainCommand::ChangeRange, "Действие_изменить_диапазон"},
        {MainCommand::ResetHistories, "Действие_обнулить_историю"},
        {MainCommand::EnglishWords, "Действие_случайные_слова"},
        {MainCommand::RussianWords, "Действие_русские_слова"},
        {MainCommand::TranslationsFromEnglish, "Действие_переводы_с_английского"},
        {MainCommand::TranslationFromRussian, "Действие_случайный_перевод"},
        {MainCommand::PairMatching, "Действие_сопоставление_пар_слов"},
        {MainCommand::FindTranslation, "Действие_найти_перевод"},
        {MainCommand::UsageExample, "Действие_пример_употребления"},
        {MainCommand::ShowTranscription, "Действие_показать_транскрипцию"},
        {MainCommand::Groups, "Действие_группы_слов"},
        {MainCommand::Idioms, "Действие_идиомы"},
        {MainCommand::Player, "Действие_проигрыватель"},
        {MainCommand::SoundFolder, "Действие_выбор_папки_со_звуками"},
        {MainCommand::TranscriptionSigns, "Действие_знаки_транскрипции"},
        {MainCommand::Notepad, "Действие_вызвать_блокнотик"},
        {MainCommand::Archive, "Действие_архивирование_словаря"},
        {MainCommand::Restore, "Действие_восстановление_словаря"},
        {MainCommand::ImportWords, "Действие_импорт_слов"},
        {MainCommand::ExportWords, "Действие_экспорт_слов"},
        {MainCommand::Manual, "Действие_руководство_пользователя"},
        {MainCommand::DownloadDictionary, "Действие_скачать_словарь"},
        {MainCommand::About, "Действие_о_программе"},
    };
    const auto name = names.find(command);
    QAction* a = name != names.end() ? action(name->second) : nullptr;
    if (!a)
        throw std::logic_error("the main window has no action for command " +
                               std::to_string(static_cast<int>(command)));
    if (boundActions_.count(a))
        throw std::logic_error(std::string("a command is installed twice: ") + name->second);
    bind(a, std::move(run));
    a->setEnabled(true);
}

QStringList TMainForm::enabledActionsWithoutCommand() const {
    QStringList idle;
    for (const QAction* a : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        if (a->isEnabled() && !boundActions_.count(a))
            idle << a->objectName();
    return idle;
}

void TMainForm::buildMenu() {
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name == nullptr)
                menu->addSeparator();
            else
                menu->addAction(action(name));
        }
    };
    QMenuBar* bar = menuBar();
    add(bar->addMenu(QStringLiteral("Файл")),
        {"Действие_архивирование_словаря", "Действие_восстановление_словаря",
         "Действие_импорт_слов", "Действие_экспорт_слов", nullptr, "Действие_идиомы",
         "Действие_группы_слов", nullptr, "Действие_вызвать_блокнотик", nullptr,
         "Действие_проигрыватель", nullptr, "Действие_изменить_диапазон", nullptr,
         "Действие_выход"});
    add(bar->addMenu(QStringLiteral("Действия")), {"Действие_добавить_слово",
                                                   "Действие_изменить_запись",
                                                   "Действие_вставить_слово",
                                                   "Действие_удалить_запись",
                                                   "Действие_пример_употребления",
                                                   nullptr,
                                                   "Действие_найти_перевод",
                                                   "Дейсвтие_перепрыгнуть",
                                                   "Действие_случайные_слова",
                                                   "Действие_русские_слова",
                                                   "Действие_переводы_с_английского",
                                                   "Действие_случайный_перевод",
                                                   "Действие_сопоставление_пар_слов",
                                                   nullptr,
                                                   "Действие_обнулить_историю",
                                                   "Действие_обнулить_забытые",
                                                   "Действие_обнулить_отмеченные",
                                                   nullptr,
                                                   "Действие_отметить_забытое_слово",
                                                   "Действие_просто_отметить_слово",
                                                   "Действие_отметить_забытыми_по_дате",
                                                   "Действие_отметить_забытыми_по_номерам",
                                                   "Действие_связать_забытые_с_отмеченными",
                                                   nullptr,
                                                   "Действие_применить_отменить_фильтр",
                                                   "Действие_исключить_слово_из_показа",
                                                   "Действие_показать_транскрипцию",
                                                   nullptr,
                                                   "Действие_перейти_к_номеру"});
    add(bar->addMenu(QStringLiteral("Звуки")),
        {"Действие_выбор_папки_со_звуками", nullptr, "Действие_знаки_транскрипции"});
    add(bar->addMenu(QStringLiteral("Помощь")),
        {"Действие_руководство_пользователя", "Действие_скачать_словарь", nullptr,
         "Действие_о_программе"});
}

void TMainForm::buildToolBar() {
    toolBar_ = makeCommandToolBar(this, "Панель_управления_главной_формы");
    addToolBar(Qt::TopToolBarArea, toolBar_);

    struct Button {
        const char* name; // null: a gap
        int width;
    };
    static const Button buttons[] = {
        {"Действие_выход", 60},
        {nullptr, 0},
        {"Действие_добавить_слово", 60},
        {"Действие_вставить_слово", 60},
        {"Действие_изменить_запись", 60},
        {"Действие_удалить_запись", 60},
        {"Действие_пример_употребления", 60},
        {nullptr, 0},
        {"Дейсвтие_перепрыгнуть", 60},
        {"Действие_случайные_слова", 99},
        {"Действие_русские_слова", 80},
        {"Действие_переводы_с_английского", 81},
        {"Действие_случайный_перевод", 63},
        {"Действие_сопоставление_пар_слов", 107},
        {nullptr, 0},
        {"Действие_обнулить_историю", 102},
        {"Действие_обнулить_забытые", 106},
        {nullptr, 0},
        {"Действие_проигрыватель", 88},
    };
    for (const Button& b : buttons) {
        if (b.name == nullptr) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = action(b.name);
        toolBar_->addAction(a);
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(a)))
            button->setFixedSize(b.width, 40);
    }
}

QWidget* TMainForm::buildUpperPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Верхняя_панель"));
    panel->setFixedSize(kWidth, 60);

    repetitionsButton_ = new QPushButton(panel);
    repetitionsButton_->setObjectName(QStringLiteral("Кнопка_количество_повторений"));
    repetitionsButton_->setGeometry(0, 0, 44, 60);
    connect(repetitionsButton_, &QPushButton::clicked, this, &TMainForm::onRepetitionsClicked);
    repetitionsButton_->installEventFilter(this);

    wordLabel_ = new QLabel(panel);
    wordLabel_->setObjectName(QStringLiteral("Надпись_английское_слово"));
    wordLabel_->setFont(tahomaFont(28, true));
    wordLabel_->setTextFormat(Qt::PlainText);
    wordLabel_->setGeometry(55, 9, 547, 45);
    wordLabel_->setToolTip(QStringLiteral("Вывод окна с транскрипцией (двойной клик мышкой)"));
    wordLabel_->installEventFilter(this);

    translationBox_ = new QCheckBox(QStringLiteral("Перевод"), panel);
    translationBox_->setObjectName(QStringLiteral("Переключатель_перевод"));
    translationBox_->setToolTip(
        QStringLiteral("Убрать/восстановить русские переводы. Клавиша «Пробел» "));
    translationBox_->setGeometry(kWidth - 85, 8, 85, 20);
    translationBox_->setChecked(true);
    connect(translationBox_, &QCheckBox::clicked, this, &TMainForm::onTranslationClicked);

    filterBox_ = new QCheckBox(QStringLiteral("Забытые"), panel);
    filterBox_->setObjectName(QStringLiteral("Переключатель_фильтр"));
    filterBox_->setToolTip(QStringLiteral("Представление на экране только слов, отмеченных как "
                                          "забытые. Клавиши Ctrl+Z"));
    filterBox_->setGeometry(kWidth - 85, 32, 85, 20);
    connect(filterBox_, &QCheckBox::clicked, this, &TMainForm::onFilterClicked);
    return panel;
}

QWidget* TMainForm::buildTable() {
    table_ = new RecordTableView(this);
    table_->setObjectName(QStringLiteral("Таблица_записей"));
    table_->setModel(model_);
    delegate_ = new RecordTableDelegate(g_, *model_, table_);
    table_->setItemDelegate(delegate_);
    table_->setUpRecordGrid({40, 16, 225, 340, 400, 28, 100, 31});

    table_->onKeyDown = [this](QKeyEvent* e) { return tableKeyDown(e); };
    table_->onKeyUp = [this](QKeyEvent* e) { tableKeyUp(e); };
    table_->onMouseDown = [this](QMouseEvent* e) { tableMouseDown(e->position().toPoint()); };
    table_->onDoubleClick = [this](QMouseEvent*) { tableDoubleClick(); };
    table_->onClick = [this](QMouseEvent*) { tableClick(); };
    table_->onWheel = [this](int steps) { tableWheel(steps); };
    table_->installEventFilter(this);
    return table_;
}

QWidget* TMainForm::buildLowerPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Нижняя_панель"));
    panel->setFixedSize(kWidth, 54);

    upPicture_ = new ClickableLabel(panel);
    upPicture_->setObjectName(QStringLiteral("Левая_картинка_главной_формы"));
    upPicture_->setGeometry(10, 11, 32, 32);
    upPicture_->setCursor(Qt::PointingHandCursor);
    upPicture_->setToolTip(QStringLiteral("Перевести курсор в самый верх (Home)"));
    connect(upPicture_, &ClickableLabel::clicked, this, &TMainForm::Pryignut_na_samyy_verkh);

    auto* englishGroup = new QGroupBox(QStringLiteral("Найти подстроку английского слова:"), panel);
    englishGroup->setGeometry(52, 1, 300, 51);
    englishSearch_ = new QLineEdit(englishGroup);
    englishSearch_->setObjectName(QStringLiteral("Поле_ввода_для_поиска_английского_слова"));
    englishSearch_->setGeometry(8, 20, 180, 23);
    englishSearchButton_ = new QPushButton(QStringLiteral("Искать далее"), englishGroup);
    englishSearchButton_->setObjectName(QStringLiteral("Кнопка_искать_далее_английскую_подстроку"));
    englishSearchButton_->setGeometry(196, 19, 96, 25);

    flag_ = new FlagIndicator(125, panel);
    flag_->setObjectName(QStringLiteral("Картинка_главной_формы"));
    flag_->setGeometry(366, 11, 32, 32);

    auto* translationGroup = new QGroupBox(QStringLiteral("Найти подстроку перевода:"), panel);
    translationGroup->setGeometry(412, 1, 345, 51);
    translationSearch_ = new QLineEdit(translationGroup);
    translationSearch_->setObjectName(QStringLiteral("Поле_ввода_для_поиска_подстроки_перевода"));
    translationSearch_->setGeometry(8, 20, 225, 23);
    translationSearchButton_ = new QPushButton(QStringLiteral("Искать далее"), translationGroup);
    translationSearchButton_->setObjectName(QStringLiteral("Кнопка_искать_далее"));
    translationSearchButton_->setGeometry(241, 19, 96, 25);

    // The searches come with their commands; until then the buttons do nothing.
    englishSearchButton_->setEnabled(false);
    translationSearchButton_->setEnabled(false);

    for (QWidget* w :
         {static_cast<QWidget*>(englishSearch_), static_cast<QWidget*>(translationSearch_),
          static_cast<QWidget*>(englishSearchButton_),
          static_cast<QWidget*>(translationSearchButton_)})
        w->installEventFilter(this);

    helpPicture_ = new ClickableLabel(panel);
    helpPicture_->setObjectName(QStringLiteral("Рисунок_на_нижней_пнели"));
    helpPicture_->setGeometry(kWidth - 48 - 12, 3, 48, 48);
    helpPicture_->setCursor(Qt::PointingHandCursor);
    helpPicture_->setToolTip(QStringLiteral("Показать руководство пользователя программы (F1)"));
    helpPicture_->setPixmap(QPixmap(QStringLiteral(":/images/help.png")));
    connect(helpPicture_, &ClickableLabel::clicked, action("Действие_руководство_пользователя"),
            &QAction::trigger);
    return panel;
}

void TMainForm::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("Строка_состояния"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(19);
    setStatusBar(bar);

    // The panes sit side by side in one strip, so their widths are exactly the given ones.
    auto* strip = new QWidget(bar);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    panes_[0] = makePane(strip, "Панель_вывода_количества_записей", 127,
                         "Общее количество записей в словаре и в скобках - допущенных для "
                         "упражнений");
    panes_[1] = makePane(strip, "Панель_вывода_остатка_непредъявленных_слов", 157,
                         "Остаток английских слов непредъявленных для узнавания");
    panes_[2] = makePane(strip, "Панель_вывода_непредъявленных_русских_слов", 140,
                         "Остаток русских слов непредъявленных для узнавания");
    panes_[3] = makePane(strip, "Панель_вывода_остаток_с_английского", 129,
                         "Остаток слов для поиска перевода с английского");
    panes_[4] = makePane(strip, "Панель_вывода_остаток_с_русского", 110,
                         "Остаток слов для поиска перевода с русского");
    panes_[5] = makePane(strip, "Панель_вывода_несопоставленных_пар", 169,
                         "Остаток записей для упражнения по сопоставлению пар слов и переводов");
    panes_[6] = makePane(strip, "Панель_вывода_количества_забытых_слов", 120,
                         "Количество слов отмеченных как забытые");
    panes_[7] = makePane(strip, "Панель_вывода_даты_изменения", 204,
                         "Дата последнего изменения содержания словаря");
    for (QLabel* pane : panes_)
        row->addWidget(pane);

    stopwatchPane_ = new ClickableLabel(strip);
    stopwatchPane_->setObjectName(QStringLiteral("Панель_сенудномера_главной_формы"));
    stopwatchPane_->setFixedWidth(52);
    stopwatchPane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bold = stopwatchPane_->font();
    bold.setBold(true);
    stopwatchPane_->setFont(bold);
    stopwatchPane_->setText(stopwatchText());
    connect(stopwatchPane_, &ClickableLabel::clicked, this, &TMainForm::onStopwatchClicked);
    connect(stopwatchPane_, &ClickableLabel::doubleClicked, this,
            &TMainForm::onStopwatchDoubleClicked);
    row->addWidget(stopwatchPane_);
    row->addStretch(1);
    bar->addWidget(strip, 1);
}

} // namespace telvo
