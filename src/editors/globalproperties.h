#pragma once

// Every value the global settings dialog edits, as one table the dialog
// expands into properties, accessors, notify signals and slots:
//   X(type, property, Property, widget, kind)
// kind says which widget signal feeds the property: List (combo box
// position), Function (a List that also enables the button row), Check
// (check box state) or Text (line edit text).

#define GLOBAL_GENERAL_PROPERTIES(X)                                                \
    X(qint8, midiChannel, MidiChannel, inputChannelCombo, List)                     \
    X(Qt::CheckState, softThruEnabled, SoftThruEnabled, softThruEnabledCheckBox, Check) \
    X(qint8, sysexId, SysexId, sysexIdCombo, List)                                  \
    X(qint8, sysexRemoteId, SysexRemoteId, sysexRemoteIdComboBox, List)             \
    X(Qt::CheckState, axeFxEnabled, AxeFxEnabled, axeFxEnabledCheckBox, Check)      \
    X(qint8, axeFxModel, AxeFxModel, axeFxModelComboBox, List)                      \
    X(Qt::CheckState, sysexDumpFullSpeed, SysexDumpFullSpeed, fullSpeedDumpCheckBox, Check)

// One property per record of a family; the widget is the property's name
// followed by the widget kind.
#define GLOBAL_FAMILY_ENTRY(X, type, prefix, Prefix, n, Field, widgetKind, kind) \
    X(type, prefix##n##Field, Prefix##n##Field, prefix##n##Field##widgetKind, kind)

#define GLOBAL_PEDALS(X, type, Field, widgetKind, kind)                                   \
    GLOBAL_FAMILY_ENTRY(X, type, expressionPedal, ExpressionPedal, 1, Field, widgetKind, kind) \
    GLOBAL_FAMILY_ENTRY(X, type, expressionPedal, ExpressionPedal, 2, Field, widgetKind, kind)

#define GLOBAL_CHANNELS(X, type, Field, widgetKind, kind)                          \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 1, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 2, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 3, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 4, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 5, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 6, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 7, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 8, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 9, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 10, Field, widgetKind, kind)    \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 11, Field, widgetKind, kind)    \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 12, Field, widgetKind, kind)    \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 13, Field, widgetKind, kind)    \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 14, Field, widgetKind, kind)    \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 15, Field, widgetKind, kind)    \
    GLOBAL_FAMILY_ENTRY(X, type, channel, Channel, 16, Field, widgetKind, kind)

#define GLOBAL_BUTTONS(X, type, Field, widgetKind, kind)                         \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 1, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 2, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 3, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 4, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 5, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 6, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 7, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 8, Field, widgetKind, kind)     \
    GLOBAL_FAMILY_ENTRY(X, type, button, Button, 9, Field, widgetKind, kind)

#define GLOBAL_RECORD_PROPERTIES(X)                                 \
    GLOBAL_PEDALS(X, Qt::CheckState, Enabled, CheckBox, Check)      \
    GLOBAL_PEDALS(X, QString, Name, LineEdit, Text)                 \
    GLOBAL_CHANNELS(X, Qt::CheckState, Enabled, CheckBox, Check)    \
    GLOBAL_CHANNELS(X, QString, Name, LineEdit, Text)               \
    GLOBAL_BUTTONS(X, qint8, Function, ComboBox, Function)          \
    GLOBAL_BUTTONS(X, qint8, Action, ComboBox, List)                \
    GLOBAL_BUTTONS(X, QString, Name, LineEdit, Text)                \
    GLOBAL_BUTTONS(X, qint16, Favorite, ComboBox, List)             \
    GLOBAL_BUTTONS(X, QString, OffCustom, LineEdit, Text)           \
    GLOBAL_BUTTONS(X, QString, OnCustom, LineEdit, Text)            \
    GLOBAL_BUTTONS(X, qint8, Loop, ComboBox, List)                  \
    GLOBAL_BUTTONS(X, qint8, Relay, ComboBox, List)                 \
    GLOBAL_BUTTONS(X, qint8, ControlChange, ComboBox, List)         \
    GLOBAL_BUTTONS(X, qint8, Channel, ComboBox, List)               \
    GLOBAL_BUTTONS(X, qint8, OnValue, ComboBox, List)               \
    GLOBAL_BUTTONS(X, qint8, OffValue, ComboBox, List)              \
    GLOBAL_BUTTONS(X, qint8, Step, ComboBox, List)

#define GLOBAL_PROPERTIES(X)    \
    GLOBAL_GENERAL_PROPERTIES(X) \
    GLOBAL_RECORD_PROPERTIES(X)
