#pragma once

#include "stdout_capture.h"
#include "test_support.h"

#include <QByteArray>

#include <cstdio>
#include <memory>

// A HOME with the editor's folders and a factory configuration file, the
// store's paths pointing at it and the factory image in memory.
class PresetsHome
{
public:
    PresetsHome();
    QString configPath() const { return home.configPath(); }
    // Writes the image in memory to the configuration file.
    void saveImage() const;
    QByteArray fileBytes() const;

private:
    TempHome home;
};

// The 290 bytes of preset record `i` of the image in memory / of a file image.
QByteArray presetRecordBytes(int i);
QByteArray presetRecordBytes(const QByteArray &image, int i);
unsigned char *presetRecord(int i);
