#pragma once

#include "app/core/Globals.h"
#include "store/RecordTableModel.h"
#include "ui/common/MainWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <set>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolBar;

namespace telvo {

class ClickableLabel;
class FlagIndicator;
class RecordTableDelegate;
class RecordTableView;

// The program's main window: toolbar, menu, word label, record table, search fields and the
// status bar with its counters and stopwatch. Rows in its methods are the table's 1-based data
// rows (row 1 shows the newest record); the Qt model row is row - 1.
class TMainForm : public QMainWindow, public MainWindow {
    Q_OBJECT
public:
    explicit TMainForm(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);
    ~TMainForm() override;

    // What other windows ask of it.
    QWidget* widget() override { return this; }
    QString wordLabelText() const override;
    void setStatusPane(StatusPane pane, const QString& text) override;
    void setStatusPaneProcedure(StatusPane pane, std::function<QString()> procedure) override;
    void refreshTable() override { Vyvod_soderzhaniya_vsey_tablitsy(); }
    void refreshStatusBar() override { Otobrazit_soderzhimoe_paneli_sostoyaniya(); }
    void refreshCaption() override { Otobrazit_zagolovok_programmy(); }
    int selectedRow() const override;
    int rowCount() const override;
    RowWords rowWords(int row) const override;
    int32_t selectedRecord() const override;
    void selectRow(int row, int topRow = 0) override;
    void selectEnglishWord(const QString& word) override;
    void selectEnglishColumn() override { selectColumn2(); }
    void showWordOfRow(int row) override { Otobrazit_angliyskoe_slovo_v_verkhney_paneli(row); }
    void increaseRepetitions() override { Uvelichit_znachenie_povtoreniy(); }
    void installCommand(MainCommand command, std::function<void()> run) override;
    void saveViewState() override { Sokhranit_parametry_vneshnego_vida(); }
    void reloadFromDataFolder() override;

    // The objectNames of the actions that are enabled but carry out nothing: a command whose
    // subsystem forgot to install it. Empty in a fully wired program.
    QStringList enabledActionsWithoutCommand() const;

    // Methods other windows call.
    void Vyvod_soderzhaniya_vsey_tablitsy();
    void Otobrazit_soderzhimoe_paneli_sostoyaniya();
    void Otobrazit_zagolovok_programmy();
    void Otobrazit_angliyskoe_slovo_v_verkhney_paneli(int row);
    void Uvelichit_znachenie_povtoreniy();
    void Sokhranit_parametry_vneshnego_vida();
    void Prochitat_parametry_vneshnego_vida();

    // The show handler's data steps; runs when the window is first shown.
    void FormShow();

    // Commands.
    void Deystvie_dobavit_slovoExecute();
    void Deystvie_vstavit_slovoExecute();
    void Deystvie_izmenit_zapisExecute();
    void Deystvie_udalit_zapisExecute();
    void Deystvie_primenit_otmenit_filtrExecute();
    void Pryignut_na_samyy_verkh();
    void Pryignut_na_samyy_niz();
    void Deystvie_nayti_slovoExecute();
    void Deystvie_nayti_podstroku_perevodaExecute();
    void Deystvie_pereyti_k_nomeruExecute();
    void Deysvtie_pereprygnutExecute();
    void Deystvie_otmetit_zabytoe_slovoExecute();
    void Deystvie_prosto_otmetit_slovoExecute();
    void Deystvie_obnulit_zabytyeExecute();
    void Deystvie_obnulit_otmechennyeExecute();
    void Deystvie_svyazat_zabytye_s_otmechennymiExecute();
    void Deystvie_otmetit_zabytymi_po_dateExecute();
    void Deystvie_otmetit_zabytymi_po_nomeramExecute();
    void Deystvie_isklyuchit_slovo_iz_pokazaExecute();

    int lastShownRow() const { return lastShownRow_; }
    RecordTableModel& model() { return *model_; }
    RecordTableView& table() { return *table_; }
    const RecordTableDelegate& delegate() const { return *delegate_; }

    // One stopwatch second (the timer's tick), and its pane text.
    void stopwatchTick();
    QString stopwatchText() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    void buildMenu();
    void buildToolBar();
    QWidget* buildUpperPanel();
    QWidget* buildTable();
    QWidget* buildLowerPanel();
    void buildStatusBar();
    // Widens the "Номер" column when the largest record number does not fit its 40 pixels.
    void fitNumberColumn();
    // Connects and enables the search, jump, marking and exclusion commands.
    void installSearchAndMarkCommands();

    QAction* action(const char* name) const;
    // Connects an action to what it carries out; every command goes through here, so that
    // enabledActionsWithoutCommand() knows which actions do something.
    void bind(QAction* action, std::function<void()> run);
    QAction* actionForKey(const QKeyEvent* key) const;

    void selectColumn2();
    void focusTable();
    void clearRepetitions();
    void showSelectedRowAfterMove();

    // Timers and small controls.
    void onLayoutTimer();
    void onTranslationClicked();
    void onFilterClicked();
    void onRepetitionsClicked();
    void onStopwatchClicked();
    void onStopwatchDoubleClicked();

    // Record table input.
    bool tableKeyDown(QKeyEvent* event);
    void tableKeyUp(QKeyEvent* event);
    void tableMouseDown(const QPoint& at);
    void tableDoubleClick();
    void tableClick();
    void tableWheel(int steps);

    // After-dialog steps.
    void afterAdd();
    void afterInsert(int rememberedRow, bool after);
    void afterEdit(int row);
    void afterDelete(int rememberedRow);

    Globalnye_peremennye_slovarya& g_;

    RecordTableModel* model_ = nullptr;
    RecordTableView* table_ = nullptr;
    RecordTableDelegate* delegate_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* wordLabel_ = nullptr;
    QPushButton* repetitionsButton_ = nullptr;
    QCheckBox* translationBox_ = nullptr;
    QCheckBox* filterBox_ = nullptr;
    QLineEdit* englishSearch_ = nullptr;
    QLineEdit* translationSearch_ = nullptr;
    QPushButton* englishSearchButton_ = nullptr;
    QPushButton* translationSearchButton_ = nullptr;
    ClickableLabel* upPicture_ = nullptr;
    ClickableLabel* helpPicture_ = nullptr;
    FlagIndicator* flag_ = nullptr;
    std::array<QLabel*, 8> panes_{};
    ClickableLabel* stopwatchPane_ = nullptr;
    QTimer* layoutTimer_ = nullptr;
    QTimer* stopwatchTimer_ = nullptr;

    std::map<StatusPane, std::function<QString()>> paneProcedures_;
    std::set<const QAction*> boundActions_;
    bool shown_ = false;
    bool rowChanged_ = false;
    int lastShownRow_ = 0;
    QModelIndex mouseCell_; // the cell under the last mouse press
    int rememberedRow_ = 1;
    int rememberedTopRow_ = 1;
    int hours_ = 0;
    int minutes_ = 0;
    int seconds_ = 0;
};

} // namespace telvo
