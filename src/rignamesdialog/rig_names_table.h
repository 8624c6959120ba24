#pragma once

#include "device_names.h"

class QTableWidget;

// The Rig Names window's two tables and the device's names they show: each
// sound a row (bank MSB, bank LSB, program, number label, name), each of the
// 128 control changes a row (number, name).

enum ProgramTableColumn { MsbColumn, LsbColumn, ProgramColumn, NumberLabelColumn, SoundNameColumn };

void prepare_program_table(QTableWidget *table);
void prepare_control_table(QTableWidget *table);

// A device without sounds gets a row for each program at no bank to type in.
void fill_program_table(QTableWidget *table, const DeviceNames &names);
void fill_control_table(QTableWidget *table, const DeviceNames &names);

// Appends a row for one more sound, in the bank of row `like` (at no bank
// when there is none), at the first program that bank leaves unnamed;
// returns its index.
int add_program_row(QTableWidget *table, int like);

// What the rows say: rows without a name or a program are left out; a bank
// keeps its name from `before` when its bank select is the same.
QVector<PatchBank> banks_from_table(const QTableWidget *table, const QVector<PatchBank> &before);
QVector<ControlName> controls_from_table(const QTableWidget *table);
