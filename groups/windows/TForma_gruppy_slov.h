#pragma once

#include "app/core/Globals.h"
#include "groups/logic/GroupEdits.h"
#include "ui/common/GroupsWindow.h"

#include <QMainWindow>
#include <map>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace telvo {

class FlagIndicator;
class GroupCellDelegate;
class TForma_dobavit_gruppu_slov;

// "Группы слов": the modeless window in which groups are browsed, their words typed in place,
// reordered and, on closing, written back to the group file. Group numbers in its methods are
// 1-based (the group table's data rows), word rows 1..14.
class TForma_gruppy_slov : public QMainWindow, public GroupsWindow {
    Q_OBJECT
public:
    TForma_gruppy_slov(Globalnye_peremennye_slovarya& g, QWidget* parent);
    ~TForma_gruppy_slov() override;

    // What other windows ask of it.
    QWidget* widget() override { return this; }
    bool isOpen() const override { return open_; }
    QString selectedWord() const override;
    QString selectedTranslation() const override;
    int selectedGroup() const override;
    void installCommand(GroupsCommand command, std::function<void()> run) override;

    // The add window, created once at start by the composition root.
    void setAddWindow(TForma_dobavit_gruppu_slov* addWindow) { addWindow_ = addWindow; }

    // Shows the window (the main window's groups command); nothing while it is open.
    void open();

    // The commands.
    void Deystvie_dobavit_gruppuExecute();
    void Deystvie_izmenit_gruppuExecute();
    void Deystvie_udalit_gruppuExecute();
    void Deystvie_perenesti_iz_slovaryaExecute();
    void Deystvie_otmetit_zabytym_iz_gruppy_slovExecute();
    void Deysvie_sostavit_paryExecute();
    void Deystvie_nayti_podstroku_v_gruppe_slovExecute();
    // A click on a move picture or its label.
    void move(MoveDirection direction);

    // The word table's cells as they are now, an edit in progress included.
    GroupWordCells wordCells() const;
    // The selected group row (1-based; 1 when there are no groups).
    int selectedGroupRow() const;
    // The selected word row, 1..14.
    int selectedWordRow() const;
    bool editingAllowed() const { return editingAllowed_; }
    int activeTable() const { return activeTable_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class GroupCellDelegate;
    class ComeBack;

    void buildActions();
    void buildToolBar();
    QWidget* buildTopPanel();
    QWidget* buildTables();
    QWidget* buildBottomPanel();
    void buildStatusBar();
    QAction* makeAction(const char* name, const char* text, const char* hint, QKeySequence key,
                        const char* icon);
    void updateWordButtons();

    void FormShow();
    void closeSteps(bool refreshMain);

    // The window's routines.
    void Otobrazit_soderzhanie_oboikh_tablits_dlya_grupp_slov(int32_t group);
    void Otobrazit_soderzhanie_status_stroki(int32_t group);
    void Otobrazit_soderzhanie_status_stroki_pri_redaktirovanii_slov();
    void Otobrazit_angliyskoe_slovo_v_verkhney_paneli();
    void writeTotalPane();
    void Sokhranit_slova_tekushchey_gruppy();

    // Selects group row `row` and runs the group-selection steps.
    void selectGroupRow(int row, int topRow = 0);
    void groupSelected();
    void showGroupMovePictures();
    void showMovePictures(bool shown, bool words);
    void setPairsButton(bool enabled);
    void allowEditing(bool allowed);
    void enterWordTable();
    void leaveWordTable();
    void translationClicked();
    void toggleTranslations(bool focusGroups);
    void finishEditing();
    void wordTableKeyReleased();
    void cellTyped(int row, int column, QLineEdit* editor);
    void setCell(int row, int column, const QString& text);
    void search();
    void onFocusChanged(QWidget* old, QWidget* now);

    Globalnye_peremennye_slovarya& g_;
    TForma_dobavit_gruppu_slov* addWindow_ = nullptr;

    QTableWidget* groupTable_ = nullptr;
    QTableWidget* wordTable_ = nullptr;
    GroupCellDelegate* groupDelegate_ = nullptr;
    GroupCellDelegate* wordDelegate_ = nullptr;
    QLabel* wordLabel_ = nullptr;
    QCheckBox* translationBox_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QLabel* editHint_ = nullptr;
    QLabel* upPicture_ = nullptr;
    QLabel* downPicture_ = nullptr;
    QLabel* upLabel_ = nullptr;
    QLabel* downLabel_ = nullptr;
    FlagIndicator* flag_ = nullptr;
    QLabel* panes_[3] = {};
    QToolButton* forgetButton_ = nullptr;

    std::map<GroupsCommand, QAction*> commandActions_;
    std::map<const QAction*, bool> installed_;
    QAction* transferAction_ = nullptr;
    QAction* forgetAction_ = nullptr;
    QAction* pronounceAction_ = nullptr;
    QAction* playerAction_ = nullptr;
    QAction* pairsAction_ = nullptr;

    bool open_ = false;
    bool closingWithMain_ = false;
    bool wordButtonsOn_ = false;
    bool editingAllowed_ = false;
    bool filling_ = false;
    int activeTable_ = 1;
    int32_t shownGroup_ = 1;
    int32_t movedGroup_ = 0;
};

} // namespace telvo
