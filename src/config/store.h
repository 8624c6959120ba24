#pragma once

#include "file_bytes.h"

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

// Reads up to one image of bytes from the memory file `path` over the start
// of `image`; the count read, or -1 (and `image` untouched) when it cannot
// be read.
int read_image_file(const QString &path, unsigned char *image);

// Reads up to one image of bytes from the configuration file over the start
// of the image. Returns the count read, or -1 when the file could not be
// opened, in which case the image is left exactly as it was.
int load_image();

// The writes of the configuration file go through the one door above the
// store and the history: configuration_saves.h.

// Reads the Kestrel memory file into the sibling image, allocating it on first
// success; bytes past a short file are zero. Returns the count read, or -1
// (and touches nothing) when the file cannot be opened.
int load_sibling_image();
// The sibling image, or nullptr while no Kestrel file has been read.
unsigned char *sibling_image();
