#include "presets_support.h"

#include "image_layout.h"
#include "store.h"

#include <QDir>

#include <unistd.h>


StdoutCapture::StdoutCapture()
{
    std::fflush(stdout);
    file = std::tmpfile();
    savedStdout = dup(fileno(stdout));
    dup2(fileno(file), fileno(stdout));
}

StdoutCapture::~StdoutCapture()
{
    finish();
}

QByteArray StdoutCapture::finish()
{
    if (!file)
        return QByteArray();
    std::fflush(stdout);
    dup2(savedStdout, fileno(stdout));
    close(savedStdout);
    QByteArray text;
    std::rewind(file);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, int(n));
    std::fclose(file);
    file = nullptr;
    // The test logger writes its warnings to the same stream; keep only the
    // editor's own lines.
    QByteArray own;
    for (const QByteArray &line : text.split('\n'))
        if (!line.startsWith("QWARN  :") && !line.startsWith("QDEBUG :") && !line.startsWith("QINFO  :")
            && !line.startsWith("QSYSTEM:"))
            own += line + '\n';
    own.chop(1);
    return own;
}

PresetsHome::PresetsHome()
{
    QDir().mkpath(home.path() + "/Stompwerk/Vektor");
    QDir().mkpath(home.path() + "/Stompwerk/Kestrel");
    set_paths_for_home(home.path());
    init_default_image();
}

void PresetsHome::saveImage() const
{
    save_image();
}

QByteArray PresetsHome::fileBytes() const
{
    return readWholeFile(configPath());
}

QByteArray presetRecordBytes(int i)
{
    return QByteArray(reinterpret_cast<const char *>(presetRecord(i)), layout::kPresetRecordSize);
}

QByteArray presetRecordBytes(const QByteArray &image, int i)
{
    return image.mid(layout::presetOffset(i), layout::kPresetRecordSize);
}

unsigned char *presetRecord(int i)
{
    return config_image() + layout::presetOffset(i);
}
