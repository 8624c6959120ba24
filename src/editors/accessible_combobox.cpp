#include "accessible_combobox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace {

// What Qt's own interface for a combo box does, but for the name.
class NamedComboBox : public QAccessibleWidget
{
public:
    explicit NamedComboBox(QWidget *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString given = QAccessibleWidget::text(t); // its own name, else its buddy's text
            return given.isEmpty() ? currentText() : given;
        }
        case QAccessible::Value:
            return currentText();
        case QAccessible::Accelerator:
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(t);
        }
    }

    // The list (made only when asked for), and the text field of an editable box.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (box()->view() == child->object())
            return 0;
        if (box()->isEditable() && box()->lineEdit() == child->object())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            if (box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(object()); }
    QString currentText() const
    {
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }
};

QAccessibleInterface *namedComboBoxFactory(const QString &className, QObject *object)
{
    // Asked from the most derived class up, so every kind of combo box
    // arrives here by this name.
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new NamedComboBox(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void install_named_combo_boxes()
{
    QAccessible::installFactory(namedComboBoxFactory); // a second install is ignored
}
