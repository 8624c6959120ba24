#include "image_edit_command.h"

#include "presetlibrarymodel.h"

ImageEditCommand::ImageEditCommand(PresetLibraryModel *model, const QString &text, QVector<ImageSpan> spans)
    : QUndoCommand(text)
    , m_model(model)
    , m_spans(std::move(spans))
{
}

void ImageEditCommand::redo()
{
    m_model->writeSpans(m_spans, PresetLibraryModel::After,
                        m_done ? PresetLibraryModel::Redone : PresetLibraryModel::Done, text());
    m_done = true;
}

void ImageEditCommand::undo()
{
    m_model->writeSpans(m_spans, PresetLibraryModel::Before, PresetLibraryModel::Undone, text());
}
