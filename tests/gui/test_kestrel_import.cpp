// "Import Kestrel SysEx" in the utility dialog: the Kestrel file carried
// over into the configuration file, the preset lists refreshed, the Kestrel
// file left alone, and a missing Kestrel file said.

#include "test_support.h"
#include "utility_support.h"

#include "kestrel_import.h"
#include "backup.h"
#include "store.h"
#include "utilitydialog.h"

#include <QComboBox>
#include <QPushButton>

class TestKestrelImport : public QObject
{
    Q_OBJECT

private slots:
    void importReplacesTheFileAndTheLists();
    void withoutKestrelFileNothingIsWritten();
};

void TestKestrelImport::importReplacesTheFileAndTheLists()
{
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    const QByteArray before = readWholeFile(paths.configuration);
    QByteArray kestrel = randomBytes(59357, 3);
    kestrel.replace(0, 17, "ABCDEFGHIJKLMNOPX");             // preset 0: 16 characters, no terminator
    kestrel.replace(324, 17, QByteArray("Short\0zzzzzzzzzzz", 17)); // preset 1
    QVERIFY(writeWholeFile(paths.sibling, kestrel));

    utilitydialog dialog(nullptr);
    dialog.findChild<QPushButton *>("pushButton_Convert")->click();

    QByteArray expected = before;
    import_kestrel_image(reinterpret_cast<const unsigned char *>(kestrel.constData()),
                         reinterpret_cast<unsigned char *>(expected.data()));
    QVERIFY(readWholeFile(paths.configuration) == expected);
    QCOMPARE(readWholeFile(configuration_backup_path()), before);
    QCOMPARE(readWholeFile(paths.sibling), kestrel);

    // The lists show the imported names, now and in the next dialog.
    QCOMPARE(dialog.findChild<QComboBox *>("presetToComboBox")->itemText(0), QString("001 - ABCDEFGHIJKLMNOP"));
    QCOMPARE(dialog.findChild<QComboBox *>("presetFromComboBox")->itemText(1), QString("002 - Short"));
    utilitydialog next(nullptr);
    QCOMPARE(next.findChild<QComboBox *>("presetFromComboBox")->itemText(0), QString("001 - ABCDEFGHIJKLMNOP"));
}
void TestKestrelImport::withoutKestrelFileNothingIsWritten()
{
    TempHome home;
    prepare_editor_home(home);
    const QByteArray before = readWholeFile(file_paths().configuration);
    utilitydialog dialog(nullptr);
    auto box = acceptNextMessageBox();
    dialog.findChild<QPushButton *>("pushButton_Convert")->click();
    QVERIFY(box->shown);
    QCOMPARE(box->title, QString("Import Kestrel SysEx"));
    QCOMPARE(box->text, QString("Couldn't read the Kestrel memory file %1: nothing was imported.")
                            .arg(file_paths().sibling));
    QCOMPARE(readWholeFile(file_paths().configuration), before);
}

VEKTOR_TEST_MAIN(TestKestrelImport)
#include "test_kestrel_import.moc"
