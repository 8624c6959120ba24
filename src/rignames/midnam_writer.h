#pragma once

#include "rig_names.h"

#include <QByteArray>
#include <QStringList>

// The rig's names as one MIDNAM document a DAW reads: one MasterDeviceNames
// per named device, its model called by the device's channel and name
// ("03 - Amp", `deviceNames` holding the sixteen names of the memory), with a
// mode that assigns the names to the device's own channel.
QByteArray write_midnam(const RigNames &rig, const QStringList &deviceNames);

// The model name a device gets in the exported document.
QString exported_model_name(int device, const QStringList &deviceNames);

// The manufacturer every exported device stands under.
QString exported_manufacturer();
