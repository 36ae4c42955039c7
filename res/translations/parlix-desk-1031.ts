<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Version %1!d!.%2!d!.%3!d! (Build %4!d!)</source>
        <translation>Version %1!d!.%2!d!.%3!d! (Build %4!d!)</translation>
    </message>
    <message>
        <source>About Parlix Desk</source>
        <translation>Über Parlix Desk</translation>
    </message>
    <message>
        <source>Parlix Desk</source>
        <translation>Parlix Desk</translation>
    </message>
    <message>
        <source>For updated software and documentation go to </source>
        <translation>Aktuelle Software und Dokumentation finden Sie unter </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CodeGenerator</name>
    <message>
        <source>No code generation template is available!</source>
        <translation>Es ist keine Vorlage für die Codeerzeugung verfügbar!</translation>
    </message>
    <message>
        <source>No code generation template selected!</source>
        <translation>Keine Vorlage für die Codeerzeugung ausgewählt!</translation>
    </message>
</context>
<context>
    <name>CommandFile</name>
    <message>
        <source>Cannot import commands while the module is busy!</source>
        <translation>Befehle können nicht importiert werden, solange das Modul beschäftigt ist!</translation>
    </message>
    <message>
        <source>Cannot open the specified file!</source>
        <translation>Die angegebene Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Invalid command file format or empty file!</source>
        <translation>Ungültiges Format der Befehlsdatei oder leere Datei!</translation>
    </message>
    <message>
        <source>Failed to import command data.

Import may be incomplete!</source>
        <translation>Import der Befehlsdaten fehlgeschlagen.

Der Import ist möglicherweise unvollständig!</translation>
    </message>
    <message>
        <source>No more room for commands in group %d.

Import may be incomplete!</source>
        <translation>Kein Platz mehr für Befehle in Gruppe %d.

Der Import ist möglicherweise unvollständig!</translation>
    </message>
    <message>
        <source>Failed to reduce command group %d.

Import may be incomplete!</source>
        <translation>Befehlsgruppe %d konnte nicht verkleinert werden.

Der Import ist möglicherweise unvollständig!</translation>
    </message>
    <message>
        <source>Failed to resize command group %d.

Import may be incomplete!</source>
        <translation>Größe der Befehlsgruppe %d konnte nicht geändert werden.

Der Import ist möglicherweise unvollständig!</translation>
    </message>
    <message>
        <source>Could not write the command file &quot;%s&quot;.
</source>
        <translation>Die Befehlsdatei &quot;%s&quot; konnte nicht geschrieben werden.
</translation>
    </message>
    <message>
        <source>
The following system error occurred:
</source>
        <translation>
Folgender Systemfehler ist aufgetreten:
</translation>
    </message>
    <message>
        <source>The module is now partly overwritten (group %d partly written). Import the file again.</source>
        <translation>Das Modul ist jetzt teilweise überschrieben (Gruppe %d teilweise geschrieben). Importieren Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>The module is now partly overwritten (groups replaced: %s). Import the file again.</source>
        <translation>Das Modul ist jetzt teilweise überschrieben (ersetzte Gruppen: %s). Importieren Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>The module is now partly overwritten (groups replaced: %s; group %d partly written). Import the file again.</source>
        <translation>Das Modul ist jetzt teilweise überschrieben (ersetzte Gruppen: %s; Gruppe %d teilweise geschrieben). Importieren Sie die Datei erneut.</translation>
    </message>
</context>
<context>
    <name>CommandView</name>
    <message>
        <source>N/A</source>
        <translation>n. v.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Trained</source>
        <translation>Trainiert</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Message Status</source>
        <translation>Nachrichtenstatus</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>Length (Bytes)</source>
        <translation>Länge (Bytes)</translation>
    </message>
    <message>
        <source>Time (min:sec)</source>
        <translation>Dauer (min:s)</translation>
    </message>
    <message>
        <source>%s Command List</source>
        <translation>Befehlsliste: %s</translation>
    </message>
    <message>
        <source>Sentence List</source>
        <translation>Satzliste</translation>
    </message>
    <message>
        <source>Message List</source>
        <translation>Nachrichtenliste</translation>
    </message>
    <message>
        <source>Group %s Command List</source>
        <translation>Befehlsliste der Gruppe %s</translation>
    </message>
    <message>
        <source>Wordset %s Command List</source>
        <translation>Befehlsliste des Wortsatzes %s</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Could not play sentence %d.
</source>
        <translation>Satz %d konnte nicht abgespielt werden.
</translation>
    </message>
    <message>
        <source>No reply while playing sentence %d.
</source>
        <translation>Keine Antwort beim Abspielen von Satz %d.
</translation>
    </message>
    <message>
        <source>Could not play tone %d.
</source>
        <translation>Ton %d konnte nicht abgespielt werden.
</translation>
    </message>
    <message>
        <source>No reply while playing tone %d.
</source>
        <translation>Keine Antwort beim Abspielen von Ton %d.
</translation>
    </message>
    <message>
        <source>Could not send token %d with %d bits, delayed by %d ms.
</source>
        <translation>Token %d mit %d Bit, um %d ms verzögert, konnte nicht gesendet werden.
</translation>
    </message>
    <message>
        <source>No reply while sending token %d with %d bits, delayed by %d ms.
</source>
        <translation>Keine Antwort beim Senden von Token %d mit %d Bit, um %d ms verzögert.
</translation>
    </message>
    <message>
        <source>Could not receive token with %d bits, rejection %d, timeout %d ms.
</source>
        <translation>Token mit %d Bit, Zurückweisung %d, Zeitlimit %d ms konnte nicht empfangen werden.
</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Empfange...</translation>
    </message>
    <message>
        <source>No reply while receiving token with %d bits, rejection %d, timeout %d ms.
</source>
        <translation>Keine Antwort beim Empfangen eines Tokens mit %d Bit, Zurückweisung %d, Zeitlimit %d ms.
</translation>
    </message>
    <message>
        <source>Timeout expired.
</source>
        <translation>Zeitüberschreitung.
</translation>
    </message>
    <message>
        <source>Could not query output pin %d.
</source>
        <translation>Ausgangspin %d konnte nicht abgefragt werden.
</translation>
    </message>
    <message>
        <source>No reply while querying output pin %d.
</source>
        <translation>Keine Antwort beim Abfragen von Ausgangspin %d.
</translation>
    </message>
    <message>
        <source>Could not query input pin %d.
</source>
        <translation>Eingangspin %d konnte nicht abgefragt werden.
</translation>
    </message>
    <message>
        <source>No reply while querying input pin %d.
</source>
        <translation>Keine Antwort beim Abfragen von Eingangspin %d.
</translation>
    </message>
    <message>
        <source>Could not start real-time lipsync with threshold %d and timeout %d.
</source>
        <translation>Echtzeit-Lippensynchronisation mit Schwellwert %d und Zeitlimit %d konnte nicht gestartet werden.
</translation>
    </message>
    <message>
        <source>No reply to real-time lipsync with threshold %d and timeout %d.
</source>
        <translation>Keine Antwort auf Echtzeit-Lippensynchronisation mit Schwellwert %d und Zeitlimit %d.
</translation>
    </message>
    <message>
        <source>Unexpected reply (0x%02X).
</source>
        <translation>Unerwartete Antwort (0x%02X).
</translation>
    </message>
    <message>
        <source>Could not create command %d of group %d.
</source>
        <translation>Befehl %d der Gruppe %d konnte nicht erstellt werden.
