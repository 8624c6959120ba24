// On a high-DPI screen (QT_SCALE_FACTOR=2, as a 4K laptop) every window still
// fits the screen and nothing in it is squeezed below what it needs to show:
// each visible widget gets at least its minimum size, every label and button
// its whole text and every column of a table its title, in each language of
// the editor. Under a virtual X display (Xvfb) when there is one,
// as the user's desktop draws it, else offscreen.

#include "controlchangedialog.h"
#include "copytargetdialog.h"
#include "globaldialog.h"
#include "high_dpi.h"
#include "historydialog.h"
#include "memory_check.h"
#include "memorycheckdialog.h"
#include "monitordialog.h"
#include "librarydialog.h"
#include "mainwindow.h"
#include "midiportsdialog.h"
#include "overridesdialog.h"
#include "preset_list.h"
#include "presetsdialog.h"
#include "store.h"
#include "test_support.h"
#include "utilitydialog.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QProgressBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTranslator>

#include <csignal>
#include <functional>
#include <map>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

// The compiled translations live in the editor's static library.
static void initTranslations()
{
    Q_INIT_RESOURCE(vektor_translations);
}

namespace {

// A private X server with a 4K screen for the whole run, when Xvfb is
// installed; it picks a free display number itself (-displayfd).
class VirtualDisplay
{
public:
    VirtualDisplay()
    {
        const QByteArray xvfb = QFile::encodeName(QStandardPaths::findExecutable("Xvfb"));
        int channel[2];
        if (xvfb.isEmpty() || pipe(channel) != 0)
            return;
        server = fork();
        if (server == 0) {
            close(channel[0]);
            const QByteArray fd = QByteArray::number(channel[1]);
            execl(xvfb.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", "3840x2160x24",
                  "-nolisten", "tcp", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(channel[1]);
        QByteArray number;
        char c;
        while (server > 0 && read(channel[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(channel[0]);
        if (number.isEmpty())
            return;
        qputenv("DISPLAY", ":" + number);
        qputenv("QT_QPA_PLATFORM", "xcb");
        // The editor draws nothing with OpenGL; the GL drivers Qt would load
        // keep memory that LeakSanitizer reports.
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    }
    ~VirtualDisplay()
    {
        if (server <= 0)
            return;
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }

private:
    pid_t server = -1;
};

QString plainText(const QString &text, Qt::TextFormat format)
{
    if (format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        return document.toPlainText();
    }
    return text;
}

// Inside a view (a table's headers, its cells' editors, scroll bars) the
// view, not a layout, gives the room, and scrolls what does not fit.
bool insideView(QWidget *widget, QWidget *window)
{
    for (QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<QAbstractScrollArea *>(up))
            return true;
    return false;
}

// What a widget needs to show itself whole, or an empty size when it is free
// to show less (wrapped labels take their height from their width).
QSize neededSize(QWidget *widget)
{
    QSize needed = widget->minimumSizeHint();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return QSize();
        QString text = plainText(label->text(), label->textFormat());
        // A label with a buddy shows its '&' as the underline of the next letter.
        if (label->buddy())
            text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        const int margins = widget->width() - widget->contentsRect().width() + 2 * qMax(label->indent(), 0);
        needed.setWidth(qMax(needed.width(), label->fontMetrics().horizontalAdvance(text) + margins));
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (!button->text().isEmpty())
            needed.setWidth(qMax(needed.width(), button->sizeHint().width()));
    }
    return needed;
}

QString describe(QWidget *widget)
{
    QString name = widget->objectName();
    if (auto *button = qobject_cast<QAbstractButton *>(widget); button && name.isEmpty())
        name = button->text(); // the button box's own buttons have no name
    return QString("%1 '%2'").arg(widget->metaObject()->className(), name);
}

using Opener = std::function<QWidget *(QWidget *main)>;
using Change = std::function<void(QWidget *window)>;

// A window as the main window opens it, and what then changes its looks.
struct Window {
    Opener open;
    Change later;
};

// Every window of the editor. The utility dialog is opened once for both its
// looks: it opens the MIDI system, which can take long where none runs.
const std::map<QString, Window> &windows()
{
    static const std::map<QString, Window> all = {
        // A main window of its own, in the language of the case.
        {"main window", {[](QWidget *) { return new MainWindow; }, {}}},
        {"history", {[](QWidget *main) { return new historydialog(main); }, {}}},
        {"MIDI monitor", {[](QWidget *main) { return new monitordialog(main); }, {}}},
        {"memory check",
         {[](QWidget *main) {
              auto *dialog = new memorycheckdialog(main);
              dialog->showFindings(check_memory(config_image()));
              return dialog;
          },
          {}}},
        {"global settings", {[](QWidget *main) { return new globaldialog(main); }, {}}},
        {"presets", {[](QWidget *main) { return new presetsdialog(main, config_image()); }, {}}},
        {"control changes", {[](QWidget *main) { return new ControlChangeDialog(main, 0); }, {}}},
        {"instant-access overrides", {[](QWidget *main) { return new overridesdialog(main, 0); }, {}}},
        {"library", {[](QWidget *main) { return new librarydialog(main); }, {}}},
        {"library copy",
         {[](QWidget *main) { return new copytargetdialog(main, config_image(), bank_records(1)); }, {}}},
        {"utility, then sending",
         {[](QWidget *main) { return new utilitydialog(main); },
          [](QWidget *dialog) {
              auto *bar = dialog->findChild<QProgressBar *>("progressBar_SysEx");
              bar->setValue(37);
              bar->setFormat(QString::fromUtf8("Message 312 of 839 \u2014 about 1 min 35 s left"));
              bar->show();
              dialog->findChild<QWidget *>("pushButton_CancelSend")->show();
          }}},
        {"MIDI ports",
         {[](QWidget *main) {
              auto *dialog = new midiportsdialog(main);
              dialog->addInputPort("0 - Vektor MIDI In");
              dialog->addOutputPort("0 - Vektor MIDI Out");
              return dialog;
          },
          {}}},
    };
    return all;
}

// Empty when the shown window fits the screen and nothing in it is squeezed.
QStringList clipped(QWidget *shown)
{
    QStringList problems;
    const QRect screen = shown->screen()->availableGeometry();
    if (shown->width() > screen.width() || shown->height() > screen.height())
        problems << QString("the window: %1x%2 on a screen of %3x%4")
                        .arg(shown->width()).arg(shown->height()).arg(screen.width()).arg(screen.height());
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(shown) || widget->isWindow())
            continue;
        // A column narrower than its title cuts the title, and its cells.
        if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->orientation() == Qt::Horizontal)
            for (int section = 0; section < header->count(); ++section)
                if (!header->isSectionHidden(section) && header->sectionSize(section) < header->sectionSizeHint(section))
                    problems << QString("%1 column '%2': %3 wide, its title needs %4")
                                    .arg(describe(header->parentWidget()),
                                         header->model()->headerData(section, Qt::Horizontal).toString())
                                    .arg(header->sectionSize(section)).arg(header->sectionSizeHint(section));
        if (insideView(widget, shown))
            continue;
        const QSize needed = neededSize(widget);
        if (needed.isValid() && (widget->width() < needed.width() || widget->height() < needed.height()))
            problems << QString("%1: %2x%3, needs %4x%5")
                            .arg(describe(widget)).arg(widget->width()).arg(widget->height())
                            .arg(needed.width()).arg(needed.height());
    }
    return problems;
}

} // namespace

class HighDpiTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;

private slots:
    void initTestCase()
    {
        qInfo("platform %s, scale %s", qPrintable(QGuiApplication::platformName()),
              qgetenv("QT_SCALE_FACTOR").constData());
        main = std::make_unique<MainWindow>(); // a first start: the factory memory
        load_image();
    }

