#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// A memory set up for a small rig, for the tests of what presets send and
// what a message heard means. The factory image, and:
//   device 3 (channel 3) is "Amp";
//   preset 014 "Verse": program change 5 to Amp with bank 1/0; control
//     changes Amp 11 = 64, Amp 12 = 0, (off: Amp 13 = 1), device 6 20 = 127;
//     pedal 2 on Amp 41; the override of footswitch 5 on Amp 40, 100/10;
//   preset 022 "Solo": program change 5 to Amp with bank 1/0;
//   preset 023: program change 5 to Amp without bank select;
//   footswitch 2 "Wah": instant access on Amp 30, 127/0;
//   footswitch 4: CC increment on Amp 31;
//   footswitch 6 "Boost": custom, on: note on 64 on channel 2 (91 40 7f).
QByteArray rigImage();

// Records of the presets above.
constexpr int kVerseRecord = 12; // 014
constexpr int kSoloRecord = 19;  // 022

// "b2 00 01" as bytes.
QByteArray hexMessage(const QString &text);
QVector<QByteArray> hexMessages(const QStringList &texts);
