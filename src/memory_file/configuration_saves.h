#pragma once

#include "memory_file_write.h"
#include "save_operation.h"

#include <QByteArray>
#include <QString>

// The store's writes of the configuration file, each through the one door
// (memory_file_write.h), so the file as it was is kept in the history.

// Writes the whole image to the configuration file, all or nothing: a failed
// write leaves the previous file as it was. Returns true when written; when
// not, last_save_error() says why.
bool save_image(SaveOperation operation = SaveOperation::Save, KeepBackup backup = KeepBackup::No);
// Replaces the configuration file with `bytes`, as save_image does with the image.
bool save_configuration_bytes(const QByteArray &bytes, SaveOperation operation = SaveOperation::Save,
                              KeepBackup backup = KeepBackup::No);
// The system's reason why the last save of the configuration file failed.
QString last_save_error();
// True when the last save failed because the ".bak" copy could not be made
// (nothing was written then).
bool last_save_failed_at_backup();

// Builds the factory image in memory and saves it.
bool init_default_image(KeepBackup backup = KeepBackup::No);

// Reloads the file, copies preset record `from` over `to` (0..269) and saves.
bool copy_preset(int from, int to);
