<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Έκδοση εφαρμογής:</translation>
    </message>
    <message>
        <source>kvraid.sys:</source>
        <translation>kvraid.sys:</translation>
    </message>
    <message>
        <source>kvcfg.sys:</source>
        <translation>kvcfg.sys:</translation>
    </message>
    <message>
        <source>kvbottom.sys:</source>
        <translation>kvbottom.sys:</translation>
    </message>
</context>
<context>
    <name>KV_ArrayForm</name>
    <message>
        <source>Volume  (JBOD)</source>
        <translation>Τόμος  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (διαμοιρασμός)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (κατοπτρισμός)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (διαμοιρασμός κατόπτρων)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (διαμοιρασμός με ισοτιμία)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (διαμοιρασμός με 2 ισοτιμίες)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Δίσκος </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Μη έγκυρη διαμόρφωση: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Για προχωρημένους</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Απλό</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Εισαγάγετε όνομα συστοιχίας έως 30 χαρακτήρες.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Όνομα συστοιχίας</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Μη έγκυρο όνομα: τα ονόματα συστοιχιών δεν μπορούν να είναι ίδια με ονόματα υπαρχουσών συστοιχιών ή να περιέχουν τους εξής χαρακτήρες: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Λίστα δίσκων:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ελεγ. Καν.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Σε χρήση</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Όλοι</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Εκκαθάριση μεταδεδομένων</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Δεν εντοπίστηκαν δίσκοι με ελεύθερο χώρο. Για να δημιουργήσετε συστοιχία RAID, ελευθερώστε πρώτα χώρο σε υπάρχοντα δίσκο ή προσθέστε έναν ακόμη δίσκο στο σύστημα.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Μη έγκυρο όνομα: τα ονόματα συστοιχιών δεν μπορούν να είναι ίδια με ονόματα υπαρχουσών συστοιχιών ή να περιέχουν τους εξής χαρακτήρες: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Επιβεβαίωση δημιουργίας</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Προειδοποίηση: συμπεριλάβατε εφεδρικό δίσκο στη συστοιχία. Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Προειδοποίηση: εντοπίστηκε ανάμειξη μονάδων! Για τις καλύτερες επιδόσεις δεν συνιστάται η ανάμειξη μονάδων με ουσιωδώς διαφορετικές επιδόσεις. Θέλετε να γίνει η δημιουργία παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Η δημιουργία απέτυχε</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Δημιουργία</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Προεπισκόπηση</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Τύπος θύρας</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Χωρητικότητα</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Μεγαλύτερος ελεύθερος </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ΚΕ</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ενημερωμένη θερμή αλλαγή</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Έκδοση υλικολογισμικού</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Επιλογές συστοιχίας</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Όνομα συστοιχίας:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Οργάνωση:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Χωρητικότητα:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Μέγιστη χωρητικότητα:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Μέγιστη χωρητικότητα</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Επιλογές κρυφής μνήμης:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Μέγεθος ετικέτας κρυφής μνήμης:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Σάρωση συστοιχίας στο παρασκήνιο</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Παράλειψη αρχικοποίησης  (δεν συνιστάται)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Διατήρηση υπαρχόντων δεδομένων</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Δημιουργία με μηδενισμό</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Όλοι</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Όλοι οι NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Όλοι οι SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Όλοι οι HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Αχρησιμοποίητοι</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Συσκευή</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Όνομα ΛΣ</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Διαμέρισμα</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Όνομα συστοιχίας</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Συνολική χωρητικότητα</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Κρυφή μνήμη</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Είστε βέβαιοι ότι θέλετε να διαγράψετε τις επιλεγμένες συστοιχίες: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Επιβεβαίωση ενέργειας</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Διαγραφή συστοιχιών...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Ματαίωση</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Ιδιότητες δίσκου</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Κρυφή μνήμη εγγραφής δίσκου:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Απενεργοποίηση</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Πρόωρη ανάγνωση δίσκου:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Ερώτηση SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ενεργοποιημένο</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Απενεργοποιημένο</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Σημείωση: η ενεργοποίηση της κρυφής μνήμης εγγραφής δίσκου μπορεί να αυξήσει την πιθανότητα αλλοίωσης δεδομένων αν διακοπεί η τροφοδοσία του συστήματος.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Κρυφή μνήμη καθυστερημένης εγγραφής</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Πρόωρη ανάγνωση</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Ερώτηση SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Τύπος θύρας</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Αναθεώρηση υλικολογισμικού</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> είναι συσκευή NVMe και οι ρυθμίσεις κρυφής μνήμης του δίσκου της δεν μπορούν να αλλάξουν.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Συστοιχία %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Συστοιχία %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, σε παύση</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>Η %1 είναι εκτός σύνδεσης</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>Η %1 ανακατασκευάζεται ενώ ο δίσκος %2 αναφέρει σφάλματα S.M.A.R.T.: μία ακόμη αστοχία θα την κατέστρεφε</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>ανακατασκευή στον δίσκο %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>ανακατασκευή, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>Η %1 είναι σε κρίσιμη κατάσταση: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>Η %1 είναι %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>Η %1 είναι σε κρίσιμη κατάσταση: ο δίσκος %2 παρουσίασε αστοχία</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>Η %1 είναι σε κρίσιμη κατάσταση</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>Η %1 μετασχηματίζεται: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>Η %1 δημιουργείται: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>Η %1 διαγράφεται με ασφάλεια: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: μέλος σε αστοχία στον δίσκο %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>Η %1 έχασε τον τελευταίο εφεδρικό δίσκο της</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>έλεγχος συνέπειας</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>απομένει λιγότερο από ένα λεπτό</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>απομένει περίπου ένα λεπτό</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>απομένει περίπου %n ώρα</numerusform>
            <numerusform>απομένουν περίπου %n ώρες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>απομένει περίπου %n λεπτό</numerusform>
            <numerusform>απομένουν περίπου %n λεπτά</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Το πρόγραμμα οδήγησης RAID δεν αποκρίνεται</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Ο δίσκος %1 αναφέρει σφάλματα S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (και %n ακόμη)</numerusform>
            <numerusform>%1 (και %n ακόμη)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Δεν έχουν διαμορφωθεί συστοιχίες</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Η συστοιχία είναι υγιής</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Όλες οι συστοιχίες (%n) είναι υγιείς</numerusform>
            <numerusform>Όλες οι συστοιχίες (%n) είναι υγιείς</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1· %2</translation>
    </message>
