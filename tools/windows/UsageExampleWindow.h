#pragma once

#include "app/core/Globals.h"
#include "tools/logic/RichText.h"

#include <QDialog>
#include <QString>

class QAction;
class QTextEdit;
class QToolBar;
class QToolButton;
class QPushButton;

namespace telvo {

class FlagIndicator;

// The usage examples of one word or idiom, edited as rich text and kept in the sound folder.
// Closing with an empty editor deletes the file; closing after a change writes it. When the
// file cannot be written the window stays open with the reason (unless the user chooses to
// close without saving), so typed examples are not lost.
class TForma_primer_upotrebleniy : public QDialog {
    Q_OBJECT
public:
    TForma_primer_upotrebleniy(Globalnye_peremennye_slovarya& g, QString word, QString file,
                               QWidget* parent = nullptr);

    const QString& word() const { return word_; }
    const QString& file() const { return file_; }
    bool changed() const { return Primer_izmenen_; }
    // False when the file exists but cannot be read: the window says so and closes.
    bool loaded() const { return loaded_; }

    QToolBar* Panel_upravleniya = nullptr;
    QAction* Deystvie_zhirno = nullptr;
    QAction* Deystvie_kursiv = nullptr;
    QAction* Deystvie_vlevo = nullptr;
    QAction* Deystvie_po_tsentru = nullptr;
    QAction* Deystvie_vpravo = nullptr;
    QTextEdit* Rich_redaktor = nullptr;
    FlagIndicator* Risunok_formy_primer_upotrebleniya = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateToolbar();
    void setAlignment(Qt::Alignment alignment);
    bool finish();

    Globalnye_peremennye_slovarya& g_;
    QString word_;
    QString file_;
    rtf::Document loadedTables_;
    bool Primer_izmenen_ = false;
    bool tracking_ = false;
    bool loaded_ = true;
    bool keepsUnshown_ = false;
};

} // namespace telvo
