<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Version de l&apos;application :</translation>
    </message>
    <message>
        <source>kvraid.sys:</source>
        <translation>kvraid.sys :</translation>
    </message>
    <message>
        <source>kvcfg.sys:</source>
        <translation>kvcfg.sys :</translation>
    </message>
    <message>
        <source>kvbottom.sys:</source>
        <translation>kvbottom.sys :</translation>
    </message>
</context>
<context>
    <name>KV_ArrayForm</name>
    <message>
        <source>Volume  (JBOD)</source>
        <translation>Volume  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (agrégat par bandes)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (miroir)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (bandes de miroirs)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (bandes avec parité)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (bandes avec double parité)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disque </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Configuration non valide : </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simplifié</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Saisissez un nom de grappe de 30 caractères au plus.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Nom de la grappe</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nom non valide : un nom de grappe ne peut pas reprendre celui d&apos;une grappe existante ni contenir les caractères suivants : ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Liste des disques :</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Canal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Effacer les métadonnées</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Aucun disque disposant d&apos;espace libre n&apos;a été détecté. Pour créer une grappe RAID, libérez d&apos;abord de l&apos;espace sur un disque existant ou ajoutez un disque au système.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nom non valide : un nom de grappe ne peut pas reprendre celui d&apos;une grappe existante ni contenir les caractères suivants : ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Confirmer la création</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Avertissement : vous avez inclus un disque de secours dans la grappe. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Avertissement : disques hétérogènes détectés ! Pour de meilleures performances, il est déconseillé de mélanger des disques aux performances très différentes. Voulez-vous créer la grappe malgré tout ?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Échec de la création</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Type de port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Plus grand espace libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>SG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Remplacement à chaud annoncé</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Options de la grappe</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nom de la grappe :</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisée en :</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacité :</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacité max. :</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacité max.</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Options de cache :</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Taille des étiquettes de cache :</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim :</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Analyse de grappe en arrière-plan</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Ignorer l&apos;initialisation  (déconseillé)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Conserver les données existantes</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Création à zéro</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tous les NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tous les SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tous les disques durs</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Inutilisés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nom dans le SE</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nom de la grappe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacité totale</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Voulez-vous vraiment supprimer la ou les grappes sélectionnées : </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmer l&apos;action</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Suppression des grappes...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Propriétés du disque</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Cache en écriture différée du disque :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Lecture anticipée du disque :</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Interrogation SMART :</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Remarque : l&apos;activation du cache en écriture différée du disque peut augmenter le risque de corruption des données en cas de coupure de courant.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache en écriture différée</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Lecture anticipée</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Interrogation SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Type de port</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Révision du micrologiciel</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> est un périphérique NVMe ; ses paramètres de cache disque ne peuvent pas être modifiés.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Grappe %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Grappe %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, en pause</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 est hors ligne</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 est en reconstruction alors que le disque %2 signale des erreurs S.M.A.R.T. : une défaillance de plus entraînerait sa perte</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>reconstruction sur le disque %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>reconstruction, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 est critique : %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 est %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 est critique : le disque %2 est défaillant</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 est critique</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 est en cours de transformation : %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 est en cours de création : %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 est en cours d&apos;effacement sécurisé : %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 a un membre défaillant sur le disque %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 a perdu son dernier disque de secours</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>vérification de cohérence</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>moins d&apos;une minute restante</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>environ une minute restante</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>environ %n heure restante</numerusform>
            <numerusform>environ %n heures restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>environ %n minute restante</numerusform>
            <numerusform>environ %n minutes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Le pilote RAID ne répond pas</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Le disque %1 signale des erreurs S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (et %n autre)</numerusform>
            <numerusform>%1 (et %n autres)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Aucune grappe n&apos;est configurée</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>La grappe est en bon état</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n grappe, en bon état</numerusform>
            <numerusform>Les %n grappes sont toutes en bon état</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
