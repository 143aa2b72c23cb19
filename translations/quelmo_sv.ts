<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Nytt lösenord
är för kort</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Nytt lösenord och bekräftelse
stämmer inte överens</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Konfigurationsfiler</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Dvala</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Fördröjd avstängning</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Fördröjd avstängning</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Stäng av</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Avbryt avstängning</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Konfig.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Läs in</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>       Nytt lösenord</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>                Bekräfta</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändra</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Återuppta avstängning</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Förbrukat</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Sparat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Datorns effekt (watt)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Används bara för att uppskatta energin som Quelmo! sparar</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>På               Av              Viloläge</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Schemalagd åtgärd</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Visa detaljer</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Nu!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Lås</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>L</translation>
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
        <translation>Viloläge
inte tillgängligt
dvala används</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Viloläge
inte tillgängligt</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Dvala
inte tillgänglig
viloläge används</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Dvala
inte tillgänglig</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Avstängning
inte tillgänglig
dvala används</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Avstängning
inte tillgänglig
viloläge används</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Avstängning
inte tillgänglig</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Ogiltigt val
av energialternativ</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! körs redan
på den här datorn</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Saknar behörighet att stänga av</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>tim</translation>
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
        <translation>PC: %1 om %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (avbrutet!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Väntande schemalagd avstängning hoppades över
eftersom Quelmo! just har startat</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Dölj detaljer</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Energihanteraren (logind) kan inte nås - Avbryter</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Avstängning är inte tillåten
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
är inte tillåtet</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Väckningstimern (timerfd)
kunde inte skapas
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Väckningstimern (timerfd)
kunde inte ställas in</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Kontrollera systemets
energiinställningar</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Energiinställningar</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Byt lösenord</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Systemfel: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Fel: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Viloläge</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Avstängning</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Väckningstimer
stöds inte</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Systemet stängs av om 10 sekunder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Åtkomst nekad</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Autentisering krävs</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Inget svar i tid</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Energihanteraren (logind) kan inte nås</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Stöds inte på den här datorn</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>En annan avstängning eller ett annat viloläge pågår redan</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Ett program hindrar det</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Systemet nekade dvala: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Systemet nekade avstängning: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Systemet nekade viloläge: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>”%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>”%1” (%2)</translation>
    </message>
    <message>
        <source>PC will %1 when %2 is done</source>
        <translation>PC: %1 när %2 är klart</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>veckan från %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Förbrukad och sparad energi per vecka</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Förbrukad och sparad energi per dag</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: totalt %3 kWh förbrukat och %4 kWh sparat.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Högst förbrukning: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: %2 kWh förbrukat, %3 kWh sparat</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Period: %1 till och med %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Period: från %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Period: till och med %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Period: alla rapporter i loggarna</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summor</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Förbrukat under perioden</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Sparat under perioden</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Sparade pengar under perioden (vid %1 per kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>Sparad CO₂ under perioden (vid %1 kg per kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Förbrukat totalt</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Sparat totalt</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Enheter som har rapporterat</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporter</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Överhoppade felaktiga loggrader</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energi per vecka</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energi per dag</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>Inga rapporter under den här perioden.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Diagrammets siffror</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Vecka från</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Förbrukat (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Sparat (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Första rapport (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Senaste rapport (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Förbrukat totalt (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Sparat totalt (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Förbrukat under perioden (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Sparat under perioden (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Tysta enheter</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Alla enheter har rapporterat under den tiden.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Dessa har inte rapporterat; den senast hörda först.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Dagar tyst</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Flottrapport för Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Skapad av quelmo-fleet-report %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Sammanfattar användningsrapporterna från en flotta av Quelmo-datorer ur webbserverloggar i formatet combined (okomprimerade eller gzip-komprimerade): en rad per enhet, sedan flottans summor.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Skriv CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Skriv en fristående HTML-sida.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Skriv mätvärden för node_exporters textfile-insamlare.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Perioden från och med DATE (ÅÅÅÅ-MM-DD, eller ISO-datum och tid; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Perioden till och med DATE, den dagen inräknad (ÅÅÅÅ-MM-DD, eller ISO-datum och tid; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Pengar per kWh, för att värdera den sparade energin.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg CO₂ per kWh, för den sparade CO₂:n.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>En enhet är tyst efter DAYS dagar utan rapport (standard 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Skriv till FILE via en temporär fil som sedan byter namn.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Loggar att läsa.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>ingen LOGFILE angiven (se --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html och --prometheus utesluter varandra</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: inte ett datum: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: inte ett tal som är 0 eller mer: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: inte ett antal dagar: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kan inte läsa %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>%n felaktig rad överhoppad</numerusform>
            <numerusform>%n felaktiga rader överhoppade</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan inte skriva %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Först sedd (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Senast sedd (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh förbrukat</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh sparat</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh förbrukat (period)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh sparat (period)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Sparade pengar</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ sparat</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n enhet</numerusform>
            <numerusform>%n enheter</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Tyst efter: %n dag utan rapport före %1 (UTC).</numerusform>
            <numerusform>Tyst efter: %n dagar utan rapport före %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Förbrukad energi</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Sparad energi</translation>
    </message>
</context>
</TS>