</translation>
    </message>
    <message>
        <source>Could not remove command %d of group %d.
</source>
        <translation>Befehl %d der Gruppe %d konnte nicht entfernt werden.
</translation>
    </message>
    <message>
        <source>Could not erase command %d of group %d.
</source>
        <translation>Befehl %d der Gruppe %d konnte nicht gelöscht werden.
</translation>
    </message>
    <message>
        <source>Could not rename command %d of group %d.
</source>
        <translation>Befehl %d der Gruppe %d konnte nicht umbenannt werden.
</translation>
    </message>
    <message>
        <source>Could not import command %d in group %d.
</source>
        <translation>Befehl %d konnte nicht in Gruppe %d importiert werden.
</translation>
    </message>
    <message>
        <source>Importing command %d in group %d...<byte value="xd"/>
(Please wait)</source>
        <translation>Befehl %d wird in Gruppe %d importiert...<byte value="xd"/>
(Bitte warten)</translation>
    </message>
    <message>
        <source>Unexpected or invalid data.
</source>
        <translation>Unerwartete oder ungültige Daten.
</translation>
    </message>
    <message>
        <source>Unexpected reply (0x%02X) or invalid arguments.
</source>
        <translation>Unerwartete Antwort (0x%02X) oder ungültige Argumente.
</translation>
    </message>
    <message>
        <source>Training ended with error. Could not retrieve error code.
</source>
        <translation>Training mit Fehler beendet. Der Fehlercode konnte nicht abgerufen werden.
</translation>
    </message>
    <message>
        <source>Recognition failed. Could not retrieve error code.
</source>
        <translation>Erkennung fehlgeschlagen. Der Fehlercode konnte nicht abgerufen werden.
</translation>
    </message>
    <message>
        <source>Training ended with error (0x%02X).
</source>
        <translation>Training mit Fehler beendet (0x%02X).
</translation>
    </message>
    <message>
        <source>Training error: %s.
</source>
        <translation>Trainingsfehler: %s.
</translation>
    </message>
    <message>
        <source>Recognition failed with error (0x%02X).
</source>
        <translation>Erkennung fehlgeschlagen (Fehler 0x%02X).
</translation>
    </message>
    <message>
        <source>Recognition error: %s.
</source>
        <translation>Erkennungsfehler: %s.
</translation>
    </message>
    <message>
        <source>Trained command similar to another. Could not retrieve which one.
</source>
        <translation>Der trainierte Befehl ähnelt einem anderen. Es konnte nicht ermittelt werden, welchem.
</translation>
    </message>
    <message>
        <source>Trained command %d is similar to command %d in the same group.
</source>
        <translation>Der trainierte Befehl %d ähnelt Befehl %d derselben Gruppe.
</translation>
    </message>
    <message>
        <source>Trained command %d is similar to trigger word.
</source>
        <translation>Der trainierte Befehl %d ähnelt dem Aktivierungswort.
</translation>
    </message>
    <message>
        <source>Recognized a word. Could not retrieve which one.
</source>
        <translation>Ein Wort wurde erkannt. Es konnte nicht ermittelt werden, welches.
</translation>
    </message>
    <message>
        <source>Recognized a command. Could not retrieve which one.
</source>
        <translation>Ein Befehl wurde erkannt. Es konnte nicht ermittelt werden, welcher.
</translation>
    </message>
    <message>
        <source>Recognized word %d.
</source>
        <translation>Wort %d erkannt.
</translation>
    </message>
    <message>
        <source>Recognized command %d.
</source>
        <translation>Befehl %d erkannt.
</translation>
    </message>
    <message>
        <source>Recognized trigger word.
</source>
        <translation>Aktivierungswort erkannt.
</translation>
    </message>
    <message>
        <source>too long (memory overflow)</source>
        <translation>zu lang (Speicherüberlauf)</translation>
    </message>
    <message>
        <source>too noisy</source>
        <translation>zu viele Störgeräusche</translation>
    </message>
    <message>
        <source>spoke too soft</source>
        <translation>zu leise gesprochen</translation>
    </message>
    <message>
        <source>spoke too loud</source>
        <translation>zu laut gesprochen</translation>
    </message>
    <message>
        <source>spoke too soon</source>
        <translation>zu früh gesprochen</translation>
    </message>
    <message>
        <source>too many segments/too complex</source>
        <translation>zu viele Segmente/zu komplex</translation>
    </message>
    <message>
        <source>invalid setup</source>
        <translation>ungültige Einstellung</translation>
    </message>
    <message>
        <source>recognition failed</source>
        <translation>Erkennung fehlgeschlagen</translation>
    </message>
    <message>
        <source>recognition result is inaccurate</source>
        <translation>Erkennungsergebnis ungenau</translation>
    </message>
    <message>
        <source>recognition result is doubtful</source>
        <translation>Erkennungsergebnis zweifelhaft</translation>
    </message>
    <message>
        <source>invalid SD/SV template</source>
        <translation>ungültige SD/SV-Vorlage</translation>
    </message>
    <message>
        <source>bad pattern durations</source>
        <translation>fehlerhafte Musterdauern</translation>
    </message>
    <message>
        <source>RSC code/ROM versions don&apos;t match</source>
        <translation>Versionen von RSC-Code und ROM passen nicht zusammen</translation>
    </message>
    <message>
        <source>reached limit of available RAM</source>
        <translation>Grenze des verfügbaren RAM erreicht</translation>
    </message>
    <message>
        <source>ran out of time to process</source>
        <translation>Verarbeitungszeit überschritten</translation>
    </message>
    <message>
        <source>net structure incompatibility</source>
        <translation>inkompatible Netzstruktur</translation>
    </message>
    <message>
        <source>trigger recognized Out of Vocabulary</source>
        <translation>Trigger außerhalb des Vokabulars erkannt</translation>
    </message>
    <message>
        <source>none of the above</source>
        <translation>keiner der obigen</translation>
    </message>
    <message>
        <source>Could not train command %d of group %d.
</source>
        <translation>Befehl %d der Gruppe %d konnte nicht trainiert werden.
</translation>
    </message>
    <message>
        <source>Speak now...</source>
        <translation>Jetzt sprechen...</translation>
    </message>
    <message>
        <source>Could not verify command %d of group %d.
</source>
        <translation>Befehl %d der Gruppe %d konnte nicht überprüft werden.
</translation>
    </message>
    <message>
        <source>Could not recognize commands in group %d.
</source>
        <translation>Befehle der Gruppe %d konnten nicht erkannt werden.
</translation>
    </message>
    <message>
        <source>Could not recognize word in set %d.
</source>
        <translation>Wort aus Wortsatz %d konnte nicht erkannt werden.
</translation>
    </message>
    <message>
        <source>Could not record message %d with %d bits, timeout %d ms.
</source>
        <translation>Nachricht %d mit %d Bit, Zeitlimit %d ms konnte nicht aufgenommen werden.
</translation>
    </message>
    <message>
        <source>Interrupted.
</source>
        <translation>Unterbrochen.
</translation>
    </message>
    <message>
        <source>Memory full.
</source>
        <translation>Speicher voll.
</translation>
    </message>
    <message>
        <source>Could not play message %d.
</source>
        <translation>Nachricht %d konnte nicht abgespielt werden.
</translation>
    </message>
    <message>
        <source>No reply while playing message %d.
</source>
        <translation>Keine Antwort beim Abspielen von Nachricht %d.
