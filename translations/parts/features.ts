<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Befehle</name>
    <message>
        <source>Frühere &amp;Version öffnen...</source>
        <translation>Open Earlier &amp;Version...</translation>
    </message>
    <message>
        <source>Speichern und &amp;Compilieren</source>
        <translation>Save and &amp;Compile</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Füllen</source>
        <translation>&amp;Fill</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Einfügen mit &amp;Vorschau</source>
        <translation>Paste with Pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Auswahl bearbeiten...</source>
        <translation>Edit &amp;Selection...</translation>
    </message>
    <message>
        <source>Ra&amp;mpe...</source>
        <translation>R&amp;amp...</translation>
    </message>
    <message>
        <source>&amp;Glätten</source>
        <translation>S&amp;mooth</translation>
    </message>
    <message>
        <source>E&amp;xportieren...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>&amp;Befehl suchen...</source>
        <translation>Find &amp;Command...</translation>
    </message>
    <message>
        <source>&amp;Tastenkürzel...</source>
        <translation>&amp;Keyboard Shortcuts...</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Suchen und Erse&amp;tzen...</source>
        <translation>Find and Rep&amp;lace...</translation>
    </message>
    <message>
        <source>Karte &amp;prüfen</source>
        <translation>Chec&amp;k Map</translation>
    </message>
    <message>
        <source>&amp;Einstellungen...</source>
        <translation>Se&amp;ttings...</translation>
    </message>
    <message>
        <source>4 Bilder pro Sekunde</source>
        <translation>4 frames per second</translation>
    </message>
    <message>
        <source>8 Bilder pro Sekunde</source>
        <translation>8 frames per second</translation>
    </message>
    <message>
        <source>12 Bilder pro Sekunde</source>
        <translation>12 frames per second</translation>
    </message>
    <message>
        <source>16 Bilder pro Sekunde</source>
        <translation>16 frames per second</translation>
    </message>
    <message>
        <source>&amp;3D-Ansicht</source>
        <translation>&amp;3D View</translation>
    </message>
    <message>
        <source>&amp;Tasten...</source>
        <translation>&amp;Keys...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Skriptk&amp;onsole</source>
        <translation>Script C&amp;onsole</translation>
    </message>
    <message>
        <source>Skript&amp;ordner öffnen</source>
        <translation>Open Script &amp;Folder</translation>
    </message>
    <message>
        <source>Ste&amp;mpel</source>
        <translation>Sta&amp;mps</translation>
    </message>
    <message>
        <source>Als Stempel spei&amp;chern...</source>
        <translation>Save as S&amp;tamp...</translation>
    </message>
    <message>
        <source>&amp;Testen</source>
        <translation>Test &amp;Run</translation>
    </message>
    <message>
        <source>Ab &amp;hier testen</source>
        <translation>Test from &amp;Here</translation>
    </message>
    <message>
        <source>3D-Ansicht ab h&amp;ier</source>
        <translation>3D View from Her&amp;e</translation>
    </message>
    <message>
        <source>Test&amp;profile...</source>
        <translation>Test &amp;Profiles...</translation>
    </message>
    <message>
        <source>&amp;Eigenschaften</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>&amp;Textur-Editor</source>
        <translation>&amp;Texture Editor</translation>
    </message>
    <message>
        <source>&amp;Startposition festlegen...</source>
        <translation>Set Start P&amp;osition...</translation>
    </message>
    <message>
        <source>Startposition &amp;hierher</source>
        <translation>Move Start &amp;Here</translation>
    </message>
    <message>
        <source>&amp;Boden</source>
        <translation>&amp;Floor</translation>
    </message>
    <message>
        <source>&amp;Decke</source>
        <translation>&amp;Ceiling</translation>
    </message>
    <message>
        <source>&amp;Wand</source>
        <translation>&amp;Wall</translation>
    </message>
    <message>
        <source>Sockel - B&amp;oden</source>
        <translation>Pedestal - F&amp;loor</translation>
    </message>
    <message>
        <source>Sockel - De&amp;cke</source>
        <translation>Pedestal - Ceilin&amp;g</translation>
    </message>
    <message>
        <source>Ver&amp;größern</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Origi&amp;nalgröße</source>
        <translation>Original Si&amp;ze</translation>
    </message>
    <message>
        <source>Ganze K&amp;arte</source>
        <translation>Whole M&amp;ap</translation>
    </message>
    <message>
        <source>&amp;Höhen anzeigen</source>
        <translation>Show &amp;Heights</translation>
    </message>
    <message>
        <source>&amp;Startposition zeigen</source>
        <translation>Show &amp;Start Position</translation>
    </message>
