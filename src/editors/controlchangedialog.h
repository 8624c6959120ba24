#pragma once

#include <QDialog>

#include <array>

class QComboBox;

namespace Ui {
class ControlChangeDialog;
}

// One property per combo box, named like it: P(property, Property, entry, byte).
#define CONTROL_CHANGE_ENTRIES(X, P) \
    X(P, 1) X(P, 2) X(P, 3) X(P, 4) X(P, 5) X(P, 6) X(P, 7) X(P, 8) X(P, 9) X(P, 10) \
    X(P, 11) X(P, 12) X(P, 13) X(P, 14) X(P, 15) X(P, 16) X(P, 17) X(P, 18) X(P, 19) X(P, 20)
#define CONTROL_CHANGE_ENTRY_PROPERTIES(P, K) \
    P(controlChange##K##EnabledComboBox, ControlChange##K##EnabledComboBox, K, 0) \
    P(controlChange##K##DeviceComboBox, ControlChange##K##DeviceComboBox, K, 1) \
    P(controlChange##K##NumberComboBox, ControlChange##K##NumberComboBox, K, 2) \
    P(controlChange##K##ValueComboBox, ControlChange##K##ValueComboBox, K, 3)

#define CC_DECLARE_PROPERTY(name, Name, K, byte) \
    Q_PROPERTY(qint8 name READ name WRITE set##Name NOTIFY name##Changed)
#define CC_DECLARE_ACCESSORS(name, Name, K, byte) \
    qint8 name() const { return m_values[K - 1][byte]; } \
    void set##Name(qint8 value);
#define CC_DECLARE_SIGNAL(name, Name, K, byte) void name##Changed();
#define CC_DECLARE_SLOT(name, Name, K, byte) void on_##name##_currentIndexChanged(int index);

#define CC_FOR_ENTRY_PROPERTIES(P) CONTROL_CHANGE_ENTRIES(CONTROL_CHANGE_ENTRY_PROPERTIES, P)

// The twenty control changes of one preset. Works on the configuration
// image in memory only; the caller runs storeControlChanges() after the
// dialog closes, however it was closed.
class ControlChangeDialog : public QDialog
{
    Q_OBJECT
    CC_FOR_ENTRY_PROPERTIES(CC_DECLARE_PROPERTY)

public:
    static constexpr int kEntries = 20;
    static constexpr int kEntryBytes = 4;

    ControlChangeDialog(QWidget *parent, int presetIndex);
    ~ControlChangeDialog() override;

    void loadControlChanges();
    void storeControlChanges() const;
    int presetIndex() const { return m_presetIndex; }

    CC_FOR_ENTRY_PROPERTIES(CC_DECLARE_ACCESSORS)

Q_SIGNALS:
    CC_FOR_ENTRY_PROPERTIES(CC_DECLARE_SIGNAL)

private Q_SLOTS:
    CC_FOR_ENTRY_PROPERTIES(CC_DECLARE_SLOT)

private:
    Ui::ControlChangeDialog *ui;
    unsigned char *image;
    int m_presetIndex = 0;
    // Bytes of entry K-1 in record order: enabled, device, number, value.
    qint8 m_values[kEntries][kEntryBytes] = {};
    std::array<std::array<QComboBox *, kEntryBytes>, kEntries> m_boxes{};
};
