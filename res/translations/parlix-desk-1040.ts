<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Version %1!d!.%2!d!.%3!d! (Build %4!d!)</source>
        <translation>Versione %1!d!.%2!d!.%3!d! (Build %4!d!)</translation>
    </message>
    <message>
        <source>About Parlix Desk</source>
        <translation>Informazioni su Parlix Desk</translation>
    </message>
    <message>
        <source>Parlix Desk</source>
        <translation>Parlix Desk</translation>
    </message>
    <message>
        <source>For updated software and documentation go to </source>
        <translation>Per software aggiornato e documentazione visitare </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CodeGenerator</name>
    <message>
        <source>No code generation template is available!</source>
        <translation>Nessun modello per la generazione del codice disponibile!</translation>
    </message>
    <message>
        <source>No code generation template selected!</source>
        <translation>Nessun modello per la generazione del codice selezionato!</translation>
    </message>
</context>
<context>
    <name>CommandFile</name>
    <message>
        <source>Cannot import commands while the module is busy!</source>
        <translation>Impossibile importare i comandi mentre il modulo è occupato!</translation>
    </message>
    <message>
        <source>Cannot open the specified file!</source>
        <translation>Impossibile aprire il file specificato!</translation>
    </message>
    <message>
        <source>Invalid command file format or empty file!</source>
        <translation>Formato del file di comandi non valido o file vuoto!</translation>
    </message>
    <message>
        <source>Failed to import command data.

Import may be incomplete!</source>
        <translation>Importazione dei dati dei comandi non riuscita.

L&apos;importazione potrebbe essere incompleta!</translation>
    </message>
    <message>
        <source>No more room for commands in group %d.

Import may be incomplete!</source>
        <translation>Non c&apos;è più spazio per i comandi nel gruppo %d.

L&apos;importazione potrebbe essere incompleta!</translation>
    </message>
    <message>
        <source>Failed to reduce command group %d.

Import may be incomplete!</source>
        <translation>Impossibile ridurre il gruppo di comandi %d.

L&apos;importazione potrebbe essere incompleta!</translation>
    </message>
    <message>
        <source>Failed to resize command group %d.

Import may be incomplete!</source>
        <translation>Impossibile ridimensionare il gruppo di comandi %d.

L&apos;importazione potrebbe essere incompleta!</translation>
    </message>
    <message>
        <source>Could not write the command file &quot;%s&quot;.
</source>
        <translation>Impossibile scrivere il file di comandi &quot;%s&quot;.
</translation>
    </message>
    <message>
        <source>
The following system error occurred:
</source>
        <translation>
Si è verificato il seguente errore di sistema:
</translation>
    </message>
    <message>
        <source>The module is now partly overwritten (group %d partly written). Import the file again.</source>
        <translation>Il modulo è ora parzialmente sovrascritto (gruppo %d scritto in parte). Importare di nuovo il file.</translation>
    </message>
    <message>
        <source>The module is now partly overwritten (groups replaced: %s). Import the file again.</source>
        <translation>Il modulo è ora parzialmente sovrascritto (gruppi sostituiti: %s). Importare di nuovo il file.</translation>
    </message>
    <message>
        <source>The module is now partly overwritten (groups replaced: %s; group %d partly written). Import the file again.</source>
        <translation>Il modulo è ora parzialmente sovrascritto (gruppi sostituiti: %s; gruppo %d scritto in parte). Importare di nuovo il file.</translation>
    </message>
</context>
<context>
    <name>CommandView</name>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Trained</source>
        <translation>Addestrato</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflitto</translation>
    </message>
    <message>
        <source>Message Status</source>
        <translation>Stato del messaggio</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>Length (Bytes)</source>
        <translation>Lunghezza (byte)</translation>
    </message>
    <message>
        <source>Time (min:sec)</source>
        <translation>Durata (min:sec)</translation>
    </message>
    <message>
        <source>%s Command List</source>
        <translation>Elenco comandi: %s</translation>
    </message>
    <message>
        <source>Sentence List</source>
        <translation>Elenco frasi</translation>
    </message>
    <message>
        <source>Message List</source>
        <translation>Elenco messaggi</translation>
    </message>
    <message>
        <source>Group %s Command List</source>
        <translation>Elenco comandi del gruppo %s</translation>
    </message>
    <message>
        <source>Wordset %s Command List</source>
        <translation>Elenco comandi del set di parole %s</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Could not play sentence %d.
</source>
        <translation>Impossibile riprodurre la frase %d.
</translation>
    </message>
    <message>
        <source>No reply while playing sentence %d.
</source>
        <translation>Nessuna risposta durante la riproduzione della frase %d.
</translation>
    </message>
    <message>
        <source>Could not play tone %d.
</source>
        <translation>Impossibile riprodurre il tono %d.
</translation>
    </message>
    <message>
        <source>No reply while playing tone %d.
</source>
        <translation>Nessuna risposta durante la riproduzione del tono %d.
</translation>
    </message>
    <message>
        <source>Could not send token %d with %d bits, delayed by %d ms.
</source>
        <translation>Impossibile inviare il token %d con %d bit, ritardato di %d ms.
</translation>
    </message>
    <message>
        <source>No reply while sending token %d with %d bits, delayed by %d ms.
</source>
        <translation>Nessuna risposta durante l&apos;invio del token %d con %d bit, ritardato di %d ms.
</translation>
    </message>
    <message>
        <source>Could not receive token with %d bits, rejection %d, timeout %d ms.
</source>
        <translation>Impossibile ricevere il token con %d bit, rifiuto %d, timeout %d ms.
</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>In ascolto...</translation>
    </message>
    <message>
        <source>No reply while receiving token with %d bits, rejection %d, timeout %d ms.
</source>
        <translation>Nessuna risposta durante la ricezione del token con %d bit, rifiuto %d, timeout %d ms.
</translation>
    </message>
    <message>
        <source>Timeout expired.
</source>
        <translation>Tempo scaduto.
</translation>
    </message>
    <message>
        <source>Could not query output pin %d.
</source>
        <translation>Impossibile interrogare il pin di uscita %d.
</translation>
    </message>
    <message>
        <source>No reply while querying output pin %d.
</source>
        <translation>Nessuna risposta durante l&apos;interrogazione del pin di uscita %d.
</translation>
    </message>
    <message>
        <source>Could not query input pin %d.
</source>
        <translation>Impossibile interrogare il pin di ingresso %d.
</translation>
    </message>
    <message>
        <source>No reply while querying input pin %d.
</source>
        <translation>Nessuna risposta durante l&apos;interrogazione del pin di ingresso %d.
</translation>
    </message>
    <message>
        <source>Could not start real-time lipsync with threshold %d and timeout %d.
</source>
        <translation>Impossibile avviare il lip-sync in tempo reale con soglia %d e timeout %d.
</translation>
    </message>
    <message>
        <source>No reply to real-time lipsync with threshold %d and timeout %d.
</source>
        <translation>Nessuna risposta al lip-sync in tempo reale con soglia %d e timeout %d.
</translation>
    </message>
    <message>
        <source>Unexpected reply (0x%02X).
</source>
        <translation>Risposta inattesa (0x%02X).
</translation>
    </message>
    <message>
        <source>Could not create command %d of group %d.
</source>
        <translation>Impossibile creare il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not remove command %d of group %d.
</source>
        <translation>Impossibile rimuovere il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not erase command %d of group %d.
