#pragma once

#include "preset_sends.h"

#include <QByteArray>
#include <QVector>

// The MIDI messages a preset stands for, as the rig hears them when the
// controller calls the preset. The controller's own order is not known; this
// editor sends, by its own choice:
//   1. for each device 1..16 whose program change is on: control change 0
//      with the bank MSB and control change 32 with the LSB when its bank
//      select is on, then the program change, all on the device's channel;
//   2. each of the twenty control-change entries that is on, in list order,
//      on its device's channel.
// Which entries are on, and the values they carry, are read as preset_sends.h
// reads them.
// Relays, loops and the output are the controller's own switching and send
// nothing.

// The messages of preset record `record` (0..269) of `image`, in that order.
QVector<QByteArray> preset_messages(const unsigned char *image, int record);