</context>
<context>
    <name>KV_HealthMonitor</name>
    <message>
        <source>&amp;Show %1</source>
        <translation>&amp;Afficher %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 est critique</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 est hors ligne</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1 : la reconstruction est terminée ; la grappe est de nouveau en bon état</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1 : la transformation est terminée</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1 : la reconstruction s&apos;est arrêtée ; la grappe est %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1 : la transformation s&apos;est arrêtée ; la grappe est %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Le disque de secours %1 a pris la place d&apos;un membre défaillant</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disque %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Le disque %1 est défaillant</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Le disque %1 signale des erreurs S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n grappe ou disque a changé : %1</numerusform>
            <numerusform>%n grappes ou disques ont changé : %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PRÊTE</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>CRITIQUE</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>HORS LIGNE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>OBSOLÈTE</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE HORS LIGNE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>VERROUILLÉE</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>INCONNU</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Défaillant</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Défaillant hors ligne</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>INACTIVE</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMATION</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>CRÉATION</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>VÉRIFICATION</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RECONSTRUCTION</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>VÉRIFICATION BITMAP</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>ÉCRITURE BITMAP</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>EFFACEMENT SÉCURISÉ</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>DÉPLACEMENT DE PAGES</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>DÉPLACEMENT DE NIVEAU</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>CRÉATION À ZÉRO</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>DÉMARRÉE</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>SUSPENDUE</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ARRÊTÉE</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ÉCHOUÉE</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>STOPPÉE</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>TERMINÉE</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>SUPPRIMÉE</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NON TERMINÉE</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Très basse</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critique</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Grappe</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Créer une grappe RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformer</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformer une grappe RAID existante</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Vérification de cohérence</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Analyse de grappe en arrière-plan</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Modifier les paramètres du cache</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Sans cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Cache en lecture</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache en écriture différée</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Cache en lecture + écriture différée</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Changer le nom de la grappe sélectionnée</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Masquer ou afficher une grappe existante</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifier la grappe</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Allumer les voyants de la grappe sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Préparer le retrait</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Rendre la grappe invisible pour le système d&apos;exploitation afin de préparer son retrait</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Retirer les disques de secours</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Retirer tous les disques de secours dédiés affectés à cette grappe</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Supprimer une grappe RAID existante</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Supprimer plusieurs &amp;grappes</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Sélectionner plusieurs grappes RAID existantes à supprimer</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Effacement sécurisé</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Effacer de façon sécurisée une grappe RAID existante</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disque</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Réanalyser</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Réanalyser tous les canaux pour détecter les disques physiques et les grappes ajoutés ou retirés.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initialiser</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>Effa&amp;cer les métadonnées</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>Vue d&apos;ensemble &amp;S.M.A.R.T.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) est un système de surveillance intégré au disque qui détecte et signale divers indicateurs de sa fiabilité.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Gérer les disques de secours pour le disque sélectionné.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Journal de l&apos;application</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Afficher le journal de l&apos;application.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Afficher les co&amp;ntrôleurs</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Afficher la liste des contrôleurs</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Vue des &amp;événements</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Réduire la vue des événements</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Changer le thème de couleurs de l&apos;application</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Taille des &amp;icônes</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Changer la taille des icônes de l&apos;application</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Taille de la &amp;police</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Changer la taille de police de l&apos;application</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Afficher les versions de l&apos;application et des pilotes RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Lien vers le guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>A&amp;ssistance</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Lien vers le site d&apos;assistance OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;CLUF</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Afficher le contrat de licence utilisateur final (CLUF).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Type de port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Plus grand espace libre</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Secours global</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Remplacement à chaud annoncé</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Révision du micrologiciel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nom dans le SE</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nom de la grappe</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacité totale</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>État de la tâche</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pri</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>CTS</source>
        <translation>CTS</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Ded Spare</source>
        <translation>Secours dédié</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>CLUF</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Masquée)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Source)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Destination)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Disques de secours dédiés</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquant</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Le pilote RAID kvcfg est introuvable. Vérifiez que tous les pilotes RAID requis sont installés, sinon l&apos;application ne pourra pas fonctionner.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Les pilotes RAID OXV sont introuvables. Vérifiez que le RAID est activé dans les paramètres du BIOS.

