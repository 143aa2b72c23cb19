<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>A nova senha
é muito curta</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>A nova senha e a confirmação
não coincidem</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Arquivos de configuração</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Desligamento com atraso</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Desligamento com atraso</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Cancelar desligamento</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>          Nova senha</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>             Confirmar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Retomar desligamento</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Economia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Consumo do PC (watts)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Serve apenas para estimar a energia economizada com o Quelmo!</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Ligado        Deslig.      Espera</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Sair!</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Ação agendada</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Mais detalhes</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Agora!</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Travar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>Q</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Q</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>S</translation>
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
        <translation>Suspensão
indisponível
será usada a hibernação</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Suspensão
indisponível</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Hibernação
indisponível
será usada a suspensão</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Hibernação
indisponível</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Desligamento
indisponível
será usada a hibernação</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Desligamento
indisponível
será usada a suspensão</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Desligamento
indisponível</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Opção de energia
inválida</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>O Quelmo! já está em execução
neste computador</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Sem permissão para desligar</translation>
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
        <translation>%1 o PC em %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (cancelado!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Desligamento agendado pendente ignorado,
pois o Quelmo! acabou de ser iniciado</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Menos detalhes</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Gerenciador de energia (logind) inacessível - Abortando</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>Desligar não é permitido
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
não é permitido</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Não foi possível criar o
temporizador de despertar (timerfd)
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Não foi possível definir o
temporizador de despertar (timerfd)</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Verifique as configurações
de energia do sistema</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Opções de energia</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Alterar senha</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Erro do sistema: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Erro: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Temporizador de despertar
não suportado</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>O sistema será desligado em 10 segundos</translation>
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
        <translation>Acesso negado</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>É necessária autenticação</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Sem resposta a tempo</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>O gerenciador de energia (logind) está inacessível</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Sem suporte neste PC</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Outro desligamento ou suspensão já está em andamento</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Um programa está impedindo</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>O sistema recusou a hibernação: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>O sistema recusou o desligamento: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>O sistema recusou a suspensão: %1</translation>
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
        <translation>%1 o PC quando %2 terminar</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>semana de %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Energia consumida e economizada por semana</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Energia consumida e economizada por dia</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2: %3 kWh consumidos e %4 kWh economizados no total.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Maior consumo: %1, %2 kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1: %2 kWh consumidos, %3 kWh economizados</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Período: de %1 a %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Período: a partir de %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Período: até %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Período: todos os relatórios dos logs</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totais</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Consumido no período</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Economizado no período</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Dinheiro economizado no período (a %1 por kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>CO₂ evitado no período (a %1 kg por kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Consumido no total</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Economizado no total</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Dispositivos que enviaram relatórios</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Relatórios</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Linhas de log malformadas ignoradas</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Energia por semana</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energia por dia</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>Nenhum relatório neste período.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Os números do gráfico</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Semana de</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Consumido (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Economizado (kWh)</translation>
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
        <translation>Primeiro relatório (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Último relatório (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Consumido no total (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Economizado no total (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Consumido no período (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Economizado no período (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Dispositivos silenciosos</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Todos os dispositivos enviaram relatórios nesse período.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Estes não enviaram relatórios; primeiro os que deram notícia mais recentemente.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Dias em silêncio</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Relatório da frota Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Gerado pelo quelmo-fleet-report em %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Resume os relatórios de uso de uma frota de PCs com Quelmo a partir de logs de servidor web no formato combined (sem compressão ou compactados com gzip): uma linha por dispositivo e, em seguida, os totais da frota.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Grava CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Grava uma página HTML independente.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Grava métricas para o coletor textfile do node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>O período a partir de DATE (AAAA-MM-DD, ou data e hora ISO; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>O período até DATE, incluindo esse dia (AAAA-MM-DD, ou data e hora ISO; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Valor por kWh, para calcular quanto vale a energia economizada.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg de CO₂ por kWh, para o CO₂ evitado.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Um dispositivo fica silencioso após DAYS dias sem relatórios (padrão 7).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Grava em FILE por meio de um arquivo temporário que depois é renomeado.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Logs a ler.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>nenhum LOGFILE informado (veja --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html e --prometheus são mutuamente exclusivos</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1: não é uma data: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1: não é um número igual ou maior que 0: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days: não é um número de dias: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não foi possível ler %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>%n linha malformada ignorada</numerusform>
            <numerusform>%n linhas malformadas ignoradas</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não foi possível gravar %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Visto pela primeira vez (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Visto pela última vez (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh consumidos</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh economizados</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh consumidos (período)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh economizados (período)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Dinheiro economizado</translation>
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
            <numerusform>Silenciosos: sem relatórios por %n dia antes de %1 (UTC).</numerusform>
            <numerusform>Silenciosos: sem relatórios por %n dias antes de %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Energia consumida</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Energia economizada</translation>
    </message>
</context>
</TS>
