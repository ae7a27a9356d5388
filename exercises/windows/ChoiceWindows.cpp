#include "exercises/windows/ChoiceWindows.h"

#include "app/core/SystemMessage.h"
#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "app/windows/TextFit.h"
#include "exercises/windows/ExerciseRunner.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>

namespace telvo {

namespace {

QFont pixelFont(int pixels, bool bold) {
    QFont f = QApplication::font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& area, const QFont& font,
                  bool wrap = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(area);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

QLabel* makePicture(QWidget* parent, QStyle::StandardPixmap which, const QRect& area) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(area);
    picture->setPixmap(parent->style()->standardIcon(which).pixmap(area.size()));
    return picture;
}

void whiteBackground(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::white);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// Draws the cells of a list as the exercise windows draw them: the selected row in its own
// colour, the others in the list's normal colour, the text 5 pixels right of and 2 below the
// cell's top-left corner (cut at the cell's edge), and grid lines `line` pixels wide along the
// right and the bottom of every cell. The first `headerRows` rows are fixed: the grid's
// button-face look, their text centred, which is what the blanks in front of it were for.
class ListCells : public QStyledItemDelegate {
public:
    ListCells(QColor selected, int line, int headerRows, QObject* parent)
        : QStyledItemDelegate(parent), selected_(selected), line_(line), headerRows_(headerRows) {}

    static constexpr QRgb kGridColour = qRgb(200, 200, 200);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect cell = option.rect;
        const QRect inner = cell.adjusted(0, 0, -line_, -line_);
        const bool header = index.row() < headerRows_;
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->save();
        painter->fillRect(QRect(inner.right() + 1, cell.top(), line_, cell.height()),
                          QColor(kGridColour));
        painter->fillRect(QRect(cell.left(), inner.bottom() + 1, cell.width(), line_),
                          QColor(kGridColour));
        painter->setClipRect(inner);
        painter->setFont(option.font);
        if (header) {
            painter->fillRect(inner, option.palette.color(QPalette::Active, QPalette::Button));
            // The item is disabled only so that it never takes the cursor; it reads as enabled.
            painter->setPen(option.palette.color(QPalette::Active, QPalette::ButtonText));
            painter->drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, text.trimmed());
        } else {
            const bool isSelected = option.state.testFlag(QStyle::State_Selected);
            painter->fillRect(inner, isSelected ? selected_ : option.palette.color(QPalette::Base));
            painter->setPen(isSelected ? QColor(Qt::black) : option.palette.color(QPalette::Text));
            painter->drawText(inner.adjusted(5, 2, 0, 0),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        }
        painter->restore();
    }

private:
    QColor selected_;
    int line_;
    int headerRows_;
};

// A one-column grid of `rows` rows of `rowHeight` pixels (grid line not counted) without
// headers or scroll bars; the first `headerRows` rows are fixed and never take the selection.
QTableWidget* makeList(QWidget* parent, const char* name, const QRect& area, int rows,
                       int rowHeight, int gridLine, int fontPixels, const QColor& selected,
                       int headerRows = 0) {
    auto* list = new QTableWidget(rows, 1, parent);
    list->setObjectName(QString::fromUtf8(name));
    list->setGeometry(area);
    list->horizontalHeader()->hide();
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setMinimumSectionSize(1);
    list->verticalHeader()->setDefaultSectionSize(rowHeight + gridLine);
    list->setColumnWidth(0, area.width() - 4);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTabKeyNavigation(false);
    list->setWordWrap(false);
    list->setShowGrid(false); // the cells draw their own, wider lines
    list->setFont(pixelFont(fontPixels, false));
    list->setItemDelegate(new ListCells(selected, gridLine, headerRows, list));
    for (int r = 0; r < rows; ++r) {
        auto* item = new QTableWidgetItem();
        // Disabled: neither the keys nor the mouse can put the cursor on a fixed row.
        if (r < headerRows)
            item->setFlags(Qt::NoItemFlags);
        list->setItem(r, 0, item);
    }
    return list;
}

// Room for a cell's text: the column less the 5-pixel inset and the item's frame.
int cellTextRoom(const QTableWidget* list) {
    return list->columnWidth(0) - 5 - 8;
}

void setCellTexts(QTableWidget* list, const QString* texts, int count) {
    for (int r = 0; r < count && r < list->rowCount(); ++r) {
        // A long text (a 60-letter translation) gets a smaller size, not an elided end.
        QFont font = list->font();
        for (int px = font.pixelSize();
             px > 8 && QFontMetrics(font).horizontalAdvance(texts[r]) > cellTextRoom(list); --px)
            font.setPixelSize(px - 1);
        list->item(r, 0)->setFont(font);
        list->item(r, 0)->setText(texts[r]);
    }
}

} // namespace

