#pragma once

#include <QVector>

#include <functional>

class PresetLibraryModel;
class QPushButton;
class QWidget;

// Sharing presets from the library in the readable form: exporting the
// selection, a bank or all presets, and importing a document as one
// undoable step after showing what it will replace.

// Gives `button` a menu of what to export: the presets `selection()` names,
// the bank of the first of them, or all. Each asks for a file and writes it whole.
void set_up_export_menu(QPushButton *button, const PresetLibraryModel &model,
                        const std::function<QVector<int>()> &selection);

// Asks for a readable document, checks all of it (a refused one is said, with
// the reason, and changes nothing), shows which slots it fills and what they
// hold now, and puts it in: into the slots it names, or from the first
// selected slot on. Returns the slots filled, empty when nothing changed.
QVector<int> import_presets(QWidget *parent, PresetLibraryModel &model, const QVector<int> &selection);
