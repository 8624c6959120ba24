#include "preset_sound_column.h"

#include "namechooserdialog.h"
#include "rig_names.h"
#include "sound_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kChooseColumn = 6;
constexpr int kSoundColumn = 7;

} // namespace

PresetSoundColumn::PresetSoundColumn(QGridLayout *grid, const QVector<Row> &rows, QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_rows(rows)
{
    auto *chooseHeader = new QLabel(tr("By Name"), window);
    chooseHeader->setObjectName(QStringLiteral("presetProgramSoundChooseHeaderLabel"));
    auto *soundHeader = new QLabel(tr("Sound"), window);
    soundHeader->setObjectName(QStringLiteral("presetProgramSoundHeaderLabel"));
    grid->addWidget(chooseHeader, 0, kChooseColumn);
    grid->addWidget(soundHeader, 0, kSoundColumn);
    grid->setColumnStretch(kSoundColumn, 1);
    const QIcon icon = window->style()->standardIcon(QStyle::SP_FileDialogContentsView);
    for (int d = 0; d < rows.size(); ++d) {
        // Without a text, so the sixteen buttons need no Alt keys of their own.
        auto *button = new QToolButton(window);
        button->setObjectName(QStringLiteral("presetProgramSound%1ChooseButton").arg(d + 1));
        button->setIcon(icon);
        button->setToolTip(tr("Choose the sound by name"));
        button->setFocusPolicy(Qt::StrongFocus);
        auto *label = new QLabel(window);
        label->setObjectName(QStringLiteral("presetProgramSound%1Label").arg(d + 1));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 18);
        grid->addWidget(button, d + 1, kChooseColumn);
        grid->addWidget(label, d + 1, kSoundColumn);
        m_buttons << button;
        m_labels << label;

        const Row &row = rows[d];
        const auto update = [this, d] { refresh(d); };
        for (QComboBox *box : {row.number, row.msb, row.lsb})
            connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, update);
        for (QCheckBox *box : {row.enabled, row.bankSelect})
            connect(box, &QCheckBox::toggled, this, update);
        connect(button, &QToolButton::clicked, this, [this, d] { askForSound(d); });
        refresh(d);
    }
}

void PresetSoundColumn::refresh(int device)
{
    const Row &row = m_rows[device];
    const QString text = program_sound_text(device, row.bankSelect->isChecked(), row.msb->currentIndex(),
                                            row.lsb->currentIndex(), row.number->currentIndex());
    QLabel *label = m_labels[device];
    label->setText(text);
    label->setToolTip(text);
    label->setEnabled(row.enabled->isChecked());
    bool named = false;
    for (const PatchBank &bank : rig_names().devices[device].banks)
        named = named || !bank.patches.isEmpty();
    m_buttons[device]->setEnabled(named);
}

void PresetSoundColumn::chooseSound(int device, int choice)
{
    const QVector<SoundChoice> choices = sound_choices(device);
    if (choice < 0 || choice >= choices.size())
        return;
    const Row &row = m_rows[device];
    const PatchBank &bank = *choices[choice].bank;
    row.enabled->setChecked(true);
    const bool bankSelect = bank.msb >= 0 || bank.lsb >= 0;
    row.bankSelect->setChecked(bankSelect);
    // A bank reached by one of the two bank selects leaves the other as it is.
    if (bank.msb >= 0)
        row.msb->setCurrentIndex(bank.msb);
    if (bank.lsb >= 0)
        row.lsb->setCurrentIndex(bank.lsb);
    row.number->setCurrentIndex(choices[choice].patch->program);
    row.number->setFocus();
}

void PresetSoundColumn::askForSound(int device)
{
    const QVector<SoundChoice> choices = sound_choices(device);
    const int chosen = namechooserdialog::choose(m_window, tr("Choose a Sound"),
                                                 tr("Sounds of device %1:").arg(device + 1),
                                                 sound_choice_texts(choices));
    chooseSound(device, chosen);
}
