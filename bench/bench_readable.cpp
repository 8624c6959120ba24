// The readable form and the compare on a whole memory, file to file, beside
// a plain read of the memory file: what `vektor-tool export`, `import` and
// `diff` spend from reading their input to having their output ready.
// Medians of many runs.

#include "default_image.h"
#include "fields.h"
#include "image_compare.h"
#include "image_layout.h"
#include "readable_form.h"
#include "store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

const unsigned char *bytesOf(const QByteArray &image)
{
    return reinterpret_cast<const unsigned char *>(image.constData());
}

// The factory memory after an evening's edits: every preset renamed and
// one program change of each moved, the first button renamed.
QByteArray editedImage(const QByteArray &factory)
{
    QByteArray image = factory;
    auto *bytes = reinterpret_cast<unsigned char *>(image.data());
    for (int record = 0; record < layout::kPresetCount; ++record) {
        unsigned char *preset = bytes + layout::presetOffset(record);
        write_name(preset + layout::preset::kName, QStringLiteral("Song %1").arg(record));
        preset[layout::preset::programChangeOffset(record % 16) + layout::programchange::kNumber] ^= 0x40;
    }
    write_name(bytes + layout::buttonOffset(0) + layout::button::kName, QStringLiteral("Solo"));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString memory = dir.filePath("memory.bin");
    const QString edited = dir.filePath("edited.bin");
    const QString document = dir.filePath("memory.json");
    const QString written = dir.filePath("written.bin");

    QByteArray factory(layout::kImageSize, '\0');
    fill_default_image(reinterpret_cast<unsigned char *>(factory.data()));
    const QByteArray evening = editedImage(factory);
    write_file_bytes(bytesOf(factory), memory, layout::kImageSize);
    write_file_bytes(bytesOf(evening), edited, layout::kImageSize);
    const QByteArray json = export_readable_memory(bytesOf(factory));
    write_file_bytes(bytesOf(json), document, json.size());
    QByteArray random(layout::kImageSize, '\0');
    for (char &b : random)
        b = char(QRandomGenerator::global()->bounded(256));

    const int runs = 41;
    const double plainRead = medianMs(runs * 5, [&] { readFile(memory); });
    // Export and import up to the bytes to write: the write itself is the
    // store's (a temporary file synced and renamed), timed on its own below.
    QByteArray exported;
    const double exportMs = medianMs(runs, [&] { exported = export_readable_memory(bytesOf(readFile(memory))); });
    QByteArray imported;
    const double importMs = medianMs(runs, [&] { imported = import_readable(readFile(document), QByteArray()).image; });
    // Most of an import is Qt's JSON parser: the same document parsed bare.
    const double parseMs = medianMs(runs, [&] { QJsonDocument::fromJson(readFile(document)); });
    const double saveMs = medianMs(runs, [&] { write_file_bytes(bytesOf(imported), written, layout::kImageSize); });
    if (exported != json || imported != factory) {
        std::fprintf(stderr, "the round trip lost bytes\n");
        return 1;
    }
    int lines = 0;
    const double diffMs = medianMs(runs, [&] {
        const QByteArray a = readFile(memory);
        const QByteArray b = readFile(edited);
        lines = change_lines(compare_images(bytesOf(a), bytesOf(b)), bytesOf(a), bytesOf(b)).size();
    });
    int changes = 0;
    const double compareMs = medianMs(runs * 5, [&] {
        changes = compare_images(bytesOf(factory), bytesOf(random)).size();
    });
    QString summary;
    const double summaryMs = medianMs(runs * 5, [&] {
        summary = change_summary(compare_images(bytesOf(factory), bytesOf(evening)));
    });

    std::printf("whole memory, %d-byte document (medians)\n", int(json.size()));
    std::printf("plain read of the memory file          %8.3f ms\n", plainRead);
    std::printf("export, memory file to document        %8.3f ms\n", exportMs);
    std::printf("import, document to memory file        %8.3f ms\n", importMs);
    std::printf("bare JSON parse of the document        %8.3f ms\n", parseMs);
    std::printf("save of the memory file (store)        %8.3f ms\n", saveMs);
    std::printf("diff of two memory files               %8.3f ms (%d lines)\n", diffMs, lines);
    std::printf("compare of two whole memories          %8.3f ms (%d changed fields, every byte random)\n",
                compareMs, changes);
    std::printf("compare and summary                    %8.3f ms (\"%s\")\n", summaryMs, qPrintable(summary));
    return 0;
}
