#pragma once

#include "image_layout.h"

// Byte layout of the Kestrel's memory, the larger sibling controller. Its
// per-preset and per-button entries share the Vektor's byte layout.

namespace kestrel {

constexpr int kProgramChangeSize = 5;
constexpr int kControlChangeSize = 4;
constexpr int kPresetPedalSize = 5;
constexpr int kOverrideSize = 10;
constexpr int kPresetSize = 324;
constexpr int kButtonSize = 50;
constexpr int kChannelSize = 18;
constexpr int kDisplaySize = 18;
constexpr int kPedalConfigSize = 62;
constexpr int kOutSize = 1;
constexpr int kInSize = 1;
constexpr int kSysexSize = 5;
constexpr int kGlobalSize = 1037;
// The store holds it in a buffer of the size it knows.
constexpr int kImageSize = layout::kSiblingImageSize;
constexpr int kPresetCount = 180;

constexpr int kNameLength = 16;

constexpr int presetOffset(int k) { return kPresetSize * k; }
constexpr int kGlobalStart = kPresetSize * kPresetCount; // 58320
constexpr int kButtonsStart = kGlobalStart;
constexpr int kImportedButtonCount = 9;
constexpr int kChannelsStart = 58920;
constexpr int kChannelCount = 16;
constexpr int kDisplayStart = 59208;
constexpr int kPedalConfigsStart = 59226;
constexpr int kPedalConfigCount = 2;
constexpr int kOut = 59350;   // becomes the Vektor's soft thru flag
constexpr int kIn = 59351;    // becomes the Vektor's MIDI channel
constexpr int kSysexStart = 59352; // id, remote id, Axe-Fx on, Axe-Fx model, full-speed dump

constexpr int buttonOffset(int n) { return kButtonsStart + kButtonSize * n; }
constexpr int channelOffset(int c) { return kChannelsStart + kChannelSize * c; }
constexpr int pedalConfigOffset(int p) { return kPedalConfigsStart + kPedalConfigSize * p; }

namespace channel {
constexpr int kName = 0;
constexpr int kEnabled = 17;
} // namespace channel

namespace display {
constexpr int kName = 0;
constexpr int kFlag = 17;
} // namespace display

namespace pedalconfig {
constexpr int kName = 0;
constexpr int kEnabled = 37;
constexpr int kMin = 58; // 16-bit
constexpr int kMax = 60; // 16-bit
} // namespace pedalconfig

namespace preset {
constexpr int kName = 0;
constexpr int kProgramChanges = 17;  // 80 bytes, as the Vektor's
constexpr int kControlChanges = 97;  // 80 bytes
constexpr int kPedals = 177;         // 10 bytes
constexpr int kOverrides = 187;      // the first nine entries are imported
constexpr int kRelays = 307;         // 2 bytes
constexpr int kLoops = 315;          // 8 bytes
constexpr int kOutput = 323;
} // namespace preset

static_assert(kChannelsStart == kButtonsStart + 600);
static_assert(kDisplayStart == kChannelsStart + kChannelCount * kChannelSize);
static_assert(kPedalConfigsStart == kDisplayStart + kDisplaySize);
static_assert(kOut == kPedalConfigsStart + kPedalConfigCount * kPedalConfigSize);
static_assert(kSysexStart + kSysexSize == kImageSize);
static_assert(kGlobalStart + kGlobalSize == kImageSize);

} // namespace kestrel
