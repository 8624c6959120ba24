#pragma once

#include "preset_summary.h"

#include <QString>

// The library's words for the sounds a preset calls, by the rig in use.

// Names a program change by the rig's names, for the preset summaries.
SoundNamer rig_sound_namer();

// "Amp: Plexi Lead (1A), Delay: Dotted 8ths": each device whose program
// change reaches a named sound; empty when none does.
QString preset_sounds_text(const unsigned char *image, int i);
