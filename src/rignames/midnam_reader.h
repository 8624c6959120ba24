#pragma once

#include "device_names.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads the names of a device's sounds and controls from a MIDI Name Document
// (MIDNAM, as DAWs read and write them) or from a plain list pasted from a
// manual. A file with a few bad entries is read with warnings that count what
// was left out; a file with nothing usable is refused with one sentence that
// says where.

// One CustomDeviceMode / StandardDeviceMode of one model.
struct MidnamMode {
    QString manufacturer, model, mode;
    DeviceNames names; // banks resolved through ChannelNameSetAssign (channel 1's set, or the first)
};

struct NamesFileRead {
    QVector<MidnamMode> modes; // every model x mode the file offers (a plain list gives one, mode empty)
    QStringList warnings;      // kept going: "12 patches with a program change outside 0-127 were left out"
    QString error;             // refused: one sentence with line and column; modes empty then
    bool ok() const { return error.isEmpty(); }
};

// A .midnam or a plain list, told apart by their content; a plain list counts
// its first line as program `firstProgram` of the manual (0 or 1).
NamesFileRead read_names_file(const QString &path, int firstProgram = 0);
NamesFileRead read_midnam(const QByteArray &bytes);
NamesFileRead read_plain_list(const QByteArray &bytes, int firstProgram /* 0 or 1 */);

// True when `bytes` look like XML rather than a plain list.
bool looks_like_midnam(const QByteArray &bytes);

// The mode of `read` that `model` and `mode` name (empty: the first); -1 when
// none does.
int find_mode(const NamesFileRead &read, const QString &model, const QString &mode);