</source>
        <translation>Impossibile cancellare il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not rename command %d of group %d.
</source>
        <translation>Impossibile rinominare il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not import command %d in group %d.
</source>
        <translation>Impossibile importare il comando %d nel gruppo %d.
</translation>
    </message>
    <message>
        <source>Importing command %d in group %d...<byte value="xd"/>
(Please wait)</source>
        <translation>Importazione del comando %d nel gruppo %d...<byte value="xd"/>
(Attendere)</translation>
    </message>
    <message>
        <source>Unexpected or invalid data.
</source>
        <translation>Dati inattesi o non validi.
</translation>
    </message>
    <message>
        <source>Unexpected reply (0x%02X) or invalid arguments.
</source>
        <translation>Risposta inattesa (0x%02X) o argomenti non validi.
</translation>
    </message>
    <message>
        <source>Training ended with error. Could not retrieve error code.
</source>
        <translation>Addestramento terminato con errore. Impossibile ottenere il codice di errore.
</translation>
    </message>
    <message>
        <source>Recognition failed. Could not retrieve error code.
</source>
        <translation>Riconoscimento non riuscito. Impossibile ottenere il codice di errore.
</translation>
    </message>
    <message>
        <source>Training ended with error (0x%02X).
</source>
        <translation>Addestramento terminato con errore (0x%02X).
</translation>
    </message>
    <message>
        <source>Training error: %s.
</source>
        <translation>Errore di addestramento: %s.
</translation>
    </message>
    <message>
        <source>Recognition failed with error (0x%02X).
</source>
        <translation>Riconoscimento non riuscito con errore (0x%02X).
</translation>
    </message>
    <message>
        <source>Recognition error: %s.
</source>
        <translation>Errore di riconoscimento: %s.
</translation>
    </message>
    <message>
        <source>Trained command similar to another. Could not retrieve which one.
</source>
        <translation>Il comando addestrato è simile a un altro. Impossibile stabilire quale.
</translation>
    </message>
    <message>
        <source>Trained command %d is similar to command %d in the same group.
</source>
        <translation>Il comando addestrato %d è simile al comando %d dello stesso gruppo.
</translation>
    </message>
    <message>
        <source>Trained command %d is similar to trigger word.
</source>
        <translation>Il comando addestrato %d è simile alla parola di attivazione.
</translation>
    </message>
    <message>
        <source>Recognized a word. Could not retrieve which one.
</source>
        <translation>Riconosciuta una parola. Impossibile stabilire quale.
</translation>
    </message>
    <message>
        <source>Recognized a command. Could not retrieve which one.
</source>
        <translation>Riconosciuto un comando. Impossibile stabilire quale.
</translation>
    </message>
    <message>
        <source>Recognized word %d.
</source>
        <translation>Riconosciuta la parola %d.
</translation>
    </message>
    <message>
        <source>Recognized command %d.
</source>
        <translation>Riconosciuto il comando %d.
</translation>
    </message>
    <message>
        <source>Recognized trigger word.
</source>
        <translation>Riconosciuta la parola di attivazione.
</translation>
    </message>
    <message>
        <source>too long (memory overflow)</source>
        <translation>troppo lungo (memoria esaurita)</translation>
    </message>
    <message>
        <source>too noisy</source>
        <translation>troppo rumore</translation>
    </message>
    <message>
        <source>spoke too soft</source>
        <translation>parlato troppo piano</translation>
    </message>
    <message>
        <source>spoke too loud</source>
        <translation>parlato troppo forte</translation>
    </message>
    <message>
        <source>spoke too soon</source>
        <translation>parlato troppo presto</translation>
    </message>
    <message>
        <source>too many segments/too complex</source>
        <translation>troppi segmenti/troppo complesso</translation>
    </message>
    <message>
        <source>invalid setup</source>
        <translation>configurazione non valida</translation>
    </message>
    <message>
        <source>recognition failed</source>
        <translation>riconoscimento non riuscito</translation>
    </message>
    <message>
        <source>recognition result is inaccurate</source>
        <translation>risultato del riconoscimento impreciso</translation>
    </message>
    <message>
        <source>recognition result is doubtful</source>
        <translation>risultato del riconoscimento dubbio</translation>
    </message>
    <message>
        <source>invalid SD/SV template</source>
        <translation>modello SD/SV non valido</translation>
    </message>
    <message>
        <source>bad pattern durations</source>
        <translation>durate del modello errate</translation>
    </message>
    <message>
        <source>RSC code/ROM versions don&apos;t match</source>
        <translation>le versioni del codice RSC e della ROM non corrispondono</translation>
    </message>
    <message>
        <source>reached limit of available RAM</source>
        <translation>raggiunto il limite della RAM disponibile</translation>
    </message>
    <message>
        <source>ran out of time to process</source>
        <translation>tempo di elaborazione esaurito</translation>
    </message>
    <message>
        <source>net structure incompatibility</source>
        <translation>struttura di rete incompatibile</translation>
    </message>
    <message>
        <source>trigger recognized Out of Vocabulary</source>
        <translation>trigger riconosciuto fuori vocabolario</translation>
    </message>
    <message>
        <source>none of the above</source>
        <translation>nessuno dei precedenti</translation>
    </message>
    <message>
        <source>Could not train command %d of group %d.
</source>
        <translation>Impossibile addestrare il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Speak now...</source>
        <translation>Parlare ora...</translation>
    </message>
    <message>
        <source>Could not verify command %d of group %d.
</source>
        <translation>Impossibile verificare il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not recognize commands in group %d.
</source>
        <translation>Impossibile riconoscere i comandi del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not recognize word in set %d.
</source>
        <translation>Impossibile riconoscere la parola del set %d.
</translation>
    </message>
    <message>
        <source>Could not record message %d with %d bits, timeout %d ms.
</source>
        <translation>Impossibile registrare il messaggio %d con %d bit, timeout %d ms.
</translation>
    </message>
    <message>
        <source>Interrupted.
</source>
        <translation>Interrotto.
</translation>
    </message>
    <message>
        <source>Memory full.
</source>
        <translation>Memoria piena.
</translation>
    </message>
    <message>
        <source>Could not play message %d.
</source>
        <translation>Impossibile riprodurre il messaggio %d.
</translation>
    </message>
    <message>
        <source>No reply while playing message %d.
</source>
        <translation>Nessuna risposta durante la riproduzione del messaggio %d.
</translation>
    </message>
    <message>
        <source>Could not erase message %d.
</source>
        <translation>Impossibile cancellare il messaggio %d.
</translation>
    </message>
    <message>
        <source>Could not open the port &quot;%s&quot;.
</source>
        <translation>Impossibile aprire la porta &quot;%s&quot;.
</translation>
    </message>
    <message>
        <source>Could not detect device connected to port &quot;%s&quot;.
</source>
        <translation>Impossibile rilevare il dispositivo collegato alla porta &quot;%s&quot;.
</translation>
    </message>
    <message>
        <source>Detected %s on %s...</source>
        <translation>Rilevato %s su %s...</translation>
    </message>
    <message>
        <source>Could not connect to device at port &quot;%s&quot;.
</source>
        <translation>Impossibile connettersi al dispositivo sulla porta &quot;%s&quot;.
</translation>
    </message>
    <message>
        <source>Connected to %s on %s</source>
        <translation>Connesso a %s su %s</translation>
    </message>
    <message>
        <source>A &apos;%1&apos; device has been found, but the &quot;bridge&quot; software is not responding or it is outdated.

