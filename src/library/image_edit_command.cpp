#include "image_edit_command.h"

#include "presetlibrarymodel.h"

ImageEditCommand::ImageEditCommand(PresetLibraryModel *model, const QString &text, QVector<ImageSpan> spans,
                                   QVector<NoteSpan> noteSpans)
    : QUndoCommand(text)
    , m_model(model)
    , m_spans(std::move(spans))
    , m_noteSpans(std::move(noteSpans))
{
}

void ImageEditCommand::redo()
{
    m_model->writeSpans(m_spans, m_noteSpans, PresetLibraryModel::After,
                        m_done ? PresetLibraryModel::Redone : PresetLibraryModel::Done, text());
    m_done = true;
}

void ImageEditCommand::undo()
{
    m_model->writeSpans(m_spans, m_noteSpans, PresetLibraryModel::Before, PresetLibraryModel::Undone, text());
}
