<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>La contraseña nueva
es demasiado corta</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>La contraseña nueva y la confirmación
no coinciden</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Archivos de configuración</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernación</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Apagado diferido</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Apagado diferido</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Cancelar apagado</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Acceder</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>                   Nueva</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>             Confirmar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Reanudar apagado</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Consumo del PC (vatios)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Solo sirve para estimar la energía que ahorra Quelmo!</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Activo        Apagado   Reposo</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Acción programada</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Ver detalles</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>¡Ya!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Bloq.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
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
        <translation>X</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>J</translation>
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
        <translation>Reposo
no disponible
se usará la hibernación</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Reposo
no disponible</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Hibernación
no disponible
se usará el reposo</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Hibernación
no disponible</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Apagado
no disponible
se usará la hibernación</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Apagado
no disponible
se usará el reposo</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Apagado
no disponible</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Opción de energía
no válida</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! ya se está ejecutando
en este equipo</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>No se pudo obtener permiso para apagar</translation>
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
        <translation>PC: %1 en %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (¡cancelado!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Apagado programado pendiente omitido,
ya que Quelmo! acaba de iniciarse</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Ocultar detalles</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>No se pudo contactar con el gestor de energía (logind) - Se cancela</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>No está permitido apagar
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
no está permitido</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>No se pudo crear el temporizador
de activación (timerfd)
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>No se pudo programar el temporizador
de activación (timerfd)</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Compruebe la configuración
de energía del sistema</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Iniciar con la sesión</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Opciones de energía</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Error del sistema: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Error: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Reposo</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Temporizador de activación
no admitido</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>El sistema se apagará en 10 segundos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Se requiere autenticación</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Sin respuesta a tiempo</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>No se puede contactar con el gestor de energía (logind)</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>No se admite en este PC</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Ya hay otro apagado o reposo en curso</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Un programa lo impide</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>El sistema rechazó la hibernación: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>El sistema rechazó el apagado: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>El sistema rechazó el reposo: %1</translation>
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
        <translation>PC: %1 cuando %2 termine</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>semana del %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Energía consumida y ahorrada por semana</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Energía consumida y ahorrada por día</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: %3 kWh consumidos y %4 kWh ahorrados en total.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Mayor consumo: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: %2 kWh consumidos, %3 kWh ahorrados</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Periodo: del %1 al %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Periodo: desde el %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Periodo: hasta el %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Periodo: todos los informes de los registros</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Consumido en el periodo</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Ahorrado en el periodo</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Dinero ahorrado en el periodo (a %1 por kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>CO₂ evitado en el periodo (a %1 kg por kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Consumido en total</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Ahorrado en total</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Dispositivos con informes</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Líneas de registro mal formadas omitidas</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energía por semana</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energía por día</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>No hay informes en este periodo.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Las cifras del gráfico</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Semana del</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Consumido (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Ahorrado (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Primer informe (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Último informe (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Consumido en total (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Ahorrado en total (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Consumido en el periodo (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Ahorrado en el periodo (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Dispositivos silenciosos</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Todos los dispositivos enviaron informes en ese tiempo.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Estos no enviaron informes; primero, los que informaron más recientemente.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Días en silencio</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Informe de la flota Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Generado por quelmo-fleet-report el %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Resume los informes de uso de una flota de PC con Quelmo a partir de registros de servidor web en formato combined (sin comprimir o comprimidos con gzip): una fila por dispositivo y después los totales de la flota.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Escribir CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Escribir una página HTML autónoma.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Escribir métricas para el recopilador textfile de node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>El periodo desde DATE (AAAA-MM-DD, o fecha y hora ISO; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>El periodo hasta DATE, ese día incluido (AAAA-MM-DD, o fecha y hora ISO; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Dinero por kWh, para valorar la energía ahorrada.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg de CO₂ por kWh, para el CO₂ evitado.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Un dispositivo está en silencio tras DAYS días sin informes (predeterminado: 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Escribir en FILE a través de un archivo temporal que luego se renombra.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Registros que leer.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>no se indicó ningún LOGFILE (consulte --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html y --prometheus se excluyen entre sí</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: no es una fecha: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: no es un número igual o mayor que 0: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: no es un número de días: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>%n línea mal formada omitida</numerusform>
            <numerusform>%n líneas mal formadas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Visto por primera vez (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Visto por última vez (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh consumidos</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh ahorrados</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh consumidos (periodo)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh ahorrados (periodo)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Dinero ahorrado</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ evitados</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n dispositivo</numerusform>
            <numerusform>%n dispositivos</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Silenciosos: sin informes durante %n día antes del %1 (UTC).</numerusform>
            <numerusform>Silenciosos: sin informes durante %n días antes del %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Energía consumida</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Energía ahorrada</translation>
    </message>
</context>
</TS>
