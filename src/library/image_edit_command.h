#pragma once

#include <QByteArray>
#include <QString>
#include <QUndoCommand>
#include <QVector>

#include "preset_notes.h"

class PresetLibraryModel;

// A run of image bytes as they were before a change and after it.
struct ImageSpan {
    int offset;
    QByteArray before;
    QByteArray after;
};

// A slot's note and tags as they were before a change and after it: they
// follow the presets in the same step, so one undo brings both back.
struct NoteSpan {
    int slot;
    PresetNote before;
    PresetNote after;
};

// One change of the library's working image, kept as the bytes it touched:
// undo writes them back as they were, so an undo restores the image byte
// for byte whatever the change was.
class ImageEditCommand : public QUndoCommand
{
public:
    ImageEditCommand(PresetLibraryModel *model, const QString &text, QVector<ImageSpan> spans,
                     QVector<NoteSpan> noteSpans = {});

    void redo() override;
    void undo() override;

    const QVector<ImageSpan> &spans() const { return m_spans; }
    const QVector<NoteSpan> &noteSpans() const { return m_noteSpans; }

private:
    PresetLibraryModel *m_model;
    QVector<ImageSpan> m_spans;
    QVector<NoteSpan> m_noteSpans;
    bool m_done = false;
};