    void nothingClips_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "es"})
            for (const auto &entry : windows())
                QTest::newRow(qPrintable(entry.first + ", " + language)) << entry.first << language;
    }

    void nothingClips()
    {
        QFETCH(QString, window);
        QFETCH(QString, language);
        QTranslator translator;
        if (language != "en") {
            initTranslations();
            QVERIFY(translator.load(":/translations/vektor_" + language + ".qm"));
            QCoreApplication::installTranslator(&translator);
        }
        const Window &entry = windows().at(window);
        std::unique_ptr<QWidget> owned(entry.open(main.get()));
        QWidget *shown = owned.get();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCOMPARE(shown->devicePixelRatioF(), 2.0);
        QStringList problems = clipped(shown);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
        if (entry.later) {
            entry.later(shown);
            QApplication::processEvents(); // the layout takes the change
            problems = clipped(shown);
            QVERIFY2(problems.isEmpty(), qPrintable("after the change:\n" + problems.join("\n")));
        }
        shown->hide();
    }

    void cleanupTestCase() { main.reset(); }
};

int main(int argc, char *argv[])
{
    VirtualDisplay display; // outlives the application
    qputenv("QT_SCALE_FACTOR", "2");
    // With no MIDI system here, JACK would try to start a server for each of
    // the utility dialog's ports and wait seconds for it to fail.
    qputenv("JACK_NO_START_SERVER", "1");
    enable_high_dpi();
    TempHome home;
    QApplication app(argc, argv);
    HighDpiTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_dpi.moc"
