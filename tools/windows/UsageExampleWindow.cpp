#include "tools/windows/UsageExampleWindow.h"

#include "app/core/Failure.h"
#include "app/windows/Messages.h"
#include "tools/logic/UsageExample.h"
#include "tools/windows/RichTextEditing.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int kClientWidth = 706;
constexpr int kClientHeight = 230;
constexpr int kStripHeight = 41;
// The rich-text control's font height 14 is in pixels at 96 dots per inch: 10.5 points.
constexpr double kNewTextPoints = 10.5;

const char* const kCaption = "Пример(ы) употребления слова: ";
const char* const kNotRead = "Не удалось открыть пример употребления: ";
const char* const kNotSaved = "Пример употребления не сохранен: ";
const char* const kCloseAnyway = " Закрыть окно без сохранения?";

enum class Picture { Bold, Italic, Left, Centre, Right };

// The toolbar's pictures where the icon theme has none: a bold and an italic letter, and lines
// set to the left, centre or right.
QIcon drawnIcon(Picture picture) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 52, 72);
    if (picture == Picture::Bold || picture == Picture::Italic) {
        QFont font = tahomaFont(20, picture == Picture::Bold);
        font.setItalic(picture == Picture::Italic);
        font.setPixelSize(24);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter,
                   picture == Picture::Bold ? QStringLiteral("Ж") : QStringLiteral("К"));
    } else {
        const int widths[] = {24, 16, 24, 12};
        for (int i = 0; i < 4; ++i) {
            const int w = widths[i];
            const int x = picture == Picture::Left     ? 4
                          : picture == Picture::Centre ? (32 - w) / 2
                                                       : 28 - w;
            p.fillRect(QRect(x, 7 + i * 5, w, 2), ink);
        }
    }
    return QIcon(pixmap);
}

} // namespace

TForma_primer_upotrebleniy::TForma_primer_upotrebleniy(Globalnye_peremennye_slovarya& g,
                                                       QString word, QString file, QWidget* parent)
    : QDialog(parent), g_(g), word_(std::move(word)), file_(std::move(file)) {
    setObjectName(QStringLiteral("TForma_primer_upotrebleniy"));
    setWindowTitle(QString::fromUtf8(kCaption) + word_);
    setFixedSize(kClientWidth, kClientHeight);

    Panel_upravleniya = new QToolBar(this);
    Panel_upravleniya->setObjectName(QStringLiteral("Панель_управления"));
    Panel_upravleniya->setFixedHeight(38);
    Panel_upravleniya->setIconSize(QSize(32, 32));
    Panel_upravleniya->setFloatable(false);
    Panel_upravleniya->setMovable(false);

    struct Tool {
        QAction** action;
        const char* actionName;
        const char* buttonName;
        const char* hint;
        const char* theme;
        Picture picture;
    };
    const Tool tools[] = {
        {&Deystvie_zhirno, "Действие_жирно", "Кнопка_жирный", "Жирный", "format-text-bold",
         Picture::Bold},
        {&Deystvie_kursiv, "Действие_курсив", "Кнопка_курсив", "Курсив", "format-text-italic",
         Picture::Italic},
        {&Deystvie_vlevo, "Действие_влево", "Кнопка_влево", "По левому краю", "format-justify-left",
         Picture::Left},
        {&Deystvie_po_tsentru, "Действие_по_центру", "Кнопка_по_центру", "По центру",
         "format-justify-center", Picture::Centre},
        {&Deystvie_vpravo, "Действие_вправо", "Кнопка_вправо", "По правому краю",
         "format-justify-right", Picture::Right},
    };
    auto* alignments = new QActionGroup(this);
    alignments->setExclusive(true);
    for (const Tool& t : tools) {
        auto* action =
            new QAction(QIcon::fromTheme(QString::fromLatin1(t.theme), drawnIcon(t.picture)),
                        QString::fromUtf8(t.hint), this);
        action->setObjectName(QString::fromUtf8(t.actionName));
        action->setCheckable(true);
        *t.action = action;
        if (t.picture == Picture::Left)
            Panel_upravleniya->addSeparator();
        Panel_upravleniya->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(Panel_upravleniya->widgetForAction(action))) {
            button->setObjectName(QString::fromUtf8(t.buttonName));
            button->setFixedWidth(49);
            button->setFocusPolicy(Qt::NoFocus);
        }
        if (t.picture != Picture::Bold && t.picture != Picture::Italic)
            alignments->addAction(action);
    }

    Rich_redaktor = new QTextEdit(this);
    Rich_redaktor->setObjectName(QStringLiteral("Рич_редактор"));
    Rich_redaktor->setAcceptRichText(false); // pasted text takes the format at the caret
    Rich_redaktor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Rich_redaktor->setTabChangesFocus(true);
    QFont base = tahomaFont(10);
    base.setPointSizeF(kNewTextPoints);
    Rich_redaktor->document()->setDefaultFont(base);
    Rich_redaktor->document()->setDocumentMargin(2);

    Risunok_formy_primer_upotrebleniya = new FlagIndicator(250, this);
    Risunok_formy_primer_upotrebleniya->setObjectName(
        QStringLiteral("Рисунок_формы_пример_употребления"));
    Risunok_formy_primer_upotrebleniya->setFixedSize(32, 32);
    Risunok_formy_primer_upotrebleniya->timer()->setObjectName(
        QStringLiteral("Таймер_формы_пример_употребления"));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    Knopka_zakryt->setFixedWidth(245);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel_upravleniya);
    auto* editorRow = new QHBoxLayout;
    editorRow->setContentsMargins(5, 0, 5, 0);
    editorRow->addWidget(Rich_redaktor);
    layout->addLayout(editorRow, 1);
    auto* strip = new QWidget(this);
    strip->setFixedHeight(kStripHeight);
    auto* bottom = new QHBoxLayout(strip);
    bottom->setContentsMargins(5, 0, 5, 0);
    bottom->addWidget(Risunok_formy_primer_upotrebleniya);
    bottom->addStretch();
    bottom->addWidget(Knopka_zakryt);
    layout->addWidget(strip);

    enterPressesFocusedButton(this);
    connect(Rich_redaktor, &QTextEdit::textChanged, this, [this] {
        if (tracking_)
            Primer_izmenen_ = true;
    });
    connect(Rich_redaktor, &QTextEdit::cursorPositionChanged, this, [this] { updateToolbar(); });
    connect(Rich_redaktor, &QTextEdit::currentCharFormatChanged, this, [this] { updateToolbar(); });
    connect(Deystvie_zhirno, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        Rich_redaktor->mergeCurrentCharFormat(f);
        Rich_redaktor->setFocus();
    });
    connect(Deystvie_kursiv, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        Rich_redaktor->mergeCurrentCharFormat(f);
        Rich_redaktor->setFocus();
    });
    connect(Deystvie_vlevo, &QAction::triggered, this, [this] { setAlignment(Qt::AlignLeft); });
    connect(Deystvie_po_tsentru, &QAction::triggered, this,
            [this] { setAlignment(Qt::AlignHCenter); });
    connect(Deystvie_vpravo, &QAction::triggered, this, [this] { setAlignment(Qt::AlignRight); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
}

void TForma_primer_upotrebleniy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    tracking_ = false;
    rtf::Document document;
    try {
        document = tools::readUsageExample(file_);
    } catch (const Failure& failure) {
        loaded_ = false;
        Rich_redaktor->setReadOnly(true);
        const QString text = QString::fromUtf8(kNotRead) + failure.text();
        QTimer::singleShot(0, this, [this, text] {
            showError(g_, text);
            QDialog::done(Rejected);
        });
        return;
    }
    fillTextDocument(*Rich_redaktor->document(), document);
    loadedTables_.fonts = document.fonts;
    loadedTables_.colours = document.colours;
    keepsUnshown_ = document.unshownContent;
    QTextCursor start(Rich_redaktor->document());
    Rich_redaktor->setTextCursor(start);
    if (Rich_redaktor->document()->isEmpty()) {
        QTextCharFormat f;
        f.setFontPointSize(kNewTextPoints);
        Rich_redaktor->setCurrentCharFormat(f);
    }
    updateToolbar();
    Rich_redaktor->setFocus();
    tracking_ = true;
    Primer_izmenen_ = false;
}

