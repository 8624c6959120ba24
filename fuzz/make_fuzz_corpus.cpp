// Writes the seed corpora: real dumps and configuration files made by the
// editor's own code, so every fuzz run starts from inputs the controller sees.

#include "default_image.h"
#include "dump_codec.h"
#include "history_folder_input.h"
#include "image_layout.h"
#include "midnam_writer.h"
#include "readable_form.h"
#include "store.h"

#include <QDir>

#include <cstdio>
#include <vector>

namespace {

void put(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    write_file_bytes(reinterpret_cast<const unsigned char *>(bytes.constData()), dir + "/" + name, bytes.size());
}

QByteArray readAll(const QString &path)
{
    std::vector<unsigned char> buffer(dump::kMaxDumpBytes);
    const int n = read_file_bytes(buffer.data(), path, dump::kMaxDumpBytes);
    return QByteArray(reinterpret_cast<const char *>(buffer.data()), qMax(n, 0));
}

QByteArray dumpOf(const QString &scratch, const QByteArray &source)
{
    put(scratch, "source.bin", source);
    binary_to_sysex(scratch + "/source.bin", scratch + "/source.syx");
    return readAll(scratch + "/source.syx");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString scratch = root + "/scratch";
    std::vector<unsigned char> image(layout::kImageSize);
    fill_default_image(image.data());
    const QByteArray factory(reinterpret_cast<const char *>(image.data()), layout::kImageSize);

    // The codec's trace is not wanted here.
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    const QString dumps = root + "/fuzz_dump_decode";
    put(dumps, "factory.syx", dumpOf(scratch, factory));
    put(dumps, "abc.syx", dumpOf(scratch, "abc"));
    put(dumps, "empty.syx", dumpOf(scratch, QByteArray()));
    put(dumps, "two-packets.syx", dumpOf(scratch, factory.mid(15232, 200)));

    const QString hex = root + "/fuzz_hex_to_bytes";
    put(hex, "custom.txt", "83 45 7f 00 00 00 00 00");
    put(hex, "packed.txt", "f07f");
    put(hex, "junk.txt", "zz 12 123");

    const QString config = root + "/fuzz_configuration_file";
    put(config, "factory.bin", factory);
    put(config, "short.bin", factory.left(100));
    QByteArray kestrel(layout::kSiblingImageSize, '\0');
    for (int i = 0; i < kestrel.size(); ++i)
        kestrel[i] = char(i * 7 + (i >> 8));
    put(config, "kestrel-pattern.bin", kestrel);

    // Documents as the editor writes them, and the same with numbers no
    // field holds: far beyond any integer, fractional, negative.
    const QString readable = root + "/fuzz_readable_import";
    const QByteArray presets = export_readable_presets(image.data(), {12, 13});
    put(readable, "presets.json", presets);
    put(readable, "memory.json", export_readable_memory(image.data()));
    const QByteArray firstNumber = "\"number\": ";
    const int at = presets.indexOf(firstNumber) + firstNumber.size();
    const int end = presets.indexOf(',', at);
    for (const char *number : {"1e300", "-1e300", "12.5", "4294967296", "1e-300"}) {
        QByteArray odd = presets;
        odd.replace(at, end - at, number);
        put(readable, QStringLiteral("number-%1.json").arg(QLatin1String(number)), odd);
    }

    // Versions as the store names them, a foreign file's version, a short
    // file and a stray file.
    const QString history = root + "/fuzz_history_folder";
    QByteArray folder;
    append_memory_entry(folder, "20250115T213045.123Z_preset-save_memory.bin", {{0x10, 'V'}, {0x200, 'x'}});
    append_memory_entry(folder, "20250116T080000.000Z_library-save_memory.bin", {{0x300, '\x7f'}});
    append_raw_entry(folder, "20250117T120000.500Z_restore_memory.bin", "short");
    append_memory_entry(folder, "20250118T000000.000Z_factory-reset_other.bin", {});
    append_raw_entry(folder, "notes.txt", "not a version");
    put(history, "folder.bin", folder);

    // A few small MIDNAM files of the DAW package where it is installed
    // (real files use parts of the format a hand-made one forgets), the
    // rig's own export, and plain lists.
    const QString names = root + "/fuzz_midnam_reader";
    QDir share(QStringLiteral("/usr/share"));
    for (const QString &dir : share.entryList({QStringLiteral("ardour*")}, QDir::Dirs, QDir::Name))
        for (const char *file : {"Line_6_POD.midnam", "Alesis_MicroVerb4.midnam", "Lexicon_PCM_80.midnam",
                                 "Roland_Boss_GT_3.midnam"}) {
            const FileRead read = read_file(share.filePath(dir + "/patchfiles/" + file), FileKind::Names);
            if (read.ok())
                put(names, QLatin1String(file), read.bytes);
        }
    RigNames rig;
    PatchBank bank;
    bank.msb = 1;
    bank.patches << PatchName{0, "1A", "Plexi Lead"} << PatchName{5, "", "Dotted 8ths"};
    rig.devices[2].banks << bank;
    rig.devices[2].controls << ControlName{7, "Volume"};
    put(names, "export.midnam", write_midnam(rig, {"", "", "Amp"}));
    put(names, "list.txt", "Clean\nCrunch\n\nLead\n");
    QDir(scratch).removeRecursively();
    return 0;
}
