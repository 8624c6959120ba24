#pragma once

#include "globalproperties.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class globaldialog;
}

// Global settings of the controller: buttons, device channels, expression
// pedals and the MIDI and SysEx options. Every edited value lives in a
// property of the dialog; the constructor loads them from the configuration
// image and the caller stores them back after an accepted run.
class globaldialog : public QDialog
{
    Q_OBJECT

#define GLOBAL_DECLARE_PROPERTY(type, name, Name, widget, kind) \
    Q_PROPERTY(type name READ name WRITE set##Name NOTIFY name##Changed)
    GLOBAL_PROPERTIES(GLOBAL_DECLARE_PROPERTY)
#undef GLOBAL_DECLARE_PROPERTY

public:
    explicit globaldialog(QWidget *parent = nullptr);
    ~globaldialog() override;

    // Writes every edited field into `image`; bytes the dialog does not edit
    // are left alone.
    void storeToImage(unsigned char *image) const;

#define GLOBAL_DECLARE_ACCESSORS(type, name, Name, widget, kind) \
    type name() const { return m_##name; }                       \
    void set##Name(type value);
    GLOBAL_PROPERTIES(GLOBAL_DECLARE_ACCESSORS)
#undef GLOBAL_DECLARE_ACCESSORS

signals:
    // The two SysEx id signals come in the controller's own order.
    void midiChannelChanged();
    void softThruEnabledChanged();
    void sysexRemoteIdChanged();
    void sysexIdChanged();
    void axeFxEnabledChanged();
    void axeFxModelChanged();
    void sysexDumpFullSpeedChanged();
#define GLOBAL_DECLARE_SIGNAL(type, name, Name, widget, kind) void name##Changed();
    GLOBAL_RECORD_PROPERTIES(GLOBAL_DECLARE_SIGNAL)
#undef GLOBAL_DECLARE_SIGNAL

private slots:
#define GLOBAL_SLOT_List(widget) void on_##widget##_currentIndexChanged(int index);
#define GLOBAL_SLOT_Function(widget) void on_##widget##_currentIndexChanged(int index);
#define GLOBAL_SLOT_Check(widget) void on_##widget##_stateChanged(int arg1);
#define GLOBAL_SLOT_Text(widget) void on_##widget##_textChanged(const QString &arg1);
#define GLOBAL_DECLARE_SLOT(type, name, Name, widget, kind) GLOBAL_SLOT_##kind(widget)
    GLOBAL_PROPERTIES(GLOBAL_DECLARE_SLOT)
#undef GLOBAL_DECLARE_SLOT
#undef GLOBAL_SLOT_List
#undef GLOBAL_SLOT_Function
#undef GLOBAL_SLOT_Check
#undef GLOBAL_SLOT_Text

private:
    // The widgets of one button row, left to right.
    struct ButtonRow {
        QComboBox *function;
        QComboBox *action;
        QLineEdit *name;
        QComboBox *favorite;
        QLineEdit *offCustom;
        QLineEdit *onCustom;
        QComboBox *loop;
        QComboBox *relay;
        QComboBox *controlChange;
        QComboBox *channel;
        QComboBox *onValue;
        QComboBox *offValue;
        QComboBox *step;
    };

    // An expression pedal or a device channel.
    struct NamedRecord {
        QCheckBox *enabled;
        QLineEdit *name;
    };

    void collectWidgets();
    void sizeFieldsToTheirText();
    void fillValueLists();
    void loadFromImage(unsigned char *image);
    void applyEnableRule(int button, int function);

    Ui::globaldialog *ui;
    std::array<ButtonRow, 9> buttonRows;
    std::array<NamedRecord, 2> pedals;
    std::array<NamedRecord, 16> channels;

#define GLOBAL_DECLARE_MEMBER(type, name, Name, widget, kind) type m_##name{};
    GLOBAL_PROPERTIES(GLOBAL_DECLARE_MEMBER)
#undef GLOBAL_DECLARE_MEMBER
};
