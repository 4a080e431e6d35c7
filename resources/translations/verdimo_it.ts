<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ArchiveDatabase</name>
    <message>
        <location filename="../../src/exchange/ArchiveDatabase.cpp" line="+73"/>
        <source>The archive&apos;s database holds %1, which is not a plain table.</source>
        <translation>Il database dell&apos;archivio contiene %1, che non è una semplice tabella.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The archive&apos;s database is damaged.</source>
        <translation>Il database dell&apos;archivio è danneggiato.</translation>
    </message>
</context>
<context>
    <name>ArchiveMerge</name>
    <message>
        <location filename="../../src/exchange/ArchiveMerge.cpp" line="+61"/>
        <source>Importing item %s</source>
        <translation>Importazione articolo %s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Importing field %s</source>
        <translation>Importazione campo %s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Importing center %s</source>
        <translation>Importazione centro %s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Importing worker %s</source>
        <translation>Importazione operaio %s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Importing operation %s</source>
        <translation>Importazione operazione %s</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Import forms</source>
        <translation>Importazione schede</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Awaiting instruction</source>
        <translation>In attesa di istruzioni</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Importing form of %s</source>
        <translation>Importazione scheda del %s</translation>
    </message>
</context>
<context>
    <name>ArchiveValueCheck</name>
    <message>
        <location filename="../../src/exchange/ArchiveValueCheck.cpp" line="+204"/>
        <source>a date written YYYY-MM-DD HH:MM:SS is expected</source>
        <translation>è attesa una data scritta AAAA-MM-GG HH:MM:SS</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hours from 0 to 24 are expected</source>
        <translation>sono attese ore da 0 a 24</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>a code from %1 to %2 is expected</source>
        <translation>è atteso un codice da %1 a %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>an integer is expected</source>
        <translation>è atteso un numero intero</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a centre kind from %1 to %2 is expected</source>
        <translation>è atteso un tipo di centro da %1 a %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a movement type from %1 to %2 is expected</source>
        <translation>è atteso un tipo di movimento da %1 a %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a number is expected</source>
        <translation>è atteso un numero</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a number that is not negative is expected</source>
        <translation>è atteso un numero non negativo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a number from 0 to %1 is expected</source>
        <translation>è atteso un numero da 0 a %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <source>a text is expected</source>
        <translation>è atteso un testo</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>no more than %1 characters are allowed</source>
        <translation>sono ammessi al massimo %1 caratteri</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a number above 0 is expected</source>
        <translation>è atteso un numero maggiore di 0</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a BBCH stage of two digits is expected</source>
        <translation>è atteso uno stadio BBCH di due cifre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a time written HH:MM is expected</source>
        <translation>è attesa un'ora scritta HH:MM</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>binary data of %1 bytes</source>
        <translation>dati binari di %1 byte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1…&quot; (%2 characters)</source>
        <translation>&quot;%1…&quot; (%2 caratteri)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The archive&apos;s table %1 holds an impossible value in the row %2 %3, column %4: %5 (%6).</source>
        <translation>La tabella %1 dell&apos;archivio contiene un valore impossibile nella riga %2 %3, colonna %4: %5 (%6).</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <location filename="../../src/base/AtomicFile.cpp" line="+12"/>
        <source>Could not write the file %1: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
</context>
<context>
    <name>AutomaticBackups</name>
    <message>
        <location filename="../../src/app/AutomaticBackups.cpp" line="+66"/>
        <source>The farm was backed up into %1.</source>
        <translation>Il backup dell'azienda è stato salvato in %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The automatic backup of the farm database failed; the program goes on without it.
%1</source>
        <translation>Il backup automatico del database aziendale non è riuscito; il programma prosegue senza.
%1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <location filename="../../src/exchange/BackupRestore.cpp" line="+88"/>
        <source>Could not make a temporary folder to check %1.</source>
        <translation>Impossibile creare una cartella temporanea per verificare %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The database %1 is in use by another program; close it there and try again.</source>
        <translation>Il database %1 è in uso da un altro programma; chiudilo lì e riprova.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 is not a backup of Verdimo.</source>
        <translation>%1 non è un backup di Verdimo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Could not read the backup %1: %2</source>
        <translation>Impossibile leggere il backup %1: %2</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 is not a database file: the backup cannot replace it.</source>
        <translation>%1 non è un file di database: il backup non può sostituirlo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There was no database at %1, so nothing of it was kept.</source>
        <translation>In %1 non c&apos;era alcun database, quindi non ne è stato conservato nulla.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database %1 was empty, so nothing of it was kept.</source>
        <translation>Il database %1 era vuoto, quindi non ne è stato conservato nulla.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The database it replaced is kept in %1.</source>
        <translation>Il database sostituito è conservato in %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Could not make the backup folder %1 to keep a copy of %2.</source>
        <translation>Impossibile creare la cartella dei backup %1 per conservare una copia di %2.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Could not keep a copy of %1 in %2: %3</source>
        <translation>Impossibile conservare una copia di %1 in %2: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The database it replaced could not be read as a database, so it is kept as it was in %1.</source>
        <translation>Il database sostituito non era leggibile come database, quindi è conservato così com&apos;era in %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Could not remove %1, left by the last write of the database: %2</source>
        <translation>Impossibile rimuovere %1, lasciato dall&apos;ultima scrittura del database: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the folder %1 cannot be made</source>
        <translation>la cartella %1 non può essere creata</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>The backup&apos;s database cannot be used: %1</source>
        <translation>Il database del backup non è utilizzabile: %1</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Could not replace the database %1: %2</source>
        <translation>Impossibile sostituire il database %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/RestoreCommand.cpp" line="+51"/>
        <source>Restored %1 from %2. %3</source>
        <translation>%1 ripristinato da %2. %3</translation>
    </message>
</context>
<context>
    <name>BackupRestoring</name>
    <message>
        <location filename="../../src/app/BackupRestoring.cpp" line="+38"/>
        <source>No farm database is named in the settings: there is nothing to restore into.</source>
        <translation>Nelle impostazioni non è indicato alcun database aziendale: non c&apos;è nulla in cui ripristinare.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The farm database %1 can only be read: a backup cannot replace it.</source>
        <translation>Il database aziendale %1 può essere solo letto: un backup non può sostituirlo.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The backup %1 was made of another farm, %2, not of the working farm %3.

Replace the working farm %3 with the backup of %2?

What it replaces is kept first.</source>
        <translation>Il backup %1 è di un'altra azienda, %2, non dell'azienda di lavoro %3.

Sostituire l'azienda di lavoro %3 con il backup di %2?

Quanto viene sostituito è conservato prima.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace the working database %1 with the backup %2?

What it replaces is kept first.</source>
        <translation>Sostituire il database di lavoro %1 con il backup %2?

Ciò che viene sostituito è conservato prima.</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>The backup %1 is now the working database. %2</source>
        <translation>Il backup %1 è ora il database di lavoro. %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>it could not be opened</source>
        <translation>non è stato possibile aprirlo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The farm database %1 cannot be used: %2

Restore one of its backups now?</source>
        <translation>Il database aziendale %1 non può essere usato: %2

Ripristinare ora uno dei suoi backup?</translation>
    </message>
</context>
<context>
    <name>BackupRotation</name>
    <message>
        <location filename="../../src/exchange/BackupRotation.cpp" line="+199"/>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Could not make the backup folder %1.</source>
        <translation>Impossibile creare la cartella dei backup %1.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could not back up %1 into %2: %3</source>
        <translation>Impossibile eseguire il backup di %1 in %2: %3</translation>
    </message>
</context>
<context>
    <name>BbchStages</name>
    <message>
        <location filename="../../src/cards/BbchStages.cpp" line="+6"/>
        <source>Germination, sprouting, bud development</source>
        <translation>Germinazione, germogliamento, sviluppo delle gemme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leaf development</source>
        <translation>Sviluppo delle foglie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formation of side shoots, tillering</source>
        <translation>Formazione dei germogli laterali, accestimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stem elongation, rosette growth, shoot development</source>
        <translation>Levata, sviluppo della rosetta, sviluppo del germoglio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Development of harvestable vegetative parts, booting</source>
        <translation>Sviluppo delle parti vegetative raccoglibili, botticella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inflorescence emergence, heading</source>
        <translation>Emergenza dell'infiorescenza, spigatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flowering</source>
        <translation>Fioritura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Development of fruit</source>
        <translation>Sviluppo dei frutti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ripening of fruit and seed</source>
        <translation>Maturazione dei frutti e dei semi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Senescence, beginning of dormancy</source>
        <translation>Senescenza, inizio della dormienza</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 - %2</source>
        <extracomment>A BBCH growth stage: %1 the two-digit code, %2 the name of its principal stage.</extracomment>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../../src/app/CAboutDlg.cpp" line="+13"/>
        <source>About...</source>
        <translation>Informazioni su...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verdimo Version %1 for Linux</source>
        <translation>Verdimo versione %1 per Linux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright (C) Brivex. All rights reserved.</source>
        <translation>Copyright (C) Brivex. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAnnoDlg</name>
    <message>
        <location filename="../../src/registries/ui/CAnnoDlg.cpp" line="+39"/>
        <source>Year Fields</source>
        <translation>Anno campi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter the year of &amp;production:</source>
        <translation>Inserire l&apos;anno di &amp;produzione:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter the year of production:</source>
        <translation>Inserire l&apos;anno di produzione:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter year to &amp;manage:</source>
        <translation>Inserire l&apos;anno da &amp;gestire:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter year to manage:</source>
        <translation>Inserire l&apos;anno da gestire:</translation>
    </message>
</context>
<context>
    <name>CAttesa</name>
    <message>
        <location filename="../../src/base/ui/CAttesa.cpp" line="+10"/>
        <source>Processing...</source>
        <translation>Elaborazione in corso...</translation>
    </message>
</context>
<context>
    <name>CDittaDialog</name>
    <message>
        <location filename="../../src/app/CDittaDialog.cpp" line="+49"/>
        <source>Company Information</source>
        <translation>Dati aziendali</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+26"/>
        <source>Surname or Company Name :</source>
        <translation>Cognome o ragione sociale :</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <source>Name :</source>
        <translation>Nome :</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <source>City of Birth :</source>
        <translation>Comune di nascita :</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+26"/>
        <source>Date of Birth :</source>
        <translation>Data di nascita :</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <source>Woman</source>
        <translation>Donna</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Codix :</source>
        <translation>Codice fiscale :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VAT :</source>
        <translation>Partita IVA :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Home</source>
        <translation>Domicilio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>Address :</source>
        <translation>Indirizzo :</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+7"/>
        <source>City and State :</source>
        <translation>Comune e provincia :</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Business location ( if different from home or head office )</source>
        <translation>Ubicazione dell&apos;azienda ( se diversa dal domicilio o dalla sede legale )</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Legal Representative ( only if the holder is a legal person )</source>
        <translation>Rappresentante legale ( solo se il titolare è una persona giuridica )</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Date known</source>
        <translation>Data nota</translation>
    </message>
</context>
<context>
    <name>CDownloadDialog</name>
    <message>
        <location filename="../../src/online/ui/CDownloadDialog.cpp" line="+15"/>
        <source>Download setup file</source>
        <translation>Scaricamento del file di installazione</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../../src/app/CommandTable.cpp" line="+31"/>
        <source>Export &amp;data</source>
        <translation>Es&amp;porta dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export data to an archive
Export data</source>
        <translation>Esporta i dati in un archivio
Esporta dati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import data</source>
        <translation>&amp;Importa dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import data from an archive
Import data</source>
        <translation>Importa i dati da un archivio
Importa dati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Company</source>
        <translation>&amp;Azienda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify current company
Company</source>
        <translation>Modifica i dati dell&apos;azienda corrente
Azienda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bac&amp;kup data</source>
        <translation>&amp;Backup dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup data
Backup</source>
        <translation>Copia di sicurezza dei dati
Backup</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export treatment rec&amp;ord...</source>
        <translation>Esporta registro &amp;trattamenti...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the treatments of the working period as CSV or JSON records
Export treatment record</source>
        <translation>Scrive i trattamenti del periodo di lavoro come record CSV o JSON
Esporta registro trattamenti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export &amp;list as CSV...</source>
        <translation>Esporta e&amp;lenco come CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the list shown in the registries as a CSV table
Export list as CSV</source>
        <translation>Scrive l&apos;elenco mostrato nelle anagrafiche come tabella CSV
Esporta elenco come CSV</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore...</source>
        <translation>&amp;Ripristina...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put a backup back as the working database
Restore</source>
        <translation>Rimette un backup come database di lavoro
Ripristina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;farm...</source>
        <translation>Apri azie&amp;nda...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make another farm database the working farm
Open farm</source>
        <translation>Fa di un altro database aziendale l&apos;azienda di lavoro
Apri azienda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open de&amp;mo farm</source>
        <translation>Apri azienda di pro&amp;va</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a demo farm with a few years of work cards, to try the program on
Open demo farm</source>
        <translation>Apre un&apos;azienda di prova con alcuni anni di schede di lavoro, per provare il programma
Apri azienda di prova</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;rint setup...</source>
        <translation>Imposta&amp;zioni di stampa...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options