You need to manually download the updated &quot;bridge&quot; software to the device (see instructions).
</source>
        <translation>È stato trovato un dispositivo &apos;%1&apos;, ma il software &quot;bridge&quot; non risponde o non è aggiornato.

È necessario scaricare manualmente sul dispositivo il software &quot;bridge&quot; aggiornato (vedere le istruzioni).
</translation>
    </message>
    <message>
        <source>A &apos;%1&apos; device has been found, but the &quot;bridge&quot; software is not responding or it is outdated.

Do you want to download the updated &quot;bridge&quot; software to the device?</source>
        <translation>È stato trovato un dispositivo &apos;%1&apos;, ma il software &quot;bridge&quot; non risponde o non è aggiornato.

Scaricare sul dispositivo il software &quot;bridge&quot; aggiornato?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Error while closing the port &quot;%s&quot;.
</source>
        <translation>Errore durante la chiusura della porta &quot;%s&quot;.
</translation>
    </message>
    <message>
        <source>Could not enter control mode.
</source>
        <translation>Impossibile entrare in modalità di controllo.
</translation>
    </message>
    <message>
        <source>Could not leave control mode.
</source>
        <translation>Impossibile uscire dalla modalità di controllo.
</translation>
    </message>
    <message>
        <source>Could not set reply delay.
</source>
        <translation>Impossibile impostare il ritardo di risposta.
</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Could not read version ID.
</source>
        <translation>Impossibile leggere l&apos;ID di versione.
</translation>
    </message>
    <message>
        <source>Could not read active group mask.
</source>
        <translation>Impossibile leggere la maschera dei gruppi attivi.
</translation>
    </message>
    <message>
        <source>Could not read command count for group %d.
</source>
        <translation>Impossibile leggere il numero di comandi del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not read command %d of group %d.
</source>
        <translation>Impossibile leggere il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not read params for command %d of group %d.
</source>
        <translation>Impossibile leggere i parametri del comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not read label for command %d of group %d.
</source>
        <translation>Impossibile leggere l&apos;etichetta del comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Could not read grammars count.
</source>
        <translation>Impossibile leggere il numero di grammatiche.
</translation>
    </message>
    <message>
        <source>Could not read grammar %d words count.
</source>
        <translation>Impossibile leggere il numero di parole della grammatica %d.
</translation>
    </message>
    <message>
        <source>Could not read word %d length in grammar %d.
</source>
        <translation>Impossibile leggere la lunghezza della parola %d nella grammatica %d.
</translation>
    </message>
    <message>
        <source>Could not read word %d label in grammar %d.
</source>
        <translation>Impossibile leggere l&apos;etichetta della parola %d nella grammatica %d.
</translation>
    </message>
    <message>
        <source>Could not read optional sound table.
</source>
        <translation>Impossibile leggere la tabella dei suoni opzionale.
</translation>
    </message>
    <message>
        <source>Could not read params for sound table.
</source>
        <translation>Impossibile leggere i parametri della tabella dei suoni.
</translation>
    </message>
    <message>
        <source>Read invalid params for sound table.
</source>
        <translation>Letti parametri non validi per la tabella dei suoni.
</translation>
    </message>
    <message>
        <source>Could not read label for sound table.
</source>
        <translation>Impossibile leggere l&apos;etichetta della tabella dei suoni.
</translation>
    </message>
    <message>
        <source>Could not read message %d.
</source>
        <translation>Impossibile leggere il messaggio %d.
</translation>
    </message>
    <message>
        <source>Could not read status for message %d.
</source>
        <translation>Impossibile leggere lo stato del messaggio %d.
</translation>
    </message>
    <message>
        <source>Could not read length for message %d.
</source>
        <translation>Impossibile leggere la lunghezza del messaggio %d.
</translation>
    </message>
    <message>
        <source>Fixing memory...
</source>
        <translation>Riparazione della memoria...
</translation>
    </message>
    <message>
        <source>Could not check device memory.
</source>
        <translation>Impossibile controllare la memoria del dispositivo.
</translation>
    </message>
    <message>
        <source>Could not export command %d in group %d.
</source>
        <translation>Impossibile esportare il comando %d del gruppo %d.
</translation>
    </message>
    <message>
        <source>Exporting command %d in group %d...<byte value="xd"/>
(Please wait)</source>
        <translation>Esportazione del comando %d del gruppo %d...<byte value="xd"/>
(Attendere)</translation>
    </message>
    <message>
        <source>Could not load language settings.
</source>
        <translation>Impossibile caricare le impostazioni della lingua.
</translation>
    </message>
    <message>
        <source>Could not set confidence knob.
</source>
        <translation>Impossibile impostare la soglia di confidenza.
</translation>
    </message>
    <message>
        <source>Could not set microphone distance.
</source>
        <translation>Impossibile impostare la distanza del microfono.
</translation>
    </message>
    <message>
        <source>Could not set strictness level.
</source>
        <translation>Impossibile impostare il livello di severità.
</translation>
    </message>
    <message>
        <source>Could not set trailing silence.
</source>
        <translation>Impossibile impostare il silenzio finale.
</translation>
    </message>
    <message>
        <source>Could not set fast recognition.
</source>
        <translation>Impossibile impostare il riconoscimento rapido.
</translation>
    </message>
    <message>
        <source>Could not set language.
</source>
        <translation>Impossibile impostare la lingua.
</translation>
    </message>
    <message>
        <source>Could not save language permanently.
</source>
        <translation>Impossibile salvare la lingua in modo permanente.
</translation>
    </message>
    <message>
        <source>Could not set timeout.
</source>
        <translation>Impossibile impostare il timeout.
</translation>
    </message>
    <message>
        <source>Could not reset all memory.
</source>
        <translation>Impossibile azzerare tutta la memoria.
</translation>
    </message>
    <message>
        <source>Erasing memory...
</source>
        <translation>Cancellazione della memoria...
</translation>
    </message>
    <message>
        <source>The module on port &quot;%s&quot; answers as its firmware loader: a firmware download did not finish.

Download the firmware again to bring the module back.
</source>
        <translation>Il modulo sulla porta &quot;%s&quot; risponde come il suo caricatore del firmware: un download del firmware non è terminato.

Scaricare di nuovo il firmware per ripristinare il modulo.
</translation>
    </message>
    <message>
        <source>Downloading the &quot;bridge&quot; software to %s...</source>
        <translation>Download del software &quot;bridge&quot; su %s...</translation>
    </message>
