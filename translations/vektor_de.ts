<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ControlChangeDialog</name>
    <message>
        <source>Control Changes</source>
        <translation>Control Changes</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Control Change Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Control Change Enabled</source>
        <translation>Control Change aktiv</translation>
    </message>
    <message>
        <source>Device (MIDI Channel)</source>
        <translation>Gerät (MIDI-Kanal)</translation>
    </message>
    <message>
        <source> Control Change Number</source>
        <translation> Controller-Nummer</translation>
    </message>
    <message>
        <source>Control Change Value</source>
        <translation>Controller-Wert</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>%2 %1</source>
        <comment>the column&apos;s title, then the entry&apos;s number</comment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>DumpReport</name>
    <message>
        <source>The dump file cannot be read.</source>
        <translation>Die Dump-Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The dump holds no data.</source>
        <translation>Der Dump enthält keine Daten.</translation>
    </message>
    <message>
        <source>Packet %1 fails its checksum.</source>
        <translation>Paket %1 hat eine falsche Prüfsumme.</translation>
    </message>
    <message>
        <source>%1 packets fail their checksum, the first is packet %2.</source>
        <translation>%1 Pakete haben eine falsche Prüfsumme, das erste ist Paket %2.</translation>
    </message>
    <message>
        <source>1 packet is missing.</source>
        <translation>1 Paket fehlt.</translation>
    </message>
    <message>
        <source>%1 packets are missing.</source>
        <translation>%1 Pakete fehlen.</translation>
    </message>
    <message>
        <source>1 packet arrived twice.</source>
        <translation>1 Paket kam doppelt an.</translation>
    </message>
    <message>
        <source>%1 packets arrived twice.</source>
        <translation>%1 Pakete kamen doppelt an.</translation>
    </message>
    <message>
        <source>The header announces %1 bytes, the packets hold %2.</source>
        <translation>Der Kopf kündigt %1 Bytes an, die Pakete enthalten %2.</translation>
    </message>
    <message>
        <source>The end-of-file message does not match the number of packets.</source>
        <translation>Die Dateiende-Nachricht passt nicht zur Zahl der Pakete.</translation>
    </message>
    <message>
        <source>The dump decodes to %1 bytes; a Vektor memory has %2.</source>
        <translation>Der Dump ergibt %1 Bytes; ein Vektor-Speicher hat %2.</translation>
    </message>
</context>
<context>
    <name>EditorNames</name>
    <message>
        <source>0 to 127</source>
        <translation>0 bis 127</translation>
    </message>
    <message>
        <source>MIDI channel</source>
        <translation>MIDI-Kanal</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>no file is chosen</source>
        <translation>keine Datei gewählt</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Earlier versions of the configuration file are not being kept: %1.</source>
        <translation>Frühere Fassungen der Konfigurationsdatei werden nicht aufbewahrt: %1.</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>unlesbar: %1</translation>
    </message>
    <message>
        <source>%1 bytes, not a whole memory</source>
        <translation>%1 Bytes, kein ganzer Speicher</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Global, OK</source>
        <translation>Global, OK</translation>
    </message>
    <message>
        <source>Presets, Save</source>
        <translation>Presets, Speichern</translation>
    </message>
    <message>
        <source>Preset switch, Yes</source>
        <translation>Presetwechsel, Ja</translation>
    </message>
    <message>
        <source>Copy Preset</source>
        <translation>Preset kopieren</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Import Vektor SysEx</source>
        <translation>Vektor-SysEx importieren</translation>
    </message>
    <message>
        <source>Receive Dump</source>
        <translation>Dump empfangen</translation>
    </message>
    <message>
        <source>Import Kestrel SysEx</source>
        <translation>Kestrel-SysEx importieren</translation>
    </message>
    <message>
        <source>Library, Save</source>
        <translation>Bibliothek, Speichern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>vektor-tool import</source>
        <translation>vektor-tool import</translation>
    </message>
    <message>
        <source>vektor-tool decode</source>
        <translation>vektor-tool decode</translation>
    </message>
    <message>
        <source>vektor-tool set</source>
        <translation>vektor-tool set</translation>
    </message>
    <message>
        <source>vektor-tool notes</source>
        <translation>vektor-tool notes</translation>
    </message>
    <message>
        <source>1 preset</source>
        <translation>1 Preset</translation>
    </message>
    <message>
        <source>%1 presets</source>
        <translation>%1 Presets</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 Einstellung</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 Einstellungen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>What it changes cannot be shown: the file it replaces is not a whole memory.</source>
        <translation>Was sich ändert, lässt sich nicht zeigen: Die ersetzte Datei ist kein ganzer Speicher.</translation>
    </message>
    <message>
        <source>In the %1 bytes it holds, it changes</source>
        <translation>In den %1 Bytes, die es enthält, ändert es</translation>
    </message>
    <message>
        <source>It changes</source>
        <translation>Es ändert</translation>
    </message>
    <message>
        <source>nothing.</source>
        <translation>nichts.</translation>
    </message>
    <message>
        <source>What it changes cannot be shown: %1 could not be read (%2).</source>
        <translation>Was sich ändert, lässt sich nicht zeigen: %1 ließ sich nicht lesen (%2).</translation>
    </message>
    <message>
        <source>global</source>
        <translation>global</translation>
    </message>
    <message>
        <source>a file is where the folder %1 should be</source>
        <translation>wo der Ordner %1 sein sollte, liegt eine Datei</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 ließ sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>%1 ließ sich nicht schreiben (%2)</translation>
    </message>
    <message>
        <source>no free name for a version in %1</source>
        <translation>kein freier Name für eine Fassung in %1</translation>
    </message>
    <message>
        <source>the file now: %1</source>
        <translation>die Datei jetzt: %1</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Aufbewahrt</translation>
    </message>
    <message>
        <source>Replaced by</source>
        <translation>Ersetzt durch</translation>
    </message>
    <message>
        <source>Changed from it to the next</source>
        <translation>Geändert bis zur nächsten</translation>
    </message>
    <message>
        <source>History, Export</source>
        <translation>Verlauf, Exportieren</translation>
    </message>
    <message>
        <source>%1 is too large to keep</source>
        <translation>%1 ist zu groß, um aufbewahrt zu werden</translation>
    </message>
    <message>
        <source>Kept %1, replaced by %2, changed from it to the next: %3</source>
        <translation>Aufbewahrt %1, ersetzt durch %2, geändert bis zur nächsten: %3</translation>
    </message>
    <message>
        <source>%1 could not be kept with its memory (%2)</source>
        <translation>%1 konnte nicht mit seinem Speicher aufbewahrt werden (%2)</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vektor Editor v1.5.1</source>
        <translation>Vektor Editor v1.5.1</translation>
    </message>
    <message>
        <source>Configuration file:</source>
        <translation>Konfigurationsdatei:</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a Vektor memory holds %3.</source>
        <translation>%1 enthält %2 Bytes; ein Vektor-Speicher enthält %3.</translation>
    </message>
    <message>
        <source>%1 is not a file the editor can read.</source>
        <translation>%1 ist keine Datei, die der Editor lesen kann.</translation>
    </message>
    <message>
        <source>The editors will read it as a Vektor memory, and saving will replace it with one. Use this file?</source>
        <translation>Die Editoren lesen sie als Vektor-Speicher, und beim Speichern wird sie durch einen ersetzt. Diese Datei verwenden?</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Select configuration file</source>
        <translation>Konfigurationsdatei wählen</translation>
    </message>
    <message>
        <source>MIDI Monitor</source>
        <translation>MIDI-Monitor</translation>
    </message>
    <message>
        <source>Rig Names</source>
        <translation>Namen des Rigs</translation>
    </message>
