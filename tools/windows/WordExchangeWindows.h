#pragma once

#include "app/core/Globals.h"
#include "tools/logic/ImportPlan.h"
#include "tools/logic/WordImport.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace telvo {

class MainWindow;

// The file dialogs of the import and the export; tests put choosers of their own in.
struct WordFileChoosers {
    std::function<QString(QWidget* parent)> open;
    std::function<QString(QWidget* parent, const QString& suggested)> save;
};
// Replaces the choosers and returns the ones before.
WordFileChoosers setWordFileChoosers(WordFileChoosers choosers);

// Words from a file of another vocabulary program: the file read in the background (with a
// cancel button for large files), the columns chosen in a preview of the first words, the
// duplicates' fate chosen, then one change of the dictionary.
class TForma_import_slov : public QDialog {
    Q_OBJECT
public:
    explicit TForma_import_slov(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);

    // Reads `path` and fills the window. False when the import cannot go on: the file could not
    // be read (a message says why) or its reading was cancelled.
    bool openFile(const QString& path);

    // What the last accepted showing did.
    const std::optional<ImportPlan>& result() const { return result_; }

    QLabel* Nadpis_fayla = nullptr;
    QComboBox* Spisok_razdeliteley = nullptr;
    QCheckBox* Pereklyuchatel_zagolovok = nullptr;
    QComboBox* Stolbets_angliyskogo_slova = nullptr;
    QComboBox* Stolbets_transkriptsii = nullptr;
    QComboBox* Stolbets_perevoda = nullptr;
    QTableWidget* Tablitsa_predprosmotra = nullptr;
    QRadioButton* Pereklyuchatel_propuskat_povtory = nullptr;
    QRadioButton* Pereklyuchatel_obnovlyat_povtory = nullptr;
    QCheckBox* Pereklyuchatel_uroki_v_gruppy = nullptr;
    QLabel* Nadpis_podskazki = nullptr;
    QPushButton* Knopka_importirovat = nullptr;
    QPushButton* Knopka_otmena = nullptr;

private:
    struct Parsed {
        ImportFormat format = ImportFormat::Delimited;
        QString text; // the decoded text of delimited and flash-card files
        std::vector<QStringList> records;
        std::optional<KvtmlDocument> kvtml;
        QString error;
    };
    static Parsed parse(const QByteArray& content);
    void fillColumns();
    void refreshPreview();
    std::vector<RecordTexts> words() const;
    void onImport();

    Globalnye_peremennye_slovarya& g_;
    Parsed parsed_;
    bool filling_ = false;
    std::optional<ImportPlan> result_;
};

// Which words go out and in which format; the file is chosen with the save dialog.
class TForma_eksport_slov : public QDialog {
    Q_OBJECT
public:
    explicit TForma_eksport_slov(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);

    QRadioButton* Pereklyuchatel_ves_slovar = nullptr;
    QRadioButton* Pereklyuchatel_diapazon = nullptr;
    QRadioButton* Pereklyuchatel_zabytye = nullptr;
    QComboBox* Spisok_formatov = nullptr;
    QPushButton* Knopka_eksportirovat = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void onExport();
    Globalnye_peremennye_slovarya& g_;
};

// "Импорт слов..." and "Экспорт слов..." of the main window's "Файл" menu.
void installWordExchangeCommands(MainWindow& main, Globalnye_peremennye_slovarya& g);

} // namespace telvo
