#pragma once

#include "device_names.h"

#include <QString>

// The names of the sixteen devices of the rig (device d = MIDI channel d+1).
// They live in "rig.json" beside the memory file, since the memory holds only
// the devices' own names.
struct RigNames {
    DeviceNames devices[16];
    bool isEmpty() const;
};

bool operator==(const RigNames &a, const RigNames &b);
inline bool operator!=(const RigNames &a, const RigNames &b) { return !(a == b); }

// "rig.json" in the memory file's folder.
QString rig_file_path(const QString &memoryPath);

struct RigRead {
    RigNames rig;
    QString error; // one sentence; the rig is empty then
    bool ok() const { return error.isEmpty(); }
};

// A missing file is an empty rig, not an error.
RigRead read_rig_file(const QString &path);
// The rig file's text for `bytes`; `name` names the file in an error.
RigRead parse_rig_file(const QByteArray &bytes, const QString &name);
QByteArray rig_file_bytes(const RigNames &rig);
// Written whole through the one writer, or not at all.
bool write_rig_file(const QString &path, const RigNames &rig, QString *error);

// The process-wide rig of the memory in use, like the store's image: loaded
// whenever the memory file in use is set or changes, read by every window
// and command that shows names.
const RigNames &rig_names();
void set_rig_names(const RigNames &rig);
// Reads rig_file_path(memoryPath) into rig_names(); on an error the rig is
// empty and the error is returned.
QString load_rig_names_for(const QString &memoryPath);
