#pragma once

#include <QDialog>

#include <array>

class QComboBox;

namespace Ui {
class overridesdialog;
}

// One property per combo box, named like it: P(property, Property, button, entry byte).
#define OVERRIDE_BUTTONS(X, P) X(P, 1) X(P, 2) X(P, 3) X(P, 4) X(P, 5) X(P, 6) X(P, 7) X(P, 8) X(P, 9)
#define OVERRIDE_BUTTON_PROPERTIES(P, N) \
    P(button##N##OverrideComboBox, Button##N##OverrideComboBox, N, 0) \
    P(button##N##StateComboBox, Button##N##StateComboBox, N, 5) \
    P(button##N##DeviceComboBox, Button##N##DeviceComboBox, N, 2) \
    P(button##N##ControlChangeComboBox, Button##N##ControlChangeComboBox, N, 1) \
    P(button##N##OnValueComboBox, Button##N##OnValueComboBox, N, 3) \
    P(button##N##OffValueComboBox, Button##N##OffValueComboBox, N, 4)
#define OVERRIDE_PROPERTIES(P) OVERRIDE_BUTTONS(OVERRIDE_BUTTON_PROPERTIES, P)

#define OVR_DECLARE_PROPERTY(name, Name, N, byte) \
    Q_PROPERTY(qint8 name READ name WRITE set##Name NOTIFY name##Changed)
#define OVR_DECLARE_ACCESSORS(name, Name, N, byte) \
    qint8 name() const { return m_values[N - 1][byte]; } \
    void set##Name(qint8 value);
#define OVR_DECLARE_SIGNAL(name, Name, N, byte) void name##Changed();
#define OVR_DECLARE_SLOT(name, Name, N, byte) void on_##name##_currentIndexChanged(int index);

// The nine instant-access overrides of one preset. Works on the
// configuration image in memory only; the caller runs
// storeOverridesIntoImage() after the dialog closes, however it was closed.
class overridesdialog : public QDialog
{
    Q_OBJECT
    OVERRIDE_PROPERTIES(OVR_DECLARE_PROPERTY)

public:
    static constexpr int kButtons = 9;
    static constexpr int kEditedBytes = 6; // bytes 6..9 of an entry have no editor

    overridesdialog(QWidget *parent, int presetIndex);
    ~overridesdialog() override;

    void loadOverridesIntoForm();
    void storeOverridesIntoImage() const;
    int presetIndex() const { return m_presetIndex; }

    OVERRIDE_PROPERTIES(OVR_DECLARE_ACCESSORS)

Q_SIGNALS:
    OVERRIDE_PROPERTIES(OVR_DECLARE_SIGNAL)

private Q_SLOTS:
    OVERRIDE_PROPERTIES(OVR_DECLARE_SLOT)

private:
    Ui::overridesdialog *ui;
    unsigned char *image;
    int m_presetIndex = 0;
    // Edited bytes of entry N-1 in record order.
    qint8 m_values[kButtons][kEditedBytes] = {};
    std::array<std::array<QComboBox *, kEditedBytes>, kButtons> m_boxes{};
};
