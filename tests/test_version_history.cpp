// The history of the configuration file: what the store keeps before each
// write, how many it keeps, what happens when it cannot keep them, and how
// the versions read back, compare and export.

#include "change_preview.h"
#include "dump_codec.h"
#include "fields.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "readable_form.h"
#include "configuration_saves.h"
#include "store.h"
#include "test_support.h"
#include "utility_support.h"
#include "version_export.h"
#include "version_keeping.h"
#include "version_list_model.h"
#include "version_listing.h"
#include "version_name.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <unistd.h>

namespace {

QString historyOf()
{
    return history_folder(file_paths().configuration);
}

QStringList versionFiles()
{
    return QDir(historyOf()).entryList(QDir::Files, QDir::Name);
}

QByteArray withByte(QByteArray image, int offset, char value)
{
    image[offset] = value;
    return image;
}

// The factory memory with preset 014 renamed, a program change of 016 moved
// and button 3 given another function.
QByteArray eveningEdits()
{
    QByteArray image = factoryImage();
    write_name(reinterpret_cast<unsigned char *>(image.data()) + layout::presetOffset(12) + layout::preset::kName,
               QStringLiteral("Verse"));
    image[layout::presetOffset(14) + layout::preset::programChangeOffset(2) + layout::programchange::kNumber] = 40;
    image[layout::buttonOffset(2) + layout::button::kFunction] = 3;
    return image;
}

} // namespace

class VersionHistoryTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;