Page Setup</source>
        <translation>Cambia la stampante e le opzioni di stampa
Impostazioni di stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prin&amp;t preview</source>
        <translation>Antepri&amp;ma di stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages
Print Preview</source>
        <translation>Mostra le pagine intere
Anteprima di stampa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document
Print</source>
        <translation>Stampa il documento attivo
Stampa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application
Exit</source>
        <translation>Chiude l&apos;applicazione
Esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annulla	Ctrl+Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last action
Undo</source>
        <translation>Annulla l&apos;ultima azione
Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Taglia	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Taglia la selezione e la copia negli Appunti
Taglia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copia	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copia la selezione negli Appunti
Copia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>I&amp;ncolla	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserisce il contenuto degli Appunti
Incolla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;First</source>
        <translation>&amp;Prima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to first record
First Record</source>
        <translation>Va alla prima scheda
Prima scheda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Previous</source>
        <translation>Pr&amp;ecedente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to previous record
Previous Record</source>
        <translation>Va alla scheda precedente
Scheda precedente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation>&amp;Successiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to next record
Next Record</source>
        <translation>Va alla scheda successiva
Scheda successiva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Last</source>
        <translation>&amp;Ultima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to final record
Last Record</source>
        <translation>Va all&apos;ultima scheda
Ultima scheda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a new record
Add</source>
        <translation>Aggiunge una nuova scheda
Aggiungi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save record
Save</source>
        <translation>Salva la scheda
Salva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>Eli&amp;mina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete current record
Delete</source>
        <translation>Elimina la scheda corrente
Elimina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N&amp;ew work	Ins</source>
        <translation>&amp;Nuovo lavoro	Ins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a new work to tab
Add work</source>
        <translation>Aggiunge un nuovo lavoro alla scheda
Aggiungi lavoro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete &amp;work	Ctrl+Canc</source>
        <translation>Elimina &amp;lavoro	Ctrl+Canc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete selected rows in tab
Delete row</source>
        <translation>Elimina le righe selezionate della scheda
Elimina riga</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel insert</source>
        <translation>Annulla &amp;inserimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo current inserting
Undo inserting</source>
        <translation>Annulla l&apos;inserimento in corso
Annulla inserimento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New fields &amp;year</source>
        <translation>Nuovo anno &amp;campi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the fields of a year into another year
New fields year</source>
        <translation>Copia i campi di un anno in un altro anno
Nuovo anno campi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings</source>
        <translation>Imp&amp;ostazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set application properties
Settings</source>
        <translation>Imposta le proprietà del programma
Impostazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tool bar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostra o nasconde la barra degli strumenti
Barra degli strumenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St&amp;atus bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostra o nasconde la barra di stato
Barra di stato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Search bar</source>
        <translation>Barra di &amp;ricerca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the search window
Search bar</source>
        <translation>Mostra o nasconde la finestra di ricerca
Barra di ricerca</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Registries	Ctrl + T</source>
        <translation>&amp;Anagrafiche	Ctrl + T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the registries
Registries</source>
        <translation>Mostra le anagrafiche
Anagrafiche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Works	Ctrl + S</source>
        <translation>&amp;Lavori	Ctrl + S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the daily work cards
Works</source>
        <translation>Mostra le schede giornaliere dei lavori
Lavori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Graphs	Ctrl + G</source>
        <translation>&amp;Grafici	Ctrl + G</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the weather chart
Graphs</source>
        <translation>Mostra il grafico meteo
Grafici</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help online	F1</source>
        <translation>&amp;Guida in linea	F1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the online help
Help</source>
        <translation>Apre la guida in linea
Guida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Web page</source>
        <translation>Pagina &amp;web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the Verdimo web page
Web page</source>
        <translation>Apre la pagina web di Verdimo
Pagina web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Update</source>
        <translation>&amp;Aggiornamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for a newer version
Update</source>
        <translation>Controlla se esiste una versione più recente
Aggiornamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Lastest news</source>
        <translation>&amp;Ultime notizie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the latest news
Latest news</source>
        <translation>Mostra le ultime notizie
Ultime notizie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni su...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright
Informazioni su</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F&amp;orms</source>
        <translation>&amp;Schede</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program</source>
        <translation>&amp;Programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="+153"/>
        <source>Barra degli strumenti</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <location filename="../../src/app/FrameStatusBar.cpp" line="+44"/>
        <source>CAP</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SCRL</source>
        <translation>BLOC SCORR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caps Lock</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Num Lock</source>
        <translation>Bloc Num</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Lock</source>
        <translation>Bloc Scorr</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Period unreadable</source>
        <translation>Periodo illeggibile</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>read-only</source>
        <translation>sola lettura</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>The days whose cards the program shows: click to change them in Settings.</source>
        <translation>I giorni di cui il programma mostra le schede: fare clic per cambiarli in Impostazioni.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database can only be read.</source>
        <translation>Il database è di sola lettura.</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="+18"/>
        <location line="+2"/>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>%1 (read-only)</source>
        <translation>%1 (sola lettura)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1

Settings in the Program menu chooses another farm database.</source>
        <translation>%1

Impostazioni nel menu Programma permette di scegliere un altro database aziendale.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The demo farm %1 is now the working database. Settings in the Program menu chooses your own farm database %2 again.</source>
        <translation>L&apos;azienda di prova %1 è ora il database di lavoro. Impostazioni nel menu Programma permette di scegliere di nuovo il proprio database aziendale %2.</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>The new form has not been saved yet. Save it first?

No goes back to it and does nothing else.</source>
        <translation>La nuova scheda non è ancora stata salvata. Salvarla prima?

No torna alla scheda senza fare altro.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Service not yet enabled!</source>
        <translation>Servizio non ancora attivo!</translation>
    </message>
</context>
<context>
    <name>CMainView</name>
    <message>
        <location filename="../../src/cards/ui/CMainView.cpp" line="+57"/>
        <source>Works</source>
        <translation>Lavori</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>The working period in the settings cannot be read (from &quot;%1&quot; to &quot;%2&quot;): no card is shown. Settings in the Program menu sets another.</source>
        <translation>Il periodo di lavoro nelle impostazioni non è leggibile (dal &quot;%1&quot; al &quot;%2&quot;): nessuna scheda viene mostrata. Impostazioni nel menu Programma ne imposta un altro.</translation>
    </message>
    <message>
        <location line="+399"/>
        <source>The new form has not been saved yet. Do you want to save it?</source>
        <translation>La nuova scheda non è ancora stata salvata. Salvarla?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The form could not be stored. Close without storing it?</source>
        <translation>Non è stato possibile memorizzare la scheda. Chiudere senza memorizzarla?</translation>
    </message>
</context>
<context>
    <name>COperaiDlg</name>
    <message>
        <location filename="../../src/cards/ui/COperaiDlg.cpp" line="+63"/>
        <source>Work Management</source>
        <translation>Gestione lavori</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save and &amp;exit</source>
        <translation>Salva ed &amp;esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save and &amp;insert</source>
        <translation>Salva e &amp;inserisci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+50"/>
        <source> Worker </source>
        <translation> Operaio </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Worker &amp;Code : </source>
        <translation>&amp;Codice operaio : </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Worker : </source>
        <translation>&amp;Operaio : </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Regular Hours :</source>
        <translation>Ore o&amp;rdinarie :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over&amp;time :</source>
        <translation>S&amp;traordinario :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holida&amp;y Hours :</source>
        <translation>Ore &amp;festive :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>O&amp;peration Code :</source>
        <translation>Codice o&amp;perazione :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opera&amp;tion :</source>
        <translation>Oper&amp;azione :</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Machines </source>
        <translation> Macchine </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Machine Code (1) :</source>
        <translation>Codice &amp;macchina (1) :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Machine (&amp;1) :</source>
        <translation>Macchina (&amp;1) :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Machi&amp;ne Code (2) :</source>
        <translation>Codice macchi&amp;na (2) :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Machine (&amp;2) :</source>
        <translation>Macchina (&amp;2) :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mac&amp;hine Code (3) :</source>
        <translation>Codice macc&amp;hina (3) :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Machine (&amp;3) :</source>
        <translation>Macchina (&amp;3) :</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Cost Center </source>
        <translation> Centro di costo </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cost Center Type:</source>
        <translation>Tipo centro di costo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cost Center Code :</source>
        <translation>Codice centro di costo :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cost Center :</source>
        <translation>Centro di costo :</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Movement or Invoice </source>
        <translation> Movimento o fattura </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Item Code :</source>
        <translation>Codice articolo :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item :</source>
        <translation>Articolo :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Movement Type :</source>
        <translation>Tipo movimento :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stage :</source>
        <translation>Fase :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ref. Doc. :</source>
        <translation>Rif. doc. :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Units :</source>
        <translation>Unità di misura :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quantity :</source>
        <translation>Quantità :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value :</source>
        <translation>Importo :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VAT (%) :</source>
        <translation>IVA (%) :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Note :</source>
        <translation>Note :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adversity :</source>
        <translation>Avversità :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Treatment </source>
        <translation> Trattamento </translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+275"/>
        <source>&lt;None&gt;</source>
        <translation>&lt;Nessuno&gt;</translation>
    </message>
    <message>
        <location line="-270"/>
        <source>HH:MM</source>
        <translation>HH:MM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treated area (ha) :</source>
        <translation>Superficie trattata (ha) :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BBCH stage :</source>
        <translation>Stadio BBCH :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time of application :</source>
        <translation>Ora del trattamento :</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>of %1 ha</source>
        <translation>su %1 ha</translation>
    </message>
</context>
<context>
    <name>CPropDialog</name>
    <message>
        <location filename="../../src/app/CPropDialog.cpp" line="+34"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Data &amp;file :</source>
        <translation>&amp;File dei dati :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Data file :</source>
        <translation>File dei dati :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Data filter </source>
        <translation> Filtro dati </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From :</source>
        <translation>Dal :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To :</source>
        <translation>Al :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;From :</source>
        <translation>&amp;Dal :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;To :</source>
        <translation>&amp;Al :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Language :</source>
        <translation>&amp;Lingua :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Language :</source>
        <translation>Lingua :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(applies at the next start)</source>
        <translation>(vale dal prossimo avvio)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Verdimo : Select database</source>
        <translation>Verdimo : Selezione del database</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database Verdimo (*.mdb)</source>
        <translation>Database Verdimo (*.mdb)</translation>
    </message>
</context>
<context>
    <name>CSceltaStampe</name>
    <message>
        <location filename="../../src/reports/ui/CSceltaStampe.cpp" line="+18"/>
        <source>&amp;Nothing</source>
        <translation>&amp;Nessuna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Workers</source>
        <translation>&amp;Operai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Machines</source>
        <translation>&amp;Macchine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;rops</source>
        <translation>&amp;Colture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fields</source>
        <translation>C&amp;ampi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Costs center report</source>
        <translation>Resoconto centri di costo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operations</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Others...</source>
        <translation>Altri...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items</source>
        <translation>Articoli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current tab</source>
        <translation>Scheda corrente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fields report</source>
        <translation>Resoconto campi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register treatments</source>
        <translation>Registro dei trattamenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treatment record (EU)</source>
        <translation>Registro trattamenti (UE)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Processes data</source>
        <translation>Elabora i dati</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Economic data</source>
        <translation>Dati economici</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print choice</source>
        <translation>Scelta stampa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Print Type </source>
        <translation> Tipo di stampa </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>The database can only be read: the reports show the data as it was last processed.</source>
        <translation>Il database può essere solo letto: i resoconti mostrano i dati dell&apos;ultima elaborazione.</translation>
    </message>
</context>
<context>
    <name>CSearchScheda</name>
    <message>
        <location filename="../../src/app/CSearchScheda.cpp" line="+40"/>
        <location line="+15"/>
        <source>Form Date</source>
        <translation>Data scheda</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>&amp;Date :</source>
        <translation>&amp;Data :</translation>
    </message>
</context>
<context>
    <name>CTabelleView</name>
    <message>
        <location filename="../../src/registries/ui/CTabelleView.cpp" line="+84"/>
        <source>Registries</source>
        <translation>Anagrafiche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Workers and Hours</source>
        <translation>Operai e ore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stock and Articles</source>
        <translation>Magazzino e articoli</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Internal Code :</source>
        <translation>Codice interno :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description :</source>
        <translation>Descrizione :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hectare :</source>
        <translation>Ettari :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Location :</source>
        <translation>Località :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Report :</source>
        <translation>  Rapporto :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fixed</source>
        <translation>Fisso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Seasonal</source>
        <translation>Stagionale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print in Report</source>
        <translation>Stampa nel resoconto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authorisation no. :</source>
        <translation>N. registrazione :</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export list as CSV...</source>
        <translation>Esporta elenco come CSV...</translation>
    </message>
