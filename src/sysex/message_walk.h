#pragma once

#include <functional>

// How a byte stream splits into SysEx messages. Every reader skips bytes
// until an F0 and ends the message at the next F7; they differ only in what
// an F0 met inside a message means.
enum class InnerStart {
    // The decoder reads the data packets of a file or a recording: an inner
    // F0 is one more byte of the message it stands in.
    KeptInMessage,
    // The sender hands the controller whole messages: an inner F0 drops what
    // came before it and starts a new message.
    StartsNewMessage,
};

// One message: F0 through F7, or through the last byte of the data when it
// ends before the F7 (`closed` false).
struct SysexSpan {
    const unsigned char *bytes;
    int length;
    bool closed;
};

using SysexVisitor = std::function<void(const SysexSpan &message)>;

// Calls `visit` for each message of data[0, size) in order, the last one
// also when it is not closed. Returns the offset of that unclosed message's
// F0, or `size` when every message closed: where a walk over the same data,
// grown since, goes on.
int walk_sysex_messages(const unsigned char *data, int size, InnerStart rule, const SysexVisitor &visit);
