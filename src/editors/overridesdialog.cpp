#include "overridesdialog.h"
#include "ui_overridesdialog.h"

#include "choicelists.h"
#include "editor_names.h"
#include "fields.h"
#include "image_layout.h"
#include "presetlists.h"
#include "slotconnection.h"
#include "rig_sound_text.h"
#include "store.h"

namespace {

using namespace layout::override_;

// Bytes of an entry in the order the form loads their combo boxes.
const int kLoadOrder[overridesdialog::kEditedBytes] = {kOverride, kState, kDevice, kControlChange, kOnValue, kOffValue};

} // namespace

overridesdialog::overridesdialog(QWidget *parent, int presetIndex)
    : QDialog(parent)
    , ui(new Ui::overridesdialog)
    , image(config_image())
{
    Q_ASSERT(presetIndex >= 0 && presetIndex < layout::kPresetCount);
    ui->setupUi(this);
    connect_slots_by_object_name(this);
#define OVR_COLLECT_ROW(_, N) \
    m_boxes[N - 1][kOverride] = ui->button##N##OverrideComboBox; \
    m_boxes[N - 1][kState] = ui->button##N##StateComboBox; \
    m_boxes[N - 1][kDevice] = ui->button##N##DeviceComboBox; \
    m_boxes[N - 1][kControlChange] = ui->button##N##ControlChangeComboBox; \
    m_boxes[N - 1][kOnValue] = ui->button##N##OnValueComboBox; \
    m_boxes[N - 1][kOffValue] = ui->button##N##OffValueComboBox;
    OVERRIDE_BUTTONS(OVR_COLLECT_ROW, _)
#undef OVR_COLLECT_ROW

    QList<QComboBox *> offOnLists, numberLists, deviceLists;
    for (const auto &row : m_boxes) {
        offOnLists << row[kOverride] << row[kState];
        numberLists << row[kControlChange] << row[kOnValue] << row[kOffValue];
        deviceLists << row[kDevice];
    }
    ChoiceItems(offOnTexts()).appendToEach(offOnLists);
    numberChoices().appendToEach(numberLists);
    ChoiceItems(deviceListTexts(image)).appendToEach(deviceLists);

    m_presetIndex = presetIndex;
    for (const auto &row : m_boxes)
        name_control_in_tooltip(row[kDevice], row[kControlChange]);
    loadOverridesIntoForm();
    name_override_controls(this, ui);
}

overridesdialog::~overridesdialog()
{
    delete ui;
}

void overridesdialog::loadOverridesIntoForm()
{
    ui->presetNumberLabel->setText(preset_entry_text(image, m_presetIndex));
    const unsigned char *record = image + layout::presetOffset(m_presetIndex);
    for (int b = 0; b < kButtons; ++b) {
        const unsigned char *entry = record + layout::preset::overrideOffset(b);
        // Positions as stored: a byte outside a list leaves it unselected.
        for (int byte : kLoadOrder)
            m_boxes[size_t(b)][size_t(byte)]->setCurrentIndex(static_cast<signed char>(entry[byte]));
    }
}

void overridesdialog::storeOverridesIntoImage() const
{
    unsigned char *record = image + layout::presetOffset(m_presetIndex);
    for (int b = 0; b < kButtons; ++b) {
        unsigned char *entry = record + layout::preset::overrideOffset(b);
        for (int byte = 0; byte < kEditedBytes; ++byte)
            entry[byte] = static_cast<unsigned char>(m_values[b][byte]);
    }
}

#define OVR_DEFINE_SETTER_AND_SLOT(name, Name, N, byte) \
    void overridesdialog::set##Name(qint8 value) \
    { \
        if (m_values[N - 1][byte] == value) \
            return; \
        m_values[N - 1][byte] = value; \
        update(); \
        emit name##Changed(); \
    } \
    void overridesdialog::on_##name##_currentIndexChanged(int index) \
    { \
        set##Name(static_cast<qint8>(index)); \
    }

OVERRIDE_PROPERTIES(OVR_DEFINE_SETTER_AND_SLOT)
