#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QXmlStreamAttributes>

#include <vector>

// A MIDNAM document as a small tree of its elements, built by one pass of
// QXmlStreamReader: names refer forward to lists defined further down, so
// the names are resolved once the whole document is in.
struct MidnamElement {
    QString name;
    QXmlStreamAttributes attributes;
    QString text;         // the element's own characters, trimmed
    int line = 0, column = 0;
    QVector<int> children; // indexes into MidnamTree::elements

    QString attribute(const char *key) const { return attributes.value(QLatin1String(key)).toString().trimmed(); }
};

struct MidnamTree {
    std::vector<MidnamElement> elements; // the root first
    QString error;                       // one sentence with line and column when the document is refused

    const MidnamElement &at(int index) const { return elements[size_t(index)]; }
    // The children of `parent` called `name`, in document order.
    QVector<int> children(int parent, const char *name) const;
    // The first of them; -1 when there is none.
    int child(int parent, const char *name) const;
    QString childText(int parent, const char *name) const;
};

// Refuses what is not a whole, well-formed MIDNAM document in UTF-8, larger
// than the names' read limit, or whose entities expand past a small bound.
// An external DOCTYPE is never fetched.
MidnamTree parse_midnam_tree(const QByteArray &bytes);

// "line 3, column 7"
QString place_text(int line, int column);

// The refusal of text that is not valid UTF-8, with the place of its first
// bad byte; empty when the text is valid.
QString utf8_refusal(const QByteArray &bytes);

// "line 3, column 7: the reason."
QString refusal_text(int line, int column, const QString &reason);
