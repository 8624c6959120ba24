#include "controlchangedialog.h"
#include "ui_controlchangedialog.h"

#include "choicelists.h"
#include "control_change_names.h"
#include "editor_names.h"
#include "fields.h"
#include "image_layout.h"
#include "presetlists.h"
#include "slotconnection.h"
#include "store.h"

static_assert(layout::controlchange::kEnabled == 0 && layout::controlchange::kDevice == 1
                  && layout::controlchange::kNumber == 2 && layout::controlchange::kValue == 3,
              "combo boxes follow the entry's byte order");

ControlChangeDialog::ControlChangeDialog(QWidget *parent, int presetIndex)
    : QDialog(parent)
    , ui(new Ui::ControlChangeDialog)
    , image(config_image())
{
    Q_ASSERT(presetIndex >= 0 && presetIndex < layout::kPresetCount);
    ui->setupUi(this);
    connect_slots_by_object_name(this);
#define CC_COLLECT_ENTRY(_, K) \
    m_boxes[K - 1] = {ui->controlChange##K##EnabledComboBox, ui->controlChange##K##DeviceComboBox, \
                      ui->controlChange##K##NumberComboBox, ui->controlChange##K##ValueComboBox};
    CONTROL_CHANGE_ENTRIES(CC_COLLECT_ENTRY, _)
#undef CC_COLLECT_ENTRY

    QList<QComboBox *> enableLists, numberLists, deviceLists;
    for (const auto &entry : m_boxes) {
        enableLists << entry[layout::controlchange::kEnabled];
        deviceLists << entry[layout::controlchange::kDevice];
        numberLists << entry[layout::controlchange::kNumber] << entry[layout::controlchange::kValue];
    }
    ChoiceItems(offOnTexts()).appendToEach(enableLists);
    numberChoices().appendToEach(numberLists);
    ChoiceItems(deviceListTexts(image)).appendToEach(deviceLists);

    m_presetIndex = presetIndex;
    const int nameColumn = ui->gridLayout->columnCount();
    for (int k = 0; k < kEntries; ++k)
        add_control_name_label(ui->gridLayout, k, m_boxes[size_t(k)][layout::controlchange::kDevice],
                               m_boxes[size_t(k)][layout::controlchange::kNumber], this, nameColumn);
    loadControlChanges();
    name_control_change_controls(this, ui);
}

ControlChangeDialog::~ControlChangeDialog()
{
    delete ui;
}

void ControlChangeDialog::loadControlChanges()
{
    ui->presetNumberLabel->setText(preset_entry_text(image, m_presetIndex));
    const unsigned char *record = image + layout::presetOffset(m_presetIndex);
    for (int k = 0; k < kEntries; ++k) {
        const unsigned char *entry = record + layout::preset::controlChangeOffset(k);
        // Positions as stored: a byte outside a list leaves it unselected.
        for (int byte = 0; byte < kEntryBytes; ++byte)
            m_boxes[size_t(k)][size_t(byte)]->setCurrentIndex(static_cast<signed char>(entry[byte]));
    }
}

void ControlChangeDialog::storeControlChanges() const
{
    unsigned char *record = image + layout::presetOffset(m_presetIndex);
    for (int k = 0; k < kEntries; ++k) {
        unsigned char *entry = record + layout::preset::controlChangeOffset(k);
        for (int byte = 0; byte < kEntryBytes; ++byte)
            entry[byte] = static_cast<unsigned char>(m_values[k][byte]);
    }
}

#define CC_DEFINE_SETTER_AND_SLOT(name, Name, K, byte) \
    void ControlChangeDialog::set##Name(qint8 value) \
    { \
        if (m_values[K - 1][byte] == value) \
            return; \
        m_values[K - 1][byte] = value; \
        update(); \
        emit name##Changed(); \
    } \
    void ControlChangeDialog::on_##name##_currentIndexChanged(int index) \
    { \
        set##Name(static_cast<qint8>(index)); \
    }

CC_FOR_ENTRY_PROPERTIES(CC_DEFINE_SETTER_AND_SLOT)
