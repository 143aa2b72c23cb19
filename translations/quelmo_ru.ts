<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Новый пароль
слишком короткий</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Новый пароль и подтверждение
не совпадают</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Файлы конфигурации</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гибернация</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Отложенное выключение</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Отложенное выключение</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Отменить выключение</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Конф.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>    Новый пароль</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>                 Повтор</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Сменить</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Возобновить выключение</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Экономия</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохр.</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Потребление ПК (Вт)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Используется только для оценки энергии, сэкономленной Quelmo!</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Вкл.           Выкл.        Сон</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Плановое действие</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Сейчас!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Заблок.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
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
        <translation>В</translation>
    </message>
    <message>
        <source>Standby
not available
will use Hibernate</source>
        <translation>Сон
недоступен
будет использована гибернация</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Сон
недоступен</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Гибернация
недоступна
будет использован сон</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Гибернация
недоступна</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Выключение
недоступно
будет использована гибернация</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Выключение
недоступно
будет использован сон</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Выключение
недоступно</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Неверный выбор
режима питания</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! уже запущен
на этом компьютере</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Нет прав на выключение</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>мин</translation>
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
        <translation> (отменено!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Запланированное выключение пропущено,
так как Quelmo! только что запущен</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Диспетчер питания (logind) недоступен - Прерывание</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Выключение не разрешено
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
не разрешено</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Не удалось создать
таймер пробуждения (timerfd)
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Не удалось установить
таймер пробуждения (timerfd)</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Проверьте настройки
питания системы</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Запуск при входе</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Настройки питания</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Смена пароля</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Системная ошибка: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Ошибка: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Таймер пробуждения
не поддерживается</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Система выключится через 10 секунд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Требуется аутентификация</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Ответ не получен вовремя</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Диспетчер питания (logind) недоступен</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Не поддерживается на этом ПК</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Уже выполняется другое выключение или переход в сон</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Этому мешает программа</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Система отклонила гибернацию: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Система отклонила выключение: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Система отклонила переход в сон: %1</translation>
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
        <translation>ПК: %1 по окончании %2</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>неделя с %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Потреблённая и сэкономленная энергия по неделям</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Потреблённая и сэкономленная энергия по дням</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: всего потреблено %3 кВт·ч, сэкономлено %4 кВт·ч.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Наибольшее потребление: %1, %2 кВт·ч.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: потреблено %2 кВт·ч, сэкономлено %3 кВт·ч</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 кВт·ч</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Период: с %1 по %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Период: с %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Период: по %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Период: все отчёты в журналах</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Итоги</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Потреблено за период</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Сэкономлено за период</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Сэкономлено денег за период (по %1 за кВт·ч)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>Сэкономлено CO₂ за период (по %1 кг на кВт·ч)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 кг</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Потреблено всего</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Сэкономлено всего</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Устройства с отчётами</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Пропущено ошибочных строк журнала</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Энергия по неделям</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Энергия по дням</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>За этот период отчётов нет.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Данные диаграммы</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Неделя с</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Потреблено (кВт·ч)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Сэкономлено (кВт·ч)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Первый отчёт (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Последний отчёт (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Потреблено всего (кВт·ч)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Сэкономлено всего (кВт·ч)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Потреблено за период (кВт·ч)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Сэкономлено за период (кВт·ч)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Молчащие устройства</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>За это время отчитались все устройства.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Эти не отчитывались; первыми идут те, что отзывались последними.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Дней без отчётов</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Отчёт по парку Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Создано quelmo-fleet-report %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Сводит отчёты об использовании от парка ПК с Quelmo по журналам веб-сервера в формате combined (несжатым или сжатым gzip): строка на каждое устройство, затем итоги по парку.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Вывести CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Вывести самодостаточную HTML-страницу.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Вывести метрики для сборщика textfile в node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Период с DATE (ГГГГ-ММ-ДД или дата и время ISO; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>Период по DATE, включая этот день (ГГГГ-ММ-ДД или дата и время ISO; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Деньги за кВт·ч, чтобы оценить сэкономленную энергию.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>кг CO₂ на кВт·ч, для сэкономленного CO₂.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Устройство считается молчащим после DAYS дней без отчётов (по умолчанию 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Записать в FILE через временный файл, который затем переименовывается.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Журналы для чтения.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>не указан LOGFILE (см. --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html и --prometheus исключают друг друга</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: не дата: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: не число от 0 и больше: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: не число дней: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>пропущена %n ошибочная строка</numerusform>
            <numerusform>пропущены %n ошибочные строки</numerusform>
            <numerusform>пропущено %n ошибочных строк</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Первое появление (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Последнее появление (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>Потреблено, кВт·ч</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>Сэкономлено, кВт·ч</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>Потреблено за период, кВт·ч</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>Сэкономлено за период, кВт·ч</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Сэкономлено денег</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>Сэкономлено CO₂, кг</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n устройство</numerusform>
            <numerusform>%n устройства</numerusform>
            <numerusform>%n устройств</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>кВт·ч</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Молчащие: без отчётов в течение %n дня до %1 (UTC).</numerusform>
            <numerusform>Молчащие: без отчётов в течение %n дней до %1 (UTC).</numerusform>
            <numerusform>Молчащие: без отчётов в течение %n дней до %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Потреблённая энергия</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Сэкономленная энергия</translation>
    </message>
</context>
</TS>
