#pragma once

#include <QString>

class QWidget;

// Makes the rig file beside `memoryPath` the editor's rig (no names when
// there is no memory file); returns why it could not be read, if so, and
// the editor goes on without names.
QString load_rig_for_memory(const QString &memoryPath);
// Says once, above `parent`, that the rig file was not read; nothing for no error.
void say_rig_not_read(QWidget *parent, const QString &error);


// The main window's "Rig Names": the window above `parent`, for the memory in use.
void run_rig_names_window(QWidget *parent);