</translation>
    </message>
    <message>
        <source>Could not erase message %d.
</source>
        <translation>Nachricht %d konnte nicht gelöscht werden.
</translation>
    </message>
    <message>
        <source>Could not open the port &quot;%s&quot;.
</source>
        <translation>Der Port &quot;%s&quot; konnte nicht geöffnet werden.
</translation>
    </message>
    <message>
        <source>Could not detect device connected to port &quot;%s&quot;.
</source>
        <translation>Am Port &quot;%s&quot; wurde kein angeschlossenes Gerät erkannt.
</translation>
    </message>
    <message>
        <source>Detected %s on %s...</source>
        <translation>%s an %s erkannt...</translation>
    </message>
    <message>
        <source>Could not connect to device at port &quot;%s&quot;.
</source>
        <translation>Keine Verbindung zum Gerät am Port &quot;%s&quot; möglich.
</translation>
    </message>
    <message>
        <source>Connected to %s on %s</source>
        <translation>Verbunden mit %s an %s</translation>
    </message>
    <message>
        <source>A &apos;%1&apos; device has been found, but the &quot;bridge&quot; software is not responding or it is outdated.

You need to manually download the updated &quot;bridge&quot; software to the device (see instructions).
</source>
        <translation>Ein Gerät &apos;%1&apos; wurde gefunden, aber die &quot;Bridge&quot;-Software antwortet nicht oder ist veraltet.

Sie müssen die aktualisierte &quot;Bridge&quot;-Software manuell auf das Gerät laden (siehe Anleitung).
</translation>
    </message>
    <message>
        <source>A &apos;%1&apos; device has been found, but the &quot;bridge&quot; software is not responding or it is outdated.

Do you want to download the updated &quot;bridge&quot; software to the device?</source>
        <translation>Ein Gerät &apos;%1&apos; wurde gefunden, aber die &quot;Bridge&quot;-Software antwortet nicht oder ist veraltet.

Möchten Sie die aktualisierte &quot;Bridge&quot;-Software auf das Gerät laden?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Error while closing the port &quot;%s&quot;.
</source>
        <translation>Fehler beim Schließen des Ports &quot;%s&quot;.
</translation>
    </message>
    <message>
        <source>Could not enter control mode.
</source>
        <translation>Der Steuermodus konnte nicht aktiviert werden.
</translation>
    </message>
    <message>
        <source>Could not leave control mode.
</source>
        <translation>Der Steuermodus konnte nicht verlassen werden.
</translation>
    </message>
    <message>
        <source>Could not set reply delay.
</source>
        <translation>Die Antwortverzögerung konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Could not read version ID.
</source>
        <translation>Die Versionskennung konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read active group mask.
</source>
        <translation>Die Maske der aktiven Gruppen konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read command count for group %d.
</source>
        <translation>Die Anzahl der Befehle der Gruppe %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read command %d of group %d.
</source>
        <translation>Befehl %d der Gruppe %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read params for command %d of group %d.
</source>
        <translation>Die Parameter von Befehl %d der Gruppe %d konnten nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read label for command %d of group %d.
</source>
        <translation>Die Bezeichnung von Befehl %d der Gruppe %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read grammars count.
</source>
        <translation>Die Anzahl der Grammatiken konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read grammar %d words count.
</source>
        <translation>Die Wortanzahl der Grammatik %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read word %d length in grammar %d.
</source>
        <translation>Die Länge von Wort %d in Grammatik %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read word %d label in grammar %d.
</source>
        <translation>Die Bezeichnung von Wort %d in Grammatik %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read optional sound table.
</source>
        <translation>Die optionale Soundtabelle konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read params for sound table.
</source>
        <translation>Die Parameter der Soundtabelle konnten nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Read invalid params for sound table.
</source>
        <translation>Ungültige Parameter für die Soundtabelle gelesen.
</translation>
    </message>
    <message>
        <source>Could not read label for sound table.
</source>
        <translation>Die Bezeichnung der Soundtabelle konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read message %d.
</source>
        <translation>Nachricht %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read status for message %d.
</source>
        <translation>Der Status von Nachricht %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Could not read length for message %d.
</source>
        <translation>Die Länge von Nachricht %d konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Fixing memory...
</source>
        <translation>Speicher wird repariert...
</translation>
    </message>
    <message>
        <source>Could not check device memory.
</source>
        <translation>Der Gerätespeicher konnte nicht geprüft werden.
</translation>
    </message>
    <message>
        <source>Could not export command %d in group %d.
</source>
        <translation>Befehl %d in Gruppe %d konnte nicht exportiert werden.
</translation>
    </message>
    <message>
        <source>Exporting command %d in group %d...<byte value="xd"/>
(Please wait)</source>
        <translation>Befehl %d in Gruppe %d wird exportiert...<byte value="xd"/>
(Bitte warten)</translation>
    </message>
    <message>
        <source>Could not load language settings.
</source>
        <translation>Die Spracheinstellungen konnten nicht geladen werden.
</translation>
    </message>
    <message>
        <source>Could not set confidence knob.
</source>
        <translation>Die Konfidenzschwelle konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Could not set microphone distance.
</source>
        <translation>Der Mikrofonabstand konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Could not set strictness level.
</source>
        <translation>Die Erkennungsstrenge konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Could not set trailing silence.
</source>
        <translation>Die Stille am Ende konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Could not set fast recognition.
</source>
        <translation>Die Schnellerkennung konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Could not set language.
</source>
        <translation>Die Sprache konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Could not save language permanently.
</source>
        <translation>Die Sprache konnte nicht dauerhaft gespeichert werden.
</translation>
    </message>
    <message>
        <source>Could not set timeout.
</source>
        <translation>Das Zeitlimit konnte nicht eingestellt werden.
</translation>
    </message>
    <message>
        <source>Could not reset all memory.
</source>
        <translation>Der gesamte Speicher konnte nicht zurückgesetzt werden.
</translation>
    </message>
    <message>
        <source>Erasing memory...
</source>
        <translation>Speicher wird gelöscht...
</translation>
    </message>
    <message>
        <source>The module on port &quot;%s&quot; answers as its firmware loader: a firmware download did not finish.

Download the firmware again to bring the module back.
</source>
        <translation>Das Modul am Port &quot;%s&quot; antwortet als sein Firmware-Lader: ein Firmware-Download wurde nicht beendet.

Laden Sie die Firmware erneut herunter, um das Modul wiederherzustellen.
</translation>
    </message>
    <message>
        <source>Downloading the &quot;bridge&quot; software to %s...</source>
        <translation>Die &quot;Bridge&quot;-Software wird auf %s heruntergeladen...</translation>
    </message>
