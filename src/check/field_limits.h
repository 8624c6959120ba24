#pragma once

struct FieldDef;

// The largest stored value of a one-byte field that its editor shows and
// stores back unchanged, or -1 for fields no dialog changes on store (names,
// words, raw messages, unnamed bytes). A byte above it is one that opening
// and storing the dialog would rewrite.
int largest_kept_value(const FieldDef &def);
