#include "reception_buffer.h"

#include <atomic>
#include <cstdio>

namespace {

unsigned char *g_buffer = nullptr;
std::atomic<int> g_count{0};
std::atomic<int> g_dropped{0};

} // namespace

void ensure_reception_buffer()
{
    if (!g_buffer)
        g_buffer = new unsigned char[reception::kCapacity]();
}

const unsigned char *reception_bytes()
{
    return g_buffer;
}

int received_byte_count()
{
    return g_count.load(std::memory_order_acquire);
}

int dropped_byte_count()
{
    return g_dropped.load(std::memory_order_acquire);
}

void reset_reception()
{
    g_count.store(0, std::memory_order_release);
    g_dropped.store(0, std::memory_order_release);
}

// Runs on the MIDI system's thread for every message: copies bytes only, no
// allocation, no lock, no output, so nothing slows the arrival of the dump.
void reception_input_callback(double, std::vector<unsigned char> *message, void *)
{
    if (!g_buffer || !message)
        return;
    int count = g_count.load(std::memory_order_relaxed);
    int dropped = 0;
    for (unsigned char byte : *message) {
        if (count < reception::kCapacity)
            g_buffer[count++] = byte;
        else
            ++dropped;
    }
    // Release: a reader that sees the new count sees the bytes below it.
    g_count.store(count, std::memory_order_release);
    if (dropped)
        g_dropped.fetch_add(dropped, std::memory_order_release);
}

void reception_error_callback(RtMidiError::Type type, const std::string &errorText, void *)
{
    std::printf("%s\nError Type;%d\n", errorText.c_str(), int(type));
    std::fflush(stdout);
}