// ---- The list of ten answers ----------------------------------------------------------------

class ChoiceList : public QObject {
public:
    ChoiceList(QTableWidget* list, std::function<void(int)> pick)
        : QObject(list), list_(list), viewport_(list->viewport()), pick_(std::move(pick)) {
        list_->installEventFilter(this);
        viewport_->installEventFilter(this);
        connect(list_, &QTableWidget::cellClicked, this, [this](int row, int) {
            mouseSelecting_ = false;
            if (picksAllowed_)
                pickRow(row);
        });
        connect(list_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
            if (!picksAllowed_ || row < 0)
                return;
            if (mouseSelecting_)
                return; // the click that follows picks
            if (navigation_) {
                navigation_ = false;
                return;
            }
            pickRow(row);
        });
    }

    // Shows the ten cells and selects `selectedRow` without counting it as a pick.
    void fill(const QString* texts, int count, int selectedRow) {
        picksAllowed_ = false;
        navigation_ = false;
        setCellTexts(list_, texts, count);
        list_->setCurrentCell(selectedRow, 0);
        picksAllowed_ = true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // While a button is down the selection follows the mouse; only the click that ends it
        // picks (a press dragged off the list picks nothing).
        // The viewport is compared as kept: its events still come while the list is being
        // destroyed, when the list can no longer be asked for it.
        if (watched == viewport_ && event->type() == QEvent::MouseButtonPress)
            mouseSelecting_ = true;
        if (watched == viewport_ && event->type() == QEvent::MouseButtonRelease)
            mouseSelecting_ = false;
        if (watched == list_ && event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            // Nobody means a page key as an answer.
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                navigation_ = true;
                break;
            case Qt::Key_Home:
            case Qt::Key_End:
                // The first and the last row: Qt's own Home and End move along the row, and a
                // list of one column has nowhere to go.
                navigation_ = true;
                list_->setCurrentCell(key->key() == Qt::Key_Home ? 0 : list_->rowCount() - 1, 0);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
                    if (picksAllowed_)
                        pickRow(list_->currentRow());
                    return true;
                }
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void pickRow(int row) {
        pick_(row);
        navigation_ = false;
    }

    QTableWidget* list_;
    QWidget* viewport_;
    std::function<void(int)> pick_;
    bool picksAllowed_ = false;
    bool navigation_ = false;
    bool mouseSelecting_ = false;
};

// ---- "Ошибочный выбор" ----------------------------------------------------------------------

TForma_ocshibochniy_vibor::TForma_ocshibochniy_vibor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForma_ocshibochniy_vibor"));
    setWindowTitle(QStringLiteral("Ошибочный выбор"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(537, 91);
    whiteBackground(this);
    makePicture(this, QStyle::SP_MessageBoxWarning, QRect(24, 12, 48, 48));
    Nadpis_oshibochnyy_vybor =
        makeLabel(this, "Надпись_ошибочный_выбор", QRect(110, 16, 408, 29), pixelFont(12, true));
    Nadpis_oshibochnyy_vybor->setText(QStringLiteral("Ошибочный выбор ..."));
    Knopka_zakryt =
        makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"), QRect(350, 60, 177, 25));
    Knopka_zakryt->setDefault(true);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::accept);
}

void TForma_ocshibochniy_vibor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    Knopka_zakryt->setFocus();
}

void showWrongChoice(Globalnye_peremennye_slovarya& g) {
    if (g.okna && g.okna->Forma_ocshibochniy_vibor)
        g.okna->Forma_ocshibochniy_vibor->exec();
}

// ---- Translation windows --------------------------------------------------------------------

