#include "slotconnection.h"

#include <QHash>
#include <QMetaMethod>
#include <QObject>

#include <vector>

namespace {

// One on_<object>_<signal> slot of a class, parsed from its signature.
struct SlotRoute {
    QString object;
    QByteArray signal;
    int slot;
    // The signal's index in the class of the sender last seen; senders of
    // one route are nearly always of one class.
    const QMetaObject *senderClass = nullptr;
    int signalIndex = -1;
};

std::vector<SlotRoute> parseRoutes(const QMetaObject *meta)
{
    std::vector<SlotRoute> routes;
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
        if (split <= 3) {
            qWarning("connect_slots_by_object_name: no matching signal for %s", signature.constData());
            continue;
        }
        routes.push_back({QString::fromLatin1(signature.constData() + 3, split - 3), signature.mid(split + 1), i});
    }
    return routes;
}

// A class's slot table never changes while the program runs, so it is read
// once per class. Dialogs are built on the GUI thread only.
std::vector<SlotRoute> &routesOf(const QMetaObject *meta)
{
    static QHash<const QMetaObject *, std::vector<SlotRoute>> routes;
    auto known = routes.find(meta);
    if (known == routes.end())
        known = routes.insert(meta, parseRoutes(meta));
    return *known;
}

} // namespace

void connect_slots_by_object_name(QObject *receiver)
{
    const QList<QObject *> descendants = receiver->findChildren<QObject *>();
    QHash<QString, QObject *> children;
    children.reserve(descendants.size());
    for (QObject *child : descendants) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !children.contains(name))
            children.insert(name, child);
    }

    for (SlotRoute &route : routesOf(receiver->metaObject())) {
        QObject *sender = children.value(route.object);
        if (sender && sender->metaObject() != route.senderClass) {
            route.senderClass = sender->metaObject();
            route.signalIndex = route.senderClass->indexOfSignal(route.signal.constData());
        }
        if (!sender || route.signalIndex < 0) {
            qWarning("connect_slots_by_object_name: no matching signal for on_%s_%s",
                     qPrintable(route.object), route.signal.constData());
            continue;
        }
        // The signal has the slot's own signature, so the arguments match.
        QMetaObject::connect(sender, route.signalIndex, receiver, route.slot);
    }
}