</context>
<context>
    <name>MidnamReader</name>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>der Text ist kein gültiges UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than the %n bytes a names file may hold</source>
        <translation>
            <numerusform>die Datei ist größer als die %n Byte, die eine Namensdatei haben darf</numerusform>
            <numerusform>die Datei ist größer als die %n Byte, die eine Namensdatei haben darf</numerusform>
        </translation>
    </message>
    <message>
        <source>the document declares entities</source>
        <translation>das Dokument deklariert Entitäten</translation>
    </message>
    <message>
        <source>the document is a %1, not a MIDINameDocument</source>
        <translation>das Dokument ist ein %1, kein MIDINameDocument</translation>
    </message>
    <message>
        <source>the elements nest too deep</source>
        <translation>die Elemente sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>the document holds no element</source>
        <translation>das Dokument enthält kein Element</translation>
    </message>
    <message>
        <source>the document names no device</source>
        <translation>das Dokument nennt kein Gerät</translation>
    </message>
    <message>
        <source>nothing usable is left: %1</source>
        <translation>nichts Brauchbares bleibt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n patches with a program change outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>%n Klang mit einem Programmwechsel außerhalb 0-127 wurde ausgelassen (bei %1)</numerusform>
            <numerusform>%n Klänge mit einem Programmwechsel außerhalb 0-127 wurden ausgelassen (der erste bei %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n banks with a bank select outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>%n Bank mit einer Bankauswahl außerhalb 0-127 wurde ausgelassen (bei %1)</numerusform>
            <numerusform>%n Bänke mit einer Bankauswahl außerhalb 0-127 wurden ausgelassen (die erste bei %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n patches with a bank select outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>%n Klang mit einer Bankauswahl außerhalb 0-127 wurde ausgelassen (bei %1)</numerusform>
            <numerusform>%n Klänge mit einer Bankauswahl außerhalb 0-127 wurden ausgelassen (der erste bei %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n patches naming a program already named at their bank address were left out, the first kept (the first left out: &quot;%1&quot; at %2)</source>
        <translation>
            <numerusform>%n Klang für ein Programm, das an seiner Bankadresse schon benannt ist, wurde ausgelassen, der erste Name bleibt („%1“ bei %2)</numerusform>
            <numerusform>%n Klänge für Programme, die an ihrer Bankadresse schon benannt sind, wurden ausgelassen, die ersten Namen bleiben (der erste ausgelassene: „%1“ bei %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n banks use a patch list the file does not hold and were left out (the first: &quot;%1&quot; at %2)</source>
        <translation>
            <numerusform>%n Bank nutzt eine Klangliste, die die Datei nicht enthält, und wurde ausgelassen („%1“ bei %2)</numerusform>
            <numerusform>%n Bänke nutzen eine Klangliste, die die Datei nicht enthält, und wurden ausgelassen (die erste: „%1“ bei %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controls with a number outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>%n Controller mit einer Nummer außerhalb 0-127 wurde ausgelassen (bei %1)</numerusform>
            <numerusform>%n Controller mit einer Nummer außerhalb 0-127 wurden ausgelassen (der erste bei %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 wurde nicht gelesen: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not read: it is larger than the %n bytes a names file may hold.</source>
        <translation>
            <numerusform>%1 wurde nicht gelesen: sie ist größer als die %n Byte, die eine Namensdatei haben darf.</numerusform>
            <numerusform>%1 wurde nicht gelesen: sie ist größer als die %n Byte, die eine Namensdatei haben darf.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not read: %2</source>
        <translation>%1 wurde nicht gelesen: %2</translation>
    </message>
    <message>
        <source>a device has only 128 programs to name</source>
        <translation>ein Gerät hat nur 128 Programme zu benennen</translation>
    </message>
    <message>
        <source>the list holds no name</source>
        <translation>die Liste enthält keinen Namen</translation>
    </message>
</context>
<context>
    <name>MidiExplainer</name>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>preset %1</source>
        <translation>Preset %1</translation>
    </message>
    <message>
        <source>presets %1</source>
        <translation>Presets %1</translation>
    </message>
    <message numerus="yes">
        <source>%n presets (%1)</source>
        <translation>
            <numerusform>%n Preset (%1)</numerusform>
            <numerusform>%n Presets (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>footswitch %1</source>
        <translation>Taster %1</translation>
    </message>
    <message>
        <source>footswitch %1 &quot;%2&quot;</source>
        <translation>Taster %1 „%2“</translation>
    </message>
    <message>
        <source>%1 (custom, on)</source>
        <translation>%1 (eigene Nachricht, ein)</translation>
    </message>
    <message>
        <source>%1 (custom, off)</source>
        <translation>%1 (eigene Nachricht, aus)</translation>
    </message>
    <message>
        <source>Program change %1 (bank %2/%3)</source>
        <translation>Programmwechsel %1 (Bank %2/%3)</translation>
    </message>
    <message>
        <source>Program change %1</source>
        <translation>Programmwechsel %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>sent by %1</source>
        <translation>gesendet von %1</translation>
    </message>
    <message>
        <source>Control change %1 = %2</source>
        <translation>Controller %1 = %2</translation>
    </message>
    <message>
        <source>%1 (instant access, on)</source>
        <translation>%1 (Direktzugriff, ein)</translation>
    </message>
    <message>
        <source>%1 (instant access, off)</source>
        <translation>%1 (Direktzugriff, aus)</translation>
    </message>
    <message>
        <source>%1 (CC increment)</source>
        <translation>%1 (CC erhöhen)</translation>
    </message>
    <message>
        <source>%1 (CC decrement)</source>
        <translation>%1 (CC verringern)</translation>
    </message>
    <message>
        <source>bank select of %1</source>
        <translation>Bankwahl von %1</translation>
    </message>
    <message>
        <source>pedal run goes on</source>
        <translation>Pedalbewegung geht weiter</translation>
    </message>
    <message>
        <source>pedal %1 of %2</source>
        <translation>Pedal %1 von %2</translation>
    </message>
    <message>
        <source>instant-access override of footswitch %1 in %2</source>
        <translation>Direktzugriff-Übersteuerung von Taster %1 in %2</translation>
    </message>
    <message>
        <source>not closed by F7</source>
        <translation>nicht mit F7 abgeschlossen</translation>
    </message>
    <message>
        <source>dump header, too short</source>
        <translation>Dump-Kopf, zu kurz</translation>
    </message>
    <message>
        <source>dump header: %1, %2 bytes in %3 packets</source>
        <translation>Dump-Kopf: %1, %2 Bytes in %3 Paketen</translation>
    </message>
    <message>
        <source>dump packet, too short</source>
        <translation>Dump-Paket, zu kurz</translation>
    </message>
    <message>
        <source>dump packet %1 of %2</source>
        <translation>Dump-Paket %1 von %2</translation>
    </message>
    <message>
        <source>dump packet number %1 (no header heard)</source>
        <translation>Dump-Paket Nummer %1 (kein Kopf empfangen)</translation>
    </message>
    <message>
        <source>checksum holds</source>
        <translation>Prüfsumme stimmt</translation>
    </message>
    <message>
        <source>checksum wrong</source>
        <translation>Prüfsumme falsch</translation>
    </message>
    <message>
        <source>dump end: %1 packets heard</source>
        <translation>Dump-Ende: %1 Pakete empfangen</translation>
    </message>
    <message>
        <source>dump request</source>
        <translation>Dump-Anforderung</translation>
    </message>
    <message>
        <source>dump handshake: wait</source>
        <translation>Dump-Quittung: warten</translation>
    </message>
    <message>
        <source>dump handshake: cancel</source>
        <translation>Dump-Quittung: abbrechen</translation>
    </message>
    <message>
        <source>dump handshake: not received (NAK)</source>
        <translation>Dump-Quittung: nicht empfangen (NAK)</translation>
    </message>
    <message>
        <source>dump handshake: received (ACK)</source>
        <translation>Dump-Quittung: empfangen (ACK)</translation>
    </message>
    <message>
        <source>not a dump message</source>
        <translation>keine Dump-Nachricht</translation>
    </message>
    <message>
        <source>Time code quarter frame %1</source>
        <translation>Timecode-Viertelframe %1</translation>
    </message>
    <message>
        <source>Song position %1</source>
        <translation>Songposition %1</translation>
    </message>
    <message>
        <source>Song select %1</source>
        <translation>Songauswahl %1</translation>
    </message>
    <message>
        <source>Tune request</source>
        <translation>Stimmanforderung</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Active sensing</source>
        <translation>Active Sensing</translation>
    </message>
    <message>
        <source>System reset</source>
        <translation>System-Reset</translation>
    </message>
    <message>
        <source>Unknown bytes</source>
        <translation>Unbekannte Bytes</translation>
    </message>
    <message>
        <source>Note off %1, velocity %2</source>
        <translation>Note aus %1, Anschlag %2</translation>
    </message>
    <message>
        <source>Note on %1, velocity %2</source>
        <translation>Note ein %1, Anschlag %2</translation>
    </message>
    <message>
        <source>Key pressure %1, %2</source>
        <translation>Tastendruck %1, %2</translation>
    </message>
    <message>
        <source>Channel pressure %1</source>
        <translation>Kanaldruck %1</translation>
    </message>
    <message>
        <source>Pitch bend %1</source>
        <translation>Tonhöhenbeugung %1</translation>
    </message>
    <message>
        <source>no preset sends this</source>
        <translation>kein Preset sendet das</translation>
    </message>
    <message numerus="yes">
        <source>SysEx, %n bytes</source>
        <translation>
            <numerusform>SysEx, %n Byte</numerusform>
            <numerusform>SysEx, %n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Control change %1 &apos;%2&apos; = %3</source>
        <translation>Controller %1 „%2“ = %3</translation>
    </message>
</context>
<context>
    <name>MonitorModel</name>
    <message>
        <source>sent to %1</source>
        <translation>gesendet an %1</translation>
    </message>
    <message>
        <source>Bytes: %1</source>
        <translation>Bytes: %1</translation>
    </message>
    <message>
        <source>Bytes: %1
%2</source>
        <translation>Bytes: %1
%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Channel/Device</source>
        <translation>Kanal/Gerät</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
</context>
<context>
    <name>PlayOutput</name>
    <message>
        <source>Nothing was sent: no MIDI system could be opened.</source>
        <translation>Nichts wurde gesendet: Es ließ sich kein MIDI-System öffnen.</translation>
    </message>
    <message>
        <source>Nothing was sent: there are no MIDI output ports available.</source>
        <translation>Nichts wurde gesendet: Es gibt keine MIDI-Ausgänge.</translation>
    </message>
    <message>
        <source>Play Through</source>
        <translation>Abspielen über</translation>
    </message>
    <message>
        <source>Nothing was sent: no output was chosen.</source>
        <translation>Nichts wurde gesendet: Es wurde kein Ausgang gewählt.</translation>
    </message>
    <message>
        <source>Nothing was sent: the output %1 could not be opened.</source>
        <translation>Nichts wurde gesendet: Der Ausgang %1 ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>Nichts wurde gesendet: %1</translation>
    </message>
    <message>
        <source>Preset %1 sends nothing: none of its program changes or control changes is on.</source>
        <translation>Preset %1 sendet nichts: Keiner seiner Programmwechsel und Controller ist eingeschaltet.</translation>
    </message>
    <message>
        <source>Nothing was sent: the output %1 went away. Play asks for an output again.</source>
        <translation>Nichts wurde gesendet: Der Ausgang %1 ist verschwunden. Abspielen fragt erneut nach einem Ausgang.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2</source>
        <translation>Senden an %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Sent preset %1 to %2: %3</source>
        <translation>Preset %1 an %2 gesendet: %3</translation>
    </message>
</context>
<context>
    <name>MemoryCheck</name>
    <message>
        <source>Buttons %1</source>
        <translation>Taster %1</translation>
    </message>
    <message>
        <source>The favourite of button %1 is no preset slot: it holds %2, and the slots are 0 to 269 (001 to 299).</source>
        <translation>Der Favorit von Taster %1 ist kein Preset-Platz: er enthält %2, die Plätze sind 0 bis 269 (001 bis 299).</translation>
    </message>
    <message numerus="yes">
        <source>%n presets send a program change to %1, which is switched off in the global settings: %2.</source>
        <translation>
            <numerusform>%n Preset sendet einen Programmwechsel an %1, das in den globalen Einstellungen ausgeschaltet ist: %2.</numerusform>
            <numerusform>%n Presets senden einen Programmwechsel an %1, das in den globalen Einstellungen ausgeschaltet ist: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n presets send a control change to %1, which is switched off in the global settings: %2.</source>
        <translation>
            <numerusform>%n Preset sendet einen Control Change an %1, das in den globalen Einstellungen ausgeschaltet ist: %2.</numerusform>
            <numerusform>%n Presets senden einen Control Change an %1, das in den globalen Einstellungen ausgeschaltet ist: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Presets %1 hold the same settings under different names.</source>
        <translation>Die Presets %1 haben dieselben Einstellungen unter verschiedenen Namen.</translation>
    </message>
    <message numerus="yes">
        <source>Presets %1 are one preset stored %n times, name and all.</source>
        <translation>
            <numerusform>Die Presets %1 sind ein Preset, %n-mal gespeichert, samt Namen.</numerusform>
            <numerusform>Die Presets %1 sind ein Preset, %n-mal gespeichert, samt Namen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 do the same thing: the same function with the same settings.</source>
        <translation>%1 tun dasselbe: dieselbe Funktion mit denselben Einstellungen.</translation>
    </message>
    <message>
        <source>Bank %1 has presets still with the factory name beside named ones: %2.</source>
        <translation>Bank %1 hat neben benannten Presets noch welche mit dem Werksnamen: %2.</translation>
    </message>
    <message>
        <source>The global setting &quot;%1&quot; holds %2, beyond the %3 its dialog shows; storing the global settings would change it.</source>
        <translation>Die globale Einstellung &quot;%1&quot; enthält %2, mehr als die %3, die ihr Dialog zeigt; ein Speichern der globalen Einstellungen würde sie ändern.</translation>
    </message>
    <message>
        <source>Preset %1 holds values its editors don&apos;t show, which storing it from the preset dialog would change: %2.</source>
        <translation>Preset %1 enthält Werte, die seine Editoren nicht zeigen und die ein Speichern im Preset-Dialog ändern würde: %2.</translation>
    </message>
</context>
<context>
    <name>PresetLibraryModel</name>
    <message>
        <source>F2 or a double-click renames the preset</source>
        <translation>F2 oder ein Doppelklick benennt das Preset um</translation>
    </message>
    <message>
        <source>Control changes on: %1</source>
        <translation>Aktive Control Changes: %1</translation>
    </message>
    <message>
        <source>Instant-access overrides on: %1</source>
        <translation>Aktive Direktzugriff-Überschreibungen: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Program changes</source>
        <translation>Programmwechsel</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Schaltung</translation>
    </message>
    <message>
        <source>CCs</source>
        <translation>CCs</translation>
    </message>
    <message>
        <source>IA</source>
        <translation>DZ</translation>
    </message>
    <message>
        <source>Devices that get a program change, with its number</source>
        <translation>Geräte, die einen Programmwechsel erhalten, mit seiner Nummer</translation>
    </message>
    <message>
        <source>Relays (R) and loops (L) switched on, in brackets those left as they are; then the output</source>
        <translation>Eingeschaltete Relais (R) und Loops (L), in Klammern die unverändert bleibenden; dann der Ausgang</translation>
    </message>
    <message>
        <source>Control changes on</source>
        <translation>Aktive Control Changes</translation>
    </message>
    <message>
        <source>Instant-access overrides on</source>
        <translation>Aktive Direktzugriff-Überschreibungen</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Wiederholt: %1.</translation>
    </message>
    <message>
        <source>button %1 calls %2 again</source>
        <translation>Taster %1 ruft wieder %2 auf</translation>
    </message>
    <message>
        <source>button %1 now calls %2</source>
        <translation>Taster %1 ruft jetzt %2 auf</translation>
    </message>
    <message>
        <source>Footswitch favourites put back: %1.</source>
        <translation>Taster-Favoriten zurückgesetzt: %1.</translation>
    </message>
    <message>
        <source>Footswitch favourites follow: %1.</source>
        <translation>Die Taster-Favoriten folgen: %1.</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>%1 und %2 tauschen</translation>
    </message>
    <message numerus="yes">
        <source>Swap %n presets</source>
        <translation>
            <numerusform>%n Preset tauschen</numerusform>
            <numerusform>%n Presets tauschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Swap banks %1 and %2</source>
        <translation>Bänke %1 und %2 tauschen</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Move %n presets up</source>
        <translation>
            <numerusform>%n Preset nach oben verschieben</numerusform>
            <numerusform>%n Presets nach oben verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n presets down</source>
        <translation>
            <numerusform>%n Preset nach unten verschieben</numerusform>
            <numerusform>%n Presets nach unten verschieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy %1 over %2</source>
        <translation>%1 über %2 kopieren</translation>
    </message>
    <message numerus="yes">
        <source>Copy %n presets to %1</source>
        <translation>
            <numerusform>%n Preset nach %1 kopieren</numerusform>
            <numerusform>%n Presets nach %1 kopieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset %1 to its factory preset</source>
        <translation>%1 auf das Werks-Preset zurücksetzen</translation>
    </message>
    <message numerus="yes">
        <source>Reset %n presets to their factory presets</source>
        <translation>
            <numerusform>%n Preset auf das Werks-Preset zurücksetzen</numerusform>
            <numerusform>%n Presets auf die Werks-Presets zurücksetzen</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename %1 to “%2”</source>
        <translation>%1 in „%2“ umbenennen</translation>
    </message>
    <message>
        <source>No note or tags; edit them below the table</source>
        <translation>Keine Notiz und keine Tags; unter der Tabelle bearbeiten</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Tags and the first line of the note</source>
        <translation>Tags und die erste Zeile der Notiz</translation>
    </message>
    <message>
        <source>Edit the notes of %1</source>
        <translation>Notizen von %1 bearbeiten</translation>
    </message>
    <message>
        <source>%1 Notes: %2</source>
        <translation>%1 Notizen: %2</translation>
    </message>
</context>
<context>
    <name>PresetLists</name>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
</context>
<context>
    <name>PresetNotes</name>
    <message>
        <source>A note holds at most %1 characters; this one has %2.</source>
        <translation>Eine Notiz hat höchstens %1 Zeichen; diese hat %2.</translation>
    </message>
    <message>
        <source>A tag needs at least one letter, digit or “-”.</source>
        <translation>Ein Tag braucht mindestens einen Buchstaben, eine Ziffer oder „-“.</translation>
    </message>
    <message>
        <source>The tag “%1” is longer than %2 characters.</source>
        <translation>Der Tag „%1“ ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The tag “%1” holds a space; tags are single words.</source>
        <translation>Der Tag „%1“ enthält ein Leerzeichen; Tags sind einzelne Wörter.</translation>
    </message>
    <message>
        <source>The tag “%1” holds “%2”; tags hold letters, digits and “-” only.</source>
        <translation>Der Tag „%1“ enthält „%2“; Tags enthalten nur Buchstaben, Ziffern und „-“.</translation>
    </message>
    <message>
        <source>A preset holds at most %1 tags; that would make %2.</source>
        <translation>Ein Preset hat höchstens %1 Tags; das wären %2.</translation>
    </message>
</context>
<context>
    <name>PresetOperations</name>
    <message>
        <source>A preset name holds at most %1 characters; that would make %2.</source>
        <translation>Ein Preset-Name hat höchstens %1 Zeichen; dieser hätte %2.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be stored: preset names hold Latin-1 characters only.</source>
        <translation>„%1“ kann nicht gespeichert werden: Preset-Namen enthalten nur Latin-1-Zeichen.</translation>
    </message>
</context>
<context>
    <name>PresetRowText</name>
    <message>
        <source>Preset %1</source>
        <translation>Preset %1</translation>
    </message>
    <message>
        <source>no program change</source>
        <translation>kein Programmwechsel</translation>
    </message>
    <message>
        <source>program changes to %1</source>
        <translation>Programmwechsel an %1</translation>
    </message>
    <message>
        <source>1 control change</source>
        <translation>1 Control Change</translation>
    </message>
    <message>
        <source>%1 control changes</source>
        <translation>%1 Control Changes</translation>
    </message>
    <message>
        <source>1 instant-access override</source>
        <translation>1 Direktzugriff-Überschreibung</translation>
    </message>
    <message>
        <source>%1 instant-access overrides</source>
        <translation>%1 Direktzugriff-Überschreibungen</translation>
    </message>
</context>
<context>
    <name>PresetSummary</name>
    <message>
        <source>Ch %1</source>
        <translation>Kan. %1</translation>
    </message>
    <message>
        <source>Relay %1</source>
        <translation>Relais %1</translation>
    </message>
    <message>
        <source>Loop %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source> (bank %1/%2)</source>
        <translation> (Bank %1/%2)</translation>
    </message>
    <message>
        <source>%1: program %2</source>
        <translation>%1: Programm %2</translation>
    </message>
    <message>
        <source>, bank select MSB %1, LSB %2</source>
        <translation>, Bankauswahl MSB %1, LSB %2</translation>
    </message>
    <message>
        <source>No program change</source>
        <translation>Kein Programmwechsel</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Ausgang: %1</translation>
    </message>
</context>
<context>
    <name>RigNamesText</name>
    <message>
        <source>typed</source>
        <translation>eingetippt</translation>
    </message>
    <message>
        <source>%1, mode %2</source>
        <translation>%1, Modus %2</translation>
    </message>
    <message>
        <source>no names</source>
        <translation>keine Namen</translation>
    </message>
    <message>
        <source>The rig file %1 was not read: %2.</source>
        <translation>Die Rig-Datei %1 wurde nicht gelesen: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than %n bytes</source>
        <translation>
            <numerusform>sie ist größer als %n Byte</numerusform>
            <numerusform>sie ist größer als %n Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveWarning</name>
    <message>
        <source>the configuration file</source>
        <translation>die Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Couldn&apos;t save %1: %2.

The changes are still in the editor; save again once the file can be written, or choose another one with &quot;Open file...&quot;.</source>
        <translation>Die Änderungen konnten nicht in %1 gespeichert werden: %2.

Sie sind noch im Editor; speichern Sie erneut, sobald die Datei beschreibbar ist, oder wählen Sie mit „Datei öffnen...“ eine andere.</translation>
    </message>
</context>
<context>
    <name>Setlist</name>
    <message>
        <source>Bank %1</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3</source>
        <translation>%1 — Seite %2 von %3</translation>
    </message>
</context>
<context>
    <name>bulkeditdialog</name>
    <message>
        <source>Edit Selected Presets</source>
        <translation>Gewählte Presets bearbeiten</translation>
    </message>
    <message>
        <source>Set one field in the selected presets:</source>
        <translation>Ein Feld in den gewählten Presets setzen:</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>&amp;Feld:</translation>
    </message>
    <message>
        <source>Type part of a name, such as delay, relay or control change 3, to narrow the list</source>
        <translation>Einen Teil eines Namens tippen, etwa delay, relais oder controller 3, um die Liste einzugrenzen</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>For numbers, +N and -N move each preset&apos;s own value</source>
        <translation>Bei Zahlen verschieben +N und -N den Wert jedes Presets</translation>
    </message>
    <message>
        <source>Set one field in %1:</source>
        <translation>Ein Feld in %1 setzen:</translation>
    </message>
    <message>
        <source>Set one field in the %1 selected presets:</source>
        <translation>Ein Feld in den %1 gewählten Presets setzen:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>What changes</source>
        <translation>Was sich ändert</translation>
    </message>
    <message>
        <source>Move %1 by %2 in 1 preset</source>
        <translation>%1 um %2 in 1 Preset verschieben</translation>
    </message>
    <message>
        <source>Move %1 by %2 in %3 presets</source>
        <translation>%1 um %2 in %3 Presets verschieben</translation>
    </message>
    <message>
        <source>Set %1 to %2 in 1 preset</source>
        <translation>%1 auf %2 in 1 Preset setzen</translation>
    </message>
    <message>
        <source>Set %1 to %2 in %3 presets</source>
        <translation>%1 auf %2 in %3 Presets setzen</translation>
    </message>
    <message>
        <source>%1 %2: %3 %4 → %5</source>
        <translation>%1 %2: %3 %4 → %5</translation>
    </message>
    <message>
        <source>1 preset changes.</source>
        <translation>1 Preset ändert sich.</translation>
    </message>
    <message>
        <source>%1 presets change.</source>
        <translation>%1 Presets ändern sich.</translation>
    </message>
    <message>
        <source>1 already holds it.</source>
        <translation>1 hat den Wert schon.</translation>
    </message>
    <message>
        <source>%1 already hold it.</source>
        <translation>%1 haben den Wert schon.</translation>
    </message>
    <message>
        <source>1 shows no number to move from and stays as it is.</source>
        <translation>1 zeigt keine Zahl zum Verschieben und bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>%1 show no number to move from and stay as they are.</source>
        <translation>%1 zeigen keine Zahl zum Verschieben und bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>program change on</source>
        <translation>Programmwechsel ein</translation>
    </message>
    <message>
        <source>program change</source>
        <translation>Programmwechsel</translation>
    </message>
    <message>
        <source>program change number</source>
        <translation>Programmnummer</translation>
    </message>
    <message>
        <source>bank select on</source>
        <translation>Bankauswahl ein</translation>
    </message>
    <message>
        <source>bank select</source>
        <translation>Bankauswahl</translation>
    </message>
    <message>
        <source>bank MSB</source>
        <translation>Bank-MSB</translation>
    </message>
    <message>
        <source>bank LSB</source>
        <translation>Bank-LSB</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>control change</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>on value</source>
        <translation>Ein-Wert</translation>
    </message>
    <message>
        <source>off value</source>
        <translation>Aus-Wert</translation>
    </message>
    <message>
        <source>state</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>blank, stored %1</source>
        <translation>leer, gespeichert %1</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Device %1</source>
        <translation>Gerät %1</translation>
    </message>
    <message>
        <source>Device %1 (%2)</source>
        <translation>Gerät %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Control change %1</source>
        <translation>Controller %1</translation>
    </message>
    <message>
        <source>Expression pedal %1</source>
        <translation>Expression-Pedal %1</translation>
    </message>
    <message>
        <source>Override for button %1</source>
        <translation>Überschreiben für Taster %1</translation>
    </message>
    <message>
        <source>Relay %1</source>
        <translation>Relais %1</translation>
    </message>
    <message>
        <source>Loop %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>copytargetdialog</name>
    <message>
        <source>Copy Presets</source>
        <translation>Presets kopieren</translation>
    </message>
    <message>
        <source>Copy the selected presets to:</source>
        <translation>Die gewählten Presets kopieren nach:</translation>
    </message>
    <message>
        <source>&amp;Slot</source>
        <translation>&amp;Platz</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bank</translation>
    </message>
    <message>
        <source>These presets will be overwritten:</source>
        <translation>Diese Presets werden überschrieben:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Bank %1: %2–%3</source>
        <translation>Bank %1: %2–%3</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>%1 kopieren nach:</translation>
    </message>
    <message numerus="yes">
        <source>Copy the %n selected presets to:</source>
        <translation>
            <numerusform>Das gewählte Preset kopieren nach:</numerusform>
            <numerusform>Die %n gewählten Presets kopieren nach:</numerusform>
        </translation>
    </message>
    <message>
        <source>The last slot is 299.</source>
        <translation>Der letzte Platz ist 299.</translation>
    </message>
    <message>
        <source>%1 presets from %2 on would run past the last slot, 299.</source>
        <translation>%1 Presets ab %2 würden über den letzten Platz, 299, hinausreichen.</translation>
    </message>
    <message>
        <source>%1   ←   %2</source>
        <translation>%1   ←   %2</translation>
    </message>
    <message>
        <source>Nothing would change: the presets are there already.</source>
        <translation>Nichts würde sich ändern: Die Presets sind schon dort.</translation>
    </message>
    <message>
        <source>This preset will be overwritten (Undo brings it back):</source>
        <translation>Dieses Preset wird überschrieben (Rückgängig holt es zurück):</translation>
    </message>
    <message>
        <source>These %1 presets will be overwritten (Undo brings them back):</source>
        <translation>Diese %1 Presets werden überschrieben (Rückgängig holt sie zurück):</translation>
    </message>
    <message>
        <source>Target slot</source>
        <translation>Zielplatz</translation>
    </message>
    <message>
        <source>Target bank</source>
        <translation>Zielbank</translation>
    </message>
    <message>
        <source>Presets to be overwritten</source>
        <translation>Presets, die überschrieben werden</translation>
    </message>
</context>
<context>
    <name>globaldialog</name>
    <message>
        <source>Global</source>
        <translation>Globale Einstellungen</translation>
    </message>
    <message>
        <source>MIDI Input Channel</source>
        <translation>MIDI-Eingangskanal</translation>
    </message>
    <message>
        <source>SysEx Id</source>
        <translation>SysEx-ID</translation>
    </message>
    <message>
        <source>000</source>
        <translation>000</translation>
    </message>
    <message>
        <source>001</source>
        <translation>001</translation>
    </message>
    <message>
        <source>002</source>
        <translation>002</translation>
    </message>
    <message>
        <source>003</source>
        <translation>003</translation>
    </message>
    <message>
        <source>004</source>
        <translation>004</translation>
    </message>
    <message>
        <source>005</source>
        <translation>005</translation>
    </message>
    <message>
        <source>006</source>
        <translation>006</translation>
    </message>
    <message>
        <source>007</source>
        <translation>007</translation>
    </message>
    <message>
        <source>008</source>
        <translation>008</translation>
    </message>
    <message>
        <source>009</source>
        <translation>009</translation>
    </message>
    <message>
        <source>010</source>
        <translation>010</translation>
    </message>
    <message>
        <source>011</source>
        <translation>011</translation>
    </message>
    <message>
        <source>012</source>
        <translation>012</translation>
    </message>
    <message>
        <source>013</source>
        <translation>013</translation>
    </message>
    <message>
        <source>014</source>
        <translation>014</translation>
    </message>
    <message>
        <source>015</source>
        <translation>015</translation>
    </message>
    <message>
        <source>016</source>
        <translation>016</translation>
    </message>
    <message>
        <source>017</source>
        <translation>017</translation>
    </message>
    <message>
        <source>018</source>
        <translation>018</translation>
    </message>
    <message>
        <source>019</source>
        <translation>019</translation>
    </message>
    <message>
        <source>020</source>
        <translation>020</translation>
    </message>
    <message>
        <source>021</source>
        <translation>021</translation>
    </message>
    <message>
        <source>022</source>
        <translation>022</translation>
    </message>
    <message>
        <source>023</source>
        <translation>023</translation>
    </message>
    <message>
        <source>024</source>
        <translation>024</translation>
    </message>
    <message>
        <source>025</source>
        <translation>025</translation>
    </message>
    <message>
        <source>026</source>
        <translation>026</translation>
    </message>
    <message>
        <source>027</source>
        <translation>027</translation>
    </message>
    <message>
        <source>028</source>
        <translation>028</translation>
    </message>
    <message>
        <source>029</source>
        <translation>029</translation>
    </message>
    <message>
        <source>030</source>
        <translation>030</translation>
    </message>
    <message>
        <source>031</source>
        <translation>031</translation>
    </message>
    <message>
        <source>032</source>
        <translation>032</translation>
    </message>
    <message>
        <source>033</source>
        <translation>033</translation>
    </message>
    <message>
        <source>034</source>
        <translation>034</translation>
    </message>
    <message>
        <source>035</source>
        <translation>035</translation>
    </message>
    <message>
        <source>036</source>
        <translation>036</translation>
    </message>
    <message>
        <source>037</source>
        <translation>037</translation>
    </message>
    <message>
        <source>038</source>
        <translation>038</translation>
    </message>
    <message>
        <source>039</source>
        <translation>039</translation>
    </message>
    <message>
        <source>040</source>
        <translation>040</translation>
    </message>
    <message>
        <source>041</source>
        <translation>041</translation>
    </message>
    <message>
        <source>042</source>
        <translation>042</translation>
    </message>
    <message>
        <source>043</source>
        <translation>043</translation>
    </message>
    <message>
        <source>044</source>
        <translation>044</translation>
    </message>
    <message>
        <source>045</source>
        <translation>045</translation>
    </message>
    <message>
        <source>046</source>
        <translation>046</translation>
    </message>
    <message>
        <source>047</source>
        <translation>047</translation>
    </message>
    <message>
        <source>048</source>
        <translation>048</translation>
    </message>
    <message>
        <source>049</source>
        <translation>049</translation>
    </message>
    <message>
        <source>050</source>
        <translation>050</translation>
    </message>
    <message>
        <source>051</source>
        <translation>051</translation>
    </message>
    <message>
        <source>052</source>
        <translation>052</translation>
    </message>
    <message>
        <source>053</source>
        <translation>053</translation>
    </message>
    <message>
        <source>054</source>
        <translation>054</translation>
    </message>
    <message>
        <source>055</source>
        <translation>055</translation>
    </message>
    <message>
        <source>056</source>
        <translation>056</translation>
    </message>
    <message>
        <source>057</source>
        <translation>057</translation>
    </message>
    <message>
        <source>058</source>
        <translation>058</translation>
    </message>
    <message>
        <source>059</source>
        <translation>059</translation>
    </message>
    <message>
        <source>060</source>
        <translation>060</translation>
    </message>
    <message>
        <source>061</source>
        <translation>061</translation>
    </message>
    <message>
        <source>062</source>
        <translation>062</translation>
    </message>
    <message>
        <source>063</source>
        <translation>063</translation>
    </message>
    <message>
        <source>064</source>
        <translation>064</translation>
    </message>
    <message>
        <source>065</source>
        <translation>065</translation>
    </message>
    <message>
        <source>066</source>
        <translation>066</translation>
    </message>
    <message>
        <source>067</source>
        <translation>067</translation>
    </message>
    <message>
        <source>068</source>
        <translation>068</translation>
    </message>
    <message>
        <source>069</source>
        <translation>069</translation>
    </message>
    <message>
        <source>070</source>
        <translation>070</translation>
    </message>
    <message>
        <source>071</source>
        <translation>071</translation>
    </message>
    <message>
        <source>072</source>
        <translation>072</translation>
    </message>
    <message>
        <source>073</source>
        <translation>073</translation>
    </message>
    <message>
        <source>074</source>
        <translation>074</translation>
    </message>
    <message>
        <source>075</source>
        <translation>075</translation>
    </message>
    <message>
        <source>076</source>
        <translation>076</translation>
    </message>
    <message>
        <source>077</source>
        <translation>077</translation>
    </message>
    <message>
        <source>078</source>
        <translation>078</translation>
    </message>
    <message>
        <source>079</source>
        <translation>079</translation>
    </message>
    <message>
        <source>080</source>
        <translation>080</translation>
    </message>
    <message>
        <source>081</source>
        <translation>081</translation>
    </message>
    <message>
        <source>082</source>
        <translation>082</translation>
    </message>
    <message>
        <source>083</source>
        <translation>083</translation>
    </message>
    <message>
        <source>084</source>
        <translation>084</translation>
    </message>
    <message>
        <source>085</source>
        <translation>085</translation>
    </message>
    <message>
        <source>086</source>
        <translation>086</translation>
    </message>
    <message>
        <source>087</source>
        <translation>087</translation>
    </message>
    <message>
        <source>088</source>
        <translation>088</translation>
    </message>
    <message>
        <source>089</source>
        <translation>089</translation>
    </message>
    <message>
        <source>090</source>
        <translation>090</translation>
    </message>
    <message>
        <source>091</source>
        <translation>091</translation>
    </message>
    <message>
        <source>092</source>
        <translation>092</translation>
    </message>
    <message>
        <source>093</source>
        <translation>093</translation>
    </message>
    <message>
        <source>094</source>
        <translation>094</translation>
    </message>
    <message>
        <source>095</source>
        <translation>095</translation>
    </message>
    <message>
        <source>096</source>
        <translation>096</translation>
    </message>
    <message>
        <source>097</source>
        <translation>097</translation>
    </message>
    <message>
        <source>098</source>
        <translation>098</translation>
    </message>
    <message>
        <source>099</source>
        <translation>099</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>101</source>
        <translation>101</translation>
    </message>
    <message>
        <source>102</source>
        <translation>102</translation>
    </message>
    <message>
        <source>103</source>
        <translation>103</translation>
    </message>
    <message>
        <source>104</source>
        <translation>104</translation>
    </message>
    <message>
        <source>105</source>
        <translation>105</translation>
    </message>
    <message>
        <source>106</source>
        <translation>106</translation>
    </message>
    <message>
        <source>107</source>
        <translation>107</translation>
    </message>
    <message>
        <source>108</source>
        <translation>108</translation>
    </message>
    <message>
        <source>109</source>
        <translation>109</translation>
    </message>
    <message>
        <source>110</source>
        <translation>110</translation>
    </message>
    <message>
        <source>111</source>
        <translation>111</translation>
    </message>
    <message>
        <source>112</source>
        <translation>112</translation>
    </message>
    <message>
        <source>113</source>
        <translation>113</translation>
    </message>
    <message>
        <source>114</source>
        <translation>114</translation>
    </message>
    <message>
        <source>115</source>
        <translation>115</translation>
    </message>
    <message>
        <source>116</source>
        <translation>116</translation>
    </message>
    <message>
        <source>117</source>
        <translation>117</translation>
    </message>
    <message>
        <source>118</source>
        <translation>118</translation>
    </message>
    <message>
        <source>119</source>
        <translation>119</translation>
    </message>
    <message>
        <source>120</source>
        <translation>120</translation>
    </message>
    <message>
        <source>121</source>
        <translation>121</translation>
    </message>
    <message>
        <source>122</source>
        <translation>122</translation>
    </message>
    <message>
        <source>123</source>
        <translation>123</translation>
    </message>
    <message>
        <source>124</source>
        <translation>124</translation>
    </message>
    <message>
        <source>125</source>
        <translation>125</translation>
    </message>
    <message>
        <source>126</source>
        <translation>126</translation>
    </message>
    <message>
        <source>127</source>
        <translation>127</translation>
    </message>
    <message>
        <source>SysEx remote Id</source>
        <translation>SysEx-Remote-ID</translation>
    </message>
    <message>
        <source>Soft Thru enabled</source>
        <translation>Soft Thru aktiv</translation>
    </message>
    <message>
        <source>AXE-FX communication</source>
        <translation>AXE-FX-Kommunikation</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Full speed dump</source>
        <translation>Schneller Dump</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Schaltart</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Favorite Pr.</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Off-Custom</source>
        <translation>Aus-Nachricht</translation>
    </message>
    <message>
        <source>On-Custom</source>
        <translation>Ein-Nachricht</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Control Change</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>On-Value</source>
        <translation>Ein-Wert</translation>
    </message>
    <message>
        <source>Off-Value</source>
        <translation>Aus-Wert</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>Exp. Pedal</source>
        <translation>Exp.-Pedal</translation>
    </message>
    <message>
        <source>Calibration Min.</source>
        <translation>Kalibrierung min.</translation>
    </message>
    <message>
        <source>Calibration Max.</source>
        <translation>Kalibrierung max.</translation>
    </message>
    <message>
        <source>preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>bank up</source>
        <translation>Bank auf</translation>
    </message>
    <message>
        <source>bank down</source>
        <translation>Bank ab</translation>
    </message>
    <message>
        <source>instant access</source>
        <translation>Direktzugriff</translation>
    </message>
    <message>
        <source>favorite preset</source>
        <translation>Favorit-Preset</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>individuell</translation>
    </message>
    <message>
        <source>CC increment</source>
        <translation>CC erhöhen</translation>
    </message>
    <message>
        <source>CC decrement</source>
        <translation>CC senken</translation>
    </message>
    <message>
        <source>loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>relay</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>A/B selector</source>
        <translation>A/B-Wahl</translation>
    </message>
    <message>
        <source>relay group off</source>
        <translation>Relais aus</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>momentary</source>
        <translation>tastend</translation>
    </message>
    <message>
        <source>alternate</source>
        <translation>rastend</translation>
    </message>
    <message>
        <source>Button %1 %2</source>
        <comment>button number, then the column&apos;s title</comment>
        <translation>Taster %1 %2</translation>
    </message>
    <message>
        <source>Device %1 %2</source>
        <comment>device number, then the column&apos;s title</comment>
        <translation>Gerät %1 %2</translation>
    </message>
    <message>
        <source>Expression pedal %1 %2</source>
        <comment>pedal number, then the column&apos;s title</comment>
        <translation>Expression-Pedal %1 %2</translation>
    </message>
    <message>
        <source>Up to eight bytes in hexadecimal, as 00 00 00 00 00 00 00 00</source>
        <translation>Bis zu acht Bytes hexadezimal, etwa 00 00 00 00 00 00 00 00</translation>
    </message>
    <message>
        <source>Measured by the controller</source>
        <translation>Vom Controller gemessen</translation>
    </message>
</context>
<context>
    <name>historydialog</name>
    <message>
        <source>%1 holds the presets of %2; only the notes and tags differ. Put the notes of that version back?</source>
        <translation>%1 enthält die Presets von %2; nur die Notizen und Tags unterscheiden sich. Die Notizen dieser Version zurückholen?</translation>
    </message>
    <message>
        <source>The notes as they are now are kept in the history first, so the restore can be undone the same way.</source>
        <translation>Die Notizen, wie sie jetzt sind, werden zuerst im Verlauf aufbewahrt, damit sich die Wiederherstellung ebenso rückgängig machen lässt.</translation>
    </message>
    <message>
        <source>The notes couldn&apos;t be put back: %1.</source>
        <translation>Die Notizen konnten nicht zurückgeholt werden: %1.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Choose a version and Compare to see what differs from it to the file as it is now; choose two to compare them with each other.</source>
        <translation>Wählen Sie eine Fassung und Vergleichen, um zu sehen, was sie von der Datei, wie sie jetzt ist, unterscheidet; wählen Sie zwei, um sie miteinander zu vergleichen.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Wiederherstellen...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>No earlier versions of %1 are kept yet. Each time the editor replaces it, the file as it was is kept in %2.</source>
        <translation>Von %1 sind noch keine früheren Fassungen aufbewahrt. Jedes Mal, wenn der Editor die Datei ersetzt, wird sie, wie sie war, in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Earlier versions of %1, newest first, kept in %2 (the newest %3). Each is the file as it was before the operation named replaced it.</source>
        <translation>Frühere Fassungen von %1, die neueste zuerst, aufbewahrt in %2 (die neuesten %3). Jede ist die Datei, wie sie war, bevor der genannte Vorgang sie ersetzte.</translation>
    </message>
    <message>
        <source>the version kept %1 (replaced by %2)</source>
        <translation>die Fassung vom %1 (ersetzt durch %2)</translation>
    </message>
    <message>
        <source>From %1: %2 changed.</source>
        <translation>Von %1: %2 geändert.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 zu %2</translation>
    </message>
    <message>
        <source>%1 to the file as it is now</source>
        <translation>%1 zur Datei, wie sie jetzt ist</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 already holds this version: there is nothing to restore.</source>
        <translation>%1 enthält diese Fassung bereits: Es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>Put %1 back into %2?</source>
        <translation>%1 wieder in %2 einsetzen?</translation>
    </message>
    <message>
        <source>The file as it is now is kept in the history first, so the restore can be undone the same way.</source>
        <translation>Die Datei, wie sie jetzt ist, wird zuerst im Verlauf aufbewahrt; so lässt sich das Wiederherstellen auf dieselbe Weise rückgängig machen.</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>%1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>Memory file (*.bin)</source>
        <translation>Speicherdatei (*.bin)</translation>
    </message>
    <message>
        <source>SysEx dump (*.syx)</source>
        <translation>SysEx-Dump (*.syx)</translation>
    </message>
    <message>
        <source>Readable form (*.json)</source>
        <translation>Lesbare Form (*.json)</translation>
    </message>
    <message>
        <source>Export version</source>
        <translation>Fassung exportieren</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2.</source>
        <translation>%1 ließ sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>Kept versions</source>
        <translation>Aufbewahrte Versionen</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Notes and tags</source>
        <translation>Notizen und Tags</translation>
    </message>
    <message>
        <source>The version is back, but its notes couldn&apos;t be put back: %1.</source>
        <translation>Die Version ist zurück, aber ihre Notizen konnten nicht zurückgelegt werden: %1.</translation>
    </message>
</context>
<context>
    <name>librarydialog</name>
    <message>
        <source>Edi&amp;t Selected...</source>
        <translation>Auswahl &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Sets one field, such as a program change or a relay, in all the selected presets (Ctrl+E)</source>
        <translation>Setzt ein Feld, etwa einen Programmwechsel oder ein Relais, in allen gewählten Presets (Strg+E)</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>Preset-Bibliothek</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Tauschen</translation>
    </message>
    <message>
        <source>With two presets selected, they trade places; with two whole banks selected, the banks do</source>
        <translation>Bei zwei gewählten Presets tauschen diese die Plätze, bei zwei ganzen gewählten Bänken die Bänke</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Moves the selected presets up one slot (Alt+Up)</source>
        <translation>Verschiebt die gewählten Presets um einen Platz nach oben (Alt+↑)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Moves the selected presets down one slot (Alt+Down)</source>
        <translation>Verschiebt die gewählten Presets um einen Platz nach unten (Alt+↓)</translation>
    </message>
    <message>
        <source>&amp;Copy To...</source>
        <translation>&amp;Kopieren nach...</translation>
    </message>
    <message>
        <source>Copies the selected presets to another slot or bank</source>
        <translation>Kopiert die gewählten Presets auf einen anderen Platz oder in eine andere Bank</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Puts the factory presets back into the selected slots (Delete)</source>
        <translation>Setzt die Werks-Presets wieder auf die gewählten Plätze (Entf)</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Writes the selected presets, a bank or all presets to a file</source>
        <translation>Schreibt die gewählten Presets, eine Bank oder alle Presets in eine Datei</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Reads presets from a file into their slots</source>
        <translation>Liest Presets aus einer Datei auf ihre Plätze</translation>
    </message>
    <message>
        <source>&amp;Print Setlist...</source>
        <translation>Setlist &amp;drucken...</translation>
    </message>
    <message>
        <source>Saves the 30 banks with their names as a two-page PDF</source>
        <translation>Speichert die 30 Bänke mit ihren Namen als zweiseitiges PDF</translation>
    </message>
    <message>
        <source>Drag a preset onto another to swap them; hold Ctrl while dropping to copy it over.</source>
        <translation>Ziehen Sie ein Preset auf ein anderes, um beide zu tauschen; halten Sie beim Loslassen Strg, um es darüber zu kopieren.</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Keine Änderungen</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Presets exportieren</translation>
    </message>
    <message>
        <source>Readable presets (*.json)</source>
        <translation>Lesbare Presets (*.json)</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2. Nothing was exported.</source>
        <translation>%1 konnte nicht geschrieben werden: %2. Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>(the same)</source>
        <translation>(gleich)</translation>
    </message>
    <message>
        <source>Selected Presets...</source>
        <translation>Gewählte Presets...</translation>
    </message>
    <message>
        <source>Bank of the Selected Preset...</source>
        <translation>Bank des gewählten Presets...</translation>
    </message>
    <message>
        <source>All Presets...</source>
        <translation>Alle Presets...</translation>
    </message>
    <message>
        <source>Bank %1 (%2)...</source>
        <translation>Bank %1 (%2)...</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Presets importieren</translation>
    </message>
    <message>
        <source>Readable presets (*.json);;All files (*)</source>
        <translation>Lesbare Presets (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 is far larger than any readable document. Nothing was imported.</source>
        <translation>%1 ist weit größer als jedes lesbare Dokument. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2. Nothing was imported.</source>
        <translation>%1 konnte nicht gelesen werden: %2. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n presets. Imported into the slots it names, they replace:</source>
        <translation>
            <numerusform>%1 enthält %n Preset. Auf den genannten Platz importiert, ersetzt es:</numerusform>
            <numerusform>%1 enthält %n Presets. Auf die genannten Plätze importiert, ersetzen sie:</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported from %1 on, they replace:</source>
        <translation>Ab %1 importiert, ersetzen sie:</translation>
    </message>
    <message>
        <source>The document&apos;s global settings are left out.</source>
        <translation>Die globalen Einstellungen des Dokuments bleiben außen vor.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import from %1 On</source>
        <translation>Ab %1 importieren</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Rückgängig: %1 (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Shift+Z)</source>
        <translation>Wiederholen: %1 (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>Select two presets, or two whole banks, to swap them.</source>
        <translation>Wählen Sie zwei Presets oder zwei ganze Bänke, um sie zu tauschen.</translation>
    </message>
    <message>
        <source>%1 is the first slot: nothing can move above it.</source>
        <translation>%1 ist der erste Platz: Weiter nach oben geht nichts.</translation>
    </message>
    <message>
        <source>%1 is the last slot: nothing can move below it.</source>
        <translation>%1 ist der letzte Platz: Weiter nach unten geht nichts.</translation>
    </message>
    <message>
        <source>Copied %1; Ctrl+V puts it over the selected slot.</source>
        <translation>%1 kopiert; Strg+V setzt es auf den gewählten Platz.</translation>
    </message>
    <message>
        <source>Copied %1 presets; Ctrl+V puts them over the slots from the one selected on.</source>
        <translation>%1 Presets kopiert; Strg+V setzt sie auf die Plätze ab dem gewählten.</translation>
    </message>
    <message>
        <source>%1 presets from %2 on would run past the last slot, 299.</source>
        <translation>%1 Presets ab %2 würden über den letzten Platz, 299, hinausreichen.</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Über %1 einfügen</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n presets over %1–%2</source>
        <translation>
            <numerusform>%n Preset über %1–%2 einfügen</numerusform>
            <numerusform>%n Presets über %1–%2 einfügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Setlist</source>
        <translation>Setlist speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Setlist of %1</source>
        <translation>Setlist von %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the setlist to %1: %2.</source>
        <translation>Die Setlist konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Setlist saved as %1 (one page).</source>
        <translation>Setlist als %1 gespeichert (eine Seite).</translation>
    </message>
    <message>
        <source>Setlist saved as %1 (%2 pages).</source>
        <translation>Setlist als %1 gespeichert (%2 Seiten).</translation>
    </message>
    <message>
        <source>Couldn&apos;t keep a copy of %1 as %2, so nothing was saved. Your changes are still here.</source>
        <translation>Von %1 konnte keine Kopie als %2 angelegt werden, daher wurde nichts gespeichert. Ihre Änderungen sind noch da.</translation>
    </message>
    <message numerus="yes">
        <source>Save changes to %n presets?</source>
        <translation>
            <numerusform>Änderungen an %n Preset speichern?</numerusform>
            <numerusform>Änderungen an %n Presets speichern?</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the changed footswitch favourites?</source>
        <translation>Die geänderten Taster-Favoriten speichern?</translation>
    </message>
    <message>
        <source>1 preset differs from the file</source>
        <translation>1 Preset weicht von der Datei ab</translation>
    </message>
    <message>
        <source>%1 presets differ from the file</source>
        <translation>%1 Presets weichen von der Datei ab</translation>
    </message>
    <message>
        <source>Footswitch favourites differ from the file</source>
        <translation>Die Taster-Favoriten weichen von der Datei ab</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Sends the selected preset&apos;s program changes and control changes to the rig (Space)</source>
        <translation>Sendet die Programmwechsel und Controller des gewählten Presets an das Rig (Leertaste)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Find presets</source>
        <translation>Presets suchen</translation>
    </message>
    <message>
        <source>A name, a device, or words such as pc 12, cc 80, bank 3, relay 1, loop 4, unnamed, changed (Ctrl+F; Escape clears)</source>
        <translation>Ein Name, ein Gerät oder Wörter wie pc 12, cc 80, bank 3, relay 1, loop 4, unnamed, changed (Strg+F; Esc leert)</translation>
    </message>
    <message>
        <source>C&amp;heck...</source>
        <translation>&amp;Prüfen...</translation>
    </message>
    <message>
        <source>Lists what is wrong in the memory: presets stored twice, program changes to devices switched off, favourites that point nowhere</source>
        <translation>Listet auf, was im Speicher nicht stimmt: doppelt gespeicherte Presets, Programmwechsel an ausgeschaltete Geräte, Favoriten, die ins Leere zeigen</translation>
    </message>
    <message>
        <source>%1 of %2 presets</source>
        <translation>%1 von %2 Presets</translation>
    </message>
    <message>
        <source>The find shows no presets to print.</source>
        <translation>Die Suche zeigt keine Presets zum Drucken.</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>What the song needs: verse, capo, which set</source>
        <translation>Was der Song braucht: Strophe, Kapo, welches Set</translation>
    </message>
    <message>
        <source>Shows only the presets with the chosen tag</source>
        <translation>Zeigt nur die Presets mit dem gewählten Tag</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>Ta&amp;gs:</translation>
    </message>
    <message>
        <source>Words of letters, digits and -, separated by spaces</source>
        <translation>Wörter aus Buchstaben, Ziffern und -, durch Leerzeichen getrennt</translation>
    </message>
    <message>
        <source>Save the changed notes and tags?</source>
        <translation>Die geänderten Notizen und Tags speichern?</translation>
    </message>
    <message>
        <source>Notes and tags differ from the file</source>
        <translation>Notizen und Tags weichen von der Datei ab</translation>
    </message>
    <message>
        <source>The notes in %1 can&apos;t be read (%2). The presets open without notes; the file is kept as it is until you save notes over it.</source>
        <translation>Die Notizen in %1 können nicht gelesen werden (%2). Die Presets öffnen sich ohne Notizen; die Datei bleibt, wie sie ist, bis Sie Notizen darüber speichern.</translation>
    </message>
    <message>
        <source>Note of the preset</source>
        <translation>Notiz des Presets</translation>
    </message>
    <message>
        <source>Tags of the preset</source>
        <translation>Tags des Presets</translation>
    </message>
    <message>
        <source>Find by tag</source>
        <translation>Nach Tag suchen</translation>
    </message>
    <message>
        <source>Note of preset %1</source>
        <translation>Notiz von Preset %1</translation>
    </message>
    <message>
        <source>Tags of preset %1</source>
        <translation>Tags von Preset %1</translation>
    </message>
    <message>
        <source>The tags are kept as they were.</source>
        <translation>Die Tags bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>All presets</source>
        <translation>Alle Presets</translation>
    </message>
    <message>
        <source>The presets were saved, but the notes couldn&apos;t be written to %1: %2. Your notes are still here.</source>
        <translation>Die Presets wurden gespeichert, aber die Notizen konnten nicht nach %1 geschrieben werden: %2. Ihre Notizen sind noch da.</translation>
    </message>
    <message>
        <source>Print Setlist</source>
        <translation>Setlist drucken</translation>
    </message>
    <message>
        <source>The setlist can show the tags and the first line of the note under each name.</source>
        <translation>Die Setlist kann unter jedem Namen die Tags und die erste Zeile der Notiz zeigen.</translation>
    </message>
    <message>
        <source>Names Only</source>
        <translation>Nur Namen</translation>
    </message>
    <message>
        <source>With Tags and Notes</source>
        <translation>Mit Tags und Notizen</translation>
    </message>
</context>
<context>
    <name>memorycheckdialog</name>
    <message>
        <source>Check of the Memory</source>
        <translation>Prüfung des Speichers</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Nichts gefunden.</translation>
    </message>
    <message>
        <source>Choose a finding to select its presets in the library</source>
        <translation>Wählen Sie einen Befund, um seine Presets in der Bibliothek auszuwählen</translation>
    </message>
    <message>
        <source>Findings of the check</source>
        <translation>Befunde der Prüfung</translation>
    </message>
    <message>
        <source>Nothing found: the memory is ready to send.</source>
        <translation>Nichts gefunden: der Speicher kann gesendet werden.</translation>
    </message>
    <message>
        <source>Problems: %1. Warnings: %2. Notes: %3. Choose one to select its presets.</source>
        <translation>Probleme: %1. Warnungen: %2. Hinweise: %3. Wählen Sie einen, um seine Presets auszuwählen.</translation>
    </message>
</context>
<context>
    <name>midiportsdialog</name>
    <message>
        <source>MIDI Ports Selection</source>
        <translation>MIDI-Ports wählen</translation>
    </message>
    <message>
        <source>MIDI Input Port:</source>
        <translation>MIDI-Eingang:</translation>
    </message>
    <message>
        <source>MIDI Output Port:</source>
        <translation>MIDI-Ausgang:</translation>
    </message>
</context>
<context>
    <name>monitordialog</name>
    <message>
        <source>MIDI Monitor</source>
        <translation>MIDI-Monitor</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Eingang:</translation>
    </message>
    <message>
        <source>Choosing an input listens to it at once</source>
        <translation>Ein gewählter Eingang wird sofort abgehört</translation>
    </message>
    <message>
        <source>Show &amp;clock and active sensing</source>
        <translation>&amp;Clock und Active Sensing zeigen</translation>
    </message>
    <message>
        <source>Choose an input to listen to.</source>
        <translation>Wählen Sie einen Eingang zum Abhören.</translation>
    </message>
    <message>
        <source>No messages</source>
        <translation>Keine Nachrichten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>While paused, messages are counted but not listed</source>
        <translation>Während der Pause werden Nachrichten gezählt, aber nicht aufgelistet</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Save Log...</source>
        <translation>Protokoll &amp;speichern...</translation>
    </message>
    <message>
        <source>Writes the lines as text, and their SysEx messages beside it as a .syx file</source>
        <translation>Schreibt die Zeilen als Text und ihre SysEx-Nachrichten daneben als .syx-Datei</translation>
    </message>
    <message>
        <source>MIDI input to listen to</source>
        <translation>Abzuhörender MIDI-Eingang</translation>
    </message>
    <message>
        <source>Messages heard</source>
        <translation>Empfangene Nachrichten</translation>
    </message>
    <message>
        <source>Show clock and active sensing</source>
        <translation>Clock und Active Sensing zeigen</translation>
    </message>
    <message>
        <source>Pause the list</source>
        <translation>Liste anhalten</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Save the list as a log</source>
        <translation>Liste als Protokoll speichern</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Nicht abhören</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Save Monitor Log</source>
        <translation>Monitor-Protokoll speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Not listening.</source>
        <translation>Es wird nicht abgehört.</translation>
    </message>
    <message>
        <source>The input %1 is not there any more.</source>
        <translation>Der Eingang %1 ist nicht mehr da.</translation>
    </message>
    <message>
        <source>the port could not be opened</source>
        <translation>der Port ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>Couldn&apos;t listen to %1: %2</source>
        <translation>%1 konnte nicht abgehört werden: %2</translation>
    </message>
    <message>
        <source>Listening to %1.</source>
        <translation>%1 wird abgehört.</translation>
    </message>
    <message>
        <source>The input %1 went away: the interface was unplugged or its MIDI system stopped. Choose it again once it is back.</source>
        <translation>Der Eingang %1 ist verschwunden: Das Interface wurde abgezogen oder sein MIDI-System beendet. Wählen Sie ihn erneut, sobald er wieder da ist.</translation>
    </message>
    <message>
        <source>%1 shown of %2 received</source>
        <translation>%1 von %2 empfangenen gezeigt</translation>
    </message>
    <message>
        <source>%1 sent by the editor</source>
        <translation>%1 vom Editor gesendet</translation>
    </message>
    <message>
        <source>%1 older lines dropped</source>
        <translation>%1 ältere Zeilen verworfen</translation>
    </message>
    <message>
        <source>%1 messages lost before they could be listed</source>
        <translation>%1 Meldungen gingen verloren, bevor sie aufgelistet werden konnten</translation>
    </message>
    <message>
        <source>The log was not saved to %1: %2</source>
        <translation>Das Protokoll wurde nicht nach %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>Saved %1 lines to %2.</source>
        <translation>%1 Zeilen nach %2 gespeichert.</translation>
    </message>
    <message>
        <source>The log was saved, but its SysEx messages were not saved to %1: %2</source>
        <translation>Das Protokoll wurde gespeichert, seine SysEx-Nachrichten aber nicht nach %1: %2</translation>
    </message>
    <message>
        <source>Saved %1 lines to %2 and their SysEx messages to %3.</source>
        <translation>%1 Zeilen nach %2 und ihre SysEx-Nachrichten nach %3 gespeichert.</translation>
    </message>
</context>
<context>
    <name>overridesdialog</name>
    <message>
        <source>Overrides</source>
        <translation>Überschreibungen</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Instant Access</source>
        <translation>Direktzugriff</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Device (MIDI Channel)</source>
        <translation>Gerät (MIDI-Kanal)</translation>
    </message>
    <message>
        <source>Control Change</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>On-Value</source>
        <translation>Ein-Wert</translation>
    </message>
    <message>
        <source>Off-Value</source>
        <translation>Aus-Wert</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Override for button %1, %2</source>
        <comment>button number, then the column&apos;s title</comment>
        <translation>Überschreiben für Taster %1, %2</translation>
    </message>
</context>
<context>
    <name>presetsdialog</name>
    <message>
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>presetname</source>
        <translation>presetname</translation>
    </message>
    <message>
        <source>Edit Control Changes</source>
        <translation>Control Changes bearbeiten</translation>
    </message>
    <message>
        <source>Edit Instant Access Overrides</source>
        <translation>Direktzugriffe überschreiben</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Program Change Enabled</source>
        <translation>Programmwechsel aktiv</translation>
    </message>
    <message>
        <source>Bank Select</source>
        <translation>Bankauswahl</translation>
    </message>
    <message>
        <source>MSB</source>
        <translation>MSB</translation>
    </message>
    <message>
        <source>LSB</source>
        <translation>LSB</translation>
    </message>
    <message>
        <source>Program Change Number</source>
        <translation>Programmnummer</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>Relay 1</source>
        <translation>Relais 1</translation>
    </message>
    <message>
        <source>Relay 2</source>
        <translation>Relais 2</translation>
    </message>
    <message>
        <source>Loop 1</source>
        <translation>Loop 1</translation>
    </message>
    <message>
        <source>Loop 2</source>
        <translation>Loop 2</translation>
    </message>
    <message>
        <source>Loop 3</source>
        <translation>Loop 3</translation>
    </message>
    <message>
        <source>Loop 4</source>
        <translation>Loop 4</translation>
    </message>
    <message>
        <source>Loop 5</source>
        <translation>Loop 5</translation>
    </message>
    <message>
        <source>Loop 6</source>
        <translation>Loop 6</translation>
    </message>
    <message>
        <source>Loop 7</source>
        <translation>Loop 7</translation>
    </message>
    <message>
        <source>Loop 8</source>
        <translation>Loop 8</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Expression Pedal</source>
        <translation>Expression-Pedal</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Control Change</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>¿Save preset changes?</source>
        <translation>Änderungen am Preset speichern?</translation>
    </message>
    <message>
        <source>Program change for %1, %2</source>
        <comment>device, then the column&apos;s title</comment>
        <translation>Programmwechsel für %1, %2</translation>
    </message>
    <message>
        <source>Expression pedal %1 %2</source>
        <comment>pedal number, then the column&apos;s title</comment>
        <translation>Expression-Pedal %1 %2</translation>
    </message>
    <message>
        <source>Notes and tags are edited in the Library, below its table</source>
        <translation>Notizen und Tags werden in der Bibliothek unter ihrer Tabelle bearbeitet</translation>
    </message>
    <message>
        <source>Notes of the preset</source>
        <translation>Notizen des Presets</translation>
    </message>
    <message>
        <source>No note or tags for this preset</source>
        <translation>Keine Notiz und keine Tags für dieses Preset</translation>
    </message>
</context>
<context>
    <name>utilitydialog</name>
    <message>
        <source>Utility</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Import Kestrel SysEx</source>
        <translation>Kestrel-SysEx importieren</translation>
    </message>
    <message>
        <source>Import Vektor SysEx</source>
        <translation>Vektor-SysEx importieren</translation>
    </message>
    <message>
        <source>Send SysEx</source>
        <translation>SysEx senden</translation>
    </message>
    <message>
        <source>Receive Dump</source>
        <translation>Dump empfangen</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Stop sending before the next message</source>
        <translation>Senden vor der nächsten Nachricht anhalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Copy Preset &gt;&gt;</source>
        <translation>Preset kopieren &gt;&gt;</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <translation>noch etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>noch etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 min %2 s left</source>
        <translation>noch etwa %1 min %2 s</translation>
    </message>
    <message>
        <source>Message %1 of %2 — %3</source>
        <translation>Nachricht %1 von %2 — %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2 was left unchanged.</source>
        <translation>%1 konnte nicht gelesen werden: %2 bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 holds no data packet: %2 was left unchanged.</source>
        <translation>%1 enthält kein Datenpaket: %2 bleibt unverändert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t keep a copy of %1 as %2 (%3), so it was left unchanged.</source>
        <translation>Von %1 konnte keine Kopie als %2 angelegt werden (%3), daher bleibt die Datei unverändert.</translation>
    </message>
    <message>
        <source>%1 does not look like a sound Vektor memory dump:</source>
        <translation>%1 sieht nicht nach einem intakten Vektor-Speicherdump aus:</translation>
    </message>
    <message>
        <source>Replace %1 with what the dump holds anyway? (The current file is kept as %2.)</source>
        <translation>%1 trotzdem durch den Inhalt des Dumps ersetzen? (Die bisherige Datei bleibt als %2 erhalten.)</translation>
    </message>
    <message>
        <source>Copied %1 to %2</source>
        <translation>%1 nach %2 kopiert</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: it was left unchanged.</source>
        <translation>%1 konnte nicht geschrieben werden: Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the Kestrel memory file %1: nothing was imported.</source>
        <translation>Die Kestrel-Speicherdatei %1 konnte nicht gelesen werden: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The Kestrel memory file %1 is empty: nothing was imported.</source>
        <translation>Die Kestrel-Speicherdatei %1 ist leer: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a Kestrel memory holds %3. Import it anyway? (The current %4 is kept as %5.)</source>
        <translation>%1 enthält %2 Bytes; ein Kestrel-Speicher enthält %3. Trotzdem importieren? (Die bisherige Datei %4 bleibt als %5 erhalten.)</translation>
    </message>
    <message>
        <source>Dump packets: 0</source>
        <translation>Dump-Pakete: 0</translation>
    </message>
    <message>
        <source>Dump packets: %1, checksums OK</source>
        <translation>Dump-Pakete: %1, Prüfsummen in Ordnung</translation>
    </message>
    <message>
        <source>Dump packets: %1, 1 with a bad checksum</source>
        <translation>Dump-Pakete: %1, 1 mit falscher Prüfsumme</translation>
    </message>
    <message>
        <source>Dump packets: %1, %2 with bad checksums</source>
        <translation>Dump-Pakete: %1, %2 mit falscher Prüfsumme</translation>
    </message>
    <message>
        <source>No MIDI system could be opened on this computer, so there are no MIDI ports to use.
</source>
        <translation>Auf diesem Computer ließ sich kein MIDI-System öffnen, daher gibt es keine MIDI-Ports.
</translation>
    </message>
    <message>
        <source>There are no MIDI output ports available.
</source>
        <translation>Es sind keine MIDI-Ausgänge verfügbar.
</translation>
    </message>
    <message>
        <source>There are no MIDI input ports available.
</source>
        <translation>Es sind keine MIDI-Eingänge verfügbar.
</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, more than one dump can carry: nothing was sent.</source>
        <translation>%1 ist größer als %2 Bytes, mehr als ein Dump fassen kann: Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: nothing was sent.</source>
        <translation>%1 konnte nicht gelesen werden: Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1 (%2): nothing was sent.</source>
        <translation>%1 konnte nicht geschrieben werden (%2): Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Output port is in use.
</source>
        <translation>Der Ausgang ist belegt.
</translation>
    </message>
    <message>
        <source>Couldn&apos;t open output port.
</source>
        <translation>Der Ausgang konnte nicht geöffnet werden.
</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away before the first message: nothing reached the controller.

Connect the interface again and press Update Firmware once more.</source>
        <translation>Der MIDI-Ausgang %1 verschwand vor der ersten Nachricht: Beim Controller ist nichts angekommen.

Schließen Sie das Interface wieder an und klicken Sie erneut auf „Firmware aktualisieren“.</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away before the first message: nothing reached the controller.

Connect the interface again and press Send SysEx once more.</source>
        <translation>Der MIDI-Ausgang %1 verschwand vor der ersten Nachricht: Beim Controller ist nichts angekommen.

Schließen Sie das Interface wieder an und klicken Sie erneut auf „SysEx senden“.</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away after %2 of %3 messages.

The controller holds only part of the firmware. Connect the interface again and press Update Firmware once more.</source>
        <translation>Der MIDI-Ausgang %1 verschwand nach %2 von %3 Nachrichten.

Der Controller hat nur einen Teil der Firmware. Schließen Sie das Interface wieder an und klicken Sie erneut auf „Firmware aktualisieren“.</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away after %2 of %3 messages.

The controller holds only part of the dump. Connect the interface again and press Send SysEx once more.</source>
        <translation>Der MIDI-Ausgang %1 verschwand nach %2 von %3 Nachrichten.

Der Controller hat nur einen Teil des Dumps. Schließen Sie das Interface wieder an und klicken Sie erneut auf „SysEx senden“.</translation>
    </message>
    <message>
        <source>Sending was cancelled before the first message: nothing reached the controller.</source>
        <translation>Das Senden wurde vor der ersten Nachricht abgebrochen: Beim Controller ist nichts angekommen.</translation>
    </message>
    <message>
        <source>Sending was cancelled after %1 of %2 messages.

The controller has received only part of the firmware. Press Update Firmware again and let it run to the end.</source>
        <translation>Das Senden wurde nach %1 von %2 Nachrichten abgebrochen.

Der Controller hat nur einen Teil der Firmware erhalten. Klicken Sie erneut auf „Firmware aktualisieren“ und lassen Sie es bis zum Ende laufen.</translation>
    </message>
    <message>
        <source>Sending was cancelled after %1 of %2 messages.

The controller has received only part of the dump. Press Send SysEx again and let it run to the end.</source>
        <translation>Das Senden wurde nach %1 von %2 Nachrichten abgebrochen.

Der Controller hat nur einen Teil des Dumps erhalten. Klicken Sie erneut auf „SysEx senden“ und lassen Sie es bis zum Ende laufen.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;%1 bytes received&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;%1 Bytes empfangen&lt;/font&gt;</translation>
    </message>
    <message>
        <source>%1 — the MIDI input %2 has gone away. Press Stop to keep what arrived.</source>
        <translation>%1 — der MIDI-Eingang %2 ist verschwunden. Klicken Sie auf „Stopp“, um das Empfangene zu behalten.</translation>
    </message>
    <message>
        <source>The recording was cut: it filled all %1 bytes of the reception buffer, and the %2 bytes that came after were dropped.</source>
        <translation>Die Aufnahme wurde abgeschnitten: Sie füllte alle %1 Bytes des Empfangspuffers, die %2 Bytes danach wurden verworfen.</translation>
    </message>
    <message>
        <source>Nothing was received: %1 was left unchanged.</source>
        <translation>Es wurde nichts empfangen: %1 bleibt unverändert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the recording to %1 (%3): %2 was left unchanged.</source>
        <translation>Die Aufnahme konnte nicht in %1 gespeichert werden (%3): %2 bleibt unverändert.</translation>
    </message>
    <message>
        <source>Earlier versions of the configuration file: compare, restore or export them</source>
        <translation>Frühere Fassungen der Konfigurationsdatei: vergleichen, wiederherstellen oder exportieren</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>A reception is running: press Stop first.</source>
        <translation>Ein Empfang läuft: Drücken Sie zuerst Stopp.</translation>
    </message>
    <message>
        <source>The MIDI output %1 is no longer there (an interface was plugged in or out meanwhile): nothing was sent.
</source>
        <translation>Der MIDI-Ausgang %1 ist nicht mehr da (inzwischen wurde ein Interface angeschlossen oder getrennt): Es wurde nichts gesendet.
</translation>
    </message>
    <message>
        <source>A reception is running: press Stop to end it first.</source>
        <translation>Ein Empfang läuft: Beenden Sie ihn zuerst mit Stopp.</translation>
    </message>
    <message>
        <source>The MIDI input %1 is no longer there (an interface was plugged in or out meanwhile): nothing is being recorded.
</source>
        <translation>Der MIDI-Eingang %1 ist nicht mehr da (inzwischen wurde ein Interface angeschlossen oder getrennt): Es wird nichts aufgenommen.
</translation>
    </message>
    <message>
        <source>Preset to copy</source>
        <translation>Zu kopierendes Preset</translation>
    </message>
    <message>
        <source>Preset to copy it over</source>
        <translation>Preset, das überschrieben wird</translation>
    </message>
</context>
<context>
    <name>PresetSoundColumn</name>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Choose a Sound</source>
        <translation>Klang wählen</translation>
    </message>
    <message>
        <source>Sounds of device %1:</source>
        <translation>Klänge von Gerät %1:</translation>
    </message>
    <message>
        <source>Ctrl+F or the context menu of a program list chooses the sound by name</source>
        <translation>Strg+F oder das Kontextmenü einer Programmliste wählt den Klang nach seinem Namen</translation>
    </message>
    <message>
        <source>Choose the Sound by Name...</source>
        <translation>Klang nach Namen wählen...</translation>
    </message>
</context>
<context>
    <name>RigNamesLoading</name>
    <message>
        <source>Rig Names</source>
        <translation>Namen des Rigs</translation>
    </message>
    <message>
        <source>The names of the rig were not read, so none are shown: %1</source>
        <translation>Die Namen des Rigs wurden nicht gelesen, darum werden keine gezeigt: %1</translation>
    </message>
</context>
<context>
    <name>RigSoundText</name>
    <message>
        <source>%1 - program %2</source>
        <translation>%1 - Programm %2</translation>
    </message>
    <message>
        <source>%1 - bank %2/%3, program %4</source>
        <translation>%1 - Bank %2/%3, Programm %4</translation>
    </message>
    <message>
        <source>Control change %1: %2</source>
        <translation>Control Change %1: %2</translation>
    </message>
</context>
<context>
    <name>namechooserdialog</name>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Einen Teil des Namens eingeben</translation>
    </message>
    <message>
        <source>Find a name</source>
        <translation>Namen suchen</translation>
    </message>
    <message>
        <source>Names found</source>
        <translation>Gefundene Namen</translation>
    </message>
</context>
<context>
    <name>rignamesdialog</name>
    <message>
        <source>Rig Names</source>
        <translation>Namen des Rigs</translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>&amp;Geräte:</translation>
    </message>
    <message>
        <source>No names</source>
        <translation>Keine Namen</translation>
    </message>
    <message>
        <source>Choose Device...</source>
        <translation>Gerät wählen...</translation>
    </message>
    <message>
        <source>Names from a MIDNAM file installed on this computer</source>
        <translation>Namen aus einer auf diesem Rechner installierten MIDNAM-Datei</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Names from a MIDNAM file or a list with one name per line</source>
        <translation>Namen aus einer MIDNAM-Datei oder einer Liste mit einem Namen je Zeile</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Removes every name of the chosen device</source>
        <translation>Entfernt alle Namen des gewählten Geräts</translation>
    </message>
    <message>
        <source>Export MIDNAM...</source>
        <translation>MIDNAM exportieren...</translation>
    </message>
    <message>
        <source>Writes the names of the whole rig as one MIDNAM file for a DAW</source>
        <translation>Schreibt die Namen des ganzen Rigs als eine MIDNAM-Datei für eine DAW</translation>
    </message>
    <message>
        <source>&amp;Sounds:</source>
        <translation>&amp;Klänge:</translation>
    </message>
    <message>
        <source>MSB</source>
        <translation>MSB</translation>
    </message>
    <message>
        <source>LSB</source>
        <translation>LSB</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>C&amp;ontrols:</source>
        <translation>C&amp;ontroller:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Sounds of the chosen device</source>
        <translation>Klänge des gewählten Geräts</translation>
    </message>
    <message>
        <source>Control names of the chosen device</source>
        <translation>Controller-Namen des gewählten Geräts</translation>
    </message>
    <message>
        <source>Where the names come from</source>
        <translation>Woher die Namen stammen</translation>
    </message>
    <message>
        <source>No names yet: choose a device, import a file or type them below.</source>
        <translation>Noch keine Namen: ein Gerät wählen, eine Datei importieren oder sie unten eintippen.</translation>
    </message>
    <message>
        <source>%1, mode %2</source>
        <translation>%1, Modus %2</translation>
    </message>
    <message>
        <source>Choose a Mode</source>
        <translation>Modus wählen</translation>
    </message>
    <message>
        <source>The file holds the names of several models or modes:</source>
        <translation>Die Datei enthält die Namen mehrerer Modelle oder Modi:</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>Which program change does the first name of the list have?</source>
        <translation>Welchen Program Change hat der erste Name der Liste?</translation>
    </message>
    <message>
        <source>Program &amp;0</source>
        <translation>Programm &amp;0</translation>
    </message>
    <message>
        <source>Program &amp;1</source>
        <translation>Programm &amp;1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>%1 was not taken: %2</source>
        <translation>%1 wurde nicht übernommen: %2</translation>
    </message>
    <message>
        <source>%1 was taken, with these notes:
%2</source>
        <translation>%1 wurde übernommen, mit diesen Hinweisen:
%2</translation>
    </message>
    <message>
        <source>Choose Device</source>
        <translation>Gerät wählen</translation>
    </message>
    <message>
        <source>No MIDNAM files are installed. Install the ardour-data package, or put files in a folder named midnam beside the memory file.</source>
        <translation>Es sind keine MIDNAM-Dateien installiert. Das Paket ardour-data installieren oder Dateien in einen Ordner namens midnam neben der Speicherdatei legen.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Manufacturer and model:</source>
        <translation>Hersteller und Modell:</translation>
    </message>
    <message>
        <source>Import Names</source>
        <translation>Namen importieren</translation>
    </message>
    <message>
        <source>MIDNAM files (*.midnam);;Lists of names (*.txt);;All files (*)</source>
        <translation>MIDNAM-Dateien (*.midnam);;Namenslisten (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export MIDNAM</source>
        <translation>MIDNAM exportieren</translation>
    </message>
    <message>
        <source>MIDNAM files (*.midnam)</source>
        <translation>MIDNAM-Dateien (*.midnam)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>No memory file is in use, so the names have nowhere to be kept.</source>
        <translation>Es ist keine Speicherdatei in Gebrauch, darum können die Namen nirgends bleiben.</translation>
    </message>
    <message>
        <source>The names were not saved: %1</source>
        <translation>Die Namen wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Add a Sound</source>
        <translation>Klang hinzufügen</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
</TS>
