#pragma once

#include "save_operation.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The history of the configuration file: before the file is replaced (the
// one door for that is memory_file_write.h), the file as it was is kept in
// the folder "history" beside it, byte for byte, named by version_file_name(). The newest kKeptVersions stay.
// Keeping a version never stops or fails a save: when it cannot be done,
// the save goes on and the reason is told once per run.

constexpr int kKeptVersions = 200;

// "<folder of the file>/history".
QString history_folder(const QString &configurationPath);

// A version kept for a save that has not happened yet.
class PendingVersion
{
public:
    PendingVersion() = default;
    explicit PendingVersion(const QString &path) : m_path(path) {}
    // The file was replaced: the oldest versions beyond the number kept go.
    void commit();
    // The save failed and the file was not replaced: the version goes again.
    void discard();
    QString path() const { return m_path; } // empty when none was kept
    // Keeps `file` as it is now (the notes beside the memory) with the
    // version, at version_notes_path(); nothing when there is no such file.
    void keepNotes(const QString &file);

private:
    QString m_path;
};

// "<version>.notes.json": the notes that were beside the memory when the
// version was kept. It goes when its version goes.
QString version_notes_path(const QString &versionPath);

// Keeps `path` as it is now, before `replacement` is written over it. Keeps
// nothing when there is no file or `replacement` holds the same bytes.
PendingVersion keep_version_before_replacing(const QString &path, const QByteArray &replacement,
                                             SaveOperation operation);
// Keeps `path` as it is now although it stays as it is: what changes is a
// file kept beside it (its notes), which the caller keeps with the version.
// The version is a copy, never a second name of the file, since the file
// is not renamed away after it.
PendingVersion keep_version_as_it_stands(const QString &path, SaveOperation operation);

// On by default; benchmarks turn it off to time a bare save.
void set_history_enabled(bool enabled);
bool history_enabled();

// `tell` hears, once per run, why versions are not being kept: the first
// problem, whether it came before or after this call.
void on_history_problem(std::function<void(const QString &reason)> tell);
// For tests: forgets the problem told and the listener.
void reset_history_problem();
