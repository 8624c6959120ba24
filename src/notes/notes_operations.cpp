#include "notes_operations.h"

#include "image_layout.h"
#include "preset_list.h"
#include "preset_operations.h"

using namespace layout;

void reorder_notes(PresetNotes &notes, const QVector<int> &order)
{
    const PresetNotes old = notes;
    for (int slot = 0; slot < order.size() && slot < notes.size(); ++slot)
        notes[slot] = old.value(order[slot]);
}

namespace {

bool reorder(PresetNotes &notes, const QVector<int> &order)
{
    if (order.isEmpty())
        return false;
    reorder_notes(notes, order);
    return true;
}

} // namespace

bool swap_note_lists(PresetNotes &notes, const QVector<int> &a, const QVector<int> &b)
{
    return reorder(notes, swap_order(a, b));
}

bool swap_note_banks(PresetNotes &notes, int bankA, int bankB)
{
    return reorder(notes, swap_order(bank_records(bankA), bank_records(bankB)));
}

bool move_notes(PresetNotes &notes, const QVector<int> &rows, int step)
{
    return reorder(notes, move_order(rows, step));
}

bool copy_notes(PresetNotes &notes, const QVector<int> &from, int to)
{
    if (to < 0 || to + from.size() > kPresetCount)
        return false;
    for (int source : from)
        if (source < 0 || source >= kPresetCount)
            return false;
    const PresetNotes old = notes;
    for (int k = 0; k < from.size(); ++k)
        notes[to + k] = old[from[k]];
    return true;
}

void reset_notes(PresetNotes &notes, const QVector<int> &rows)
{
    for (int i : rows)
        if (i >= 0 && i < notes.size())
            notes[i] = PresetNote();
}
