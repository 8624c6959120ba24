#pragma once

class QComboBox;
class QGridLayout;
class QWidget;

// The control-change window's names: beside entry K the name its device
// gives the control (controlChange{K}NameLabel), following the entry's
// device and number as they change. `deviceBox` and `numberBox` sit in `grid`;
// the label goes in its column `nameColumn`.
void add_control_name_label(QGridLayout *grid, int entry, QComboBox *deviceBox, QComboBox *numberBox,
                            QWidget *window, int nameColumn);
