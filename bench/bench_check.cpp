// The check of a whole memory, as the library's Check and `vektor-tool
// check` run it: on the factory memory and on one with a finding of every
// kind. Medians of many runs.

#include "default_image.h"
#include "fields.h"
#include "image_layout.h"
#include "memory_check.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace layout;

namespace {

double medianMs(const unsigned char *image, int runs, int *findings)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        *findings = check_memory(image).size();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Every preset renamed and changed, pairs stored twice, program changes to a
// device switched off, two buttons alike and a favourite beyond the slots.
std::vector<unsigned char> busyImage()
{
    std::vector<unsigned char> image(kImageSize);
    fill_default_image(image.data());
    for (int i = 0; i < kPresetCount; ++i) {
        unsigned char *record = image.data() + presetOffset(i);
        write_name(record + preset::kName, QStringLiteral("Song %1").arg(i / 2));
        record[preset::programChangeOffset(i % 16) + programchange::kEnabled] = 1;
        record[preset::kLoops + i % 8] = i % 3;
        if (i % 2)
            std::memcpy(record, record - kPresetRecordSize, kPresetRecordSize);
    }
    for (int k : {2, 3})
        image[buttonOffset(k) + button::kFunction] = 1;
    write_word(image.data() + buttonOffset(0) + button::kFavorite, 400);
    return image;
}

} // namespace

int main()
{
    constexpr int kRuns = 201;
    std::vector<unsigned char> factory(kImageSize);
    fill_default_image(factory.data());
    int findings = 0;
    const double factoryMs = medianMs(factory.data(), kRuns, &findings);
    std::printf("check of the factory memory median %.3f ms (%d findings)\n", factoryMs, findings);
    const std::vector<unsigned char> busy = busyImage();
    const double busyMs = medianMs(busy.data(), kRuns, &findings);
    std::printf("check of the whole memory median %.3f ms (%d findings, a busy memory)\n", busyMs, findings);
    return 0;
}
