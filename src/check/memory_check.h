#pragma once

#include <QString>
#include <QVector>

// A check of one whole configuration image before it goes to the
// controller: facts of the memory that are plainly wrong or easy to miss,
// each with the slots and buttons it concerns and one sentence.

enum class Severity {
    Problem, // the controller would do something the musician can't want
    Warning, // most likely a slip: a preset kept twice, a value no editor shows
    Note,    // worth a look
};

struct Finding {
    Severity severity = Severity::Note;
    QString text;          // one sentence in the editor's words
    QVector<int> records;  // preset records 0..269 it concerns, in record order
    QVector<int> buttons;  // footswitch buttons 0..8 it concerns
};

// Every finding of `image`, problems first, then warnings, then notes.
QVector<Finding> check_memory(const unsigned char *image);

// "problem", "warning", "note": the word the command line prints.
QString severity_word(Severity severity);
bool has_problem(const QVector<Finding> &findings);
