// Starts the editor as its main() does, in the language the environment names,
// and prints what the main window and the dialogs show, one line each:
// "<window>\t<text>". A text that its widget cannot show whole is printed as
// "<window>\tclipped: <object>: <text>". test_translations reads the lines.

#include "app_translations.h"
#include "controlchangedialog.h"
#include "globaldialog.h"
#include "historydialog.h"
#include "librarydialog.h"
#include "monitordialog.h"
#include "mainwindow.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "configuration_saves.h"
#include "store.h"
#include "utilitydialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTextStream>
#include <QTimer>

namespace {

QTextStream out(stdout);

void line(const QWidget &window, const QString &text)
{
    out << window.metaObject()->className() << '\t' << text << '\n';
}

void clipped(const QWidget &window, const QWidget &widget, const QString &text)
{
    line(window, QStringLiteral("clipped: %1: %2").arg(widget.objectName(), text));
}

void comboEntries(const QWidget &window, const QComboBox &box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    const int room =
        box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box).width();
    for (int i = 0; i < box.count(); ++i) {
        const QString text = box.itemText(i);
        line(window, text);
        if (box.fontMetrics().horizontalAdvance(text) > room)
            clipped(window, box, text);
    }
}

void headers(const QWidget &window, const QTableView &table)
{
    const QHeaderView *header = table.horizontalHeader();
    for (int section = 0; section < header->count(); ++section) {
        const QString text = table.model()->headerData(section, Qt::Horizontal).toString();
        line(window, text);
        // A stretched column shares what the window leaves; the others are
        // sized from the font for their contents and must hold their title.
        if (header->sectionResizeMode(section) != QHeaderView::Stretch
            && header->fontMetrics().horizontalAdvance(text) + 8 > header->sectionSize(section))
            clipped(window, table, text);
    }
}

// Shows `window` at its default size and prints its texts.
void report(QWidget &window)
{
    window.show();
    // Stretched table columns take their width from a deferred layout.
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    line(window, window.windowTitle());
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        line(window, label->text());
        if (!label->wordWrap() && label->width() < label->minimumSizeHint().width())
            clipped(window, *label, label->text());
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        line(window, button->text());
        if (button->width() < button->minimumSizeHint().width())
            clipped(window, *button, button->text());
    }
    for (const QComboBox *box : window.findChildren<QComboBox *>())
        if (box->isVisible())
            comboEntries(window, *box);
    for (const QTableView *table : window.findChildren<QTableView *>())
        if (table->isVisible())
            headers(window, *table);
    window.hide();
}

} // namespace

int main(int argc, char *argv[])
{
    ensure_image();
    QApplication app(argc, argv);
    install_translations(app);
    MainWindow main;
    report(main);
    load_image();
    {
        globaldialog dialog(&main);
        report(dialog);
    }
    {
        presetsdialog dialog(&main, config_image());
        report(dialog);
        ControlChangeDialog changes(&dialog, 0);
        report(changes);
        overridesdialog overrides(&dialog, 0);
        report(overrides);
    }
    {
        librarydialog dialog(&main);
        report(dialog);
    }
    {
        utilitydialog dialog(&main);
        report(dialog);
    }
    {
        monitordialog dialog(&main);
        report(dialog);
    }
    {
        // Two saves that change the file: the history lists their versions.
        for (unsigned char value : {1, 2}) {
            config_image()[0] = value;
            save_image(SaveOperation::GlobalSettings);
        }
        historydialog dialog(&main);
        report(dialog);
    }
    out.flush();
    return 0;
}
