#pragma once

#include <QSet>
#include <QString>
#include <QVector>

#include "preset_notes.h"

#include <bitset>

struct PatchName;
struct RigNames;

// What a musician types to find presets. Words that ask for a fact:
//   pc 12     a program change 12 that it sends
//   cc 80     a control change 80 that it sends (list or instant-access override)
//   bank 3    the nine presets of bank 3 (031-039)
//   relay 1   relay 1 switched on; loop 4 likewise
//   unnamed   still the factory name
//   changed   differs from the file
//   #verse    the tag "verse" (tag:verse alike)
// and the rest of the text, which the name holds, or the note, or the name
// of a device the preset sends to, or of a sound or control of the rig's
// names it calls; letter case and accents don't count. A preset is
// found when it has every fact asked for.
class PresetQuery
{
public:
    PresetQuery() = default;
    // `image` is the memory the presets belong to, for its device names;
    // `rig`, when given, names the sounds and controls of its devices and
    // must outlive the query.
    PresetQuery(const QString &text, const unsigned char *image, const RigNames *rig = nullptr);

    bool isEmpty() const { return m_terms.isEmpty() && m_phrase.isEmpty(); }
    // Record `i` of the image given to the constructor; `changed` says
    // whether it differs from the file.
    bool matches(const unsigned char *image, int i, bool changed) const;
    // The same, with the preset's note and tags.
    bool matches(const unsigned char *image, int i, bool changed, const PresetNote &note) const;
    // Only the word "changed" asks whether a record differs from the file.
    bool asksForChanged() const;

private:
    enum class Kind { ProgramChange, ControlChange, Bank, Relay, Loop, Unnamed, Changed, Tag };
    struct Term {
        Kind kind;
        int number;
        QString tag; // folded
    };
    QVector<Term> m_terms;
    QString m_phrase;      // folded
    unsigned m_devices = 0; // bit d: the phrase is in the name of device d
    bool callsNamedSound(const unsigned char *record) const;
    const RigNames *m_rig = nullptr;
    QSet<const PatchName *> m_sounds;     // the rig's sounds whose names hold the phrase
    std::bitset<16 * 128> m_controls;     // device * 128 + number: control names that hold it
};

// Lower case without accents: "Éclat" and "eclat" are the same to a find.
QString folded_text(const QString &text);
