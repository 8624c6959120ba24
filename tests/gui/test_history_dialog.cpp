// Every write of the editor keeps the file it replaces, under the operation
// that replaced it; the History dialog compares, restores and exports the
// versions; a history that cannot be kept is said once in the status bar;
// the questions before wholesale replacements say what would change.

#include "fields.h"
#include "historydialog.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "mainwindow.h"
#include "configuration_saves.h"
#include "store.h"
#include "test_support.h"
#include "utility_support.h"
#include "utilitydialog.h"
#include "version_keeping.h"
#include "version_list_model.h"
#include "version_listing.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

// The factory memory with a few presets renamed: every operation below
// writes something else.
QByteArray editedImage(int seed = 0)
{
    QByteArray image = factoryImage();
    for (int record : {12, 14, 40})
        write_name(reinterpret_cast<unsigned char *>(image.data()) + layout::presetOffset(record) + layout::preset::kName,
                   QStringLiteral("Song %1").arg(record + seed));
    return image;
}

// "Global OK" and "Presets Save" with an edit in the dialog, so that they
// write something new, in `window` or a main window of their own; the other
// operations change the file by themselves.
void runWithAnEdit(const QString &operation, MainWindow *window = nullptr)
{
    if (operation != "Global OK" && operation != "Presets Save") {
        run_editor_operation(operation);
        return;
    }
    std::unique_ptr<MainWindow> own(window ? nullptr : new MainWindow);
    const bool global = operation == "Global OK";
    whenModal<QDialog>([global](QDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(global ? "button1NameLineEdit" : "presetname"), "!");
        dialog->done(QDialog::Accepted);
    });
    (window ? window : own.get())->findChild<QPushButton *>(global ? "pushButton" : "pushButton_2")->click();
}

