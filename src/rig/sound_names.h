#pragma once

#include "rig_names.h"

#include <QByteArray>
#include <QString>

// The rig's names beside the numbers that the tool's lines and the monitor
// print. Every text is empty when nothing is named, so a line without names
// stays as it always was.

// "'Plexi Lead' (1A)", the label left out when it says the program number
// itself; empty for nullptr.
QString quoted_patch_text(const PatchName *patch);

// The sounds preset `record` of `image` calls up, device by device:
// "Amp: Plexi Lead (1A); Delay: Dotted 8ths".
QString preset_sound_names(const unsigned char *image, int record, const RigNames &rig);

// Names what each message of a sequence reaches, following the bank selects
// before a program change as the device does.
class MessageNamer
{
public:
    MessageNamer(const unsigned char *image, const RigNames &rig);
    // "Amp: Plexi Lead (1A)" for a program change, "Amp: Volume" for a
    // control change; empty when unnamed.
    QString name(const QByteArray &message);

private:
    const unsigned char *image;
    const RigNames &rig;
    int msb[16], lsb[16];
};
