#pragma once

#include "midi_message.h"
#include "rig_names.h"

#include <QString>

class MemorySenders;

// What a message heard by the rig is, in words, and what in the memory sends
// it. The explanation depends on the message, the memory and this small
// running context only, so the window and the command line explain alike.
struct ExplainState {
    // A bank select counts for the next program change on its channel;
    // -1 while none came just before.
    int bankMsb[16];
    int bankLsb[16];
    // The channel and number of the control change of the pedal run going
    // on (channel * 128 + number), -1 when none: a pedal sweep is named once.
    int pedalRun = -1;
    // The dump that is arriving: packets heard since its header, and how
    // many its header announced (-1 without a header).
    int packetsHeard = 0;
    int packetsAnnounced = -1;

    ExplainState();
};

struct Explanation {
    QString device;      // "03 - Amp" for channel messages, else empty
    QString event;       // "Program change 5", for a column beside the device
    QString message;     // "Program change 5 to 03 - Amp"
    QString explanation; // "sent by presets 014 Verse, 022 Solo"
};

// A program change or control change is named from rig_names() when its
// device's names hold it: "Program change 1 'Plexi Lead' (1A)".
Explanation explain_message(const MidiMessage &message, const MemorySenders &memory, ExplainState &state);
Explanation explain_message(const MidiMessage &message, const MemorySenders &memory, ExplainState &state,
                            const RigNames &rig);

// What stands in the explanation of a channel message that nothing in the
// memory sends: the line that finds a wrong channel.
QString nothing_sends_this();
