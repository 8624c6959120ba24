#pragma once

#include "save_operation.h"

class QWidget;

// Tells the user, in one warning, that the configuration file could not be
// written: which file and the system's reason. The image in memory keeps the
// changes, so a later save can still write them.
void warn_configuration_not_saved(QWidget *parent);

// save_image(operation), and the warning above when it fails. True when written.
bool save_image_or_warn(QWidget *parent, SaveOperation operation = SaveOperation::Save);
