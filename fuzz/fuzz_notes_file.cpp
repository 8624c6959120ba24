// Any notes file beside a memory: the input itself, and the input as edits
// over a real notes file, so most runs land close to one that passes.
// Whatever the checks accept keeps every limit and comes back the same when
// written again; a refused file gives no notes at all.

#include "image_layout.h"
#include "notes_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(const QByteArray &file)
{
    const NotesRead read = parse_notes(file, layout::kImageSize);
    if (!read.ok()) {
        if (!all_empty(read.notes))
            std::abort();
        return;
    }
    if (read.notes.size() != layout::kPresetCount)
        std::abort();
    for (const PresetNote &note : read.notes)
        if (!note_refusal(note).isEmpty())
            std::abort();
    const NotesRead again = parse_notes(notes_file_bytes(read.notes, layout::kImageSize), layout::kImageSize);
    if (!again.ok() || again.notes != read.notes)
        std::abort();
}

QByteArray realFile()
{
    PresetNotes notes = empty_notes();
    notes[0] = {QStringLiteral("verse: roll the volume back\ncapo 2"), {QStringLiteral("verse"), QStringLiteral("capo-2")}};
    notes[269] = {QString::fromUtf8("needs a new delay time \u00e9"), {QStringLiteral("live")}};
    return notes_file_bytes(notes, layout::kImageSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    check(input);

    static const QByteArray real = realFile();
    QByteArray edited = real;
    for (size_t i = 0; i + 2 < size; i += 3)
        edited[int(((data[i] << 8) | data[i + 1]) % real.size())] = char(data[i + 2]);
    check(edited);
    return 0;
}
