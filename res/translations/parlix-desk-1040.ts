<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
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
</TS>