void selectRows(historydialog &dialog, const QVector<int> &rows)
{
    auto *list = dialog.findChild<QAbstractItemView *>("versionList");
    list->selectionModel()->clear();
    for (int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void click(QWidget &window, const char *button)
{
    auto *b = window.findChild<QPushButton *>(button);
    QVERIFY2(b && b->isEnabled(), button);
    b->click();
}

} // namespace

class HistoryDialogTest : public QObject
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
        QVERIFY(writeWholeFile(file_paths().configuration, editedImage()));
        QVERIFY(writeWholeFile(file_paths().dump, dumpOf(factoryImage())));
        QVERIFY(writeWholeFile(file_paths().sibling, randomBytes(layout::kSiblingImageSize, 11)));
    }

    void versionPerKindOfWrite_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("token");
        QTest::newRow("Global OK") << "Global OK" << "global-settings";
        QTest::newRow("Presets Save") << "Presets Save" << "preset-save";
        QTest::newRow("preset switch Yes") << "preset switch Yes" << "preset-switch";
        QTest::newRow("Copy Preset") << "Copy Preset" << "copy-preset";
        QTest::newRow("Factory Reset") << "Factory Reset" << "factory-reset";
        QTest::newRow("Import Vektor SysEx") << "Import Vektor SysEx" << "dump-import";
        QTest::newRow("Stop of a reception") << "Stop of a reception" << "dump-reception";
        QTest::newRow("Import Kestrel SysEx") << "Import Kestrel SysEx" << "kestrel-import";
    }
    void versionPerKindOfWrite()
    {
        QFETCH(QString, operation);
        QFETCH(QString, token);
        const QByteArray before = readWholeFile(file_paths().configuration);
        load_image(); // the preset switch works on the image in memory
        {
            MessageBoxWatch watch(QMessageBox::Yes);
            runWithAnEdit(operation);
        }
        QVERIFY(readWholeFile(file_paths().configuration) != before);
        const QVector<HistoryVersion> versions = list_versions(file_paths().configuration);
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions[0].operation, token);
        QCOMPARE(readWholeFile(versions[0].path), before);
    }

    void restoreIsItselfUndone()
    {
        const QString config = file_paths().configuration;
        const QByteArray first = readWholeFile(config);
        QVERIFY(save_configuration_bytes(editedImage(1), SaveOperation::PresetSave));
        QVERIFY(save_configuration_bytes(editedImage(2), SaveOperation::GlobalSettings));
        historydialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("History"));
        QCOMPARE(dialog.versions()->rowCount(), 2);

        // The oldest version back: the file as it was first.
        selectRows(dialog, {1});
        const QString when = VersionListModel::timeText(dialog.versions()->version(1).replacedAt);
        auto question = std::make_shared<SeenBox>();
        handleModalsInTurn({answerMessageBoxStep(question, QMessageBox::Yes)});
        click(dialog, "restoreButton");
        QVERIFY(question->shown);
        QVERIFY2(question->text.contains(when)
                     && question->text.contains("It changes 3 presets: presets 014, 016, 045: name."),
                 qPrintable(question->text));
        QCOMPARE(readWholeFile(config), first);

        // The restore is the newest version: restoring it undoes the restore.
        QCOMPARE(dialog.versions()->rowCount(), 3);
        QCOMPARE(dialog.versions()->version(0).operation, QString("restore"));
        QCOMPARE(dialog.versions()->versionBytes(0), editedImage(2));
        selectRows(dialog, {0});
        handleModalsInTurn({answerMessageBoxStep(question, QMessageBox::Yes)});
        click(dialog, "restoreButton");
        QCOMPARE(readWholeFile(config), editedImage(2));
        QCOMPARE(dialog.versions()->rowCount(), 4);
        QCOMPARE(dialog.versions()->versionBytes(0), first);

        // No leaves the file alone.
        selectRows(dialog, {3});
        handleModalsInTurn({answerMessageBoxStep(question, QMessageBox::No)});
        click(dialog, "restoreButton");
        QCOMPARE(readWholeFile(config), editedImage(2));
    }

    void compareGroupsTheChanges()
    {
        QVERIFY(save_configuration_bytes(editedImage(1), SaveOperation::PresetSave));
        historydialog dialog;
        auto *tree = dialog.findChild<QTreeWidget *>("changeTree");
        auto *label = dialog.findChild<QLabel *>("compareLabel");
        QVERIFY(!dialog.findChild<QPushButton *>("compareButton")->isEnabled());

        selectRows(dialog, {0});
        click(dialog, "compareButton");
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("preset 014 \"Song 12\""));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("name: \"Song 12\" -> \"Song 13\""));
        QVERIFY2(label->text().contains("to the file as it is now: 3 presets changed"), qPrintable(label->text()));

        // Two versions: from the older to the newer.
        QVERIFY(save_configuration_bytes(editedImage(2), SaveOperation::GlobalSettings));
        dialog.versions()->load(file_paths().configuration);
        selectRows(dialog, {0, 1});
        click(dialog, "compareButton");
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("name: \"Song 12\" -> \"Song 13\""));
        QVERIFY2(label->text().contains("(replaced by Presets, Save) to the version kept"), qPrintable(label->text()));
    }

    void exportAsDump()
    {
        QVERIFY(save_configuration_bytes(editedImage(1), SaveOperation::PresetSave));
        historydialog dialog;
        selectRows(dialog, {0});
        const QString path = home->path() + "/then.syx";
        answerFileDialog(path);
        click(dialog, "exportButton");
        QCOMPARE(readWholeFile(path), dumpOf(editedImage()));
    }

    // A bare name gets its ending before the question whether to replace
    // the file of that name: an existing x.bin is never replaced unasked.
    void exportSettlesTheEndingBeforeAsking()
    {
        QVERIFY(save_configuration_bytes(editedImage(1), SaveOperation::PresetSave));
        historydialog dialog;
        selectRows(dialog, {0});
        const QString bare = home->path() + "/x";
        QVERIFY(writeWholeFile(bare + ".bin", "keep me"));
        QString question;
        whenModal<QFileDialog>([&](QFileDialog *files) {
            whenModal<QMessageBox>([&](QMessageBox *box) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            });
            files->setDirectory(home->path());
            files->findChild<QLineEdit *>("fileNameEdit")->setText(bare);
            QMetaObject::invokeMethod(files, "accept");
            if (files->isVisible())
                files->reject();
        });
        click(dialog, "exportButton");
        QVERIFY2(question.contains("x.bin already exists"), qPrintable(question));
        QCOMPARE(readWholeFile(bare + ".bin"), QByteArray("keep me"));
    }

    void opensFromTheUtilityDialog()
    {
        utilitydialog utility(nullptr);
        auto *button = utility.findChild<QPushButton *>("pushButton_History");
        QVERIFY(button);
        QCOMPARE(button->text(), QString("History..."));
        QString title;
        bool listed = false;
        whenModal<QDialog>([&](QDialog *dialog) {
            title = dialog->windowTitle();
            listed = dialog->findChild<QAbstractItemView *>("versionList") != nullptr;
            dialog->reject();
        });
        button->click();
        QCOMPARE(title, QString("History"));
        QVERIFY(listed);
    }

    void statusBarSaysOnce()
    {
        QVERIFY(writeWholeFile(history_folder(file_paths().configuration), "in the way"));
        MainWindow window;
        const QString folder = history_folder(file_paths().configuration);
        runWithAnEdit("Global OK", &window);
        QCOMPARE(readWholeFile(file_paths().configuration).size(), layout::kImageSize);
        QVERIFY(readWholeFile(file_paths().configuration) != editedImage()); // the save went on
        const QList<QLabel *> notices = window.statusBar()->findChildren<QLabel *>("historyNotice");
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0]->text().contains("not being kept") && notices[0]->text().contains(folder),
                 qPrintable(notices[0]->text()));
        runWithAnEdit("Presets Save", &window);
        QCOMPARE(window.statusBar()->findChildren<QLabel *>("historyNotice").size(), 1);
    }

    void questionsSayWhatWouldChange_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("preview");
        QTest::newRow("a dump of part of a memory") << "Import Vektor SysEx" << "bytes it holds, it changes 2 presets";
        QTest::newRow("a Kestrel file of odd size") << "Import Kestrel SysEx" << "It changes 180 presets and";
    }
    void questionsSayWhatWouldChange()
    {
        QFETCH(QString, operation);
        QFETCH(QString, preview);
        QVERIFY(writeWholeFile(file_paths().dump, dumpOf(factoryImage().left(layout::presetOffset(20)))));
        QVERIFY(writeWholeFile(file_paths().sibling, randomBytes(layout::kSiblingImageSize - 1, 11)));
        const QByteArray before = readWholeFile(file_paths().configuration);
        auto question = std::make_shared<SeenBox>();
        handleModalsInTurn({answerMessageBoxStep(question, QMessageBox::No)});
        run_editor_operation(operation);
        QVERIFY2(question->text.contains(preview), qPrintable(question->text));
        QCOMPARE(readWholeFile(file_paths().configuration), before);
        QVERIFY(list_versions(file_paths().configuration).isEmpty());
    }
};

VEKTOR_TEST_MAIN(HistoryDialogTest)
#include "test_history_dialog.moc"