</context>
<context>
    <name>CustomData</name>
    <message>
        <source>Project file has changed after build.</source>
        <translation>Il file del progetto è cambiato dopo la compilazione.</translation>
    </message>
    <message>
        <source>Running sound table builder...</source>
        <translation>Esecuzione del generatore della tabella dei suoni...</translation>
    </message>
    <message>
        <source>Could not find the project file.</source>
        <translation>Impossibile trovare il file del progetto.</translation>
    </message>
    <message>
        <source>Could not find sound table data. Please build your project.</source>
        <translation>Impossibile trovare i dati della tabella dei suoni. Compilare il progetto.</translation>
    </message>
    <message>
        <source>Could not find a trigger grammar.</source>
        <translation>Impossibile trovare una grammatica di attivazione.</translation>
    </message>
    <message>
        <source>Could not find a command grammar.</source>
        <translation>Impossibile trovare una grammatica di comandi.</translation>
    </message>
    <message>
        <source>Running single grammar builder...</source>
        <translation>Esecuzione del generatore di grammatica singola...</translation>
    </message>
    <message>
        <source>Could not find any grammar data. Please build your project.</source>
        <translation>Impossibile trovare dati di grammatica. Compilare il progetto.</translation>
    </message>
    <message>
        <source>Could not find an acoustic model. Please build your project.</source>
        <translation>Impossibile trovare un modello acustico. Compilare il progetto.</translation>
    </message>
    <message>
        <source>Running combined grammar builder...</source>
        <translation>Esecuzione del generatore di grammatiche combinate...</translation>
    </message>
    <message>
        <source>Could not find a combined acoustic model. Please build your project.</source>
        <translation>Impossibile trovare un modello acustico combinato. Compilare il progetto.</translation>
    </message>
    <message>
        <source>Could not open the project file.</source>
        <translation>Impossibile aprire il file del progetto.</translation>
    </message>
    <message>
        <source>Processing project &quot;%s&quot;...</source>
        <translation>Elaborazione del progetto &quot;%s&quot;...</translation>
    </message>
    <message>
        <source>Could not run sound table builder.</source>
        <translation>Impossibile eseguire il generatore della tabella dei suoni.</translation>
    </message>
    <message>
        <source>Building custom data ...</source>
        <translation>Compilazione dei dati personalizzati ...</translation>
    </message>
    <message>
        <source>Custom data builder failed or not found.</source>
        <translation>Il generatore dei dati personalizzati non è riuscito o non è stato trovato.</translation>
    </message>
    <message>
        <source>Custom data build failed, no output file.</source>
        <translation>Compilazione dei dati personalizzati non riuscita, nessun file di uscita.</translation>
    </message>
    <message>
        <source>Could not open processed user data.</source>
        <translation>Impossibile aprire i dati utente elaborati.</translation>
    </message>
    <message>
        <source>Custom data built successfully.</source>
        <translation>Dati personalizzati compilati correttamente.</translation>
    </message>
    <message>
        <source>Build failed, see status text on the top for a possible reason.
</source>
        <translation>Compilazione non riuscita, vedere il testo di stato in alto per una possibile causa.
</translation>
    </message>
    <message>
        <source>
The following system error occurred: 0x%X
</source>
        <translation>
Si è verificato il seguente errore di sistema: 0x%X
</translation>
    </message>
    <message>
        <source>
The last process return code was: %d</source>
        <translation>
L&apos;ultimo codice di uscita del processo è stato: %d</translation>
    </message>
    <message>
        <source>

Do you want to continue anyway?</source>
        <translation>

Continuare comunque?</translation>
    </message>
    <message>
        <source>Could not export to the specified file.
</source>
        <translation>Impossibile esportare nel file indicato.
</translation>
    </message>
    <message>
        <source>
The following system error occurred:
</source>
        <translation>
Si è verificato il seguente errore di sistema:
</translation>
    </message>
    <message>
        <source>All Supported Files (*.amc;*.rsc)</source>
        <translation>Tutti i file supportati (*.amc;*.rsc)</translation>
    </message>
    <message>
        <source>All Supported Files (*.qxp;*.amc;*.rsc)</source>
        <translation>Tutti i file supportati (*.qxp;*.amc;*.rsc)</translation>
    </message>
    <message>
        <source>QuickSynthesis Project (*.qxp)</source>
        <translation>Progetto QuickSynthesis (*.qxp)</translation>
    </message>
    <message>
        <source>Acoustic Model Combiner Project (*.amc)</source>
        <translation>Progetto Acoustic Model Combiner (*.amc)</translation>
    </message>
    <message>
        <source>QuickT2SI Project (*.rsc)</source>
        <translation>Progetto QuickT2SI (*.rsc)</translation>
    </message>
    <message>
        <source>Updating firmware</source>
        <translation>Aggiornamento del firmware</translation>
    </message>
    <message>
        <source>Set transfer options and download...</source>
        <translation>Impostare le opzioni di trasferimento e scaricare...</translation>
    </message>
    <message>
        <source>Preparing custom data</source>
        <translation>Preparazione dei dati personalizzati</translation>
    </message>
    <message>
        <source>List the project files to use...</source>
        <translation>Elencare i file di progetto da usare...</translation>
    </message>
    <message>
        <source>Operation has been canceled.</source>
        <translation>L&apos;operazione è stata annullata.</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>&amp;Import ...</source>
        <translation>&amp;Importa ...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>&amp;Open Externally</source>
        <translation>&amp;Apri esternamente</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Aggi&amp;orna</translation>
    </message>
    <message>
        <source>&amp;Export as header ...</source>
        <translation>&amp;Esporta come header ...</translation>
    </message>
    <message>
        <source>&amp;Slow Transfer</source>
        <translation>Trasferimento &amp;lento</translation>
    </message>
    <message>
        <source>Old For&amp;mat (Parlix 2.0)</source>
        <translation>Vecchio for&amp;mato (Parlix 2.0)</translation>
    </message>
    <message>
        <source>Do&amp;wnload</source>
        <translation>Scari&amp;ca</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>Update Custom Data</source>
        <translation>Aggiorna dati personalizzati</translation>
    </message>
    <message>
        <source>Arduino or C/C++ Header (*.h)</source>
        <translation>Header Arduino o C/C++ (*.h)</translation>
    </message>
    <message>
        <source>The project &quot;%s&quot; names no grammar, so it adds nothing to the custom data. Add its grammars or remove it.</source>
        <translation>Il progetto &quot;%s&quot; non nomina alcuna grammatica, quindi non aggiunge nulla ai dati personalizzati. Aggiungere le sue grammatiche o rimuoverlo.</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Could not open firmware file.</source>
        <translation>Impossibile aprire il file del firmware.</translation>
    </message>
    <message>
        <source>Invalid signature in update file.</source>
        <translation>Firma non valida nel file di aggiornamento.</translation>
    </message>
    <message>
        <source>Invalid format in firmware file.</source>
        <translation>Formato non valido nel file del firmware.</translation>
    </message>
    <message>
        <source>Checksum verification failed.</source>
        <translation>Verifica del checksum non riuscita.</translation>
    </message>
    <message>
        <source>Downloading firmware to &quot;%s&quot;...</source>
        <translation>Download del firmware su &quot;%s&quot;...</translation>
    </message>
    <message>
        <source>Downloading custom data to &quot;%s&quot;...</source>
        <translation>Download dei dati personalizzati su &quot;%s&quot;...</translation>
    </message>
    <message>
        <source>Connection...</source>
        <translation>Connessione...</translation>
    </message>
    <message>
        <source>Firmware downloaded successfully.</source>
        <translation>Firmware scaricato correttamente.</translation>
    </message>
    <message>
        <source>Custom data downloaded successfully.</source>
        <translation>Dati personalizzati scaricati correttamente.</translation>
    </message>
    <message>
        <source>Download failed, see status text on the top for a possible reason.
</source>
        <translation>Download non riuscito, vedere il testo di stato in alto per una possibile causa.
</translation>
    </message>
    <message>
        <source>
The following system error occurred:
</source>
        <translation>
Si è verificato il seguente errore di sistema:
</translation>
    </message>
    <message>
        <source>
You may check connection and settings and try again.</source>
        <translation>
