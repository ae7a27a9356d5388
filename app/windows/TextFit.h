#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QFont;
class QLabel;
class QString;
class QWidget;

namespace telvo {

// The windows were drawn for a narrower font than a Linux desktop has; these keep every text
// readable whole by growing downwards, never by cutting it.

// A word-wrapped label in a window laid out by coordinates. After each new text, fit() gives
// the label the height its text needs (at least the height it was made with), moves the
// widgets below it down by as much and makes the window that much taller, keeping its width.
class LabelFit {
public:
    // Call once the window and its controls are placed. Widgets of the window whose top lies
    // at or below the label's bottom move with it.
    explicit LabelFit(QLabel* label);
    void fit();

private:
    QLabel* label_;
    QWidget* window_;
    QRect labelBase_;
    QSize windowBase_;
    QList<QPair<QWidget*, QPoint>> below_;
};

// A window laid out by a layout, made at `base` size: its height grows to what the layout
// needs at that width (word-wrapped labels included), never below `base`.
void fitWindowHeight(QWidget* window, QSize base);

// A one-line label that must keep its place: its font (made from `base`) is made smaller,
// a pixel or a point at a time, until the text fits the label's width.
void shrinkFontToFit(QLabel* label, const QFont& base);

// Width that shows `text` whole in `font` with `inset` pixels on each side, never less than
// `minimum`.
int widthToShow(const QFont& font, const QString& text, int inset, int minimum);

} // namespace telvo
