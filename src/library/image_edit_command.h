#pragma once

#include <QByteArray>
#include <QString>
#include <QUndoCommand>
#include <QVector>

class PresetLibraryModel;

// A run of image bytes as they were before a change and after it.
struct ImageSpan {
    int offset;
    QByteArray before;
    QByteArray after;
};

// One change of the library's working image, kept as the bytes it touched:
// undo writes them back as they were, so an undo restores the image byte
// for byte whatever the change was.
class ImageEditCommand : public QUndoCommand
{
public:
    ImageEditCommand(PresetLibraryModel *model, const QString &text, QVector<ImageSpan> spans);

    void redo() override;
    void undo() override;

    const QVector<ImageSpan> &spans() const { return m_spans; }

private:
    PresetLibraryModel *m_model;
    QVector<ImageSpan> m_spans;
    bool m_done = false;
};