</context>
<context>
    <name>CustomData</name>
    <message>
        <source>Project file has changed after build.</source>
        <translation>Die Projektdatei wurde nach dem Erstellen geändert.</translation>
    </message>
    <message>
        <source>Running sound table builder...</source>
        <translation>Der Klangtabellen-Generator läuft...</translation>
    </message>
    <message>
        <source>Could not find the project file.</source>
        <translation>Die Projektdatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not find sound table data. Please build your project.</source>
        <translation>Die Daten der Klangtabelle wurden nicht gefunden. Bitte erstellen Sie Ihr Projekt.</translation>
    </message>
    <message>
        <source>Could not find a trigger grammar.</source>
        <translation>Es wurde keine Auslösergrammatik gefunden.</translation>
    </message>
    <message>
        <source>Could not find a command grammar.</source>
        <translation>Es wurde keine Befehlsgrammatik gefunden.</translation>
    </message>
    <message>
        <source>Running single grammar builder...</source>
        <translation>Der Generator für Einzelgrammatiken läuft...</translation>
    </message>
    <message>
        <source>Could not find any grammar data. Please build your project.</source>
        <translation>Es wurden keine Grammatikdaten gefunden. Bitte erstellen Sie Ihr Projekt.</translation>
    </message>
    <message>
        <source>Could not find an acoustic model. Please build your project.</source>
        <translation>Es wurde kein akustisches Modell gefunden. Bitte erstellen Sie Ihr Projekt.</translation>
    </message>
    <message>
        <source>Running combined grammar builder...</source>
        <translation>Der Generator für kombinierte Grammatiken läuft...</translation>
    </message>
    <message>
        <source>Could not find a combined acoustic model. Please build your project.</source>
        <translation>Es wurde kein kombiniertes akustisches Modell gefunden. Bitte erstellen Sie Ihr Projekt.</translation>
    </message>
    <message>
        <source>Could not open the project file.</source>
        <translation>Die Projektdatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Processing project &quot;%s&quot;...</source>
        <translation>Projekt &quot;%s&quot; wird verarbeitet...</translation>
    </message>
    <message>
        <source>Could not run sound table builder.</source>
        <translation>Der Klangtabellen-Generator konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Building custom data ...</source>
        <translation>Benutzerdaten werden erstellt ...</translation>
    </message>
    <message>
        <source>Custom data builder failed or not found.</source>
        <translation>Der Generator für Benutzerdaten ist fehlgeschlagen oder wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Custom data build failed, no output file.</source>
        <translation>Erstellen der Benutzerdaten fehlgeschlagen, keine Ausgabedatei.</translation>
    </message>
    <message>
        <source>Could not open processed user data.</source>
        <translation>Die verarbeiteten Benutzerdaten konnten nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Custom data built successfully.</source>
        <translation>Benutzerdaten erfolgreich erstellt.</translation>
    </message>
    <message>
        <source>Build failed, see status text on the top for a possible reason.
</source>
        <translation>Erstellen fehlgeschlagen, ein möglicher Grund steht im Statustext oben.
</translation>
    </message>
    <message>
        <source>
The following system error occurred: 0x%X
</source>
        <translation>
Folgender Systemfehler ist aufgetreten: 0x%X
</translation>
    </message>
    <message>
        <source>
The last process return code was: %d</source>
        <translation>
Der letzte Rückgabewert des Prozesses war: %d</translation>
    </message>
    <message>
        <source>

Do you want to continue anyway?</source>
        <translation>

Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Could not export to the specified file.
</source>
        <translation>Der Export in die angegebene Datei ist fehlgeschlagen.
</translation>
    </message>
    <message>
        <source>
The following system error occurred:
</source>
        <translation>
Folgender Systemfehler ist aufgetreten:
</translation>
    </message>
    <message>
        <source>All Supported Files (*.amc;*.rsc)</source>
        <translation>Alle unterstützten Dateien (*.amc;*.rsc)</translation>
    </message>
    <message>
        <source>All Supported Files (*.qxp;*.amc;*.rsc)</source>
        <translation>Alle unterstützten Dateien (*.qxp;*.amc;*.rsc)</translation>
    </message>
    <message>
        <source>QuickSynthesis Project (*.qxp)</source>
        <translation>QuickSynthesis-Projekt (*.qxp)</translation>
    </message>
    <message>
        <source>Acoustic Model Combiner Project (*.amc)</source>
        <translation>Acoustic-Model-Combiner-Projekt (*.amc)</translation>
    </message>
    <message>
        <source>QuickT2SI Project (*.rsc)</source>
        <translation>QuickT2SI-Projekt (*.rsc)</translation>
    </message>
    <message>
        <source>Updating firmware</source>
        <translation>Firmware wird aktualisiert</translation>
    </message>
    <message>
        <source>Set transfer options and download...</source>
        <translation>Übertragungsoptionen wählen und herunterladen...</translation>
    </message>
    <message>
        <source>Preparing custom data</source>
        <translation>Benutzerdaten vorbereiten</translation>
    </message>
    <message>
        <source>List the project files to use...</source>
        <translation>Die zu verwendenden Projektdateien auflisten...</translation>
    </message>
    <message>
        <source>Operation has been canceled.</source>
        <translation>Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>&amp;Import ...</source>
        <translation>&amp;Importieren ...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Open Externally</source>
        <translation>E&amp;xtern öffnen</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Export as header ...</source>
        <translation>Als &amp;Header exportieren ...</translation>
    </message>
    <message>
        <source>&amp;Slow Transfer</source>
        <translation>&amp;Langsame Übertragung</translation>
    </message>
    <message>
        <source>Old For&amp;mat (Parlix 2.0)</source>
        <translation>Altes For&amp;mat (Parlix 2.0)</translation>
    </message>
    <message>
        <source>Do&amp;wnload</source>
        <translation>Herunterla&amp;den</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Update Custom Data</source>
        <translation>Benutzerdaten aktualisieren</translation>
    </message>
    <message>
        <source>Arduino or C/C++ Header (*.h)</source>
        <translation>Arduino- oder C/C++-Header (*.h)</translation>
    </message>
    <message>
        <source>The project &quot;%s&quot; names no grammar, so it adds nothing to the custom data. Add its grammars or remove it.</source>
        <translation>Das Projekt &quot;%s&quot; nennt keine Grammatik und fügt den benutzerdefinierten Daten daher nichts hinzu. Fügen Sie seine Grammatiken hinzu oder entfernen Sie es.</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Could not open firmware file.</source>
        <translation>Die Firmware-Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Invalid signature in update file.</source>
        <translation>Ungültige Signatur in der Aktualisierungsdatei.</translation>
    </message>
    <message>
        <source>Invalid format in firmware file.</source>
        <translation>Ungültiges Format in der Firmware-Datei.</translation>
    </message>
    <message>
        <source>Checksum verification failed.</source>
        <translation>Die Prüfsumme stimmt nicht.</translation>
    </message>
    <message>
        <source>Downloading firmware to &quot;%s&quot;...</source>
        <translation>Firmware wird auf &quot;%s&quot; übertragen...</translation>
    </message>
    <message>
        <source>Downloading custom data to &quot;%s&quot;...</source>
        <translation>Eigene Daten werden auf &quot;%s&quot; übertragen...</translation>
    </message>
    <message>
        <source>Connection...</source>
        <translation>Verbindung...</translation>
    </message>
    <message>
        <source>Firmware downloaded successfully.</source>
        <translation>Firmware erfolgreich übertragen.</translation>
    </message>
    <message>
        <source>Custom data downloaded successfully.</source>
        <translation>Eigene Daten erfolgreich übertragen.</translation>
    </message>
    <message>
        <source>Download failed, see status text on the top for a possible reason.
</source>
        <translation>Übertragung fehlgeschlagen, ein möglicher Grund steht im Statustext oben.
</translation>
    </message>
    <message>
        <source>
The following system error occurred:
</source>
        <translation>
Folgender Systemfehler ist aufgetreten:
</translation>
    </message>
    <message>
        <source>
You may check connection and settings and try again.</source>
        <translation>
