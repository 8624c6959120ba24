#pragma once

#include <QString>

#include <rtmidi/RtMidi.h>

#include <string>

// What an output reports while a send runs. RtMidi tells of a message it
// could not deliver (a full buffer, a port it lost) through the output's
// error callback as a warning, not by throwing: a send that watches for
// nothing but exceptions reports success for messages that never left.
// While an OutputErrors lives, it is the output's error callback.
class OutputErrors
{
public:
    explicit OutputErrors(RtMidiOut &out);
    ~OutputErrors();
    OutputErrors(const OutputErrors &) = delete;
    OutputErrors &operator=(const OutputErrors &) = delete;

    bool failed() const { return !first.isEmpty(); }
    // The first report, in the MIDI system's words.
    const QString &text() const { return first; }

private:
    static void onError(RtMidiError::Type type, const std::string &text, void *errors);

    RtMidiOut &out;
    QString first;
};
