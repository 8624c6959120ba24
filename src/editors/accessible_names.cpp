#include "accessible_names.h"

#include "accessible_combobox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QSet>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// A label's text as it is read: no mnemonic marks, no markup, no colon.
QString spokenText(const QLabel *label)
{
    QString text = label->text();
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

struct Cell {
    int row;
    int column;
    QWidget *widget;
};

// The key a text marks with '&' (upper case), or a null character.
QChar mnemonicOf(const QString &text)
{
    for (int i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2)) {
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toUpper();
    }
    return QChar();
}

class ReturnActivates : public QObject
{
public:
    ReturnActivates(QAbstractItemView *view, std::function<void()> action)
        : QObject(view)
        , view(view)
        , action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
            return false;
        // An open editor has the focus and takes its own keys.
        if (!view->hasFocus() || !view->currentIndex().isValid())
            return false;
        action();
        return true;
    }

private:
    QAbstractItemView *view;
    std::function<void()> action;
};

} // namespace

void name_grid_cells(QGridLayout *grid, const QString &pattern)
{
    install_named_combo_boxes();
    // One pass over the grid's items; the headers are looked up in a map
    // rather than asked of the layout cell by cell.
    std::map<std::pair<int, int>, QLabel *> labels;
    std::vector<Cell> fields;
    for (int i = 0; i < grid->count(); ++i) {
        QWidget *widget = grid->itemAt(i)->widget();
        if (!widget)
            continue;
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        if (auto *label = qobject_cast<QLabel *>(widget))
            labels[{row, column}] = label;
        else if (widget->focusPolicy() & Qt::TabFocus)
            fields.push_back({row, column, widget});
    }
    const auto header = [&labels](int row, int column, int rowStep, int columnStep) {
        for (; row >= 0 && column >= 0; row += rowStep, column += columnStep) {
            const auto found = labels.find({row, column});
            if (found != labels.end())
                return spokenText(found->second);
        }
        return QString();
    };
    std::sort(fields.begin(), fields.end(), [](const Cell &a, const Cell &b) {
        return std::make_pair(a.row, a.column) < std::make_pair(b.row, b.column);
    });
    QWidget *previous = nullptr;
    for (const Cell &cell : fields) {
        const QString rowHeader = header(cell.row, cell.column - 1, 0, -1);
        const QString columnHeader = header(cell.row - 1, cell.column, -1, 0);
        if (rowHeader.isEmpty() || columnHeader.isEmpty())
            cell.widget->setAccessibleName(rowHeader + columnHeader);
        else
            cell.widget->setAccessibleName(pattern.arg(rowHeader, columnHeader));
        if (previous)
            QWidget::setTabOrder(previous, cell.widget);
        previous = cell.widget;
    }
}

void label_fields(std::initializer_list<std::pair<QLabel *, QWidget *>> pairs)
{
    install_named_combo_boxes();
    for (const auto &pair : pairs)
        pair.first->setBuddy(pair.second);
}

void describe_fields(std::initializer_list<QWidget *> widgets, const QString &description)
{
    for (QWidget *widget : widgets)
        widget->setAccessibleDescription(description);
}

void give_buttons_keys(QWidget *window)
{
    install_named_combo_boxes();
    QSet<QChar> taken;
    std::vector<QAbstractButton *> keyless;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy()) {
            if (const QChar key = mnemonicOf(label->text()); !key.isNull())
                taken.insert(key);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (const QChar key = mnemonicOf(button->text()); !key.isNull())
                taken.insert(key);
            else if (button->shortcut().isEmpty() && !button->text().isEmpty())
                keyless.push_back(button);
        }
    }
    for (QAbstractButton *button : keyless) {
        for (const QChar c : button->text()) {
            const QChar key = c.toUpper();
            if (!key.isLetterOrNumber() || taken.contains(key))
                continue;
            taken.insert(key);
            // Qt's key codes of letters and digits are their upper-case
            // characters; a key given as text would be parsed, and the
            // parser looks up the translation of every key name.
            button->setShortcut(QKeySequence(int(Qt::ALT) | int(key.unicode())));
            break;
        }
    }
}

void announce_text_change(QLabel *label)
{
    if (!QAccessible::isActive())
        return;
    static const char *const spokenProperty = "vektorSpokenText";
    static const char *const whenProperty = "vektorSpokenAt";
    const QString text = spokenText(label);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (label->property(spokenProperty).toString() == text || now - label->property(whenProperty).toLongLong() < 1500)
        return;
    label->setProperty(spokenProperty, text);
    label->setProperty(whenProperty, now);
    QAccessibleValueChangeEvent event(label, text);
    QAccessible::updateAccessibility(&event);
}

void activate_on_return(QAbstractItemView *view, const std::function<void()> &action)
{
    view->installEventFilter(new ReturnActivates(view, action));
}
