#pragma once

#include "preset_sends.h"

#include <QString>

#include <functional>

// Short texts about preset record `i` of an image, for lists a musician
// scans: which devices get a program change, what the relays, loops and
// output do, and how many control changes and overrides it sends, all read
// as preset_sends.h reads them.

// "011–019" for a run of `count` records from `first`, "011" for one.
QString preset_run_text(int first, int count);

// The name of the sound a device's program change reaches, shown beside its
// number ("'Plexi Lead' (1A)"); empty when the sound has no name.
using SoundNamer = std::function<QString(int device, const ProgramChangeEntry &entry)>;

// "Quill 005, Amp 012 (bank 001/000)": every device whose program change is
// on, with the number (and the bank select when that is on too); with
// `sound`, "Amp 012 'Plexi Lead' (1A) (bank 001/000)" for a named sound.
QString program_change_summary(const unsigned char *image, int i, const SoundNamer &sound = {});
// One line per device with a program change on, with its channel.
QString program_change_details(const unsigned char *image, int i, const SoundNamer &sound = {});

// "R1 L3 L5 (L8) B": relays and loops switched on, in brackets those left as
// they are, then the output (A, B, or "A/B" when left as it is).
QString switching_summary(const unsigned char *image, int i);
// "Relay 1: on, Relay 2: off, Loop 1: unchanged, ..., Output: B".
QString switching_details(const unsigned char *image, int i);

int control_changes_on(const unsigned char *image, int i);
int overrides_on(const unsigned char *image, int i);
