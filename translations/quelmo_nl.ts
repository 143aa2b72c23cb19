<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Nieuw wachtwoord
is te kort</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Nieuw wachtwoord en bevestiging
komen niet overeen</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Configuratiebestanden</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Winterslaap</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Uitgesteld uitschakelen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuratie</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Uitgesteld uitschakelen</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Uitzetten</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Uitschakelen annuleren</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>                    Nieuw</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>           Bevestigen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Uitschakelen hervatten</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbruikt</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Bespaard</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Stroomverbruik pc (watt)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Dient alleen om de door Quelmo! bespaarde energie te schatten</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Aan            Uit              Standby</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Geplande actie</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Details tonen</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Nu!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Op slot</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
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
        <translation>W</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>Standby
not available
will use Hibernate</source>
        <translation>Standby
niet beschikbaar
winterslaap wordt gebruikt</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Standby
niet beschikbaar</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Winterslaap
niet beschikbaar
standby wordt gebruikt</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Winterslaap
niet beschikbaar</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Uitschakelen
niet beschikbaar
winterslaap wordt gebruikt</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Uitschakelen
niet beschikbaar
standby wordt gebruikt</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Uitschakelen
niet beschikbaar</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Ongeldige
energieoptie gekozen</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! draait al
op deze computer</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Geen toestemming om uit te schakelen</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>uur</translation>
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
        <translation>PC: %1 over %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (afgebroken!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Geplande uitschakeling overgeslagen,
omdat Quelmo! net is gestart</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Details verbergen</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Energiebeheer (logind) niet bereikbaar - Afbreken</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Uitschakelen is niet toegestaan
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
is niet toegestaan</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Wektimer (timerfd)
kon niet worden aangemaakt
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Wektimer (timerfd)
kon niet worden ingesteld</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Controleer de energie-instellingen
van het systeem</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Energie-instellingen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Wachtwoord wijzigen</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Systeemfout: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Fout: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Wektimer
wordt niet ondersteund</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Het systeem wordt over 10 seconden uitgeschakeld</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Authenticatie is vereist</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Geen tijdig antwoord</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Het energiebeheer (logind) is niet bereikbaar</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Niet ondersteund op deze pc</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Er loopt al een andere uitschakeling of standby</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Een programma houdt het tegen</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Het systeem heeft de winterslaap geweigerd: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Het systeem heeft het uitschakelen geweigerd: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Het systeem heeft de standby geweigerd: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>PC will %1 when %2 is done</source>
        <translation>PC: %1 zodra %2 klaar is</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>week van %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Verbruikte en bespaarde energie per week</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Verbruikte en bespaarde energie per dag</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: in totaal %3 kWh verbruikt en %4 kWh bespaard.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Hoogste verbruik: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: %2 kWh verbruikt, %3 kWh bespaard</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Periode: %1 tot en met %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Periode: vanaf %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Periode: tot en met %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Periode: alle meldingen in de logboeken</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Verbruikt in de periode</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Bespaard in de periode</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Bespaarde kosten in de periode (bij %1 per kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>Bespaarde CO₂ in de periode (bij %1 kg per kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Verbruikt, totaal</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Bespaard, totaal</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Apparaten met meldingen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Meldingen</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Overgeslagen onjuiste logregels</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energie per week</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energie per dag</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>Geen meldingen in deze periode.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>De cijfers van de grafiek</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Week vanaf</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Verbruikt (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Bespaard (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Apparaten</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Eerste melding (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Laatste melding (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Verbruikt, totaal (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Bespaard, totaal (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Verbruikt in de periode (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Bespaard in de periode (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Stille apparaten</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Alle apparaten hebben in die tijd een melding gestuurd.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Deze hebben niets gemeld; de meest recent gehoorde eerst.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Dagen stil</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Quelmo-vlootrapport</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Gemaakt door quelmo-fleet-report op %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Vat de gebruiksmeldingen van een vloot Quelmo-pc&apos;s samen uit webserverlogboeken in het combined-formaat (ongecomprimeerd of met gzip gecomprimeerd): één regel per apparaat, daarna de totalen van de vloot.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>CSV schrijven.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Een zelfstandige HTML-pagina schrijven.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Metrieken schrijven voor de textfile-collector van node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>De periode vanaf DATE (JJJJ-MM-DD, of een ISO-datum met tijd; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>De periode tot en met DATE, die dag inbegrepen (JJJJ-MM-DD, of een ISO-datum met tijd; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Geld per kWh, om de bespaarde energie in geld uit te drukken.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg CO₂ per kWh, voor de bespaarde CO₂.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Een apparaat is stil na DAYS dagen zonder melding (standaard 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Naar FILE schrijven via een tijdelijk bestand dat daarna wordt hernoemd.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Te lezen logboeken.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>geen LOGFILE opgegeven (zie --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html en --prometheus sluiten elkaar uit</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: geen datum: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: geen getal van 0 of meer: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: geen aantal dagen: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kan %1 niet lezen</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>%n onjuiste regel overgeslagen</numerusform>
            <numerusform>%n onjuiste regels overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Eerst gezien (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Laatst gezien (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh verbruikt</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh bespaard</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh verbruikt (periode)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh bespaard (periode)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Bespaarde kosten</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ bespaard</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n apparaat</numerusform>
            <numerusform>%n apparaten</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Stil na: %n dag zonder melding vóór %1 (UTC).</numerusform>
            <numerusform>Stil na: %n dagen zonder melding vóór %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Verbruikte energie</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Bespaarde energie</translation>
    </message>
</context>
</TS>