Bitte Verbindung und Einstellungen prüfen und es erneut versuchen.</translation>
    </message>
    <message>
        <source>The firmware file is a folder.</source>
        <translation>Die Firmware-Datei ist ein Ordner.</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (a device or pipe).</source>
        <translation>Die Firmware-Datei ist keine gewöhnliche Datei (ein Gerät oder eine Pipe).</translation>
    </message>
    <message>
        <source>The firmware file is larger than %d MB; no firmware is that large.</source>
        <translation>Die Firmware-Datei ist größer als %d MB; keine Firmware ist so groß.</translation>
    </message>
    <message>
        <source>Could not read firmware file: %s</source>
        <translation>Die Firmware-Datei konnte nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>
The file is not a valid image: build it again or choose another file.</source>
        <translation>
Die Datei ist kein gültiges Abbild: erstellen Sie es neu oder wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>GroupsView</name>
    <message>
        <source>Trigger</source>
        <translation>Aktivierung</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>SoundTable</source>
        <translation>Soundtabelle</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Wordset</source>
        <translation>Wortsatz</translation>
    </message>
    <message>
        <source>Grammar</source>
        <translation>Grammatik</translation>
    </message>
</context>
<context>
    <name>LipsyncDlg</name>
    <message>
        <source>Lip-Sync</source>
        <translation>Lippensynchronisation</translation>
    </message>
    <message>
        <source>&amp;Timeout (s):</source>
        <translation>&amp;Zeitlimit (s):</translation>
    </message>
    <message>
        <source>(time 1-255, 0=infinite)</source>
        <translation>(Zeit 1-255, 0=unbegrenzt)</translation>
    </message>
    <message>
        <source>T&amp;hreshold:</source>
        <translation>Sch&amp;welle:</translation>
    </message>
    <message>
        <source>(range 0-1023, default 270)</source>
        <translation>(Bereich 0-1023, Standard 270)</translation>
    </message>
    <message>
        <source>Mouth Position</source>
        <translation>Mundstellung</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Parlix Lip-Sync Test</source>
        <translation>Parlix-Test der Lippensynchronisation</translation>
    </message>
    <message>
        <source>Show a virtual mouth synchronized to speech</source>
        <translation>Zeigt einen virtuellen Mund synchron zur Sprache</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The internal message memory check has failed.
A recovery attempt will be performed, which may erase all messages.</source>
        <translation>Die interne Prüfung des Nachrichtenspeichers ist fehlgeschlagen.
Es wird eine Wiederherstellung versucht, die alle Nachrichten löschen kann.</translation>
    </message>
    <message>
        <source>Message recovery failed!</source>
        <translation>Wiederherstellung der Nachrichten fehlgeschlagen!</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Connect to the module on the selected port
Connect</source>
        <translation>Verbindet mit dem Modul am ausgewählten Port
Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Disconnect from the module
Disconnect</source>
        <translation>Trennt die Verbindung zum Modul
Trennen</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>Choose the serial port of the module
Port</source>
        <translation>Wählt den seriellen Port des Moduls aus
Port</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation>Wählt die Sprache des Programms aus
Sprache</translation>
    </message>
    <message>
        <source>&amp;Generate Code...</source>
        <translation>&amp;Code erzeugen...</translation>
    </message>
    <message>
        <source>Generate source code for the host board
Generate Code</source>
        <translation>Erzeugt Quellcode für die Host-Platine
Code erzeugen</translation>
    </message>
    <message>
        <source>&amp;Update Custom Data...</source>
        <translation>Benutzerdefinierte &amp;Daten aktualisieren...</translation>
    </message>
    <message>
        <source>Build and download custom sounds and grammars
Update Custom Data</source>
        <translation>Erstellt benutzerdefinierte Sounds und Grammatiken und lädt sie auf das Modul
Benutzerdefinierte Daten aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Export Commands...</source>
        <translation>Befehle e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save every command to a command file
Export Commands</source>
        <translation>Speichert alle Befehle in einer Befehlsdatei
Befehle exportieren</translation>
    </message>
    <message>
        <source>&amp;Import Commands...</source>
        <translation>Befehle &amp;importieren...</translation>
    </message>
    <message>
        <source>Load the commands of a command file
Import Commands</source>
        <translation>Lädt die Befehle aus einer Befehlsdatei
Befehle importieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Beendet die Anwendung
Beenden</translation>
    </message>
    <message>
        <source>&amp;Insert Command</source>
        <translation>Befehl &amp;einfügen</translation>
    </message>
    <message>
        <source>Insert a new command before the selected one
Insert Command (INS)</source>
        <translation>Fügt vor dem ausgewählten Befehl einen neuen Befehl ein
Befehl einfügen (EINFG)</translation>
    </message>
    <message>
        <source>&amp;Add Command</source>
        <translation>Befehl &amp;anhängen</translation>
    </message>
    <message>
        <source>Add a new command at the end of the group
Add Command (SHIFT+INS)</source>
        <translation>Hängt einen neuen Befehl am Ende der Gruppe an
Befehl anhängen (UMSCHALT+EINFG)</translation>
    </message>
    <message>
        <source>&amp;Remove Command</source>
        <translation>Befehl ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove the selected command
Remove Command (SHIFT+DEL)</source>
        <translation>Entfernt den ausgewählten Befehl
Befehl entfernen (UMSCHALT+ENTF)</translation>
    </message>
    <message>
        <source>Re&amp;name Command</source>
        <translation>Befehl &amp;umbenennen</translation>
    </message>
    <message>
        <source>Change the label of the selected command
Rename Command (SHIFT+SPACE)</source>
        <translation>Ändert die Bezeichnung des ausgewählten Befehls
Befehl umbenennen (UMSCHALT+LEERTASTE)</translation>
    </message>
    <message>
        <source>&amp;Train Command</source>
        <translation>Befehl &amp;trainieren</translation>
    </message>
    <message>
        <source>Train recognition of the selected command or add more training
Train Command (ENTER)</source>
        <translation>Trainiert die Erkennung des ausgewählten Befehls oder ergänzt sein Training
Befehl trainieren (EINGABE)</translation>
    </message>
    <message>
        <source>&amp;Erase Training</source>
        <translation>Training &amp;löschen</translation>
    </message>
    <message>
        <source>Erase the training of the selected command
Erase Training (DEL)</source>
        <translation>Löscht das Training des ausgewählten Befehls
Training löschen (ENTF)</translation>
    </message>
    <message>
        <source>Record &amp;Message</source>
        <translation>Nachricht auf&amp;nehmen</translation>
    </message>
    <message>
        <source>Record a message in the selected slot, or stop the recording
Record Message (CTRL+R)</source>
        <translation>Nimmt eine Nachricht am ausgewählten Platz auf oder beendet die Aufnahme
Nachricht aufnehmen (STRG+R)</translation>
    </message>
    <message>
        <source>&amp;Play Message</source>
        <translation>Nachricht a&amp;bspielen</translation>
    </message>
    <message>
        <source>Play the selected message
Play Message (CTRL+P)</source>
        <translation>Spielt die ausgewählte Nachricht ab
Nachricht abspielen (STRG+P)</translation>
    </message>
    <message>
        <source>Era&amp;se Message</source>
        <translation>Nachricht lö&amp;schen</translation>
    </message>
    <message>
        <source>Erase the selected message
Erase Message (CTRL+E)</source>
        <translation>Löscht die ausgewählte Nachricht