</context>
<context>
    <name>CompileFeature</name>
    <message>
        <source>Die Compilierung kann nicht durchgeführt werden, bevor die Daten gespeichert wurden.</source>
        <translation>The map cannot be compiled before it has been saved.</translation>
    </message>
</context>
<context>
    <name>ExportFeature</name>
    <message>
        <source>1 Dreieck</source>
        <translation>1 triangle</translation>
    </message>
    <message>
        <source>%1 Dreiecke</source>
        <translation>%1 triangles</translation>
    </message>
    <message>
        <source>Exportiert nach %1: %2.</source>
        <translation>Exported to %1: %2.</translation>
    </message>
</context>
<context>
    <name>Menüs</name>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>3D-Ansicht</source>
        <translation>3D View</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>S&amp;kripte</source>
        <translation>&amp;Scripts</translation>
    </message>
</context>
<context>
    <name>Preview3DFeature</name>
    <message>
        <source>Die 3D-Ansicht braucht OpenGL 3.3, das hier nicht zur Verfügung steht.</source>
        <translation>The 3D view needs OpenGL 3.3, which is not available here.</translation>
    </message>
    <message>
        <source>Tasten der 3D-Ansicht</source>
        <translation>Keys of the 3D View</translation>
    </message>
    <message>
        <source>W, S oder Pfeil auf, ab: gehen
A, D oder Pfeil links, rechts: drehen
Alt mit A, D oder Pfeil links, rechts: seitwärts gehen
Umschalt dazu: laufen
Bild auf, Bild ab: steigen, sinken
Pos1: zurück zum Start
F: frei fliegen oder dem Boden folgen
Ziehen mit der linken Maustaste: umsehen
Doppelklick: die Zelle in der Karte wählen
%1: schließen</source>
        <translation>W, S or Up, Down arrow: walk
A, D or Left, Right arrow: turn
Alt with A, D or Left, Right arrow: step sideways
Shift as well: run
Page Up, Page Down: rise, sink
Home: back to the start
F: fly freely or follow the floor
Drag with the left mouse button: look around
Double-click: select the cell in the map
%1: close</translation>
    </message>
</context>
<context>
    <name>ScriptJob</name>
    <message>
        <source>Das Skript „%1“ läuft...</source>
        <translation>The script “%1” is running...</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Skript</source>
        <translation>Script</translation>
    </message>
</context>
<context>
    <name>ScriptsFeature</name>
    <message>
        <source>%1, Zeile %2, Spalte %3: %4</source>
        <translation>%1, line %2, column %3: %4</translation>
    </message>
    <message>
        <source>%1, Zeile %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1, Spalte %2: %3</source>
        <translation>%1, column %2: %3</translation>
    </message>
    <message>
        <source>Konsole</source>
        <translation>Console</translation>
    </message>
</context>
<context>
    <name>TFrmFindReplace</name>
    <message>
        <source>Boden</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Decke</source>
        <translation>Ceiling</translation>
    </message>
    <message>
        <source>Wand</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>Sockel - Boden</source>
        <translation>Pedestal - Floor</translation>
    </message>
    <message>
        <source>Sockel - Decke</source>
        <translation>Pedestal - Ceiling</translation>
    </message>
    <message>
        <source>auf Boden</source>
        <translation>on Floor</translation>
    </message>
    <message>
        <source>auf Decke</source>
        <translation>on Ceiling</translation>
    </message>
    <message>
        <source>auf Wand</source>
        <translation>on Wall</translation>
    </message>
    <message>
        <source>auf Sockel - Boden</source>
        <translation>on Pedestal - Floor</translation>
    </message>
    <message>
        <source>auf Sockel - Decke</source>
        <translation>on Pedestal - Ceiling</translation>
    </message>
