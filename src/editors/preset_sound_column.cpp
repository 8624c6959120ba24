#include "preset_sound_column.h"

#include "namechooserdialog.h"
#include "rig_names.h"
#include "rig_sound_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kSoundColumn = 6;

} // namespace

PresetSoundColumn::PresetSoundColumn(QGridLayout *grid, const QVector<Row> &rows, QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_rows(rows)
{
    // A label a row and no more: every widget more lengthens the opening of
    // the window. The choice by name is an action of the row's program list.
    auto *header = new QLabel(tr("Sound"), window);
    header->setObjectName(QStringLiteral("presetProgramSoundHeaderLabel"));
    header->setToolTip(tr("Ctrl+F or the context menu of a program list chooses the sound by name"));
    grid->addWidget(header, 0, kSoundColumn);
    grid->setColumnStretch(kSoundColumn, 1);
    const int width = header->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 18;
    for (int d = 0; d < rows.size(); ++d) {
        const Row &row = rows[d];
        auto *label = new QLabel(window);
        label->setObjectName(QStringLiteral("presetProgramSound%1Label").arg(d + 1));
        label->setMinimumWidth(width);
        label->setTextFormat(Qt::PlainText); // a sound's name is never markup
        grid->addWidget(label, d + 1, kSoundColumn);
        m_labels << label;

        auto *choose = new QAction(tr("Choose the Sound by Name..."), row.number);
        choose->setObjectName(QStringLiteral("presetProgramSound%1ChooseAction").arg(d + 1));
        choose->setShortcut(QKeySequence::Find);
        choose->setShortcutContext(Qt::WidgetShortcut);
        row.number->addAction(choose);
        row.number->setContextMenuPolicy(Qt::ActionsContextMenu);
        m_actions << choose;
        connect(choose, &QAction::triggered, this, [this, d] { askForSound(d); });

        const auto update = [this, d] { refresh(d); };
        for (QComboBox *box : {row.number, row.msb, row.lsb})
            connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, update);
        for (QCheckBox *box : {row.enabled, row.bankSelect})
            connect(box, &QCheckBox::toggled, this, update);
        refresh(d);
    }
}

void PresetSoundColumn::releaseLabels()
{
    m_held = false;
    for (int d = 0; d < m_rows.size(); ++d)
        refresh(d);
}

void PresetSoundColumn::refresh(int device)
{
    if (m_held)
        return;
    const Row &row = m_rows[device];
    const QString text = program_sound_text(device, row.bankSelect->isChecked(), row.msb->currentIndex(),
                                            row.lsb->currentIndex(), row.number->currentIndex());
    QLabel *label = m_labels[device];
    label->setText(text);
    if (label->toolTip() != text)
        label->setToolTip(text);
    label->setEnabled(row.enabled->isChecked());
    bool named = false;
    for (const PatchBank &bank : rig_names().devices[device].banks)
        named = named || !bank.patches.isEmpty();
    m_actions[device]->setEnabled(named);
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