Nachricht löschen (STRG+E)</translation>
    </message>
    <message>
        <source>&amp;Test Group</source>
        <translation>&amp;Gruppe testen</translation>
    </message>
    <message>
        <source>Test recognition of the commands of the selected group
Test Group (SHIFT+ENTER)</source>
        <translation>Testet die Erkennung der Befehle der ausgewählten Gruppe
Gruppe testen (UMSCHALT+EINGABE)</translation>
    </message>
    <message>
        <source>Reco&amp;gnition Settings...</source>
        <translation>&amp;Erkennungseinstellungen...</translation>
    </message>
    <message>
        <source>Show the recognition settings of the module
Recognition Settings</source>
        <translation>Zeigt die Erkennungseinstellungen des Moduls an
Erkennungseinstellungen</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Sprache &amp;festlegen</translation>
    </message>
    <message>
        <source>Set the language of the module&apos;s built-in words
Set Language</source>
        <translation>Legt die Sprache der eingebauten Wörter des Moduls fest
Sprache festlegen</translation>
    </message>
    <message>
        <source>Reset &amp;Commands</source>
        <translation>&amp;Befehle zurücksetzen</translation>
    </message>
    <message>
        <source>Delete every command of the module
Reset Commands</source>
        <translation>Löscht alle Befehle des Moduls
Befehle zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;Messages</source>
        <translation>&amp;Nachrichten zurücksetzen</translation>
    </message>
    <message>
        <source>Delete every recorded message
Reset Messages</source>
        <translation>Löscht alle aufgenommenen Nachrichten
Nachrichten zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Reset All</source>
        <translation>&amp;Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Delete every command and message
Reset All</source>
        <translation>Löscht alle Befehle und Nachrichten
Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Configure &amp;I/O Pins</source>
        <translation>E/A-&amp;Pins konfigurieren</translation>
    </message>
    <message>
        <source>Read and set the module&apos;s I/O pins
Configure I/O Pins</source>
        <translation>Liest und setzt die E/A-Pins des Moduls
E/A-Pins konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Sound abspielen</translation>
    </message>
    <message>
        <source>Play the selected sound
Play Sound (SPACE)</source>
        <translation>Spielt den ausgewählten Sound ab
Sound abspielen (LEERTASTE)</translation>
    </message>
    <message>
        <source>&amp;Dial Tones</source>
        <translation>&amp;Tonwahl</translation>
    </message>
    <message>
        <source>Dial a phone number with tones
Dial Tones</source>
        <translation>Wählt eine Telefonnummer per Tonwahl
Tonwahl</translation>
    </message>
    <message>
        <source>&amp;Tokenwave</source>
        <translation>To&amp;kenwave</translation>
    </message>
    <message>
        <source>Send and receive audio tokens
Tokenwave</source>
        <translation>Sendet und empfängt Audio-Token
Tokenwave</translation>
    </message>
    <message>
        <source>Real-time Lip-S&amp;ync</source>
        <translation>Echtzeit-&amp;Lippensynchronisation</translation>
    </message>
    <message>
        <source>Show the module&apos;s lip-sync output in real time
Real-time Lip-Sync</source>
        <translation>Zeigt die Lippensynchronisation des Moduls in Echtzeit an
Echtzeit-Lippensynchronisation</translation>
    </message>
    <message>
        <source>&amp;Update Firmware...</source>
        <translation>&amp;Firmware aktualisieren...</translation>
    </message>
    <message>
        <source>Download new firmware to the module
Update Firmware</source>
        <translation>Lädt neue Firmware auf das Modul
Firmware aktualisieren</translation>
    </message>
    <message>
        <source>&amp;About Parlix Desk...</source>
        <translation>Ü&amp;ber Parlix Desk...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright an
Info</translation>
    </message>
    <message>
        <source>This operation will remove the selected command.

Are you sure you want to proceed?</source>
        <translation>Der ausgewählte Befehl wird entfernt.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This operation will erase training data for the selected command.

Are you sure you want to proceed?</source>
        <translation>Die Trainingsdaten des ausgewählten Befehls werden gelöscht.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Recording...<byte value="xd"/>
(Press again to stop)</source>
        <translation>Aufnahme läuft...<byte value="xd"/>
(Zum Beenden erneut drücken)</translation>
    </message>
    <message>
        <source>This operation will erase the selected message.

Are you sure you want to proceed?</source>
        <translation>Die ausgewählte Nachricht wird gelöscht.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This operation will delete all defined commands and recorded messages.

Are you sure you want to proceed?</source>
        <translation>Alle definierten Befehle und alle aufgenommenen Nachrichten werden gelöscht.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This operation will delete all commands and groups you have defined.

Are you sure you want to proceed?</source>
        <translation>Alle von Ihnen definierten Befehle und Gruppen werden gelöscht.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This operation will delete all messages you have recorded.

Are you sure you want to proceed?</source>
        <translation>Alle von Ihnen aufgenommenen Nachrichten werden gelöscht.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Reset completed successfully.</source>
        <translation>Das Zurücksetzen wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Parlix Desk - v%1!d!.%2!d!.%3!d!</source>
        <translation>Parlix Desk - v%1!d!.%2!d!.%3!d!</translation>
    </message>
    <message>
        <source>Command Files (*.vrcmd)^*.vrcmd^</source>
        <translation>Befehlsdateien (*.vrcmd)^*.vrcmd^</translation>
    </message>
    <message>
        <source>Parlix Firmware (*.PLXFW)</source>
        <translation>Parlix-Firmware (*.PLXFW)</translation>
    </message>
    <message>
        <source>All Files (*.*)^*.*^</source>
        <translation>Alle Dateien (*.*)^*.*^</translation>
    </message>
    <message>
        <source>Token will be mixed with the next sound played,<byte value="xd"/>
delayed by the specified time.<byte value="xd"/>
<byte value="xd"/>
Make sure the sound has been compressed at 9.3kHz!</source>
        <translation>Das Token wird in den nächsten abgespielten Klang gemischt,<byte value="xd"/>
um die angegebene Zeit verzögert.<byte value="xd"/>
<byte value="xd"/>
Der Klang muss mit 9,3 kHz komprimiert sein!</translation>
    </message>
    <message>
        <source>Detecting the device on %s...</source>
        <translation>Gerät an %s wird erkannt...</translation>
    </message>
    <message>
        <source>Connection cancelled</source>
        <translation>Verbindungsaufbau abgebrochen</translation>
    </message>
    <message>
        <source>trigger group</source>
        <translation>Auslösergruppe</translation>
    </message>
    <message>
        <source>password group</source>
        <translation>Passwortgruppe</translation>
    </message>
    <message>
        <source>wordset %d</source>
        <translation>Wortgruppe %d</translation>
    </message>
    <message>
        <source>group %d</source>
        <translation>Gruppe %d</translation>
    </message>
    <message>
        <source>Firmware %s, version %s, downloaded</source>
        <translation>Firmware %s, Version %s, heruntergeladen</translation>
    </message>
    <message>
        <source>Firmware &quot;%s&quot; downloaded</source>
        <translation>Firmware &quot;%s&quot; heruntergeladen</translation>
    </message>
    <message>
        <source>Custom data from %s downloaded</source>
        <translation>Benutzerdefinierte Daten aus %s heruntergeladen</translation>
    </message>
    <message>
        <source>Commands not exported to %s</source>
        <translation>Befehle nicht nach %s exportiert</translation>
    </message>
    <message>
        <source>Commands not imported from %s</source>
        <translation>Befehle nicht aus %s importiert</translation>
    </message>
    <message>
        <source>Exported 1 command to %s</source>
        <translation>1 Befehl nach %s exportiert</translation>
    </message>
    <message>
        <source>Imported 1 command from %s</source>
        <translation>1 Befehl aus %s importiert</translation>
    </message>
    <message>
        <source>Exported %d commands to %s</source>
        <translation>%d Befehle nach %s exportiert</translation>
    </message>
    <message>
        <source>Imported %d commands from %s</source>
        <translation>%d Befehle aus %s importiert</translation>
    </message>
    <message>
        <source>trigger word %d</source>
        <translation>Auslösewort %d</translation>
    </message>
    <message>
        <source>word %d</source>
        <translation>Wort %d</translation>
    </message>
    <message>
        <source>command %d</source>
        <translation>Befehl %d</translation>
    </message>
    <message>
        <source>Recognised, but not which one (%s)</source>
        <translation>Erkannt, aber nicht welcher (%s)</translation>
    </message>
    <message>
        <source>Nothing recognised (%s)</source>
        <translation>Nichts erkannt (%s)</translation>
    </message>
    <message>
        <source>Recognised: %s (%s)</source>
        <translation>Erkannt: %s (%s)</translation>
    </message>
    <message>
        <source>Trained: %s</source>
        <translation>Trainiert: %s</translation>
    </message>
    <message>
        <source>Not trained: %s</source>
        <translation>Nicht trainiert: %s</translation>
    </message>
