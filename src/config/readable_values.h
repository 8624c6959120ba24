#pragma once

#include "field_catalogue.h"

#include <QCborValue>
#include <QString>

// One field of the catalogue as a value of the readable form, and back
// (readable_export.cpp writes the same forms).
//   flag           true / false, or the byte itself when it is neither 0 nor 1
//   number, list   the stored byte, 0..255
//   word           0..65535
//   raw, unnamed   hex text "83 45 7f 00"; more than 32 bytes as a list of
//                  hex lines of 32 bytes
//   name           its Latin-1 text; the bytes after the text go into a key
//                  of their own (`namePadding`, hex) when they are not all 0

constexpr int kHexLineBytes = 32;

// Name fields: the text, and the padding hex or an empty text when the
// padding is all zero.
QString name_field_text(const unsigned char *at);
QString name_field_padding(const unsigned char *at);

// Reading takes the values of the parsed JSON document as QCborValue: in
// Qt 5.15 a QJsonObject and a QCborMap share one container, and the CBOR
// side compares keys without copying them (readable_import.cpp).

// Writes the field's bytes from `value`. Returns an empty text, or why the
// value is refused: "300 is not a byte".
QString field_from_json(const FieldDef &def, const QCborValue &value, unsigned char *at);
QString name_from_json(const QCborValue &text, unsigned char *at);
QString name_padding_from_json(const QCborValue &padding, unsigned char *at);

// Strict hex: two-digit tokens separated by white space, exactly `count` of them.
bool parse_hex_bytes(const QString &text, int count, unsigned char *out);

// A JSON value as a reason shows it: 300, "abc", true, a list, an object.
QString json_value_text(const QCborValue &value);
