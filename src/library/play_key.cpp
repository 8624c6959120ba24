#include "play_key.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

PlayKey::PlayKey(QAbstractItemView *table, std::function<void()> play)
    : QObject(table)
    , m_play(std::move(play))
{
    table->installEventFilter(this);
}

bool PlayKey::typing() const
{
    return m_lastTyped.isValid() && m_lastTyped.elapsed() < QApplication::keyboardInputInterval();
}

bool PlayKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool commandKey = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (commandKey || key->text().isEmpty() || !key->text().at(0).isPrint())
        return false;
    if (key->key() == Qt::Key_Space && !typing()) {
        m_play();
        return true;
    }
    // A character of a name being found, spaces inside it included: the
    // table's type-to-find takes it.
    m_lastTyped.start();
    return false;
}
