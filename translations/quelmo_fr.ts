<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Quelmo</name>
    <message>
        <source>Quelmo!</source>
        <translation>Quelmo!</translation>
    </message>
    <message>
        <source>New password
is too short</source>
        <translation>Nouveau mot de passe
trop court</translation>
    </message>
    <message>
        <source>New password and confirmation
do not match</source>
        <translation>Nouveau mot de passe et confirmation
ne correspondent pas</translation>
    </message>
    <message>
        <source>Config Files</source>
        <translation>Fichiers de configuration</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernation</translation>
    </message>
    <message>
        <source>Delayed Switch Off</source>
        <translation>Extinction différée</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Delayed Off</source>
        <translation>Extinction différée</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Cancel Shutdown</source>
        <translation>Annuler l&apos;extinction</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>    New Password</source>
        <translation>               Nouveau</translation>
    </message>
    <message>
        <source>        Confirm</source>
        <translation>             Confirmer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Resume Shutdown</source>
        <translation>Reprendre l&apos;extinction</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Épargné</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>PC Power Consumption (Watts)</source>
        <translation>Consommation du PC (watts)</translation>
    </message>
    <message>
        <source>This is just used to estimate the power saved by using Quelmo!</source>
        <translation>Sert uniquement à estimer l&apos;énergie économisée grâce à Quelmo!</translation>
    </message>
    <message>
        <source>On               Off          Standby</source>
        <translation>Marche       Arrêt         Veille</translation>
    </message>
    <message>
        <source>Exit!</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Scheduled Off Action</source>
        <translation>Action planifiée</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Plus de détails</translation>
    </message>
    <message>
        <source>Now!</source>
        <translation>Immédiat</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Bloquer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>M</translation>
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
        <translation>Veille
indisponible
l&apos;hibernation sera utilisée</translation>
    </message>
    <message>
        <source>Standby
not available</source>
        <translation>Veille
indisponible</translation>
    </message>
    <message>
        <source>Hibernate
not available
will use Standby</source>
        <translation>Hibernation
indisponible
la veille sera utilisée</translation>
    </message>
    <message>
        <source>Hibernate
not available</source>
        <translation>Hibernation
indisponible</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Hibernate</source>
        <translation>Extinction
indisponible
l&apos;hibernation sera utilisée</translation>
    </message>
    <message>
        <source>PowerOff
not available
will use Standby</source>
        <translation>Extinction
indisponible
la veille sera utilisée</translation>
    </message>
    <message>
        <source>PowerOff
not available</source>
        <translation>Extinction
indisponible</translation>
    </message>
    <message>
        <source>Bad Power
option selection</source>
        <translation>Option d&apos;énergie
non valide</translation>
    </message>
    <message>
        <source>Quelmo! is already running
on this machine</source>
        <translation>Quelmo! est déjà lancé
