#pragma once

#include "file_bytes.h"
#include "save_operation.h"

#include <QString>

// The process-wide configuration store: the one configuration image, the
// Kestrel (sibling) image and the five file paths. Everything else borrows
// them; nothing here is ever released.

struct FilePaths {
    QString configuration;  // memory.bin; the only path "Open file..." changes
    QString sibling;        // the Kestrel's memory.bin
    QString dump;           // memory.syx
    QString firmwareSysex;  // update.syx
    QString firmwareBinary; // update.bin
};

// Paths are held whole, whatever their length.
FilePaths &file_paths();
void set_paths_for_home(const QString &home);

// Allocates the zeroed image on first use and returns it.
unsigned char *ensure_image();
inline unsigned char *config_image() { return ensure_image(); }

// Reads up to one image of bytes from the configuration file over the start
// of the image. Returns the count read, or -1 when the file could not be
// opened, in which case the image is left exactly as it was.
int load_image();

// Writes the whole image to the configuration file, all or nothing: a failed
// write leaves the previous file as it was. Returns true when written; when
// not, last_save_error() says why. The file as it was before is kept in the
// history, under `operation`.
bool save_image(SaveOperation operation = SaveOperation::Save);
// The system's reason why the last save of the configuration file failed.
QString last_save_error();
// Replaces the configuration file with `bytes`, as save_image does with the image.
bool save_configuration_bytes(const QByteArray &bytes, SaveOperation operation = SaveOperation::Save);

// Builds the factory image in memory and saves it.
bool init_default_image();

// Reloads the file, copies preset record `from` over `to` (0..269) and saves.
bool copy_preset(int from, int to);

// Reads the Kestrel memory file into the sibling image, allocating it on first
// success; bytes past a short file are zero. Returns the count read, or -1
// (and touches nothing) when the file cannot be opened.
int load_sibling_image();
// The sibling image, or nullptr while no Kestrel file has been read.
unsigned char *sibling_image();
