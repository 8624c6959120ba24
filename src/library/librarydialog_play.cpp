// The library's Play: the button, and Space on the table, send the one
// selected preset to the rig through the output chosen once in a run.

#include "librarydialog.h"
#include "ui_librarydialog.h"

#include "fields.h"
#include "image_layout.h"
#include "play_key.h"
#include "preset_messages.h"
#include "preset_play.h"
#include "presetlibrarymodel.h"
#include "rig_names.h"
#include "sound_names.h"

#include <QItemSelectionModel>
#include <QPushButton>

void librarydialog::setUpPlay()
{
    auto *button = new QPushButton(tr("Pla&y"), this);
    button->setObjectName(QStringLiteral("playButton"));
    button->setAutoDefault(false);
    button->setToolTip(tr("Sends the selected preset's program changes and control changes to the rig (Space)"));
    ui->buttonColumn->insertWidget(0, button);

    const auto play = [this] {
        const QVector<int> rows = selectedRecords();
        if (rows.size() != 1)
            return;
        const unsigned char *image = m_model->image();
        QString text = preset_entry_text(image, rows.first()).replace(QStringLiteral(" - "), QStringLiteral(" "));
        // The line under the table says what the rig now plays by name.
        if (const QString sounds = preset_sound_names(image, rows.first(), rig_names()); !sounds.isEmpty())
            text += QStringLiteral(" (%1)").arg(sounds);
        // The monitor explains what was sent by this copy, saved or not.
        const QByteArray memory(reinterpret_cast<const char *>(image), layout::kImageSize);
        ui->statusLabel->setText(
            PlayOutput::instance().play(this, preset_messages(image, rows.first()), text, memory));
    };
    connect(button, &QPushButton::clicked, this, [this, play] {
        play();
        ui->presetTable->setFocus();
    });
    new PlayKey(ui->presetTable, play);
    const auto update = [this, button] { button->setEnabled(selectedRecords().size() == 1); };
    connect(ui->presetTable->selectionModel(), &QItemSelectionModel::selectionChanged, button, update);
    update();
}