TranslationWindow::TranslationWindow(Globalnye_peremennye_slovarya& g, TranslationKind kind,
                                     QWidget* parent)
    : QDialog(parent), g_(g), kind_(kind), exercise_(g, kind) {
    const bool fromRussian = kind == TranslationKind::FromRussian;
    const int width = fromRussian ? 357 : 597;
    const int height = fromRussian ? 411 : 414;
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(width, height);

    const int listWidth = width - 6;
    questionLabel = makeLabel(
        this, fromRussian ? "Надпись_русский_перевод" : "Надпись_английское_слово_для_перевода",
        QRect(3, 4, listWidth, 56), pixelFont(16, true), true);
    questionLabel->setAlignment(Qt::AlignCenter);
    // Rows of 22 pixels with grid lines of 3 between them.
    list = makeList(
        this, fromRussian ? "Таблица_вариантов_английских_слов" : "Таблица_вариантов_русских_слов",
        QRect(3, 64, listWidth, 10 * (22 + 3) + 4), 10, 22, 3, 13,
        fromRussian ? QColor(250, 195, 186) : QColor(137, 219, 255));
    Nadpis_ostatok_perevodov = makeLabel(
        this, "Надпись_остаток_переводов",
        QRect(8, list->geometry().bottom() + 5, listWidth - 10, 18), QApplication::font());
    makePicture(this, QStyle::SP_FileDialogContentsView, QRect(8, height - 42, 32, 32));
    Knopka_zabyl = makeButton(this, "Кнопка_забыл", QStringLiteral("Забыл (F5)"),
                              QRect(width - 236, height - 40, 100, 28));
    Knopka_ostanovit_pokaz =
        makeButton(this, "Кнопка_остановить_показ", QStringLiteral("Остановить показ"),
                   QRect(width - 130, height - 40, 124, 28));

    choice_ = new ChoiceList(list, [this](int row) { onPick(row); });
    questionFit_.emplace(questionLabel);
    connect(Knopka_zabyl, &QPushButton::clicked, this, &TranslationWindow::forget);
    connect(Knopka_ostanovit_pokaz, &QPushButton::clicked, this, &TranslationWindow::stop);
    // F5 forgets even while the button is disabled (in the forgotten view).
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, &TranslationWindow::forget);
    enterPressesFocusedButton(this);
}

StatusPane TranslationWindow::pane() const {
    return kind_ == TranslationKind::FromRussian ? StatusPane::RemainderFromRussian
                                                 : StatusPane::RemainderFromEnglish;
}

void TranslationWindow::run() {
    runRangeExercise(
        g_, pane(), exercise_.start(), [this] { return exercise_.beginAnew(); },
        [this] { exec(); });
}

void TranslationWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnOwner(this);
    Knopka_zabyl->setEnabled(exercise_.forgetEnabled());
    list->setFocus();
    const PresentOutcome out = exercise_.onShow();
    showPresented(out);
}

void TranslationWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        stop();
        return;
    }
    // The shortcut takes F5 while the window is the active one; without a window manager it may
    // not be, and the key then reaches the window from the control that has the focus.
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) {
        forget();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TranslationWindow::count() {
    Nadpis_ostatok_perevodov->setText(exercise_.windowRemainderText());
    setMainPane(g_, pane(), exercise_.paneText());
}

void TranslationWindow::showPresented(const PresentOutcome& out) {
    count();
    switch (out.result) {
    case PresentResult::PassFinished:
        // Queued, so that a pass that ends while the window is being shown still closes it.
        QTimer::singleShot(0, this, [this, text = out.text] {
            showMessage(g_, text);
            stop();
        });
        return;
    case PresentResult::NoQuestion:
        QTimer::singleShot(0, this, [text = out.text] { showSystemMessage(text); });
        return;
    case PresentResult::Presented:
    case PresentResult::ListIncomplete:
        break;
    }
    questionLabel->setText(exercise_.question());
    questionFit_->fit();
    choice_->fill(exercise_.cells().data(), TranslationExercise::kRows, exercise_.selectedRow());
    if (!out.clipboardText.isEmpty())
        QGuiApplication::clipboard()->setText(out.clipboardText);
    if (out.result == PresentResult::ListIncomplete)
        QTimer::singleShot(0, this, [text = out.text] { showSystemMessage(text); });
}

void TranslationWindow::onPick(int row) {
    const PickOutcome out = exercise_.pick(row);
    if (out.result == PickResult::Ignored)
        return;
    if (!out.clipboardText.isEmpty())
        QGuiApplication::clipboard()->setText(out.clipboardText);
    if (out.result == PickResult::Wrong) {
        showWrongChoice(g_);
        return;
    }
    showPresented(out.next);
}

void TranslationWindow::stop() {
    if (MainWindow* main = mainWindow(g_))
        main->showWordOfRow(main->selectedRow());
    reject();
}

void TranslationWindow::forget() {
    if (!isVisible())
        return;
    const ForgotOutcome out = exercise_.forgot();
    count();
    setMainPane(g_, StatusPane::Forgotten, out.forgottenPaneText);
    if (MainWindow* main = mainWindow(g_)) {
        main->refreshTable();
        main->selectEnglishWord(out.englishWord);
    }
    reject();
}

void TranslationWindow::done(int result) {
    if (isVisible())
        exercise_.save();
    QDialog::done(result);
}

TForma_okno_pokaza_perevodov::TForma_okno_pokaza_perevodov(Globalnye_peremennye_slovarya& g,
                                                           QWidget* parent)
    : TranslationWindow(g, TranslationKind::FromRussian, parent) {
    setObjectName(QStringLiteral("TForma_okno_pokaza_perevodov"));
    setWindowTitle(QStringLiteral("Найти английское слово"));
}

TForma_okno_perevodov_s_angliyskogo::TForma_okno_perevodov_s_angliyskogo(
    Globalnye_peremennye_slovarya& g, QWidget* parent)
    : TranslationWindow(g, TranslationKind::FromEnglish, parent) {
    setObjectName(QStringLiteral("TForma_okno_perevodov_s_angliyskogo"));
    setWindowTitle(QStringLiteral("Найти русский перевод"));
}

// ---- Pair matching --------------------------------------------------------------------------

TForma_vspomnit_zabitie_slova::TForma_vspomnit_zabitie_slova(Globalnye_peremennye_slovarya& g,
                                                             QWidget* parent)
    : QDialog(parent), g_(g), exercise_(g) {
    setObjectName(QStringLiteral("TForma_vspomnit_zabitie_slova"));
    setWindowTitle(QStringLiteral("Сопоставление пар.  Слова и переводы."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(1044, 359);
    whiteBackground(this);

    // Row 0 is the fixed header; rows of 20 pixels and grid lines of 3 fit the window's height.
    Tablitsa_predyavlyaemykh_par = makeList(this, "Таблица_предъявляемых_пар",
                                            QRect(634, 5, 404, PairMatching::kRows * 23 + 4),
                                            PairMatching::kRows, 20, 3, 13, QColor(39, 194, 79), 1);

    Nadpis_kolichestvo_pravilnykh_sopostavleniy =
        makeLabel(this, "Надпись_количество_правильных_сопоставлений", QRect(16, 14, 600, 18),
                  pixelFont(12, true));
    Nadpis_kolichestvo_eshche_nesopostavlennykh_par =
        makeLabel(this, "Надпись_количество_еще_несопоставленных_пар", QRect(16, 38, 600, 18),
                  pixelFont(12, true));
    Nadpis_pervyy_vybrannyy_variant = makeLabel(this, "Надпись_первый_выбранный_вариант",
                                                QRect(16, 100, 600, 26), pixelFont(16, true));
    Nadpis_vtoroy_vybrannyy_variant = makeLabel(this, "Надпись_второй_выбранный_вариант",
                                                QRect(16, 134, 600, 26), pixelFont(16, true));
    Nadpis_pravilno =
        makeLabel(this, "Надпись_правильно", QRect(16, 176, 600, 50), pixelFont(35, true));
    QPalette green = Nadpis_pravilno->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    Nadpis_pravilno->setPalette(green);

    Knopka_udalit_vybrannuyu_paru =
        makeButton(this, "Кнопка_удалить_выбранную_пару",
                   QStringLiteral("Очистить форму от выбранной пары"), QRect(16, 312, 246, 30));
    Knopka_sleduyushchaya_portsiya_slov =
        makeButton(this, "Кнопка_следующая_порция_слов", QStringLiteral("Следующая порция слов"),
                   QRect(270, 312, 180, 30));
    Knopka_ostanovit_pokaz =
        makeButton(this, "Кнопка_остановить_показ", QStringLiteral("Остановить показ"),
                   QRect(458, 312, 130, 30));
    makePicture(this, QStyle::SP_DialogApplyButton, QRect(596, 311, 32, 32));

    connect(Knopka_udalit_vybrannuyu_paru, &QPushButton::clicked, this,
            &TForma_vspomnit_zabitie_slova::clearPair);
    connect(Knopka_sleduyushchaya_portsiya_slov, &QPushButton::clicked, this,
            &TForma_vspomnit_zabitie_slova::nextPortion);
    connect(Knopka_ostanovit_pokaz, &QPushButton::clicked, this, &QDialog::reject);
    // The header is no cell: clicks on it do nothing.
    connect(Tablitsa_predyavlyaemykh_par, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) {
                if (row > 0)
                    onPick(row);
            });
    connect(Tablitsa_predyavlyaemykh_par, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row > 0 && Knopka_udalit_vybrannuyu_paru->isEnabled())
            clearPair();
    });
    Tablitsa_predyavlyaemykh_par->installEventFilter(this);
    enterPressesFocusedButton(this);
}

