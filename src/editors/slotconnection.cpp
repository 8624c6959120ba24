#include "slotconnection.h"

#include <QHash>
#include <QMetaMethod>
#include <QObject>

void connect_slots_by_object_name(QObject *receiver)
{
    QHash<QString, QObject *> children;
    for (QObject *child : receiver->findChildren<QObject *>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !children.contains(name))
            children.insert(name, child);
    }

    const QMetaObject *meta = receiver->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        if (slot.methodType() != QMetaMethod::Slot)
            continue;
        const QByteArray signature = slot.methodSignature();
        if (!signature.startsWith("on_"))
            continue;
        // Object names may hold underscores, signal names here do not.
        const int arguments = signature.indexOf('(');
        const int split = signature.lastIndexOf('_', arguments);
        QObject *sender = split > 3 ? children.value(QString::fromLatin1(signature.constData() + 3, split - 3))
                                    : nullptr;
        const int signal = sender ? sender->metaObject()->indexOfSignal(signature.constData() + split + 1) : -1;
        if (signal < 0) {
            qWarning("connect_slots_by_object_name: no matching signal for %s", signature.constData());
            continue;
        }
        // The signal has the slot's own signature, so the arguments match.
        QMetaObject::connect(sender, signal, receiver, i);
    }
}
