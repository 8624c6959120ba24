#include "message_walk.h"

int walk_sysex_messages(const unsigned char *data, int size, InnerStart rule, const SysexVisitor &visit)
{
    int i = 0;
    while (i < size) {
        if (data[i] != 0xF0) {
            ++i;
            continue;
        }
        int start = i;
        int end = i + 1;
        for (; end < size && data[end] != 0xF7; ++end) {
            if (data[end] == 0xF0 && rule == InnerStart::StartsNewMessage)
                start = end;
        }
        if (end == size) {
            visit({data + start, end - start, false});
            return start;
        }
        visit({data + start, end - start + 1, true});
        i = end + 1;
    }
    return size;
}
