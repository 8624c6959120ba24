#include "rig_names.h"

#include "file_bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

struct RigNamesText {
    Q_DECLARE_TR_FUNCTIONS(RigNamesText)
};

// The rig file says what it is, so a stray JSON file is not taken for one.
const char kFormat[] = "vektor-rig";
constexpr int kVersion = 1;

QJsonObject sourceObject(const NamesSource &source)
{
    QJsonObject object;
    object.insert(QStringLiteral("file"), source.file);
    object.insert(QStringLiteral("manufacturer"), source.manufacturer);
    object.insert(QStringLiteral("model"), source.model);
    object.insert(QStringLiteral("mode"), source.mode);
    object.insert(QStringLiteral("typed"), source.typed);
    return object;
}

QJsonObject deviceObject(int device, const DeviceNames &names)
{
    QJsonArray banks;
    for (const PatchBank &bank : names.banks) {
        QJsonArray patches;
        for (const PatchName &patch : bank.patches)
            patches.append(QJsonObject{{QStringLiteral("program"), patch.program},
                                       {QStringLiteral("number"), patch.number},
                                       {QStringLiteral("name"), patch.name}});
        banks.append(QJsonObject{{QStringLiteral("name"), bank.name},
                                 {QStringLiteral("msb"), bank.msb},
                                 {QStringLiteral("lsb"), bank.lsb},
                                 {QStringLiteral("patches"), patches}});
    }
    QJsonArray controls;
    for (const ControlName &control : names.controls)
        controls.append(QJsonObject{{QStringLiteral("number"), control.number},
                                    {QStringLiteral("name"), control.name}});
    return QJsonObject{{QStringLiteral("channel"), device + 1},
                       {QStringLiteral("source"), sourceObject(names.source)},
                       {QStringLiteral("banks"), banks},
                       {QStringLiteral("controls"), controls}};
}

// Reads the rig field by field, stopping at the first problem, which it names
// by its path in the file ("devices[2].banks[0].msb: 300 is not 0-127").
class RigReader
{
public:
    QString error;

    bool readDevices(const QJsonArray &devices, RigNames &rig)
    {
        bool seen[16] = {};
        for (int d = 0; d < devices.size(); ++d) {
            const QString path = QStringLiteral("devices[%1]").arg(d);
            if (!devices.at(d).isObject())
                return fail(path, QStringLiteral("not an object"));
            const QJsonObject object = devices.at(d).toObject();
            int channel = 0;
            if (!readInt(object, QStringLiteral("channel"), path, 1, 16, &channel))
                return false;
            if (seen[channel - 1])
                return fail(path + QStringLiteral(".channel"), QStringLiteral("channel %1 stands twice").arg(channel));
            seen[channel - 1] = true;
            if (!readDevice(object, path, rig.devices[channel - 1]))
                return false;
        }
        return true;
    }

    bool fail(const QString &path, const QString &reason)
    {
        error = path + QStringLiteral(": ") + reason;
        return false;
    }

private:
    bool readInt(const QJsonObject &object, const QString &key, const QString &path, int low, int high, int *out)
    {
        const QJsonValue value = object.value(key);
        const QString at = path + QLatin1Char('.') + key;
        if (value.isUndefined())
            return fail(at, QStringLiteral("missing"));
        const double number = value.toDouble();
        if (!value.isDouble() || std::floor(number) != number)
            return fail(at, QStringLiteral("not a whole number"));
        // Compared as a double: a number far beyond an int must not be cast first.
        if (number < low || number > high)
            return fail(at, QStringLiteral("%1 is not %2-%3").arg(number).arg(low).arg(high));
        *out = int(number);
        return true;
    }

