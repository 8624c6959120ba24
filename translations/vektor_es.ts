<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ControlChangeDialog</name>
    <message>
        <source>Control Changes</source>
        <translation>Cambios de control</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Control Change Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control Change Enabled</source>
        <translation>Cambio de control activo</translation>
    </message>
    <message>
        <source>Device (MIDI Channel)</source>
        <translation>Dispositivo (canal MIDI)</translation>
    </message>
    <message>
        <source> Control Change Number</source>
        <translation> Número de control</translation>
    </message>
    <message>
        <source>Control Change Value</source>
        <translation>Valor de control</translation>
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
        <translation>No se puede leer el archivo de volcado.</translation>
    </message>
    <message>
        <source>The dump holds no data.</source>
        <translation>El volcado no contiene datos.</translation>
    </message>
    <message>
        <source>Packet %1 fails its checksum.</source>
        <translation>El paquete %1 no pasa la suma de verificación.</translation>
    </message>
    <message>
        <source>%1 packets fail their checksum, the first is packet %2.</source>
        <translation>%1 paquetes no pasan la suma de verificación; el primero es el paquete %2.</translation>
    </message>
    <message>
        <source>1 packet is missing.</source>
        <translation>Falta 1 paquete.</translation>
    </message>
    <message>
        <source>%1 packets are missing.</source>
        <translation>Faltan %1 paquetes.</translation>
    </message>
    <message>
        <source>1 packet arrived twice.</source>
        <translation>1 paquete llegó dos veces.</translation>
    </message>
    <message>
        <source>%1 packets arrived twice.</source>
        <translation>%1 paquetes llegaron dos veces.</translation>
    </message>
    <message>
        <source>The header announces %1 bytes, the packets hold %2.</source>
        <translation>La cabecera anuncia %1 bytes; los paquetes contienen %2.</translation>
    </message>
    <message>
        <source>The end-of-file message does not match the number of packets.</source>
        <translation>El mensaje de fin de archivo no coincide con el número de paquetes.</translation>
    </message>
    <message>
        <source>The dump decodes to %1 bytes; a Vektor memory has %2.</source>
        <translation>El volcado se decodifica en %1 bytes; una memoria de Vektor tiene %2.</translation>
    </message>
</context>
<context>
    <name>EditorNames</name>
    <message>
        <source>0 to 127</source>
        <translation>de 0 a 127</translation>
    </message>
    <message>
        <source>MIDI channel</source>
        <translation>canal MIDI</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>no file is chosen</source>
        <translation>no se ha elegido ningún archivo</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Earlier versions of the configuration file are not being kept: %1.</source>
        <translation>No se están guardando versiones anteriores del archivo de configuración: %1.</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>ilegible: %1</translation>
    </message>
    <message>
        <source>%1 bytes, not a whole memory</source>
        <translation>%1 bytes, no una memoria completa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Global, OK</source>
        <translation>Global, Aceptar</translation>
    </message>
    <message>
        <source>Presets, Save</source>
        <translation>Presets, Guardar</translation>
    </message>
    <message>
        <source>Preset switch, Yes</source>
        <translation>Cambio de preset, Sí</translation>
    </message>
    <message>
        <source>Copy Preset</source>
        <translation>Copiar preset</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Restablecer valores de fábrica</translation>
    </message>
    <message>
        <source>Import Vektor SysEx</source>
        <translation>Importar SysEx de Vektor</translation>
    </message>
    <message>
        <source>Receive Dump</source>
        <translation>Recibir volcado</translation>
    </message>
    <message>
        <source>Import Kestrel SysEx</source>
        <translation>Importar SysEx de Kestrel</translation>
    </message>
    <message>
        <source>Library, Save</source>
        <translation>Biblioteca, Guardar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
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
        <translation>1 preset</translation>
    </message>
    <message>
        <source>%1 presets</source>
        <translation>%1 presets</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 ajuste</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 ajustes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>What it changes cannot be shown: the file it replaces is not a whole memory.</source>
        <translation>No se puede mostrar qué cambia: el archivo que reemplaza no es una memoria completa.</translation>
    </message>
    <message>
        <source>In the %1 bytes it holds, it changes</source>
        <translation>En los %1 bytes que contiene, cambia</translation>
    </message>
    <message>
        <source>It changes</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>nothing.</source>
        <translation>nada.</translation>
    </message>
    <message>
        <source>What it changes cannot be shown: %1 could not be read (%2).</source>
        <translation>No se puede mostrar qué cambia: no se pudo leer %1 (%2).</translation>
    </message>
    <message>
        <source>global</source>
        <translation>global</translation>
    </message>
    <message>
        <source>a file is where the folder %1 should be</source>
        <translation>hay un archivo donde debería estar la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>no se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>no se pudo leer %1 (%2)</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>no se pudo escribir %1 (%2)</translation>
    </message>
    <message>
        <source>no free name for a version in %1</source>
        <translation>no queda ningún nombre libre para una versión en %1</translation>
    </message>
    <message>
        <source>the file now: %1</source>
        <translation>el archivo ahora: %1</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Replaced by</source>
        <translation>Reemplazada por</translation>
    </message>
    <message>
        <source>Changed from it to the next</source>
        <translation>Cambios hasta la siguiente</translation>
    </message>
    <message>
        <source>History, Export</source>
        <translation>Historial, Exportar</translation>
    </message>
    <message>
        <source>%1 is too large to keep</source>
        <translation>%1 es demasiado grande para guardarlo</translation>
    </message>
    <message>
        <source>Kept %1, replaced by %2, changed from it to the next: %3</source>
        <translation>Guardada el %1, sustituida por %2, cambios de ella a la siguiente: %3</translation>
    </message>
    <message>
        <source>%1 could not be kept with its memory (%2)</source>
        <translation>%1 no se pudo guardar con su memoria (%2)</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
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
        <translation>Archivo de configuración:</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Abrir archivo...</translation>
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
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a Vektor memory holds %3.</source>
        <translation>%1 contiene %2 bytes; una memoria de Vektor contiene %3.</translation>
    </message>
    <message>
        <source>%1 is not a file the editor can read.</source>
        <translation>%1 no es un archivo que el editor pueda leer.</translation>
    </message>
    <message>
        <source>The editors will read it as a Vektor memory, and saving will replace it with one. Use this file?</source>
        <translation>Los editores lo leerán como una memoria de Vektor, y al guardar se sustituirá por una. ¿Usar este archivo?</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Archivo de configuración</translation>
    </message>
    <message>
        <source>Select configuration file</source>
        <translation>Elige el archivo de configuración</translation>
    </message>
    <message>
        <source>MIDI Monitor</source>
        <translation>Monitor MIDI</translation>
    </message>
    <message>
        <source>Rig Names</source>
        <translation>Nombres del equipo</translation>
    </message>
