// Reading the names of a rig's sounds from the MIDNAM files users have: the
// largest of the DAW package's files (a whole synthesizer's sound set), beside
// a bare pass of Qt's XML reader over the same bytes, and every installed
// file one after the other, as a chooser that reads them all would.

#include "file_bytes.h"
#include "midnam_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 21;
const char kLargest[] = "Roland_SC_88_Pro.midnam";

QStringList installedFiles()
{
    QStringList files;
    QDir share(QStringLiteral("/usr/share"));
    for (const QString &folder : share.entryList({QStringLiteral("ardour*")}, QDir::Dirs, QDir::Name)) {
        QDir patchfiles(share.filePath(folder + QStringLiteral("/patchfiles")));
        for (const QString &name : patchfiles.entryList({QStringLiteral("*.midnam")}, QDir::Files, QDir::Name))
            files << patchfiles.filePath(name);
    }
    return files;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double milliseconds(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList files = installedFiles();
    const auto largest = std::find_if(files.begin(), files.end(),
                                      [](const QString &f) { return f.endsWith(QLatin1String(kLargest)); });
    if (largest == files.end()) {
        std::printf("no MIDNAM files are installed (ardour-data)\n");
        return 0;
    }
    const QByteArray bytes = read_file(*largest, FileKind::Names).bytes;
    std::vector<double> reads, bare;
    int patches = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        const NamesFileRead read = read_names_file(*largest);
        reads.push_back(milliseconds(clock));
        patches = 0;
        for (const PatchBank &bank : read.modes.value(0).names.banks)
            patches += bank.patches.size();

        clock.restart();
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd())
            xml.readNext();
        bare.push_back(milliseconds(clock));
    }
    std::printf("read the largest names file (%s, %d KB, %d patches): median %.2f ms | bare XML pass median %.2f ms\n",
                kLargest, int(bytes.size() / 1024), patches, median(reads), median(bare));

    QElapsedTimer all;
    all.start();
    int refused = 0;
    for (const QString &file : files)
        refused += read_names_file(file).ok() ? 0 : 1;
    std::printf("read all %d names files: %.1f ms, %d refused\n", int(files.size()), milliseconds(all), refused);
    return 0;
}
