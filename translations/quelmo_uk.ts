<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Новий пароль
занадто короткий</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Новий пароль і підтвердження
не збігаються</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Файли налаштувань</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гібернація</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Відкладене вимкнення</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Відкладене вимкнення</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Скасувати вимкнення</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Налашт.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Вхід</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>     Новий пароль</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>                 Повтор</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Відновити вимкнення</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Витрата</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Економія</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберег.</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Споживання ПК (Вт)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Використовується лише для оцінки енергії, заощадженої Quelmo!</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Увімк.        Вимк.        Очікув.</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Дія за розкладом</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Докладніше</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Зараз!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Заблок.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Ч</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>Н</translation>
    </message>
    <message>
        <source>Standby
not available
will use Hibernate</source>
        <translation>Очікування
недоступне
буде використано гібернацію</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Очікування
недоступне</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Гібернація
недоступна
буде використано очікування</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Гібернація
недоступна</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Вимкнення
недоступне
буде використано гібернацію</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Вимкнення
недоступне
буде використано очікування</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Вимкнення
недоступне</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Неправильний вибір
режиму живлення</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! вже запущено
на цьому комп&apos;ютері</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Немає прав на вимкнення</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>год</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>с</translation>
    </message>
    <message>
        <source>PC will %1 in %2</source>
        <translation>ПК: %1 через %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (скасовано!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Заплановане вимкнення пропущено,
оскільки Quelmo! щойно запущено</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Сховати</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Керування живленням (logind) недоступне - Переривання</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Вимкнення не дозволено
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
не дозволено</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Не вдалося створити
таймер пробудження (timerfd)
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Не вдалося встановити
таймер пробудження (timerfd)</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Перевірте налаштування
живлення системи</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Запуск під час входу</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Живлення</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Зміна пароля</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Системна помилка: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Помилка: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Очікування</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Вимкнення</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Таймер пробудження
не підтримується</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Систему буде вимкнено за 10 секунд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показати</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Доступ заборонено</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Потрібна автентифікація</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Відповідь не надійшла вчасно</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Керування живленням (logind) недоступне</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Не підтримується на цьому ПК</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Вже триває інше вимкнення або присипляння</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Цьому заважає програма</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Система відхилила гібернацію: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Система відхилила вимкнення: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Система відхилила перехід в очікування: %1</translation>
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
        <translation>ПК: %1 після завершення %2</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>тиждень з %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Спожита й заощаджена енергія за тижнями</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Спожита й заощаджена енергія за днями</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: усього спожито %3 кВт·год, заощаджено %4 кВт·год.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Найбільше споживання: %1, %2 кВт·год.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: спожито %2 кВт·год, заощаджено %3 кВт·год</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 кВт·год</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Період: з %1 по %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Період: з %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Період: по %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Період: усі звіти в журналах</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Підсумки</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Спожито за період</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Заощаджено за період</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Заощаджено грошей за період (по %1 за кВт·год)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>Заощаджено CO₂ за період (по %1 кг на кВт·год)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 кг</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Спожито загалом</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Заощаджено загалом</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Пристрої зі звітами</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Звіти</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Пропущено хибних рядків журналу</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Енергія за тижнями</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Енергія за днями</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>За цей період звітів немає.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Дані діаграми</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Тиждень з</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Спожито (кВт·год)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Заощаджено (кВт·год)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Пристрої</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Перший звіт (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Останній звіт (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Спожито загалом (кВт·год)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Заощаджено загалом (кВт·год)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Спожито за період (кВт·год)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Заощаджено за період (кВт·год)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Мовчазні пристрої</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>За цей час звітували всі пристрої.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Ці не звітували; першими йдуть ті, що озивалися останніми.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Днів без звітів</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Звіт про парк Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Створено quelmo-fleet-report %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Підсумовує звіти про використання від парку ПК із Quelmo за журналами вебсервера у форматі combined (нестисненими або стисненими gzip): рядок на кожен пристрій, потім підсумки по парку.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Вивести CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Вивести самодостатню HTML-сторінку.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Вивести метрики для збирача textfile у node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Період з DATE (РРРР-ММ-ДД або дата й час ISO; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Період по DATE, включно з цим днем (РРРР-ММ-ДД або дата й час ISO; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Гроші за кВт·год, щоб оцінити заощаджену енергію.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>кг CO₂ на кВт·год, для заощадженого CO₂.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Пристрій вважається мовчазним після DAYS днів без звітів (типово 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Записати у FILE через тимчасовий файл, який потім перейменовується.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Журнали для читання.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>не вказано LOGFILE (див. --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html і --prometheus виключають одне одного</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: не дата: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: не число від 0 і більше: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: не кількість днів: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не вдається прочитати %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>пропущено %n хибний рядок</numerusform>
            <numerusform>пропущено %n хибні рядки</numerusform>
            <numerusform>пропущено %n хибних рядків</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не вдається записати %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Перша поява (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Остання поява (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>Спожито, кВт·год</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>Заощаджено, кВт·год</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>Спожито за період, кВт·год</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>Заощаджено за період, кВт·год</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Заощаджено грошей</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>Заощаджено CO₂, кг</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Разом</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n пристрій</numerusform>
            <numerusform>%n пристрої</numerusform>
            <numerusform>%n пристроїв</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>кВт·год</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Мовчазні: без звітів протягом %n дня до %1 (UTC).</numerusform>
            <numerusform>Мовчазні: без звітів протягом %n днів до %1 (UTC).</numerusform>
            <numerusform>Мовчазні: без звітів протягом %n днів до %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Спожита енергія</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Заощаджена енергія</translation>
    </message>
</context>
</TS>
