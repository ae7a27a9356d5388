#pragma once

#include "app/core/Globals.h"
#include "idioms/logic/IdiomTableModel.h"
#include "store/Search.h"
#include "ui/common/IdiomsWindow.h"

#include <QDialog>
#include <array>
#include <functional>
#include <set>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolBar;

namespace telvo {

class ClickableLabel;
class FlagIndicator;
class RecordCellDelegate;
class RecordTableView;
struct RecordTableAccess;

// "Идиомы и фразовые глаголы": the idiom dictionary's window, opened modally from the main
// window. Every showing reads everything again from the files. Rows in its methods are the
// table's 1-based data rows (row 1 shows the newest idiom).
class TForma_idiomi : public QDialog, public IdiomsWindow {
    Q_OBJECT
public:
    explicit TForma_idiomi(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);
    ~TForma_idiomi() override;

    QWidget* widget() override { return this; }
    bool isOpen() const override { return g_.Okno_idiom_otkryto; }
    QString selectedIdiomText() const override;
    void installCommand(IdiomsCommand command, std::function<void()> run) override;

    // Methods the dialogs and commands use.
    void Vyvod_soderzhaniya_vsey_tablitsy_idiom();
    void Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy();
    void Otobrazit_zagolovok_formy_idiomy();
    void Otobrazit_idiomu_v_verkhney_paneli(int row);
    void Uvelichit_znachenie_povtoreniy();

    int selectedRow() const;
    void selectRow(int row, int topRow = 0);
    int lastShownRow() const { return lastShownRow_; }
    IdiomTableModel& model() { return *model_; }
    RecordTableView& table() { return *table_; }
    const RecordCellDelegate& delegate() const { return *delegate_; }
    QAction* action(const char* name) const;
    // The enable step of the 250 ms timer.
    void onTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void saveViewState();
    void buildActions();
    QWidget* buildUpperPanel();
    QWidget* buildLowerPanel();
    void buildStatusBar(QWidget* bar);
    void bind(const char* name, std::function<void()> run);
    RecordTableAccess access();

    void focusTable();
    void selectColumn2();
    void clearRepetitions();
    int32_t selectedNumber() const;
    bool selectedCell(int column) const; // the selected row's cell of `column` is not empty
    // Keeps a neighbour of the selected row in view around `change`.
    void keepVisible(const std::function<void()>& change);
    void refresh(); // rebuild and status panes

    // Commands.
    void add();
    void insert();
    void edit();
    void remove();
    void example();
    void jump();
    void findTranslation();
    void notReady(const char* text);
    void resetForgotten();
    void resetMarks();
    void toggleForgotten();
    void toggleMark();
    void markByDate();
    void markByNumbers();
    void linkForgottenWithMarks();
    void toggleExclusion();
    void goToNumber();
    void range();
    void searchText();
    void searchTranslation();
    void search(QLineEdit* field, int column,
                SearchResult (*find)(Globalnye_peremennye_slovarya&, const QString&, bool));
    void jumpTop();
    void jumpBottom();
    void onTranslationClicked();
    void onForgottenClicked();

    bool tableKeyDown(QKeyEvent* event);
    void tableKeyUp(QKeyEvent* event);
    void tableDoubleClick();
    bool searchFieldKey(QLineEdit* field, QKeyEvent* event);

    Globalnye_peremennye_slovarya& g_;
    IdiomTableModel* model_ = nullptr;
    RecordTableView* table_ = nullptr;
    RecordCellDelegate* delegate_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* counter_ = nullptr;
    QCheckBox* translationBox_ = nullptr;
    QCheckBox* forgottenBox_ = nullptr;
    QLineEdit* textSearch_ = nullptr;
    QLineEdit* translationSearch_ = nullptr;
    QPushButton* textSearchButton_ = nullptr;
    QPushButton* translationSearchButton_ = nullptr;
    ClickableLabel* upPicture_ = nullptr;
    ClickableLabel* helpPicture_ = nullptr;
    FlagIndicator* flag_ = nullptr;
    std::array<QLabel*, 7> panes_{};
    QTimer* timer_ = nullptr;

    std::set<const QAction*> installed_;
    bool rowChanged_ = false;
    bool shiftInSearch_ = false;
    int lastShownRow_ = 0;
    QModelIndex mouseCell_;
    int rememberedRow_ = 1;
    int rememberedTopRow_ = 1;
};

} // namespace telvo
