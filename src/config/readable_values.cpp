#include "readable_values.h"

#include "fields.h"
#include "image_layout.h"

#include <QCborArray>

#include <cmath>
#include <cstring>

namespace {

// A whole number in [0, max], or -1.
int wholeNumber(const QCborValue &value, int max)
{
    if (value.isInteger()) {
        const qint64 n = value.toInteger();
        return n >= 0 && n <= max ? int(n) : -1;
    }
    const double d = value.toDouble(-1); // -1 for anything but a number
    // The range first: a number far beyond an int (1e300) has no int value.
    if (!(d >= 0 && d <= max) || std::floor(d) != d)
        return -1;
    return int(d);
}

QString rangeReason(const QCborValue &value, int max, const char *what)
{
    if (!value.isInteger() && !value.isDouble())
        return QStringLiteral("%1 is not a number").arg(json_value_text(value));
    const double d = value.toDouble();
    if (std::floor(d) != d)
        return QStringLiteral("%1 is not a whole number").arg(json_value_text(value));
    if (d < 0 || d > max)
        return QStringLiteral("%1 is not %2").arg(json_value_text(value), QLatin1String(what));
    return {};
}

QString hexFromJson(const QCborValue &value, int size, unsigned char *at)
{
    QString text;
    if (value.isArray()) {
        const QCborArray lines = value.toArray();
        for (int k = 0; k < lines.size(); ++k) {
            if (!lines[k].isString())
                return QStringLiteral("line %1, %2, is not hex text").arg(k + 1).arg(json_value_text(lines[k]));
            text += lines[k].toString() + QLatin1Char(' ');
        }
    } else if (value.isString()) {
        text = value.toString();
    } else {
        return QStringLiteral("%1 is not hex text").arg(json_value_text(value));
    }
    if (!parse_hex_bytes(text, size, at))
        return QStringLiteral("%1 is not %2 hex byte%3 (\"7f 00\")")
            .arg(json_value_text(value)).arg(size).arg(size == 1 ? "" : "s");
    return {};
}

int nameLength(const unsigned char *at)
{
    const void *nul = std::memchr(at, 0, layout::kNameLength);
    return nul ? int(static_cast<const unsigned char *>(nul) - at) : layout::kNameLength;
}

// Where the padding starts: after the text's NUL, or at the terminator of a
// name that fills all 16 bytes.
int paddingStart(const unsigned char *at)
{
    return qMin(nameLength(at) + 1, layout::kNameLength);
}

} // namespace

QString name_field_text(const unsigned char *at)
{
    return name_text(at);
}

QString name_field_padding(const unsigned char *at)
{
    const int start = paddingStart(at);
    for (int k = start; k < layout::kNameFieldSize; ++k)
        if (at[k] != 0)
            return hex_text(at + start, layout::kNameFieldSize - start);
    return {};
}

QString field_from_json(const FieldDef &def, const QCborValue &value, unsigned char *at)
{
    switch (def.kind) {
    case FieldKind::Flag:
        if (value.isBool()) {
            at[0] = value.toBool() ? 1 : 0;
            return {};
        }
        if (const int byte = wholeNumber(value, 255); byte >= 0) {
            at[0] = static_cast<unsigned char>(byte);
            return {};
        }
        return QStringLiteral("%1 is not a flag (true, false or a byte)").arg(json_value_text(value));
    case FieldKind::Number:
    case FieldKind::ListPosition: {
        const int byte = wholeNumber(value, 255);
        if (byte < 0)
            return rangeReason(value, 255, "a byte");
        at[0] = static_cast<unsigned char>(byte);
        return {};
    }
    case FieldKind::Word: {
        const int word = wholeNumber(value, 65535);
        if (word < 0)
            return rangeReason(value, 65535, "a 16-bit number");
        write_word(at, word);
        return {};
    }
    case FieldKind::Name:
        return name_from_json(value, at);
    case FieldKind::RawMessage:
    case FieldKind::Unnamed:
        return hexFromJson(value, def.size, at);
    case FieldKind::Record:
        break;
    }
    return QStringLiteral("is a group of fields");
}

QString name_from_json(const QCborValue &value, unsigned char *at)
{
    if (!value.isString())
        return QStringLiteral("%1 is not a text").arg(json_value_text(value));
    const QString text = value.toString();
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return QStringLiteral("%1 is not Latin-1: \"%2\" has no byte in the controller's names")
                .arg(json_value_text(value), QString(c));
        if (c.unicode() == 0)
            return QStringLiteral("%1 holds a NUL character").arg(json_value_text(value));
    }
    if (text.size() > layout::kNameLength)
        return QStringLiteral("%1 is longer than %2 bytes").arg(json_value_text(value)).arg(layout::kNameLength);
    std::memset(at, 0, layout::kNameFieldSize);
    write_name(at, text);
    return {};
}

QString name_padding_from_json(const QCborValue &padding, unsigned char *at)
{
    const int start = paddingStart(at);
    const int size = layout::kNameFieldSize - start;
    if (!padding.isString() || !parse_hex_bytes(padding.toString(), size, at + start))
        return QStringLiteral("%1 is not %2 hex byte%3: the bytes after the name \"%4\"")
            .arg(json_value_text(padding)).arg(size).arg(size == 1 ? "" : "s", name_text(at));
    return {};
}

bool parse_hex_bytes(const QString &text, int count, unsigned char *out)
{
    auto digit = [](QChar c) { return c.unicode() < 0x80 ? hex_digit_value(char(c.unicode())) : -1; };
    int written = 0;
    const int length = text.size();
    int i = 0;
    while (true) {
        while (i < length && text[i].isSpace())
            ++i;
        if (i == length)
            break;
        if (i + 1 >= length || written == count)
            return false;
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0 || (i + 2 < length && !text[i + 2].isSpace()))
            return false;
        out[written++] = static_cast<unsigned char>(high * 16 + low);
        i += 2;
    }
    return written == count;
}

QString json_value_text(const QCborValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isInteger())
        return QString::number(value.toInteger());
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    if (value.isString()) {
        const QString text = value.toString();
        return QLatin1Char('"') + (text.size() > 40 ? text.left(37) + QStringLiteral("...") : text) +
               QLatin1Char('"');
    }
    if (value.isArray())
        return QStringLiteral("a list");
    if (value.isMap())
        return QStringLiteral("an object");
    if (value.isNull())
        return QStringLiteral("null");
    return QStringLiteral("nothing");
}