</context>
<context>
    <name>ParamsDlg</name>
    <message>
        <source>(%d ms)</source>
        <translation>(%d ms)</translation>
    </message>
    <message>
        <source>Recognition Settings</source>
        <translation>Erkennungseinstellungen</translation>
    </message>
    <message>
        <source>Parlix Recognition Settings</source>
        <translation>Parlix-Erkennungseinstellungen</translation>
    </message>
    <message>
        <source>Control parameters affecting recognition and training</source>
        <translation>Parameter, die Erkennung und Training beeinflussen</translation>
    </message>
    <message>
        <source>Custom Commands   (Speaker Dependent / Verification)</source>
        <translation>Eigene Befehle   (sprecherabhängig / Verifikation)</translation>
    </message>
    <message>
        <source>Use &quot;&amp;Fast&quot; SD/SV Recognition</source>
        <translation>&quot;&amp;Schnelle&quot; SD/SV-Erkennung verwenden</translation>
    </message>
    <message>
        <source>Strictness:</source>
        <translation>Strenge:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hardest</source>
        <translation>Am strengsten</translation>
    </message>
    <message>
        <source>Built-in / Custom Words   (Speaker Independent)</source>
        <translation>Eingebaute / eigene Wörter   (sprecherunabhängig)</translation>
    </message>
    <message>
        <source>Confidence:</source>
        <translation>Konfidenz:</translation>
    </message>
    <message>
        <source>Looser</source>
        <translation>Lockerer</translation>
    </message>
    <message>
        <source>Typical</source>
        <translation>Typisch</translation>
    </message>
    <message>
        <source>Stricter</source>
        <translation>Strenger</translation>
    </message>
    <message>
        <source>Trailing silence:</source>
        <translation>Stille am Ende:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maximal</translation>
    </message>
    <message>
        <source>Microphone Distance</source>
        <translation>Mikrofonabstand</translation>
    </message>
    <message>
        <source>&amp;Headset</source>
        <translation>&amp;Kopfhörer</translation>
    </message>
    <message>
        <source>around 30 cm</source>
        <translation>etwa 30 cm</translation>
    </message>
    <message>
        <source>&amp;Arms Length</source>
        <translation>&amp;Armlänge</translation>
    </message>
    <message>
        <source>about 50 cm - 1 m</source>
        <translation>etwa 50 cm - 1 m</translation>
    </message>
    <message>
        <source>&amp;Far Mic</source>
        <translation>&amp;Fernes Mikrofon</translation>
    </message>
    <message>
        <source>max 3 m</source>
        <translation>höchstens 3 m</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PinControlDlg</name>
    <message>
        <source>Pin IO%d - Value: %c</source>
        <translation>Pin IO%d - Wert: %c</translation>
    </message>
    <message>
        <source>Pin Control</source>
        <translation>Pin-Steuerung</translation>
    </message>
    <message>
        <source>Parlix I/O Pin Control</source>
        <translation>Parlix-Steuerung der E/A-Pins</translation>
    </message>
    <message>
        <source>Setup pin configuration and show pin current status</source>
        <translation>Pins konfigurieren und ihren aktuellen Zustand anzeigen</translation>
    </message>
    <message>
        <source>Output Low</source>
        <translation>Ausgang Low</translation>
    </message>
    <message>
        <source>Output High</source>
        <translation>Ausgang High</translation>
    </message>
    <message>
        <source>Input Hi-Z</source>
        <translation>Eingang hochohmig</translation>
    </message>
    <message>
        <source>Input Strong PU</source>
        <translation>Eingang starker Pull-up</translation>
    </message>
    <message>
        <source>Input Weak PU</source>
        <translation>Eingang schwacher Pull-up</translation>
    </message>
    <message>
        <source>Tip: Click on one of the input configurations to refresh pin status</source>
        <translation>Tipp: Ein Klick auf eine der Eingangskonfigurationen liest den Pin-Zustand neu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Incorrect function.</source>
        <translation>Unzulässige Funktion.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>Das Handle ist ungültig.</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to process this command.</source>
        <translation>Nicht genügend Speicher verfügbar, um diesen Befehl zu verarbeiten.</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>Das angegebene Gerät wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>Datenfehler (zyklische Redundanzprüfung).</translation>
    </message>
    <message>
        <source>The program issued a command but the command length is incorrect.</source>
        <translation>Das Programm hat einen Befehl gesendet, aber die Befehlslänge ist falsch.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Auf das angegebene Gerät kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Falscher Parameter.</translation>
    </message>
    <message>
        <source>The wait operation timed out.</source>
        <translation>Zeitüberschreitung beim Warten.</translation>
    </message>
    <message>
        <source>Cannot complete this function.</source>
        <translation>Diese Funktion kann nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>The operation was canceled by the user.</source>
        <translation>Der Vorgang wurde vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>An attempt was made to perform an initialization operation when initialization has already been completed.</source>
        <translation>Es wurde versucht, eine Initialisierung durchzuführen, obwohl die Initialisierung bereits abgeschlossen ist.</translation>
    </message>
    <message>
        <source>This operation returned because the timeout period expired.</source>
        <translation>Der Vorgang wurde beendet, weil das Zeitlimit abgelaufen ist.</translation>
    </message>
    <message>
        <source>Permission denied. Your user must belong to the group that owns the port (usually &quot;dialout&quot;): run &quot;sudo usermod -a -G dialout $USER&quot;, then log out and in again.</source>
        <translation>Zugriff verweigert. Ihr Benutzer muss der Gruppe angehören, der der Port gehört (meist &quot;dialout&quot;): Führen Sie &quot;sudo usermod -a -G dialout $USER&quot; aus, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>Der Port wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>The simulated device is not available: no parlix-sim serves it.</source>
        <translation>Das simulierte Gerät ist nicht verfügbar: Kein parlix-sim stellt es bereit.</translation>
    </message>
    <message>
        <source>The device has been removed.</source>
        <translation>Das Gerät wurde entfernt.</translation>
    </message>
