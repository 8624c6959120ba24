#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The setlist to put on the floor: the 30 banks with the nine names of each,
// on two A4 pages, in type as large as the widest name allows.
struct Setlist {
    QByteArray pdf;
    QString text; // what the pages say, as plain text
    int pages = 0;
    qreal nameSize = 0; // points
};

// `title` heads each page (the configuration file's name, say).
Setlist make_setlist(const unsigned char *image, const QString &title);
// The same with only the names of `records` printed (what a find shows), the
// other slots left blank for the floor sheet to keep its places.
Setlist make_setlist_of(const unsigned char *image, const QVector<int> &records, const QString &title);