void TForma_vspomnit_zabitie_slova::run() {
    runRangeExercise(
        g_, StatusPane::UnmatchedPairs, exercise_.start(), [this] { return exercise_.beginAnew(); },
        [this] { exec(); });
}

void TForma_vspomnit_zabitie_slova::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnOwner(this);
    exercise_.onShow();
    fillList();
    refresh();
    Tablitsa_predyavlyaemykh_par->setFocus();
}

void TForma_vspomnit_zabitie_slova::fillList() {
    setCellTexts(Tablitsa_predyavlyaemykh_par, exercise_.cells().data(), PairMatching::kRows);
    Tablitsa_predyavlyaemykh_par->setCurrentCell(1, 0);
}

void TForma_vspomnit_zabitie_slova::refresh() {
    auto colour = [](QLabel* label, bool green) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, green ? QColor(0, 128, 0) : QColor(Qt::black));
        label->setPalette(p);
    };
    Nadpis_kolichestvo_pravilnykh_sopostavleniy->setText(exercise_.matchesText());
    colour(Nadpis_kolichestvo_pravilnykh_sopostavleniy, exercise_.matchesGreen());
    Nadpis_kolichestvo_eshche_nesopostavlennykh_par->setText(exercise_.remainingText());
    colour(Nadpis_kolichestvo_eshche_nesopostavlennykh_par, exercise_.remainingGreen());
    Knopka_ostanovit_pokaz->setText(exercise_.stopCaption());
    Nadpis_pervyy_vybrannyy_variant->setText(exercise_.firstText());
    Nadpis_vtoroy_vybrannyy_variant->setText(exercise_.secondText());
    // The two lines sit one under the other: a long text gets a smaller size instead.
    shrinkFontToFit(Nadpis_pervyy_vybrannyy_variant, pixelFont(16, true));
    shrinkFontToFit(Nadpis_vtoroy_vybrannyy_variant, pixelFont(16, true));
    Nadpis_pravilno->setText(exercise_.rightText());
    Knopka_udalit_vybrannuyu_paru->setEnabled(exercise_.clearEnabled());
    Knopka_sleduyushchaya_portsiya_slov->setEnabled(exercise_.nextPortionEnabled());
    setMainPane(g_, StatusPane::UnmatchedPairs, exercise_.paneText());
}

void TForma_vspomnit_zabitie_slova::onPick(int row) {
    switch (exercise_.pick(row)) {
    case PairPick::Ignored:
        return;
    case PairPick::AskClear:
        if (askQuestion(g_, QString::fromUtf8(kClearPairQuestion)))
            clearPair();
        return;
    case PairPick::First:
    case PairPick::Right:
        refresh();
        return;
    case PairPick::Wrong:
        refresh();
        showWrongChoice(g_);
        return;
    }
}

void TForma_vspomnit_zabitie_slova::clearPair() {
    exercise_.clearPair();
    refresh();
    Tablitsa_predyavlyaemykh_par->setFocus();
}

