#pragma once

#include <QIcon>

// "favicon.ico" from the working directory when it is there and readable,
// else the same icon built into the program.
QIcon editor_window_icon();
