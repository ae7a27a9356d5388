#pragma once

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace telvo {

class MainWindow;

// A label that reports a click of the left button (the web address).
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The program's name, version and the maker's web address, which a click opens in the browser.
class TForma_o_programme : public QDialog {
    Q_OBJECT
public:
    explicit TForma_o_programme(QWidget* parent = nullptr);

    QLabel* Risunok = nullptr;
    QLabel* Nadpis_s_nazvaniem = nullptr;
    QLabel* Nadpis_s_nazvaniem_programmy = nullptr;
    QLabel* Nadpis_versiya = nullptr;
    LinkLabel* Nadpis_adres_sayta = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

// "О программе".
void installAboutCommand(MainWindow& main);

} // namespace telvo