void TForma_primer_upotrebleniy::updateToolbar() {
    const Qt::Alignment a = Rich_redaktor->alignment();
    QAction* aligned = (a & Qt::AlignHCenter)                       ? Deystvie_po_tsentru
                       : (a & (Qt::AlignRight | Qt::AlignTrailing)) ? Deystvie_vpravo
                                                                    : Deystvie_vlevo;
    aligned->setChecked(true);
    const QTextCharFormat f = Rich_redaktor->currentCharFormat();
    Deystvie_zhirno->setChecked(f.fontWeight() >= QFont::Bold);
    Deystvie_kursiv->setChecked(f.fontItalic());
}

void TForma_primer_upotrebleniy::setAlignment(Qt::Alignment alignment) {
    Rich_redaktor->setAlignment(alignment);
    updateToolbar();
    Rich_redaktor->setFocus();
}

bool TForma_primer_upotrebleniy::finish() {
    if (!loaded_)
        return true;
    QString failure;
    // An editor with no text leaves no file; one whose file held only what it cannot show
    // (a picture) deletes nothing until the user changed it.
    if (Rich_redaktor->document()->isEmpty() && (!keepsUnshown_ || Primer_izmenen_)) {
        try {
            tools::deleteUsageExample(file_);
        } catch (const Failure& f) {
            failure = f.text();
        }
    }
    if (failure.isEmpty() && Primer_izmenen_) {
        try {
            tools::writeUsageExample(file_, richTextOf(*Rich_redaktor->document(), loadedTables_));
            Primer_izmenen_ = false;
        } catch (const Failure& f) {
            failure = f.text();
        }
    }
    if (failure.isEmpty())
        return true;
    const bool closeAnyway =
        askQuestion(g_, QString::fromUtf8(kNotSaved) + failure + QString::fromUtf8(kCloseAnyway));
    Rich_redaktor->setFocus();
    return closeAnyway;
}

void TForma_primer_upotrebleniy::done(int result) {
    if (!finish())
        return;
    QDialog::done(result);
}

} // namespace telvo
