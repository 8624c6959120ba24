#include "midnam_reader.h"

#include "midnam_tree.h"

#include <QCoreApplication>

namespace {

struct MidnamReader {
    Q_DECLARE_TR_FUNCTIONS(MidnamReader)
};

constexpr int kPrograms = 128;

} // namespace

NamesFileRead read_plain_list(const QByteArray &bytes, int firstProgram)
{
    NamesFileRead result;
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    result.error = utf8_refusal(text);
    if (!result.ok())
        return result;
    const QString decoded = QString::fromUtf8(text);
    QStringList lines = decoded.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.size() > kPrograms) {
        result.error = refusal_text(kPrograms + 1, 1, MidnamReader::tr("a device has only 128 programs to name"));
        return result;
    }
    PatchBank bank;
    for (int k = 0; k < lines.size(); ++k) {
        const QString name = lines[k].trimmed();
        // A blank line leaves its program unnamed.
        if (!name.isEmpty())
            bank.patches << PatchName{k, QString::number(k + firstProgram), name};
    }
    if (bank.patches.isEmpty()) {
        result.error = refusal_text(1, 1, MidnamReader::tr("the list holds no name"));
        return result;
    }
    MidnamMode mode;
    mode.names.banks << bank;
    result.modes << mode;
    return result;
}
