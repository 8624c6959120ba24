#pragma once

#include "preset_summary.h"

// Names a program change by the rig in use, for the library's preset
// summaries: "'Plexi Lead' (1A)", as the monitor quotes a sound.
SoundNamer rig_sound_namer();