sur cette machine</translation>
    </message>
    <message>
        <source>Cannot obtain ShutDown privileges</source>
        <translation>Impossible d&apos;obtenir le droit d&apos;éteindre</translation>
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
        <translation>PC&#xa0;: %1 dans %2</translation>
    </message>
    <message>
        <source> (But Aborted!)</source>
        <translation> (annulée&#xa0;!)</translation>
    </message>
    <message>
        <source>Pending scheduled shutdown ignored
as Quelmo! has just been started</source>
        <translation>Extinction planifiée imminente ignorée,
car Quelmo! vient de démarrer</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Moins de détails</translation>
    </message>
    <message>
        <source>Quelmo! V1.14</source>
        <translation>Quelmo! V1.14</translation>
    </message>
    <message>
        <source>Could not reach the power manager (logind) - Aborting</source>
        <translation>Gestionnaire d&apos;énergie (logind) injoignable - Abandon</translation>
    </message>
    <message>
        <source>Power-off is not permitted
(polkit: org.freedesktop.login1.power-off)</source>
        <translation>L&apos;extinction n&apos;est pas autorisée
(polkit: org.freedesktop.login1.power-off)</translation>
    </message>
    <message>
        <source>%1
is not permitted</source>
        <translation>%1
n&apos;est pas autorisé</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be created
</source>
        <translation>Minuterie de réveil (timerfd)
impossible à créer
</translation>
    </message>
    <message>
        <source>Wake-up timer (timerfd)
could not be set</source>
        <translation>Minuterie de réveil (timerfd)
impossible à régler</translation>
    </message>
    <message>
        <source>
Check the system&apos;s
power settings</source>
        <translation>
Vérifiez les paramètres
d&apos;énergie du système</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>PC Power Settings</source>
        <translation>Paramètres d&apos;énergie</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source> Sys Error: </source>
        <translation> Erreur système&#xa0;: </translation>
    </message>
    <message>
        <source> Error: </source>
        <translation> Erreur&#xa0;: </translation>
    </message>
    <message>
        <source>StandBy</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>ShutDown</source>
        <translation>Extinction</translation>
    </message>
    <message>
        <source>Wake-up timer
is not supported</source>
        <translation>Minuterie de réveil
non prise en charge</translation>
    </message>
    <message>
        <source>The System will shut down in 10 Seconds</source>
        <translation>Le système s&apos;éteindra dans 10 secondes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Authentication is required</source>
        <translation>Une authentification est requise</translation>
    </message>
    <message>
        <source>No answer in time</source>
        <translation>Pas de réponse à temps</translation>
    </message>
    <message>
        <source>The power manager (logind) cannot be reached</source>
        <translation>Le gestionnaire d&apos;énergie (logind) est injoignable</translation>
    </message>
    <message>
        <source>Not supported on this PC</source>
        <translation>Non pris en charge sur ce PC</translation>
    </message>
    <message>
        <source>Another shutdown or sleep is already under way</source>
        <translation>Une autre extinction ou mise en veille est déjà en cours</translation>
    </message>
    <message>
        <source>A program is holding it back</source>
        <translation>Un programme l&apos;en empêche</translation>
    </message>
    <message>
        <source>Hibernation was refused by the system: %1</source>
        <translation>Le système a refusé l&apos;hibernation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Power-off was refused by the system: %1</source>
        <translation>Le système a refusé l&apos;extinction&#xa0;: %1</translation>
    </message>
    <message>
        <source>Standby was refused by the system: %1</source>
        <translation>Le système a refusé la mise en veille&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>PC will %1 when %2 is done</source>
        <translation>PC&#xa0;: %1 à la fin de %2</translation>
    </message>
    <message>
        <source>week of %1</source>
        <translation>semaine du %1</translation>
    </message>
    <message>
        <source>Energy used and saved per week</source>
        <translation>Énergie consommée et économisée par semaine</translation>
    </message>
    <message>
        <source>Energy used and saved per day</source>
        <translation>Énergie consommée et économisée par jour</translation>
    </message>
    <message>
        <source>From %1 to %2: %3 kWh used and %4 kWh saved in all.</source>
        <translation>%1 – %2&#xa0;: %3&#xa0;kWh consommés et %4&#xa0;kWh économisés au total.</translation>
    </message>
    <message>
        <source>Most used: %1, %2 kWh.</source>
        <translation>Consommation la plus forte&#xa0;: %1, %2&#xa0;kWh.</translation>
    </message>
    <message>
        <source>%1: %2 kWh used, %3 kWh saved</source>
        <translation>%1&#xa0;: %2&#xa0;kWh consommés, %3&#xa0;kWh économisés</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1&#xa0;kWh</translation>
    </message>
    <message>
        <source>Period: %1 to %2 (UTC)</source>
        <translation>Période&#xa0;: du %1 au %2 (UTC)</translation>
    </message>
    <message>
        <source>Period: from %1 (UTC)</source>
        <translation>Période&#xa0;: à partir du %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: up to %1 (UTC)</source>
        <translation>Période&#xa0;: jusqu&apos;au %1 (UTC)</translation>
    </message>
    <message>
        <source>Period: every report in the logs</source>
        <translation>Période&#xa0;: tous les rapports des journaux</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Used in the period</source>
        <translation>Consommé sur la période</translation>
    </message>
    <message>
        <source>Saved in the period</source>
        <translation>Économisé sur la période</translation>
    </message>
    <message>
        <source>Money saved in the period (at %1 per kWh)</source>
        <translation>Montant économisé sur la période (à %1 par kWh)</translation>
    </message>
    <message>
        <source>CO₂ saved in the period (at %1 kg per kWh)</source>
        <translation>CO₂ évité sur la période (à %1&#xa0;kg par kWh)</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1&#xa0;kg</translation>
    </message>
    <message>
        <source>Used, lifetime</source>
        <translation>Consommé au total</translation>
    </message>
    <message>
        <source>Saved, lifetime</source>
        <translation>Économisé au total</translation>
    </message>
    <message>
        <source>Devices that reported</source>
        <translation>Appareils ayant envoyé un rapport</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Malformed log lines skipped</source>
        <translation>Lignes de journal mal formées ignorées</translation>
    </message>
    <message>
        <source>Energy per week</source>
        <translation>Énergie par semaine</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Énergie par jour</translation>
    </message>
    <message>
        <source>No reports in this period.</source>
        <translation>Aucun rapport sur cette période.</translation>
    </message>
    <message>
        <source>The chart&apos;s figures</source>
        <translation>Les chiffres du graphique</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Semaine du</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Used (kWh)</source>
        <translation>Consommé (kWh)</translation>
    </message>
    <message>
        <source>Saved (kWh)</source>
        <translation>Économisé (kWh)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>First report (UTC)</source>
        <translation>Premier rapport (UTC)</translation>
    </message>
    <message>
        <source>Last report (UTC)</source>
        <translation>Dernier rapport (UTC)</translation>
    </message>
    <message>
        <source>Used, lifetime (kWh)</source>
        <translation>Consommé au total (kWh)</translation>
    </message>
    <message>
        <source>Saved, lifetime (kWh)</source>
        <translation>Économisé au total (kWh)</translation>
    </message>
    <message>
        <source>Used in the period (kWh)</source>
        <translation>Consommé sur la période (kWh)</translation>
    </message>
    <message>
        <source>Saved in the period (kWh)</source>
        <translation>Économisé sur la période (kWh)</translation>
    </message>
    <message>
        <source>Silent devices</source>
        <translation>Appareils silencieux</translation>
    </message>
    <message>
        <source>Every device reported in that time.</source>
        <translation>Tous les appareils ont envoyé un rapport dans ce délai.</translation>
    </message>
    <message>
        <source>These did not, the most recently heard first.</source>
        <translation>Ceux-ci n&apos;en ont pas envoyé, du plus récemment entendu au plus ancien.</translation>
    </message>
    <message>
        <source>Days silent</source>
        <translation>Jours de silence</translation>
    </message>
    <message>
        <source>Quelmo fleet report</source>
        <translation>Rapport du parc Quelmo</translation>
    </message>
    <message>
        <source>Made by quelmo-fleet-report on %1 (UTC).</source>
        <translation>Créé par quelmo-fleet-report le %1 (UTC).</translation>
    </message>
    <message>
        <source>Sums up the usage reports of a fleet of Quelmo PCs from web server logs in the combined format (plain or gzip-compressed): one row per device, then the fleet&apos;s totals.</source>
        <translation>Résume les rapports d&apos;utilisation d&apos;un parc de PC Quelmo à partir de journaux de serveur web au format combined (bruts ou compressés avec gzip)&#xa0;: une ligne par appareil, puis les totaux du parc.</translation>
    </message>
    <message>
        <source>Write CSV.</source>
        <translation>Écrire au format CSV.</translation>
    </message>
    <message>
        <source>Write a self-contained HTML page.</source>
        <translation>Écrire une page HTML autonome.</translation>
    </message>
    <message>
        <source>Write metrics for node_exporter&apos;s textfile collector.</source>
        <translation>Écrire des métriques pour le collecteur textfile de node_exporter.</translation>
    </message>
    <message>
        <source>The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>La période à partir de DATE (AAAA-MM-JJ, ou date et heure ISO&#xa0;; UTC).</translation>
    </message>
    <message>
        <source>The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and time; UTC).</source>
        <translation>La période jusqu&apos;à DATE, ce jour compris (AAAA-MM-JJ, ou date et heure ISO&#xa0;; UTC).</translation>
    </message>
    <message>
        <source>Money per kWh, to value the energy saved.</source>
        <translation>Montant par kWh, pour chiffrer l&apos;énergie économisée.</translation>
    </message>
    <message>
        <source>kg of CO₂ per kWh, for the CO₂ saved.</source>
        <translation>kg de CO₂ par kWh, pour le CO₂ évité.</translation>
    </message>
    <message>
        <source>A device is silent after DAYS days without a report (default 7).</source>
        <translation>Un appareil est silencieux après DAYS jours sans rapport (7 par défaut).</translation>
    </message>
    <message>
        <source>Write to FILE through a temporary file that is then renamed.</source>
        <translation>Écrire dans FILE via un fichier temporaire ensuite renommé.</translation>
    </message>
    <message>
        <source>Logs to read.</source>
        <translation>Journaux à lire.</translation>
    </message>
    <message>
        <source>no LOGFILE given (see --help)</source>
        <translation>aucun LOGFILE indiqué (voir --help)</translation>
    </message>
    <message>
        <source>--csv, --html and --prometheus exclude each other</source>
        <translation>--csv, --html et --prometheus s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--%1: not a date: %2</source>
        <translation>--%1&#xa0;: date non valide&#xa0;: %2</translation>
    </message>
    <message>
        <source>--%1: not a number of 0 or more: %2</source>
        <translation>--%1&#xa0;: pas un nombre positif ou nul&#xa0;: %2</translation>
    </message>
    <message>
        <source>--silent-days: not a number of days: %1</source>
        <translation>--silent-days&#xa0;: pas un nombre de jours&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message numerus="yes">
        <source>%n malformed lines skipped</source>
        <translation>
            <numerusform>%n ligne mal formée ignorée</numerusform>
            <numerusform>%n lignes mal formées ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>First seen (UTC)</source>
        <translation>Vu la première fois (UTC)</translation>
    </message>
    <message>
        <source>Last seen (UTC)</source>
        <translation>Vu la dernière fois (UTC)</translation>
    </message>
    <message>
        <source>kWh used</source>
        <translation>kWh consommés</translation>
    </message>
    <message>
        <source>kWh saved</source>
        <translation>kWh économisés</translation>
    </message>
    <message>
        <source>Period kWh used</source>
        <translation>kWh consommés (période)</translation>
    </message>
    <message>
        <source>Period kWh saved</source>
        <translation>kWh économisés (période)</translation>
    </message>
    <message>
        <source>Money saved</source>
        <translation>Montant économisé</translation>
    </message>
    <message>
        <source>kg CO₂ saved</source>
        <translation>kg CO₂ évités</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n appareil</numerusform>
            <numerusform>%n appareils</numerusform>
        </translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message numerus="yes">
        <source>Silent after: %n days without a report before %1 (UTC).</source>
        <translation>
            <numerusform>Silencieux&#xa0;: aucun rapport pendant %n jour avant le %1 (UTC).</numerusform>
            <numerusform>Silencieux&#xa0;: aucun rapport pendant %n jours avant le %1 (UTC).</numerusform>
        </translation>
    </message>
    <message>
        <source>Energy used</source>
        <translation>Énergie consommée</translation>
    </message>
    <message>
        <source>Energy saved</source>
        <translation>Énergie économisée</translation>
    </message>
</context>
</TS>
