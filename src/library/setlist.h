#pragma once

#include <QByteArray>
#include <QString>

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
