#pragma once

#include <QString>

// Short texts about preset record `i` of an image, for lists a musician
// scans: which devices get a program change, what the relays, loops and
// output do, and how many control changes and overrides it sends, all read
// as preset_sends.h reads them.

// "011–019" for a run of `count` records from `first`, "011" for one.
QString preset_run_text(int first, int count);

// "Quill 005, Amp 012 (bank 001/000)": every device whose program change is
// on, with the number (and the bank select when that is on too).
QString program_change_summary(const unsigned char *image, int i);
// One line per device with a program change on, with its channel.
QString program_change_details(const unsigned char *image, int i);

// "R1 L3 L5 (L8) B": relays and loops switched on, in brackets those left as
// they are, then the output (A, B, or "A/B" when left as it is).
QString switching_summary(const unsigned char *image, int i);
// "Relay 1: on, Relay 2: off, Loop 1: unchanged, ..., Output: B".
QString switching_details(const unsigned char *image, int i);

int control_changes_on(const unsigned char *image, int i);
int overrides_on(const unsigned char *image, int i);
