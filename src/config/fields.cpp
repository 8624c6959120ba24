#include "fields.h"

#include "image_layout.h"

#include <cstdio>
#include <cstring>

int fit_value(int v, int max)
{
    return v < 0 ? 0 : v % (max + 1);
}

namespace {

int name_length(const unsigned char *field)
{
    const void *nul = std::memchr(field, 0, layout::kNameLength);
    return nul ? int(static_cast<const unsigned char *>(nul) - field) : layout::kNameLength;
}

} // namespace

QByteArray name_field_bytes(const unsigned char *field)
{
    return QByteArray(reinterpret_cast<const char *>(field), name_length(field));
}

QString name_text(const unsigned char *field)
{
    return QString::fromLatin1(reinterpret_cast<const char *>(field), name_length(field));
}

QString read_name(unsigned char *field)
{
    field[layout::kNameLength] = 0;
    return name_text(field);
}

QByteArray name_bytes(const QString &text)
{
    return text.left(layout::kNameLength).toLatin1();
}

void write_name_padded(unsigned char *field, const QByteArray &text)
{
    const int n = qMin(text.size(), layout::kNameLength);
    std::memset(field, 0, layout::kNameLength);
    std::memcpy(field, text.constData(), size_t(n));
}

void write_name_closed(unsigned char *field, const QByteArray &text)
{
    write_name_padded(field, text);
    field[layout::kNameLength] = 0;
}

void write_text_and_nul(unsigned char *at, const QByteArray &text)
{
    const int n = qMin(text.size(), layout::kNameLength);
    std::memcpy(at, text.constData(), size_t(n));
    at[n] = 0;
}

void write_name(unsigned char *field, const QString &text)
{
    write_name_padded(field, name_bytes(text));
}

QByteArray hex_bytes(const unsigned char *data, int n)
{
    if (n <= 0)
        return QByteArray();
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), n).toHex(' ');
}

int bytes_to_hex(char *text, const unsigned char *data, int n)
{
    const QByteArray hex = hex_bytes(data, n);
    std::memcpy(text, hex.constData(), size_t(hex.size()) + 1);
    return hex.size();
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

void hex_to_bytes(unsigned char *data, const char *text, int n)
{
    std::memset(data, 0, size_t(qMax(n, 0)));
    const char *p = text;
    for (int i = 0; i < n; ++i) {
        while (*p == ' ')
            ++p;
        if (*p == '\0')
            return;
        // A token is one character, or two when the second is not a space.
        char token[2] = {*p++, '\0'};
        if (*p != ' ' && *p != '\0')
            token[1] = *p++;
        int value = 0;
        for (char c : token) {
            const int digit = hexDigit(c);
            if (digit < 0)
                break;
            value = value * 16 + digit;
        }
        data[i] = static_cast<unsigned char>(value & 0xFF);
    }
}

QString hex_text(const unsigned char *data, int n)
{
    return QString::fromLatin1(hex_bytes(data, n));
}

void store_hex_text(unsigned char *data, const QString &text, int n)
{
    hex_to_bytes(data, text.toLatin1().constData(), n);
}

int preset_number(int i)
{
    return i % 9 + (i / 9) * 10 + 1;
}

namespace {

// "<number> - <name>" converted in one go: the selectors build hundreds.
QString entry_text(const char *format, int number, const unsigned char *name)
{
    char text[16 + layout::kNameLength];
    const int prefix = qBound(0, std::snprintf(text, 16, format, number), 15);
    const int length = name_length(name);
    std::memcpy(text + prefix, name, size_t(length));
    return QString::fromLatin1(text, prefix + length);
}

} // namespace

QString preset_entry_text(const unsigned char *image, int i)
{
    return entry_text("%03d - ", preset_number(i), image + layout::presetOffset(i) + layout::preset::kName);
}

QString device_entry_text(const unsigned char *image, int d)
{
    return entry_text("%02d - ", d + 1, image + layout::deviceOffset(d) + layout::device::kName);
}

int read_word(const unsigned char *at)
{
    return at[0] | (at[1] << 8);
}

int read_signed_word(const unsigned char *at)
{
    return static_cast<qint16>(read_word(at));
}

void write_word(unsigned char *at, int value)
{
    at[0] = static_cast<unsigned char>(value & 0xFF);
    at[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}
