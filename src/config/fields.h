#pragma once

#include <QString>

// Conversions that every editor uses between image bytes and what a widget
// shows. Names are Latin-1 throughout: each byte is one character and back,
// so opening and saving without an edit never changes a name byte.

// 0 for a negative value, else v modulo (max + 1): out-of-range bytes wrap.
int fit_value(int v, int max);

// Flags: any nonzero byte is on; a check state stores 1 only when checked (2).
inline bool flag_is_on(unsigned char byte) { return byte != 0; }
inline unsigned char flag_from_check_state(int state) { return state == 2 ? 1 : 0; }

// The text of a 17-byte name field up to its first NUL, at most 16 bytes.
QString name_text(const unsigned char *field);
// Forces the terminator (byte 16) to 0, then reads the name as name_text.
QString read_name(unsigned char *field);
// Stores the first 16 characters, NUL-padded to 16 bytes; the terminator is
// left alone.
void write_name(unsigned char *field, const QString &text);

// "%02x" per byte, single spaces between; returns the text length. `text`
// needs 3 * n bytes (at least 1).
int bytes_to_hex(char *text, const unsigned char *data, int n);
// Always writes exactly n bytes: one- or two-character hex tokens, unreadable
// tokens give 0, missing tokens give 0.
void hex_to_bytes(unsigned char *data, const char *text, int n);
QString hex_text(const unsigned char *data, int n);
void store_hex_text(unsigned char *data, const QString &text, int n);

// Record index 0..269 as the user sees it: 1..9, 11..19, ..., 291..299.
int preset_number(int i);

// List entries: "%03d - %s" for preset i, "%02d - %s" for device d.
QString preset_entry_text(const unsigned char *image, int i);
QString device_entry_text(const unsigned char *image, int d);

// Little-endian 16-bit fields.
int read_word(const unsigned char *at);         // unsigned
int read_signed_word(const unsigned char *at);  // signed
void write_word(unsigned char *at, int value);
