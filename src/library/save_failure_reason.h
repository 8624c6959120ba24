#pragma once

#include <QString>

// Why the configuration file could not be written, for a warning that names
// the file.
QString configuration_write_failure_reason();
