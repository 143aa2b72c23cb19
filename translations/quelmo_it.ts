<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>La nuova password
è troppo corta</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>La nuova password e la conferma
non corrispondono</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>File di configurazione</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ibernazione</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Spegnimento ritardato</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Spegnimento ritardato</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Annulla spegnimento</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation> Nuova password</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>             Conferma</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Riprendi spegnimento</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Risparmio</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Consumo del PC (watt)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Serve solo a stimare l&apos;energia risparmiata grazie a Quelmo!</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Acceso      Spento      Standby</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Esci!</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Azione pianificata</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Mostra dettagli</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Ora!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>Standby
not available
will use Hibernate</source>
        <translation>Sospensione
non disponibile
verrà usata l&apos;ibernazione</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Sospensione
non disponibile</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Ibernazione
non disponibile
verrà usata la sospensione</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Ibernazione
non disponibile</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Spegnimento
non disponibile
verrà usata l&apos;ibernazione</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Spegnimento
non disponibile
verrà usata la sospensione</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Spegnimento
non disponibile</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Opzione di alimentazione
non valida</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! è già in esecuzione
su questo computer</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Impossibile ottenere il permesso di spegnimento</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>PC will %1 in %2</source>
        <translation>PC: %1 tra %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (annullato!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Spegnimento pianificato imminente ignorato,
perché Quelmo! è appena stato avviato</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Nascondi dettagli</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Gestore dell&apos;alimentazione (logind) non raggiungibile - Interruzione</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Lo spegnimento non è consentito
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
non è consentito</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Impossibile creare il timer
di risveglio (timerfd)
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Impossibile impostare il timer
di risveglio (timerfd)</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Controllare le impostazioni
di alimentazione del sistema</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Alimentazione</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Errore di sistema: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Errore: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Sospensione</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Timer di risveglio
non supportato</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Il sistema si spegnerà tra 10 secondi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accesso negato</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>È richiesta l&apos;autenticazione</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Nessuna risposta in tempo</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Il gestore dell&apos;alimentazione (logind) non è raggiungibile</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Non supportato su questo PC</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>È già in corso un altro spegnimento o sospensione</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Un programma lo impedisce</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Il sistema ha rifiutato l&apos;ibernazione: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Il sistema ha rifiutato lo spegnimento: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Il sistema ha rifiutato la sospensione: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>PC will %1 when %2 is done</source>
        <translation>PC: %1 al termine di %2</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>settimana del %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Energia consumata e risparmiata a settimana</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Energia consumata e risparmiata al giorno</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: %3 kWh consumati e %4 kWh risparmiati in totale.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Consumo maggiore: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: %2 kWh consumati, %3 kWh risparmiati</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Periodo: dal %1 al %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Periodo: dal %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Periodo: fino al %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Periodo: tutti i rapporti nei log</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Consumo nel periodo</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Risparmio nel periodo</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Denaro risparmiato nel periodo (a %1 per kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>CO₂ evitata nel periodo (a %1 kg per kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Consumo totale</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Risparmio totale</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Dispositivi che hanno inviato rapporti</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporti</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Righe di log non valide ignorate</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energia a settimana</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energia al giorno</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>Nessun rapporto in questo periodo.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>I dati del grafico</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Settimana del</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Consumo (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Risparmio (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Primo rapporto (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Ultimo rapporto (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Consumo totale (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Risparmio totale (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Consumo nel periodo (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Risparmio nel periodo (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Dispositivi silenziosi</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Tutti i dispositivi hanno inviato rapporti in quel periodo.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Questi non ne hanno inviati; prima quelli sentiti più di recente.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Giorni di silenzio</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Rapporto sul parco Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Creato da quelmo-fleet-report il %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Riassume i rapporti di utilizzo di un parco di PC con Quelmo dai log di un server web in formato combined (non compressi o compressi con gzip): una riga per dispositivo, poi i totali del parco.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Scrive in formato CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Scrive una pagina HTML autonoma.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Scrive metriche per il collettore textfile di node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Il periodo a partire da DATE (AAAA-MM-GG, o data e ora ISO; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Il periodo fino a DATE, quel giorno compreso (AAAA-MM-GG, o data e ora ISO; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Importo per kWh, per dare un valore all&apos;energia risparmiata.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg di CO₂ per kWh, per la CO₂ evitata.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Un dispositivo è silenzioso dopo DAYS giorni senza rapporti (predefinito 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Scrive in FILE tramite un file temporaneo poi rinominato.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Log da leggere.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>nessun LOGFILE indicato (vedere --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html e --prometheus si escludono a vicenda</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: non è una data: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: non è un numero maggiore o uguale a 0: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: non è un numero di giorni: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>%n riga non valida ignorata</numerusform>
            <numerusform>%n righe non valide ignorate</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Primo contatto (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Ultimo contatto (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh consumati</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh risparmiati</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh consumati (periodo)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh risparmiati (periodo)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Denaro risparmiato</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ evitati</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n dispositivo</numerusform>
            <numerusform>%n dispositivi</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Silenziosi: nessun rapporto per %n giorno prima del %1 (UTC).</numerusform>
            <numerusform>Silenziosi: nessun rapporto per %n giorni prima del %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Energia consumata</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Energia risparmiata</translation>
    </message>
</context>
</TS>
