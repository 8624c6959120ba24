#pragma once

#include <QString>
#include <QVector>

#include "preset_list.h"

// Rearranging and replacing the preset records of a configuration image.
// Record indices are 0..269. Swaps and moves carry the footswitch favourites
// along, so a button keeps calling the same sound from its new slot; copies
// and resets leave the favourites alone.

// All 270 records, in order (bank_records() is in preset_list.h).
QVector<int> all_records();
// `count` records from `first` on.
QVector<int> record_run(int first, int count);

// Puts old record order[i] into slot i for every i; `order` must be a
// permutation of 0..269. A favourite naming a record follows it to its new
// slot. Returns the number of buttons whose favourite changed.
int reorder_presets(unsigned char *image, const QVector<int> &order);

// The orders the rearrangements below put the records in, for what is kept
// beside the image to follow them; empty when the rearrangement is refused.
QVector<int> swap_order(const QVector<int> &a, const QVector<int> &b);
QVector<int> move_order(QVector<int> rows, int step);

void swap_presets(unsigned char *image, int a, int b);
// Swaps records a[k] and b[k] for every k, as one rearrangement; false, with
// the image untouched, when the lists differ in length or share a record.
bool swap_preset_lists(unsigned char *image, const QVector<int> &a, const QVector<int> &b);
void swap_banks(unsigned char *image, int bankA, int bankB);

// Moves the records `rows` one slot up (step -1) or down (step +1); the
// record passed over takes the slot freed at the other end of each run.
// False, with the image untouched, when a record would leave 0..269.
bool move_presets(unsigned char *image, QVector<int> rows, int step);
// Where records `rows` are after move_presets(rows, step).
QVector<int> moved_rows(QVector<int> rows, int step);

// Copies records `from`, in that order, to the slots from `to` on; the
// sources are read before anything is written, so the runs may overlap.
// False, with the image untouched, when they do not fit before slot 270.
bool copy_presets(unsigned char *image, const QVector<int> &from, int to);

// The factory preset of each slot in `rows`.
void reset_presets(unsigned char *image, const QVector<int> &rows);

// Why `name` cannot be stored as a preset name as it is (at most 16
// characters, each in Latin-1), or an empty text when it can.
QString preset_name_refusal(const QString &name);
// Stores `name`; false, with the record untouched, when it is refused.
bool rename_preset(unsigned char *image, int i, const QString &name);

// The record a button's favourite names, as stored (signed 16-bit).
int button_favorite(const unsigned char *image, int button);
