#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QComboBox;
struct PatchBank;
struct PatchName;

// What the rig in use calls the numbers a preset sends to device 0..15.

// "Plexi Lead (1A)", or empty when the device names no such sound.
QString program_sound_text(int device, bool bankSelect, int msb, int lsb, int program);
// "Wah", or empty.
QString control_sound_text(int device, int number);

// Each sound of the device for a list to choose from: "Plexi Lead (1A) - bank 0/1, program 5".
struct SoundChoice {
    const PatchBank *bank;
    const PatchName *patch;
};
QVector<SoundChoice> sound_choices(int device);
QStringList sound_choice_texts(const QVector<SoundChoice> &choices);

// A control-change list's tooltip says the control's name by the device in
// `deviceBox` (whose positions are the devices): keeps it in step with both.
void name_control_in_tooltip(QComboBox *deviceBox, QComboBox *controlBox);
