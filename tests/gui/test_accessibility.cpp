// Every window read as a screen reader reads it: each control that takes the
// keyboard focus has a name of its own in its window, Tab reaches every one
// of them in the order of the rows, every button has a key, and the grids
// say row and field, in English and in German.

#include "controlchangedialog.h"
#include "bulkeditdialog.h"
#include "copytargetdialog.h"
#include "fields.h"
#include "globaldialog.h"
#include "image_layout.h"
#include "historydialog.h"
#include "librarydialog.h"
#include "mainwindow.h"
#include "midiportsdialog.h"
#include "memory_check.h"
#include "memorycheckdialog.h"
#include "monitordialog.h"
#include "namechooserdialog.h"
#include "overridesdialog.h"
#include "preset_list.h"
#include "presetsdialog.h"
#include "rignamesdialog.h"
#include "store.h"
#include "test_support.h"
#include "utilitydialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QTranslator>

#include <functional>
#include <map>
#include <memory>
#include <set>

// The compiled translations live in the editor's static library.
static void initTranslations()
{
    Q_INIT_RESOURCE(vektor_translations);
}

namespace {

using Opener = std::function<QWidget *(QWidget *main)>;

const std::map<QString, Opener> &windows()
{
    static const std::map<QString, Opener> all = {
        {"main window", [](QWidget *main) { return main; }},
        {"global", [](QWidget *main) { return new globaldialog(main); }},
        {"presets", [](QWidget *main) { return new presetsdialog(main, config_image()); }},
        {"control changes", [](QWidget *main) { return new ControlChangeDialog(main, 0); }},
        {"overrides", [](QWidget *main) { return new overridesdialog(main, 0); }},
        {"utility", [](QWidget *main) { return new utilitydialog(main); }},
        {"ports",
         [](QWidget *main) {
             auto *dialog = new midiportsdialog(main);
             dialog->addInputPort("0 - Vektor MIDI In");
             dialog->addOutputPort("0 - Vektor MIDI Out");
             return dialog;
         }},
        {"library", [](QWidget *main) { return new librarydialog(main); }},
        {"history", [](QWidget *main) { return new historydialog(main); }},
        {"MIDI monitor", [](QWidget *main) { return new monitordialog(main); }},
        {"memory check",
         [](QWidget *main) {
             auto *dialog = new memorycheckdialog(main);
             dialog->showFindings(check_memory(config_image()));
             return dialog;
         }},
        {"library copy", [](QWidget *main) { return new copytargetdialog(main, config_image(), bank_records(1)); }},
        {"library edit selected", [](QWidget *main) { return new bulkeditdialog(main, config_image(), bank_records(1)); }},
        {"rig names", [](QWidget *main) { return new rignamesdialog(main, config_image(), file_paths().configuration); }},
        {"name chooser",
         [](QWidget *main) {
             return new namechooserdialog(main, "Choose Device", "Manufacturer and model:", {"Line 6 POD", "Lexicon PCM 80"});
         }},
    };
    return all;
}

// The text of an editable list hands its focus to the list, and is reached as it.
bool takesTab(QWidget *widget) { return widget->focusPolicy() & Qt::TabFocus && !widget->focusProxy(); }

// The window's own controls that take the focus (not those of its popups).
QList<QWidget *> focusable(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->window() == window && takesTab(widget))
            controls << widget;
    return controls;
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString describe(QWidget *widget)
{
    return QString("%1 '%2'").arg(widget->metaObject()->className(), widget->objectName());
}

QWidget *nextFocusable(QWidget *widget)
{
    for (QWidget *next = widget->nextInFocusChain(); next != widget; next = next->nextInFocusChain())
        if (takesTab(next) && next->window() == widget->window())
            return next;
    return widget;
}

// A translator for the rows in German, gone with the row.
class Language
{
public:
    explicit Language(const QString &name)
    {
        if (name == "de") {
            initTranslations();
            QVERIFY(translator.load(":/translations/vektor_de.qm"));
            QCoreApplication::installTranslator(&translator);
        }
    }
    ~Language() { QCoreApplication::removeTranslator(&translator); }

private:
    QTranslator translator;
};

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;

    QWidget *open(const QString &window, std::unique_ptr<QWidget> &owned)
    {
        QWidget *shown = windows().at(window)(main.get());
        owned.reset(shown == main.get() ? nullptr : shown);
        return shown;
    }

private slots:
    void initTestCase()
    {
        main = std::make_unique<MainWindow>(); // a first start: the factory memory
        load_image();
    }

