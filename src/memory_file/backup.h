#pragma once

#include <QString>

// Keeps the configuration file as it is now beside it, as "<name>.bak" (one
// generation), before an operation replaces it wholesale. Returns true when
// there was nothing to keep or the copy was written whole; else `error`, when
// given, says why.
bool backup_configuration_file(QString *error = nullptr);

QString configuration_backup_path();

// The same for any file: `path` is kept as "<path>.bak".
bool backup_file(const QString &path, QString *error = nullptr);
QString backup_path(const QString &path);