</context>
<context>
    <name>CZipException</name>
    <message>
        <location filename="../../src/exchange/CZipException.cpp" line="+18"/>
        <source>The archive %1 is damaged or is not a ZIP archive.</source>
        <translation>L&apos;archivio %1 è danneggiato o non è un archivio ZIP.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The data in the archive %1 is damaged (CRC error).</source>
        <translation>I dati dell&apos;archivio %1 sono danneggiati (errore CRC).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrong password for the archive %1.</source>
        <translation>Password errata per l&apos;archivio %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive %1 needs a password.</source>
        <translation>L&apos;archivio %1 richiede una password.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive %1 is not a ZIP archive or is truncated.</source>
        <translation>L&apos;archivio %1 non è un archivio ZIP o è troncato.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A file name is too long for the archive %1.</source>
        <translation>Un nome di file è troppo lungo per l&apos;archivio %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive %1 would grow too large.</source>
        <translation>L&apos;archivio %1 diventerebbe troppo grande.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The archive %1 holds an entry that would be written outside its folder.</source>
        <translation>L&apos;archivio %1 contiene un elemento che verrebbe scritto fuori dalla sua cartella.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The archive %1 uses a format this program cannot read.</source>
        <translation>L&apos;archivio %1 usa un formato che questo programma non sa leggere.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compression error in the archive %1.</source>
        <translation>Errore di compressione nell&apos;archivio %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot read or write the file %1.</source>
        <translation>Impossibile leggere o scrivere il file %1.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The archive %1 holds an entry too large to be extracted.</source>
        <translation>L&apos;archivio %1 contiene un elemento troppo grande per essere estratto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is not enough free space to extract the archive %1.</source>
        <translation>Non c&apos;è abbastanza spazio libero per estrarre l&apos;archivio %1.</translation>
    </message>
</context>
<context>
    <name>CardForm</name>
    <message>
        <location filename="../../src/cards/CardForm.cpp" line="+12"/>
        <source>  Weather :</source>
        <translation>  Tempo :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Max Temperature :</source>
        <translation>  Temperatura max :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Rain :</source>
        <translation>  Pioggia :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Wind :</source>
        <translation>  Vento :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Min Temperature :</source>
        <translation>  Temperatura min :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Absent :</source>
        <translation>  Assenti :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Holiday :</source>
        <translation>  Ferie :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  License :</source>
        <translation>  Permessi :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Disease :</source>
        <translation>  Malattia :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Accident :</source>
        <translation>  Infortunio :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  THE CHIEF WORKER :</source>
        <translation>  IL CAPOSQUADRA :</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>  Date :</source>
        <translation>  Data :</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Enter no more than %1 characters.</source>
        <translation>Inserire al massimo %1 caratteri.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enter a number.</source>
        <translation>Inserire un numero.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a number that is not negative.</source>
        <translation>Inserire un numero non negativo.</translation>
    </message>
</context>
<context>
    <name>CardFormLayout</name>
    <message>
        <location filename="../../src/cards/ui/CardFormLayout.cpp" line="+95"/>
        <location line="+3"/>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
</context>
<context>
    <name>CardPrintJob</name>
    <message>
        <location filename="../../src/reports/CardPrintJob.cpp" line="+52"/>
        <source>Program › Settings chooses another working period.</source>
        <translation>Programma › Impostazioni sceglie un altro periodo di lavoro.</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>%1
The period looked at runs from %2 to %3. %4</source>
        <translation>%1
Il periodo esaminato va dal %2 al %3. %4</translation>
    </message>
</context>
<context>
    <name>CardSession</name>
    <message>
        <location filename="../../src/cards/CardSession.cpp" line="+60"/>
        <source>%1 is outside the working period %2: type a day of the period, or set another period with Settings in the Program menu.</source>
        <translation>%1 è fuori dal periodo di lavoro %2: digitare un giorno del periodo, oppure impostare un altro periodo con Impostazioni nel menu Programma.</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>There is already a card for %1: the new card was not saved. Its fields and works are kept: choose another day and save again.</source>
        <translation>Esiste già una scheda per il %1: la nuova scheda non è stata salvata. I suoi campi e le sue opere restano: scegliere un altro giorno e salvare di nuovo.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unable to save form! %1

The new form and its works are kept: Save tries again.</source>
        <translation>Impossibile salvare la scheda! %1

La nuova scheda e le sue opere restano: Salva riprova.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Form stored successfully!</source>
        <translation>Scheda salvata correttamente!</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>There is already a card for %1. Open it?

Yes opens that card and moves into it the works of this new card and the fields typed here that it leaves empty. No keeps this new card: choose another day for it.</source>
        <translation>Esiste già una scheda per il %1. Aprirla?

Sì apre quella scheda e vi sposta le opere di questa nuova scheda e i campi digitati qui che in essa sono vuoti. No mantiene questa nuova scheda: scegliere un altro giorno.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is already a card for %1. Open it?

No keeps this new card: choose another day for it.</source>
        <translation>Esiste già una scheda per il %1. Aprirla?

No mantiene questa nuova scheda: scegliere un altro giorno.</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Do you really want to delete the current form?</source>
        <translation>Eliminare davvero la scheda corrente?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Do you really want to delete the selected work?</source>
        <translation>Eliminare davvero il lavoro selezionato?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you really want to delete the selected works?</source>
        <translation>Eliminare davvero i lavori selezionati?</translation>
    </message>
</context>
<context>
    <name>ChartCommand</name>
    <message>
        <location filename="../../src/cli/ChartCommand.cpp" line="+93"/>
        <source>give one of --pdf, --png or --svg</source>
        <translation>indicare uno tra --pdf, --png o --svg</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The size is written WIDTHxHEIGHT in pixels, each from 1 to %1, for example 1600x1000.</source>
        <translation>La dimensione si scrive LARGHEZZAxALTEZZA in pixel, ciascuna da 1 a %1, per esempio 1600x1000.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>verdimo-cli chart: drawing needs a QGuiApplication (offscreen platform).</source>
        <translation>verdimo-cli chart: il disegno richiede una QGuiApplication (piattaforma offscreen).</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Wrote the weather chart from %1 to %2 to %3.</source>
        <translation>Grafico meteo dal %1 al %2 scritto in %3.</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <location filename="../../src/chart/ChartFile.cpp" line="+72"/>
        <source>the picture has no size</source>
        <translation>l&apos;immagine non ha dimensioni</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Cannot write the chart to %1: %2</source>
        <translation>Impossibile scrivere il grafico in %1: %2</translation>
    </message>
</context>
<context>
    <name>ChartPrinting</name>
    <message>
        <location filename="../../src/chart/ui/ChartPrinting.cpp" line="+36"/>
        <source>The weather chart could not be printed on %1.</source>
        <translation>Impossibile stampare il grafico meteo su %1.</translation>
    </message>
