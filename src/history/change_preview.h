#pragma once

#include "image_compare.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// What replacing one memory with another changes, told before it happens
// and shown when versions are compared.

// "2 presets and 1 setting", "1 preset", "3 settings", "nothing".
QString change_count_text(const ChangeCounts &counts);

// One sentence for a question before `after` replaces `before` (both as
// files hold them): "It changes 2 presets and 1 setting: presets 014, 015:
// name, program changes; global: button 3 function." A replacement shorter
// than a memory is compared over the bytes it holds.
QString change_preview(const QByteArray &before, const QByteArray &after);
// The same with the file at `path` as it is now for `before`.
QString change_preview_of_file(const QString &path, const QByteArray &after);

// The lines of change_lines() under one heading per preset and one for the
// global and system sections, in the compare's order. A preset's lines
// leave out the heading they start with: heading, space and line make the
// line of change_lines().
struct ChangeGroup {
    QString heading; // "global", "preset 014 \"Verse\""
    QStringList lines;
};
QVector<ChangeGroup> grouped_changes(const unsigned char *before, const unsigned char *after);
