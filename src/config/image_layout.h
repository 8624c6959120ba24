#pragma once

// Byte layout of the controller's memory, the one place that knows where
// every field lives. Offsets inside a record are relative to the record.

namespace layout {

constexpr int kImageSize = 93719;
constexpr int kGlobalSectionSize = 15232;
constexpr int kPresetsStart = 15232;
constexpr int kPresetRecordSize = 290;
constexpr int kPresetCount = 270;
constexpr int kBankSize = 9; // presets are shown in banks of nine
constexpr int kSystemSectionStart = 93532;
constexpr int kSystemSectionSize = 187;
constexpr int kSiblingImageSize = 59357; // the Kestrel's memory, which the store holds for its import

// Name fields: 16 characters, then a terminator byte that readers force to 0.
constexpr int kNameLength = 16;
constexpr int kNameFieldSize = 17;
constexpr int kRawMessageSize = 8;

// --- Global section -------------------------------------------------------

constexpr int kButtonCount = 9;
constexpr int kButtonsStart = 0;
constexpr int kButtonRecordSize = 53;
constexpr int kBankNameAreaStart = 477;
constexpr int kBankNameAreaSize = 14343;
constexpr int kDeviceCount = 16;
constexpr int kDevicesStart = 14820;
constexpr int kDeviceRecordSize = 19;
constexpr int kExtraDeviceSlotStart = 15124; // name, terminator, flag; only the Kestrel import writes it
constexpr int kExtraDeviceSlotSize = 18;
constexpr int kPedalCount = 2;
constexpr int kPedalsStart = 15142;
constexpr int kPedalRecordSize = 22;
constexpr int kSoftThruEnabled = 15186;
constexpr int kMidiChannel = 15187;
constexpr int kSysexId = 15188;
constexpr int kSysexRemoteId = 15189;
constexpr int kAxeFxEnabled = 15190;
constexpr int kAxeFxModel = 15191;
constexpr int kSysexDumpFullSpeed = 15192;
constexpr int kRelayCount = 2;
constexpr int kRelaysStart = 15193;
constexpr int kRelayRecordSize = 19;
constexpr int kGlobalLastByte = 15231; // unnamed

constexpr int buttonOffset(int k) { return kButtonsStart + kButtonRecordSize * k; }
constexpr int deviceOffset(int d) { return kDevicesStart + kDeviceRecordSize * d; }
constexpr int pedalOffset(int p) { return kPedalsStart + kPedalRecordSize * p; }
constexpr int relayOffset(int r) { return kRelaysStart + kRelayRecordSize * r; }

namespace button {
constexpr int kFunction = 0;
constexpr int kAction = 1;
constexpr int kName = 2;          // 16 bytes, terminator at 18
constexpr int kFavorite = 19;     // signed 16-bit, little-endian
constexpr int kOffCustom = 21;    // raw message
constexpr int kOnCustom = 29;     // raw message
constexpr int kByte37 = 37;       // unnamed
constexpr int kControlChange = 38;
constexpr int kChannel = 39;
constexpr int kOnValue = 40;
constexpr int kOffValue = 41;
constexpr int kByte42 = 42;       // unnamed
constexpr int kStep = 43;
// Unnamed; a new image holds 0, k, k mod 2 and k in them for button k.
constexpr int kByte44 = 44;
constexpr int kByte45 = 45;
constexpr int kByte46 = 46;
constexpr int kByte47 = 47;
constexpr int kLoop = 48;
constexpr int kRelay = 49;
constexpr int kSiblingIndex = 50; // unnamed; the Kestrel import writes the button index
constexpr int kByte51 = 51;       // unnamed
constexpr int kTrailer = 52;      // unnamed; defaults to 29
} // namespace button

namespace device {
constexpr int kName = 0;
constexpr int kEnabled = 17;
constexpr int kExtra = 18; // unnamed; the Kestrel import writes 2
} // namespace device

namespace extradevice {
constexpr int kName = 0;
constexpr int kFlag = 17;
} // namespace extradevice

namespace pedal {
constexpr int kName = 0;
constexpr int kEnabled = 17;
constexpr int kMin = 18; // 16-bit calibration, read-only for editors
constexpr int kMax = 20;
} // namespace pedal

namespace relay {
constexpr int kName = 0;
constexpr int kFlag = 17;
constexpr int kByte18 = 18; // unnamed; the Kestrel import writes 0
} // namespace relay

// --- Preset records ---------------------------------------------------------

constexpr int presetOffset(int i) { return kPresetsStart + kPresetRecordSize * i; }

namespace preset {
constexpr int kName = 0; // 17-byte name field
constexpr int kProgramChanges = 17;
constexpr int kProgramChangeCount = 16;
constexpr int kProgramChangeSize = 5;
constexpr int kControlChanges = 97;
constexpr int kControlChangeCount = 20;
constexpr int kControlChangeSize = 4;
constexpr int kPedals = 177;
constexpr int kPedalEntrySize = 5;
constexpr int kOverrides = 187;
constexpr int kOverrideCount = 9;
constexpr int kOverrideSize = 10;
constexpr int kRelays = 277; // one byte per relay: 0 off, 1 on, 2 unchanged
constexpr int kLoops = 279;  // one byte per loop 1..8
constexpr int kLoopCount = 8;
constexpr int kOutput = 287; // 0 A, 1 B
constexpr int kTail = 288;   // two unnamed bytes
constexpr int kTailSize = 2;

constexpr int programChangeOffset(int c) { return kProgramChanges + kProgramChangeSize * c; }
constexpr int controlChangeOffset(int j) { return kControlChanges + kControlChangeSize * j; }
constexpr int pedalOffset(int p) { return kPedals + kPedalEntrySize * p; }
constexpr int overrideOffset(int b) { return kOverrides + kOverrideSize * b; }
} // namespace preset

namespace programchange {
constexpr int kEnabled = 0;
constexpr int kNumber = 1;
constexpr int kBankSelectEnabled = 2;
constexpr int kMsbBank = 3;
constexpr int kLsbBank = 4;
} // namespace programchange

namespace controlchange {
constexpr int kEnabled = 0;
constexpr int kDevice = 1;
constexpr int kNumber = 2;
constexpr int kValue = 3;
} // namespace controlchange

namespace presetpedal {
constexpr int kEnabled = 0;
constexpr int kChannel = 1;
constexpr int kControlChange = 2;
constexpr int kExtra = 3; // two unnamed bytes; the Kestrel import copies them
constexpr int kExtraSize = 2;
} // namespace presetpedal

namespace override_ {
constexpr int kOverride = 0;
constexpr int kControlChange = 1;
constexpr int kDevice = 2;
constexpr int kOnValue = 3;
constexpr int kOffValue = 4;
constexpr int kState = 5;
constexpr int kReserved = 6; // unnamed; defaults to 1
constexpr int kTail = 7;     // three unnamed bytes
constexpr int kTailSize = 3;
} // namespace override_

static_assert(kButtonsStart + kButtonCount * kButtonRecordSize == kBankNameAreaStart);
static_assert(kBankNameAreaStart + kBankNameAreaSize == kDevicesStart);
static_assert(kDevicesStart + kDeviceCount * kDeviceRecordSize == kExtraDeviceSlotStart);
static_assert(kExtraDeviceSlotStart + kExtraDeviceSlotSize == kPedalsStart);
static_assert(kPedalsStart + kPedalCount * kPedalRecordSize == kSoftThruEnabled);
static_assert(kRelaysStart + kRelayCount * kRelayRecordSize + 1 == kGlobalSectionSize);
static_assert(presetOffset(kPresetCount) == kSystemSectionStart);
static_assert(kSystemSectionStart + kSystemSectionSize == kImageSize);
static_assert(preset::overrideOffset(kButtonCount) == preset::kRelays);
static_assert(preset::kOutput + 1 == preset::kTail);
static_assert(preset::kTail + preset::kTailSize == kPresetRecordSize);
static_assert(kRelaysStart + kRelayCount * kRelayRecordSize == kGlobalLastByte);
static_assert(presetpedal::kExtra + presetpedal::kExtraSize == preset::kPedalEntrySize);
static_assert(override_::kTail + override_::kTailSize == preset::kOverrideSize);
static_assert(button::kTrailer + 1 == kButtonRecordSize);

} // namespace layout