    bool readText(const QJsonObject &object, const QString &key, const QString &path, QString *out)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return true; // an empty text may be left out
        if (!value.isString())
            return fail(path + QLatin1Char('.') + key, QStringLiteral("not a text"));
        *out = value.toString();
        return true;
    }

    bool readArray(const QJsonObject &object, const QString &key, const QString &path, QJsonArray *out)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return true;
        if (!value.isArray())
            return fail(path + QLatin1Char('.') + key, QStringLiteral("not a list"));
        *out = value.toArray();
        return true;
    }

    bool readObjectAt(const QJsonArray &list, int index, const QString &path, QJsonObject *out)
    {
        if (!list.at(index).isObject())
            return fail(path, QStringLiteral("not an object"));
        *out = list.at(index).toObject();
        return true;
    }

    bool readDevice(const QJsonObject &object, const QString &path, DeviceNames &names)
    {
        const QJsonValue sourceValue = object.value(QStringLiteral("source"));
        if (sourceValue.isObject()) {
            const QJsonObject source = sourceValue.toObject();
            const QString at = path + QStringLiteral(".source");
            if (!readText(source, QStringLiteral("file"), at, &names.source.file)
                || !readText(source, QStringLiteral("manufacturer"), at, &names.source.manufacturer)
                || !readText(source, QStringLiteral("model"), at, &names.source.model)
                || !readText(source, QStringLiteral("mode"), at, &names.source.mode))
                return false;
            const QJsonValue typed = source.value(QStringLiteral("typed"));
            if (!typed.isUndefined() && !typed.isBool())
                return fail(at + QStringLiteral(".typed"), QStringLiteral("not true or false"));
            names.source.typed = typed.toBool();
        } else if (!sourceValue.isUndefined()) {
            return fail(path + QStringLiteral(".source"), QStringLiteral("not an object"));
        }
        QJsonArray banks, controls;
        if (!readArray(object, QStringLiteral("banks"), path, &banks)
            || !readArray(object, QStringLiteral("controls"), path, &controls))
            return false;
        for (int b = 0; b < banks.size(); ++b) {
            const QString at = path + QStringLiteral(".banks[%1]").arg(b);
            QJsonObject bankObject;
            PatchBank bank;
            QJsonArray patches;
            if (!readObjectAt(banks, b, at, &bankObject) || !readText(bankObject, QStringLiteral("name"), at, &bank.name)
                || !readInt(bankObject, QStringLiteral("msb"), at, -1, 127, &bank.msb)
                || !readInt(bankObject, QStringLiteral("lsb"), at, -1, 127, &bank.lsb)
                || !readArray(bankObject, QStringLiteral("patches"), at, &patches))
                return false;
            for (int p = 0; p < patches.size(); ++p) {
                const QString patchPath = at + QStringLiteral(".patches[%1]").arg(p);
                QJsonObject patchObject;
                PatchName patch;
                if (!readObjectAt(patches, p, patchPath, &patchObject)
                    || !readInt(patchObject, QStringLiteral("program"), patchPath, 0, 127, &patch.program)
                    || !readText(patchObject, QStringLiteral("number"), patchPath, &patch.number)
                    || !readText(patchObject, QStringLiteral("name"), patchPath, &patch.name))
                    return false;
                if (!bank.patches.isEmpty() && bank.patches.last().program >= patch.program)
                    return fail(patchPath + QStringLiteral(".program"),
                                QStringLiteral("%1 does not come after %2").arg(patch.program).arg(bank.patches.last().program));
                bank.patches << patch;
            }
            names.banks << bank;
        }
        for (int c = 0; c < controls.size(); ++c) {
            const QString at = path + QStringLiteral(".controls[%1]").arg(c);
            QJsonObject controlObject;
            ControlName control;
            if (!readObjectAt(controls, c, at, &controlObject)
                || !readInt(controlObject, QStringLiteral("number"), at, 0, 127, &control.number)
                || !readText(controlObject, QStringLiteral("name"), at, &control.name))
                return false;
            if (!names.controls.isEmpty() && names.controls.last().number >= control.number)
                return fail(at + QStringLiteral(".number"),
                            QStringLiteral("%1 does not come after %2").arg(control.number).arg(names.controls.last().number));
            names.controls << control;
        }
        return true;
    }
};

RigNames &processRig()
{
    static RigNames rig;
    return rig;
}

} // namespace

bool RigNames::isEmpty() const
{
    for (const DeviceNames &device : devices)
        if (!device.isEmpty())
            return false;
    return true;
}

bool operator==(const RigNames &a, const RigNames &b)
{
    for (int d = 0; d < 16; ++d)
        if (a.devices[d] != b.devices[d])
            return false;
    return true;
}

QString rig_file_path(const QString &memoryPath)
{
    return QFileInfo(memoryPath).absoluteDir().filePath(QStringLiteral("rig.json"));
}

QByteArray rig_file_bytes(const RigNames &rig)
{
    QJsonArray devices;
    for (int d = 0; d < 16; ++d) {
        const DeviceNames &names = rig.devices[d];
        // A device stands in the file when it has names or a source to show.
        if (!names.isEmpty() || !names.banks.isEmpty() || !(names.source == NamesSource()))
            devices.append(deviceObject(d, names));
    }
    const QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormat)},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("devices"), devices}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

RigRead parse_rig_file(const QByteArray &bytes, const QString &name)
{
    auto refuse = [&name](const QString &reason) {
        return RigRead{RigNames(), RigNamesText::tr("The rig file %1 was not read: %2.").arg(name, reason)};
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("not JSON: %1 at character %2").arg(parseError.errorString()).arg(parseError.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return refuse(QStringLiteral("it is not a rig file"));
    if (root.value(QStringLiteral("version")).toInt() != kVersion)
        return refuse(QStringLiteral("version %1 is not known").arg(root.value(QStringLiteral("version")).toVariant().toString()));
    const QJsonValue devices = root.value(QStringLiteral("devices"));
    RigRead read;
    RigReader reader;
    if (!devices.isArray())
        reader.fail(QStringLiteral("devices"), QStringLiteral("not a list"));
    else
        reader.readDevices(devices.toArray(), read.rig);
    if (!reader.error.isEmpty())
        return refuse(reader.error);
    return read;
}

RigRead read_rig_file(const QString &path)
{
    if (!QFileInfo::exists(path))
        return RigRead();
    const FileRead file = read_file(path, FileKind::Document);
    const QString name = QDir::toNativeSeparators(path);
    if (!file.ok())
        return RigRead{RigNames(), RigNamesText::tr("The rig file %1 was not read: %2.").arg(name, file.error)};
    if (file.cut())
        return RigRead{RigNames(), RigNamesText::tr("The rig file %1 was not read: %2.")
                                       .arg(name, RigNamesText::tr("it is larger than %n bytes", nullptr, file.bytes.size()))};
    return parse_rig_file(file.bytes, name);
}

bool write_rig_file(const QString &path, const RigNames &rig, QString *error)
{
    return write_file(path, rig_file_bytes(rig), error);
}

const RigNames &rig_names()
{
    return processRig();
}

void set_rig_names(const RigNames &rig)
{
    processRig() = rig;
}

QString load_rig_names_for(const QString &memoryPath)
{
    RigRead read = read_rig_file(rig_file_path(memoryPath));
    set_rig_names(read.rig);
    return read.error;
}
