#include "midnam_writer.h"

#include <QXmlStreamWriter>

namespace {

const char kNameSet[] = "Names";
const char kControlList[] = "Controls";

// XML 1.0 cannot carry control characters: a typed name may hold one, and
// the document must stay readable. A tab in an attribute reads back as a
// space anyway.
QString xmlText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\t'))
            clean += QLatin1Char(' ');
        else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF)
            clean += c;
    }
    return clean;
}

void writeCommands(QXmlStreamWriter &xml, const PatchBank &bank)
{
    if (bank.msb < 0 && bank.lsb < 0)
        return;
    xml.writeStartElement(QStringLiteral("MIDICommands"));
    const int values[2] = {bank.msb, bank.lsb};
    const int controls[2] = {0, 32};
    for (int k = 0; k < 2; ++k) {
        if (values[k] < 0)
            continue;
        xml.writeEmptyElement(QStringLiteral("ControlChange"));
        xml.writeAttribute(QStringLiteral("Control"), QString::number(controls[k]));
        xml.writeAttribute(QStringLiteral("Value"), QString::number(values[k]));
    }
    xml.writeEndElement();
}

void writeDevice(QXmlStreamWriter &xml, int device, const DeviceNames &names, const QStringList &deviceNames)
{
    const QString channel = QString::number(device + 1);
    xml.writeStartElement(QStringLiteral("MasterDeviceNames"));
    xml.writeTextElement(QStringLiteral("Manufacturer"), exported_manufacturer());
    xml.writeTextElement(QStringLiteral("Model"), xmlText(exported_model_name(device, deviceNames)));

    xml.writeStartElement(QStringLiteral("CustomDeviceMode"));
    xml.writeAttribute(QStringLiteral("Name"), QStringLiteral("Default"));
    xml.writeStartElement(QStringLiteral("ChannelNameSetAssignments"));
    xml.writeEmptyElement(QStringLiteral("ChannelNameSetAssign"));
    xml.writeAttribute(QStringLiteral("Channel"), channel);
    xml.writeAttribute(QStringLiteral("NameSet"), QLatin1String(kNameSet));
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("ChannelNameSet"));
    xml.writeAttribute(QStringLiteral("Name"), QLatin1String(kNameSet));
    xml.writeStartElement(QStringLiteral("AvailableForChannels"));
    for (int c = 1; c <= 16; ++c) {
        xml.writeEmptyElement(QStringLiteral("AvailableChannel"));
        xml.writeAttribute(QStringLiteral("Channel"), QString::number(c));
        xml.writeAttribute(QStringLiteral("Available"), c == device + 1 ? QStringLiteral("true") : QStringLiteral("false"));
    }
    xml.writeEndElement();
    if (!names.controls.isEmpty()) {
        xml.writeEmptyElement(QStringLiteral("UsesControlNameList"));
        xml.writeAttribute(QStringLiteral("Name"), QLatin1String(kControlList));
    }
    for (const PatchBank &bank : names.banks) {
        if (bank.patches.isEmpty())
            continue; // a bank without names tells a DAW nothing
        xml.writeStartElement(QStringLiteral("PatchBank"));
        xml.writeAttribute(QStringLiteral("Name"), xmlText(bank.name));
        writeCommands(xml, bank);
        xml.writeStartElement(QStringLiteral("PatchNameList"));
        for (const PatchName &patch : bank.patches) {
            xml.writeEmptyElement(QStringLiteral("Patch"));
            // The label a DAW shows; the program itself where the manual gives none.
            xml.writeAttribute(QStringLiteral("Number"),
                               xmlText(patch.number.isEmpty() ? QString::number(patch.program) : patch.number));
            xml.writeAttribute(QStringLiteral("Name"), xmlText(patch.name));
            xml.writeAttribute(QStringLiteral("ProgramChange"), QString::number(patch.program));
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement(); // ChannelNameSet

    if (!names.controls.isEmpty()) {
        xml.writeStartElement(QStringLiteral("ControlNameList"));
        xml.writeAttribute(QStringLiteral("Name"), QLatin1String(kControlList));
        for (const ControlName &control : names.controls) {
            xml.writeEmptyElement(QStringLiteral("Control"));
            xml.writeAttribute(QStringLiteral("Type"), QStringLiteral("7bit"));
            xml.writeAttribute(QStringLiteral("Number"), QString::number(control.number));
            xml.writeAttribute(QStringLiteral("Name"), xmlText(control.name));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement(); // MasterDeviceNames
}

} // namespace

QString exported_manufacturer()
{
    return QStringLiteral("Vektor Rig");
}

QString exported_model_name(int device, const QStringList &deviceNames)
{
    const QString name = deviceNames.value(device).trimmed();
    const QString channel = QStringLiteral("%1").arg(device + 1, 2, 10, QLatin1Char('0'));
    return name.isEmpty() ? channel : QStringLiteral("%1 - %2").arg(channel, name);
}

QByteArray write_midnam(const RigNames &rig, const QStringList &deviceNames)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    // No byte-order mark: readers of shared formats choke on one.
    xml.writeStartDocument(QStringLiteral("1.0"));
    xml.writeDTD(QStringLiteral("<!DOCTYPE MIDINameDocument PUBLIC \"-//MIDI Manufacturers Association//DTD "
                                "MIDINameDocument 1.0//EN\" \"http://www.midi.org/dtds/MIDINameDocument10.dtd\">"));
    xml.writeStartElement(QStringLiteral("MIDINameDocument"));
    xml.writeTextElement(QStringLiteral("Author"), QStringLiteral("Vektor Editor"));
    for (int d = 0; d < 16; ++d)
        if (!rig.devices[d].isEmpty())
            writeDevice(xml, d, rig.devices[d], deviceNames);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}
