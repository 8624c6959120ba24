#include "bulkeditdialog.h"
#include "ui_bulkeditdialog.h"

#include "accessible_names.h"
#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"

#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

using namespace layout;

bulkeditdialog::bulkeditdialog(QWidget *parent, const unsigned char *image, const QVector<int> &records)
    : QDialog(parent)
    , ui(new Ui::bulkeditdialog)
    , m_image(image)
    , m_records(records)
    , m_fields(bulk_fields(image))
{
    ui->setupUi(this);
    ui->selectionLabel->setText(records.size() == 1
                                    ? tr("Set one field in %1:").arg(preset_entry_text(image, records[0]))
                                    : tr("Set one field in the %1 selected presets:").arg(records.size()));
    QStringList names;
    for (const BulkField &field : m_fields)
        names << field.name;
    ui->fieldCombo->addItems(names);
    // Typing any part of a name narrows the list: "delay", "relay", "change 3".
    QCompleter *completer = ui->fieldCombo->completer();
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    ui->fieldCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui->valueCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A text that names no field goes back to the field chosen.
    connect(ui->fieldCombo->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (ui->fieldCombo->findText(ui->fieldCombo->currentText()) < 0)
            ui->fieldCombo->setEditText(ui->fieldCombo->itemText(ui->fieldCombo->currentIndex()));
    });

    label_fields({{ui->fieldLabel, ui->fieldCombo}, {ui->valueLabel, ui->valueCombo}});
    ui->fieldCombo->lineEdit()->setAccessibleName(tr("Field"));
    ui->previewList->setAccessibleName(tr("Changes"));
    ui->previewLabel->setAccessibleName(tr("What changes"));
    give_buttons_keys(this);

    connect(ui->fieldCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &bulkeditdialog::showValues);
    connect(ui->valueCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &bulkeditdialog::showPreview);
    showValues();
}

bulkeditdialog::~bulkeditdialog()
{
    // The field's text loses its focus as the window's children go, after
    // this part of the window is gone: nothing of theirs may reach it then.
    ui->fieldCombo->lineEdit()->disconnect(this);
    ui->fieldCombo->disconnect(this);
    ui->valueCombo->disconnect(this);
    delete ui;
}

bool bulkeditdialog::chooseField(const QString &name)
{
    const int index = ui->fieldCombo->findText(name);
    if (index >= 0)
        ui->fieldCombo->setCurrentIndex(index);
    return index >= 0;
}

bool bulkeditdialog::chooseValue(const QString &text)
{
    const int index = ui->valueCombo->findText(text);
    if (index >= 0)
        ui->valueCombo->setCurrentIndex(index);
    return index >= 0;
}

QString bulkeditdialog::changeText() const
{
    const int field = ui->fieldCombo->currentIndex();
    const int value = ui->valueCombo->currentIndex();
    if (field < 0 || value < 0)
        return {};
    const int count = m_result.changedRecords.size();
    const BulkValue &chosen = m_values[value];
    const QString text = chosen.setting.step
        ? (count == 1 ? tr("Move %1 by %2 in 1 preset") : tr("Move %1 by %2 in %3 presets"))
        : (count == 1 ? tr("Set %1 to %2 in 1 preset") : tr("Set %1 to %2 in %3 presets"));
    return text
        .arg(m_fields[field].previewName, chosen.text, QString::number(count));
}

void bulkeditdialog::showValues()
{
    const int field = ui->fieldCombo->currentIndex();
    m_values = field >= 0 ? bulk_values(m_fields[field], m_image) : QVector<BulkValue>();
    QStringList texts;
    for (const BulkValue &value : m_values)
        texts << value.text;
    const QSignalBlocker quiet(ui->valueCombo);
    ui->valueCombo->clear();
    ui->valueCombo->addItems(texts);
    ui->valueCombo->setCurrentIndex(texts.isEmpty() ? -1 : 0);
    showPreview();
}

void bulkeditdialog::showPreview()
{
    const int field = ui->fieldCombo->currentIndex();
    const int value = ui->valueCombo->currentIndex();
    m_result = {};
    if (field >= 0 && value >= 0)
        m_result = set_preset_fields(m_image, m_records, {m_values[value].setting});
    const BulkField *chosen = field >= 0 ? &m_fields[field] : nullptr;

    QStringList lines;
    lines.reserve(m_result.changes.size());
    unsigned char after[kPresetRecordSize];
    for (const PresetFieldChange &change : m_result.changes) {
        const unsigned char *record = m_image + presetOffset(change.record);
        std::memcpy(after, record, sizeof after);
        std::memcpy(after + chosen->field->offset, change.after.constData(), size_t(change.after.size()));
        lines << tr("%1 %2: %3 %4 \u2192 %5")
                     .arg(preset_number_text(change.record), name_text(record + preset::kName), chosen->previewName,
                          bulk_shown_value(*chosen, m_image, record), bulk_shown_value(*chosen, m_image, after));
    }
    ui->previewList->clear();
    ui->previewList->addItems(lines);

    const int unchanged = m_result.unchangedRecords.size();
    const int numberless = m_result.numberlessRecords.size();
    QStringList summary;
    if (!m_result.ok())
        summary << m_result.error;
    else
        summary << (lines.size() == 1 ? tr("1 preset changes.") : tr("%1 presets change.").arg(lines.size()));
    if (unchanged > 0)
        summary << (unchanged == 1 ? tr("1 already holds it.") : tr("%1 already hold it.").arg(unchanged));
    if (numberless > 0)
        summary << (numberless == 1 ? tr("1 shows no number to move from and stays as it is.")
                                    : tr("%1 show no number to move from and stay as they are.").arg(numberless));
    ui->previewLabel->setText(summary.join(QLatin1Char(' ')));
    announce_text_change(ui->previewLabel);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_result.changes.isEmpty());
}
