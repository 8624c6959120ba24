#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

// One kind of file a save dialog offers: "Memory file (*.bin)" and "bin".
struct SaveFileKind {
    QString filter;
    QString suffix;
};

// Asks where to save, with the ending of the chosen kind settled before the
// dialog asks whether to replace an existing file: "x" becomes "x.bin" and
// the question, if any, is about "x.bin". A name with an ending of none of
// the kinds gets the chosen kind's ending too, and the same question.
// Returns the path, empty when the user cancelled; `chosen`, when given,
// gets the index of the kind of the path.
QString ask_save_path(QWidget *parent, const QString &title, const QString &suggested,
                      const QVector<SaveFileKind> &kinds, int *chosen = nullptr);
