#pragma once

#include "preset_notes.h"
#include "presetrecord.h"

#include <QDialog>

#include <array>

class PresetSoundColumn;
class QCheckBox;
class QComboBox;

namespace Ui {
class presetsdialog;
}

// Property tables: P(type, property, Property, member of PresetFormValues).
// Each property gets a read accessor, a setter that ignores unchanged values
// and a notify signal named after the property with "Changed" appended.
#define PRESET_ROWS(X, P) \
    X(P, 1) X(P, 2) X(P, 3) X(P, 4) X(P, 5) X(P, 6) X(P, 7) X(P, 8) \
    X(P, 9) X(P, 10) X(P, 11) X(P, 12) X(P, 13) X(P, 14) X(P, 15) X(P, 16)
#define PRESET_PEDALS(X, P) X(P, 1) X(P, 2)
#define PRESET_LOOPS(X, P) X(P, 1) X(P, 2) X(P, 3) X(P, 4) X(P, 5) X(P, 6) X(P, 7) X(P, 8)

#define PRESET_ROW_PROPERTIES(P, N) \
    P(Qt::CheckState, presetProgramChange##N##Enabled, PresetProgramChange##N##Enabled, programChangeEnabled[N - 1]) \
    P(qint8, presetProgramChangeNumber##N, PresetProgramChangeNumber##N, programChangeNumber[N - 1]) \
    P(Qt::CheckState, presetBankSelect##N##Enabled, PresetBankSelect##N##Enabled, bankSelectEnabled[N - 1]) \
    P(qint8, presetMsb##N, PresetMsb##N, msb[N - 1]) \
    P(qint8, presetLsb##N, PresetLsb##N, lsb[N - 1])
#define PRESET_PEDAL_PROPERTIES(P, N) \
    P(Qt::CheckState, presetExpressionPedal##N##Enabled, PresetExpressionPedal##N##Enabled, pedalEnabled[N - 1]) \
    P(qint8, presetExpressionPedal##N##Channel, PresetExpressionPedal##N##Channel, pedalChannel[N - 1]) \
    P(qint8, presetExpressionPedal##N##ControlChange, PresetExpressionPedal##N##ControlChange, \
      pedalControlChange[N - 1])
#define PRESET_LOOP_PROPERTIES(P, N) P(quint8, presetLoop##N##Enabled, PresetLoop##N##Enabled, loop[N - 1])

#define PRESET_PROPERTIES(P) \
    P(QString, presetname, Presetname, name) \
    PRESET_ROWS(PRESET_ROW_PROPERTIES, P) \
    PRESET_PEDALS(PRESET_PEDAL_PROPERTIES, P) \
    P(quint8, presetRelay1Enabled, PresetRelay1Enabled, relay[0]) \
    P(quint8, presetRelay2Enabled, PresetRelay2Enabled, relay[1]) \
    PRESET_LOOPS(PRESET_LOOP_PROPERTIES, P) \
    P(quint8, presetOutputA, PresetOutputA, output)

#define PRESET_DECLARE_PROPERTY(Type, name, Name, member) \
    Q_PROPERTY(Type name READ name WRITE set##Name NOTIFY name##Changed)
#define PRESET_DECLARE_ACCESSORS(Type, name, Name, member) \
    Type name() const { return m_values.member; } \
    void set##Name(Type value);
#define PRESET_DECLARE_SIGNAL(Type, name, Name, member) void name##Changed();

#define PRESET_DECLARE_ROW_SLOTS(_, N) \
    void on_presetProgramChange##N##EnabledCheckBox_stateChanged(int state); \
    void on_presetBankSelect##N##EnabledCheckBox_stateChanged(int state); \
    void on_presetProgramChangeNumber##N##ComboBox_currentIndexChanged(int index); \
    void on_presetMsb##N##ComboBox_currentIndexChanged(int index); \
    void on_presetLsb##N##ComboBox_currentIndexChanged(int index);
#define PRESET_DECLARE_PEDAL_SLOTS(_, N) \
    void on_presetExpressionPedal##N##EnabledCheckbox_stateChanged(int state); \
    void on_presetExpressionPedal##N##ChannelComboBox_currentIndexChanged(int index); \
    void on_presetExpressionPedal##N##ControlChangeComboBox_currentIndexChanged(int index);
#define PRESET_DECLARE_LOOP_SLOTS(_, N) void on_presetLoop##N##EnabledComboBox_currentIndexChanged(int index);

// Edits the presets of the configuration image one at a time. `image` must
// be the store's configuration image: the dialog reloads it from the file
// when built and on every preset switch. The caller stores the current
// preset with storeFormIntoImage() after an accepted run.
class presetsdialog : public QDialog
{
    Q_OBJECT
    PRESET_PROPERTIES(PRESET_DECLARE_PROPERTY)

public:
    presetsdialog(QWidget *parent, unsigned char *image);
    ~presetsdialog() override;

    void storeFormIntoImage();
    // True when the current preset record already holds what a store would
    // write; prints a "Diff" line for every difference.
    bool presetMatchesForm() const;
    int currentPreset() const { return m_currentPreset; }

    PRESET_PROPERTIES(PRESET_DECLARE_ACCESSORS)

Q_SIGNALS:
    PRESET_PROPERTIES(PRESET_DECLARE_SIGNAL)

private Q_SLOTS:
    void on_presetname_textChanged(const QString &text);
    PRESET_ROWS(PRESET_DECLARE_ROW_SLOTS, _)
    PRESET_PEDALS(PRESET_DECLARE_PEDAL_SLOTS, _)
    PRESET_LOOPS(PRESET_DECLARE_LOOP_SLOTS, _)
    void on_presetRelay1EnabledComboBox_currentIndexChanged(int index);
    void on_presetRelay2EnabledComboBox_currentIndexChanged(int index);
    void on_presetOutputComboBox_currentIndexChanged(int index);
    void on_presetComboBox_currentIndexChanged(int index);
    void on_pushButton_ControlChanges_clicked();
    void on_pushButton_Overrides_clicked();

private:
    struct ProgramChangeRow {
        QCheckBox *enabled;
        QCheckBox *bankSelect;
        QComboBox *number;
        QComboBox *msb;
        QComboBox *lsb;
    };
    struct PedalRow {
        QCheckBox *enabled;
        QComboBox *channel;
        QComboBox *controlChange;
    };

    // Shows record `index`, which the caller has made the current preset.
    void loadPresetIntoForm(int index);
    void collectWidgets();
    void fillLists();
    void fillPresetSelector();
    void resetProperties();
    void labelProgramChangeRows();
    void addSoundNames(); // preset_sound_column.h
    void refreshPresetSelectorTexts();
    void applyEnablingRule(int row);
    void showPresetNotes(int index); // presetsdialog_notes.cpp

    Ui::presetsdialog *ui;
    unsigned char *image;
    int m_currentPreset = -1;
    PresetFormValues m_values;
    PresetNotes m_notes; // beside the memory, as the library saved them
    std::array<ProgramChangeRow, PresetFormValues::kRows> m_rows{};
    std::array<PedalRow, PresetFormValues::kPedals> m_pedals{};
    std::array<QComboBox *, PresetFormValues::kRelays> m_relays{};
    std::array<QComboBox *, PresetFormValues::kLoops> m_loops{};
    PresetSoundColumn *m_sounds = nullptr;
};
