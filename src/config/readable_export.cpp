#include "readable_form.h"

#include "field_catalogue.h"
#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"
#include "readable_values.h"

#include <functional>

// The document is written here rather than by QJsonDocument, which sorts
// every object's keys: this way fields come in the order of the record (slot
// and name first), each small entry (a program change, a device) takes one
// line, so a changed field is a one-line change in version control, and a
// whole memory is written in a few milliseconds. Reading goes through
// QJsonDocument (readable_import.cpp).

namespace {

constexpr int kIndent = 4;
constexpr int kLongestInlineRecord = 8; // fields; longer records get a line per field

class DocumentWriter
{
public:
    QByteArray text;

    void open(char bracket) { text += bracket; }
    void close(char bracket, int depth)
    {
        newline(depth);
        text += bracket;
    }
    void newline(int depth)
    {
        text += '\n';
        text.append(depth * kIndent, ' ');
    }
    void key(const char *name)
    {
        text += '"';
        text += name;
        text += "\": ";
    }
    void ascii(const char *value)
    {
        text += '"';
        text += value;
        text += '"';
    }
    void number(int value) { text += QByteArray::number(value); }

    // Name bytes are Latin-1: each becomes its character in UTF-8, with
    // JSON's escapes for quotes, backslashes and control characters.
    void latin1(const unsigned char *bytes, int length)
    {
        static const char digits[] = "0123456789abcdef";
        text += '"';
        for (int i = 0; i < length; ++i) {
            const unsigned char c = bytes[i];
            if (c == '"' || c == '\\') {
                text += '\\';
                text += char(c);
            } else if (c < 0x20 || c == 0x7F) {
                text += "\\u00";
                text += digits[c >> 4];
                text += digits[c & 0x0F];
            } else if (c < 0x80) {
                text += char(c);
            } else {
                text += char(0xC0 | (c >> 6));
                text += char(0x80 | (c & 0x3F));
            }
        }
        text += '"';
    }

    void hex(const unsigned char *bytes, int count)
    {
        text += '"';
        text += hex_text(bytes, count).toLatin1();
        text += '"';
    }

    void value(const FieldDef &def, const unsigned char *at, int depth)
    {
        switch (def.kind) {
        case FieldKind::Flag:
            if (at[0] <= 1)
                text += at[0] ? "true" : "false";
            else
                number(at[0]);
            break;
        case FieldKind::Number:
        case FieldKind::ListPosition:
            number(at[0]);
            break;
        case FieldKind::Word:
            number(read_word(at));
            break;
        case FieldKind::Name:
            latin1(at, name_text_length(at));
            break;
        case FieldKind::RawMessage:
        case FieldKind::Unnamed:
            if (def.size <= kHexLineBytes) {
                hex(at, def.size);
                break;
            }
            open('[');
            for (int start = 0; start < def.size; start += kHexLineBytes) {
                if (start > 0)
                    text += ',';
                newline(depth + 1);
                hex(at + start, qMin(kHexLineBytes, def.size - start));
            }
            close(']', depth);
            break;
        case FieldKind::Record:
            record(*def.record, at, depth);
            break;
        }
    }

    static bool fitsOnOneLine(const RecordDef &record)
    {
        if (record.fields.size() > kLongestInlineRecord)
            return false;
        for (const FieldDef &def : record.fields)
            if (def.kind == FieldKind::Record || (def.kind == FieldKind::Unnamed && def.size > kHexLineBytes))
                return false;
        return true;
    }

    // `head` writes keys that come before the record's own fields (a slot).
    void record(const RecordDef &record, const unsigned char *base, int depth,
                const std::function<void()> &head = {})
    {
        const bool oneLine = fitsOnOneLine(record) && !head;
        open('{');
        bool first = true;
        auto next = [&] {
            if (!first)
                text += oneLine ? ", " : ",";
            first = false;
            if (!oneLine)
                newline(depth + 1);
        };
        if (head) {
            next();
            head();
        }
        for (const FieldDef &def : record.fields) {
            const unsigned char *at = base + def.offset;
            next();
            key(def.key);
            if (def.isList())
                list(def, at, depth + 1);
            else
                value(def, at, depth + 1);
            if (def.kind == FieldKind::Name) {
                const QString padding = name_field_padding(at);
                if (!padding.isEmpty()) {
                    next();
                    key(def.paddingKey);
                    ascii(padding.toLatin1().constData());
                }
            }
        }
        if (oneLine)
            text += '}';
        else
            close('}', depth);
    }

    void list(const FieldDef &def, const unsigned char *at, int depth)
    {
        open('[');
        const bool oneLine = def.kind != FieldKind::Record;
        for (int e = 0; e < def.count; ++e) {
            if (e > 0)
                text += oneLine ? ", " : ",";
            if (!oneLine)
                newline(depth + 1);
            value(def, at + def.size * e, depth + 1);
        }
        if (oneLine)
            text += ']';
        else
            close(']', depth);
    }

    void head(const char *contents)
    {
        open('{');
        newline(1);
        key("format");
        ascii(readable::kFormat);
        text += ',';
        newline(1);
        key("version");
        number(readable::kVersion);
        text += ',';
        newline(1);
        key("contents");
        ascii(contents);
        text += ',';
    }

    void presets(const unsigned char *image, const QVector<int> &records)
    {
        newline(1);
        key("presets");
        open('[');
        for (int k = 0; k < records.size(); ++k) {
            if (k > 0)
                text += ',';
            newline(2);
            const QByteArray slot = preset_number_text(records[k]).toLatin1();
            record(preset_record(), image + layout::presetOffset(records[k]), 2, [&] {
                key("slot");
                ascii(slot.constData());
            });
        }
        close(']', 1);
    }

private:
    static int name_text_length(const unsigned char *at)
    {
        int n = 0;
        while (n < layout::kNameLength && at[n] != 0)
            ++n;
        return n;
    }
};

} // namespace

QByteArray export_readable_memory(const unsigned char *image)
{
    DocumentWriter writer;
    writer.text.reserve(1 << 21);
    writer.head(readable::kWholeMemory);
    writer.newline(1);
    writer.key("global");
    writer.record(global_section_record(), image, 1);
    writer.text += ',';
    QVector<int> all(layout::kPresetCount);
    for (int record = 0; record < layout::kPresetCount; ++record)
        all[record] = record;
    writer.presets(image, all);
    writer.text += ',';
    writer.newline(1);
    const FieldDef &system = system_section_field();
    writer.key(system.key);
    writer.value(system, image + system.offset, 1);
    writer.close('}', 0);
    writer.text += '\n';
    return writer.text;
}

QByteArray export_readable_presets(const unsigned char *image, const QVector<int> &records)
{
    DocumentWriter writer;
    writer.head(readable::kPresets);
    writer.presets(image, records);
    writer.close('}', 0);
    writer.text += '\n';
    return writer.text;
}
