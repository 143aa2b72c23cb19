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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC will %1 when %2 is done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