</context>
<context>
    <name>MidnamReader</name>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>el texto no es UTF-8 válido</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than the %n bytes a names file may hold</source>
        <translation>
            <numerusform>el archivo supera el %n byte que puede tener un archivo de nombres</numerusform>
            <numerusform>el archivo supera los %n bytes que puede tener un archivo de nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>the document declares entities</source>
        <translation>el documento declara entidades</translation>
    </message>
    <message>
        <source>the document is a %1, not a MIDINameDocument</source>
        <translation>el documento es un %1, no un MIDINameDocument</translation>
    </message>
    <message>
        <source>the elements nest too deep</source>
        <translation>los elementos se anidan demasiado</translation>
    </message>
    <message>
        <source>the document holds no element</source>
        <translation>el documento no contiene ningún elemento</translation>
    </message>
    <message>
        <source>the document names no device</source>
        <translation>el documento no nombra ningún aparato</translation>
    </message>
    <message>
        <source>nothing usable is left: %1</source>
        <translation>no queda nada utilizable: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n patches with a program change outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>se omitió %n sonido con un cambio de programa fuera de 0-127 (en %1)</numerusform>
            <numerusform>se omitieron %n sonidos con un cambio de programa fuera de 0-127 (el primero en %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n banks with a bank select outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>se omitió %n banco con una selección de banco fuera de 0-127 (en %1)</numerusform>
            <numerusform>se omitieron %n bancos con una selección de banco fuera de 0-127 (el primero en %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n patches with a bank select outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>se omitió %n sonido con una selección de banco fuera de 0-127 (en %1)</numerusform>
            <numerusform>se omitieron %n sonidos con una selección de banco fuera de 0-127 (el primero en %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n patches naming a program already named at their bank address were left out, the first kept (the first left out: &quot;%1&quot; at %2)</source>
        <translation>
            <numerusform>se omitió %n sonido de un programa ya nombrado en su dirección de banco y se conservó el primero («%1» en %2)</numerusform>
            <numerusform>se omitieron %n sonidos de programas ya nombrados en su dirección de banco y se conservaron los primeros (el primero omitido: «%1» en %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n banks use a patch list the file does not hold and were left out (the first: &quot;%1&quot; at %2)</source>
        <translation>
            <numerusform>se omitió %n banco que usa una lista de sonidos que el archivo no contiene («%1» en %2)</numerusform>
            <numerusform>se omitieron %n bancos que usan una lista de sonidos que el archivo no contiene (el primero: «%1» en %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controls with a number outside 0-127 were left out (the first at %1)</source>
        <translation>
            <numerusform>se omitió %n control con un número fuera de 0-127 (en %1)</numerusform>
            <numerusform>se omitieron %n controles con un número fuera de 0-127 (el primero en %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 no se leyó: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not read: it is larger than the %n bytes a names file may hold.</source>
        <translation>
            <numerusform>%1 no se leyó: supera el %n byte que puede tener un archivo de nombres.</numerusform>
            <numerusform>%1 no se leyó: supera los %n bytes que puede tener un archivo de nombres.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not read: %2</source>
        <translation>%1 no se leyó: %2</translation>
    </message>
    <message>
        <source>a device has only 128 programs to name</source>
        <translation>un aparato solo tiene 128 programas que nombrar</translation>
    </message>
    <message>
        <source>the list holds no name</source>
        <translation>la lista no contiene ningún nombre</translation>
    </message>
</context>
<context>
    <name>MidiExplainer</name>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>preset %1</source>
        <translation>preset %1</translation>
    </message>
    <message>
        <source>presets %1</source>
        <translation>presets %1</translation>
    </message>
    <message numerus="yes">
        <source>%n presets (%1)</source>
        <translation>
            <numerusform>%n preset (%1)</numerusform>
            <numerusform>%n presets (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>footswitch %1</source>
        <translation>pulsador %1</translation>
    </message>
    <message>
        <source>footswitch %1 &quot;%2&quot;</source>
        <translation>pulsador %1 «%2»</translation>
    </message>
    <message>
        <source>%1 (custom, on)</source>
        <translation>%1 (mensaje propio, activado)</translation>
    </message>
    <message>
        <source>%1 (custom, off)</source>
        <translation>%1 (mensaje propio, desactivado)</translation>
    </message>
    <message>
        <source>Program change %1 (bank %2/%3)</source>
        <translation>Cambio de programa %1 (banco %2/%3)</translation>
    </message>
    <message>
        <source>Program change %1</source>
        <translation>Cambio de programa %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>sent by %1</source>
        <translation>enviado por %1</translation>
    </message>
    <message>
        <source>Control change %1 = %2</source>
        <translation>Control change %1 = %2</translation>
    </message>
    <message>
        <source>%1 (instant access, on)</source>
        <translation>%1 (acceso directo, activado)</translation>
    </message>
    <message>
        <source>%1 (instant access, off)</source>
        <translation>%1 (acceso directo, desactivado)</translation>
    </message>
    <message>
        <source>%1 (CC increment)</source>
        <translation>%1 (incremento de CC)</translation>
    </message>
    <message>
        <source>%1 (CC decrement)</source>
        <translation>%1 (decremento de CC)</translation>
    </message>
    <message>
        <source>bank select of %1</source>
        <translation>selección de banco de %1</translation>
    </message>
    <message>
        <source>pedal run goes on</source>
        <translation>el pedal sigue moviéndose</translation>
    </message>
    <message>
        <source>pedal %1 of %2</source>
        <translation>pedal %1 de %2</translation>
    </message>
    <message>
        <source>instant-access override of footswitch %1 in %2</source>
        <translation>anulación de acceso directo del pulsador %1 en %2</translation>
    </message>
    <message>
        <source>not closed by F7</source>
        <translation>sin cerrar con F7</translation>
    </message>
    <message>
        <source>dump header, too short</source>
        <translation>cabecera de volcado, demasiado corta</translation>
    </message>
    <message>
        <source>dump header: %1, %2 bytes in %3 packets</source>
        <translation>cabecera de volcado: %1, %2 bytes en %3 paquetes</translation>
    </message>
    <message>
        <source>dump packet, too short</source>
        <translation>paquete de volcado, demasiado corto</translation>
    </message>
    <message>
        <source>dump packet %1 of %2</source>
        <translation>paquete de volcado %1 de %2</translation>
    </message>
    <message>
        <source>dump packet number %1 (no header heard)</source>
        <translation>paquete de volcado número %1 (sin cabecera recibida)</translation>
    </message>
    <message>
        <source>checksum holds</source>
        <translation>suma de control correcta</translation>
    </message>
    <message>
        <source>checksum wrong</source>
        <translation>suma de control errónea</translation>
    </message>
    <message>
        <source>dump end: %1 packets heard</source>
        <translation>fin del volcado: %1 paquetes recibidos</translation>
    </message>
    <message>
        <source>dump request</source>
        <translation>petición de volcado</translation>
    </message>
    <message>
        <source>dump handshake: wait</source>
        <translation>confirmación de volcado: esperar</translation>
    </message>
    <message>
        <source>dump handshake: cancel</source>
        <translation>confirmación de volcado: cancelar</translation>
    </message>
    <message>
        <source>dump handshake: not received (NAK)</source>
        <translation>confirmación de volcado: no recibido (NAK)</translation>
    </message>
    <message>
        <source>dump handshake: received (ACK)</source>
        <translation>confirmación de volcado: recibido (ACK)</translation>
    </message>
    <message>
        <source>not a dump message</source>
        <translation>no es un mensaje de volcado</translation>
    </message>
    <message>
        <source>Time code quarter frame %1</source>
        <translation>Cuarto de cuadro de código de tiempo %1</translation>
    </message>
    <message>
        <source>Song position %1</source>
        <translation>Posición de canción %1</translation>
    </message>
    <message>
        <source>Song select %1</source>
        <translation>Selección de canción %1</translation>
    </message>
    <message>
        <source>Tune request</source>
        <translation>Petición de afinación</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Active sensing</source>
        <translation>Detección activa</translation>
    </message>
    <message>
        <source>System reset</source>
        <translation>Reinicio del sistema</translation>
    </message>
    <message>
        <source>Unknown bytes</source>
        <translation>Bytes desconocidos</translation>
    </message>
    <message>
        <source>Note off %1, velocity %2</source>
        <translation>Nota desactivada %1, velocidad %2</translation>
    </message>
    <message>
        <source>Note on %1, velocity %2</source>
        <translation>Nota activada %1, velocidad %2</translation>
    </message>
    <message>
        <source>Key pressure %1, %2</source>
        <translation>Presión de tecla %1, %2</translation>
    </message>
    <message>
        <source>Channel pressure %1</source>
        <translation>Presión de canal %1</translation>
    </message>
    <message>
        <source>Pitch bend %1</source>
        <translation>Inflexión de tono %1</translation>
    </message>
    <message>
        <source>no preset sends this</source>
        <translation>ningún preset envía esto</translation>
    </message>
    <message numerus="yes">
        <source>SysEx, %n bytes</source>
        <translation>
            <numerusform>SysEx, %n byte</numerusform>
            <numerusform>SysEx, %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Control change %1 &apos;%2&apos; = %3</source>
        <translation>Control change %1 «%2» = %3</translation>
    </message>
</context>
<context>
    <name>MonitorModel</name>
    <message>
        <source>sent to %1</source>
        <translation>enviado a %1</translation>
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
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Channel/Device</source>
        <translation>Canal/Dispositivo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
</context>
<context>
    <name>PlayOutput</name>
    <message>
        <source>Nothing was sent: no MIDI system could be opened.</source>
        <translation>No se envió nada: no se pudo abrir ningún sistema MIDI.</translation>
    </message>
    <message>
        <source>Nothing was sent: there are no MIDI output ports available.</source>
        <translation>No se envió nada: no hay puertos de salida MIDI disponibles.</translation>
    </message>
    <message>
        <source>Play Through</source>
        <translation>Reproducir por</translation>
    </message>
    <message>
        <source>Nothing was sent: no output was chosen.</source>
        <translation>No se envió nada: no se eligió ninguna salida.</translation>
    </message>
    <message>
        <source>Nothing was sent: the output %1 could not be opened.</source>
        <translation>No se envió nada: no se pudo abrir la salida %1.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>No se envió nada: %1</translation>
    </message>
    <message>
        <source>Preset %1 sends nothing: none of its program changes or control changes is on.</source>
        <translation>El preset %1 no envía nada: ninguno de sus cambios de programa ni control changes está activado.</translation>
    </message>
    <message>
        <source>Nothing was sent: the output %1 went away. Play asks for an output again.</source>
        <translation>No se envió nada: la salida %1 ha desaparecido. Reproducir volverá a pedir una salida.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2</source>
        <translation>Falló el envío a %1: %2</translation>
    </message>
    <message>
        <source>Sent preset %1 to %2: %3</source>
        <translation>Preset %1 enviado a %2: %3</translation>
    </message>
</context>
<context>
    <name>MemoryCheck</name>
    <message>
        <source>Buttons %1</source>
        <translation>Botones %1</translation>
    </message>
    <message>
        <source>The favourite of button %1 is no preset slot: it holds %2, and the slots are 0 to 269 (001 to 299).</source>
        <translation>El favorito del botón %1 no es ninguna posición de preset: contiene %2, y las posiciones van de 0 a 269 (001 a 299).</translation>
    </message>
    <message numerus="yes">
        <source>%n presets send a program change to %1, which is switched off in the global settings: %2.</source>
        <translation>
            <numerusform>%n preset envía un cambio de programa a %1, que está desactivado en los ajustes globales: %2.</numerusform>
            <numerusform>%n presets envían un cambio de programa a %1, que está desactivado en los ajustes globales: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n presets send a control change to %1, which is switched off in the global settings: %2.</source>
        <translation>
            <numerusform>%n preset envía un control change a %1, que está desactivado en los ajustes globales: %2.</numerusform>
            <numerusform>%n presets envían un control change a %1, que está desactivado en los ajustes globales: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Presets %1 hold the same settings under different names.</source>
        <translation>Los presets %1 tienen los mismos ajustes con nombres distintos.</translation>
    </message>
    <message numerus="yes">
        <source>Presets %1 are one preset stored %n times, name and all.</source>
        <translation>
            <numerusform>Los presets %1 son un mismo preset guardado %n vez, nombre incluido.</numerusform>
            <numerusform>Los presets %1 son un mismo preset guardado %n veces, nombre incluido.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 do the same thing: the same function with the same settings.</source>
        <translation>%1 hacen lo mismo: la misma función con los mismos ajustes.</translation>
    </message>
    <message>
        <source>Bank %1 has presets still with the factory name beside named ones: %2.</source>
        <translation>El banco %1 tiene, junto a presets con nombre, otros aún con el nombre de fábrica: %2.</translation>
    </message>
    <message>
        <source>The global setting &quot;%1&quot; holds %2, beyond the %3 its dialog shows; storing the global settings would change it.</source>
        <translation>El ajuste global &quot;%1&quot; contiene %2, más que el %3 que muestra su diálogo; guardar los ajustes globales lo cambiaría.</translation>
    </message>
    <message>
        <source>Preset %1 holds values its editors don&apos;t show, which storing it from the preset dialog would change: %2.</source>
        <translation>El preset %1 contiene valores que sus editores no muestran y que guardarlo desde el diálogo de presets cambiaría: %2.</translation>
    </message>
</context>
<context>
    <name>PresetLibraryModel</name>
    <message>
        <source>F2 or a double-click renames the preset</source>
        <translation>F2 o un doble clic cambia el nombre del preset</translation>
    </message>
    <message>
        <source>Control changes on: %1</source>
        <translation>Cambios de control activos: %1</translation>
    </message>
    <message>
        <source>Instant-access overrides on: %1</source>
        <translation>Sustituciones de acceso directo activas: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Program changes</source>
        <translation>Cambios de programa</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Conmutación</translation>
    </message>
    <message>
        <source>CCs</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>IA</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Devices that get a program change, with its number</source>
        <translation>Dispositivos que reciben un cambio de programa, con su número</translation>
    </message>
    <message>
        <source>Relays (R) and loops (L) switched on, in brackets those left as they are; then the output</source>
        <translation>Relés (R) y loops (L) encendidos, entre paréntesis los que quedan como están; después la salida</translation>
    </message>
    <message>
        <source>Control changes on</source>
        <translation>Cambios de control activos</translation>
    </message>
    <message>
        <source>Instant-access overrides on</source>
        <translation>Sustituciones de acceso directo activas</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Deshecho: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Rehecho: %1.</translation>
    </message>
    <message>
        <source>button %1 calls %2 again</source>
        <translation>el pulsador %1 vuelve a llamar a %2</translation>
    </message>
    <message>
        <source>button %1 now calls %2</source>
        <translation>el pulsador %1 llama ahora a %2</translation>
    </message>
    <message>
        <source>Footswitch favourites put back: %1.</source>
        <translation>Favoritos de los pulsadores restaurados: %1.</translation>
    </message>
    <message>
        <source>Footswitch favourites follow: %1.</source>
        <translation>Los favoritos de los pulsadores siguen a los presets: %1.</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>Intercambiar %1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>Swap %n presets</source>
        <translation>
            <numerusform>Intercambiar %n preset</numerusform>
            <numerusform>Intercambiar %n presets</numerusform>
        </translation>
    </message>
    <message>
        <source>Swap banks %1 and %2</source>
        <translation>Intercambiar los bancos %1 y %2</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Bajar %1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n presets up</source>
        <translation>
            <numerusform>Subir %n preset</numerusform>
            <numerusform>Subir %n presets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n presets down</source>
        <translation>
            <numerusform>Bajar %n preset</numerusform>
            <numerusform>Bajar %n presets</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy %1 over %2</source>
        <translation>Copiar %1 sobre %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy %n presets to %1</source>
        <translation>
            <numerusform>Copiar %n preset a %1</numerusform>
            <numerusform>Copiar %n presets a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset %1 to its factory preset</source>
        <translation>Restablecer %1 a su preset de fábrica</translation>
    </message>
    <message numerus="yes">
        <source>Reset %n presets to their factory presets</source>
        <translation>
            <numerusform>Restablecer %n preset a su preset de fábrica</numerusform>
            <numerusform>Restablecer %n presets a sus presets de fábrica</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename %1 to “%2”</source>
        <translation>Renombrar %1 como «%2»</translation>
    </message>
    <message>
        <source>No note or tags; edit them below the table</source>
        <translation>Sin nota ni etiquetas; edítelas bajo la tabla</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Tags and the first line of the note</source>
        <translation>Etiquetas y la primera línea de la nota</translation>
    </message>
    <message>
        <source>Edit the notes of %1</source>
        <translation>Editar las notas de %1</translation>
    </message>
    <message>
        <source>%1 Notes: %2</source>
        <translation>%1 Notas: %2</translation>
    </message>
</context>
<context>
    <name>PresetLists</name>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
</context>
<context>
    <name>PresetNotes</name>
    <message>
        <source>A note holds at most %1 characters; this one has %2.</source>
        <translation>Una nota admite como máximo %1 caracteres; esta tiene %2.</translation>
    </message>
    <message>
        <source>A tag needs at least one letter, digit or “-”.</source>
        <translation>Una etiqueta necesita al menos una letra, una cifra o «-».</translation>
    </message>
    <message>
        <source>The tag “%1” is longer than %2 characters.</source>
        <translation>La etiqueta «%1» tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>The tag “%1” holds a space; tags are single words.</source>
        <translation>La etiqueta «%1» contiene un espacio; las etiquetas son palabras sueltas.</translation>
    </message>
    <message>
        <source>The tag “%1” holds “%2”; tags hold letters, digits and “-” only.</source>
        <translation>La etiqueta «%1» contiene «%2»; las etiquetas solo admiten letras, cifras y «-».</translation>
    </message>
    <message>
        <source>A preset holds at most %1 tags; that would make %2.</source>
        <translation>Un preset admite como máximo %1 etiquetas; serían %2.</translation>
    </message>
</context>
<context>
    <name>PresetOperations</name>
    <message>
        <source>A preset name holds at most %1 characters; that would make %2.</source>
        <translation>El nombre de un preset admite como máximo %1 caracteres; este tendría %2.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be stored: preset names hold Latin-1 characters only.</source>
        <translation>No se puede guardar «%1»: los nombres de preset solo admiten caracteres Latin-1.</translation>
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
        <translation>sin cambio de programa</translation>
    </message>
    <message>
        <source>program changes to %1</source>
        <translation>cambios de programa a %1</translation>
    </message>
    <message>
        <source>1 control change</source>
        <translation>1 control change</translation>
    </message>
    <message>
        <source>%1 control changes</source>
        <translation>%1 control changes</translation>
    </message>
    <message>
        <source>1 instant-access override</source>
        <translation>1 sustitución de acceso directo</translation>
    </message>
    <message>
        <source>%1 instant-access overrides</source>
        <translation>%1 sustituciones de acceso directo</translation>
    </message>
</context>
<context>
    <name>PresetSummary</name>
    <message>
        <source>Ch %1</source>
        <translation>Can. %1</translation>
    </message>
    <message>
        <source>Relay %1</source>
        <translation>Relé %1</translation>
    </message>
    <message>
        <source>Loop %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source> (bank %1/%2)</source>
        <translation> (banco %1/%2)</translation>
    </message>
    <message>
        <source>%1: program %2</source>
        <translation>%1: programa %2</translation>
    </message>
    <message>
        <source>, bank select MSB %1, LSB %2</source>
        <translation>, selección de banco MSB %1, LSB %2</translation>
    </message>
    <message>
        <source>No program change</source>
        <translation>Ningún cambio de programa</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambio</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Salida: %1</translation>
    </message>
</context>
<context>
    <name>RigNamesText</name>
    <message>
        <source>typed</source>
        <translation>escritos a mano</translation>
    </message>
    <message>
        <source>%1, mode %2</source>
        <translation>%1, modo %2</translation>
    </message>
    <message>
        <source>no names</source>
        <translation>sin nombres</translation>
    </message>
    <message>
        <source>The rig file %1 was not read: %2.</source>
        <translation>El archivo del equipo %1 no se leyó: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than %n bytes</source>
        <translation>
            <numerusform>es mayor que %n byte</numerusform>
            <numerusform>es mayor que %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveWarning</name>
    <message>
        <source>the configuration file</source>
        <translation>el archivo de configuración</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>Couldn&apos;t save %1: %2.

The changes are still in the editor; save again once the file can be written, or choose another one with &quot;Open file...&quot;.</source>
        <translation>No se pudo guardar %1: %2.

Los cambios siguen en el editor; vuelve a guardar cuando se pueda escribir el archivo, o elige otro con «Abrir archivo...».</translation>
    </message>
</context>
<context>
    <name>Setlist</name>
    <message>
        <source>Bank %1</source>
        <translation>Banco %1</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3</source>
        <translation>%1 — página %2 de %3</translation>
    </message>
</context>
<context>
    <name>bulkeditdialog</name>
    <message>
        <source>Edit Selected Presets</source>
        <translation>Editar los presets seleccionados</translation>
    </message>
    <message>
        <source>Set one field in the selected presets:</source>
        <translation>Fijar un campo en los presets seleccionados:</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>&amp;Campo:</translation>
    </message>
    <message>
        <source>Type part of a name, such as delay, relay or control change 3, to narrow the list</source>
        <translation>Escriba parte de un nombre, como delay, relé o control 3, para acotar la lista</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>For numbers, +N and -N move each preset&apos;s own value</source>
        <translation>En los números, +N y -N mueven el valor propio de cada preset</translation>
    </message>
    <message>
        <source>Set one field in %1:</source>
        <translation>Fijar un campo en %1:</translation>
    </message>
    <message>
        <source>Set one field in the %1 selected presets:</source>
        <translation>Fijar un campo en los %1 presets seleccionados:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>What changes</source>
        <translation>Qué cambia</translation>
    </message>
    <message>
        <source>Move %1 by %2 in 1 preset</source>
        <translation>Mover %1 en %2 en 1 preset</translation>
    </message>
    <message>
        <source>Move %1 by %2 in %3 presets</source>
        <translation>Mover %1 en %2 en %3 presets</translation>
    </message>
    <message>
        <source>Set %1 to %2 in 1 preset</source>
        <translation>Fijar %1 en %2 en 1 preset</translation>
    </message>
    <message>
        <source>Set %1 to %2 in %3 presets</source>
        <translation>Fijar %1 en %2 en %3 presets</translation>
    </message>
    <message>
        <source>%1 %2: %3 %4 → %5</source>
        <translation>%1 %2: %3 %4 → %5</translation>
    </message>
    <message>
        <source>1 preset changes.</source>
        <translation>Cambia 1 preset.</translation>
    </message>
    <message>
        <source>%1 presets change.</source>
        <translation>Cambian %1 presets.</translation>
    </message>
    <message>
        <source>1 already holds it.</source>
        <translation>1 ya lo tiene.</translation>
    </message>
    <message>
        <source>%1 already hold it.</source>
        <translation>%1 ya lo tienen.</translation>
    </message>
    <message>
        <source>1 shows no number to move from and stays as it is.</source>
        <translation>1 no muestra ningún número que mover y queda como está.</translation>
    </message>
    <message>
        <source>%1 show no number to move from and stay as they are.</source>
        <translation>%1 no muestran ningún número que mover y quedan como están.</translation>
    </message>
    <message>
        <source>program change on</source>
        <translation>cambio de programa activo</translation>
    </message>
    <message>
        <source>program change</source>
        <translation>cambio de programa</translation>
    </message>
    <message>
        <source>program change number</source>
        <translation>número de programa</translation>
    </message>
    <message>
        <source>bank select on</source>
        <translation>selección de banco activa</translation>
    </message>
    <message>
        <source>bank select</source>
        <translation>selección de banco</translation>
    </message>
    <message>
        <source>bank MSB</source>
        <translation>MSB de banco</translation>
    </message>
    <message>
        <source>bank LSB</source>
        <translation>LSB de banco</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>device</source>
        <translation>dispositivo</translation>
    </message>
    <message>
        <source>control change</source>
        <translation>control</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
    </message>
    <message>
        <source>on value</source>
        <translation>valor enc.</translation>
    </message>
    <message>
        <source>off value</source>
        <translation>valor apag.</translation>
    </message>
    <message>
        <source>state</source>
        <translation>estado</translation>
    </message>
    <message>
        <source>blank, stored %1</source>
        <translation>vacío, guardado %1</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambio</translation>
    </message>
    <message>
        <source>Device %1</source>
        <translation>Dispositivo %1</translation>
    </message>
    <message>
        <source>Device %1 (%2)</source>
        <translation>Dispositivo %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Control change %1</source>
        <translation>Control %1</translation>
    </message>
    <message>
        <source>Expression pedal %1</source>
        <translation>Pedal de expresión %1</translation>
    </message>
    <message>
        <source>Override for button %1</source>
        <translation>Sustitución del botón %1</translation>
    </message>
    <message>
        <source>Relay %1</source>
        <translation>Relé %1</translation>
    </message>
    <message>
        <source>Loop %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
</context>
<context>
    <name>copytargetdialog</name>
    <message>
        <source>Copy Presets</source>
        <translation>Copiar presets</translation>
    </message>
    <message>
        <source>Copy the selected presets to:</source>
        <translation>Copiar los presets seleccionados a:</translation>
    </message>
    <message>
        <source>&amp;Slot</source>
        <translation>&amp;Posición</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Banco</translation>
    </message>
    <message>
        <source>These presets will be overwritten:</source>
        <translation>Se sobrescribirán estos presets:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Bank %1: %2–%3</source>
        <translation>Banco %1: %2–%3</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>Copiar %1 a:</translation>
    </message>
    <message numerus="yes">
        <source>Copy the %n selected presets to:</source>
        <translation>
            <numerusform>Copiar el preset seleccionado a:</numerusform>
            <numerusform>Copiar los %n presets seleccionados a:</numerusform>
        </translation>
    </message>
    <message>
        <source>The last slot is 299.</source>
        <translation>La última posición es la 299.</translation>
    </message>
    <message>
        <source>%1 presets from %2 on would run past the last slot, 299.</source>
        <translation>%1 presets a partir de %2 pasarían de la última posición, la 299.</translation>
    </message>
    <message>
        <source>%1   ←   %2</source>
        <translation>%1   ←   %2</translation>
    </message>
    <message>
        <source>Nothing would change: the presets are there already.</source>
        <translation>No cambiaría nada: los presets ya están ahí.</translation>
    </message>
    <message>
        <source>This preset will be overwritten (Undo brings it back):</source>
        <translation>Se sobrescribirá este preset (Deshacer lo recupera):</translation>
    </message>
    <message>
        <source>These %1 presets will be overwritten (Undo brings them back):</source>
        <translation>Se sobrescribirán estos %1 presets (Deshacer los recupera):</translation>
    </message>
    <message>
        <source>Target slot</source>
        <translation>Posición de destino</translation>
    </message>
    <message>
        <source>Target bank</source>
        <translation>Banco de destino</translation>
    </message>
    <message>
        <source>Presets to be overwritten</source>
        <translation>Presets que se sobrescribirán</translation>
    </message>
</context>
<context>
    <name>globaldialog</name>
    <message>
        <source>Global</source>
        <translation>Ajustes globales</translation>
    </message>
    <message>
        <source>MIDI Input Channel</source>
        <translation>Canal de entrada MIDI</translation>
    </message>
    <message>
        <source>SysEx Id</source>
        <translation>ID SysEx</translation>
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
        <translation>ID SysEx remoto</translation>
    </message>
    <message>
        <source>Soft Thru enabled</source>
        <translation>Soft Thru activo</translation>
    </message>
    <message>
        <source>AXE-FX communication</source>
        <translation>Comunicación con AXE-FX</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Full speed dump</source>
        <translation>Volcado rápido</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Pulsadores</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Favorite Pr.</source>
        <translation>Preset fav.</translation>
    </message>
    <message>
        <source>Off-Custom</source>
        <translation>Mensaje de apagado</translation>
    </message>
    <message>
        <source>On-Custom</source>
        <translation>Mensaje de encendido</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>Control Change</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>On-Value</source>
        <translation>Valor enc.</translation>
    </message>
    <message>
        <source>Off-Value</source>
        <translation>Valor apag.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
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
        <translation>Activo</translation>
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
        <translation>Pedal exp.</translation>
    </message>
    <message>
        <source>Calibration Min.</source>
        <translation>Calibración mín.</translation>
    </message>
    <message>
        <source>Calibration Max.</source>
        <translation>Calibración máx.</translation>
    </message>
    <message>
        <source>preset</source>
        <translation>preset</translation>
    </message>
    <message>
        <source>bank up</source>
        <translation>banco arriba</translation>
    </message>
    <message>
        <source>bank down</source>
        <translation>banco abajo</translation>
    </message>
    <message>
        <source>instant access</source>
        <translation>acceso directo</translation>
    </message>
    <message>
        <source>favorite preset</source>
        <translation>preset favorito</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizado</translation>
    </message>
    <message>
        <source>CC increment</source>
        <translation>CC más</translation>
    </message>
    <message>
        <source>CC decrement</source>
        <translation>CC menos</translation>
    </message>
    <message>
        <source>loop</source>
        <translation>loop</translation>
    </message>
    <message>
        <source>relay</source>
        <translation>relé</translation>
    </message>
    <message>
        <source>A/B selector</source>
        <translation>selector A/B</translation>
    </message>
    <message>
        <source>relay group off</source>
        <translation>apagar relés</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>edición</translation>
    </message>
    <message>
        <source>momentary</source>
        <translation>temporal</translation>
    </message>
    <message>
        <source>alternate</source>
        <translation>alterno</translation>
    </message>
    <message>
        <source>Button %1 %2</source>
        <comment>button number, then the column&apos;s title</comment>
        <translation>%2 del pulsador %1</translation>
    </message>
    <message>
        <source>Device %1 %2</source>
        <comment>device number, then the column&apos;s title</comment>
        <translation>%2 del dispositivo %1</translation>
    </message>
    <message>
        <source>Expression pedal %1 %2</source>
        <comment>pedal number, then the column&apos;s title</comment>
        <translation>%2 del pedal de expresión %1</translation>
    </message>
    <message>
        <source>Up to eight bytes in hexadecimal, as 00 00 00 00 00 00 00 00</source>
        <translation>Hasta ocho bytes en hexadecimal, como 00 00 00 00 00 00 00 00</translation>
    </message>
    <message>
        <source>Measured by the controller</source>
        <translation>Medido por el controlador</translation>
    </message>
</context>
<context>
    <name>historydialog</name>
    <message>
        <source>%1 holds the presets of %2; only the notes and tags differ. Put the notes of that version back?</source>
        <translation>%1 contiene los presets de %2; solo difieren las notas y las etiquetas. ¿Recuperar las notas de esa versión?</translation>
    </message>
    <message>
        <source>The notes as they are now are kept in the history first, so the restore can be undone the same way.</source>
        <translation>Las notas tal como están ahora se guardan antes en el historial, para que la restauración pueda deshacerse del mismo modo.</translation>
    </message>
    <message>
        <source>The notes couldn&apos;t be put back: %1.</source>
        <translation>No se pudieron recuperar las notas: %1.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Choose a version and Compare to see what differs from it to the file as it is now; choose two to compare them with each other.</source>
        <translation>Elige una versión y pulsa Comparar para ver en qué se diferencia del archivo actual; elige dos para compararlas entre sí.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restaurar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>No earlier versions of %1 are kept yet. Each time the editor replaces it, the file as it was is kept in %2.</source>
        <translation>Aún no hay versiones anteriores de %1. Cada vez que el editor lo reemplaza, el archivo tal como estaba se guarda en %2.</translation>
    </message>
    <message>
        <source>Earlier versions of %1, newest first, kept in %2 (the newest %3). Each is the file as it was before the operation named replaced it.</source>
        <translation>Versiones anteriores de %1, de la más reciente a la más antigua, guardadas en %2 (las %3 más recientes). Cada una es el archivo tal como estaba antes de que lo reemplazara la operación indicada.</translation>
    </message>
    <message>
        <source>the version kept %1 (replaced by %2)</source>
        <translation>la versión guardada el %1 (reemplazada por %2)</translation>
    </message>
    <message>
        <source>From %1: %2 changed.</source>
        <translation>De %1: %2 con cambios.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 to the file as it is now</source>
        <translation>%1 al archivo actual</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>%1 already holds this version: there is nothing to restore.</source>
        <translation>%1 ya contiene esta versión: no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>Put %1 back into %2?</source>
        <translation>¿Volver a poner %1 en %2?</translation>
    </message>
    <message>
        <source>The file as it is now is kept in the history first, so the restore can be undone the same way.</source>
        <translation>Antes, el archivo actual se guarda en el historial, así que la restauración se puede deshacer del mismo modo.</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>Se restauró %1.</translation>
    </message>
    <message>
        <source>Memory file (*.bin)</source>
        <translation>Archivo de memoria (*.bin)</translation>
    </message>
    <message>
        <source>SysEx dump (*.syx)</source>
        <translation>Volcado SysEx (*.syx)</translation>
    </message>
    <message>
        <source>Readable form (*.json)</source>
        <translation>Forma legible (*.json)</translation>
    </message>
    <message>
        <source>Export version</source>
        <translation>Exportar versión</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>Kept versions</source>
        <translation>Versiones guardadas</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Notes and tags</source>
        <translation>Notas y etiquetas</translation>
    </message>
    <message>
        <source>The version is back, but its notes couldn&apos;t be put back: %1.</source>
        <translation>La versión ha vuelto, pero sus notas no se pudieron restaurar: %1.</translation>
    </message>
</context>
<context>
    <name>librarydialog</name>
    <message>
        <source>Edi&amp;t Selected...</source>
        <translation>Edi&amp;tar selección...</translation>
    </message>
    <message>
        <source>Sets one field, such as a program change or a relay, in all the selected presets (Ctrl+E)</source>
        <translation>Fija un campo, como un cambio de programa o un relé, en todos los presets seleccionados (Ctrl+E)</translation>
    </message>
    <message>
        <source>Preset Library</source>
        <translation>Biblioteca de presets</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Intercambiar</translation>
    </message>
    <message>
        <source>With two presets selected, they trade places; with two whole banks selected, the banks do</source>
        <translation>Con dos presets seleccionados, intercambian sus posiciones; con dos bancos completos seleccionados, lo hacen los bancos</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Moves the selected presets up one slot (Alt+Up)</source>
        <translation>Sube los presets seleccionados una posición (Alt+↑)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Moves the selected presets down one slot (Alt+Down)</source>
        <translation>Baja los presets seleccionados una posición (Alt+↓)</translation>
    </message>
    <message>
        <source>&amp;Copy To...</source>
        <translation>&amp;Copiar a...</translation>
    </message>
    <message>
        <source>Copies the selected presets to another slot or bank</source>
        <translation>Copia los presets seleccionados a otra posición o banco</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Puts the factory presets back into the selected slots (Delete)</source>
        <translation>Vuelve a poner los presets de fábrica en las posiciones seleccionadas (Supr)</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Reh&amp;acer</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Writes the selected presets, a bank or all presets to a file</source>
        <translation>Escribe en un archivo los presets seleccionados, un banco o todos los presets</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>I&amp;mportar...</translation>
    </message>
    <message>
        <source>Reads presets from a file into their slots</source>
        <translation>Lee presets de un archivo en sus posiciones</translation>
    </message>
    <message>
        <source>&amp;Print Setlist...</source>
        <translation>Im&amp;primir setlist...</translation>
    </message>
    <message>
        <source>Saves the 30 banks with their names as a two-page PDF</source>
        <translation>Guarda los 30 bancos con sus nombres como un PDF de dos páginas</translation>
    </message>
    <message>
        <source>Drag a preset onto another to swap them; hold Ctrl while dropping to copy it over.</source>
        <translation>Arrastra un preset sobre otro para intercambiarlos; mantén Ctrl al soltarlo para copiarlo encima.</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Exportar presets</translation>
    </message>
    <message>
        <source>Readable presets (*.json)</source>
        <translation>Presets legibles (*.json)</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2. Nothing was exported.</source>
        <translation>No se pudo escribir %1: %2. No se exportó nada.</translation>
    </message>
    <message>
        <source>(the same)</source>
        <translation>(igual)</translation>
    </message>
    <message>
        <source>Selected Presets...</source>
        <translation>Presets seleccionados...</translation>
    </message>
    <message>
        <source>Bank of the Selected Preset...</source>
        <translation>Banco del preset seleccionado...</translation>
    </message>
    <message>
        <source>All Presets...</source>
        <translation>Todos los presets...</translation>
    </message>
    <message>
        <source>Bank %1 (%2)...</source>
        <translation>Banco %1 (%2)...</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Importar presets</translation>
    </message>
    <message>
        <source>Readable presets (*.json);;All files (*)</source>
        <translation>Presets legibles (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 is far larger than any readable document. Nothing was imported.</source>
        <translation>%1 es mucho más grande que cualquier documento legible. No se importó nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2. Nothing was imported.</source>
        <translation>No se pudo leer %1: %2. No se importó nada.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be imported: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n presets. Imported into the slots it names, they replace:</source>
        <translation>
            <numerusform>%1 contiene %n preset. Importado en la posición que indica, sustituye a:</numerusform>
            <numerusform>%1 contiene %n presets. Importados en las posiciones que indica, sustituyen a:</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported from %1 on, they replace:</source>
        <translation>Importados a partir de %1, sustituyen a:</translation>
    </message>
    <message>
        <source>The document&apos;s global settings are left out.</source>
        <translation>Los ajustes globales del documento no se importan.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import from %1 On</source>
        <translation>Importar a partir de %1</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Deshacer %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Shift+Z)</source>
        <translation>Rehacer %1 (Ctrl+Mayús+Z)</translation>
    </message>
    <message>
        <source>Select two presets, or two whole banks, to swap them.</source>
        <translation>Selecciona dos presets, o dos bancos completos, para intercambiarlos.</translation>
    </message>
    <message>
        <source>%1 is the first slot: nothing can move above it.</source>
        <translation>%1 es la primera posición: nada puede subir más.</translation>
    </message>
    <message>
        <source>%1 is the last slot: nothing can move below it.</source>
        <translation>%1 es la última posición: nada puede bajar más.</translation>
    </message>
    <message>
        <source>Copied %1; Ctrl+V puts it over the selected slot.</source>
        <translation>%1 copiado; Ctrl+V lo pone sobre la posición seleccionada.</translation>
    </message>
    <message>
        <source>Copied %1 presets; Ctrl+V puts them over the slots from the one selected on.</source>
        <translation>%1 presets copiados; Ctrl+V los pone sobre las posiciones a partir de la seleccionada.</translation>
    </message>
    <message>
        <source>%1 presets from %2 on would run past the last slot, 299.</source>
        <translation>%1 presets a partir de %2 pasarían de la última posición, la 299.</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Pegar sobre %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n presets over %1–%2</source>
        <translation>
            <numerusform>Pegar %n preset sobre %1–%2</numerusform>
            <numerusform>Pegar %n presets sobre %1–%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Setlist</source>
        <translation>Guardar la setlist</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Setlist of %1</source>
        <translation>Setlist de %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the setlist to %1: %2.</source>
        <translation>No se pudo escribir la setlist en %1: %2.</translation>
    </message>
    <message>
        <source>Setlist saved as %1 (one page).</source>
        <translation>Setlist guardada como %1 (una página).</translation>
    </message>
    <message>
        <source>Setlist saved as %1 (%2 pages).</source>
        <translation>Setlist guardada como %1 (%2 páginas).</translation>
    </message>
    <message>
        <source>Couldn&apos;t keep a copy of %1 as %2, so nothing was saved. Your changes are still here.</source>
        <translation>No se pudo conservar una copia de %1 como %2, así que no se guardó nada. Tus cambios siguen aquí.</translation>
    </message>
    <message numerus="yes">
        <source>Save changes to %n presets?</source>
        <translation>
            <numerusform>¿Guardar los cambios de %n preset?</numerusform>
            <numerusform>¿Guardar los cambios de %n presets?</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the changed footswitch favourites?</source>
        <translation>¿Guardar los favoritos de los pulsadores modificados?</translation>
    </message>
    <message>
        <source>1 preset differs from the file</source>
        <translation>1 preset difiere del archivo</translation>
    </message>
    <message>
        <source>%1 presets differ from the file</source>
        <translation>%1 presets difieren del archivo</translation>
    </message>
    <message>
        <source>Footswitch favourites differ from the file</source>
        <translation>Los favoritos de los pulsadores difieren del archivo</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>Reprod&amp;ucir</translation>
    </message>
    <message>
        <source>Sends the selected preset&apos;s program changes and control changes to the rig (Space)</source>
        <translation>Envía los cambios de programa y control changes del preset elegido al equipo (Espacio)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Find presets</source>
        <translation>Buscar presets</translation>
    </message>
    <message>
        <source>A name, a device, or words such as pc 12, cc 80, bank 3, relay 1, loop 4, unnamed, changed (Ctrl+F; Escape clears)</source>
        <translation>Un nombre, un dispositivo o palabras como pc 12, cc 80, bank 3, relay 1, loop 4, unnamed, changed (Ctrl+F; Escape borra)</translation>
    </message>
    <message>
        <source>C&amp;heck...</source>
        <translation>C&amp;omprobar...</translation>
    </message>
    <message>
        <source>Lists what is wrong in the memory: presets stored twice, program changes to devices switched off, favourites that point nowhere</source>
        <translation>Enumera lo que está mal en la memoria: presets guardados dos veces, cambios de programa a dispositivos desactivados, favoritos que no apuntan a nada</translation>
    </message>
    <message>
        <source>%1 of %2 presets</source>
        <translation>%1 de %2 presets</translation>
    </message>
    <message>
        <source>The find shows no presets to print.</source>
        <translation>La búsqueda no muestra ningún preset que imprimir.</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>What the song needs: verse, capo, which set</source>
        <translation>Lo que pide la canción: estrofa, cejilla, qué set</translation>
    </message>
    <message>
        <source>Shows only the presets with the chosen tag</source>
        <translation>Muestra solo los presets con la etiqueta elegida</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>Eti&amp;quetas:</translation>
    </message>
    <message>
        <source>Words of letters, digits and -, separated by spaces</source>
        <translation>Palabras de letras, cifras y -, separadas por espacios</translation>
    </message>
    <message>
        <source>Save the changed notes and tags?</source>
        <translation>¿Guardar las notas y etiquetas cambiadas?</translation>
    </message>
    <message>
        <source>Notes and tags differ from the file</source>
        <translation>Las notas y etiquetas difieren del archivo</translation>
    </message>
    <message>
        <source>The notes in %1 can&apos;t be read (%2). The presets open without notes; the file is kept as it is until you save notes over it.</source>
        <translation>Las notas de %1 no se pueden leer (%2). Los presets se abren sin notas; el archivo se conserva tal cual hasta que guarde notas encima.</translation>
    </message>
    <message>
        <source>Note of the preset</source>
        <translation>Nota del preset</translation>
    </message>
    <message>
        <source>Tags of the preset</source>
        <translation>Etiquetas del preset</translation>
    </message>
    <message>
        <source>Find by tag</source>
        <translation>Buscar por etiqueta</translation>
    </message>
    <message>
        <source>Note of preset %1</source>
        <translation>Nota del preset %1</translation>
    </message>
    <message>
        <source>Tags of preset %1</source>
        <translation>Etiquetas del preset %1</translation>
    </message>
    <message>
        <source>The tags are kept as they were.</source>
        <translation>Las etiquetas se quedan como estaban.</translation>
    </message>
    <message>
        <source>All presets</source>
        <translation>Todos los presets</translation>
    </message>
    <message>
        <source>The presets were saved, but the notes couldn&apos;t be written to %1: %2. Your notes are still here.</source>
        <translation>Los presets se guardaron, pero las notas no se pudieron escribir en %1: %2. Sus notas siguen aquí.</translation>
    </message>
    <message>
        <source>Print Setlist</source>
        <translation>Imprimir setlist</translation>
    </message>
    <message>
        <source>The setlist can show the tags and the first line of the note under each name.</source>
        <translation>La setlist puede mostrar las etiquetas y la primera línea de la nota bajo cada nombre.</translation>
    </message>
    <message>
        <source>Names Only</source>
        <translation>Solo nombres</translation>
    </message>
    <message>
        <source>With Tags and Notes</source>
        <translation>Con etiquetas y notas</translation>
    </message>
</context>
<context>
    <name>memorycheckdialog</name>
    <message>
        <source>Check of the Memory</source>
        <translation>Comprobación de la memoria</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>No se ha encontrado nada.</translation>
    </message>
    <message>
        <source>Choose a finding to select its presets in the library</source>
        <translation>Elija un hallazgo para seleccionar sus presets en la biblioteca</translation>
    </message>
    <message>
        <source>Findings of the check</source>
        <translation>Hallazgos de la comprobación</translation>
    </message>
    <message>
        <source>Nothing found: the memory is ready to send.</source>
        <translation>No se ha encontrado nada: la memoria está lista para enviarse.</translation>
    </message>
    <message>
        <source>Problems: %1. Warnings: %2. Notes: %3. Choose one to select its presets.</source>
        <translation>Problemas: %1. Avisos: %2. Notas: %3. Elija uno para seleccionar sus presets.</translation>
    </message>
</context>
<context>
    <name>midiportsdialog</name>
    <message>
        <source>MIDI Ports Selection</source>
        <translation>Selección de puertos MIDI</translation>
    </message>
    <message>
        <source>MIDI Input Port:</source>
        <translation>Puerto de entrada MIDI:</translation>
    </message>
    <message>
        <source>MIDI Output Port:</source>
        <translation>Puerto de salida MIDI:</translation>
    </message>
</context>
<context>
    <name>monitordialog</name>
    <message>
        <source>MIDI Monitor</source>
        <translation>Monitor MIDI</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Entrada:</translation>
    </message>
    <message>
        <source>Choosing an input listens to it at once</source>
        <translation>Al elegir una entrada se escucha al instante</translation>
    </message>
    <message>
        <source>Show &amp;clock and active sensing</source>
        <translation>Mostrar re&amp;loj y detección activa</translation>
    </message>
    <message>
        <source>Choose an input to listen to.</source>
        <translation>Elija una entrada para escuchar.</translation>
    </message>
    <message>
        <source>No messages</source>
        <translation>Sin mensajes</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>While paused, messages are counted but not listed</source>
        <translation>En pausa, los mensajes se cuentan pero no se listan</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Save Log...</source>
        <translation>&amp;Guardar registro...</translation>
    </message>
    <message>
        <source>Writes the lines as text, and their SysEx messages beside it as a .syx file</source>
        <translation>Escribe las líneas como texto y sus mensajes SysEx al lado como archivo .syx</translation>
    </message>
    <message>
        <source>MIDI input to listen to</source>
        <translation>Entrada MIDI que se escucha</translation>
    </message>
    <message>
        <source>Messages heard</source>
        <translation>Mensajes recibidos</translation>
    </message>
    <message>
        <source>Show clock and active sensing</source>
        <translation>Mostrar reloj y detección activa</translation>
    </message>
    <message>
        <source>Pause the list</source>
        <translation>Pausar la lista</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Save the list as a log</source>
        <translation>Guardar la lista como registro</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Sin escuchar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Save Monitor Log</source>
        <translation>Guardar registro del monitor</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Not listening.</source>
        <translation>No se está escuchando.</translation>
    </message>
    <message>
        <source>The input %1 is not there any more.</source>
        <translation>La entrada %1 ya no está.</translation>
    </message>
    <message>
        <source>the port could not be opened</source>
        <translation>no se pudo abrir el puerto</translation>
    </message>
    <message>
        <source>Couldn&apos;t listen to %1: %2</source>
        <translation>No se pudo escuchar %1: %2</translation>
    </message>
    <message>
        <source>Listening to %1.</source>
        <translation>Escuchando %1.</translation>
    </message>
    <message>
        <source>The input %1 went away: the interface was unplugged or its MIDI system stopped. Choose it again once it is back.</source>
        <translation>La entrada %1 ha desaparecido: se desconectó la interfaz o se detuvo su sistema MIDI. Elíjala de nuevo cuando vuelva.</translation>
    </message>
    <message>
        <source>%1 shown of %2 received</source>
        <translation>%1 mostrados de %2 recibidos</translation>
    </message>
    <message>
        <source>%1 sent by the editor</source>
        <translation>%1 enviados por el editor</translation>
    </message>
    <message>
        <source>%1 older lines dropped</source>
        <translation>%1 líneas antiguas descartadas</translation>
    </message>
    <message>
        <source>%1 messages lost before they could be listed</source>
        <translation>%1 mensajes perdidos antes de poder listarlos</translation>
    </message>
    <message>
        <source>The log was not saved to %1: %2</source>
        <translation>El registro no se guardó en %1: %2</translation>
    </message>
    <message>
        <source>Saved %1 lines to %2.</source>
        <translation>%1 líneas guardadas en %2.</translation>
    </message>
    <message>
        <source>The log was saved, but its SysEx messages were not saved to %1: %2</source>
        <translation>El registro se guardó, pero sus mensajes SysEx no se guardaron en %1: %2</translation>
    </message>
    <message>
        <source>Saved %1 lines to %2 and their SysEx messages to %3.</source>
        <translation>%1 líneas guardadas en %2 y sus mensajes SysEx en %3.</translation>
    </message>
</context>
<context>
    <name>overridesdialog</name>
    <message>
        <source>Overrides</source>
        <translation>Sustituciones</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Instant Access</source>
        <translation>Acceso directo</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Device (MIDI Channel)</source>
        <translation>Dispositivo (canal MIDI)</translation>
    </message>
    <message>
        <source>Control Change</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>On-Value</source>
        <translation>Valor enc.</translation>
    </message>
    <message>
        <source>Off-Value</source>
        <translation>Valor apag.</translation>
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
        <translation>Sustitución del pulsador %1, %2</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>presetname</source>
        <translation>presetname</translation>
    </message>
    <message>
        <source>Edit Control Changes</source>
        <translation>Editar cambios de control</translation>
    </message>
    <message>
        <source>Edit Instant Access Overrides</source>
        <translation>Editar sustituciones de acceso directo</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Program Change Enabled</source>
        <translation>Cambio de programa activo</translation>
    </message>
    <message>
        <source>Bank Select</source>
        <translation>Selección de banco</translation>
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
        <translation>Número de programa</translation>
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
        <translation>Relé 1</translation>
    </message>
    <message>
        <source>Relay 2</source>
        <translation>Relé 2</translation>
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
        <translation>Salida</translation>
    </message>
    <message>
        <source>Expression Pedal</source>
        <translation>Pedal de expresión</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Control Change</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambio</translation>
    </message>
    <message>
        <source>¿Save preset changes?</source>
        <translation>¿Guardar los cambios del preset?</translation>
    </message>
    <message>
        <source>Program change for %1, %2</source>
        <comment>device, then the column&apos;s title</comment>
        <translation>Cambio de programa para %1, %2</translation>
    </message>
    <message>
        <source>Expression pedal %1 %2</source>
        <comment>pedal number, then the column&apos;s title</comment>
        <translation>%2 del pedal de expresión %1</translation>
    </message>
    <message>
        <source>Notes and tags are edited in the Library, below its table</source>
        <translation>Las notas y etiquetas se editan en la Biblioteca, bajo su tabla</translation>
    </message>
    <message>
        <source>Notes of the preset</source>
        <translation>Notas del preset</translation>
    </message>
    <message>
        <source>No note or tags for this preset</source>
        <translation>Este preset no tiene nota ni etiquetas</translation>
    </message>
</context>
<context>
    <name>utilitydialog</name>
    <message>
        <source>Utility</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Import Kestrel SysEx</source>
        <translation>Importar SysEx de Kestrel</translation>
    </message>
    <message>
        <source>Import Vektor SysEx</source>
        <translation>Importar SysEx de Vektor</translation>
    </message>
    <message>
        <source>Send SysEx</source>
        <translation>Enviar SysEx</translation>
    </message>
    <message>
        <source>Receive Dump</source>
        <translation>Recibir volcado</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Stop sending before the next message</source>
        <translation>Detener el envío antes del siguiente mensaje</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Restablecer valores de fábrica</translation>
    </message>
    <message>
        <source>Copy Preset &gt;&gt;</source>
        <translation>Copiar preset &gt;&gt;</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <translation>quedan unos %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>quedan unos %1 min</translation>
    </message>
    <message>
        <source>about %1 min %2 s left</source>
        <translation>quedan unos %1 min %2 s</translation>
    </message>
    <message>
        <source>Message %1 of %2 — %3</source>
        <translation>Mensaje %1 de %2 — %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2 was left unchanged.</source>
        <translation>No se pudo leer %1: %2 no se ha modificado.</translation>
    </message>
    <message>
        <source>%1 holds no data packet: %2 was left unchanged.</source>
        <translation>%1 no contiene ningún paquete de datos: %2 no se ha modificado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t keep a copy of %1 as %2 (%3), so it was left unchanged.</source>
        <translation>No se pudo conservar una copia de %1 como %2 (%3), así que no se ha modificado.</translation>
    </message>
    <message>
        <source>%1 does not look like a sound Vektor memory dump:</source>
        <translation>%1 no parece un volcado de memoria de Vektor en buen estado:</translation>
    </message>
    <message>
        <source>Replace %1 with what the dump holds anyway? (The current file is kept as %2.)</source>
        <translation>¿Sustituir %1 por el contenido del volcado de todos modos? (El archivo actual se conserva como %2.)</translation>
    </message>
    <message>
        <source>Copied %1 to %2</source>
        <translation>Se copió %1 en %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: it was left unchanged.</source>
        <translation>No se pudo escribir %1: no se ha modificado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the Kestrel memory file %1: nothing was imported.</source>
        <translation>No se pudo leer el archivo de memoria de Kestrel %1: no se importó nada.</translation>
    </message>
    <message>
        <source>The Kestrel memory file %1 is empty: nothing was imported.</source>
        <translation>El archivo de memoria de Kestrel %1 está vacío: no se importó nada.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a Kestrel memory holds %3. Import it anyway? (The current %4 is kept as %5.)</source>
        <translation>%1 contiene %2 bytes; una memoria de Kestrel contiene %3. ¿Importarlo de todos modos? (El archivo actual %4 se conserva como %5.)</translation>
    </message>
    <message>
        <source>Dump packets: 0</source>
        <translation>Paquetes del volcado: 0</translation>
    </message>
    <message>
        <source>Dump packets: %1, checksums OK</source>
        <translation>Paquetes del volcado: %1, sumas de verificación correctas</translation>
    </message>
    <message>
        <source>Dump packets: %1, 1 with a bad checksum</source>
        <translation>Paquetes del volcado: %1, 1 con suma de verificación errónea</translation>
    </message>
    <message>
        <source>Dump packets: %1, %2 with bad checksums</source>
        <translation>Paquetes del volcado: %1, %2 con suma de verificación errónea</translation>
    </message>
    <message>
        <source>No MIDI system could be opened on this computer, so there are no MIDI ports to use.
</source>
        <translation>No se pudo abrir ningún sistema MIDI en este ordenador, así que no hay puertos MIDI que usar.
</translation>
    </message>
    <message>
        <source>There are no MIDI output ports available.
</source>
        <translation>No hay puertos de salida MIDI disponibles.
</translation>
    </message>
    <message>
        <source>There are no MIDI input ports available.
</source>
        <translation>No hay puertos de entrada MIDI disponibles.
</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, more than one dump can carry: nothing was sent.</source>
        <translation>%1 tiene más de %2 bytes, más de lo que cabe en un volcado: no se envió nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: nothing was sent.</source>
        <translation>No se pudo leer %1: no se envió nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1 (%2): nothing was sent.</source>
        <translation>No se pudo escribir %1 (%2): no se envió nada.</translation>
    </message>
    <message>
        <source>Output port is in use.
</source>
        <translation>El puerto de salida está en uso.
</translation>
    </message>
    <message>
        <source>Couldn&apos;t open output port.
</source>
        <translation>No se pudo abrir el puerto de salida.
</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away before the first message: nothing reached the controller.

Connect the interface again and press Update Firmware once more.</source>
        <translation>La salida MIDI %1 desapareció antes del primer mensaje: no llegó nada al controlador.

Vuelve a conectar la interfaz y pulsa «Actualizar firmware» otra vez.</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away before the first message: nothing reached the controller.

Connect the interface again and press Send SysEx once more.</source>
        <translation>La salida MIDI %1 desapareció antes del primer mensaje: no llegó nada al controlador.

Vuelve a conectar la interfaz y pulsa «Enviar SysEx» otra vez.</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away after %2 of %3 messages.

The controller holds only part of the firmware. Connect the interface again and press Update Firmware once more.</source>
        <translation>La salida MIDI %1 desapareció después de %2 de %3 mensajes.

El controlador solo tiene una parte del firmware. Vuelve a conectar la interfaz y pulsa «Actualizar firmware» otra vez.</translation>
    </message>
    <message>
        <source>The MIDI output %1 went away after %2 of %3 messages.

The controller holds only part of the dump. Connect the interface again and press Send SysEx once more.</source>
        <translation>La salida MIDI %1 desapareció después de %2 de %3 mensajes.

El controlador solo tiene una parte del volcado. Vuelve a conectar la interfaz y pulsa «Enviar SysEx» otra vez.</translation>
    </message>
    <message>
        <source>Sending was cancelled before the first message: nothing reached the controller.</source>
        <translation>El envío se canceló antes del primer mensaje: no llegó nada al controlador.</translation>
    </message>
    <message>
        <source>Sending was cancelled after %1 of %2 messages.

The controller has received only part of the firmware. Press Update Firmware again and let it run to the end.</source>
        <translation>El envío se canceló después de %1 de %2 mensajes.

El controlador solo ha recibido una parte del firmware. Pulsa «Actualizar firmware» otra vez y deja que llegue hasta el final.</translation>
    </message>
    <message>
        <source>Sending was cancelled after %1 of %2 messages.

The controller has received only part of the dump. Press Send SysEx again and let it run to the end.</source>
        <translation>El envío se canceló después de %1 de %2 mensajes.

El controlador solo ha recibido una parte del volcado. Pulsa «Enviar SysEx» otra vez y deja que llegue hasta el final.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;%1 bytes received&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;%1 bytes recibidos&lt;/font&gt;</translation>
    </message>
    <message>
        <source>%1 — the MIDI input %2 has gone away. Press Stop to keep what arrived.</source>
        <translation>%1 — la entrada MIDI %2 ha desaparecido. Pulsa «Detener» para conservar lo recibido.</translation>
    </message>
    <message>
        <source>The recording was cut: it filled all %1 bytes of the reception buffer, and the %2 bytes that came after were dropped.</source>
        <translation>La grabación se cortó: llenó los %1 bytes del búfer de recepción, y los %2 bytes que llegaron después se descartaron.</translation>
    </message>
    <message>
        <source>Nothing was received: %1 was left unchanged.</source>
        <translation>No se recibió nada: %1 no se ha modificado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the recording to %1 (%3): %2 was left unchanged.</source>
        <translation>No se pudo guardar la grabación en %1 (%3): %2 no se ha modificado.</translation>
    </message>
    <message>
        <source>Earlier versions of the configuration file: compare, restore or export them</source>
        <translation>Versiones anteriores del archivo de configuración: compararlas, restaurarlas o exportarlas</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
    <message>
        <source>A reception is running: press Stop first.</source>
        <translation>Hay una recepción en curso: pulse primero Detener.</translation>
    </message>
    <message>
        <source>The MIDI output %1 is no longer there (an interface was plugged in or out meanwhile): nothing was sent.
</source>
        <translation>La salida MIDI %1 ya no está (mientras tanto se conectó o desconectó una interfaz): no se envió nada.
</translation>
    </message>
    <message>
        <source>A reception is running: press Stop to end it first.</source>
        <translation>Hay una recepción en curso: termínela primero con Detener.</translation>
    </message>
    <message>
        <source>The MIDI input %1 is no longer there (an interface was plugged in or out meanwhile): nothing is being recorded.
</source>
        <translation>La entrada MIDI %1 ya no está (mientras tanto se conectó o desconectó una interfaz): no se graba nada.
</translation>
    </message>
    <message>
        <source>Preset to copy</source>
        <translation>Preset que se copia</translation>
    </message>
    <message>
        <source>Preset to copy it over</source>
        <translation>Preset que se sobrescribe</translation>
    </message>
</context>
<context>
    <name>PresetSoundColumn</name>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Choose a Sound</source>
        <translation>Elegir un sonido</translation>
    </message>
    <message>
        <source>Sounds of device %1:</source>
        <translation>Sonidos del dispositivo %1:</translation>
    </message>
    <message>
        <source>Ctrl+F or the context menu of a program list chooses the sound by name</source>
        <translation>Ctrl+F o el menú contextual de una lista de programas elige el sonido por su nombre</translation>
    </message>
    <message>
        <source>Choose the Sound by Name...</source>
        <translation>Elegir el sonido por su nombre...</translation>
    </message>
</context>
<context>
    <name>RigNamesLoading</name>
    <message>
        <source>Rig Names</source>
        <translation>Nombres del equipo</translation>
    </message>
    <message>
        <source>The names of the rig were not read, so none are shown: %1</source>
        <translation>No se leyeron los nombres del equipo, así que no se muestra ninguno: %1</translation>
    </message>
</context>
<context>
    <name>RigSoundText</name>
    <message>
        <source>%1 - program %2</source>
        <translation>%1 - programa %2</translation>
    </message>
    <message>
        <source>%1 - bank %2/%3, program %4</source>
        <translation>%1 - banco %2/%3, programa %4</translation>
    </message>
    <message>
        <source>Control change %1: %2</source>
        <translation>Cambio de control %1: %2</translation>
    </message>
</context>
<context>
    <name>namechooserdialog</name>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Escriba parte de un nombre</translation>
    </message>
    <message>
        <source>Find a name</source>
        <translation>Buscar un nombre</translation>
    </message>
    <message>
        <source>Names found</source>
        <translation>Nombres encontrados</translation>
    </message>
</context>
<context>
    <name>rignamesdialog</name>
    <message>
        <source>Rig Names</source>
        <translation>Nombres del equipo</translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>&amp;Dispositivos:</translation>
    </message>
    <message>
        <source>No names</source>
        <translation>Sin nombres</translation>
    </message>
    <message>
        <source>Choose Device...</source>
        <translation>Elegir dispositivo...</translation>
    </message>
    <message>
        <source>Names from a MIDNAM file installed on this computer</source>
        <translation>Nombres de un archivo MIDNAM instalado en este equipo</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Names from a MIDNAM file or a list with one name per line</source>
        <translation>Nombres de un archivo MIDNAM o de una lista con un nombre por línea</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Removes every name of the chosen device</source>
        <translation>Quita todos los nombres del dispositivo elegido</translation>
    </message>
    <message>
        <source>Export MIDNAM...</source>
        <translation>Exportar MIDNAM...</translation>
    </message>
    <message>
        <source>Writes the names of the whole rig as one MIDNAM file for a DAW</source>
        <translation>Escribe los nombres de todo el equipo en un archivo MIDNAM para una DAW</translation>
    </message>
    <message>
        <source>&amp;Sounds:</source>
        <translation>&amp;Sonidos:</translation>
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
        <translation>Programa</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>C&amp;ontrols:</source>
        <translation>C&amp;ontroles:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Sounds of the chosen device</source>
        <translation>Sonidos del dispositivo elegido</translation>
    </message>
    <message>
        <source>Control names of the chosen device</source>
        <translation>Nombres de los controles del dispositivo elegido</translation>
    </message>
    <message>
        <source>Where the names come from</source>
        <translation>De dónde vienen los nombres</translation>
    </message>
    <message>
        <source>No names yet: choose a device, import a file or type them below.</source>
        <translation>Aún no hay nombres: elija un dispositivo, importe un archivo o escríbalos abajo.</translation>
    </message>
    <message>
        <source>%1, mode %2</source>
        <translation>%1, modo %2</translation>
    </message>
    <message>
        <source>Choose a Mode</source>
        <translation>Elegir un modo</translation>
    </message>
    <message>
        <source>The file holds the names of several models or modes:</source>
        <translation>El archivo contiene los nombres de varios modelos o modos:</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Importar una lista</translation>
    </message>
    <message>
        <source>Which program change does the first name of the list have?</source>
        <translation>¿Qué cambio de programa tiene el primer nombre de la lista?</translation>
    </message>
    <message>
        <source>Program &amp;0</source>
        <translation>Programa &amp;0</translation>
    </message>
    <message>
        <source>Program &amp;1</source>
        <translation>Programa &amp;1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>%1 was not taken: %2</source>
        <translation>No se tomó %1: %2</translation>
    </message>
    <message>
        <source>%1 was taken, with these notes:
%2</source>
        <translation>Se tomó %1, con estas notas:
%2</translation>
    </message>
    <message>
        <source>Choose Device</source>
        <translation>Elegir dispositivo</translation>
    </message>
    <message>
        <source>No MIDNAM files are installed. Install the ardour-data package, or put files in a folder named midnam beside the memory file.</source>
        <translation>No hay archivos MIDNAM instalados. Instale el paquete ardour-data o ponga archivos en una carpeta llamada midnam junto al archivo de memoria.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Manufacturer and model:</source>
        <translation>Fabricante y modelo:</translation>
    </message>
    <message>
        <source>Import Names</source>
        <translation>Importar nombres</translation>
    </message>
    <message>
        <source>MIDNAM files (*.midnam);;Lists of names (*.txt);;All files (*)</source>
        <translation>Archivos MIDNAM (*.midnam);;Listas de nombres (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export MIDNAM</source>
        <translation>Exportar MIDNAM</translation>
    </message>
    <message>
        <source>MIDNAM files (*.midnam)</source>
        <translation>Archivos MIDNAM (*.midnam)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>No se escribió %1: %2</translation>
    </message>
    <message>
        <source>No memory file is in use, so the names have nowhere to be kept.</source>
        <translation>No hay ningún archivo de memoria en uso, así que los nombres no tienen dónde guardarse.</translation>
    </message>
    <message>
        <source>The names were not saved: %1</source>
        <translation>No se guardaron los nombres: %1</translation>
    </message>
    <message>
        <source>Add a Sound</source>
        <translation>Añadir un sonido</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
</TS>
