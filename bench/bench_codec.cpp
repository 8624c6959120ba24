// Encode and decode throughput of a whole configuration image, beside a
// plain memcpy of the same bytes. The encoder's console trace goes to
// /dev/null, as it would to a terminal nobody reads.

#include "default_image.h"
#include "dump_codec.h"
#include "image_layout.h"
#include "store.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

template <typename F>
double bestSeconds(int runs, F work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString source = dir.path() + "/memory.bin";
    const QString dumpFile = dir.path() + "/memory.syx";
    const QString decoded = dir.path() + "/decoded.bin";

    std::vector<unsigned char> image(layout::kImageSize);
    fill_default_image(image.data());
    write_file_bytes(image.data(), source, layout::kImageSize);

    std::fflush(stdout);
    FILE *console = fdopen(dup(fileno(stdout)), "w");
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;

    const int runs = 30;
    const double encode = bestSeconds(runs, [&] { binary_to_sysex(source, dumpFile); });
    const double decode = bestSeconds(runs, [&] { sysex_to_binary(dumpFile, decoded); });
    std::vector<unsigned char> copy(layout::kImageSize);
    volatile unsigned char sink = 0;
    const double memcpyTime = bestSeconds(runs * 100, [&] {
        std::memcpy(copy.data(), image.data(), copy.size());
        sink = sink + copy[size_t(sink) % copy.size()];
    });

    const double mb = layout::kImageSize / 1e6;
    std::fprintf(console, "%-34s %10s %12s\n", "93,719-byte image (best of runs)", "ms", "MB/s");
    std::fprintf(console, "%-34s %10.3f %12.1f\n", "encode (file to dump, with trace)", encode * 1e3, mb / encode);
    std::fprintf(console, "%-34s %10.3f %12.1f\n", "decode (dump to file)", decode * 1e3, mb / decode);
    std::fprintf(console, "%-34s %10.4f %12.1f\n", "memcpy of the same bytes", memcpyTime * 1e3, mb / memcpyTime);
    return 0;
}