    // The window as a screen reader and a keyboard meet it: every control
    // that takes the focus has a name no other control of the window has,
    // every button a key of its own, and Tab from the first control comes
    // back to it through every control that can take the focus now.
    void everyWindow_data()
    {
        QTest::addColumn<QString>("window");
        for (const auto &entry : windows())
            QTest::newRow(qPrintable(entry.first)) << entry.first;
    }
    void everyWindow()
    {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> owned;
        QWidget *shown = open(window, owned);
        QStringList problems;
        std::map<QString, QWidget *> named, keys;
        for (QWidget *control : focusable(shown)) {
            const QString name = accessibleName(control);
            if (name.trimmed().isEmpty())
                problems << describe(control) + " has no name";
            else if (!named.emplace(name, control).second)
                problems << QString("%1 and %2 are both '%3'").arg(describe(named[name]), describe(control), name);
        }
        for (QAbstractButton *button : shown->findChildren<QAbstractButton *>()) {
            if (button->window() != shown || button->text().isEmpty())
                continue;
            const QString key = (button->shortcut().isEmpty() ? QKeySequence::mnemonic(button->text()) : button->shortcut()).toString();
            if (key.isEmpty())
                problems << describe(button) + " '" + button->text() + "' has no key";
            else if (!keys.emplace(key, button).second)
                problems << QString("%1 and %2 share %3").arg(describe(keys[key]), describe(button), key);
        }

        shown->show();
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        std::set<QWidget *> expected;
        for (QWidget *control : focusable(shown))
            if (control->isVisibleTo(shown) && control->isEnabled())
                expected.insert(control);
        QWidget *first = *expected.begin();
        first->setFocus(Qt::TabFocusReason);
        std::set<QWidget *> reached{first};
        for (size_t step = 0; step < 2 * expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == first)
                break;
            reached.insert(QApplication::focusWidget());
        }
        for (QWidget *control : expected)
            if (!reached.count(control))
                problems << "Tab never reaches " + describe(control);
        shown->hide();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }

    void tabFollowsTheRows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("a button's row") << "global" << "button1FunctionComboBox" << "button1ActionComboBox";
        QTest::newRow("to the next button") << "global" << "button1StepComboBox" << "button2FunctionComboBox";
        QTest::newRow("a device's row") << "global" << "channel5EnabledCheckBox" << "channel5NameLineEdit";
        QTest::newRow("a program change row") << "presets" << "presetLsb2ComboBox" << "presetProgramChangeNumber2ComboBox";
        QTest::newRow("to the next entry") << "control changes" << "controlChange1ValueComboBox" << "controlChange2EnabledComboBox";
        QTest::newRow("an override's row") << "overrides" << "button4StateComboBox" << "button4DeviceComboBox";
    }
    void tabFollowsTheRows()
    {
        QFETCH(QString, window);
        QFETCH(QString, from);
        QFETCH(QString, to);
        std::unique_ptr<QWidget> owned;
        QWidget *shown = open(window, owned);
        auto *start = shown->findChild<QWidget *>(from);
        QVERIFY(start);
        QCOMPARE(nextFocusable(start)->objectName(), to);
    }

    void namesSayRowAndField_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("button 3's channel") << "en" << "global" << "button3ChannelComboBox" << "Button 3 Channel";
        QTest::newRow("device 5's name") << "en" << "global" << "channel5NameLineEdit" << "Device 5 Name";
        QTest::newRow("device 12 enabled") << "en" << "global" << "channel12EnabledCheckBox" << "Device 12 Enabled";
        QTest::newRow("a list beside its label") << "en" << "global" << "sysexIdCombo" << "SysEx Id";
        QTest::newRow("a control change's value") << "en" << "control changes" << "controlChange12ValueComboBox"
                                                  << "Control Change Value 12";
        QTest::newRow("an override's device") << "en" << "overrides" << "button4DeviceComboBox"
                                              << "Override for button 4, Device (MIDI Channel)";
        QTest::newRow("a field under its title") << "en" << "presets" << "presetLoop3EnabledComboBox" << "Loop 3";
        QTest::newRow("Taster 3 Kanal") << "de" << "global" << "button3ChannelComboBox" << "Taster 3 Kanal";
        QTest::newRow("Gerät 5 Name") << "de" << "global" << "channel5NameLineEdit" << "Gerät 5 Name";
        QTest::newRow("Controller-Wert 12") << "de" << "control changes" << "controlChange12ValueComboBox"
                                                << "Controller-Wert 12";
    }
    void namesSayRowAndField()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        Language translation(language);
        std::unique_ptr<QWidget> owned;
        QWidget *shown = open(window, owned);
        auto *widget = shown->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(accessibleName(widget), name);
    }

    // Return in the library's table renames the preset, as a double-click
    // does, and leaves the dialog open.
    void returnInTheLibraryRenames()
    {
        std::unique_ptr<QWidget> owned;
        QWidget *shown = open("library", owned);
        shown->show();
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        auto *table = shown->findChild<QAbstractItemView *>("presetTable");
        table->setFocus();
        table->setCurrentIndex(table->model()->index(4, 0));
        QTest::keyClick(table, Qt::Key_Return);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != table && table->isAncestorOf(editor));
        QVERIFY(shown->isVisible());
        shown->hide();
    }

    // A row of the library reads as one sentence, cell by cell alike.
    void libraryRowReadsAsASentence()
    {
        write_name(config_image() + layout::presetOffset(13) + layout::preset::kName, "Verse Crunch");
        std::unique_ptr<QWidget> owned;
        QWidget *shown = open("library", owned);
        load_image(); // the file as it was, for the other cases
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(shown->findChild<QWidget *>("presetTable"));
        QVERIFY(table && table->tableInterface());
        QAccessibleInterface *cell = table->tableInterface()->cellAt(13, 3);
        QVERIFY(cell);
        const QString sentence = cell->text(QAccessible::Description);
        QVERIFY2(sentence.startsWith("Preset 015, Verse Crunch, ") && sentence.contains(" control change"),
                 qPrintable(sentence));
        QCOMPARE(table->tableInterface()->cellAt(13, 0)->text(QAccessible::Description), sentence);
    }

    void cleanupTestCase() { main.reset(); }
};

VEKTOR_TEST_MAIN(AccessibilityTest)

#include "test_accessibility.moc"
