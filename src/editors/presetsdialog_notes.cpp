// The presets window shows the note and tags of the preset it edits; they
// are edited in the library, which keeps them in step with the presets.

#include "presetsdialog.h"
#include "ui_presetsdialog.h"

#include "image_layout.h"
#include "notes_file.h"
#include "store.h"

#include <QFileInfo>

void presetsdialog::showPresetNotes(int index)
{
    if (m_notes.isEmpty()) {
        const QString memory = file_paths().configuration;
        const QFileInfo file(memory);
        // Notes that can't be read are said by the library; here there are none.
        m_notes = read_notes_file(notes_file_path(memory), file.exists() ? file.size() : layout::kImageSize).notes;
        ui->presetNotesLabel->setAccessibleName(tr("Notes of the preset"));
    }
    const PresetNote note = m_notes.value(index);
    QStringList tags;
    for (const QString &tag : note.tags)
        tags << QLatin1Char('#') + tag;
    // A few lines at most: the form below keeps its room.
    constexpr int kShownLines = 3;
    QStringList lines = note.text.split(QLatin1Char('\n'));
    if (lines.size() > kShownLines)
        lines = lines.mid(0, kShownLines) << QStringLiteral("\u2026");
    QString text = tags.join(QLatin1Char(' '));
    if (!note.text.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + lines.join(QLatin1Char('\n'));
    ui->presetNotesLabel->setText(text.isEmpty() ? tr("No note or tags for this preset") : text);
}
