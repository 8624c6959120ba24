#include "presetrecord.h"

#include "fields.h"
#include "image_layout.h"
#include "store.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using namespace layout;

using RecordBytes = std::array<unsigned char, kPresetRecordSize>;

enum class SecondLine { None, StoredAndForm, StoredAndRawCheckState };

struct Check {
    int offset; // -1 for the name
    SecondLine second;
    int row;    // program-change row for the raw check state line
};

// The checks in the order their numbers give; the number is the position.
const std::vector<Check> &checks()
{
    static const std::vector<Check> table = [] {
        std::vector<Check> t;
        auto rows = [&t](int field, SecondLine firstRowLine, int rawStateRow, SecondLine rawStateLine) {
            for (int c = 0; c < preset::kProgramChangeCount; ++c) {
                SecondLine line = c == 0 ? firstRowLine : SecondLine::None;
                if (c == rawStateRow)
                    line = rawStateLine;
                t.push_back({preset::programChangeOffset(c) + field, line, c});
            }
        };
        t.push_back({-1, SecondLine::None, 0});                                       // 0
        rows(programchange::kBankSelectEnabled, SecondLine::None, -1, SecondLine::None); // 1..16
        for (int field : {presetpedal::kChannel, presetpedal::kControlChange})       // 17..20
            for (int p = 0; p < PresetFormValues::kPedals; ++p)
                t.push_back({preset::pedalOffset(p) + field, SecondLine::None, 0});
        for (int p = 0; p < PresetFormValues::kPedals; ++p)                          // 21, 22
            t.push_back({preset::pedalOffset(p) + presetpedal::kEnabled, SecondLine::StoredAndForm, 0});
        for (int l = 0; l < preset::kLoopCount; ++l) {                               // 23..30
            const bool second = l == 0 || l == 2 || l == 6 || l == 7;
            t.push_back({preset::kLoops + l, second ? SecondLine::StoredAndForm : SecondLine::None, 0});
        }
        rows(programchange::kLsbBank, SecondLine::None, -1, SecondLine::None);      // 31..46
        rows(programchange::kMsbBank, SecondLine::None, -1, SecondLine::None);      // 47..62
        t.push_back({preset::kOutput, SecondLine::None, 0});                          // 63
        rows(programchange::kEnabled, SecondLine::StoredAndForm, 9,                  // 64..79
             SecondLine::StoredAndRawCheckState);
        rows(programchange::kNumber, SecondLine::None, -1, SecondLine::None);       // 80..95
        for (int r = 0; r < PresetFormValues::kRelays; ++r)                          // 96, 97
            t.push_back({preset::kRelays + r, SecondLine::None, 0});
        return t;
    }();
    return table;
}

// What a store writes into each byte the form owns.
RecordBytes formBytes(const PresetFormValues &v)
{
    RecordBytes bytes{};
    for (int c = 0; c < PresetFormValues::kRows; ++c) {
        unsigned char *entry = bytes.data() + preset::programChangeOffset(c);
        entry[programchange::kEnabled] = flag_from_check_state(v.programChangeEnabled[c]);
        entry[programchange::kNumber] = static_cast<unsigned char>(v.programChangeNumber[c]);
        entry[programchange::kBankSelectEnabled] = flag_from_check_state(v.bankSelectEnabled[c]);
        entry[programchange::kMsbBank] = static_cast<unsigned char>(v.msb[c]);
        entry[programchange::kLsbBank] = static_cast<unsigned char>(v.lsb[c]);
    }
    for (int p = 0; p < PresetFormValues::kPedals; ++p) {
        unsigned char *entry = bytes.data() + preset::pedalOffset(p);
        entry[presetpedal::kEnabled] = flag_from_check_state(v.pedalEnabled[p]);
        entry[presetpedal::kChannel] = static_cast<unsigned char>(v.pedalChannel[p]);
        entry[presetpedal::kControlChange] = static_cast<unsigned char>(v.pedalControlChange[p]);
    }
    for (int r = 0; r < PresetFormValues::kRelays; ++r)
        bytes[preset::kRelays + r] = v.relay[r];
    for (int l = 0; l < PresetFormValues::kLoops; ++l)
        bytes[preset::kLoops + l] = v.loop[l];
    // The output has two states on the controller; "unchanged" is kept as B.
    bytes[preset::kOutput] = v.output == 0 ? 0 : 1;
    return bytes;
}

QByteArray formName(const PresetFormValues &v)
{
    return name_bytes(v.name);
}

} // namespace

void storePresetForm(const PresetFormValues &values, unsigned char *record)
{
    const QByteArray name = formName(values);
    write_text_and_nul(record + preset::kName, name);
    std::printf("Conf: '%s'\n", reinterpret_cast<const char *>(record + preset::kName));
    std::printf("Form: '%s'\n", name.constData());

    const RecordBytes bytes = formBytes(values);
    for (const Check &check : checks())
        if (check.offset >= 0)
            record[check.offset] = bytes[size_t(check.offset)];
}

bool presetFormMatchesRecord(const PresetFormValues &values, const unsigned char *record)
{
    const RecordBytes bytes = formBytes(values);
    const QByteArray name = formName(values);
    bool same = true;
    int number = 0;
    for (const Check &check : checks()) {
        const int current = number++;
        if (check.offset < 0) {
            if (std::strncmp(reinterpret_cast<const char *>(record + preset::kName), name.constData(),
                             size_t(kNameLength)) != 0) {
                std::printf("Diff: %d\n", current);
                same = false;
            }
            continue;
        }
        const unsigned char stored = record[check.offset];
        const unsigned char form = bytes[size_t(check.offset)];
        if (stored == form)
            continue;
        same = false;
        std::printf("Diff: %d\n", current);
        const int storedValue = static_cast<signed char>(stored);
        if (check.second == SecondLine::StoredAndForm)
            std::printf("%d, %d\n", storedValue, int(form));
        else if (check.second == SecondLine::StoredAndRawCheckState)
            std::printf("%d, %d\n", storedValue, int(values.programChangeEnabled[check.row]));
    }
    return same;
}

bool subDialogEntriesMatchFile(const unsigned char *image, int index)
{
    std::vector<unsigned char> file(kImageSize);
    const int held = read_image_file(file_paths().configuration, file.data());
    const int record = presetOffset(index);
    const std::pair<int, int> areas[] = {
        {preset::kControlChanges, preset::kControlChangeCount * preset::kControlChangeSize},
        {preset::kOverrides, preset::kOverrideCount * preset::kOverrideSize},
    };
    for (const auto &area : areas) {
        const int start = record + area.first;
        const int end = qMin(start + area.second, held);
        if (end > start && std::memcmp(image + start, file.data() + start, size_t(end - start)) != 0)
            return false;
    }
    return true;
}
