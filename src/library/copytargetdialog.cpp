#include "copytargetdialog.h"
#include "ui_copytargetdialog.h"

#include "fields.h"
#include "library_names.h"
#include "image_layout.h"
#include "preset_list.h"

#include <QPushButton>

using namespace layout;

copytargetdialog::copytargetdialog(QWidget *parent, const unsigned char *image, const QVector<int> &sources)
    : QDialog(parent)
    , ui(new Ui::copytargetdialog)
    , m_image(image)
    , m_sources(sources)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Copy"));
    name_copy_target_controls(this, ui);
    QStringList slotTexts;
    for (int i = 0; i < kPresetCount; ++i)
        slotTexts << preset_entry_text(image, i);
    ui->slotComboBox->addItems(slotTexts);
    QStringList banks;
    for (int b = 0; b < kBankCount; ++b)
        banks << tr("Bank %1: %2\u2013%3")
                     .arg(b, 2, 10, QLatin1Char('0'))
                     .arg(preset_number_text(b * kBankSize), preset_number_text(b * kBankSize + kBankSize - 1));
    ui->bankComboBox->addItems(banks);
    ui->sourceLabel->setText(sources.size() == 1
                                 ? tr("Copy %1 to:").arg(preset_entry_text(image, sources[0]))
                                 : tr("Copy the %n selected presets to:", nullptr, sources.size()));

    const auto update = [this] { showWhatIsOverwritten(); };
    connect(ui->slotComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, update);
    connect(ui->bankComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, update);
    connect(ui->slotRadioButton, &QRadioButton::toggled, this, [this](bool bySlot) {
        ui->slotComboBox->setEnabled(bySlot);
        ui->bankComboBox->setEnabled(!bySlot);
        showWhatIsOverwritten();
    });
    ui->bankComboBox->setEnabled(false);
    // Next to the selection, where a copy usually goes.
    const int after = sources.isEmpty() ? 0 : sources.last() + 1;
    setTarget(after + sources.size() <= kPresetCount ? after : 0);
    showWhatIsOverwritten();
}

copytargetdialog::~copytargetdialog()
{
    delete ui;
}

int copytargetdialog::target() const
{
    return ui->slotRadioButton->isChecked() ? ui->slotComboBox->currentIndex()
                                            : ui->bankComboBox->currentIndex() * kBankSize;
}

void copytargetdialog::setTarget(int slot)
{
    ui->slotRadioButton->setChecked(true);
    ui->slotComboBox->setCurrentIndex(slot);
    ui->bankComboBox->setCurrentIndex(slot / kBankSize);
}

QStringList copytargetdialog::overwrittenPresets() const
{
    QStringList names;
    const int to = target();
    if (to + m_sources.size() > kPresetCount)
        return names;
    for (int k = 0; k < m_sources.size(); ++k)
        if (to + k != m_sources[k])
            names << preset_entry_text(m_image, to + k);
    return names;
}

void copytargetdialog::showWhatIsOverwritten()
{
    const int to = target();
    ui->overwrittenList->clear();
    QPushButton *copy = ui->buttonBox->button(QDialogButtonBox::Ok);
    if (to + m_sources.size() > kPresetCount) {
        ui->overwrittenLabel->setText(
            (m_sources.size() == 1 ? tr("The last slot is 299.")
                                   : tr("%1 presets from %2 on would run past the last slot, 299."))
                .arg(m_sources.size())
                .arg(preset_number_text(to)));
        copy->setEnabled(false);
        return;
    }
    for (int k = 0; k < m_sources.size(); ++k)
        if (to + k != m_sources[k])
            ui->overwrittenList->addItem(tr("%1   \u2190   %2")
                                             .arg(preset_entry_text(m_image, to + k),
                                                  preset_entry_text(m_image, m_sources[k])));
    const int count = ui->overwrittenList->count();
    ui->overwrittenLabel->setText(count == 0 ? tr("Nothing would change: the presets are there already.")
                                  : count == 1 ? tr("This preset will be overwritten (Undo brings it back):")
                                               : tr("These %1 presets will be overwritten (Undo brings them back):")
                                                     .arg(count));
    copy->setEnabled(count > 0);
}
