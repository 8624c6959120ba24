#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "preset_notes.h"

// The setlist to put on the floor: the 30 banks with the nine names of each,
// on two A4 pages, in type as large as the widest name allows.
struct Setlist {
    QByteArray pdf;
    QString text; // what the pages say, as plain text
    int pages = 0;
    qreal nameSize = 0; // points
};

// `title` heads each page (the configuration file's name, say).
// With `notes`, each name has the preset's tags and the first line of its
// note under it, in smaller type.
Setlist make_setlist(const unsigned char *image, const QString &title, const PresetNotes *notes = nullptr);
// The same with only the names of `records` printed (what a find shows), the
// other slots left blank for the floor sheet to keep its places.
Setlist make_setlist_of(const unsigned char *image, const QVector<int> &records, const QString &title,
                        const PresetNotes *notes = nullptr);