void TForma_vspomnit_zabitie_slova::nextPortion() {
    exercise_.nextPortion();
    fillList();
    refresh();
    Tablitsa_predyavlyaemykh_par->setFocus();
}

bool TForma_vspomnit_zabitie_slova::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Tablitsa_predyavlyaemykh_par && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain =
            key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (plain) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                onPick(Tablitsa_predyavlyaemykh_par->currentRow());
                return true;
            case Qt::Key_Delete:
                clearPair();
                return true;
            case Qt::Key_Right:
                if (Knopka_sleduyushchaya_portsiya_slov->isEnabled())
                    nextPortion();
                return true;
            default:
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForma_vspomnit_zabitie_slova::done(int result) {
    if (isVisible())
        exercise_.save();
    QDialog::done(result);
}

// ---- Find translation -----------------------------------------------------------------------

TForma_naiyti_perevod::TForma_naiyti_perevod(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QDialog(parent), g_(g), exercise_(g) {
    setObjectName(QStringLiteral("TForma_naiyti_perevod"));
    setWindowTitle(QStringLiteral("Найти перевод"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(410, 333);

    Nadpis_angliyskoe_slovo =
        makeLabel(this, "Надпись_английское_слово", QRect(5, 6, 400, 30), pixelFont(18, true));
    Nadpis_angliyskoe_slovo->setAlignment(Qt::AlignCenter);
    Nadpis_angliyskoe_slovo->setWordWrap(true);
    Tablitsa_perevodov = makeList(this, "Таблица_переводов", QRect(5, 42, 400, 10 * 22 + 4), 10, 21,
                                  1, 13, QColor(199, 199, 255));
    Knopka_otmetit_slovo_kak_zabytoe = makeButton(this, "Кнопка_отметить_слово_как_забытое",
                                                  QStringLiteral("Отметить забыть/вспомнить "
                                                                 "слово (F5)"),
                                                  QRect(5, 290, 260, 30));
    Knopka_zakryt =
        makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"), QRect(300, 290, 105, 30));

    choice_ = new ChoiceList(Tablitsa_perevodov, [this](int row) { onPick(row); });
    wordFit_.emplace(Nadpis_angliyskoe_slovo);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    connect(Knopka_otmetit_slovo_kak_zabytoe, &QPushButton::clicked, this,
            &TForma_naiyti_perevod::toggleForgotten);
    // F5 acts also while the button is disabled (in the forgotten view).
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, &TForma_naiyti_perevod::toggleForgotten);
    enterPressesFocusedButton(this);
}

void TForma_naiyti_perevod::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnOwner(this);
    Tablitsa_perevodov->setFocus();
    const MainWindow* main = mainWindow(g_);
    const QString word = main ? main->wordLabelText() : QString();
    Nadpis_angliyskoe_slovo->setText(word);
    // A long text takes two lines; the window grows and is centred again.
    wordFit_->fit();
    centreOnOwner(this);
    Knopka_otmetit_slovo_kak_zabytoe->setEnabled(exercise_.forgetButtonEnabled());
    exercise_.onShow(word);
    setWindowTitle(exercise_.caption());
    choice_->fill(exercise_.cells().data(), FindTranslation::kRows, exercise_.selectedRow());
}

void TForma_naiyti_perevod::keyPressEvent(QKeyEvent* event) {
    // As in the translation windows: F5 also when the shortcut does not see it.
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) {
        toggleForgotten();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForma_naiyti_perevod::onPick(int row) {
    switch (exercise_.pick(row)) {
    case FindPick::Ignored:
        return;
    case FindPick::Wrong:
        showWrongChoice(g_);
        return;
    case FindPick::Right:
        if (MainWindow* main = mainWindow(g_))
            main->increaseRepetitions();
        accept();
        return;
    }
}

void TForma_naiyti_perevod::toggleForgotten() {
    MainWindow* main = mainWindow(g_);
    if (!main || !isVisible())
        return;
    const int32_t record = main->selectedRecord();
    if (record > 0) {
        const QString refusal = exercise_.toggleForgotten(record);
        if (!refusal.isEmpty()) {
            showError(g_, refusal);
        } else {
            main->refreshTable();
            main->refreshStatusBar();
        }
    }
    Tablitsa_perevodov->setFocus();
}

} // namespace telvo