</context>
<context>
    <name>KV_HealthMonitor</name>
    <message>
        <source>&amp;Show %1</source>
        <translation>&amp;Εμφάνιση %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>Η %1 είναι σε κρίσιμη κατάσταση</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>Η %1 είναι εκτός σύνδεσης</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: η ανακατασκευή ολοκληρώθηκε· η συστοιχία είναι ξανά υγιής</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: ο μετασχηματισμός ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: η ανακατασκευή τερματίστηκε· η συστοιχία είναι %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: ο μετασχηματισμός τερματίστηκε· η συστοιχία είναι %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Ο εφεδρικός δίσκος %1 πήρε τη θέση ενός μέλους σε αστοχία</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Δίσκος %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Ο δίσκος %1 παρουσίασε αστοχία</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Ο δίσκος %1 αναφέρει σφάλματα S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Άλλαξε %n συστοιχία ή δίσκος: %1</numerusform>
            <numerusform>Άλλαξαν %n συστοιχίες ή δίσκοι: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>ΚΑΝΟΝΙΚΗ</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>ΕΤΟΙΜΟΣ</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>ΚΡΙΣΙΜΗ</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>ΕΚΤΟΣ ΣΥΝΔΕΣΗΣ</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ΠΑΡΩΧΗΜΕΝΗ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>ΚΡΥΦΗ ΜΝΗΜΗ ΕΚΤΟΣ ΣΥΝΔΕΣΗΣ</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ΚΛΕΙΔΩΜΕΝΗ</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>ΑΓΝΩΣΤΗ</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Κανένα σφάλμα</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Αποτυχία</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Εκτός σύνδεσης</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Αποτυχία, εκτός σύνδεσης</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>ΜΗ ΕΝΕΡΓΗ</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>ΜΕΤΑΣΧΗΜΑΤΙΣΜΟΣ</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>ΔΗΜΙΟΥΡΓΙΑ</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>ΕΛΕΓΧΟΣ</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>ΑΝΤΙΓΡΑΦΗ</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ΑΝΑΚΑΤΑΣΚΕΥΗ</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>ΕΛΕΓΧΟΣ ΧΑΡΤΗ BIT</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>ΕΚΚΕΝΩΣΗ ΧΑΡΤΗ BIT</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>ΑΣΦΑΛΗΣ ΔΙΑΓΡΑΦΗ</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>ΜΕΤΑΚΙΝΗΣΗ ΣΕΛΙΔΩΝ</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>ΜΕΤΑΚΙΝΗΣΗ ΒΑΘΜΙΔΑΣ</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>ΔΗΜΙΟΥΡΓΙΑ ΜΕ ΜΗΔΕΝΙΣΜΟ</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ΞΕΚΙΝΗΣΕ</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>ΣΕ ΠΑΥΣΗ</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ΤΕΡΜΑΤΙΣΜΟΣ</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ΑΠΟΤΥΧΙΑ</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ΣΤΑΜΑΤΗΣΕ</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>ΟΛΟΚΛΗΡΩΘΗΚΕ</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ΑΦΑΙΡΕΘΗΚΕ</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>ΔΕΝ ΟΛΟΚΛΗΡΩΘΗΚΕ</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Πολύ χαμηλή</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Πληροφοριακό</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Κρίσιμο</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Μοιραίο</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Άγνωστο</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Συστοιχία</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Δημιουργία</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Δημιουργία συστοιχίας RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Μετασχηματισμός</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Μετασχηματισμός υπάρχουσας συστοιχίας RAID</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Έλεγχος συνέπειας</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Σάρωση συστοιχίας στο παρασκήνιο</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Τροποποίηση ρυθμίσεων κρυφής μνήμης</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Χωρίς κρυφή μνήμη</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Κρυφή μνήμη ανάγνωσης</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Κρυφή μνήμη καθυστερημένης εγγραφής</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Κρυφή μνήμη ανάγνωσης + καθυστερημένης εγγραφής</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Εργασία</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Προτεραιότητα</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Συνέχιση</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Παύση</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Κατάργηση</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>Ό&amp;νομα</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Αλλαγή ονόματος της επιλεγμένης συστοιχίας</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Απόκρυψη</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Απόκρυψη/εμφάνιση υπάρχουσας συστοιχίας</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Αναγνώριση συστοιχίας</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Άναμμα των λυχνιών LED της επιλεγμένης συστοιχίας</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Προετοιμασία για αφαίρεση</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Η συστοιχία γίνεται αόρατη στο λειτουργικό σύστημα για προετοιμασία αφαίρεσης</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Κατάργηση εφεδρικών</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Κατάργηση όλων των αποκλειστικών εφεδρικών που έχουν ανατεθεί σε αυτή τη συστοιχία</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Διαγρα&amp;φή</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Διαγραφή υπάρχουσας συστοιχίας RAID</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Διαγραφή πολλών &amp;συστοιχιών</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Επιλογή πολλών υπαρχουσών συστοιχιών RAID για διαγραφή</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Ασφαλής διαγραφή</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Ασφαλής διαγραφή υπάρχουσας συστοιχίας RAID</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Δίσκος</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Επανασάρωση</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Επανασάρωση όλων των καναλιών για εντοπισμό νέων ή αφαιρεμένων φυσικών δίσκων και συστοιχιών.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Αρχικοποίηση</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>Εκκα&amp;θάριση μεταδεδομένων</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Ιδιότητες</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. επισκόπηση</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>Το S.M.A.R.T. (τεχνολογία αυτοπαρακολούθησης, ανάλυσης και αναφοράς) είναι ένα σύστημα παρακολούθησης της μονάδας που εντοπίζει και αναφέρει διάφορους δείκτες αξιοπιστίας της.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Επιλο&amp;γές</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Διαχείριση εφεδρικών για τον επιλεγμένο δίσκο.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Προβολή</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Ανανέωση</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>Αρχείο &amp;καταγραφής εφαρμογής</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Προβολή πληροφοριών αρχείου καταγραφής εφαρμογής.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Προβολή &amp;ελεγκτών</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Προβολή λίστας ελεγκτών</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Προβολή &amp;συμβάντων</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Σύμπτυξη προβολής συμβάντων</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Θέμα</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Αλλαγή χρωματικού θέματος εφαρμογής</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Σκούρο</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ανοιχτό</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Μέγεθος ε&amp;ικονιδίων</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Αλλαγή μεγέθους εικονιδίων εφαρμογής</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Μικρά</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Μεγάλα</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Μέγεθος &amp;γραμματοσειράς</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Αλλαγή μεγέθους γραμματοσειράς εφαρμογής</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Κανονική</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Πληροφορίες</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Εμφάνιση εκδόσεων εφαρμογής και προγραμμάτων οδήγησης RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Οδηγός χρήσης</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Σύνδεσμος προς τον οδηγό χρήσης</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Υποστήριξη</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Σύνδεσμος προς τον ιστότοπο υποστήριξης της OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>Άδεια &amp;χρήσης</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Προβολή άδειας χρήσης τελικού χρήστη (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Τύπος θύρας</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Χωρητικότητα</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Μεγαλύτερος ελεύθερος</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Καθολικός εφεδρικός</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ενημερωμένη θερμή αλλαγή</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Αναθεώρηση υλικολογισμικού</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Συσκευή</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Όνομα ΛΣ</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Διαμέρισμα</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Όνομα συστοιχίας</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Συνολική χωρητικότητα</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Κατάσταση εργασίας</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Πρόοδος</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Προτ.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Σάρωση</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Κρυφή μνήμη</translation>
    </message>
    <message>
        <source>CTS</source>
        <translation>CTS</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Ded Spare</source>
        <translation>Αποκλ. εφεδρ.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Συμβάν</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Κείμενο</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Άδεια χρήσης</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Κρυφή)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Προέλευση)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Προορισμός)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Αποκλειστικοί εφεδρικοί δίσκοι</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Λείπει</translation>
    </message>
    <message>
        <source>none</source>
        <translation>κανένα</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέος</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Δεν βρέθηκε το πρόγραμμα οδήγησης RAID kvcfg. Βεβαιωθείτε ότι είναι εγκατεστημένα όλα τα απαιτούμενα προγράμματα οδήγησης RAID, διαφορετικά η εφαρμογή δεν θα λειτουργεί.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Δεν βρέθηκαν τα προγράμματα οδήγησης RAID της OXV. Επιβεβαιώστε ότι το RAID είναι ενεργοποιημένο στις ρυθμίσεις του BIOS.

