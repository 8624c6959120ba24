#include "midnam_tree.h"

#include "file_bytes.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {

struct MidnamReader {
    Q_DECLARE_TR_FUNCTIONS(MidnamReader)
};

// Real documents declare no entities; a bound far above the few a hand-made
// one might use stops a file that expands a few bytes into gigabytes.
constexpr int kEntityExpansionLimit = 4096;
// The format nests seven deep; a file nested deeper than this is not one.
constexpr int kDepthLimit = 64;

const char kRootName[] = "MIDINameDocument";

// The offset of the first byte that does not belong to a well-formed UTF-8
// sequence, -1 when all do.
int firstInvalidUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const int size = bytes.size();
    for (int i = 0; i < size;) {
        const unsigned char c = data[i];
        int length = 0;
        unsigned minimum = 0, value = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2, minimum = 0x80, value = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, minimum = 0x800, value = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, minimum = 0x10000, value = c & 0x07;
        } else {
            return i;
        }
        if (i + length > size)
            return i;
        for (int k = 1; k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return i;
            value = (value << 6) | (data[i + k] & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return i;
        i += length;
    }
    return -1;
}

// The encoding the XML declaration names; empty when it names none.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    const int end = bytes.indexOf("?>");
    if (!bytes.startsWith("<?xml") && !bytes.startsWith("\xEF\xBB\xBF<?xml"))
        return QByteArray();
    const QByteArray declaration = bytes.left(end < 0 ? 200 : end);
    const int at = declaration.indexOf("encoding");
    if (at < 0)
        return QByteArray();
    int open = at + 8;
    while (open < declaration.size() && declaration[open] != '"' && declaration[open] != '\'')
        ++open;
    const int close = declaration.indexOf(declaration.mid(open, 1), open + 1);
    return close < 0 ? QByteArray() : declaration.mid(open + 1, close - open - 1).toLower();
}

} // namespace

QString place_text(int line, int column)
{
    return MidnamReader::tr("line %1, column %2").arg(line).arg(column);
}

QString refusal_text(int line, int column, const QString &reason)
{
    QString sentence = reason.trimmed();
    // Qt's own reasons end in a full stop already.
    while (sentence.endsWith(QLatin1Char('.')))
        sentence.chop(1);
    return MidnamReader::tr("%1: %2.").arg(place_text(qMax(line, 1), qMax(column, 1)), sentence);
}

QString utf8_refusal(const QByteArray &bytes)
{
    const int bad = firstInvalidUtf8(bytes);
    if (bad < 0)
        return QString();
    const int lineStart = bytes.lastIndexOf('\n', bad) + 1;
    return refusal_text(bytes.left(bad).count('\n') + 1, bad - lineStart + 1,
                        MidnamReader::tr("the text is not valid UTF-8"));
}

QVector<int> MidnamTree::children(int parent, const char *name) const
{
    QVector<int> found;
    for (int index : at(parent).children)
        if (at(index).name == QLatin1String(name))
            found << index;
    return found;
}

int MidnamTree::child(int parent, const char *name) const
{
    for (int index : at(parent).children)
        if (at(index).name == QLatin1String(name))
            return index;
    return -1;
}

QString MidnamTree::childText(int parent, const char *name) const
{
    const int index = child(parent, name);
    return index < 0 ? QString() : at(index).text;
}

MidnamTree parse_midnam_tree(const QByteArray &bytes)
{
    MidnamTree tree;
    auto refuse = [&tree](qint64 line, qint64 column, const QString &reason) {
        tree.elements.clear();
        tree.error = refusal_text(int(line), int(column), reason);
        return tree;
    };
    if (bytes.size() > filelimit::kNames)
        return refuse(1, 1, MidnamReader::tr("the file is larger than the %n bytes a names file may hold", nullptr,
                                             filelimit::kNames));
    const QByteArray encoding = declaredEncoding(bytes);
    if (encoding.isEmpty() || encoding == "utf-8" || encoding == "utf8") {
        tree.error = utf8_refusal(bytes);
        if (!tree.error.isEmpty())
            return tree;
    }

    QXmlStreamReader xml(bytes);
    xml.setNamespaceProcessing(false);
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    xml.setEntityExpansionLimit(kEntityExpansionLimit);
#endif
    std::vector<int> open;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
#if QT_VERSION < QT_VERSION_CHECK(5, 15, 0)
            // Without a bound on their expansion, declared entities are not read at all.
            if (!xml.entityDeclarations().isEmpty())
                return refuse(xml.lineNumber(), xml.columnNumber(), MidnamReader::tr("the document declares entities"));
#endif
            break;
        case QXmlStreamReader::StartElement: {
            if (open.empty() && !tree.elements.empty())
                break; // the reader itself refuses a second root
            if (open.empty() && xml.name() != QLatin1String(kRootName))
                return refuse(xml.lineNumber(), xml.columnNumber(),
                              MidnamReader::tr("the document is a %1, not a MIDINameDocument").arg(xml.name().toString()));
            if (int(open.size()) >= kDepthLimit)
                return refuse(xml.lineNumber(), xml.columnNumber(), MidnamReader::tr("the elements nest too deep"));
            MidnamElement element;
            element.name = xml.name().toString();
            element.attributes = xml.attributes();
            element.line = int(xml.lineNumber());
            element.column = int(xml.columnNumber());
            const int index = int(tree.elements.size());
            if (!open.empty())
                tree.elements[size_t(open.back())].children << index;
            tree.elements.push_back(std::move(element));
            open.push_back(index);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!open.empty()) {
                MidnamElement &element = tree.elements[size_t(open.back())];
                element.text = element.text.trimmed();
                open.pop_back();
            }
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty() && !xml.isWhitespace())
                tree.elements[size_t(open.back())].text += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return refuse(xml.lineNumber(), xml.columnNumber(), xml.errorString());
    if (tree.elements.empty())
        return refuse(xml.lineNumber(), xml.columnNumber(), MidnamReader::tr("the document holds no element"));
    return tree;
}