</context>
<context>
    <name>tessmoor::StampFeature</name>
    <message>
        <source>Stempel</source>
        <translation>Stamps</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Höhen an Ziel anpassen</source>
        <translation>&amp;Match heights to target</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Als Stempel speichern</source>
        <translation>Save as Stamp</translation>
    </message>
    <message>
        <source>&amp;Umbenennen...</source>
        <translation>&amp;Rename...</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Stempel umbenennen</source>
        <translation>Rename Stamp</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmBackups</name>
    <message>
        <source>%1 Zelle</source>
        <translation>%1 cell</translation>
    </message>
    <message>
        <source>%1 Zellen</source>
        <translation>%1 cells</translation>
    </message>
    <message>
        <source>%1 Textur</source>
        <translation>%1 texture</translation>
    </message>
    <message>
        <source>%1 Texturen</source>
        <translation>%1 textures</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>not readable</translation>
    </message>
    <message>
        <source>nichts</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>Frühere Version öffnen</source>
        <translation>Open Earlier Version</translation>
    </message>
    <message>
        <source>Von %1 gibt es keine früheren Versionen.</source>
        <translation>There are no earlier versions of %1.</translation>
    </message>
    <message>
        <source>Frühere Versionen von %1:</source>
        <translation>Earlier versions of %1:</translation>
    </message>
    <message>
        <source>Gespeichert am</source>
        <translation>Saved on</translation>
    </message>
    <message>
        <source>Seitdem geändert</source>
        <translation>Changed since</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Zellen und Texturen, in denen die offene Karte anders ist</source>
        <translation>Cells and textures in which the open map differs</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmFindReplace</name>
    <message>
        <source>Suchen und Ersetzen</source>
        <translation>Find and Replace</translation>
    </message>
    <message>
        <source>Suchen nach</source>
        <translation>Search for</translation>
    </message>
    <message>
        <source>T&amp;yp:</source>
        <translation>T&amp;ype:</translation>
    </message>
    <message>
        <source>&amp;Textur:</source>
        <translation>&amp;Texture:</translation>
    </message>
    <message>
        <source>&amp;Bodenhöhe:</source>
        <translation>&amp;Floor height:</translation>
    </message>
    <message>
        <source>&amp;Deckenhöhe (eine Ecke):</source>
        <translation>&amp;Ceiling height (one corner):</translation>
    </message>
    <message>
        <source>&amp;Wasserspiegel:</source>
        <translation>&amp;Water level:</translation>
    </message>
    <message>
        <source>Op&amp;azität:</source>
        <translation>Op&amp;acity:</translation>
    </message>
    <message>
        <source>nur in der A&amp;uswahl</source>
        <translation>only in the selectio&amp;n</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>auf jeder Ebene</source>
        <translation>on any layer</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>Fin&amp;d</translation>
    </message>
    <message>
        <source>Zelle</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Ersetzen durch</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>Ty&amp;p:</source>
        <translation>Ty&amp;pe:</translation>
    </message>
    <message>
        <source>Te&amp;xtur:</source>
        <translation>Te&amp;xture:</translation>
    </message>
    <message>
        <source>B&amp;odenhöhe:</source>
        <translation>Fl&amp;oor height:</translation>
    </message>
    <message>
        <source>Deckenhöhe (alle Ec&amp;ken):</source>
        <translation>Ceilin&amp;g height (all corners):</translation>
    </message>
    <message>
        <source>Wassersp&amp;iegel:</source>
        <translation>Water &amp;level:</translation>
    </message>
    <message>
        <source>Opa&amp;zität:</source>
        <translation>Opac&amp;ity:</translation>
    </message>
    <message>
        <source>re&amp;lativ</source>
        <translation>r&amp;elative</translation>
    </message>
    <message>
        <source>&amp;Ersetzen</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>%1 Zelle gefunden</source>
        <translation>%1 cell found</translation>
    </message>
    <message>
        <source>%1 Zellen gefunden</source>
        <translation>%1 cells found</translation>
    </message>
    <message>
        <source>%1 Zelle ersetzt</source>
        <translation>%1 cell replaced</translation>
    </message>
    <message>
        <source>%1 Zellen ersetzt</source>
        <translation>%1 cells replaced</translation>
    </message>
</context>
<context>
    <name>tessmoor::TestPlay</name>
    <message>
        <source>Der Ordner für den Testlauf konnte nicht angelegt werden: %1</source>
        <translation>The folder for the test run could not be created: %1</translation>
    </message>
    <message>
        <source>Das Programm „%1“ konnte nicht gestartet werden: %2</source>
        <translation>The program “%1” could not be started: %2</translation>
    </message>
    <message>
        <source>Beendet mit Exit-Status %1.</source>
        <translation>Finished with exit status %1.</translation>
    </message>
    <message>
        <source>Das Programm ist abgestürzt.</source>
        <translation>The program crashed.</translation>
    </message>
</context>
</TS>
