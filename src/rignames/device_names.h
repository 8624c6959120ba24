#pragma once

#include <QString>
#include <QVector>

// The names of one device's sounds and controls: what a player calls the
// numbers a preset sends.

struct PatchName {
    int program = 0;  // the program change on the wire, 0..127
    QString number;   // the label a manual shows ("1A", "001"); may be empty
    QString name;     // "Plexi Lead"
};

struct PatchBank {
    QString name;     // the bank's name in its file ("User A"); may be empty
    int msb = -1;     // bank select CC 0 value this bank is reached with; -1: the bank sends none
    int lsb = -1;     // bank select CC 32 value; -1: none
    QVector<PatchName> patches; // in program order, each program at most once
};

struct ControlName {
    int number = 0;
    QString name;
};

// Where a device's names came from, as the rig file keeps it.
struct NamesSource {
    QString file;     // the file read (absolute path), empty when typed
    QString manufacturer, model, mode; // empty when not from a MIDNAM file
    bool typed = false; // names typed or edited by hand
    // One line for a label or the tool: "Line 6 POD xt, mode Default (file.midnam)" / "typed".
    QString describe() const;
};

struct DeviceNames {
    NamesSource source;
    QVector<PatchBank> banks;
    QVector<ControlName> controls;
    // No patch and no control is named.
    bool isEmpty() const;
};

bool operator==(const PatchName &a, const PatchName &b);
bool operator==(const PatchBank &a, const PatchBank &b);
bool operator==(const ControlName &a, const ControlName &b);
bool operator==(const NamesSource &a, const NamesSource &b);
bool operator==(const DeviceNames &a, const DeviceNames &b);
inline bool operator!=(const DeviceNames &a, const DeviceNames &b) { return !(a == b); }

// The patch a program change reaches. With bank select on, the bank whose own
// bank commands all equal what is sent (a bank with only CC 0 matches on the
// MSB alone, etc.; the bank that matches on both is asked first; a bank with
// no bank commands only when no bank has any); with bank select off, the bank with no bank
// commands, or else the first bank. nullptr when no patch matches: nothing is
// shown rather than a guess. msb or lsb -1: that bank select was not sent.
const PatchName *find_patch(const DeviceNames &names, bool bankSelect, int msb, int lsb, int program);

// The name of control change `number`; empty when unnamed.
QString control_name(const DeviceNames &names, int number);

// "Plexi Lead (1A)"; "Plexi Lead" when the label is empty or says the program
// number itself; empty when `patch` is nullptr.
QString patch_text(const PatchName *patch);

// Sorts each bank's patches and the controls by number and keeps the first of
// each program (or control number); returns how many were left out.
int tidy_device_names(DeviceNames &names);
