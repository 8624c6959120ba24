#include "presetsdialog.h"
#include "ui_presetsdialog.h"

#include "choicelists.h"
#include "controlchangedialog.h"
#include "editor_names.h"
#include "fields.h"
#include "image_layout.h"
#include "overridesdialog.h"
#include "presetlists.h"
#include "preset_sound_column.h"
#include "preset_sends.h"
#include "save_warning.h"
#include "slotconnection.h"
#include "rig_sound_text.h"
#include "store.h"
#include "valuelistmodel.h"

#include <QMessageBox>

#include <cstdio>

namespace {

Qt::CheckState checkStateOf(int state)
{
    return state == Qt::Checked ? Qt::Checked : Qt::Unchecked;
}

} // namespace

presetsdialog::presetsdialog(QWidget *parent, unsigned char *image)
    : QDialog(parent)
    , ui(new Ui::presetsdialog)
    , image(image)
{
    ui->setupUi(this);
    connect_slots_by_object_name(this);
    collectWidgets();
    fillLists();
    load_image();
    m_currentPreset = -1;
    fillPresetSelector();
    ChoiceItems(deviceListTexts(image)).appendToEach(QList<QComboBox *>{m_pedals[0].channel, m_pedals[1].channel});
    m_currentPreset = 0;
    resetProperties();
    labelProgramChangeRows();
    addSoundNames();
    name_preset_controls(this, ui);
    std::printf("Loading data into form...\n");
    loadPresetIntoForm(0);
    presetMatchesForm(); // only its diagnostic lines matter here
}

presetsdialog::~presetsdialog()
{
    delete ui;
}