Αν λειτουργείτε σε κατάσταση AHCI/εγγενή, δεν χρειάζεται να κάνετε τίποτα. Η εφαρμογή τερματίζεται.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Εκτελέστε την εφαρμογή ως διαχειριστής.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Εκτελώντας αυτή την εφαρμογή με τα τρέχοντα δικαιώματα χρήστη δεν θα μπορείτε:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Να εκτελέσετε καταστροφικές εντολές.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Να προβάλετε διαμερίσματα συστοιχιών και πληροφορίες για τη συστοιχία συστήματος.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Ειδοποίηση συμβάντος</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Η τιμή δείχνει τις τρέχουσες επιδόσεις σε MB ανά δευτερόλεπτο μεταξύ ΛΣ και προγράμματος οδήγησης OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Η τιμή δείχνει τις τρέχουσες επιδόσεις σε MB ανά δευτερόλεπτο μεταξύ του προγράμματος οδήγησης OXV-RAID και της συσκευής αποθήκευσης.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Η τιμή δείχνει τις τρέχουσες επιδόσεις σε IO ανά δευτερόλεπτο μεταξύ ΛΣ και προγράμματος οδήγησης OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Η τιμή δείχνει τις τρέχουσες επιδόσεις σε IO ανά δευτερόλεπτο μεταξύ του προγράμματος οδήγησης OXV-RAID και των συσκευών αποθήκευσης.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Η τιμή δείχνει το σύνολο των byte μεταξύ ΛΣ και προγράμματος οδήγησης OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Η τιμή δείχνει το σύνολο των byte μεταξύ του προγράμματος οδήγησης OXV-RAID και της συσκευής αποθήκευσης.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Θέλετε να εκτελέσετε «%1» στη συστοιχία %2: %3;</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Αυτή η λειτουργία θα κάνει τη συστοιχία αόρατη στο λειτουργικό σύστημα και μπορεί να προκαλέσει ΑΠΩΛΕΙΑ ΔΕΔΟΜΕΝΩΝ. Θέλετε να συνεχίσετε με την Προετοιμασία για αφαίρεση;</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Κατάργηση όλων των εφεδρικών από τη συστοιχία %1;</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Θέλετε να διαγράψετε τη συστοιχία %1: %2;</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ΠΡΟΕΙΔΟΠΟΙΗΣΗ: όλα τα δεδομένα θα χαθούν ανεπανόρθωτα. Συνέχεια με ασφαλή διαγραφή της συστοιχίας %1 «%2»;</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Η ενεργοποιημένη κρυφή μνήμη καθυστερημένης εγγραφής μπορεί να αυξήσει την πιθανότητα αλλοίωσης δεδομένων σε απρόσμενο τερματισμό του συστήματος. Θέλετε να την ενεργοποιήσετε;</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> είναι κλειδωμένη και δεν μπορεί να μετασχηματιστεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> είναι κλειδωμένη και ο έλεγχος συνέπειας δεν μπορεί να ξεκινήσει μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> είναι κλειδωμένη και ο έλεγχος συνέπειας δεν μπορεί να διακοπεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> είναι κλειδωμένη και η σάρωση παρασκηνίου της συστοιχίας δεν μπορεί να ξεκινήσει μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> είναι κλειδωμένη και η σάρωση παρασκηνίου της συστοιχίας δεν μπορεί να διακοπεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> είναι κλειδωμένη και η κρυφή μνήμη της δεν μπορεί να αλλάξει μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> είναι κλειδωμένη και η προτεραιότητα της εργασίας της δεν μπορεί να αλλάξει μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> είναι κλειδωμένη και η εργασία της δεν μπορεί να συνεχιστεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> είναι κλειδωμένη και η εργασία της δεν μπορεί να τεθεί σε παύση μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> είναι κλειδωμένη και η εργασία της δεν μπορεί να αφαιρεθεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> είναι κλειδωμένη και δεν μπορεί να μετονομαστεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> είναι κλειδωμένη και δεν μπορεί να αποκρυφτεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> είναι κλειδωμένη και δεν μπορεί να αναγνωριστεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> είναι κλειδωμένη και δεν μπορεί να προετοιμαστεί για αφαίρεση μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> είναι κλειδωμένη και οι εφεδρικοί δίσκοι της δεν μπορούν να αφαιρεθούν μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> είναι κλειδωμένη και δεν μπορεί να διαγραφεί μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> είναι κλειδωμένη και δεν μπορεί να διαγραφεί με ασφάλεια μέχρι να ξεκλειδωθεί.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Επιβεβαίωση ενέργειας</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Επανασάρωση σε εξέλιξη...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Διαγραφή σε εξέλιξη...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Ασφαλής διαγραφή σε εξέλιξη...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Η λειτουργία απέτυχε</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Η επιλεγμένη συστοιχία επικαλύπτεται με άλλη συστοιχία. Η λειτουργία ακυρώθηκε.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Πρόβλημα κατά την εξαγωγή της συσκευής SCSI της συστοιχίας OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Η συσκευή χρησιμοποιείται αυτήν τη στιγμή. Κλείστε όλα τα προγράμματα ή παράθυρα που ενδέχεται να τη χρησιμοποιούν και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Αφαίρεση συστοιχίας</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Η συστοιχία %1 αφαιρέθηκε από τη διαμόρφωση, οι συσκευές αποσυνδέθηκαν και μπορούν πλέον να αφαιρεθούν φυσικά από το σύστημα. Είναι σημαντικό να μην εκτελεστεί ΕΠΑΝΑΣΑΡΩΣΗ ΔΙΣΚΩΝ μέχρι να αποσυνδεθούν όλοι οι δίσκοι της συστοιχίας</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Οι λυχνίες LED των δίσκων της επιλεγμένης συστοιχίας είναι πλέον αναμμένες. Κάντε κλικ στο &apos;OK&apos; για να σταματήσει η αναγνώριση.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Ο συνολικός αριθμός συστοιχιών περιορίζεται σε %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Το πρόγραμμα οδήγησης RAID δεν αποκρίνεται. Οι λίστες δείχνουν τη διαμόρφωση που διαβάστηκε στις %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Το πρόγραμμα οδήγησης RAID δεν αποκρίνεται. Δεν ήταν δυνατή η ανάγνωση διαμόρφωσης.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Η κονσόλα δεν μπορεί να προσδιορίσει σε ποιες συστοιχίες βρίσκεται το λειτουργικό σύστημα: η Διαγραφή, η Ασφαλής διαγραφή, η Απόκρυψη και η Προετοιμασία για αφαίρεση δεν είναι διαθέσιμες.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Συστοιχία </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Δίσκος </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Μετασχηματισμός</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Δημιουργία</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Προτεραιότητα εργασίας</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Αρχικοποίηση δίσκων</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Εκκαθάριση μεταδεδομένων</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Ιδιότητες</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Επισκόπηση S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Ελεγκτές</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Πληροφορίες για </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Αποθήκευση πακέτου υποστήριξης...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Αποθήκευση της διαμόρφωσης, των αρχείων καταγραφής και των αναφορών S.M.A.R.T. σε ένα αρχείο για την υποστήριξη</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>Κ&amp;λείσιμο στην περιοχή ειδοποιήσεων</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Όταν κλείνει το παράθυρο, η κονσόλα συνεχίζει να παρακολουθεί τις συστοιχίες από την περιοχή ειδοποιήσεων.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Σε παύση: όσο η εργασία περιμένει, ο υπολειπόμενος χρόνος δεν εκτιμάται.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Ο υπολειπόμενος χρόνος εκτιμάται αφού η πρόοδος της εργασίας παρακολουθηθεί για ένα λεπτό.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Ο δίσκος παρουσίασε αστοχία· το πρόγραμμα οδήγησης αναφέρει την κατάστασή του ως %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Ο δίσκος αναφέρει σφάλματα S.M.A.R.T.: αντικαταστήστε τον σύντομα.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Αποθήκευση πακέτου υποστήριξης</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Αρχεία ZIP (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Το πακέτο υποστήριξης αποθηκεύτηκε στο %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του πακέτου υποστήριξης στο %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέος</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της διαμόρφωσης· δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Ο δίσκος %1 δεν υπάρχει πλέον· δεν άλλαξε τίποτα. Κλείστε αυτό το παράθυρο και ανοίξτε το ξανά για να δείτε τους δίσκους όπως είναι τώρα.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Λίστα δίσκων:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Ερώτηση επιλεγμένων δεδομένων S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 έτ.  %2 ημ.  %3 ώρ.</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 ημ.  %2 ώρ.</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Αδυναμία ανάκτησης</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Τύπος θύρας</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Χωρητικότητα</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Αναθεώρηση υλικολογισμικού</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Ώρες λειτουργίας</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Κύκλοι τροφοδοσίας</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Θερμοκρασία (Κελσίου)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: δεν υπάρχει οθόνη για να ανοίξει το παράθυρο (δεν έχει οριστεί ούτε DISPLAY ούτε WAYLAND_DISPLAY)· τις εντολές της κονσόλας σε τερματικό τις παρέχει το velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Επιβεβαίωση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Η τρέχουσα προτεραιότητα της εργασίας &apos;%1&apos; είναι: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Χρησιμοποιήστε το ρυθμιστικό για να επιλέξετε νέα προτεραιότητα για την εργασία &apos;%1&apos; στη συστοιχία &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Νέα προτεραιότητα: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Επιβεβαίωση μετασχηματισμού</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Προειδοποίηση: συμπεριλάβατε εφεδρικό δίσκο στη συστοιχία. Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Προειδοποίηση: αυτός ο μετασχηματισμός συστοιχίας περιλαμβάνει συσκευή θερμής αλλαγής. Μετά την ολοκλήρωση του μετασχηματισμού πρέπει να γίνει επανεκκίνηση του συστήματος, ώστε το ΛΣ να ενημερωθεί για τις αλλαγές συσκευών της συστοιχίας. Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Επιβεβαίωση δημιουργίας</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Προειδοποίηση: εντοπίστηκε ανάμειξη μονάδων! Για τις καλύτερες επιδόσεις δεν συνιστάται η ανάμειξη μονάδων με ουσιωδώς διαφορετικές επιδόσεις. Θέλετε να γίνει η δημιουργία παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Η εντολή μετασχηματισμού απέτυχε</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Μετασχηματισμός</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Προέλευση</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Προορισμός</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Τύπος θύρας</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Χωρητικότητα</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Μεγαλύτερος ελεύθερος </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ΚΕ</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ενημερωμένη θερμή αλλαγή</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Έκδοση υλικολογισμικού</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Επιλογές συστοιχίας</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Οργάνωση:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Τρέχουσα χωρητικότητα:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Χωρητικότητα:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Μέγιστη χωρητικότητα:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Μέγιστη χωρητικότητα</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Όλοι</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Όλοι οι NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Όλοι οι SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Όλοι οι HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Αχρησιμοποίητοι</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Ίδιος</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Ανάθεση ως αποκλειστικού εφεδρικού</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Ανάθεση ως καθολικού εφεδρικού</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Αναγνώριση δίσκου με τις λυχνίες LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Αφαίρεση συσκευής</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Προετοιμασία για αφαίρεση</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Κατάργηση ως καθολικού εφεδρικού</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Κατάργηση ως αποκλειστικού εφεδρικού</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της διαμόρφωσης· δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Ο δίσκος %1 δεν υπάρχει πλέον· δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Επιβεβαίωση ανάθεσης εφεδρικού</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Προειδοποίηση: εντοπίστηκε ανάμειξη μονάδων! Για τις καλύτερες επιδόσεις δεν συνιστάται η ανάμειξη μονάδων με ουσιωδώς διαφορετικές επιδόσεις. Θέλετε να συνεχίσετε με την ανάθεση εφεδρικού;</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Αναγνώριση δίσκου</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Οι λυχνίες LED του επιλεγμένου δίσκου είναι πλέον αναμμένες. Κάντε κλικ στο &apos;OK&apos; για να σταματήσει η αναγνώριση.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Κατάσταση αφαίρεσης συσκευής</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Λίστα δίσκων:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ελεγ. Καν.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Σε χρήση</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Μη αρχικοποιημένοι</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Όλοι</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Αρχικοποίηση επιλεγμένων</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Επανασάρωση</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Εισαγωγή μονάδας</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Ένας ελεγκτής RAID εντόπισε την εισαγωγή νέας μονάδας δίσκου. Για να τεθεί σε λειτουργία η μονάδα, πρέπει να εκτελεστεί ΕΠΑΝΑΣΑΡΩΣΗ του ελεγκτή. Αν η μονάδα ανήκει σε συστοιχία πολλών μονάδων, εκτελέστε επανασάρωση μόνο μετά την εισαγωγή της τελευταίας μονάδας της συστοιχίας. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Αφαίρεση μονάδας</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Ένας ελεγκτής RAID εντόπισε την αφαίρεση μονάδας δίσκου. Για να αφαιρεθεί οριστικά η μονάδα και να συγχρονιστεί η διαμόρφωση, πρέπει να εκτελεστεί επανασάρωση. Αν η μονάδα ανήκει σε συστοιχία που τίθεται εκτός σύνδεσης, ΜΗΝ ΕΚΤΕΛΕΣΕΤΕ ΕΠΑΝΑΣΑΡΩΣΗ μέχρι να αφαιρεθεί η τελευταία μονάδα της συστοιχίας.</translation>
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
        <translation>Επιλογές συστοιχίας</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Όνομα συστοιχίας:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Οργάνωση:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Χωρητικότητα:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Μέγιστη χωρητικότητα:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Μέγιστη χωρητικότητα</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Επιλογές κρυφής μνήμης:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Μέγεθος ετικέτας κρυφής μνήμης:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Σάρωση συστοιχίας στο παρασκήνιο</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Παράλειψη αρχικοποίησης  (δεν συνιστάται)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Διατήρηση υπαρχόντων δεδομένων</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Δημιουργία με μηδενισμό</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Όλοι</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Όλοι οι NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Όλοι οι SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Όλοι οι HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Αχρησιμοποίητοι</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Δημιουργία</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Κρυφή μνήμη ανάγνωσης + καθυστερημένης εγγραφής</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Κρυφή μνήμη ανάγνωσης</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Κρυφή μνήμη καθυστερημένης εγγραφής</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Χωρίς κρυφή μνήμη</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Προεπιλογή</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 KB</translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation>128 KB</translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation>256 KB</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Τύπος θύρας</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Χωρητικότητα</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Μεγαλύτερος ελεύθερος </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ΚΕ</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ενημερωμένη θερμή αλλαγή</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Έκδοση υλικολογισμικού</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Λίστα ελεγκτών:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Δ/Υ</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Αριθμός</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Μοντέλο</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Πλήθος θυρών</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>Αναγνωριστικό προμηθευτή PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>Αναγνωριστικό συσκευής PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>Αναγνωριστικό υποπρομηθευτή PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>Αναγνωριστικό υποσυσκευής PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Δίαυλος</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Υποδοχή</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Λειτουργία</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Αποδοχή</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Άδεια χρήσης τελικού χρήστη</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Δεν ήταν δυνατή η φόρτωση του κειμένου της άδειας χρήσης.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Επιλογές συστοιχίας</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Οργάνωση:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Τρέχουσα χωρητικότητα:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Χωρητικότητα:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Μέγιστη χωρητικότητα:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Μέγιστη χωρητικότητα</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Όλοι</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Όλοι οι NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Όλοι οι SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Όλοι οι HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Αχρησιμοποίητοι</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Ίδιος</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Τύπος θύρας</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Χωρητικότητα</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Χρήσεις</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ελεύθερος χώρος</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Μεγαλύτερος ελεύθερος </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ΚΕ</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ενημερωμένη θερμή αλλαγή</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Αριθμός μοντέλου</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Έκδοση υλικολογισμικού</translation>
    </message>
</context>
</TS>
