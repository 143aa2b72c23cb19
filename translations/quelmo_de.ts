<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Neues Passwort
ist zu kurz</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Neues Passwort und Bestätigung
stimmen nicht überein</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Konfigurationsdateien</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Verzögertes Ausschalten</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Verzögert aus</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Ausschalten abbrechen</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Konfig.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>  Neues Passwort</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>      Bestätigen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Ausschalten fortsetzen</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbrauch</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespart</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>PC-Leistungsaufnahme (Watt)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Dient nur zur Schätzung der Energie, die Quelmo! einspart</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Ein              Aus           Standby</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Ende!</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Geplante Aktion</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Details zeigen</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Jetzt!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Standby
not available
will use Hibernate</source>
        <translation>Standby
nicht verfügbar
Ruhezustand wird verwendet</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Standby
nicht verfügbar</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Ruhezustand
nicht verfügbar
Standby wird verwendet</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Ruhezustand
nicht verfügbar</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Ausschalten
nicht verfügbar
Ruhezustand wird verwendet</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Ausschalten
nicht verfügbar
Standby wird verwendet</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Ausschalten
nicht verfügbar</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Ungültige
Energieoption gewählt</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! läuft bereits
auf diesem Rechner</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Keine Berechtigung zum Ausschalten</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Details verbergen</translation>
    </message>
    <message>
        <source>PC will %1 in %2</source>
        <translation>PC: %1 in %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (abgebrochen!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Anstehendes geplantes Ausschalten übergangen,
da Quelmo! gerade erst gestartet wurde</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Energieverwaltung (logind) nicht erreichbar - Abbruch</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Ausschalten ist nicht erlaubt
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
ist nicht erlaubt</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Weck-Timer (timerfd)
konnte nicht angelegt werden
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Weck-Timer (timerfd)
konnte nicht gestellt werden</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Bitte die Energieeinstellungen
des Systems prüfen</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Energieeinstellungen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Weck-Timer
wird nicht unterstützt</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Das System wird in 10 Sekunden ausgeschaltet</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Systemfehler: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Fehler: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Eine Anmeldung ist erforderlich</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Keine Antwort in der Zeit</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Die Energieverwaltung (logind) ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Auf diesem PC nicht unterstützt</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Ein anderes Ausschalten oder Schlafen läuft bereits</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Ein Programm hält es zurück</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Das System hat den Ruhezustand abgelehnt: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Das System hat das Ausschalten abgelehnt: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Das System hat den Standby abgelehnt: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>PC will %1 when %2 is done</source>
        <translation>PC: %1, sobald %2 fertig ist</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>Woche ab %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Verbrauchte und gesparte Energie pro Woche</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Verbrauchte und gesparte Energie pro Tag</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>Von %1 bis %2: insgesamt %3 kWh verbraucht und %4 kWh gespart.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Höchster Verbrauch: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: %2 kWh verbraucht, %3 kWh gespart</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Zeitraum: %1 bis %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Zeitraum: ab %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Zeitraum: bis %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Zeitraum: alle Meldungen in den Protokollen</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Verbraucht im Zeitraum</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Gespart im Zeitraum</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Gesparte Kosten im Zeitraum (bei %1 je kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>Gespartes CO₂ im Zeitraum (bei %1 kg je kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Verbraucht, insgesamt</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Gespart, insgesamt</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Geräte mit Meldungen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Übergangene fehlerhafte Protokollzeilen</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energie pro Woche</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energie pro Tag</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>Keine Meldungen in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Die Zahlen des Diagramms</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Verbraucht (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Gespart (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Erste Meldung (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Letzte Meldung (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Verbraucht, insgesamt (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Gespart, insgesamt (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Verbraucht im Zeitraum (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Gespart im Zeitraum (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Stille Geräte</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Jedes Gerät hat in dieser Zeit gemeldet.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Diese nicht, das zuletzt gehörte zuerst.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Tage still</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Quelmo-Flottenbericht</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Erstellt von quelmo-fleet-report am %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Fasst die Verbrauchsmeldungen einer Flotte von Quelmo-PCs aus Webserver-Protokollen im Format „combined“ zusammen (unkomprimiert oder mit gzip komprimiert): eine Zeile je Gerät, dann die Summen der Flotte.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>CSV ausgeben.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Eine in sich geschlossene HTML-Seite ausgeben.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Metriken für den Textfile-Collector von node_exporter ausgeben.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Der Zeitraum ab DATE (JJJJ-MM-TT oder ISO-Datum mit Uhrzeit; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Der Zeitraum bis DATE einschließlich dieses Tages (JJJJ-MM-TT oder ISO-Datum mit Uhrzeit; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Kosten je kWh, um die gesparte Energie zu bewerten.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg CO₂ je kWh, für das gesparte CO₂.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Ein Gerät gilt nach DAYS Tagen ohne Meldung als still (Vorgabe 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>In FILE schreiben, über eine temporäre Datei, die dann umbenannt wird.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Zu lesende Protokolle.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>kein LOGFILE angegeben (siehe --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html und --prometheus schließen einander aus</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: kein Datum: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: keine Zahl von 0 oder mehr: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: keine Anzahl Tage: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>%n fehlerhafte Zeile übergangen</numerusform>
            <numerusform>%n fehlerhafte Zeilen übergangen</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Zuerst gesehen (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Zuletzt gesehen (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh verbraucht</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh gespart</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>Zeitraum kWh verbraucht</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>Zeitraum kWh gespart</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Gesparte Kosten</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ gespart</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n Gerät</numerusform>
            <numerusform>%n Geräte</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Still nach: %n Tag ohne Meldung vor %1 (UTC).</numerusform>
            <numerusform>Still nach: %n Tagen ohne Meldung vor %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Verbrauchte Energie</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Gesparte Energie</translation>
    </message>
</context>
</TS>