</context>
<context>
    <name>TokenwaveDlg</name>
    <message>
        <source>Received Token %d</source>
        <translation>Token %d empfangen</translation>
    </message>
    <message>
        <source>Continuos listening...</source>
        <translation>Dauerndes Zuhören...</translation>
    </message>
    <message>
        <source>Received Token %d. Now listening...</source>
        <translation>Token %d empfangen. Höre weiter zu...</translation>
    </message>
    <message>
        <source>The generated files will be saved in the folder:<byte value="xd"/>
    &quot;%s&quot;<byte value="xd"/>
with file names in the range:<byte value="xd"/>
    &quot;%s_000.wav&quot;    to    &quot;%s_%03d.wav&quot;<byte value="xd"/>
<byte value="xd"/>
Do you want to proceed?</source>
        <translation>Die erzeugten Dateien werden im Ordner:<byte value="xd"/>
    &quot;%s&quot;<byte value="xd"/>
mit Dateinamen im Bereich:<byte value="xd"/>
    &quot;%s_000.wav&quot;    bis    &quot;%s_%03d.wav&quot;<byte value="xd"/>
gespeichert.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Tokenwave</source>
        <translation>Tokenwave-Test</translation>
    </message>
    <message>
        <source>Short (&amp;4-bits)</source>
        <translation>Kurz (&amp;4 Bit)</translation>
    </message>
    <message>
        <source>Long (&amp;8-bits)</source>
        <translation>Lang (&amp;8 Bit)</translation>
    </message>
    <message>
        <source>Token &amp;index:</source>
        <translation>Token-&amp;Index:</translation>
    </message>
    <message>
        <source>&amp;Delay by (ms):</source>
        <translation>&amp;Verzögerung (ms):</translation>
    </message>
    <message>
        <source>&amp;Timeout (ms):</source>
        <translation>Zeit&amp;limit (ms):</translation>
    </message>
    <message>
        <source>&amp;Rejection level:</source>
        <translation>Zurück&amp;weisungsstufe:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Generate ...</source>
        <translation>Erzeugen ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Parlix Tokenwave™ Test</source>
        <translation>Parlix-Tokenwave™-Test</translation>
    </message>
    <message>
        <source>Send or receive a special sound token</source>
        <translation>Ein besonderes Klang-Token senden oder empfangen</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>St&amp;opp</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation>&amp;Zuhören</translation>
    </message>
</context>
<context>
    <name>ToneDlg</name>
    <message>
        <source>Dial Phone Number</source>
        <translation>Telefonnummer wählen</translation>
    </message>
    <message>
        <source>Parlix DTMF Dialer</source>
        <translation>Parlix-DTMF-Wähler</translation>
    </message>
    <message>
        <source>Enter a phone number to dial or use the keypad</source>
        <translation>Geben Sie eine Telefonnummer ein oder benutzen Sie die Tastatur</translation>
    </message>
    <message>
        <source>Phone Keypad</source>
        <translation>Telefontastatur</translation>
    </message>
    <message>
        <source>Dial &amp;Tone</source>
        <translation>&amp;Wählton</translation>
    </message>
    <message>
        <source>Tone duration (ms):</source>
        <translation>Tondauer (ms):</translation>
    </message>
    <message>
        <source>Phone number (0-9 * # A B C D):</source>
        <translation>Telefonnummer (0-9 * # A B C D):</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TrainingDlg</name>
    <message>
        <source>Trained command is similar to existing command %1!d!.

Keep current training anyway?</source>
        <translation>Der trainierte Befehl ähnelt dem vorhandenen Befehl %1!d!.

Möchten Sie das aktuelle Training trotzdem behalten?</translation>
    </message>
    <message>
        <source>Command Training</source>
        <translation>Befehlstraining</translation>
    </message>
    <message>
        <source>Command %2!d! of Group %1!d!</source>
        <translation>Befehl %2!d! der Gruppe %1!d!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; - Phase %2!d!/%3!d!</source>
        <translation>&quot;%1&quot; - Phase %2!d! von %3!d!</translation>
    </message>
    <message>
        <source>Press the &quot;Phase %2!d!&quot; button and say the word corresponding to the command &quot;%1&quot; within 5 seconds.</source>
        <translation>Klicken Sie auf die Schaltfläche &quot;Phase %2!d!&quot; und sprechen Sie innerhalb von 5 Sekunden das Wort für den Befehl &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Phase %1!d!</source>
        <translation>Phase %1!d!</translation>
    </message>
</context>
<context>
    <name>VoiceModel</name>
    <message>
        <source>Empty Slot</source>
        <translation>Leerer Platz</translation>
    </message>
    <message>
        <source>Recorded Message</source>
        <translation>Aufgenommene Nachricht</translation>
    </message>
    <message>
        <source>Message Error</source>
        <translation>Nachrichtenfehler</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Aufnahme...</translation>
    </message>
</context>
<context>
    <name>parlix::ui::GroupListModel</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
</context>
<context>
    <name>parlix::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Trace to File...</source>
        <translation>&amp;Mitschnitt in Datei...</translation>
    </message>
    <message>
        <source>Write every byte exchanged with the module to a file</source>
        <translation>Schreibt jedes mit dem Modul ausgetauschte Byte in eine Datei</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Serial port: choose one, or type a device path or sim:NAME</source>
        <translation>Serieller Port: einen auswählen oder einen Gerätepfad bzw. sim:NAME eingeben</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Connected to Xxxxxxx Yyyyyy Zzzzz on COMnn</source>
        <translation>Verbunden mit Xxxxxxx Yyyyyy Zzzzz an COMnn</translation>
    </message>
    <message>
        <source>Group List</source>
        <translation>Gruppenliste</translation>
    </message>
    <message>
        <source>Command List</source>
        <translation>Befehlsliste</translation>
    </message>
    <message>
        <source>Simulated device</source>
        <translation>Simuliertes Gerät</translation>
    </message>
    <message>
        <source>Trace to File</source>
        <translation>Mitschnitt in Datei</translation>
    </message>
    <message>
        <source>Trace Files (*.txt *.log)</source>
        <translation>Mitschnittdateien (*.txt *.log)</translation>
    </message>
    <message>
        <source>The trace cannot be written to &quot;%1&quot;:
%2</source>
        <translation>Der Mitschnitt kann nicht in &quot;%1&quot; geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>Tracing has stopped: the trace &quot;%1&quot; cannot be written.
%2</source>
        <translation>Die Protokollierung wurde beendet: Das Protokoll &quot;%1&quot; kann nicht geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Stop connecting</source>
        <translation>Verbindungsaufbau abbrechen</translation>
    </message>
    <message>
        <source>Stop connecting and close the port</source>
        <translation>Bricht den Verbindungsaufbau ab und schließt den Port</translation>
    </message>
    <message>
        <source>Commands.vrcmd</source>
        <translation>Befehle.vrcmd</translation>
    </message>
    <message>
        <source>Not connected.

Choose the port of your module in the tool bar, then press Connect.</source>
        <translation>Nicht verbunden.

Wählen Sie in der Werkzeugleiste den Port Ihres Moduls und klicken Sie dann auf Verbinden.</translation>
    </message>
    <message>
        <source>Connecting...

The status bar tells what happens; Cancel stops it.</source>
        <translation>Verbindung wird aufgebaut...

Die Statusleiste zeigt, was geschieht; Abbrechen beendet es.</translation>
    </message>
</context>
</TS>
