#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QAbstractItemView;

// Space on the preset table plays the selected preset, but never while the
// musician types a name into the table to find it: there a space is part
// of the name ("Solo 2"), and a key that types a character must not send
// MIDI. A space counts as typed while the table's own type-to-find is still
// collecting keys, that is within the application's keyboard input
// interval of the last character.
class PlayKey : public QObject
{
public:
    PlayKey(QAbstractItemView *table, std::function<void()> play);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool typing() const;

    std::function<void()> m_play;
    QElapsedTimer m_lastTyped;
};
