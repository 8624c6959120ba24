#pragma once

#include "midi_system.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <memory>

class PortWatch;
class QWidget;

// Play in the library: a preset's messages out of one MIDI output, so the rig
// switches as if the controller had called the preset. The musician picks
// the output the first time in a run; it is asked again only once it has
// gone away.
class PlayOutput
{
    Q_DECLARE_TR_FUNCTIONS(PlayOutput)

public:
    static PlayOutput &instance();

    // Sends `messages`, asking for the output first when none is chosen.
    // Returns the line that says what was sent, or why nothing was.
    // `image` is the memory they come from, for the monitor.
    QString play(QWidget *parent, const QVector<QByteArray> &messages, const QString &presetText,
                 const QByteArray &image = QByteArray());
    // Forgets the output (and its MIDI system): the next play asks again.
    void forget();
    QString portName() const { return port; }

private:
    PlayOutput() = default;
    bool choose(QWidget *parent, QString *why);

    MidiSystem midi;
    std::unique_ptr<PortWatch> watch;
    QString port;
};