En mode AHCI/natif, aucune action n&apos;est nécessaire. Fermeture de l&apos;application.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Veuillez exécuter l&apos;application en tant qu&apos;administrateur.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Avec vos privilèges d&apos;utilisateur actuels, vous ne pourrez pas dans cette application :</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Exécuter des commandes destructrices.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Afficher les partitions des grappes et les informations de la grappe système.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Notification d&apos;événement</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Débit actuel en Mo par seconde entre le système d&apos;exploitation et le pilote OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Débit actuel en Mo par seconde entre le pilote OXV-RAID et le périphérique de stockage.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Nombre actuel d&apos;E/S par seconde entre le système d&apos;exploitation et le pilote OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Nombre actuel d&apos;E/S par seconde entre le pilote OXV-RAID et les périphériques de stockage.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Nombre total d&apos;octets échangés entre le système d&apos;exploitation et le pilote OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Nombre total d&apos;octets échangés entre le pilote OXV-RAID et le périphérique de stockage.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Voulez-vous vraiment exécuter « %1 » sur la grappe %2 : %3 ?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Cette opération rend la grappe invisible pour le système d&apos;exploitation et peut entraîner une PERTE DE DONNÉES. Voulez-vous poursuivre la préparation du retrait ?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Retirer tous les disques de secours de la grappe %1 ?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Voulez-vous supprimer la grappe %1 : %2 ?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>AVERTISSEMENT : toutes les données seront perdues définitivement. Poursuivre l&apos;effacement sécurisé de la grappe %1 &quot;%2&quot; ?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Le cache en écriture différée augmente le risque de corruption des données en cas d&apos;arrêt inattendu du système. Voulez-vous l&apos;activer ?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> est verrouillée et ne peut pas être transformée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> est verrouillée ; aucune vérification de cohérence ne peut y être démarrée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> est verrouillée ; la vérification de cohérence ne peut pas y être arrêtée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> est verrouillée ; aucune analyse de grappe en arrière-plan ne peut y être démarrée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> est verrouillée ; l&apos;analyse de grappe en arrière-plan ne peut pas y être arrêtée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> est verrouillée ; son cache ne peut pas être modifié avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> est verrouillée ; la priorité de sa tâche ne peut pas être modifiée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> est verrouillée ; aucune tâche ne peut y être reprise avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> est verrouillée ; aucune tâche ne peut y être suspendue avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> est verrouillée ; aucune tâche ne peut y être supprimée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> est verrouillée et ne peut pas être renommée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> est verrouillée et ne peut pas être masquée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> est verrouillée et ne peut pas être identifiée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> est verrouillée et ne peut pas être préparée au retrait avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> est verrouillée ; ses disques de secours ne peuvent pas être retirés avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> est verrouillée et ne peut pas être supprimée avant son déverrouillage.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> est verrouillée et ne peut pas être effacée de façon sécurisée avant son déverrouillage.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmer l&apos;action</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Réanalyse en cours...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Suppression en cours...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Effacement sécurisé en cours...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Échec de l&apos;opération</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>La grappe sélectionnée chevauche une autre grappe. Opération annulée.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problème lors de l&apos;éjection du périphérique SCSI de la grappe OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Ce périphérique est en cours d&apos;utilisation. Fermez les programmes ou fenêtres susceptibles de l&apos;utiliser, puis réessayez.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Retrait de la grappe</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>La grappe %1 a été retirée de la configuration ; ses périphériques sont déconnectés et peuvent maintenant être retirés physiquement du système. Ne lancez aucune RÉANALYSE DES DISQUES tant que tous les disques de la grappe n&apos;ont pas été déconnectés</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Les voyants des disques de la grappe sélectionnée sont maintenant allumés. Cliquez sur &apos;OK&apos; pour arrêter l&apos;identification.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Le nombre total de grappes est limité à %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Le pilote RAID ne répond pas. Les listes affichent la configuration lue à %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Le pilote RAID ne répond pas. Aucune configuration n&apos;a pu être lue.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>La console ne peut pas déterminer quelles grappes contiennent le système d&apos;exploitation : Supprimer, Effacement sécurisé, Masquer et Préparer le retrait ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Grappe </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disque </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Priorité de la tâche</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Initialiser les disques</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Effacer les métadonnées</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Vue d&apos;ensemble S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Contrôleurs</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Enregistrer l&apos;archive d&apos;assistance...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Enregistrer la configuration, les journaux et les rapports S.M.A.R.T. dans un seul fichier pour l&apos;assistance</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Fermer dans la zone de notification</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Une fois la fenêtre fermée, la console continue de surveiller les grappes depuis la zone de notification.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Suspendue : aucun temps restant n&apos;est estimé tant que la tâche est en attente.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Le temps restant est estimé une fois la progression de la tâche observée pendant une minute.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Le disque est défaillant ; le pilote le signale comme %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Le disque signale des erreurs S.M.A.R.T. : remplacez-le rapidement.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Enregistrer l&apos;archive d&apos;assistance</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archives zip (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>L&apos;archive d&apos;assistance a été enregistrée dans %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>L&apos;archive d&apos;assistance n&apos;a pas pu être enregistrée dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>La configuration n&apos;a pas pu être lue ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Le disque %1 n&apos;est plus présent ; rien n&apos;a été modifié. Fermez cette fenêtre et rouvrez-la pour voir les disques dans leur état actuel.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Liste des disques :</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Interroger les données S.M.A.R.T. choisies</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 a  %2 j  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 j  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Impossible à récupérer</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Type de port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Révision du micrologiciel</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Heures de fonctionnement</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Cycles d&apos;alimentation</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Température (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora : aucun affichage sur lequel ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini) ; velmora-cli fournit les commandes de la console dans un terminal.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Priorité actuelle de la tâche &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Choisissez avec le curseur une nouvelle priorité pour la tâche &apos;%1&apos; de la grappe &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Nouvelle priorité : %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Confirmer la transformation</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Avertissement : vous avez inclus un disque de secours dans la grappe. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Avertissement : cette transformation de grappe inclut un périphérique remplaçable à chaud. Une fois la transformation terminée, redémarrez le système pour informer le système d&apos;exploitation des changements de périphériques sous-jacents. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Confirmer la création</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Avertissement : disques hétérogènes détectés ! Pour de meilleures performances, il est déconseillé de mélanger des disques aux performances très différentes. Voulez-vous créer la grappe malgré tout ?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Échec de la commande de transformation</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Type de port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Plus grand espace libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>SG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Remplacement à chaud annoncé</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Options de la grappe</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisée en :</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacité actuelle :</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacité :</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacité max. :</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacité max.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tous les NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tous les SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tous les disques durs</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Inutilisés</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Identique</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Affecter comme disque de secours dédié</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Affecter comme disque de secours global</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifier le disque par ses voyants</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer le périphérique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Préparer le retrait</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Retirer comme disque de secours global</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Retirer comme disque de secours dédié</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>La configuration n&apos;a pas pu être lue ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Le disque %1 n&apos;est plus présent ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Confirmer l&apos;affectation du disque de secours</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Avertissement : disques hétérogènes détectés ! Pour de meilleures performances, il est déconseillé de mélanger des disques aux performances très différentes. Voulez-vous poursuivre l&apos;affectation du disque de secours ?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifier le disque</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Les voyants du disque sélectionné sont maintenant allumés. Cliquez sur &apos;OK&apos; pour arrêter l&apos;identification.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>État du retrait du périphérique</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Liste des disques :</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Canal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Non initialisés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Initialiser la sélection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Disque inséré</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Un contrôleur RAID a détecté l&apos;insertion d&apos;un nouveau disque. Pour mettre ce disque en ligne, une RÉANALYSE du contrôleur est nécessaire. Si ce disque fait partie d&apos;une grappe de plusieurs disques, ne lancez la réanalyse qu&apos;après avoir inséré le dernier disque de la grappe. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Disque retiré</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Un contrôleur RAID a détecté le retrait d&apos;un disque. Pour retirer définitivement le disque et synchroniser la configuration, une réanalyse est nécessaire. Si ce disque fait partie d&apos;une grappe en cours de mise hors ligne, NE LANCEZ PAS DE RÉANALYSE avant d&apos;avoir retiré le dernier disque de la grappe.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>createDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Options de la grappe</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nom de la grappe :</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisée en :</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacité :</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacité max. :</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacité max.</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Options de cache :</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Taille des étiquettes de cache :</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim :</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Analyse de grappe en arrière-plan</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Ignorer l&apos;initialisation  (déconseillé)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Conserver les données existantes</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Création à zéro</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tous les NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tous les SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tous les disques durs</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Inutilisés</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Cache en lecture + écriture différée</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Cache en lecture</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache en écriture différée</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Sans cache</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 Ko</translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation>128 Ko</translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation>256 Ko</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Type de port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Plus grand espace libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>SG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Remplacement à chaud annoncé</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du micrologiciel</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Liste des contrôleurs :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Nombre de ports</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>ID de fournisseur PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>ID de périphérique PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>ID de sous-fournisseur PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>ID de sous-périphérique PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrat de licence utilisateur final</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Le texte du contrat de licence n&apos;a pas pu être chargé.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Options de la grappe</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisée en :</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacité actuelle :</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacité :</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacité max. :</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacité max.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tous les NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tous les SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tous les disques durs</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Inutilisés</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Identique</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Type de port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Plus grand espace libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>SG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Remplacement à chaud annoncé</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du micrologiciel</translation>
    </message>
</context>
</TS>