private slots:
    void init()
    {
        home.reset(); // the old HOME goes back before the new one is set
        home.reset(new TempHome);
        reset_history_problem();
        prepare_editor_home(*home);
    }

    void versionNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("a version") << "20250115T213045.123Z_preset-save_memory.bin" << true << "preset-save"
                                   << "memory.bin";
        QTest::newRow("file name with underscores") << "20250115T213045.123Z_restore_my_set.bin" << true << "restore"
                                                    << "my_set.bin";
        QTest::newRow("a time the local clock may skip") << "20250330T023000.000Z_save_memory.bin" << true << "save"
                                                         << "memory.bin";
        QTest::newRow("no operation") << "20250115T213045.123Z__memory.bin" << false << "" << "";
        QTest::newRow("no file name") << "20250115T213045.123Z_save_" << false << "" << "";
        QTest::newRow("month 13") << "20251315T213045.123Z_save_memory.bin" << false << "" << "";
        QTest::newRow("notes") << "notes.txt" << false << "" << "";
        // Found by fuzzing: Qt reads "+116" as a year, and the name then sorts
        // out of the order of its time.
        QTest::newRow("a sign in the date") << "2025+116T080000.000Z_save_memory.bin" << false << "" << "";
        QTest::newRow("a sign in the time") << "20250116T+80000.000Z_save_memory.bin" << false << "" << "";
    }
    void versionNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        QFETCH(QString, operation);
        QFETCH(QString, fileName);
        const VersionName parsed = parse_version_file_name(name);
        QCOMPARE(parsed.ok, ok);
        if (!ok)
            return;
        QCOMPARE(parsed.operation, operation);
        QCOMPARE(parsed.fileName, fileName);
        const SaveOperation any = SaveOperation::PresetSave;
        QCOMPARE(parse_version_file_name(version_file_name(parsed.replacedAt, any, parsed.fileName)).replacedAt,
                 parsed.replacedAt);
    }

    void unchangedWriteKeepsNothing()
    {
        QVERIFY(save_image(SaveOperation::GlobalSettings));
        QVERIFY(save_configuration_bytes(factoryImage(), SaveOperation::DumpImport));
        QVERIFY(versionFiles().isEmpty());
        QVERIFY(save_configuration_bytes(eveningEdits(), SaveOperation::DumpImport));
        QCOMPARE(versionFiles().size(), 1);
        QCOMPARE(readWholeFile(historyOf() + "/" + versionFiles().first()), factoryImage());
    }

    // The version is the file before, not a view of it: replacing the file
    // again leaves it as it was.
    void versionsStayAsTheyWere()
    {
        QVERIFY(save_configuration_bytes(eveningEdits(), SaveOperation::PresetSave));
        QVERIFY(save_configuration_bytes(withByte(eveningEdits(), 5, 9), SaveOperation::PresetSave));
        const QVector<HistoryVersion> versions = list_versions(file_paths().configuration);
        QCOMPARE(versions.size(), 2);
        QCOMPARE(readWholeFile(versions[1].path), factoryImage());
        QCOMPARE(readWholeFile(versions[0].path), eveningEdits());
    }

    // A save that fails keeps nothing: the file was not replaced.
    void failedSaveKeepsNothing()
    {
        FileSizeLimit limit(4096);
        QVERIFY(!save_configuration_bytes(eveningEdits(), SaveOperation::PresetSave));
        QVERIFY(versionFiles().isEmpty());
        QCOMPARE(readWholeFile(file_paths().configuration), factoryImage());
    }

    void keepsTheNewest200()
    {
        QDir().mkpath(historyOf());
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-30);
        for (int i = 0; i < kKeptVersions + 5; ++i)
            QVERIFY(writeWholeFile(historyOf() + "/" + version_file_name(start.addSecs(i), SaveOperation::Save,
                                                                          i % 2 ? "memory.bin" : "other.bin"),
                                   factoryImage()));
        QVERIFY(writeWholeFile(historyOf() + "/notes.txt", "mine"));
        const QString oldest = versionFiles().first();

        QVERIFY(save_configuration_bytes(eveningEdits(), SaveOperation::CopyPreset));
        const QStringList files = versionFiles();
        QCOMPARE(files.size(), kKeptVersions + 1);
        QVERIFY(files.contains("notes.txt"));
        QVERIFY(!files.contains(oldest));
        QVERIFY(files.at(kKeptVersions - 1).contains("_copy-preset_memory.bin"));
        QCOMPARE(list_versions(file_paths().configuration).first().operation, QString("copy-preset"));
    }

    void unwritableHistoryLeavesSavesWorking_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file where the folder should be") << "file" << "a file is where the folder";
        QTest::newRow("a link to nowhere where the folder should be") << "dangling link" << "a file is where the folder";
        QTest::newRow("a copy past the size limit") << "size limit" << "File too large";
    }
    void unwritableHistoryLeavesSavesWorking()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        QStringList told;
        on_history_problem([&told](const QString &why) { told << why; });
        std::unique_ptr<FileSizeLimit> limit;
        if (obstacle == "file") {
            QVERIFY(writeWholeFile(historyOf(), "in the way"));
        } else if (obstacle == "dangling link") {
            QVERIFY(QFile::link(home->path() + "/nowhere/history", historyOf()));
        } else {
            // A file with a second name is copied, not linked; the copy of
            // the longer old file passes the limit, the new memory does not.
            QVERIFY(writeWholeFile(file_paths().configuration, QByteArray(120000, 'x')));
            QVERIFY(::link(QFile::encodeName(file_paths().configuration).constData(),
                           QFile::encodeName(home->path() + "/second-name").constData()) == 0);
            limit.reset(new FileSizeLimit(100000));
        }

        QVERIFY(save_configuration_bytes(eveningEdits(), SaveOperation::PresetSave));
        QCOMPARE(readWholeFile(file_paths().configuration), eveningEdits());
        QVERIFY(save_configuration_bytes(factoryImage(), SaveOperation::PresetSave));
        QCOMPARE(readWholeFile(file_paths().configuration), factoryImage());
        QCOMPARE(told.size(), 1); // once per run
        QVERIFY2(told[0].contains(reason), qPrintable(told[0]));
        QVERIFY(list_versions(file_paths().configuration).size() <= 1);
    }

    // A problem before anyone listens is told when someone does.
    void problemBeforeListeningIsToldLater()
    {
        QVERIFY(writeWholeFile(historyOf(), "in the way"));
        QVERIFY(save_configuration_bytes(eveningEdits()));
        QString told;
        on_history_problem([&told](const QString &why) { told = why; });
        QVERIFY(told.contains(historyOf()));
    }

    void unreadableAndForeignFiles()
    {
        QDir().mkpath(historyOf() + "/20250101T000000.000Z_save_memory.bin.d"); // a folder: skipped
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-1);
        const auto put = [&](int second, const QString &fileName, const QByteArray &bytes) {
            const QString path = historyOf() + "/" + version_file_name(start.addSecs(second), SaveOperation::Save, fileName);
            QVERIFY(writeWholeFile(path, bytes));
        };
        put(1, "memory.bin", factoryImage());
        put(2, "memory.bin", factoryImage().left(4096));  // truncated
        put(3, "other.bin", factoryImage());              // another file's
        put(4, "memory.bin", factoryImage() + "tail");    // longer
        QVERIFY(writeWholeFile(historyOf() + "/20250101T000000.000Z_save", "no file name"));
        QVERIFY(writeWholeFile(historyOf() + "/README", "foreign"));
        const QString unreadable = historyOf() + "/" + version_file_name(start.addSecs(5), SaveOperation::Save, "memory.bin");
        QVERIFY(QFile::link(home->path() + "/gone", unreadable)); // cannot be opened

        VersionListModel model;
        model.load(file_paths().configuration);
        QCOMPARE(model.rowCount(), 3); // the dangling link is no file
        QStringList summaries;
        for (int row = 0; row < model.rowCount(); ++row)
            summaries << model.index(row, VersionListModel::ChangesColumn).data().toString();
        const QString notWhole = "unreadable: %1 bytes, not a whole memory";
        QCOMPARE(summaries, QStringList({notWhole.arg(QLocale().toString(layout::kImageSize + 4)),
                                         notWhole.arg(QLocale().toString(4096)), "no change"}));
        QVERIFY(model.versionBytes(0).isEmpty());
        QCOMPARE(model.versionBytes(2), factoryImage());
    }

    // Saves in quick turn by different operations, many within one
    // millisecond: the list still shows them in the order they were made.
    void versionsKeepTheOrderOfTheSaves()
    {
        const SaveOperation operations[] = {SaveOperation::PresetSave, SaveOperation::GlobalSettings,
                                            SaveOperation::CopyPreset};
        QStringList made;
        for (int i = 0; i < 60; ++i) {
            const SaveOperation operation = operations[i % 3];
            QVERIFY(save_configuration_bytes(withByte(eveningEdits(), layout::kMidiChannel, 100 + i), operation));
            made.prepend(operation_token(operation));
        }
        QStringList listed;
        for (const HistoryVersion &version : list_versions(file_paths().configuration))
            listed << version.operation;
        QCOMPARE(listed, made);
    }

    // From each version to the next, the newest to the file now.
    void summaryWording()
    {
        QVERIFY(save_configuration_bytes(eveningEdits(), SaveOperation::PresetSave));
        QVERIFY(save_configuration_bytes(withByte(eveningEdits(), layout::kMidiChannel, 4),
                                         SaveOperation::GlobalSettings));
        VersionListModel model;
        model.load(file_paths().configuration);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0, VersionListModel::OperationColumn).data().toString(), QString("Global, OK"));
        QCOMPARE(model.index(1, VersionListModel::OperationColumn).data().toString(), QString("Presets, Save"));
        QCOMPARE(model.index(1, VersionListModel::ChangesColumn).data().toString(),
                 QString("presets 014, 016: name, program changes; global: button 3 function"));
        QCOMPARE(model.index(0, VersionListModel::ChangesColumn).data().toString(), QString("global: MIDI channel"));
    }

    void changePreview_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("preview");
        QTest::newRow("whole memory")
            << factoryImage() << eveningEdits()
            << "It changes 2 presets and 1 setting: presets 014, 016: name, program changes; global: button 3 function.";
        QTest::newRow("the same") << factoryImage() << factoryImage() << "It changes nothing.";
        QTest::newRow("shorter replacement")
            << factoryImage() << eveningEdits().left(layout::presetOffset(14))
            << QString("In the %1 bytes it holds, it changes 1 preset and 1 setting: preset 014: name; global: "
                       "button 3 function.").arg(QLocale().toString(layout::presetOffset(14)));
        QTest::newRow("replacing a short file")
            << factoryImage().left(100) << eveningEdits()
            << "What it changes cannot be shown: the file it replaces is not a whole memory.";
    }
    void changePreview()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, preview);
        QCOMPARE(change_preview(before, after), preview);
    }

    void groupedChanges()
    {
        const QByteArray before = factoryImage();
        const QByteArray after = eveningEdits();
        const auto *a = reinterpret_cast<const unsigned char *>(before.constData());
        const auto *b = reinterpret_cast<const unsigned char *>(after.constData());
        const QVector<ChangeGroup> groups = grouped_changes(a, b);
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups[0].heading, QString("global"));
        QCOMPARE(groups[1].heading, QString("preset 014 \"Preset 014\""));
        QCOMPARE(groups[2].heading, QString("preset 016 \"Preset 016\""));
        // Heading and line together are the lines of vektor-tool diff.
        QStringList joined = groups[0].lines;
        for (int g = 1; g < groups.size(); ++g)
            for (const QString &line : groups[g].lines)
                joined << groups[g].heading + " " + line;
        QCOMPARE(joined, change_lines(compare_images(a, b), a, b));
    }

    // Choices read as the editor's lists name them, not as list positions.
    void changeLinesNameTheChoices_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        const int button3 = layout::buttonOffset(2);
        QTest::newRow("function") << button3 + layout::button::kFunction << 3
                                  << "button 3 function: preset -> instant access";
        QTest::newRow("function no list shows") << button3 + layout::button::kFunction << 20
                                                << "button 3 function: preset -> (20)";
        QTest::newRow("action") << button3 + layout::button::kAction << 0
                                << "button 3 action: alternate -> momentary";
    }
    void changeLinesNameTheChoices()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, line);
        const QByteArray before = factoryImage();
        const QByteArray after = withByte(before, offset, char(value));
        const auto *a = reinterpret_cast<const unsigned char *>(before.constData());
        const auto *b = reinterpret_cast<const unsigned char *>(after.constData());
        QCOMPARE(change_lines(compare_images(a, b), a, b), QStringList{line});
    }

    // An export over the configuration file replaces it like a save: the file
    // as it was stays in the history.
    void exportOverTheMemoryFileKeepsItsVersion()
    {
        QString error;
        QVERIFY2(export_version(eveningEdits(), ExportFormat::MemoryFile, file_paths().configuration, "memory.bin",
                                &error),
                 qPrintable(error));
        QCOMPARE(readWholeFile(file_paths().configuration), eveningEdits());
        const QVector<HistoryVersion> versions = list_versions(file_paths().configuration);
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions.first().operation, QString("history-export"));
        QCOMPARE(readWholeFile(versions.first().path), factoryImage());
    }

    // A clock set back: versions named later than now must not push out the
    // one just kept.
    void versionsFromTheFutureLeaveTheNewOne()
    {
        QDir().mkpath(historyOf());
        const QDateTime future = QDateTime::currentDateTimeUtc().addYears(5);
        for (int i = 0; i < kKeptVersions; ++i)
            QVERIFY(writeWholeFile(historyOf() + "/" + version_file_name(future.addSecs(i), SaveOperation::Save,
                                                                          "memory.bin"),
                                   eveningEdits()));
        const QString oldestFuture = versionFiles().first();
        QVERIFY(save_configuration_bytes(eveningEdits(), SaveOperation::PresetSave));
        const QStringList files = versionFiles();
        QCOMPARE(files.size(), kKeptVersions);
        QVERIFY(!files.contains(oldestFuture));
        QVERIFY(std::any_of(files.begin(), files.end(),
                            [](const QString &name) { return name.contains("_preset-save_"); }));
    }

    void exportFormats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("memory file") << "v.bin";
        QTest::newRow("no known ending") << "v.dat";
        QTest::newRow("dump") << "v.syx";
        QTest::newRow("readable form") << "v.json";
    }
    void exportFormats()
    {
        QFETCH(QString, name);
        const QString path = home->path() + "/" + name;
        const QByteArray image = eveningEdits();
        QString error;
        QVERIFY2(export_version(image, export_format_for(path), path, "memory.bin", &error), qPrintable(error));
        const QByteArray written = readWholeFile(path);
        switch (export_format_for(path)) {
        case ExportFormat::MemoryFile:
            QCOMPARE(written, image);
            break;
        case ExportFormat::Dump:
            QCOMPARE(written, dumpOf(image));
            break;
        case ExportFormat::Readable:
            QCOMPARE(import_readable(written, QByteArray()).image, image);
            break;
        }
    }
};

VEKTOR_TEST_MAIN(VersionHistoryTest)
#include "test_version_history.moc"
