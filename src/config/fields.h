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

// The bytes of a 17-byte name field up to its first NUL, at most 16.
QByteArray name_field_bytes(const unsigned char *field);
// The same bytes as text.
QString name_text(const unsigned char *field);
// Forces the terminator (byte 16) to 0, then reads the name as name_text.
QString read_name(unsigned char *field);

// Names are stored by three rules; which one a field gets is the
// controller's habit for that field, so none may stand in for another.
// The first 16 characters of `text`, as the bytes a name field holds.
QByteArray name_bytes(const QString &text);
// The text, then NULs up to 16 bytes; the terminator byte is left alone.
void write_name_padded(unsigned char *field, const QByteArray &text);
// Padded, and the terminator set to 0: the field holds the name and nothing else.
void write_name_closed(unsigned char *field, const QByteArray &text);
// The text and one NUL right after it; the bytes behind that NUL stay as
// they are (a 16-byte text puts its NUL into the terminator byte).
void write_text_and_nul(unsigned char *at, const QByteArray &text);
// What the editors store from a name box: write_name_padded of name_bytes.
void write_name(unsigned char *field, const QString &text);

// The one hex formatter: "%02x" per byte, single spaces between, no space
// at either end ("83 45 7f").
QByteArray hex_bytes(const unsigned char *data, int n);
// hex_bytes into `text`, terminated; returns the text length. `text` needs
// 3 * n bytes (at least 1).
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
