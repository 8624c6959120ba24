#include "output_errors.h"

OutputErrors::OutputErrors(RtMidiOut &out)
    : out(out)
{
    out.setErrorCallback(&OutputErrors::onError, this);
}

OutputErrors::~OutputErrors()
{
    out.setErrorCallback(nullptr, nullptr);
}

void OutputErrors::onError(RtMidiError::Type type, const std::string &text, void *errors)
{
    // Debug chatter is no failure; anything else means a message may be lost.
    if (type == RtMidiError::DEBUG_WARNING)
        return;
    auto *self = static_cast<OutputErrors *>(errors);
    if (self->first.isEmpty())
        self->first = QString::fromStdString(text.empty() ? std::string("the MIDI system reported an error") : text);
}