Controllare la connessione e le impostazioni e riprovare.</translation>
    </message>
    <message>
        <source>The firmware file is a folder.</source>
        <translation>Il file del firmware è una cartella.</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (a device or pipe).</source>
        <translation>Il file del firmware non è un file normale (è un dispositivo o una pipe).</translation>
    </message>
    <message>
        <source>The firmware file is larger than %d MB; no firmware is that large.</source>
        <translation>Il file del firmware supera %d MB; nessun firmware è così grande.</translation>
    </message>
    <message>
        <source>Could not read firmware file: %s</source>
        <translation>Impossibile leggere il file del firmware: %s</translation>
    </message>
    <message>
        <source>
The file is not a valid image: build it again or choose another file.</source>
        <translation>
Il file non è un&apos;immagine valida: ricrearla o scegliere un altro file.</translation>
    </message>
</context>
<context>
    <name>GroupsView</name>
    <message>
        <source>Trigger</source>
        <translation>Attivazione</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>SoundTable</source>
        <translation>Tabella suoni</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Wordset</source>
        <translation>Set di parole</translation>
    </message>
    <message>
        <source>Grammar</source>
        <translation>Grammatica</translation>
    </message>
</context>
<context>
    <name>LipsyncDlg</name>
    <message>
        <source>Lip-Sync</source>
        <translation>Sincronizzazione labiale</translation>
    </message>
    <message>
        <source>&amp;Timeout (s):</source>
        <translation>&amp;Tempo limite (s):</translation>
    </message>
    <message>
        <source>(time 1-255, 0=infinite)</source>
        <translation>(tempo 1-255, 0=infinito)</translation>
    </message>
    <message>
        <source>T&amp;hreshold:</source>
        <translation>Sog&amp;lia:</translation>
    </message>
    <message>
        <source>(range 0-1023, default 270)</source>
        <translation>(intervallo 0-1023, predefinito 270)</translation>
    </message>
    <message>
        <source>Mouth Position</source>
        <translation>Posizione della bocca</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Parlix Lip-Sync Test</source>
        <translation>Test di sincronizzazione labiale Parlix</translation>
    </message>
    <message>
        <source>Show a virtual mouth synchronized to speech</source>
        <translation>Mostra una bocca virtuale sincronizzata con il parlato</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The internal message memory check has failed.
A recovery attempt will be performed, which may erase all messages.</source>
        <translation>Il controllo interno della memoria dei messaggi non è riuscito.
Verrà eseguito un tentativo di recupero, che potrebbe cancellare tutti i messaggi.</translation>
    </message>
    <message>
        <source>Message recovery failed!</source>
        <translation>Recupero dei messaggi non riuscito!</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>Connect to the module on the selected port
Connect</source>
        <translation>Si connette al modulo sulla porta selezionata
Connetti</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>Disconnect from the module
Disconnect</source>
        <translation>Si disconnette dal modulo
Disconnetti</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>Choose the serial port of the module
Port</source>
        <translation>Sceglie la porta seriale del modulo
Porta</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation>Sceglie la lingua del programma
Lingua</translation>
    </message>
    <message>
        <source>&amp;Generate Code...</source>
        <translation>&amp;Genera codice...</translation>
    </message>
    <message>
        <source>Generate source code for the host board
Generate Code</source>
        <translation>Genera il codice sorgente per la scheda host
Genera codice</translation>
    </message>
    <message>
        <source>&amp;Update Custom Data...</source>
        <translation>&amp;Aggiorna dati personalizzati...</translation>
    </message>
    <message>
        <source>Build and download custom sounds and grammars
Update Custom Data</source>
        <translation>Crea suoni e grammatiche personalizzati e li scarica sul modulo
Aggiorna dati personalizzati</translation>
    </message>
    <message>
        <source>&amp;Export Commands...</source>
        <translation>&amp;Esporta comandi...</translation>
    </message>
    <message>
        <source>Save every command to a command file
Export Commands</source>
        <translation>Salva tutti i comandi in un file di comandi
Esporta comandi</translation>
    </message>
    <message>
        <source>&amp;Import Commands...</source>
        <translation>&amp;Importa comandi...</translation>
    </message>
    <message>
        <source>Load the commands of a command file
Import Commands</source>
        <translation>Carica i comandi da un file di comandi
Importa comandi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Chiude l&apos;applicazione
Esci</translation>
    </message>
    <message>
        <source>&amp;Insert Command</source>
        <translation>&amp;Inserisci comando</translation>
    </message>
    <message>
        <source>Insert a new command before the selected one
Insert Command (INS)</source>
        <translation>Inserisce un nuovo comando prima di quello selezionato
Inserisci comando (INS)</translation>
    </message>
    <message>
        <source>&amp;Add Command</source>
        <translation>&amp;Aggiungi comando</translation>
    </message>
    <message>
        <source>Add a new command at the end of the group
Add Command (SHIFT+INS)</source>
        <translation>Aggiunge un nuovo comando alla fine del gruppo
Aggiungi comando (MAIUSC+INS)</translation>
    </message>
    <message>
        <source>&amp;Remove Command</source>
        <translation>&amp;Rimuovi comando</translation>
    </message>
    <message>
        <source>Remove the selected command
Remove Command (SHIFT+DEL)</source>
        <translation>Rimuove il comando selezionato
Rimuovi comando (MAIUSC+CANC)</translation>
    </message>
    <message>
        <source>Re&amp;name Command</source>
        <translation>Ri&amp;nomina comando</translation>
    </message>
    <message>
        <source>Change the label of the selected command
Rename Command (SHIFT+SPACE)</source>
        <translation>Modifica l&apos;etichetta del comando selezionato
Rinomina comando (MAIUSC+SPAZIO)</translation>
    </message>
    <message>
        <source>&amp;Train Command</source>
        <translation>A&amp;ddestra comando</translation>
    </message>
    <message>
        <source>Train recognition of the selected command or add more training
Train Command (ENTER)</source>
        <translation>Addestra il riconoscimento del comando selezionato o aggiunge ulteriore addestramento
Addestra comando (INVIO)</translation>
    </message>
    <message>
        <source>&amp;Erase Training</source>
        <translation>&amp;Cancella addestramento</translation>
    </message>
    <message>
        <source>Erase the training of the selected command
Erase Training (DEL)</source>
        <translation>Cancella l&apos;addestramento del comando selezionato
Cancella addestramento (CANC)</translation>
    </message>
    <message>
        <source>Record &amp;Message</source>
        <translation>Re&amp;gistra messaggio</translation>
    </message>
    <message>
        <source>Record a message in the selected slot, or stop the recording
Record Message (CTRL+R)</source>
        <translation>Registra un messaggio nella posizione selezionata o interrompe la registrazione
Registra messaggio (CTRL+R)</translation>
    </message>
    <message>
        <source>&amp;Play Message</source>
        <translation>Ri&amp;produci messaggio</translation>
    </message>
    <message>
        <source>Play the selected message
Play Message (CTRL+P)</source>
        <translation>Riproduce il messaggio selezionato
Riproduci messaggio (CTRL+P)</translation>
    </message>
    <message>
        <source>Era&amp;se Message</source>
        <translation>Cancella &amp;messaggio</translation>
    </message>
    <message>
        <source>Erase the selected message
Erase Message (CTRL+E)</source>
        <translation>Cancella il messaggio selezionato
