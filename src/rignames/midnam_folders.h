#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Where MIDNAM files wait on this machine: the DAW package's patch files
// (/usr/share/ardour*/patchfiles, those that exist) and the "midnam" folder
// beside the memory in use, where a player puts files of their own.
QStringList midnam_folders(const QString &memoryPath, const QString &shareRoot = QStringLiteral("/usr/share"));

struct InstalledModel {
    QString manufacturer, model, file;
};

// Every model the .midnam files of `folders` name, by manufacturer and model.
// Only the head of each file is read: enough for a chooser, cheap for
// hundreds of files.
QVector<InstalledModel> installed_models(const QStringList &folders);
