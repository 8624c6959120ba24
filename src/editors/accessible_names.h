#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

class QAbstractItemView;
class QGridLayout;
class QLabel;
class QWidget;

// What a screen reader hears of each control, and the keys of a window.
// Forms keep their object names and texts; these are set after setupUi.

// Names every focusable widget of `grid` after its row and its column, as
// the headers of the grid show them: the nearest label to its left in its
// row and the nearest label above it in its column. `pattern` takes the row
// header as %1 and the column header as %2 ("Button %1 %2" reads
// "Button 3 Channel"); a widget with only one of them is named by that one.
// Also puts the grid's widgets in the tab order row by row, left to right.
void name_grid_cells(QGridLayout *grid, const QString &pattern);

// Each label becomes the buddy of its field, which then takes its name from
// the label (and its Alt key, where the label has one).
void label_fields(std::initializer_list<std::pair<QLabel *, QWidget *>> pairs);

// The same description (a range, what a value means) for every widget given.
void describe_fields(std::initializer_list<QWidget *> widgets, const QString &description);

// Gives every button and check box of `window` that has no key of its own an
// Alt key: the first letter of its text that no other control of the window
// uses. The texts stay as they are; the key is announced with the button.
// Every window calls it: it also makes its combo boxes say their names.
void give_buttons_keys(QWidget *window);

// Tells assistive technology that a label whose text changes on its own (a
// counter, a progress text) now reads differently; a label that changes many
// times a second is announced at most every 1.5 s.
void announce_text_change(QLabel *label);

// Return (or Enter) in `view` does `action`, as a double-click does, instead
// of reaching the dialog's default button. Not while a cell is being edited.
void activate_on_return(QAbstractItemView *view, const std::function<void()> &action);