Cancella messaggio (CTRL+E)</translation>
    </message>
    <message>
        <source>&amp;Test Group</source>
        <translation>&amp;Prova gruppo</translation>
    </message>
    <message>
        <source>Test recognition of the commands of the selected group
Test Group (SHIFT+ENTER)</source>
        <translation>Prova il riconoscimento dei comandi del gruppo selezionato
Prova gruppo (MAIUSC+INVIO)</translation>
    </message>
    <message>
        <source>Reco&amp;gnition Settings...</source>
        <translation>Impostazioni di &amp;riconoscimento...</translation>
    </message>
    <message>
        <source>Show the recognition settings of the module
Recognition Settings</source>
        <translation>Mostra le impostazioni di riconoscimento del modulo
Impostazioni di riconoscimento</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Imposta &amp;lingua</translation>
    </message>
    <message>
        <source>Set the language of the module&apos;s built-in words
Set Language</source>
        <translation>Imposta la lingua delle parole incorporate nel modulo
Imposta lingua</translation>
    </message>
    <message>
        <source>Reset &amp;Commands</source>
        <translation>Azzera &amp;comandi</translation>
    </message>
    <message>
        <source>Delete every command of the module
Reset Commands</source>
        <translation>Elimina tutti i comandi del modulo
Azzera comandi</translation>
    </message>
    <message>
        <source>Reset &amp;Messages</source>
        <translation>Azzera &amp;messaggi</translation>
    </message>
    <message>
        <source>Delete every recorded message
Reset Messages</source>
        <translation>Elimina tutti i messaggi registrati
Azzera messaggi</translation>
    </message>
    <message>
        <source>&amp;Reset All</source>
        <translation>&amp;Azzera tutto</translation>
    </message>
    <message>
        <source>Delete every command and message
Reset All</source>
        <translation>Elimina tutti i comandi e i messaggi
Azzera tutto</translation>
    </message>
    <message>
        <source>Configure &amp;I/O Pins</source>
        <translation>Configura pin di &amp;I/O</translation>
    </message>
    <message>
        <source>Read and set the module&apos;s I/O pins
Configure I/O Pins</source>
        <translation>Legge e imposta i pin di I/O del modulo
Configura pin di I/O</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>Riproduci &amp;suono</translation>
    </message>
    <message>
        <source>Play the selected sound
Play Sound (SPACE)</source>
        <translation>Riproduce il suono selezionato
Riproduci suono (SPAZIO)</translation>
    </message>
    <message>
        <source>&amp;Dial Tones</source>
        <translation>Selezione a &amp;toni</translation>
    </message>
    <message>
        <source>Dial a phone number with tones
Dial Tones</source>
        <translation>Compone un numero di telefono con la selezione a toni
Selezione a toni</translation>
    </message>
    <message>
        <source>&amp;Tokenwave</source>
        <translation>To&amp;kenwave</translation>
    </message>
    <message>
        <source>Send and receive audio tokens
Tokenwave</source>
        <translation>Invia e riceve token audio
Tokenwave</translation>
    </message>
    <message>
        <source>Real-time Lip-S&amp;ync</source>
        <translation>Lip-s&amp;ync in tempo reale</translation>
    </message>
    <message>
        <source>Show the module&apos;s lip-sync output in real time
Real-time Lip-Sync</source>
        <translation>Mostra in tempo reale l&apos;uscita lip-sync del modulo
Lip-sync in tempo reale</translation>
    </message>
    <message>
        <source>&amp;Update Firmware...</source>
        <translation>&amp;Aggiorna firmware...</translation>
    </message>
    <message>
        <source>Download new firmware to the module
Update Firmware</source>
        <translation>Scarica un nuovo firmware sul modulo
Aggiorna firmware</translation>
    </message>
    <message>
        <source>&amp;About Parlix Desk...</source>
        <translation>&amp;Informazioni su Parlix Desk...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Visualizza le informazioni sul programma, il numero di versione e il copyright
Informazioni</translation>
    </message>
    <message>
        <source>This operation will remove the selected command.

Are you sure you want to proceed?</source>
        <translation>Il comando selezionato verrà rimosso.

Continuare?</translation>
    </message>
    <message>
        <source>This operation will erase training data for the selected command.

Are you sure you want to proceed?</source>
        <translation>I dati di addestramento del comando selezionato verranno cancellati.

Continuare?</translation>
    </message>
    <message>
        <source>Recording...<byte value="xd"/>
(Press again to stop)</source>
        <translation>Registrazione in corso...<byte value="xd"/>
(Premere di nuovo per interrompere)</translation>
    </message>
    <message>
        <source>This operation will erase the selected message.

Are you sure you want to proceed?</source>
        <translation>Il messaggio selezionato verrà cancellato.

Continuare?</translation>
    </message>
    <message>
        <source>This operation will delete all defined commands and recorded messages.

Are you sure you want to proceed?</source>
        <translation>Tutti i comandi definiti e tutti i messaggi registrati verranno eliminati.

Continuare?</translation>
    </message>
    <message>
        <source>This operation will delete all commands and groups you have defined.

Are you sure you want to proceed?</source>
        <translation>Tutti i comandi e i gruppi definiti verranno eliminati.

Continuare?</translation>
    </message>
    <message>
        <source>This operation will delete all messages you have recorded.

Are you sure you want to proceed?</source>
        <translation>Tutti i messaggi registrati verranno eliminati.

Continuare?</translation>
    </message>
    <message>
        <source>Reset completed successfully.</source>
        <translation>Azzeramento completato correttamente.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Parlix Desk - v%1!d!.%2!d!.%3!d!</source>
        <translation>Parlix Desk - v%1!d!.%2!d!.%3!d!</translation>
    </message>
    <message>
        <source>Command Files (*.vrcmd)^*.vrcmd^</source>
        <translation>File di comandi (*.vrcmd)^*.vrcmd^</translation>
    </message>
    <message>
        <source>Parlix Firmware (*.PLXFW)</source>
        <translation>Firmware Parlix (*.PLXFW)</translation>
    </message>
    <message>
        <source>All Files (*.*)^*.*^</source>
        <translation>Tutti i file (*.*)^*.*^</translation>
    </message>
    <message>
        <source>Token will be mixed with the next sound played,<byte value="xd"/>
delayed by the specified time.<byte value="xd"/>
<byte value="xd"/>
Make sure the sound has been compressed at 9.3kHz!</source>
        <translation>Il token verrà mixato con il prossimo suono riprodotto,<byte value="xd"/>
