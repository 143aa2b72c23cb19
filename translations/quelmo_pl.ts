<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Nowe hasło
jest za krótkie</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Nowe hasło i potwierdzenie
nie są zgodne</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Pliki konfiguracji</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernacja</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Opóźnione wyłączenie</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Opóźnione wyłączenie</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Anuluj wyłączenie</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Konfig.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>          Nowe hasło</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>             Potwierdź</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Wznów wyłączenie</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Zużycie</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Oszczędn.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Pobór mocy komputera (W)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Służy tylko do oszacowania energii zaoszczędzonej dzięki Quelmo!</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Wł.              Wył.           Uśpienie</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Wyjdź!</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Zaplanowana akcja</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Pokaż szczegóły</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Teraz!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Blokuj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>Ś</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>C</translation>
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
        <translation>Uśpienie
niedostępne
zostanie użyta hibernacja</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Uśpienie
niedostępne</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Hibernacja
niedostępna
zostanie użyte uśpienie</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Hibernacja
niedostępna</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Wyłączenie
niedostępne
zostanie użyta hibernacja</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Wyłączenie
niedostępne
zostanie użyte uśpienie</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Wyłączenie
niedostępne</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Nieprawidłowa
opcja zasilania</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! już działa
na tym komputerze</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Brak uprawnień do wyłączenia komputera</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>godz.</translation>
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
        <translation> (anulowano!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Pominięto oczekujące zaplanowane wyłączenie,
ponieważ Quelmo! dopiero się uruchomił</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Ukryj szczegóły</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Brak połączenia z zarządzaniem energią (logind) - Przerwano</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Wyłączenie jest niedozwolone
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
- brak uprawnień</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Nie udało się utworzyć
czasomierza budzenia (timerfd)
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Nie udało się ustawić
czasomierza budzenia (timerfd)</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Sprawdź ustawienia
zasilania systemu</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Start po zalogowaniu</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Ustawienia zasilania</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Błąd systemu: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Błąd: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Uśpienie</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Wyłączenie</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Czasomierz budzenia
nie jest obsługiwany</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>System zostanie wyłączony za 10 sekund</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Wymagane jest uwierzytelnienie</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Brak odpowiedzi w wyznaczonym czasie</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Brak połączenia z zarządzaniem energią (logind)</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Nieobsługiwane na tym komputerze</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Trwa już inne wyłączanie lub usypianie</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Blokuje to program</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>System odmówił hibernacji: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>System odmówił wyłączenia: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>System odmówił uśpienia: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1” (%2)</translation>
    </message>
    <message>
        <source>PC will %1 when %2 is done</source>
        <translation>PC: %1 po zakończeniu %2</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>tydzień od %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Energia zużyta i zaoszczędzona tygodniowo</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Energia zużyta i zaoszczędzona dziennie</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: łącznie zużyto %3 kWh i zaoszczędzono %4 kWh.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Najwyższe zużycie: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: zużyto %2 kWh, zaoszczędzono %3 kWh</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Okres: od %1 do %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Okres: od %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Okres: do %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Okres: wszystkie raporty z dzienników</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Sumy</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Zużycie w okresie</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Oszczędność w okresie</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Zaoszczędzona kwota w okresie (przy %1 za kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>Uniknięta emisja CO₂ w okresie (przy %1 kg na kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Zużycie łącznie</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Oszczędność łącznie</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Urządzenia, które wysłały raporty</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Raporty</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Pominięte błędne wiersze dziennika</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energia tygodniowo</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energia dziennie</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>Brak raportów w tym okresie.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Dane wykresu</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Tydzień od</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Zużycie (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Oszczędność (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Pierwszy raport (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Ostatni raport (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Zużycie łącznie (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Oszczędność łącznie (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Zużycie w okresie (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Oszczędność w okresie (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Milczące urządzenia</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Każde urządzenie wysłało w tym czasie raport.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Te nie wysłały raportu; najpierw te, które odezwały się najpóźniej.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Dni ciszy</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Raport floty Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Raport wygenerowany przez quelmo-fleet-report %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Podsumowuje raporty użycia floty komputerów z Quelmo na podstawie dzienników serwera WWW w formacie combined (nieskompresowanych lub skompresowanych gzipem): jeden wiersz na urządzenie, a następnie sumy dla floty.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Zapisuje CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Zapisuje samodzielną stronę HTML.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Zapisuje metryki dla kolektora textfile programu node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Okres od DATE (RRRR-MM-DD lub data i godzina ISO; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Okres do DATE, łącznie z tym dniem (RRRR-MM-DD lub data i godzina ISO; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Kwota za kWh, do wyceny zaoszczędzonej energii.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg CO₂ na kWh, do wyliczenia unikniętej emisji CO₂.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Urządzenie uznaje się za milczące po DAYS dniach bez raportu (domyślnie 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Zapisuje do FILE przez plik tymczasowy, któremu potem zmienia nazwę.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Dzienniki do odczytania.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>nie podano LOGFILE (zobacz --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html i --prometheus wykluczają się wzajemnie</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: to nie jest data: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: to nie jest liczba 0 lub większa: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: to nie jest liczba dni: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>pominięto %n błędny wiersz</numerusform>
            <numerusform>pominięto %n błędne wiersze</numerusform>
            <numerusform>pominięto %n błędnych wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Pierwszy kontakt (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Ostatni kontakt (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh zużyte</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh zaoszczędzone</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh zużyte (okres)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh zaoszczędzone (okres)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Zaoszczędzona kwota</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ uniknięte</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n urządzenie</numerusform>
            <numerusform>%n urządzenia</numerusform>
            <numerusform>%n urządzeń</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Milczące: bez raportu przez %n dzień przed %1 (UTC).</numerusform>
            <numerusform>Milczące: bez raportu przez %n dni przed %1 (UTC).</numerusform>
            <numerusform>Milczące: bez raportu przez %n dni przed %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Zużyta energia</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Zaoszczędzona energia</translation>
    </message>
</context>
</TS>