</context>
<context>
    <name>CheckDatabase</name>
    <message>
        <location filename="../../src/db/CheckDatabase.cpp" line="+52"/>
        <source>Database not found!</source>
        <translation>Database non trovato!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Database not compatible for the Verdimo software!</source>
        <translation>Database non compatibile con il programma Verdimo!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database is damaged: some of its pages cannot be read. Restore one of its backups.</source>
        <translation>Il database è danneggiato: alcune sue pagine non si possono leggere. Ripristina uno dei suoi backup.</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>The database can only be read.</source>
        <translation>Il database è di sola lettura.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../src/cli/CheckCommand.cpp" line="+10"/>
        <source>Tell whether FILE is a usable Verdimo database.</source>
        <translation>Indica se FILE è un database di Verdimo utilizzabile.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: a Verdimo database</source>
        <translation>%1: un database di Verdimo</translation>
    </message>
    <message>
        <location filename="../../src/cli/CommandLine.cpp" line="+64"/>
        <source>use FILE instead of the database of the settings</source>
        <translation>usa FILE al posto del database delle impostazioni</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first day (default: the first day of the working period)</source>
        <translation>primo giorno (predefinito: il primo giorno del periodo di lavoro)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last day (default: the last day of the working period)</source>
        <translation>ultimo giorno (predefinito: l&apos;ultimo giorno del periodo di lavoro)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Usage: verdimo-cli %1 %2</source>
        <translation>Uso: verdimo-cli %1 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>show this help</source>
        <translation>mostra questo aiuto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../../src/cli/ReportCommands.cpp" line="+308"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>option &apos;--%1&apos; takes no value</source>
        <translation>l&apos;opzione &apos;--%1&apos; non accetta valori</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>option &apos;--%1&apos; needs a value %2</source>
        <translation>l&apos;opzione &apos;--%1&apos; richiede un valore %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>the period from %1 to %2 ends before it starts</source>
        <translation>il periodo dal %1 al %2 finisce prima di iniziare</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>No database: give one with --db FILE or choose one in the settings.</source>
        <translation>Nessun database: indicarne uno con --db FILE o sceglierlo nelle impostazioni.</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>option &apos;--%1&apos; is given more than once</source>
        <translation>l&apos;opzione &apos;--%1&apos; è data più di una volta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <translation>&apos;%1&apos; non è un giorno scritto AAAA-MM-GG</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try &apos;verdimo-cli %1 --help&apos; for the options.</source>
        <translation>Provare &apos;verdimo-cli %1 --help&apos; per le opzioni.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: its last day comes from the working period in the settings; give --to</source>
        <translation>%1: il suo ultimo giorno viene dal periodo di lavoro delle impostazioni; indicare --to</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: its first day comes from the working period in the settings; give --from</source>
        <translation>%1: il suo primo giorno viene dal periodo di lavoro delle impostazioni; indicare --from</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The working period in the settings is empty; give --from and --to.</source>
        <translation>Il periodo di lavoro nelle impostazioni è vuoto; indicare --from e --to.</translation>
    </message>
    <message>
        <location filename="../../src/cli/ExchangeCommands.cpp" line="+69"/>
        <source>Written to %1.</source>
        <translation>Scritto in %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was not written.</source>
        <translation>%1 non è stato scritto.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Write the cards of a period and the registries to a data archive.</source>
        <translation>Scrive le schede di un periodo e le anagrafiche in un archivio dati.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Merge a data archive, overwriting or keeping what exists.</source>
        <translation>Unisce un archivio dati, sovrascrivendo o mantenendo ciò che esiste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replace the data that exists</source>
        <translation>sostituisce i dati esistenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keep the data that exists</source>
        <translation>mantiene i dati esistenti</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back the whole database up into a ZIP file.</source>
        <translation>Copia l&apos;intero database in un file ZIP di backup.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>give either --overwrite or --keep</source>
        <translation>indicare --overwrite oppure --keep</translation>
    </message>
    <message>
        <location filename="../../src/cli/ReportCommands.cpp" line="+61"/>
        <source>Rebuild the cost and revenue totals of a period.</source>
        <translation>Ricalcola i totali di costi e ricavi di un periodo.</translation>
    </message>
    <message>
        <location filename="../../src/cli/ChartCommand.cpp" line="-61"/>
        <location filename="../../src/cli/ReportCommands.cpp" line="+20"/>
        <source>the PDF file to write</source>
        <translation>il file PDF da scrivere</translation>
    </message>
    <message>
        <location filename="../../src/cli/ReportCommands.cpp" line="-57"/>
        <source>Give --from and --to, or choose another working period in the settings.</source>
        <translation>Indicare --from e --to, oppure scegliere un altro periodo di lavoro nelle impostazioni.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>These pages print what the last processing left; give --process to process the period first.</source>
        <translation>Queste pagine stampano ciò che ha lasciato l&apos;ultima elaborazione; aggiungere --process per elaborare prima il periodo.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Write a report to PDF or its table to CSV; KIND is one of %1. &apos;registry NODE&apos; is the registries view&apos;s print of NODE, one of %2 (--movements lists a centre&apos;s or field&apos;s movements).</source>
        <translation>Scrive un resoconto in PDF o la sua tabella in CSV; KIND è uno tra %1. &apos;registry NODE&apos; è la stampa delle anagrafiche del nodo NODE, uno tra %2 (--movements elenca i movimenti di un centro o di un campo).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the CSV file to write the printed table to: one row per printed row, numbers as numbers, dates as YYYY-MM-DD</source>
        <translation>il file CSV in cui scrivere la tabella stampata: una riga per ogni riga stampata, i numeri come numeri, le date come AAAA-MM-GG</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>process the data first</source>
        <translation>elabora prima i dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print amounts</source>
        <translation>stampa gli importi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>registry print: the stock movements instead of the works</source>
        <translation>stampa anagrafiche: i movimenti di magazzino al posto dei lavori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the day of the card (default: the card shown)</source>
        <translation>il giorno della scheda (predefinito: la scheda mostrata)</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>give the file to write with either --pdf FILE or --csv FILE</source>
        <translation>indicare il file da scrivere con --pdf FILE oppure --csv FILE</translation>
    </message>
    <message>
        <location filename="../../src/cli/ChartCommand.cpp" line="-3"/>
        <source>Draw the weather chart of a period as a PDF page, a PNG or an SVG picture.</source>
        <translation>Disegna il grafico meteo di un periodo come pagina PDF, immagine PNG o SVG.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the PNG picture to write</source>
        <translation>l&apos;immagine PNG da scrivere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the SVG picture to write</source>
        <translation>l&apos;immagine SVG da scrivere</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the picture&apos;s size in pixels (default 1600x1000)</source>
        <translation>la dimensione dell&apos;immagine in pixel (predefinita 1600x1000)</translation>
    </message>
    <message>
        <location filename="../../src/cli/main.cpp" line="+32"/>
        <source>Look for a newer version, or download and verify its package.</source>
        <translation>Cerca una versione più recente, oppure ne scarica e verifica il pacchetto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>only say whether a newer version exists</source>
        <translation>indica solo se esiste una versione più recente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>download and verify the package into DIR</source>
        <translation>scarica e verifica il pacchetto nella cartella DIR</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Usage: verdimo-cli COMMAND [ARGS...]</source>
        <translation>Uso: verdimo-cli COMANDO [ARGOMENTI...]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Works on a Verdimo farm database without the window.</source>
        <translation>Lavora su un database aziendale di Verdimo senza la finestra.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;verdimo-cli COMMAND --help&apos; describes the options of a command.</source>
        <translation>&apos;verdimo-cli COMANDO --help&apos; descrive le opzioni di un comando.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>verdimo-cli: unknown command &apos;%1&apos;</source>
        <translation>verdimo-cli: comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../../src/cli/DemoCommand.cpp" line="+32"/>
        <source>Write a demo farm with a few years of work cards ending today, to try the program on.</source>
        <translation>Scrive un&apos;azienda di prova con alcuni anni di schede di lavoro fino a oggi, per provare il programma.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the years of cards, from 1 to %1 (default %2)</source>
        <translation>gli anni di schede, da 1 a %1 (predefinito %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>replace FILE when it exists</source>
        <translation>sostituisce FILE se esiste</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>--years must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--years deve essere un numero intero da 1 a %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 exists: give --overwrite to replace it with the demo farm.</source>
        <translation>%1 esiste: indicare --overwrite per sostituirlo con l&apos;azienda di prova.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write the demo farm: the template database is not installed.</source>
        <translation>Impossibile scrivere l&apos;azienda di prova: il database modello non è installato.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write the demo farm to %1: %2</source>
        <translation>Impossibile scrivere l&apos;azienda di prova in %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: a demo farm with the work cards from %2 to %3</source>
        <translation>%1: un&apos;azienda di prova con le schede di lavoro dal %2 al %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Process this year&apos;s cards (%1 to %2) and print the crops&apos; costs with:</source>
        <translation>Elaborate le schede di quest&apos;anno (dal %1 al %2) e stampate i costi delle colture con:</translation>
    </message>
    <message>
        <location filename="../../src/cli/RegisterExportCommand.cpp" line="+41"/>
        <source>Write the record of treatments as data, one record per application (GeoJSON: one feature per treated parcel), and list the applications that lack an element of the record.</source>
        <translation>Scrive il registro dei trattamenti come dati, un record per applicazione (GeoJSON: un elemento per particella trattata), ed elenca le applicazioni a cui manca un elemento del registro.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the kind of file to write</source>
        <translation>il tipo di file da scrivere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file to write</source>
        <translation>il file da scrivere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write nothing and fail when an application lacks an element of the record</source>
        <translation>non scrive nulla e termina con errore se a un'applicazione manca un elemento del registro</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>give --format csv, --format json or --format geojson</source>
        <translation>indicate --format csv, --format json o --format geojson</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>give the file to write with --out FILE</source>
        <translation>indicare il file da scrivere con --out FILE</translation>
    </message>
    <message>
        <location filename="../../src/cli/RestoreCommand.cpp" line="-16"/>
        <source>give the database with --db FILE</source>
        <translation>indicare il database con --db FILE</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Replace the database with a backup, after checking the backup and backing the database up first.</source>
        <translation>Sostituisce il database con un backup, dopo aver verificato il backup e aver prima salvato il database.</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <location filename="../../src/exchange/DataExchange.cpp" line="+97"/>
        <source>Database not loaded!</source>
        <translation>Database non caricato!</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+12"/>
        <location line="+2"/>
        <location line="+59"/>
        <location line="+160"/>
        <source>Unable to store!</source>
        <translation>Impossibile archiviare!</translation>
    </message>
    <message>
        <location line="-198"/>
        <location line="+7"/>
        <location line="+83"/>
        <location line="+7"/>
        <source>Unable to check out!</source>
        <translation>Impossibile estrarre!</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Verdimo : New data archive</source>
        <translation>Verdimo : Nuovo archivio dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+49"/>
        <source>Verdimo archives (*.czp)</source>
        <translation>Archivi Verdimo (*.czp)</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Export data completed successfully!</source>
        <translation>Esportazione dei dati completata correttamente!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Verdimo : Select database</source>
        <translation>Verdimo : Selezione del database</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+10"/>
        <source>Database not compatible for the Verdimo software!</source>
        <translation>Database non compatibile con il programma Verdimo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive %1 cannot be imported: %2</source>
        <translation>Impossibile importare l&apos;archivio %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Do you want to overwrite existing data?</source>
        <translation>Sovrascrivere i dati esistenti?</translation>
    </message>
    <message>
        <location filename="../../src/cli/ExchangeCommands.cpp" line="-83"/>
        <location filename="../../src/exchange/DataExchange.cpp" line="-42"/>
        <source>Nothing was imported: the working database is unchanged.</source>
        <translation>Non è stato importato nulla: il database di lavoro è invariato.</translation>
    </message>
    <message>
        <location filename="../../src/exchange/DataExchange.cpp" line="+63"/>
        <source>Import data completed successfully!</source>
        <translation>Importazione dei dati completata correttamente!</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Verdimo : New data backup</source>
        <translation>Verdimo : Nuovo backup dei dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Verdimo (*.zip)</source>
        <translation>Backup Verdimo (*.zip)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Backup completed successfully!</source>
        <translation>Backup completato correttamente!</translation>
    </message>
</context>
<context>
    <name>DataProcessing</name>
    <message>
        <location filename="../../src/reports/DataProcessing.cpp" line="+206"/>
        <source>Phase (1) : Make archives...</source>
        <translation>Fase (1) : Preparazione archivi...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phase (2) : Waiting</source>
        <translation>Fase (2) : Attesa</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Phase (1) : Importing data...</source>
        <translation>Fase (1) : Importazione dati...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phase (1) : Calculating hours and workers costs...</source>
        <translation>Fase (1) : Calcolo ore e costi degli operai...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Phase (1) : Calculating total hours machines...</source>
        <translation>Fase (1) : Calcolo ore totali delle macchine...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Phase (1) : Calculating total costs machines...</source>
        <translation>Fase (1) : Calcolo costi totali delle macchine...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Phase (1) : Calculating workers operations...</source>
        <translation>Fase (1) : Calcolo operazioni degli operai...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Phase (1) : Calculating machines operations...</source>
        <translation>Fase (1) : Calcolo operazioni delle macchine...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Phase (1) : Warehouse processing...</source>
        <translation>Fase (1) : Elaborazione magazzino...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Phase (1) : Closing archives...</source>
        <translation>Fase (1) : Chiusura archivi...</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <location filename="../../src/base/DateText.cpp" line="+43"/>
        <source>MM/dd/yyyy</source>
        <extracomment>The pattern of a date in the lists and on printed pages (Qt date format: dd day, MM month, yyyy year).</extracomment>
        <translation>dd/MM/yyyy</translation>
    </message>
</context>
<context>
    <name>DbErrorText</name>
    <message>
        <location filename="../../src/db/DbErrorText.cpp" line="+13"/>
        <source>The farm database %1 is in use by another program; try again in a moment.</source>
        <translation>Il database dell&apos;azienda %1 è in uso da un altro programma; riprovare tra un momento.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The farm database %1 is damaged; restore a backup (Program › Restore...) or run verdimo-cli check on it.</source>
        <translation>Il database dell&apos;azienda %1 è danneggiato; ripristinare un backup (Programma › Ripristina...) oppure eseguire verdimo-cli check su di esso.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The farm database %1 can only be read; to change it, open a copy in a folder you may write to.</source>
        <translation>Il database dell&apos;azienda %1 può essere solo letto; per modificarlo, aprirne una copia in una cartella in cui si può scrivere.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disk holding the farm database %1 is full; free some space and try again.</source>
        <translation>Il disco che contiene il database dell&apos;azienda %1 è pieno; liberare spazio e riprovare.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The work on the farm database %1 failed.</source>
        <translation>L&apos;operazione sul database dell&apos;azienda %1 non è riuscita.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(no file)</source>
        <translation>(nessun file)</translation>
    </message>
</context>
<context>
    <name>DemoFarm</name>
    <message>
        <location filename="../../src/demo/DemoFarm.cpp" line="+23"/>
        <source>Cannot read the template database %1: %2</source>
        <translation>Impossibile leggere il database modello %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+41"/>
        <location line="+16"/>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>DemoFarmOpening</name>
    <message>
        <location filename="../../src/app/DemoFarmOpening.cpp" line="+32"/>
        <source>Cannot write the demo farm %1: the template database is not installed.</source>
        <translation>Impossibile scrivere l&apos;azienda di prova %1: il database modello non è installato.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot write the demo farm %1: %2</source>
        <translation>Impossibile scrivere l&apos;azienda di prova %1: %2</translation>
    </message>
</context>
<context>
    <name>DomainNames</name>
    <message>
        <location filename="../../src/base/DomainNames.cpp" line="+8"/>
        <source>&lt;None&gt;</source>
        <translation>&lt;Nessuno&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Crop</source>
        <translation>Coltivazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Crops</source>
        <translation>Coltivazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fields</source>
        <translation>Campi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Machines</source>
        <translation>Macchine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Others</source>
        <translation>Altri</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Production</source>
        <translation>Produzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purchase</source>
        <translation>Acquisto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working</source>
        <translation>Lavorazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sale</source>
        <translation>Vendita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In.Inv.</source>
        <translation>Inv.In.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production movement</source>
        <translation>Mov. di Produzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purchase invoice</source>
        <translation>Fattura di Acquisto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working movement</source>
        <translation>Mov. di Lavorazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sale invoice</source>
        <translation>Fattura di Vendita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initial inventory</source>
        <translation>Inventario Iniziale</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <location filename="../../src/base/ui/ErrorBoundary.cpp" line="+22"/>
        <source>The command could not be completed.

%1</source>
        <translation>Non è stato possibile completare il comando.

%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The command could not be completed.</source>
        <translation>Non è stato possibile completare il comando.</translation>
    </message>
</context>
<context>
    <name>EuRecordReport</name>
    <message>
        <location filename="../../src/reports/EuRecordReport.cpp" line="+28"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Authorisation no.</source>
        <translation>N. registrazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treated</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>area (ha)</source>
        <translation>tratt. (ha)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dose per ha</source>
        <translation>Dose per ha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crop</source>
        <translation>Coltura</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+26"/>
        <source>EPPO code</source>
        <translation>Codice EPPO</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>BBCH</source>
        <translation>BBCH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adversity</source>
        <translation>Avversità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parcel reference</source>
        <translation>Rif. particella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missing</source>
        <translation>Mancante</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>authorisation no.</source>
        <translation>n. registrazione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>treated area</source>
        <translation>superficie trattata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>BBCH stage</source>
        <translation>fase BBCH</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>time</source>
        <translation>ora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>parcel reference</source>
        <translation>rif. particella</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Municipality %1, sheet %2, parcel %3</source>
        <translation>Comune %1, foglio %2, particella %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>geometry (%1)</source>
        <translation>geometria (%1)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1/ha</source>
        <translation>%1/ha</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>There are no treatments with register products in the period.</source>
        <translation>Nel periodo non ci sono trattamenti con prodotti del quaderno.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Treatment record (EU)</source>
        <translation>Registro trattamenti (UE)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - tax code %2</source>
        <translation>%1 - codice fiscale %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1 To %2</source>
        <translation>Dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>FarmFileCheck</name>
    <message>
        <location filename="../../src/exchange/FarmFileCheck.cpp" line="+141"/>
        <source>Could not make a temporary folder to check the database: %1</source>
        <translation>Impossibile creare una cartella temporanea per controllare il database: %1</translation>
    </message>
    <message>
        <location line="+56"/>
        <location line="+4"/>
        <source>The database is damaged: %1</source>
        <translation>Il database è danneggiato: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The database holds the table %1, which is not one of Verdimo&apos;s.</source>
        <translation>Il database contiene la tabella %1, che non è di Verdimo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database holds the %1 %2, which Verdimo does not make: %3</source>
        <translation>Il database contiene l&apos;oggetto %1 %2, che Verdimo non crea: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The %1 %2 of the database is not Verdimo&apos;s: %3</source>
        <translation>L&apos;oggetto %1 %2 del database non è quello di Verdimo: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The table %1 of the database has the columns %2; Verdimo&apos;s has %3.</source>
        <translation>La tabella %1 del database ha le colonne %2; quella di Verdimo ha %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The table %1 of the database has a constraint or key of its own: %2</source>
        <translation>La tabella %1 del database ha un vincolo o una chiave propri: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The database has no table %1.</source>
        <translation>Il database non ha la tabella %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The database has no %1 %2.</source>
        <translation>Nel database manca l&apos;oggetto %1 %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The archive %1 holds %2 more than once: which one is meant cannot be told.</source>
        <translation>L&apos;archivio %1 contiene %2 più di una volta: non si può stabilire quale usare.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive %1 holds no %2.</source>
        <translation>L&apos;archivio %1 non contiene %2.</translation>
    </message>
</context>
<context>
    <name>FarmFileOpening</name>
    <message>
        <location filename="../../src/app/FarmFileOpening.cpp" line="+80"/>
        <location line="+34"/>
        <source>The file %1 does not exist or cannot be read.</source>
        <translation>Il file %1 non esiste o non si può leggere.</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>%1 is a data archive, not a farm database: import it with File &gt; Import data.</source>
        <translation>%1 è un archivio dati, non un database aziendale: importatelo con File &gt; Importa dati.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a Verdimo farm database.</source>
        <translation>%1 non è un database aziendale di Verdimo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Make the farm %1 the working farm?
The working farm now is %2; it stays as it is and can be chosen again in the File menu.</source>
        <translation>Fare dell&apos;azienda %1 l&apos;azienda di lavoro?
L&apos;azienda di lavoro ora è %2; resta com&apos;è e si può scegliere di nuovo nel menu File.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import the data archive %1 into the working farm %2?</source>
        <translation>Importare l&apos;archivio dati %1 nell&apos;azienda di lavoro %2?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is neither a Verdimo farm database nor a data archive; it was not opened.</source>
        <translation>%1 non è né un database aziendale di Verdimo né un archivio dati; non è stato aperto.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Verdimo : Open farm</source>
        <translation>Verdimo : Apri azienda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verdimo farms (*.mdb);;All files (*)</source>
        <translation>Aziende Verdimo (*.mdb);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>FarmLock</name>
    <message>
        <location filename="../../src/base/FarmLock.cpp" line="+113"/>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The farm %1 is open in the Verdimo window (process %2); close it there first.</source>
        <translation>L&apos;azienda %1 è aperta nella finestra di Verdimo (processo %2); chiudila prima lì.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The farm %1 is being changed by another verdimo-cli command (process %2); try again when it has finished.</source>
        <translation>L&apos;azienda %1 è in corso di modifica da parte di un altro comando verdimo-cli (processo %2); riprova quando avrà finito.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The farm %1 is in use by another Verdimo program (process %2); close it first.</source>
        <translation>L&apos;azienda %1 è in uso da un altro programma Verdimo (processo %2); chiudilo prima.</translation>
    </message>
</context>
<context>
    <name>FarmSession</name>
    <message>
        <location filename="../../src/db/FarmSession.cpp" line="+103"/>
        <source>Cannot open the farm database %1: %2</source>
        <translation>Impossibile aprire il database dell&apos;azienda %1: %2</translation>
    </message>
</context>
<context>
    <name>FieldYears</name>
    <message>
        <location filename="../../src/registries/FieldYears.cpp" line="+83"/>
        <source>There are no fields to copy: choose a year with fields and a year without fields.</source>
        <translation>Non ci sono campi da copiare: scegliere un anno con campi e un anno senza campi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Do you want to keep the fields of %1 for %2?</source>
        <translation>Mantenere i campi del %1 per il %2?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The fields of %1 were not copied to %2: nothing was changed.</source>
        <translation>I campi del %1 non sono stati copiati nel %2: non è stato cambiato nulla.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields created with success!</source>
        <translation>Campi creati correttamente!</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <location filename="../../src/app/HelpPages.cpp" line="+98"/>
        <source>No web browser could be started to show this page. Open this address in a browser yourself:
%1</source>
        <translation>Non è stato possibile avviare un browser web per mostrare questa pagina. Aprire questo indirizzo in un browser:
%1</translation>
    </message>
</context>
<context>
    <name>ImportedCards</name>
    <message>
        <location filename="../../src/exchange/ImportedCards.cpp" line="+52"/>
        <source>The imported cards, from %1 to %2, lie outside the working period %3.

Make %4 the working period to see them?</source>
        <translation>Le schede importate, dal %1 al %2, sono fuori dal periodo di lavoro %3.

Impostare %4 come periodo di lavoro per vederle?</translation>
    </message>
</context>
<context>
    <name>IncompleteTreatmentsDialog</name>
    <message>
        <location filename="../../src/reports/ui/IncompleteTreatmentsDialog.cpp" line="+22"/>
        <source>Incomplete treatments</source>
        <translation>Trattamenti incompleti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field or crop</source>
        <translation>Appezzamento o coltura</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Missing</source>
        <translation>Mancante</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Double-click a treatment to open its work and complete it.</source>
        <translation>Fate doppio clic su un trattamento per aprirne il lavoro e completarlo.</translation>
    </message>
</context>
<context>
    <name>ListCsvExport</name>
    <message>
        <location filename="../../src/reports/ui/ListCsvExport.cpp" line="+26"/>
        <source>Export list as CSV</source>
        <translation>Esporta elenco come CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>%n row(s) of the list written to %1.</source>
        <translation>
            <numerusform>%n riga dell&apos;elenco scritta in %1.</numerusform>
            <numerusform>%n righe dell&apos;elenco scritte in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ParcelGeometry</name>
    <message>
        <location filename="../../src/registries/ParcelGeometry.cpp" line="+65"/>
        <source>Ring %1 of polygon %2 has fewer than four positions.</source>
        <translation>L'anello %1 del poligono %2 ha meno di quattro posizioni.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ring %1 of polygon %2 is not closed: its last position differs from its first.</source>
        <translation>L'anello %1 del poligono %2 non è chiuso: l'ultima posizione è diversa dalla prima.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Polygon %1 encloses no area.</source>
        <translation>Il poligono %1 non racchiude alcuna area.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The coordinates of polygon %1 are not a list of rings.</source>
        <translation>Le coordinate del poligono %1 non sono un elenco di anelli.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+82"/>
        <source>Position %1 of ring %2 of polygon %3 is not a longitude and latitude in degrees.</source>
        <translation>La posizione %1 dell'anello %2 del poligono %3 non è una longitudine e latitudine in gradi.</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>The FeatureCollection holds %1 features; a field takes exactly one.</source>
        <translation>La FeatureCollection contiene %1 elementi; un campo ne accetta esattamente uno.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The Feature has no geometry.</source>
        <translation>La Feature non ha geometria.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+65"/>
        <source>The GeoJSON text is not an object with a &quot;type&quot;.</source>
        <translation>Il testo GeoJSON non è un oggetto con un "type".</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>A parcel needs a Polygon or MultiPolygon geometry, not %1.</source>
        <translation>Una particella richiede una geometria Polygon o MultiPolygon, non %1.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The text is not valid JSON: %1 (at character %2).</source>
        <translation>Il testo non è JSON valido: %1 (al carattere %2).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The coordinates of the MultiPolygon are not a list of polygons.</source>
        <translation>Le coordinate del MultiPolygon non sono un elenco di poligoni.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The KML document cannot be read: %1 (line %2).</source>
        <translation>Impossibile leggere il documento KML: %1 (riga %2).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The KML document holds no polygon.</source>
        <translation>Il documento KML non contiene alcun poligono.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The KML document holds the polygons of %1 placemarks; a field takes those of exactly one.</source>
        <translation>Il documento KML contiene i poligoni di %1 segnaposto; un campo accetta quelli di uno solo.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cannot read the parcel file %1: %2</source>
        <translation>Impossibile leggere il file della particella %1: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The parcel file %1 cannot be used: %2</source>
        <translation>Il file della particella %1 non può essere usato: %2</translation>
    </message>
</context>
<context>
    <name>ParcelPanel</name>
    <message>
        <location filename="../../src/registries/ui/ParcelPanel.cpp" line="+26"/>
        <source>Parcel</source>
        <translation>Particella</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Parcel identifier :</source>
        <translation>Identificativo particella :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Municipality code :</source>
        <translation>Codice comune :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sheet :</source>
        <translation>Foglio :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadastral parcel :</source>
        <translation>Particella catastale :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON Polygon or MultiPolygon in WGS84</source>
        <translation>Polygon o MultiPolygon GeoJSON in WGS84</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Outline :</source>
        <translation>Contorno :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import outline...</source>
        <translation>Importa contorno...</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Import parcel outline</source>
        <translation>Importa il contorno della particella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parcel outlines (*.geojson *.json *.kml);;All files (*)</source>
        <translation>Contorni di particelle (*.geojson *.json *.kml);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>PdfOutput</name>
    <message>
        <location filename="../../src/reports/PdfOutput.cpp" line="+22"/>
        <location line="+14"/>
        <location line="+14"/>
        <source>Cannot write the file %1.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
</context>
<context>
    <name>PrinterOutput</name>
    <message>
        <location filename="../../src/reports/ui/PrinterOutput.cpp" line="+107"/>
        <source>The pages could not be written to %1: the folder cannot be written or the file is in use. Print again and choose another file.</source>
        <translation>Non è stato possibile scrivere le pagine in %1: la cartella non è scrivibile o il file è in uso. Stampare di nuovo e scegliere un altro file.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The printer %1 could not be started; nothing was printed.</source>
        <translation>Non è stato possibile avviare la stampante %1; non è stato stampato nulla.</translation>
    </message>
</context>
<context>
    <name>ProcessingNotice</name>
    <message>
        <location filename="../../src/reports/ui/ProcessingNotice.cpp" line="+9"/>
        <source>The data were processed. The totals leave out or cannot allocate what follows; complete the registries and process again:</source>
        <translation>I dati sono stati elaborati. I totali tralasciano o non possono imputare quanto segue; completare le anagrafiche ed elaborare di nuovo:</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>e ancora %n.</numerusform>
            <numerusform>e altri %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProcessingWarnings</name>
    <message>
        <location filename="../../src/reports/ProcessingWarnings.cpp" line="+179"/>
        <source>Worker %1 (%2) has %3 hours and no hourly wage: the hours cost 0.</source>
        <translation>L&apos;operaio %1 (%2) ha %3 ore e nessuna paga oraria: le ore costano 0.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Machine %1 (%2) has costs of %3 and no running hours: the costs are charged to no centre.</source>
        <translation>La macchina %1 (%2) ha costi per %3 e nessuna ora di lavoro: i costi non sono imputati ad alcun centro.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n work(s) on worker code %1, which is in no registry.</source>
        <translation>
            <numerusform>%n lavoro sul codice operaio %1, che non è in anagrafica.</numerusform>
            <numerusform>%n lavori sul codice operaio %1, che non è in anagrafica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n work(s) on operation code %1, which is in no registry.</source>
        <translation>
            <numerusform>%n lavoro sul codice operazione %1, che non è in anagrafica.</numerusform>
            <numerusform>%n lavori sul codice operazione %1, che non è in anagrafica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n work(s) on centre code %1, which is in no registry.</source>
        <translation>
            <numerusform>%n lavoro sul codice centro %1, che non è in anagrafica.</numerusform>
            <numerusform>%n lavori sul codice centro %1, che non è in anagrafica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n work(s) on field code %1, which is in no registry.</source>
        <translation>
            <numerusform>%n lavoro sul codice campo %1, che non è in anagrafica.</numerusform>
            <numerusform>%n lavori sul codice campo %1, che non è in anagrafica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n work(s) with machine code %1, which is in no registry.</source>
        <translation>
            <numerusform>%n lavoro con il codice macchina %1, che non è in anagrafica.</numerusform>
            <numerusform>%n lavori con il codice macchina %1, che non è in anagrafica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n movement(s) worth %1 on item code %2, which is in no registry.</source>
        <translation>
            <numerusform>%n movimento del valore di %1 sul codice articolo %2, che non è in anagrafica.</numerusform>
            <numerusform>%n movimenti del valore di %1 sul codice articolo %2, che non è in anagrafica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n movement(s) worth %1 without an item.</source>
        <translation>
            <numerusform>%n movimento del valore di %1 senza articolo.</numerusform>
            <numerusform>%n movimenti del valore di %1 senza articolo.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Treatment record incomplete: %1</source>
        <translation>Registro trattamenti incompleto: %1</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <location filename="../../src/app/ProgramArguments.cpp" line="+69"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the option &apos;%1&apos; needs a value</source>
        <translation>l&apos;opzione &apos;%1&apos; richiede un valore</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>one file at a time, not %1</source>
        <translation>un file alla volta, non %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the file name is empty</source>
        <translation>il nome del file è vuoto</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Usage: verdimo [OPTIONS] [FILE]</source>
        <translation>Uso: verdimo [OPZIONI] [FILE]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps a farm&apos;s daily work cards and registries in a window. FILE is a farm
database to open (.mdb) or a data archive to import (.czp).</source>
        <translation>Tiene in una finestra le schede giornaliere dei lavori e le anagrafiche dell&apos;azienda. FILE è un
database aziendale da aprire (.mdb) o un archivio dati da importare (.czp).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -h, --help     show this help and exit</source>
        <translation>  -h, --help     mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -V, --version  show the version and exit</source>
        <translation>  -V, --version  mostra la versione ed esce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  Qt&apos;s own options such as -platform NAME or -style NAME are understood too.</source>
        <translation>  Sono accettate anche le opzioni di Qt, come -platform NOME o -style NOME.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>verdimo-cli does the same work without the window; see man verdimo.</source>
        <translation>verdimo-cli fa lo stesso lavoro senza la finestra; vedere man verdimo.</translation>
    </message>
</context>
<context>
    <name>RecentFarmsMenu</name>
    <message>
        <location filename="../../src/app/RecentFarmsMenu.cpp" line="+10"/>
        <source>Rece&amp;nt farms</source>
        <translation>Aziende re&amp;centi</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>No farms opened yet</source>
        <translation>Nessuna azienda aperta finora</translation>
    </message>
</context>
<context>
    <name>RegisterPagination</name>
    <message>
        <location filename="../../src/reports/RegisterPagination.cpp" line="+37"/>
        <source>Step (1) : Completed</source>
        <translation>Passo (1) : Completato</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Step (2) : Pages to print %1</source>
        <translation>Passo (2) : Pagine da stampare %1</translation>
    </message>
</context>
<context>
    <name>RegisterReport</name>
    <message>
        <location filename="../../src/reports/RegisterReport.cpp" line="+64"/>
        <source>There are no data to print!</source>
        <translation>Non ci sono dati da stampare!</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>COMPANY DATA</source>
        <translation>DATI AZIENDALI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+32"/>
        <source>LAST NAME OR BUSINESS NAME</source>
        <translation>COGNOME O RAGIONE SOCIALE</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+31"/>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+32"/>
        <source>GENDER</source>
        <translation>SESSO</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+33"/>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+34"/>
        <source>W</source>
        <translation>F</translation>
    </message>
    <message>
        <location line="-32"/>
        <location line="+33"/>
        <source>DATE OF BIRTH</source>
        <translation>DATA DI NASCITA</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+33"/>
        <source>CITY OF BIRTH</source>
        <translation>COMUNE DI NASCITA</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>CODIX</source>
        <translation>CODICE FISCALE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VAT</source>
        <translation>PARTITA IVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>ADDRESS</source>
        <translation>INDIRIZZO</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>HOME OR REGISTERED OFFICE</source>
        <translation>DOMICILIO O SEDE LEGALE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>R</source>
        <translation>S</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>H</source>
        <translation>D</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+8"/>
        <source>CITY</source>
        <translation>COMUNE</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>COMPANY LOCATION (if different from the home or head office)</source>
        <translation>UBICAZIONE DELL&apos;AZIENDA (se diversa dal domicilio o dalla sede legale)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LEGAL REPRESENTATIVE (only if the holder is a legal person)</source>
        <translation>RAPPRESENTANTE LEGALE (solo se il titolare è una persona giuridica)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>SIGNATURE OF OWNER OF THE COMPANY</source>
        <translation>FIRMA DEL TITOLARE DELL&apos;AZIENDA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This register consists of n.%1 pages including the cover</source>
        <translation>Il presente registro è composto da n.%1 pagine compresa la copertina</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>TREATMENTS REPORT</source>
        <translation>REGISTRO DEI TRATTAMENTI</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ANNO  %1</source>
        <translation>ANNO  %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Report for %1 (surface: %2 Ha)</source>
        <translation>Registro di %1 (superficie: %2 ha)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Center code %1</source>
        <translation>Centro codice %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+33"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="-32"/>
        <location line="+32"/>
        <source>Adversity</source>
        <translation>Avversità</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+32"/>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+31"/>
        <source>Qt/Ha</source>
        <translation>Q.tà/ha</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+30"/>
        <source>Qt</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>User Signature</source>
        <translation>Firma utilizzatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>if not Owner</source>
        <translation>se non è il titolare</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Center Code</source>
        <translation>Codice centro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>-</source>
        <comment>national rule of the register</comment>
        <translation>ai sensi dell&apos;art. 16, c. 3, D.Lgs. 150/2012 (già art. 42 D.P.R. 290/2001)</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>-</source>
        <comment>register keeping rule, line 1</comment>
        <translation>Annotare ogni trattamento entro 30 giorni dalla sua esecuzione (PAN, D.M. 22 gennaio 2014).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-</source>
        <comment>register keeping rule, line 2</comment>
        <translation>Conservare il registro per almeno i tre anni successivi a quello degli interventi annotati.</translation>
    </message>
</context>
<context>
    <name>RegistryCascade</name>
    <message>
        <location filename="../../src/registries/RegistryCascade.cpp" line="+134"/>
        <location line="+52"/>
        <source>Do you want to delete %1 from registries?</source>
        <translation>Eliminare %1 dalle anagrafiche?</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>1 work</source>
        <translation>1 lavoro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 works</source>
        <translation>%1 lavori</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not yet on a card</source>
        <translation>non ancora su una scheda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on 1 card</source>
        <translation>su 1 scheda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on %1 cards</source>
        <translation>su %1 schede</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 field</source>
        <translation>1 campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 fields over the years</source>
        <translation>%1 campi nei vari anni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The crop centre %1 has %2. Deleting it deletes those fields. Delete it?</source>
        <translation>Il centro di coltura %1 ha %2. Eliminandolo si eliminano quei campi. Eliminarlo?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The crop centre %1 is used by %2 %3. Deleting it leaves those works without a cost centre. Delete it?</source>
        <translation>Il centro di coltura %1 è usato da %2 %3. Eliminandolo quei lavori restano senza centro di costo. Eliminarlo?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The crop centre %1 has %2 and is used by %3 %4. Deleting it deletes its fields and leaves those works without a cost centre. Delete it?</source>
        <translation>Il centro di coltura %1 ha %2 ed è usato da %3 %4. Eliminandolo si eliminano i suoi campi e quei lavori restano senza centro di costo. Eliminarlo?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The field %1 is used by %2 %3 of its year. Deleting it books those works to its crop centre. Delete it?</source>
        <translation>Il campo %1 è usato da %2 %3 del suo anno. Eliminandolo quei lavori passano al suo centro di coltura. Eliminarlo?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The machine %1 is used by %2 %3. Deleting it takes it off those works and leaves the works booked to it without a cost centre. Delete it?</source>
        <translation>La macchina %1 è usata da %2 %3. Eliminandola viene tolta da quei lavori e i lavori imputati a essa restano senza centro di costo. Eliminarla?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The cost centre %1 is used by %2 %3. Deleting it leaves those works without a cost centre. Delete it?</source>
        <translation>Il centro di costo %1 è usato da %2 %3. Eliminandolo quei lavori restano senza centro di costo. Eliminarlo?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The worker %1 is used by %2 %3. Deleting the worker leaves those works without a worker. Delete it?</source>
        <translation>L'operaio %1 è usato da %2 %3. Eliminando l'operaio quei lavori restano senza operaio. Eliminarlo?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The operation %1 is used by %2 %3. Deleting it leaves those works without an operation. Delete it?</source>
        <translation>L'operazione %1 è usata da %2 %3. Eliminandola quei lavori restano senza operazione. Eliminarla?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The item %1 is used by %2 %3. Deleting it leaves those stock movements without an item. Delete it?</source>
        <translation>L'articolo %1 è usato da %2 %3. Eliminandolo quei movimenti di magazzino restano senza articolo. Eliminarlo?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 stock movement</source>
        <translation>1 movimento di magazzino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stock movements</source>
        <translation>%1 movimenti di magazzino</translation>
    </message>
</context>
<context>
    <name>RegistryEditor</name>
    <message>
        <location filename="../../src/registries/RegistryKinds.cpp" line="+181"/>
        <source>Cost centers root</source>
        <translation>Cartella centri di costo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Crops root</source>
        <translation>Cartella colture</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Machines root</source>
        <translation>Cartella macchine</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Others root</source>
        <translation>Cartella altri centri</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Workers root</source>
        <translation>Cartella operai</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Operations root</source>
        <translation>Cartella operazioni</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Items root</source>
        <translation>Cartella articoli</translation>
    </message>
    <message>
        <location filename="../../src/cli/ReportCommands.cpp" line="-366"/>
        <location filename="../../src/registries/RegistryKinds.cpp" line="-119"/>
        <source>Cost centers</source>
        <translation>Centri di costo</translation>
    </message>
    <message>
        <location filename="../../src/registries/RegistryTreeBuilder.cpp" line="+43"/>
        <source>Cost Centers</source>
        <translation>Centri di costo</translation>
    </message>
    <message>
        <location filename="../../src/cli/ReportCommands.cpp" line="+1"/>
        <location filename="../../src/registries/RegistryKinds.cpp" line="+8"/>
        <source>Crops</source>
        <translation>Colture</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/registries/RegistryKinds.cpp" line="+41"/>
        <source>Machines</source>
        <translation>Macchine</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/registries/RegistryKinds.cpp" line="+19"/>
        <source>Others</source>
        <translation>Altri</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../src/registries/RegistryKinds.cpp" line="+18"/>
        <source>Workers</source>
        <translation>Operai</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../src/registries/RegistryKinds.cpp" line="+17"/>
        <source>Operations</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/registries/RegistryKinds.cpp" line="+15"/>
        <source>Items</source>
        <translation>Articoli</translation>
    </message>
    <message>
        <location filename="../../src/registries/RegistryEditor.cpp" line="+307"/>
        <source>The code %1 has been changed to %2. Do you want to give the new code also to the works, movements and fields that use %1?</source>
        <translation>Il codice %1 è stato cambiato in %2. Assegnare il nuovo codice anche ai lavori, ai movimenti e ai campi che usano %1?</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Can not save data.</source>
        <translation>Impossibile salvare i dati.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+168"/>
        <source>The code %1 is already used by %2, can not save!</source>
        <translation>Il codice %1 è già usato da %2, impossibile salvare!</translation>
    </message>
    <message>
        <location filename="../../src/registries/RegistryKinds.cpp" line="-95"/>
        <source>New Cultivation...</source>
        <translation>Nuova coltura...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>New Field...</source>
        <translation>Nuovo campo...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>New Machine...</source>
        <translation>Nuova macchina...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>New Center...</source>
        <translation>Nuovo centro...</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>New Worker...</source>
        <translation>Nuovo operaio...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New Operation...</source>
        <translation>Nuova operazione...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>New Item...</source>
        <translation>Nuovo articolo...</translation>
    </message>
</context>
<context>
    <name>RegistryForm</name>
    <message>
        <location filename="../../src/registries/RegistryForm.cpp" line="+14"/>
        <source>Name :</source>
        <translation>Nome :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description :</source>
        <translation>Descrizione :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Acres :</source>
        <translation>Ettari :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place :</source>
        <translation>Località :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EPPO code :</source>
        <translation>Codice EPPO :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Year of purchase :</source>
        <translation>Anno di acquisto :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Hourly wage :</source>
        <translation>Paga oraria :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unit :</source>
        <translation>Unità di misura :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit cost :</source>
        <translation>Costo unitario :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Authorisation no. :</source>
        <translation>N. registrazione :</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+87"/>
        <source>Enter no more than %1 characters.</source>
        <translation>Inserire al massimo %1 caratteri.</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>Enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero fra %1 e %2.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Enter an EPPO code of letters and digits only, such as VITVI.</source>
        <translation>Inserire un codice EPPO di sole lettere e cifre, come VITVI.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The parcel&apos;s outline cannot be used: %1</source>
        <translation>Il contorno della particella non può essere usato: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No outline.</source>
        <translation>Nessun contorno.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Area of the outline: %1 ha (surface: %2 ha)</source>
        <translation>Area del contorno: %1 ha (superficie: %2 ha)</translation>
    </message>
    <message>
        <location line="-105"/>
        <source>Enter a number.</source>
        <translation>Inserire un numero.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a number between %1 and %2.</source>
        <translation>Inserire un numero fra %1 e %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a number that is not negative.</source>
        <translation>Inserire un numero non negativo.</translation>
    </message>
</context>
<context>
    <name>RegistryLists</name>
    <message>
        <location filename="../../src/reports/RegistryLists.cpp" line="+32"/>
        <source>Workers</source>
        <translation>Operai</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Worker Code</source>
        <translation>Codice operaio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Worker Name</source>
        <translation>Nome operaio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Relationship</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OCCASIONAL</source>
        <translation>AVVENTIZIO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INDETERMINATE</source>
        <translation>INDETERMINATO</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mach.Code</source>
        <translation>Cod.macch.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Year of Purchase</source>
        <translation>Anno di acquisto</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+52"/>
        <source>Center Code</source>
        <translation>Codice centro</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>Surface</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <location line="-44"/>
        <source> - Machines</source>
        <translation> - Macchine</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> - Crops</source>
        <translation> - Colture</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> - Others</source>
        <translation> - Altri</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+3"/>
        <source>Fields</source>
        <translation>Campi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from</source>
        <translation>dal</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Field Code</source>
        <translation>Codice campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Operations</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Operation Code</source>
        <translation>Codice operazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Items</source>
        <translation>Articoli</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Item</source>
        <translation>Articolo</translation>
    </message>
</context>
<context>
    <name>RegistryPrintReport</name>
    <message>
        <location filename="../../src/reports/RegistryPrintReport.cpp" line="+77"/>
        <source>%1 - Situation Field</source>
        <translation>%1 - Situazione campo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 - %2 - Acre %3</source>
        <translation>%1 - %2 - Ettari %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - %2 - Inventory: initial %3 - final %4</source>
        <translation>%1 - %2 - Inventario: iniziale %3 - finale %4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - %2 -</source>
        <translation>%1 - %2 -</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Warehouse From %1 To %2</source>
        <translation>Magazzino dal %1 al %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>From %1 To %2</source>
        <translation>Dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>RegistryTreeModel</name>
    <message>
        <location filename="../../src/registries/RegistryTreeModel.cpp" line="+111"/>
        <source>Registries</source>
        <translation>Anagrafiche</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <location filename="../../src/reports/Report.cpp" line="+10"/>
        <source>There are no data to print, try selecting the option processes data!</source>
        <translation>Non ci sono dati da stampare, provare a selezionare l&apos;opzione Elabora i dati!</translation>
    </message>
    <message>
        <location filename="../../src/reports/ReportText.cpp" line="+178"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <location filename="../../src/cli/ReportCommands.cpp" line="+33"/>
        <source>A record is named %1:CODE with a code from 1 to 32767.</source>
        <translation>Un record si indica con %1:CODICE, con un codice da 1 a 32767.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There is no %1 with code %2 in %3.</source>
        <translation>Non esiste %1 con codice %2 in %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Unknown registry node &apos;%1&apos;. A node is one of: %2</source>
        <translation>Nodo delle anagrafiche sconosciuto &apos;%1&apos;. Un nodo è uno tra: %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot process %1: the file can only be read. Its reports print the data as it was last processed.</source>
        <translation>Impossibile elaborare %1: il file è di sola lettura. Le sue stampe riportano i dati dell&apos;ultima elaborazione.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>verdimo-cli print: drawing pages needs a QGuiApplication (offscreen platform).</source>
        <translation>verdimo-cli print: il disegno delle pagine richiede una QGuiApplication (piattaforma offscreen).</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Wrote %1 page(s) to %2.</source>
        <translation>Scritte %1 pagine in %2.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>NODE is missing</source>
        <translation>manca NODE</translation>
    </message>
    <message numerus="yes">
        <location line="-8"/>
        <source>Wrote %n row(s) to %1.</source>
        <translation>
            <numerusform>Scritta %n riga in %1.</numerusform>
            <numerusform>Scritte %n righe in %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Processed the cards from %1 to %2.</source>
        <translation>Elaborate le schede dal %1 al %2.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>unknown report &apos;%1&apos;; KIND is one of %2</source>
        <translation>resoconto sconosciuto &apos;%1&apos;; KIND è uno tra %2</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <location filename="../../src/app/RestoreDialog.cpp" line="+22"/>
        <source>Not recorded (an older backup)</source>
        <translation>Non registrata (backup precedente)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Restore a backup</source>
        <translation>Ripristina un backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backups in %1:</source>
        <translation>Backup in %1:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Farm</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Other backup archive...</source>
        <translation>&amp;Altro archivio di backup...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No automatic backup has been made yet.</source>
        <translation>Non è ancora stato fatto alcun backup automatico.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Choose a backup archive</source>
        <translation>Scegliere un archivio di backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup archives (*.zip);;All files (*)</source>
        <translation>Archivi di backup (*.zip);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <location filename="../../src/app/SettingsCommand.cpp" line="+33"/>
        <source>Enter no more than %1 characters.</source>
        <translation>Inserire al massimo %1 caratteri.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data not consistent!</source>
        <translation>Dati non coerenti!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The start date must be less than the final date!</source>
        <translation>La data iniziale deve essere precedente alla data finale!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid database!</source>
        <translation>Database non valido!</translation>
    </message>
</context>
<context>
    <name>SetupDownload</name>
    <message>
        <location filename="../../src/online/SetupDownload.cpp" line="+34"/>
        <source>The downloaded setup file could not be verified and was deleted.</source>
        <translation>Il file di installazione scaricato non ha superato la verifica ed è stato eliminato.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No file server for the setup file is configured.</source>
        <translation>Non è configurato alcun server per il file di installazione.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The previous setup file %1 could not be deleted.</source>
        <translation>Impossibile eliminare il precedente file di installazione %1.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The setup file %1 was not found on the file server.</source>
        <translation>Il file di installazione %1 non è stato trovato sul server.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>No folder for the download could be created in %1: %2</source>
        <translation>Impossibile creare una cartella per lo scaricamento in %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The setup file %1 could not be read from the file server: %2</source>
        <translation>Impossibile leggere dal server il file di installazione %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The setup file %1 could not be saved.</source>
        <translation>Impossibile salvare il file di installazione %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The setup file %1 could not be created: %2</source>
        <translation>Impossibile creare il file di installazione %1: %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The downloaded setup file is larger than the file server announced and was deleted.</source>
        <translation>Il file di installazione scaricato è più grande di quanto indicato dal server ed è stato eliminato.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The setup file could not be downloaded from %1: %2</source>
        <translation>Impossibile scaricare il file di installazione da %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The setup file %1 could not be written.</source>
        <translation>Impossibile scrivere il file di installazione %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The download of the setup file from %1 ended before the whole file arrived.</source>
        <translation>Lo scaricamento del file di installazione da %1 si è interrotto prima dell&apos;arrivo del file completo.</translation>
    </message>
</context>
<context>
    <name>SpinField</name>
    <message>
        <location filename="../../src/cards/ui/SpinField.cpp" line="+21"/>
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
</context>
<context>
    <name>StartupSteps</name>
    <message>
        <location filename="../../src/app/StartupSteps.cpp" line="+86"/>
        <source>Waiting for the backup of %1 to finish…</source>
        <translation>In attesa che finisca il backup di %1…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the copy of Verdimo that is closing…</source>
        <translation>In attesa che si chiuda la copia di Verdimo in uscita…</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>For synchronization data only one instance of the application per computer can be started!</source>
        <translation>Per la sincronizzazione dei dati si può avviare una sola copia del programma per computer!</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Unable to create user folder!</source>
        <translation>Impossibile creare la cartella dell&apos;utente!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The display resolution of your system is %1x%2, it must be at least 800x600!</source>
        <translation>La risoluzione dello schermo è %1x%2, deve essere almeno 800x600!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your video depth color is %1 and should be at least 16 bits (over 64,000 colors)!</source>
        <translation>La profondità di colore dello schermo è %1 e dovrebbe essere almeno 16 bit (oltre 64.000 colori)!</translation>
    </message>
</context>
<context>
    <name>StatisticsLists</name>
    <message>
        <location filename="../../src/registries/StatisticsLists.cpp" line="+194"/>
        <source>Production </source>
        <translation>Produzione </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Purchase </source>
        <translation>Acquisto </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working </source>
        <translation>Lavorazione </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sale </source>
        <translation>Vendita </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In.Inv. </source>
        <translation>Inv.In. </translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+147"/>
        <location line="+14"/>
        <source>Center Code</source>
        <translation>Codice centro</translation>
    </message>
    <message>
        <location line="-161"/>
        <location line="+90"/>
        <location line="+57"/>
        <location line="+14"/>
        <location line="+12"/>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="-173"/>
        <location line="+13"/>
        <location line="+10"/>
        <source>Tot.Ord.</source>
        <translation>Tot.Ord.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+13"/>
        <location line="+10"/>
        <source>Tot.Ext.</source>
        <translation>Tot.Str.</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+13"/>
        <location line="+10"/>
        <source>Tot.Hol.</source>
        <translation>Tot.Fest.</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+13"/>
        <location line="+10"/>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+73"/>
        <location line="+74"/>
        <source>Worker Code</source>
        <translation>Codice operaio</translation>
    </message>
    <message>
        <location line="-147"/>
        <location line="+73"/>
        <location line="+74"/>
        <location line="+44"/>
        <source>Worker</source>
        <translation>Operaio</translation>
    </message>
    <message>
        <location line="-181"/>
        <location line="+64"/>
        <location line="+61"/>
        <source>Operation Code</source>
        <translation>Codice operazione</translation>
    </message>
    <message>
        <location line="-125"/>
        <location line="+64"/>
        <location line="+61"/>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location line="-115"/>
        <source>Item Code</source>
        <translation>Codice articolo</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+56"/>
        <source>Item</source>
        <translation>Articolo</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tot. loads</source>
        <translation>Tot. carichi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tot. discharge</source>
        <translation>Tot. scarichi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inventory</source>
        <translation>Giacenza</translation>
    </message>
    <message>
        <location line="+52"/>
        <location line="+3"/>
        <location line="+58"/>
        <location line="+13"/>
        <location line="+13"/>
        <location line="+30"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="-116"/>
        <location line="+61"/>
        <location line="+13"/>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>Phase/Operation</source>
        <translation>Fase/Operazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+84"/>
        <source>Movement Type</source>
        <translation>Tipo movimento</translation>
    </message>
    <message>
        <location line="-84"/>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+84"/>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+30"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Phase - Operation</source>
        <translation>Fase - Operazione</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Hours/Quantity</source>
        <translation>Ore/Quantità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation/Item</source>
        <translation>Operazione/Articolo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Works/Warehouse</source>
        <translation>Lavori/Magazzino</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Works</source>
        <translation>Lavori</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warehouse</source>
        <translation>Magazzino</translation>
    </message>
</context>
<context>
    <name>StoredQuery</name>
    <message>
        <location filename="../../src/db/StoredQuery.cpp" line="+17"/>
        <source>The program has no list or print query named &apos;%1&apos;.</source>
        <translation>Il programma non ha una query di elenco o di stampa chiamata &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The query &apos;%1&apos; cannot be run: %2</source>
        <translation>La query &apos;%1&apos; non può essere eseguita: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The query &apos;%1&apos; was refused: a list may only read the database.</source>
        <translation>La query &apos;%1&apos; è stata rifiutata: un elenco può solo leggere il database.</translation>
    </message>
</context>
<context>
    <name>TotalsPagination</name>
    <message>
        <location filename="../../src/reports/TotalsPagination.cpp" line="+57"/>
        <source>Step (1) : Completed</source>
        <translation>Passo (1) : Completato</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+2"/>
        <source>Step (2) : Pages to print %1</source>
        <translation>Passo (2) : Pagine da stampare %1</translation>
    </message>
</context>
<context>
    <name>TotalsReport</name>
    <message>
        <location filename="../../src/reports/TotalsReport.cpp" line="+100"/>
        <source>C.C. &lt;%1&gt; %2 of %3 Sur./Cap./Year %4</source>
        <translation>C.C. &lt;%1&gt; %2 del %3 Sup./Cap./Anno %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print a summary of the Field &lt;%1&gt; %2 of %3 Surface %4</source>
        <translation>Riepilogo del campo &lt;%1&gt; %2 del %3 Superficie %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+236"/>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location line="-236"/>
        <location line="+236"/>
        <source>Op./Phase</source>
        <translation>Op./Fase</translation>
    </message>
    <message>
        <location line="-234"/>
        <location line="+239"/>
        <source>Mov.Type</source>
        <translation>Tipo mov.</translation>
    </message>
    <message>
        <location line="-238"/>
        <location line="+238"/>
        <source>Mov.Code</source>
        <translation>Cod.mov.</translation>
    </message>
    <message>
        <location line="-237"/>
        <location line="+7"/>
        <location line="+230"/>
        <location line="+3"/>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <location line="-239"/>
        <location line="+7"/>
        <location line="+230"/>
        <location line="+2"/>
        <source>Hour/Quant.</source>
        <translation>Ore/Q.tà</translation>
    </message>
    <message>
        <location line="-238"/>
        <location line="+236"/>
        <source>Cos/Proc Un.</source>
        <translation>Cos/Ric Un.</translation>
    </message>
    <message>
        <location line="-235"/>
        <location line="+235"/>
        <source>Cos/Proc Tot.</source>
        <translation>Cos/Ric Tot.</translation>
    </message>
    <message>
        <location line="-232"/>
        <location line="+234"/>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+181"/>
        <source>COST</source>
        <translation>COSTO</translation>
    </message>
    <message>
        <location line="-181"/>
        <location line="+181"/>
        <source>REVENUE</source>
        <translation>RICAVO</translation>
    </message>
    <message>
        <location line="-203"/>
        <source>Inv.Mov.</source>
        <translation>Mov.Inv.</translation>
    </message>
    <message>
        <location line="+117"/>
        <location line="+97"/>
        <source>TOTAL COSTS : %1</source>
        <translation>TOTALE COSTI : %1</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+97"/>
        <source>TOTAL REVENUES : %1</source>
        <translation>TOTALE RICAVI : %1</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+97"/>
        <source>TOTAL RESULT : %1</source>
        <translation>RISULTATO TOTALE : %1</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+95"/>
        <source>UNIT COST : %1</source>
        <translation>COSTO UNITARIO : %1</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+94"/>
        <source>UNIT REVENUE : %1</source>
        <translation>RICAVO UNITARIO : %1</translation>
    </message>
    <message>
        <location line="-92"/>
        <location line="+93"/>
        <source>UNIT RESULT : %1</source>
        <translation>RISULTATO UNITARIO : %1</translation>
    </message>
    <message>
        <location line="-73"/>
        <location line="+4"/>
        <source>(CONTINUES)</source>
        <translation>(CONTINUA)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Center Code</source>
        <translation>Codice centro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field Code</source>
        <translation>Codice campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <location filename="../../src/online/CurlTransport.cpp" line="+146"/>
        <source>The network library could not start.</source>
        <translation>Impossibile avviare la libreria di rete.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More data arrived than the server announced.</source>
        <translation>Sono arrivati più dati di quanti ne abbia annunciati il server.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Il server non ha inviato nulla per %1 secondi.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transfer did not end within the %1 seconds allowed for it.</source>
        <translation>Il trasferimento non si è concluso entro i %1 secondi concessi.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The received data could not be written.</source>
        <translation>Impossibile scrivere i dati ricevuti.</translation>
    </message>
</context>
<context>
    <name>TreatmentRecord</name>
    <message numerus="yes">
        <location filename="../../src/cli/RegisterExportCommand.cpp" line="+10"/>
        <source>%n application(s) lack an element of the record; nothing was written to %1:</source>
        <translation>
            <numerusform>a %n applicazione manca un elemento del registro; non è stato scritto nulla in %1:</numerusform>
            <numerusform>a %n applicazioni manca un elemento del registro; non è stato scritto nulla in %1:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Applications written without every element of the record (complete the items, crop centres, fields and works):</source>
        <translation>Applicazioni scritte senza tutti gli elementi del registro (completate articoli, centri colturali, appezzamenti e lavori):</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Wrote %n treatment(s) to %1.</source>
        <translation>
            <numerusform>Scritto %n trattamento in %1.</numerusform>
            <numerusform>Scritti %n trattamenti in %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/reports/TreatmentRecord.cpp" line="+345"/>
        <source>field %1</source>
        <translation>appezzamento %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the product has no authorisation number</source>
        <translation>il prodotto non ha un numero di registrazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the crop has no EPPO code</source>
        <translation>la coltura non ha un codice EPPO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the crop&apos;s EPPO code &quot;%1&quot; is not 5 or 6 capital letters or digits</source>
        <translation>il codice EPPO "%1" della coltura non è di 5 o 6 lettere maiuscole o cifre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no treated area above 0 ha</source>
        <translation>nessuna superficie trattata maggiore di 0 ha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the treated area of %1 ha is larger than the %2 ha of the field</source>
        <translation>la superficie trattata di %1 ha è maggiore dei %2 ha dell'appezzamento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the BBCH stage &quot;%1&quot; is not a code from 00 to 99</source>
        <translation>la fase BBCH "%1" non è un codice da 00 a 99</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the time &quot;%1&quot; is not a time of day (HH:MM)</source>
        <translation>l'ora "%1" non è un'ora del giorno (HH:MM)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the field has no parcel reference (national parcel identifier, cadastral reference or geometry)</source>
        <translation>l'appezzamento non ha un riferimento di particella (identificativo nazionale, riferimento catastale o geometria)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no parcel reference: the treatment is booked on the crop centre, not on a field</source>
        <translation>nessun riferimento di particella: il trattamento è registrato sul centro colturale, non su un appezzamento</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1, %2 on %3: %4</source>
        <translation>%1, %2 su %3: %4</translation>
    </message>
</context>
<context>
    <name>TreatmentRecordExport</name>
    <message>
        <location filename="../../src/reports/ui/TreatmentRecordExport.cpp" line="+14"/>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JSON files (*.json)</source>
        <translation>File JSON (*.json)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GeoJSON files, parcels on a map (*.geojson)</source>
        <translation>File GeoJSON, particelle su mappa (*.geojson)</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export treatment record</source>
        <translation>Esporta registro trattamenti</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The treatment record could not be read from the database: %1</source>
        <translation>Il registro dei trattamenti non può essere letto dal database: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n treatment record(s) written to %1.</source>
        <translation>
            <numerusform>%n record di trattamento scritto in %1.</numerusform>
            <numerusform>%n record di trattamento scritti in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n treatment(s) written without every element of the record; complete them in the registries and works:</source>
        <translation>
            <numerusform>%n trattamento scritto senza tutti gli elementi del registro; completatelo nelle anagrafiche e nei lavori:</numerusform>
            <numerusform>%n trattamenti scritti senza tutti gli elementi del registro; completateli nelle anagrafiche e nei lavori:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>e ancora %n.</numerusform>
            <numerusform>e altri %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TypedDateEdit</name>
    <message>
        <location filename="../../src/base/ui/TypedDateEdit.cpp" line="+214"/>
        <source>The field keeps %1.</source>
        <translation>Il campo mantiene %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 lies outside the dates this field takes, %2 to %3.</source>
        <translation>%1 è fuori dalle date ammesse in questo campo, dal %2 al %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; is not a date; type it like %2.</source>
        <translation>"%1" non è una data; scrivila come %2.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <location filename="../../src/online/UpdateCheck.cpp" line="+16"/>
        <source>The version text at %1 is too long.</source>
        <translation>Il testo della versione in %1 è troppo lungo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The version text could not be read from %1: %2</source>
        <translation>Impossibile leggere il testo della versione da %1: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The server did not answer with a version: %1 is empty.</source>
        <translation>Il server non ha risposto con una versione: %1 è vuoto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The server did not answer with a version: %1 holds &quot;%2&quot;.</source>
        <translation>Il server non ha risposto con una versione: %1 contiene &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <location filename="../../src/cli/UpdateCommand.cpp" line="+24"/>
        <source>No update address is configured (UpdateWebServer in the section Settings).</source>
        <translation>Nessun indirizzo di aggiornamento configurato (UpdateWebServer nella sezione Settings).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update address &quot;%1&quot; is not an http or https address.</source>
        <translation>L&apos;indirizzo di aggiornamento &quot;%1&quot; non è un indirizzo http o https.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version found: %1</source>
        <translation>Versione trovata: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>newer than this program&apos;s version %1</source>
        <translation>più recente della versione %1 di questo programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not newer than this program&apos;s version %1</source>
        <translation>non più recente della versione %1 di questo programma</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 of %2 KiB</source>
        <translation>%1 di %2 KiB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Downloaded and verified %1</source>
        <translation>Scaricato e verificato %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Usage: verdimo-cli update [--check | --download DIR]</source>
        <translation>Uso: verdimo-cli update [--check | --download CARTELLA]</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <location filename="../../src/online/UpdateController.cpp" line="+62"/>
        <source>It should be connected to the Internet to check for updates!</source>
        <translation>Per controllare gli aggiornamenti occorre essere connessi a Internet!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No update address is configured.</source>
        <translation>Non è configurato alcun indirizzo per gli aggiornamenti.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update address &quot;%1&quot; is not an http or https address.</source>
        <translation>L&apos;indirizzo per gli aggiornamenti &quot;%1&quot; non è un indirizzo http o https.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>You are using the latest version of the program!</source>
        <translation>Il programma è già all&apos;ultima versione!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Available upgrade to version %1 of the program. Do you want to install it?</source>
        <translation>È disponibile l&apos;aggiornamento alla versione %1 del programma. Installarlo?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>No folder for the download could be created in %1: %2</source>
        <translation>Impossibile creare una cartella per lo scaricamento in %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wait while downloading the setup file of the new version</source>
        <translation>Attendere lo scaricamento del file di installazione della nuova versione</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Downloading setup file, abort it?</source>
        <translation>Scaricamento del file di installazione in corso, interromperlo?</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The setup file %1 could not be opened.</source>
        <translation>Impossibile aprire il file di installazione %1.</translation>
    </message>
</context>
<context>
    <name>ViewJoining</name>
    <message>
        <location filename="../../src/app/ViewJoining.cpp" line="+40"/>
        <source>The work of that treatment was not found; it may have been changed meanwhile.</source>
        <translation>Il lavoro di quel trattamento non è stato trovato; forse è stato cambiato nel frattempo.</translation>
    </message>
</context>
<context>
    <name>WeatherChartPainter</name>
    <message>
        <location filename="../../src/chart/ChartFile.cpp" line="-62"/>
        <location line="+14"/>
        <location filename="../../src/chart/WeatherChartPainter.cpp" line="+189"/>
        <source>Weather Chart</source>
        <translation>Grafico meteo</translation>
    </message>
    <message>
        <location filename="../../src/chart/WeatherChartPainter.cpp" line="-163"/>
        <source>Jan.</source>
        <translation>Gen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feb.</source>
        <translation>Feb.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mar.</source>
        <translation>Mar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr.</source>
        <translation>Apr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May.</source>
        <translation>Mag.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jun.</source>
        <translation>Giu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul.</source>
        <translation>Lug.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aug.</source>
        <translation>Ago.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sep.</source>
        <translation>Set.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct.</source>
        <translation>Ott.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nov.</source>
        <translation>Nov.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dec.</source>
        <translation>Dic.</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Maximum Temperature</source>
        <translation>Temperatura massima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimum Temperature</source>
        <translation>Temperatura minima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rain</source>
        <translation>Pioggia</translation>
    </message>
</context>
<context>
    <name>WorkCardReport</name>
    <message>
        <location filename="../../src/reports/WorkCardReport.cpp" line="+154"/>
        <location line="+76"/>
        <source>&lt;None&gt;</source>
        <translation>&lt;Nessuno&gt;</translation>
    </message>
    <message>
        <location line="-124"/>
        <source>%1 - Form of %2</source>
        <translation>%1 - Scheda del %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+133"/>
        <source>Wor.Code</source>
        <translation>Cod.Op.</translation>
    </message>
    <message>
        <location line="-132"/>
        <location line="+132"/>
        <source>Worker</source>
        <translation>Operaio</translation>
    </message>
    <message>
        <location line="-131"/>
        <location line="+131"/>
        <source>Reg.H.</source>
        <translation>Ore ord.</translation>
    </message>
    <message>
        <location line="-130"/>
        <location line="+130"/>
        <source>Fest.H.</source>
        <translation>Ore fest.</translation>
    </message>
    <message>
        <location line="-129"/>
        <location line="+130"/>
        <source>Overt.</source>
        <translation>Straord.</translation>
    </message>
    <message>
        <location line="-128"/>
        <location line="+128"/>
        <source>Cen.Code</source>
        <translation>Cod.Cen.</translation>
    </message>
    <message>
        <location line="-127"/>
        <location line="+127"/>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+126"/>
        <source>Op.Code</source>
        <translation>Cod.Oper.</translation>
    </message>
    <message>
        <location line="-125"/>
        <location line="+125"/>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+122"/>
        <source>M.C.</source>
        <translation>C.M.</translation>
    </message>
    <message>
        <location line="-121"/>
        <location line="+121"/>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <location line="-118"/>
        <location line="+120"/>
        <source>Mov.Type</source>
        <translation>Tipo mov.</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+119"/>
        <source>Cod.Item</source>
        <translation>Cod.Art.</translation>
    </message>
    <message>
        <location line="-118"/>
        <location line="+118"/>
        <source>Item</source>
        <translation>Articolo</translation>
    </message>
    <message>
        <location line="-117"/>
        <location line="+117"/>
        <source>Stage</source>
        <translation>Fase</translation>
    </message>
    <message>
        <location line="-116"/>
        <location line="+116"/>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location line="-115"/>
        <location line="+116"/>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>WorkEntry</name>
    <message>
        <location filename="../../src/cards/WorkEntry.cpp" line="+29"/>
        <source>Enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero fra %1 e %2.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+26"/>
        <source>Enter a number between %1 and %2.</source>
        <translation>Inserire un numero fra %1 e %2.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Enter no more than %1 characters.</source>
        <translation>Inserire al massimo %1 caratteri.</translation>
    </message>
    <message>
        <location line="+163"/>
        <source>Enter the treated area as a number of hectares.</source>
        <translation>Inserire la superficie trattata come numero di ettari.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enter a treated area above 0 and not above the surface of %1 ha.</source>
        <translation>Inserire una superficie trattata maggiore di 0 e non superiore alla superficie di %1 ha.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a treated area above 0 ha.</source>
        <translation>Inserire una superficie trattata maggiore di 0 ha.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose a BBCH stage from 00 to 99.</source>
        <translation>Scegliere uno stadio BBCH da 00 a 99.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enter the time of application as HH:MM, from 00:00 to 23:59.</source>
        <translation>Inserire l'ora del trattamento come HH:MM, da 00:00 a 23:59.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Income: %1 - Tax: %2 - Total: %3</source>
        <translation>Imponibile: %1 - Imposta: %2 - Totale: %3</translation>
    </message>
    <message>
        <location line="-253"/>
        <source>Enter a number.</source>
        <translation>Inserire un numero.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Enter a number that is not negative.</source>
        <translation>Inserire un numero non negativo.</translation>
    </message>
</context>
<context>
    <name>WorkEntryLookups</name>
    <message>
        <location filename="../../src/cards/WorkEntryLookups.cpp" line="+44"/>
        <location line="+58"/>
        <location line="+5"/>
        <source>&lt;None&gt;</source>
        <translation>&lt;Nessuno&gt;</translation>
    </message>
</context>
<context>
    <name>WorkListRow</name>
    <message>
        <location filename="../../src/cards/WorkListRow.cpp" line="+37"/>
        <source>Worker</source>
        <translation>Operaio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Regular Hours</source>
        <translation>Ore ordinarie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Festive Hours</source>
        <translation>Ore festive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Overtime</source>
        <translation>Straordinario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C.C. Type</source>
        <translation>Tipo C.C.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cost Center</source>
        <translation>Centro di costo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Item</source>
        <translation>Articolo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mov.Type</source>
        <translation>Tipo mov.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stage</source>
        <translation>Fase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <translation>Importo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tax</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ref.Doc.</source>
        <translation>Rif.Doc.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First Machine</source>
        <translation>Prima macchina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second Machine</source>
        <translation>Seconda macchina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Third Machine</source>
        <translation>Terza macchina</translation>
    </message>
</context>
</TS>
