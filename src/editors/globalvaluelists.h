#pragma once

#include <QStringList>
#include <QVector>

// The value lists of the global dialog; entry k stands for stored value k.
// The "000" .. "127" list is numberChoices() (choicelists.h).
namespace globallists {
QStringList functionNames();  // 14 button functions, "preset" .. "edit"
QStringList actionNames();    // "momentary", "alternate"
QStringList axeFxModelNames(); // "Axe-Fx II", "Axe-Fx Standard", "Axe-Fx Ultra"
QVector<int> axeFxModelItemData();
// Built once per run.
const QStringList &favoriteNumbers(); // "001" .. "299", the preset numbers of records 0..269
QStringList loopNumbers();     // "1" .. "8"
QStringList relayNumbers();    // "1", "2"
QStringList channelNumbers();  // "01" .. "16"
} // namespace globallists
