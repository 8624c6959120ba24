#pragma once

#include <QString>

// The history is kept for the editor's configuration file always, and for
// any other memory file when a history folder stands beside it.
bool keeps_history(const QString &path);
