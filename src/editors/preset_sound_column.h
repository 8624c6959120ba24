#pragma once

#include <QObject>
#include <QVector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QAction;

// The presets window's sounds: beside each device's program change the name
// of the sound it reaches (presetProgramSound{N}Label), following the bank
// select and the number as they change, and an action of the row's program
// list (Ctrl+F, its context menu) that picks the sound by name, setting the
// row's own boxes so the window sees an ordinary edit.
class PresetSoundColumn : public QObject
{
    Q_OBJECT

public:
    struct Row {
        QCheckBox *enabled;
        QCheckBox *bankSelect;
        QComboBox *number;
        QComboBox *msb;
        QComboBox *lsb;
    };
    // Adds the column to `grid`, whose row N + 1 holds device N's boxes.
    PresetSoundColumn(QGridLayout *grid, const QVector<Row> &rows, QWidget *window);

    // While a preset is loaded into the rows, the labels wait and are
    // written once at the end, not once for every box set.
    void holdLabels() { m_held = true; }
    void releaseLabels();
    // Sets device `device`'s row to the sound at position `choice` of its list.
    void chooseSound(int device, int choice);

private:
    void refresh(int device);
    void askForSound(int device);

    QWidget *m_window;
    QVector<Row> m_rows;
    QVector<QLabel *> m_labels;
    QVector<QAction *> m_actions;
    bool m_held = false;
};
