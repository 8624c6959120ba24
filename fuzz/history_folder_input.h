#pragma once

// How a fuzz input describes a history folder, shared by the target and the
// corpus writer. Entries follow one another until the input ends:
//   name length (1 byte), name (Latin-1),
//   kind (1 byte): 0 the content is raw bytes, otherwise a whole memory made
//     of the factory image with patches,
//   count (2 bytes, big-endian): raw bytes, or patches of 3 bytes each
//     (offset in units of 64 bytes over 2 bytes, then the new byte).

#include "image_layout.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

struct HistoryFolderEntry {
    QString name;
    QByteArray content;
};

inline QVector<HistoryFolderEntry> history_folder_entries(const QByteArray &input, const QByteArray &factory)
{
    QVector<HistoryFolderEntry> entries;
    int at = 0;
    const auto byte = [&](int i) { return uchar(input.at(i)); };
    while (at + 4 <= input.size()) {
        const int nameLength = byte(at++);
        if (at + nameLength + 3 > input.size())
            break;
        HistoryFolderEntry entry;
        entry.name = QString::fromLatin1(input.mid(at, nameLength));
        at += nameLength;
        const bool raw = byte(at++) == 0;
        const int count = (byte(at) << 8) | byte(at + 1);
        at += 2;
        if (raw) {
            entry.content = input.mid(at, count);
            at += entry.content.size();
        } else {
            entry.content = factory;
            for (int i = 0; i < count && at + 3 <= input.size(); ++i, at += 3) {
                const int offset = (((byte(at) << 8) | byte(at + 1)) * 64 + i) % layout::kImageSize;
                entry.content[offset] = char(byte(at + 2));
            }
        }
        entries.append(entry);
    }
    return entries;
}

// Builders of such inputs, for the seeds.
inline void append_raw_entry(QByteArray &input, const QByteArray &name, const QByteArray &content)
{
    input.append(char(name.size())).append(name).append(char(0));
    input.append(char(content.size() >> 8)).append(char(content.size() & 0xFF)).append(content);
}

// Patch i sets byte unit * 64 + i of the factory image.
inline void append_memory_entry(QByteArray &input, const QByteArray &name, const QVector<QPair<int, char>> &patches)
{
    input.append(char(name.size())).append(name).append(char(1));
    input.append(char(patches.size() >> 8)).append(char(patches.size() & 0xFF));
    for (const auto &patch : patches)
        input.append(char(patch.first >> 8)).append(char(patch.first & 0xFF)).append(patch.second);
}