#define PRESET_COLLECT_ROW(_, N) \
    m_rows[N - 1] = {ui->presetProgramChange##N##EnabledCheckBox, ui->presetBankSelect##N##EnabledCheckBox, \
                     ui->presetProgramChangeNumber##N##ComboBox, ui->presetMsb##N##ComboBox, \
                     ui->presetLsb##N##ComboBox};
#define PRESET_COLLECT_PEDAL(_, N) \
    m_pedals[N - 1] = {ui->presetExpressionPedal##N##EnabledCheckbox, ui->presetExpressionPedal##N##ChannelComboBox, \
                       ui->presetExpressionPedal##N##ControlChangeComboBox};
#define PRESET_COLLECT_LOOP(_, N) m_loops[N - 1] = ui->presetLoop##N##EnabledComboBox;

void presetsdialog::collectWidgets()
{
    PRESET_ROWS(PRESET_COLLECT_ROW, _)
    PRESET_PEDALS(PRESET_COLLECT_PEDAL, _)
    PRESET_LOOPS(PRESET_COLLECT_LOOP, _)
    m_relays = {ui->presetRelay1EnabledComboBox, ui->presetRelay2EnabledComboBox};
}

void presetsdialog::fillLists()
{
    const QStringList switching = offOnTexts() << tr("unchanged");
    QList<QComboBox *> switches(m_relays.begin(), m_relays.end());
    for (QComboBox *loop : m_loops)
        switches << loop;
    ChoiceItems(switching).appendToEach(switches);
    ChoiceItems({QStringLiteral("A"), QStringLiteral("B"), tr("unchanged")})
        .appendTo(ui->presetOutputComboBox);

    QList<QComboBox *> numberLists;
    for (const ProgramChangeRow &row : m_rows)
        numberLists << row.number << row.msb << row.lsb;
    for (const PedalRow &pedal : m_pedals)
        numberLists << pedal.controlChange;
    numberChoices().appendToEach(numberLists);
}

void presetsdialog::fillPresetSelector()
{
    QStringList entries;
    for (int i = 0; i < layout::kPresetCount; ++i)
        entries << preset_entry_text(image, i);
    ui->presetComboBox->setModel(new ValueListModel(entries, this));
}

#define PRESET_RESET_PROPERTY(Type, name, Name, member) set##Name(Type());

void presetsdialog::resetProperties()
{
    PRESET_PROPERTIES(PRESET_RESET_PROPERTY)
}

#define PRESET_ROW_LABEL(_, N) ui->presetProgramChange##N##Label,

void presetsdialog::labelProgramChangeRows()
{
    QLabel *const labels[] = {PRESET_ROWS(PRESET_ROW_LABEL, _)};
    static_assert(sizeof labels / sizeof *labels == PresetFormValues::kRows, "one label per row");
    for (int row = 0; row < PresetFormValues::kRows; ++row) {
        QLabel *label = labels[row];
        const unsigned char *deviceName = image + layout::deviceOffset(row) + layout::device::kName;
        label->setText(QStringLiteral("%1 - ").arg(row + 1) + name_text(deviceName));
    }
}

void presetsdialog::addSoundNames()
{
    QVector<PresetSoundColumn::Row> rows;
    for (const ProgramChangeRow &row : m_rows)
        rows.append({row.enabled, row.bankSelect, row.number, row.msb, row.lsb});
    m_sounds = new PresetSoundColumn(ui->gridLayout, rows, this);
    for (const PedalRow &pedal : m_pedals)
        name_control_in_tooltip(pedal.channel, pedal.controlChange);
}

void presetsdialog::loadPresetIntoForm(int index)
{
    using namespace layout;
    ui->presetComboBox->setCurrentIndex(index);
    m_sounds->holdLabels();
    const unsigned char *record = image + presetOffset(index);
    auto signedByte = [](unsigned char byte) { return int(static_cast<signed char>(byte)); };

    ui->presetname->setText(name_text(record + preset::kName));
    showPresetNotes(index);
    // As Play, the find and the check read the preset.
    for (int c = 0; c < PresetFormValues::kRows; ++c) {
        const ProgramChangeEntry entry = program_change_entry(record, c);
        const ProgramChangeRow &row = m_rows[size_t(c)];
        row.enabled->setChecked(entry.enabled);
        row.bankSelect->setChecked(entry.bankSelect);
        row.number->setCurrentIndex(entry.number);
        row.msb->setCurrentIndex(entry.msb);
        row.lsb->setCurrentIndex(entry.lsb);
    }
    for (int p = 0; p < PresetFormValues::kPedals; ++p) {
        const PresetPedalEntry entry = preset_pedal_entry(record, p);
        const PedalRow &pedal = m_pedals[size_t(p)];
        pedal.enabled->setChecked(entry.enabled);
        pedal.channel->setCurrentIndex(entry.channel);
        pedal.controlChange->setCurrentIndex(entry.controlChange);
    }
    // Switching bytes are list positions as they stand: anything outside the
    // list shows as no selection.
    for (int r = 0; r < PresetFormValues::kRelays; ++r)
        m_relays[size_t(r)]->setCurrentIndex(signedByte(record[preset::kRelays + r]));
    for (int l = 0; l < PresetFormValues::kLoops; ++l)
        m_loops[size_t(l)]->setCurrentIndex(signedByte(record[preset::kLoops + l]));
    ui->presetOutputComboBox->setCurrentIndex(signedByte(record[preset::kOutput]));

    // A box that kept its state raised no signal, so settle every row here.
    for (int c = 0; c < PresetFormValues::kRows; ++c)
        applyEnablingRule(c);
    m_sounds->releaseLabels();
}

void presetsdialog::storeFormIntoImage()
{
    if (m_currentPreset < 0)
        return;
    storePresetForm(m_values, image + layout::presetOffset(m_currentPreset));
}

bool presetsdialog::presetMatchesForm() const
{
    if (m_currentPreset < 0)
        return true;
    return presetFormMatchesRecord(m_values, image + layout::presetOffset(m_currentPreset));
}

void presetsdialog::applyEnablingRule(int row)
{
    const ProgramChangeRow &r = m_rows[size_t(row)];
    const bool programChange = r.enabled->isChecked();
    r.number->setEnabled(programChange);
    r.bankSelect->setEnabled(programChange);
    const bool bankSelect = programChange && r.bankSelect->isChecked();
    r.msb->setEnabled(bankSelect);
    r.lsb->setEnabled(bankSelect);
}

void presetsdialog::refreshPresetSelectorTexts()
{
    for (int i = 0; i < layout::kPresetCount; ++i)
        ui->presetComboBox->setItemText(i, preset_entry_text(image, i));
}

// --- Properties --------------------------------------------------------------

#define PRESET_DEFINE_SETTER(Type, name, Name, member) \
    void presetsdialog::set##Name(Type value) \
    { \
        if (m_values.member == value) \
            return; \
        m_values.member = value; \
        update(); \
        emit name##Changed(); \
    }

PRESET_PROPERTIES(PRESET_DEFINE_SETTER)

// --- Widget slots --------------------------------------------------------------

void presetsdialog::on_presetname_textChanged(const QString &text)
{
    setPresetname(text);
}

#define PRESET_DEFINE_ROW_SLOTS(_, N) \
    void presetsdialog::on_presetProgramChange##N##EnabledCheckBox_stateChanged(int state) \
    { \
        applyEnablingRule(N - 1); \
        setPresetProgramChange##N##Enabled(checkStateOf(state)); \
    } \
    void presetsdialog::on_presetBankSelect##N##EnabledCheckBox_stateChanged(int state) \
    { \
        applyEnablingRule(N - 1); \
        setPresetBankSelect##N##Enabled(checkStateOf(state)); \
    } \
    void presetsdialog::on_presetProgramChangeNumber##N##ComboBox_currentIndexChanged(int index) \
    { \
        setPresetProgramChangeNumber##N(static_cast<qint8>(index)); \
    } \
    void presetsdialog::on_presetMsb##N##ComboBox_currentIndexChanged(int index) \
    { \
        setPresetMsb##N(static_cast<qint8>(index)); \
    } \
    void presetsdialog::on_presetLsb##N##ComboBox_currentIndexChanged(int index) \
    { \
        setPresetLsb##N(static_cast<qint8>(index)); \
    }

#define PRESET_DEFINE_PEDAL_SLOTS(_, N) \
    void presetsdialog::on_presetExpressionPedal##N##EnabledCheckbox_stateChanged(int state) \
    { \
        setPresetExpressionPedal##N##Enabled(checkStateOf(state)); \
    } \
    void presetsdialog::on_presetExpressionPedal##N##ChannelComboBox_currentIndexChanged(int index) \
    { \
        setPresetExpressionPedal##N##Channel(static_cast<qint8>(index)); \
    } \
    void presetsdialog::on_presetExpressionPedal##N##ControlChangeComboBox_currentIndexChanged(int index) \
    { \
        setPresetExpressionPedal##N##ControlChange(static_cast<qint8>(index)); \
    }

#define PRESET_DEFINE_LOOP_SLOTS(_, N) \
    void presetsdialog::on_presetLoop##N##EnabledComboBox_currentIndexChanged(int index) \
    { \
        setPresetLoop##N##Enabled(static_cast<quint8>(index)); \
    }

PRESET_ROWS(PRESET_DEFINE_ROW_SLOTS, _)
PRESET_PEDALS(PRESET_DEFINE_PEDAL_SLOTS, _)
PRESET_LOOPS(PRESET_DEFINE_LOOP_SLOTS, _)

void presetsdialog::on_presetRelay1EnabledComboBox_currentIndexChanged(int index)
{
    setPresetRelay1Enabled(static_cast<quint8>(index));
}

void presetsdialog::on_presetRelay2EnabledComboBox_currentIndexChanged(int index)
{
    setPresetRelay2Enabled(static_cast<quint8>(index));
}

void presetsdialog::on_presetOutputComboBox_currentIndexChanged(int index)
{
    // Written directly: the output choice announces no change.
    m_values.output = static_cast<quint8>(index);
}

// --- Preset switch and sub-dialogs ---------------------------------------------

void presetsdialog::on_presetComboBox_currentIndexChanged(int index)
{
    if (m_currentPreset == -1 || index < 0 || index >= layout::kPresetCount)
        return;
    bool keepImage = false;
    // The form's comparison first: its "Diff" lines come out as they always did.
    const bool formMatches = presetMatchesForm();
    if (!formMatches || !subDialogEntriesMatchFile(image, m_currentPreset)) {
        const QMessageBox::StandardButton answer =
            QMessageBox::warning(this, QStringLiteral("Preset"), tr("¿Save preset changes?"),
                                 QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes) {
            storeFormIntoImage();
            // Should the file refuse the write, reloading it would throw away
            // what the user just chose to keep; the edits stay in memory for
            // the next Save instead.
            keepImage = !save_image_or_warn(this, SaveOperation::PresetSwitch);
            refreshPresetSelectorTexts();
            ui->presetComboBox->setCurrentIndex(index);
        }
    }
    m_currentPreset = index;
    if (!keepImage)
        load_image();
    loadPresetIntoForm(index);
}

void presetsdialog::on_pushButton_ControlChanges_clicked()
{
    ControlChangeDialog dialog(this, m_currentPreset);
    dialog.exec();
    dialog.storeControlChanges();
}

void presetsdialog::on_pushButton_Overrides_clicked()
{
    overridesdialog dialog(this, m_currentPreset);
    dialog.exec();
    dialog.storeOverridesIntoImage();
}
