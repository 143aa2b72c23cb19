<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Nové heslo
je příliš krátké</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Nové heslo a potvrzení
se neshodují</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Konfigurační soubory</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernace</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Odložené vypnutí</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurace</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Odložené vypnutí</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Zrušit vypnutí</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Konfig.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlásit</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>           Nové heslo</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>              Potvrzení</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Obnovit vypnutí</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Spotřeba</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Úspora</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Příkon počítače (W)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Slouží jen k odhadu energie, kterou Quelmo! ušetří</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Zapnuto     Vypnuto    Uspání</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Konec!</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Plánovaná akce</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Hned!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Zamkni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>Ú</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Č</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Standby
not available
will use Hibernate</source>
        <translation>Uspání
není k dispozici
bude použita hibernace</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Uspání
není k dispozici</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Hibernace
není k dispozici
bude použito uspání</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Hibernace
není k dispozici</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Vypnutí
není k dispozici
bude použita hibernace</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Vypnutí
není k dispozici
bude použito uspání</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Vypnutí
není k dispozici</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Neplatná volba
napájení</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! již běží
na tomto počítači</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Chybí oprávnění k vypnutí</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>hod.</translation>
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
        <translation>PC: %1 za %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (zrušeno!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Čekající plánované vypnutí přeskočeno,
protože Quelmo! byl právě spuštěn</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Skrýt podrobnosti</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Správce napájení (logind) je nedostupný - Přerušeno</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Vypnutí není povoleno
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
není povoleno</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Časovač probuzení (timerfd)
nelze vytvořit
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Časovač probuzení (timerfd)
nelze nastavit</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Zkontrolujte nastavení
napájení systému</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Spustit po přihlášení</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Nastavení napájení</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Změna hesla</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Systémová chyba: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Chyba: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Uspání</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Vypnutí</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Časovač probuzení
není podporován</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Systém se vypne za 10 sekund</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Přístup odepřen</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Je vyžadováno ověření</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Odpověď nepřišla včas</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Správce napájení (logind) je nedostupný</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Na tomto počítači není podporováno</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Již probíhá jiné vypnutí nebo uspání</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Brání tomu program</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Systém odmítl hibernaci: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Systém odmítl vypnutí: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Systém odmítl uspání: %1</translation>
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
        <translation>PC: %1 po dokončení %2</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>týden od %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Spotřebovaná a ušetřená energie po týdnech</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Spotřebovaná a ušetřená energie po dnech</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: celkem spotřebováno %3 kWh a ušetřeno %4 kWh.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Nejvyšší spotřeba: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: spotřebováno %2 kWh, ušetřeno %3 kWh</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Období: od %1 do %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Období: od %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Období: do %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Období: všechna hlášení v protokolech</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Součty</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Spotřeba v období</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Úspora v období</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Ušetřené peníze v období (při %1 za kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>Ušetřené CO₂ v období (při %1 kg na kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Spotřeba celkem</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Úspora celkem</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Zařízení s hlášeními</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Hlášení</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Přeskočené chybné řádky protokolu</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energie po týdnech</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energie po dnech</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>V tomto období nejsou žádná hlášení.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Data grafu</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Týden od</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Spotřeba (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Úspora (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>První hlášení (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Poslední hlášení (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Spotřeba celkem (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Úspora celkem (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Spotřeba v období (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Úspora v období (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Mlčící zařízení</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Všechna zařízení v té době poslala hlášení.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Tato hlášení neposlala; nejdříve ta, která se ozvala nejpozději.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Dny ticha</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Přehled flotily Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Vytvořil quelmo-fleet-report %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Shrnuje hlášení o využití z flotily počítačů s Quelmo z protokolů webového serveru ve formátu combined (nekomprimovaných nebo komprimovaných gzipem): jeden řádek na zařízení, pak součty za flotilu.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Vypíše CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Vypíše samostatnou stránku HTML.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Vypíše metriky pro kolektor textfile programu node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Období od DATE (RRRR-MM-DD nebo datum a čas ISO; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Období do DATE včetně toho dne (RRRR-MM-DD nebo datum a čas ISO; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Peníze za kWh, k ocenění ušetřené energie.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg CO₂ na kWh, pro ušetřené CO₂.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Zařízení mlčí, když DAYS dní nepošle hlášení (výchozí 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Zapíše do FILE přes dočasný soubor, který se pak přejmenuje.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Protokoly ke čtení.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>nezadán LOGFILE (viz --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html a --prometheus se navzájem vylučují</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: není datum: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: není číslo 0 nebo větší: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: není počet dní: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>nelze přečíst %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>přeskočen %n chybný řádek</numerusform>
            <numerusform>přeskočeny %n chybné řádky</numerusform>
            <numerusform>přeskočeno %n chybných řádků</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nelze zapsat %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Poprvé viděno (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Naposledy viděno (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh spotřebováno</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh ušetřeno</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh spotřebováno (období)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh ušetřeno (období)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Ušetřené peníze</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ ušetřeno</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Celkem</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n zařízení</numerusform>
            <numerusform>%n zařízení</numerusform>
            <numerusform>%n zařízení</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Mlčící: %n den bez hlášení před %1 (UTC).</numerusform>
            <numerusform>Mlčící: %n dny bez hlášení před %1 (UTC).</numerusform>
            <numerusform>Mlčící: %n dní bez hlášení před %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Spotřebovaná energie</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Ušetřená energie</translation>
    </message>
</context>
</TS>