ritardato del tempo indicato.<byte value="xd"/>
<byte value="xd"/>
Assicurarsi che il suono sia stato compresso a 9,3 kHz!</translation>
    </message>
    <message>
        <source>Detecting the device on %s...</source>
        <translation>Rilevamento del dispositivo su %s...</translation>
    </message>
    <message>
        <source>Connection cancelled</source>
        <translation>Connessione annullata</translation>
    </message>
    <message>
        <source>trigger group</source>
        <translation>gruppo di attivazione</translation>
    </message>
    <message>
        <source>password group</source>
        <translation>gruppo password</translation>
    </message>
    <message>
        <source>wordset %d</source>
        <translation>insieme di parole %d</translation>
    </message>
    <message>
        <source>group %d</source>
        <translation>gruppo %d</translation>
    </message>
    <message>
        <source>Firmware %s, version %s, downloaded</source>
        <translation>Firmware %s, versione %s, scaricato</translation>
    </message>
    <message>
        <source>Firmware &quot;%s&quot; downloaded</source>
        <translation>Firmware &quot;%s&quot; scaricato</translation>
    </message>
    <message>
        <source>Custom data from %s downloaded</source>
        <translation>Dati personalizzati da %s scaricati</translation>
    </message>
    <message>
        <source>Commands not exported to %s</source>
        <translation>Comandi non esportati in %s</translation>
    </message>
    <message>
        <source>Commands not imported from %s</source>
        <translation>Comandi non importati da %s</translation>
    </message>
    <message>
        <source>Exported 1 command to %s</source>
        <translation>1 comando esportato in %s</translation>
    </message>
    <message>
        <source>Imported 1 command from %s</source>
        <translation>1 comando importato da %s</translation>
    </message>
    <message>
        <source>Exported %d commands to %s</source>
        <translation>%d comandi esportati in %s</translation>
    </message>
    <message>
        <source>Imported %d commands from %s</source>
        <translation>%d comandi importati da %s</translation>
    </message>
    <message>
        <source>trigger word %d</source>
        <translation>parola di attivazione %d</translation>
    </message>
    <message>
        <source>word %d</source>
        <translation>parola %d</translation>
    </message>
    <message>
        <source>command %d</source>
        <translation>comando %d</translation>
    </message>
    <message>
        <source>Recognised, but not which one (%s)</source>
        <translation>Riconosciuto, ma non quale (%s)</translation>
    </message>
    <message>
        <source>Nothing recognised (%s)</source>
        <translation>Niente riconosciuto (%s)</translation>
    </message>
    <message>
        <source>Recognised: %s (%s)</source>
        <translation>Riconosciuto: %s (%s)</translation>
    </message>
    <message>
        <source>Trained: %s</source>
        <translation>Addestrato: %s</translation>
    </message>
    <message>
        <source>Not trained: %s</source>
        <translation>Non addestrato: %s</translation>
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
        <translation>Impostazioni di riconoscimento</translation>
    </message>
    <message>
        <source>Parlix Recognition Settings</source>
        <translation>Impostazioni di riconoscimento Parlix</translation>
    </message>
    <message>
        <source>Control parameters affecting recognition and training</source>
        <translation>Parametri che influiscono su riconoscimento e addestramento</translation>
    </message>
    <message>
        <source>Custom Commands   (Speaker Dependent / Verification)</source>
        <translation>Comandi personalizzati   (dipendenti dal parlatore / verifica)</translation>
    </message>
    <message>
        <source>Use &quot;&amp;Fast&quot; SD/SV Recognition</source>
        <translation>Usa riconoscimento SD/SV &quot;&amp;veloce&quot;</translation>
    </message>
    <message>
        <source>Strictness:</source>
        <translation>Rigore:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Hardest</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Built-in / Custom Words   (Speaker Independent)</source>
        <translation>Parole integrate / personalizzate   (indipendenti dal parlatore)</translation>
    </message>
    <message>
        <source>Confidence:</source>
        <translation>Confidenza:</translation>
    </message>
    <message>
        <source>Looser</source>
        <translation>Più tollerante</translation>
    </message>
    <message>
        <source>Typical</source>
        <translation>Tipico</translation>
    </message>
    <message>
        <source>Stricter</source>
        <translation>Più rigoroso</translation>
    </message>
    <message>
        <source>Trailing silence:</source>
        <translation>Silenzio finale:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Microphone Distance</source>
        <translation>Distanza del microfono</translation>
    </message>
    <message>
        <source>&amp;Headset</source>
        <translation>&amp;Cuffia</translation>
    </message>
    <message>
        <source>around 30 cm</source>
        <translation>circa 30 cm</translation>
    </message>
    <message>
        <source>&amp;Arms Length</source>
        <translation>Lunghezza del &amp;braccio</translation>
    </message>
    <message>
        <source>about 50 cm - 1 m</source>
        <translation>circa 50 cm - 1 m</translation>
    </message>
    <message>
        <source>&amp;Far Mic</source>
        <translation>Microfono &amp;lontano</translation>
    </message>
    <message>
        <source>max 3 m</source>
        <translation>massimo 3 m</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>PinControlDlg</name>
    <message>
        <source>Pin IO%d - Value: %c</source>
        <translation>Pin IO%d - Valore: %c</translation>
    </message>
    <message>
        <source>Pin Control</source>
        <translation>Controllo dei pin</translation>
    </message>
    <message>
        <source>Parlix I/O Pin Control</source>
        <translation>Controllo dei pin di I/O Parlix</translation>
    </message>
    <message>
        <source>Setup pin configuration and show pin current status</source>
        <translation>Configura i pin e mostra il loro stato attuale</translation>
    </message>
    <message>
        <source>Output Low</source>
        <translation>Uscita bassa</translation>
    </message>
    <message>
        <source>Output High</source>
        <translation>Uscita alta</translation>
    </message>
    <message>
        <source>Input Hi-Z</source>
        <translation>Ingresso alta impedenza</translation>
    </message>
    <message>
        <source>Input Strong PU</source>
        <translation>Ingresso pull-up forte</translation>
    </message>
    <message>
        <source>Input Weak PU</source>
        <translation>Ingresso pull-up debole</translation>
    </message>
    <message>
        <source>Tip: Click on one of the input configurations to refresh pin status</source>
        <translation>Suggerimento: fare clic su una delle configurazioni di ingresso per aggiornare lo stato del pin</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Incorrect function.</source>
        <translation>Funzione non corretta.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>Handle non valido.</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to process this command.</source>
        <translation>Memoria insufficiente per elaborare il comando.</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>Impossibile trovare il dispositivo specificato.</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>Errore di dati (controllo di ridondanza ciclico).</translation>
    </message>
    <message>
        <source>The program issued a command but the command length is incorrect.</source>
        <translation>Il programma ha inviato un comando, ma la lunghezza del comando non è corretta.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Impossibile scrivere sul dispositivo specificato.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Parametro non corretto.</translation>
    </message>
    <message>
        <source>The wait operation timed out.</source>
        <translation>Timeout dell&apos;operazione di attesa.</translation>
    </message>
    <message>
        <source>Cannot complete this function.</source>
        <translation>Impossibile completare la funzione.</translation>
    </message>
    <message>
        <source>The operation was canceled by the user.</source>
        <translation>Operazione annullata dall&apos;utente.</translation>
    </message>
    <message>
        <source>An attempt was made to perform an initialization operation when initialization has already been completed.</source>
        <translation>Si è tentato di eseguire un&apos;inizializzazione quando l&apos;inizializzazione era già stata completata.</translation>
    </message>
    <message>
        <source>This operation returned because the timeout period expired.</source>
        <translation>L&apos;operazione è terminata perché il tempo massimo è scaduto.</translation>
    </message>
    <message>
        <source>Permission denied. Your user must belong to the group that owns the port (usually &quot;dialout&quot;): run &quot;sudo usermod -a -G dialout $USER&quot;, then log out and in again.</source>
        <translation>Permesso negato. L&apos;utente deve appartenere al gruppo proprietario della porta (di solito &quot;dialout&quot;): eseguire &quot;sudo usermod -a -G dialout $USER&quot;, poi uscire e accedere di nuovo.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>La porta è in uso da parte di un altro programma.</translation>
    </message>
    <message>
        <source>The simulated device is not available: no parlix-sim serves it.</source>
        <translation>Il dispositivo simulato non è disponibile: nessun parlix-sim lo fornisce.</translation>
    </message>
    <message>
        <source>The device has been removed.</source>
        <translation>Il dispositivo è stato rimosso.</translation>
    </message>
