#pragma once

#include <QString>

// Preset record `i` of an image as one sentence, for a screen reader that
// reads a row of the library: "Preset 014, Verse Crunch, program changes to
// Quill 005, Echo 012, 1 control change".
QString preset_row_sentence(const unsigned char *image, int i);
