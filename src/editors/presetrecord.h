#pragma once

#include <QString>

// The values the preset form holds for one preset record, and the two ways
// they meet the record: storing them, and checking whether the record
// already holds what a store would write.

struct PresetFormValues {
    static constexpr int kRows = 16;
    static constexpr int kPedals = 2;
    static constexpr int kRelays = 2;
    static constexpr int kLoops = 8;

    QString name;
    Qt::CheckState programChangeEnabled[kRows] = {};
    qint8 programChangeNumber[kRows] = {};
    Qt::CheckState bankSelectEnabled[kRows] = {};
    qint8 msb[kRows] = {};
    qint8 lsb[kRows] = {};
    Qt::CheckState pedalEnabled[kPedals] = {};
    qint8 pedalChannel[kPedals] = {};
    qint8 pedalControlChange[kPedals] = {};
    quint8 relay[kRelays] = {};
    quint8 loop[kLoops] = {};
    quint8 output = 0; // list position; stored as 0 for A, 1 for anything else
};

// Writes the form into `record` (one preset record): the name up to its
// first 16 characters plus a NUL, leaving later name bytes alone, then every
// byte the form owns. Prints the "Conf:" and "Form:" name lines.
void storePresetForm(const PresetFormValues &values, unsigned char *record);

// Runs the 98 checks in order, printing a "Diff: N" line (and for some a
// second line with both values) for each that differs. True when none does.
bool presetFormMatchesRecord(const PresetFormValues &values, const unsigned char *record);

// True when the control-change and override entries of preset `index` in
// `image` are what the configuration file holds for them. The preset switch
// reloads the file, so entries edited in the sub-dialogs and not yet saved
// would be lost. Bytes the file does not hold (a short or missing file)
// survive a reload and count as matching.
bool subDialogEntriesMatchFile(const unsigned char *image, int index);
