#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// The versions the history folder holds of one configuration file.

struct HistoryVersion {
    QString path;
    QDateTime replacedAt; // UTC
    QString operation;    // the token of the operation that replaced it
    qint64 size = 0;
};

// Newest first. Files of the folder that are not versions of this file
// (other files' versions, anything else put there) are left out.
QVector<HistoryVersion> list_versions(const QString &configurationPath);

// The bytes of a version when it holds a whole memory; else empty, with
// `problem`, when given, saying why: "unreadable: 4,096 bytes, not a whole memory".
QByteArray read_whole_memory(const QString &path, QString *problem = nullptr);