</context>
<context>
    <name>TokenwaveDlg</name>
    <message>
        <source>Received Token %d</source>
        <translation>Ricevuto il token %d</translation>
    </message>
    <message>
        <source>Continuos listening...</source>
        <translation>Ascolto continuo...</translation>
    </message>
    <message>
        <source>Received Token %d. Now listening...</source>
        <translation>Ricevuto il token %d. In ascolto...</translation>
    </message>
    <message>
        <source>The generated files will be saved in the folder:<byte value="xd"/>
    &quot;%s&quot;<byte value="xd"/>
with file names in the range:<byte value="xd"/>
    &quot;%s_000.wav&quot;    to    &quot;%s_%03d.wav&quot;<byte value="xd"/>
<byte value="xd"/>
Do you want to proceed?</source>
        <translation>I file generati verranno salvati nella cartella:<byte value="xd"/>
    &quot;%s&quot;<byte value="xd"/>
con nomi di file nell&apos;intervallo:<byte value="xd"/>
    &quot;%s_000.wav&quot;    a    &quot;%s_%03d.wav&quot;<byte value="xd"/>
<byte value="xd"/>
Procedere?</translation>
    </message>
    <message>
        <source>Tokenwave</source>
        <translation>Test Tokenwave</translation>
    </message>
    <message>
        <source>Short (&amp;4-bits)</source>
        <translation>Corto (&amp;4 bit)</translation>
    </message>
    <message>
        <source>Long (&amp;8-bits)</source>
        <translation>Lungo (&amp;8 bit)</translation>
    </message>
    <message>
        <source>Token &amp;index:</source>
        <translation>&amp;Indice del token:</translation>
    </message>
    <message>
        <source>&amp;Delay by (ms):</source>
        <translation>&amp;Ritardo (ms):</translation>
    </message>
    <message>
        <source>&amp;Timeout (ms):</source>
        <translation>&amp;Tempo limite (ms):</translation>
    </message>
    <message>
        <source>&amp;Rejection level:</source>
        <translation>Live&amp;llo di rifiuto:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>In&amp;via</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Ri&amp;produci</translation>
    </message>
    <message>
        <source>Generate ...</source>
        <translation>Genera ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Parlix Tokenwave™ Test</source>
        <translation>Test Tokenwave™ Parlix</translation>
    </message>
    <message>
        <source>Send or receive a special sound token</source>
        <translation>Invia o ricevi uno speciale token sonoro</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation>&amp;Ascolta</translation>
    </message>
</context>
<context>
    <name>ToneDlg</name>
    <message>
        <source>Dial Phone Number</source>
        <translation>Componi numero di telefono</translation>
    </message>
    <message>
        <source>Parlix DTMF Dialer</source>
        <translation>Compositore DTMF Parlix</translation>
    </message>
    <message>
        <source>Enter a phone number to dial or use the keypad</source>
        <translation>Inserire un numero di telefono da comporre o usare il tastierino</translation>
    </message>
    <message>
        <source>Phone Keypad</source>
        <translation>Tastierino telefonico</translation>
    </message>
    <message>
        <source>Dial &amp;Tone</source>
        <translation>&amp;Tono di linea</translation>
    </message>
    <message>
        <source>Tone duration (ms):</source>
        <translation>Durata del tono (ms):</translation>
    </message>
    <message>
        <source>Phone number (0-9 * # A B C D):</source>
        <translation>Numero di telefono (0-9 * # A B C D):</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Componi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TrainingDlg</name>
    <message>
        <source>Trained command is similar to existing command %1!d!.

Keep current training anyway?</source>
        <translation>Il comando addestrato è simile al comando esistente %1!d!.

Mantenere comunque l&apos;addestramento attuale?</translation>
    </message>
    <message>
        <source>Command Training</source>
        <translation>Addestramento comando</translation>
    </message>
    <message>
        <source>Command %2!d! of Group %1!d!</source>
        <translation>Comando %2!d! del gruppo %1!d!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; - Phase %2!d!/%3!d!</source>
        <translation>&quot;%1&quot; - Fase %2!d! di %3!d!</translation>
    </message>
    <message>
        <source>Press the &quot;Phase %2!d!&quot; button and say the word corresponding to the command &quot;%1&quot; within 5 seconds.</source>
        <translation>Premere il pulsante &quot;Fase %2!d!&quot; e pronunciare entro 5 secondi la parola corrispondente al comando &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Phase %1!d!</source>
        <translation>Fase %1!d!</translation>
    </message>
</context>
<context>
    <name>VoiceModel</name>
    <message>
        <source>Empty Slot</source>
        <translation>Posizione vuota</translation>
    </message>
    <message>
        <source>Recorded Message</source>
        <translation>Messaggio registrato</translation>
    </message>
    <message>
        <source>Message Error</source>
        <translation>Errore messaggio</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Registrazione...</translation>
    </message>
</context>
<context>
    <name>parlix::ui::GroupListModel</name>
    <message>
        <source>Index</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
</context>
<context>
    <name>parlix::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Trace to File...</source>
        <translation>&amp;Traccia su file...</translation>
    </message>
    <message>
        <source>Write every byte exchanged with the module to a file</source>
        <translation>Scrive in un file ogni byte scambiato con il modulo</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Serial port: choose one, or type a device path or sim:NAME</source>
        <translation>Porta seriale: sceglierne una, oppure digitare il percorso di un dispositivo o sim:NOME</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Connected to Xxxxxxx Yyyyyy Zzzzz on COMnn</source>
        <translation>Connesso a Xxxxxxx Yyyyyy Zzzzz su COMnn</translation>
    </message>
    <message>
        <source>Group List</source>
        <translation>Elenco gruppi</translation>
    </message>
    <message>
        <source>Command List</source>
        <translation>Elenco comandi</translation>
    </message>
    <message>
        <source>Simulated device</source>
        <translation>Dispositivo simulato</translation>
    </message>
    <message>
        <source>Trace to File</source>
        <translation>Traccia su file</translation>
    </message>
    <message>
        <source>Trace Files (*.txt *.log)</source>
        <translation>File di traccia (*.txt *.log)</translation>
    </message>
    <message>
        <source>The trace cannot be written to &quot;%1&quot;:
%2</source>
        <translation>Impossibile scrivere la traccia in &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>Tracing has stopped: the trace &quot;%1&quot; cannot be written.
%2</source>
        <translation>La registrazione è stata interrotta: impossibile scrivere il file di traccia &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Stop connecting</source>
        <translation>Interrompe la connessione</translation>
    </message>
    <message>
        <source>Stop connecting and close the port</source>
        <translation>Interrompe la connessione e chiude la porta</translation>
    </message>
    <message>
        <source>Commands.vrcmd</source>
        <translation>Comandi.vrcmd</translation>
    </message>
    <message>
        <source>Not connected.

Choose the port of your module in the tool bar, then press Connect.</source>
        <translation>Non connesso.

Scegliere la porta del modulo nella barra degli strumenti, quindi premere Connetti.</translation>
    </message>
    <message>
        <source>Connecting...

The status bar tells what happens; Cancel stops it.</source>
        <translation>Connessione in corso...

La barra di stato dice cosa succede; Annulla la interrompe.</translation>
    </message>
</context>
</TS>
