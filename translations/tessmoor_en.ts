<?xml version='1.0' encoding='utf-8'?>
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
        <translation>&amp;Test</translation>
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
    <message>
        <source>Pi&amp;nsel</source>
        <translation>&amp;Brush</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Neuer T&amp;ab</source>
        <translation>New ta&amp;b</translation>
    </message>
    <message>
        <source>In n&amp;euem Tab öffnen...</source>
        <translation>Open in ne&amp;w tab...</translation>
    </message>
    <message>
        <source>Tab sch&amp;ließen</source>
        <translation>C&amp;lose tab</translation>
    </message>
    <message>
        <source>Nächster Tab</source>
        <translation>Next tab</translation>
    </message>
    <message>
        <source>Vorheriger Tab</source>
        <translation>Previous tab</translation>
    </message>
    <message>
        <source>&amp;Handbuch</source>
        <translation>&amp;User Guide</translation>
    </message>
    <message>
        <source>&amp;Tastenkürzel</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Ü&amp;ber</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Te&amp;xturen</source>
        <translation>Te&amp;xtures</translation>
    </message>
    <message>
        <source>Textur &amp;finden</source>
        <translation>Fin&amp;d Texture</translation>
    </message>
</context>
<context>
    <name>Befehlsbeschreibungen</name>
    <message>
        <source>Speichert die Karte und compiliert sie zum Modell (.tcm).</source>
        <translation>Saves the map and compiles it into its model (.tcm).</translation>
    </message>
    <message>
        <source>Nimmt den letzten Schritt zurück.</source>
        <translation>Undoes the last step.</translation>
    </message>
    <message>
        <source>Stellt den zuletzt zurückgenommenen Schritt wieder her.</source>
        <translation>Redoes the last undone step.</translation>
    </message>
    <message>
        <source>Füllt die Auswahl mit der aktuellen Vorlage.</source>
        <translation>Fills the selection with the current template.</translation>
    </message>
    <message>
        <source>Kopiert die ausgewählten Zellen.</source>
        <translation>Copies the selected cells.</translation>
    </message>
    <message>
        <source>Fügt die kopierten Zellen an der Auswahl ein.</source>
        <translation>Pastes the copied cells at the selection.</translation>
    </message>
    <message>
        <source>Zeigt die kopierten Zellen als Vorschau, die man drehen, spiegeln und absetzen kann.</source>
        <translation>Shows the copied cells as a preview to turn, mirror and place.</translation>
    </message>
    <message>
        <source>Ändert Eigenschaften aller ausgewählten Zellen auf einmal.</source>
        <translation>Changes properties of all selected cells at once.</translation>
    </message>
    <message>
        <source>Legt eine gleichmäßige Rampe über die Auswahl.</source>
        <translation>Lays an even ramp across the selection.</translation>
    </message>
    <message>
        <source>Gleicht die Deckenhöhen an den Ecken der ausgewählten Zellen an.</source>
        <translation>Evens out the ceiling heights at the corners of the selected cells.</translation>
    </message>
    <message>
        <source>Exportiert die compilierte Karte als glTF oder OBJ.</source>
        <translation>Exports the compiled map as glTF or OBJ.</translation>
    </message>
    <message>
        <source>Sucht einen Befehl nach seinem Namen und führt ihn aus.</source>
        <translation>Finds a command by its name and runs it.</translation>
    </message>
    <message>
        <source>Zeigt die Tastenkürzel aller Befehle und lässt sie ändern.</source>
        <translation>Shows the keyboard shortcuts of all commands and lets you change them.</translation>
    </message>
    <message>
        <source>Legt eine neue, leere Karte an.</source>
        <translation>Creates a new, empty map.</translation>
    </message>
    <message>
        <source>Öffnet eine gespeicherte Karte.</source>
        <translation>Opens a saved map.</translation>
    </message>
    <message>
        <source>Speichert die Karte unter ihrem Dateinamen.</source>
        <translation>Saves the map under its file name.</translation>
    </message>
    <message>
        <source>Speichert die Karte unter einem neuen Dateinamen.</source>
        <translation>Saves the map under a new file name.</translation>
    </message>
    <message>
        <source>Schließt den Editor und fragt nach ungespeicherten Änderungen.</source>
        <translation>Closes the editor, asking about unsaved changes.</translation>
    </message>
    <message>
        <source>Sucht Zellen nach Eigenschaften und ersetzt sie.</source>
        <translation>Finds cells by their properties and replaces them.</translation>
    </message>
    <message>
        <source>Öffnet das Handbuch im Browser.</source>
        <translation>Opens the user guide in the browser.</translation>
    </message>
    <message>
        <source>Zeigt die Tastenkürzel aller Befehle.</source>
        <translation>Shows the keyboard shortcuts of all commands.</translation>
    </message>
    <message>
        <source>Zeigt den Namen und die Version des Programms.</source>
        <translation>Shows the program's name and version.</translation>
    </message>
    <message>
        <source>Prüft die Karte auf Fehler und zeigt die Befunde.</source>
        <translation>Checks the map for errors and shows the findings.</translation>
    </message>
    <message>
        <source>Spielt die Animationen der 3D-Ansicht mit 4 Bildern pro Sekunde.</source>
        <translation>Plays the 3D view's animations at 4 frames per second.</translation>
    </message>
    <message>
        <source>Spielt die Animationen der 3D-Ansicht mit 8 Bildern pro Sekunde.</source>
        <translation>Plays the 3D view's animations at 8 frames per second.</translation>
    </message>
    <message>
        <source>Spielt die Animationen der 3D-Ansicht mit 12 Bildern pro Sekunde.</source>
        <translation>Plays the 3D view's animations at 12 frames per second.</translation>
    </message>
    <message>
        <source>Spielt die Animationen der 3D-Ansicht mit 16 Bildern pro Sekunde.</source>
        <translation>Plays the 3D view's animations at 16 frames per second.</translation>
    </message>
    <message>
        <source>Öffnet oder schließt die 3D-Ansicht der Karte.</source>
        <translation>Opens or closes the 3D view of the map.</translation>
    </message>
    <message>
        <source>Zeigt die Tasten der 3D-Ansicht.</source>
        <translation>Shows the keys of the 3D view.</translation>
    </message>
    <message>
        <source>Schließt die 3D-Ansicht.</source>
        <translation>Closes the 3D view.</translation>
    </message>
    <message>
        <source>Führt dieses Skript auf der Karte aus.</source>
        <translation>Runs this script on the map.</translation>
    </message>
    <message>
        <source>Öffnet die Skriptkonsole, in der man Skripte schreibt und ausführt.</source>
        <translation>Opens the script console to write and run scripts.</translation>
    </message>
    <message>
        <source>Öffnet den Ordner der eigenen Skripte im Dateimanager.</source>
        <translation>Opens the folder of your own scripts in the file manager.</translation>
    </message>
    <message>
        <source>Speichert die ausgewählten Zellen als Stempel.</source>
        <translation>Saves the selected cells as a stamp.</translation>
    </message>
    <message>
        <source>Zeigt oder verbirgt die Stempelleiste.</source>
        <translation>Shows or hides the stamps panel.</translation>
    </message>
    <message>
        <source>Compiliert die Karte und startet das Spiel mit dem gewählten Testprofil.</source>
        <translation>Compiles the map and starts the game with the chosen test profile.</translation>
    </message>
    <message>
        <source>Startet einen Testlauf an der ausgewählten Zelle.</source>
        <translation>Starts a test run at the selected cell.</translation>
    </message>
    <message>
        <source>Öffnet die 3D-Ansicht an der ausgewählten Zelle.</source>
        <translation>Opens the 3D view at the selected cell.</translation>
    </message>
    <message>
        <source>Verwaltet die Profile, mit denen ein Testlauf das Spiel startet.</source>
        <translation>Manages the profiles a test run starts the game with.</translation>
    </message>
    <message>
        <source>Zeigt oder verbirgt die Texturleiste mit den Bildern der Texturtabelle.</source>
        <translation>Shows or hides the textures panel with the pictures of the texture table.</translation>
    </message>
    <message>
        <source>Zeigt die Texturleiste und setzt die Eingabe in ihren Filter.</source>
        <translation>Shows the textures panel and puts the typing into its filter.</translation>
    </message>
    <message>
        <source>Zeigt das Eigenschaftenfenster der ausgewählten Zelle.</source>
        <translation>Shows the properties window of the selected cell.</translation>
    </message>
    <message>
        <source>Zeigt den Textur-Editor mit der Texturtabelle der Karte.</source>
        <translation>Shows the texture editor with the map's texture table.</translation>
    </message>
    <message>
        <source>Legt die Startposition mit Zelle und Blickrichtung fest.</source>
        <translation>Sets the start position with its cell and direction.</translation>
    </message>
    <message>
        <source>Setzt die Startposition auf die ausgewählte Zelle.</source>
        <translation>Moves the start position to the selected cell.</translation>
    </message>
    <message>
        <source>Zeigt und bearbeitet die Ebene Boden.</source>
        <translation>Shows and edits the floor layer.</translation>
    </message>
    <message>
        <source>Zeigt und bearbeitet die Ebene Decke.</source>
        <translation>Shows and edits the ceiling layer.</translation>
    </message>
    <message>
        <source>Zeigt und bearbeitet die Ebene Wand.</source>
        <translation>Shows and edits the wall layer.</translation>
    </message>
    <message>
        <source>Zeigt und bearbeitet die Ebene Sockelboden.</source>
        <translation>Shows and edits the pedestal floor layer.</translation>
    </message>
    <message>
        <source>Zeigt und bearbeitet die Ebene Sockeldecke.</source>
        <translation>Shows and edits the pedestal ceiling layer.</translation>
    </message>
    <message>
        <source>Vergrößert die Ansicht der Karte.</source>
        <translation>Zooms in on the map.</translation>
    </message>
    <message>
        <source>Verkleinert die Ansicht der Karte.</source>
        <translation>Zooms out of the map.</translation>
    </message>
    <message>
        <source>Zeigt die Karte in Originalgröße.</source>
        <translation>Shows the map at its original size.</translation>
    </message>
    <message>
        <source>Zeigt die ganze Karte im Fenster.</source>
        <translation>Fits the whole map into the window.</translation>
    </message>
    <message>
        <source>Schaltet die Anzeige der Boden- und Deckenhöhen ein oder aus.</source>
        <translation>Turns the display of floor and ceiling heights on or off.</translation>
    </message>
    <message>
        <source>Schaltet die Anzeige der Startposition ein oder aus.</source>
        <translation>Turns the display of the start position on or off.</translation>
    </message>
    <message>
        <source>Wählt den Pinsel: er malt die Vorlage in jede überstrichene Zelle.</source>
        <translation>Chooses the brush: it paints the template into every cell it passes.</translation>
    </message>
    <message>
        <source>Wählt das Rechteck: es malt die Vorlage in ein aufgezogenes Rechteck.</source>
        <translation>Chooses the rectangle: it paints the template into a dragged rectangle.</translation>
    </message>
    <message>
        <source>Öffnet eine Sicherung dieser Karte als unbenannte Kopie.</source>
        <translation>Opens a backup of this map as an untitled copy.</translation>
    </message>
    <message>
        <source>Zeigt die Einstellungen des Editors.</source>
        <translation>Shows the editor's settings.</translation>
    </message>
    <message>
        <source>Öffnet einen neuen Tab mit einer leeren Karte.</source>
        <translation>Opens a new tab with an empty map.</translation>
    </message>
    <message>
        <source>Öffnet eine gespeicherte Karte in einem neuen Tab.</source>
        <translation>Opens a saved map in a new tab.</translation>
    </message>
    <message>
        <source>Schließt den aktuellen Tab.</source>
        <translation>Closes the current tab.</translation>
    </message>
    <message>
        <source>Wechselt zum nächsten Tab.</source>
        <translation>Switches to the next tab.</translation>
    </message>
    <message>
        <source>Wechselt zum vorherigen Tab.</source>
        <translation>Switches to the previous tab.</translation>
    </message>
    <message>
        <source>Dreht den Block, der gerade platziert wird, nach rechts.</source>
        <translation>Turns the block being placed to the right.</translation>
    </message>
    <message>
        <source>Dreht den Block, der gerade platziert wird, nach links.</source>
        <translation>Turns the block being placed to the left.</translation>
    </message>
    <message>
        <source>Spiegelt den Block, der gerade platziert wird, von links nach rechts.</source>
        <translation>Mirrors the block being placed left to right.</translation>
    </message>
    <message>
        <source>Spiegelt den Block, der gerade platziert wird, von oben nach unten.</source>
        <translation>Mirrors the block being placed top to bottom.</translation>
    </message>
    <message>
        <source>Setzt den Block an seine Stelle in der Karte.</source>
        <translation>Places the block at its position in the map.</translation>
    </message>
    <message>
        <source>Bricht das Platzieren des Blocks ab.</source>
        <translation>Cancels placing the block.</translation>
    </message>
</context>
<context>
    <name>BlockPlacementTool</name>
    <message>
        <source>Rechts drehen</source>
        <translation>Turn right</translation>
    </message>
    <message>
        <source>Links drehen</source>
        <translation>Turn left</translation>
    </message>
    <message>
        <source>Links-rechts spiegeln</source>
        <translation>Mirror left-right</translation>
    </message>
    <message>
        <source>Oben-unten spiegeln</source>
        <translation>Mirror top-bottom</translation>
    </message>
    <message>
        <source>Setzen</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CellFieldNames</name>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Nichts (Boden/Decke)</source>
        <translation>Nothing (floor/ceiling)</translation>
    </message>
    <message>
        <source>Wand</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>Säule</source>
        <translation>Pillar</translation>
    </message>
    <message>
        <source>Wasserbecken</source>
        <translation>Water basin</translation>
    </message>
    <message>
        <source>Fenster (Horizontal)</source>
        <translation>Window (horizontal)</translation>
    </message>
    <message>
        <source>Fenster (Vertikal)</source>
        <translation>Window (vertical)</translation>
    </message>
    <message>
        <source>Bodenhöhe</source>
        <translation>Floor height</translation>
    </message>
    <message>
        <source>Deckenhöhe</source>
        <translation>Ceiling height</translation>
    </message>
    <message>
        <source>Wasserspiegel</source>
        <translation>Water level</translation>
    </message>
    <message>
        <source>Opazität</source>
        <translation>Opacity</translation>
    </message>
</context>
<context>
    <name>CheckTexts</name>
    <message>
        <source>Wand ohne Wandtextur neben offener Zelle</source>
        <translation>Wall without a wall texture next to an open cell</translation>
    </message>
    <message>
        <source>Säule ohne Wandtextur</source>
        <translation>Column without a wall texture</translation>
    </message>
    <message>
        <source>Wasserbecken ohne Wandtextur</source>
        <translation>Water basin without a wall texture</translation>
    </message>
    <message>
        <source>Fenster ohne Wandtextur</source>
        <translation>Window without a wall texture</translation>
    </message>
    <message>
        <source>Deckenecke unter dem Boden</source>
        <translation>Ceiling corner below the floor</translation>
    </message>
    <message>
        <source>Wasserspiegel nicht zwischen Boden und Decke</source>
        <translation>Water level not between floor and ceiling</translation>
    </message>
    <message>
        <source>Offener Boden am Kartenrand</source>
        <translation>Open floor at the edge of the map</translation>
    </message>
    <message>
        <source>Startposition %1: %2 liegt außerhalb der Karte</source>
        <translation>Start position %1: %2 lies outside the map</translation>
    </message>
    <message>
        <source>Startposition in einer Wand</source>
        <translation>Start position in a wall</translation>
    </message>
    <message>
        <source>Textur %1 (%2) fehlt in der Tabelle</source>
        <translation>Texture %1 (%2) is missing from the table</translation>
    </message>
    <message>
        <source>Textur %1 wird nicht benutzt</source>
        <translation>Texture %1 is not used</translation>
    </message>
    <message>
        <source>Textur „%1“ wird nicht benutzt</source>
        <translation>Texture “%1” is not used</translation>
    </message>
    <message>
        <source>Textur %1 hat keine Bilder</source>
        <translation>Texture %1 has no frames</translation>
    </message>
    <message>
        <source>Textur „%1“ hat keine Bilder</source>
        <translation>Texture “%1” has no frames</translation>
    </message>
    <message>
        <source>%1 %2, höchstens %3</source>
        <translation>%1 %2, at most %3</translation>
    </message>
    <message>
        <source>Mehr als %1 %2, höchstens %3</source>
        <translation>More than %1 %2, at most %3</translation>
    </message>
</context>
<context>
    <name>CommandReference</name>
    <message>
        <source>Befehle</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Jeder Befehl des Editors, nach Menüs geordnet, mit seinen voreingestellten Tasten. Diese Seite wird aus dem Programm erzeugt.</source>
        <translation>Every command of the editor, by menu, with its default keys. This page is generated from the program.</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Befehl</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
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
    <name>CoreTexts</name>
    <message>
        <source>keine reguläre Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Keine Sicherung von %1: %2</source>
        <translation>No backup of %1: %2</translation>
    </message>
    <message>
        <source>Keine Sicherung von %1: %2: %3</source>
        <translation>No backup of %1: %2: %3</translation>
    </message>
    <message>
        <source>Fehler: Zu viele %1 (höchstens %2). Gezeigt wird, was hineinpasst.</source>
        <translation>Error: Too many %1 (at most %2). Showing what fits.</translation>
    </message>
    <message>
        <source>Fehler: Zu viele %1 (höchstens %2).</source>
        <translation>Error: Too many %1 (at most %2).</translation>
    </message>
    <message>
        <source>Fehler beim Einlesen von %1.</source>
        <translation>Error reading %1.</translation>
    </message>
    <message>
        <source>%1 ist keine TMM-Datei.</source>
        <translation>%1 is not a TMM file.</translation>
    </message>
    <message>
        <source>Konnte %1 nicht schreiben.</source>
        <translation>Could not write %1.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben von %1.</source>
        <translation>Error writing %1.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden.</source>
        <translation>%1 cannot be opened.</translation>
    </message>
    <message>
        <source>Fehler: Das Modell %1 würde die Karte %2 überschreiben!</source>
        <translation>Error: The model %1 would overwrite the map %2!</translation>
    </message>
    <message>
        <source>%1 ist keine Wiederherstellungskopie.</source>
        <translation>%1 is not a recovery copy.</translation>
    </message>
    <message>
        <source>Fehler beim Laden von "%1".</source>
        <translation>Error loading "%1".</translation>
    </message>
    <message>
        <source>Fehler beim Erstellen von %1!</source>
        <translation>Error creating %1!</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben von %1!</source>
        <translation>Error writing %1!</translation>
    </message>
    <message>
        <source>Die Datei ist kein Stempel.</source>
        <translation>The file is not a stamp.</translation>
    </message>
    <message>
        <source>"%1": Die Datei ist kein Stempel.</source>
        <translation>"%1": The file is not a stamp.</translation>
    </message>
    <message>
        <source>Der Stempel stammt aus einer neueren Version des Editors.</source>
        <translation>The stamp comes from a newer version of the editor.</translation>
    </message>
    <message>
        <source>"%1": Der Stempel stammt aus einer neueren Version des Editors.</source>
        <translation>"%1": The stamp comes from a newer version of the editor.</translation>
    </message>
    <message>
        <source>Der Stempel ist beschädigt.</source>
        <translation>The stamp is damaged.</translation>
    </message>
    <message>
        <source>"%1": Der Stempel ist beschädigt.</source>
        <translation>"%1": The stamp is damaged.</translation>
    </message>
    <message>
        <source>Der Stempel kann nicht unter "%1" gespeichert werden.</source>
        <translation>The stamp cannot be saved as "%1".</translation>
    </message>
    <message>
        <source>Der Stempel "%1" kann nicht geöffnet werden.</source>
        <translation>The stamp "%1" cannot be opened.</translation>
    </message>
    <message>
        <source>Mehr als %1 Dateien pro Textur sind nicht zulässig.</source>
        <translation>More than %1 files per texture are not allowed.</translation>
    </message>
    <message>
        <source>Die Anzahl der Texturen ist auf %1 begrenzt.</source>
        <translation>The number of textures is limited to %1.</translation>
    </message>
    <message>
        <source>Die Textur wird noch benutzt. Sie kann nicht gelöscht werden.</source>
        <translation>The texture is still in use. It cannot be deleted.</translation>
    </message>
    <message>
        <source>Die Vorlage ist leer: Umschalt+Klick auf eine Zelle übernimmt sie.</source>
        <translation>The template is empty: Shift+click on a cell takes it.</translation>
    </message>
    <message>
        <source>Erstelle 3D-Modell...</source>
        <translation>Building 3D model...</translation>
    </message>
    <message>
        <source>Erstelle %1...</source>
        <translation>Writing %1...</translation>
    </message>
    <message>
        <source>Compilierung abgeschlossen.</source>
        <translation>Compile finished.</translation>
    </message>
    <message>
        <source>Export abgeschlossen.</source>
        <translation>Export finished.</translation>
    </message>
    <message>
        <source>%1,%2 m</source>
        <translation>%1.%2 m</translation>
    </message>
    <message>
        <source>%1 × %2 Zellen, %3 × %4 Einheiten (%5 × %6)</source>
        <translation>%1 × %2 cells, %3 × %4 units (%5 × %6)</translation>
    </message>
    <message>
        <source>Fehler beim Kopieren von "%1" nach "%2".</source>
        <translation>Error copying "%1" to "%2".</translation>
    </message>
</context>
<context>
    <name>CountNames</name>
    <message>
        <source>Eckpunkte</source>
        <translation>Vertices</translation>
    </message>
    <message>
        <source>Polygone</source>
        <translation>Polygons</translation>
    </message>
    <message>
        <source>Textur-Koord.</source>
        <translation>Texture coords</translation>
    </message>
    <message>
        <source>Indezies</source>
        <translation>Indices</translation>
    </message>
</context>
<context>
    <name>CountTextPlural</name>
    <message>
        <source>Befunde</source>
        <translation>findings</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>errors</translation>
    </message>
    <message>
        <source>Warnungen</source>
        <translation>warnings</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>Zellen</source>
        <translation>cells</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>frames</translation>
    </message>
</context>
<context>
    <name>CountTextSingular</name>
    <message>
        <source>Befund</source>
        <translation>finding</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>note</translation>
    </message>
    <message>
        <source>Zelle</source>
        <translation>cell</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>frame</translation>
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
    <name>GermanFileDialog</name>
    <message>
        <source>Tessmoor-Karte</source>
        <translation>Tessmoor map</translation>
    </message>
    <message>
        <source>Tessmoor-Modell</source>
        <translation>Tessmoor model</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1-Datei</source>
        <translation>%1 file</translation>
    </message>
</context>
<context>
    <name>HelpFeature</name>
    <message>
        <source>Das Handbuch ist nicht installiert.</source>
        <translation>The user guide is not installed.</translation>
    </message>
    <message>
        <source>Das Handbuch %1 lässt sich nicht öffnen.</source>
        <translation>The user guide %1 cannot be opened.</translation>
    </message>
</context>
<context>
    <name>MapCaption</name>
    <message>
        <source>Unbenannt.tmm</source>
        <translation>Untitled.tmm</translation>
    </message>
    <message>
        <source>Tessmoor Editor - %1</source>
        <translation>Tessmoor Editor - %1</translation>
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
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
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
    <name>QtDialogLayer</name>
    <message>
        <source>Tessmoor-Editor</source>
        <translation>Tessmoor Editor</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Die letzten Änderungen wurden noch nicht gespeichert. Jetzt sichern?</source>
        <translation>The latest changes have not been saved yet. Save now?</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Tessmoor Maps (*.tmm);;Alle Dateien (*)</source>
        <translation>Tessmoor maps (*.tmm);;All files (*)</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Tessmoor-Maps (*.tmm);;Alle Dateien (*)</source>
        <translation>Tessmoor maps (*.tmm);;All files (*)</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Datei(en) der Textur hinzufügen</source>
        <translation>Add file(s) to the texture</translation>
    </message>
    <message>
        <source>PCX-Dateien (*.pcx);;Alle Dateien (*)</source>
        <translation>PCX files (*.pcx);;All files (*)</translation>
    </message>
    <message>
        <source>Tessmoor Editor</source>
        <translation>Tessmoor Editor</translation>
    </message>
    <message>
        <source>Der Editor wurde nicht ordnungsgemäß beendet. Ungesicherte Änderungen an %1 wiederherstellen?</source>
        <translation>The editor was not closed properly. Recover unsaved changes to %1?</translation>
    </message>
    <message>
        <source>Der Testlauf läuft noch. Beenden und neu starten?</source>
        <translation>The test run is still running. Stop it and start again?</translation>
    </message>
    <message>
        <source>Das Skript „%1“ möchte Dateien in „%2“ schreiben. Erlauben?</source>
        <translation>The script “%1” wants to write files in “%2”. Allow?</translation>
    </message>
    <message>
        <source>Das Skript „%1“ möchte Dateien in „%2“ lesen. Erlauben?</source>
        <translation>The script “%1” wants to read files in “%2”. Allow?</translation>
    </message>
    <message>
        <source>Programm wählen</source>
        <translation>Choose program</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>(leer)</source>
        <translation>(empty)</translation>
    </message>
</context>
<context>
    <name>ReplaceTextureDialog</name>
    <message>
        <source>Textur ersetzen</source>
        <translation>Replace texture</translation>
    </message>
    <message>
        <source>(keine Textur)</source>
        <translation>(no texture)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Alle Verweise auf „%1“ ersetzen.</source>
        <translation>Replace all references to “%1”.</translation>
    </message>
    <message>
        <source>&amp;Ersetzen durch:</source>
        <translation>&amp;Replace with:</translation>
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
    <name>ScriptTexts</name>
    <message>
        <source>„%1“ muss eine Zahl sein</source>
        <translation>“%1” must be a number</translation>
    </message>
    <message>
        <source>„%1“ muss eine ganze Zahl sein, nicht %2</source>
        <translation>“%1” must be a whole number, not %2</translation>
    </message>
    <message>
        <source>„%1“ muss ein Text sein</source>
        <translation>“%1” must be a string</translation>
    </message>
    <message>
        <source>„%1“ muss ein Objekt sein</source>
        <translation>“%1” must be an object</translation>
    </message>
    <message>
        <source>Ein Feld „%1“ hat eine Zelle nicht</source>
        <translation>A cell has no field “%1”</translation>
    </message>
    <message>
        <source>%1 passt nicht in das Feld „%2“</source>
        <translation>%1 does not fit in the field “%2”</translation>
    </message>
    <message>
        <source>„%1“ enthält ein Zeichen, das die Karte nicht speichern kann</source>
        <translation>“%1” contains a character the map cannot store</translation>
    </message>
    <message>
        <source>Ohne Fenster gibt es keine Auswahl</source>
        <translation>Without a window there is no selection</translation>
    </message>
    <message>
        <source>Einen Stempel „%1“ gibt es nicht</source>
        <translation>There is no stamp “%1”</translation>
    </message>
    <message>
        <source>Der Zugriff auf Dateien in „%1“ ist nicht erlaubt</source>
        <translation>Access to files in “%1” is not allowed</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden</source>
        <translation>“%1” cannot be read</translation>
    </message>
    <message>
        <source>„%1“ kann nicht geschrieben werden</source>
        <translation>“%1” cannot be written</translation>
    </message>
    <message>
        <source>Das Skript wurde angehalten</source>
        <translation>The script was stopped</translation>
    </message>
    <message>
        <source>Das Skript wurde nach dem Zeitlimit von %1 s angehalten</source>
        <translation>The script was stopped after the time limit of %1 s</translation>
    </message>
    <message>
        <source>Die Zelle (%1, %2) liegt außerhalb der Karte</source>
        <translation>The cell (%1, %2) lies outside the map</translation>
    </message>
    <message>
        <source>Die Zwischenablage ist leer</source>
        <translation>The clipboard is empty</translation>
    </message>
    <message>
        <source>Eine Textur %1 gibt es nicht</source>
        <translation>There is no texture %1</translation>
    </message>
    <message>
        <source>Ein Palettenfeld %1 gibt es nicht</source>
        <translation>There is no palette slot %1</translation>
    </message>
    <message>
        <source>Die Texturtabelle lässt das nicht zu</source>
        <translation>The texture table does not allow that</translation>
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
    <name>Severities</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>StampTexts</name>
    <message>
        <source>Der Stempel kann nicht unter "%1" gespeichert werden.</source>
        <translation>The stamp cannot be saved as "%1".</translation>
    </message>
</context>
<context>
    <name>StepTexts</name>
    <message>
        <source>Malen</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>Füllen</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Startposition</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>Auswahl bearbeiten</source>
        <translation>Edit selection</translation>
    </message>
    <message>
        <source>Rampe</source>
        <translation>Ramp</translation>
    </message>
    <message>
        <source>Glätten</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>Suchen und Ersetzen</source>
        <translation>Find and Replace</translation>
    </message>
    <message>
        <source>Textur hinzufügen</source>
        <translation>Add texture</translation>
    </message>
    <message>
        <source>Textur löschen</source>
        <translation>Delete texture</translation>
    </message>
    <message>
        <source>Textur umbenennen</source>
        <translation>Rename texture</translation>
    </message>
    <message>
        <source>Animationsart</source>
        <translation>Animation mode</translation>
    </message>
    <message>
        <source>Bilder hinzufügen</source>
        <translation>Add frames</translation>
    </message>
    <message>
        <source>Bild entfernen</source>
        <translation>Remove frame</translation>
    </message>
    <message>
        <source>Bild verschieben</source>
        <translation>Move frame</translation>
    </message>
    <message>
        <source>Textur ersetzen</source>
        <translation>Replace texture</translation>
    </message>
    <message>
        <source>Unbenutzte Texturen löschen</source>
        <translation>Delete unused textures</translation>
    </message>
    <message>
        <source>Stempel setzen</source>
        <translation>Place stamp</translation>
    </message>
    <message>
        <source>Skript</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Textur setzen</source>
        <translation>Set Texture</translation>
    </message>
</context>
<context>
    <name>SurfaceNames</name>
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
    <name>TFrmMain</name>
    <message>
        <source>Konnte ein oder mehrere Symbole nicht laden.</source>
        <translation>Could not load one or more symbols.</translation>
    </message>
</context>
<context>
    <name>TFrmProperties</name>
    <message>
        <source>&amp;Boden:</source>
        <translation>&amp;Floor:</translation>
    </message>
    <message>
        <source>&amp;Decke:</source>
        <translation>C&amp;eiling:</translation>
    </message>
    <message>
        <source>&amp;Wand:</source>
        <translation>&amp;Wall:</translation>
    </message>
    <message>
        <source>Sockel - B&amp;oden:</source>
        <translation>Pedestal - fl&amp;oor:</translation>
    </message>
    <message>
        <source>Sockel - D&amp;ecke:</source>
        <translation>Pedestal - ceilin&amp;g:</translation>
    </message>
</context>
<context>
    <name>TableNames</name>
    <message>
        <source>Eckpunkte</source>
        <translation>vertices</translation>
    </message>
    <message>
        <source>Polygone</source>
        <translation>polygons</translation>
    </message>
    <message>
        <source>Textur-Koordinaten</source>
        <translation>texture coordinates</translation>
    </message>
    <message>
        <source>Indizes</source>
        <translation>indices</translation>
    </message>
    <message>
        <source>Ecken in einem Polygon</source>
        <translation>corners in one polygon</translation>
    </message>
</context>
<context>
    <name>TestRunTexts</name>
    <message>
        <source>Die Zelle %1 liegt außerhalb der Karte.</source>
        <translation>The cell %1 lies outside the map.</translation>
    </message>
    <message>
        <source>Die Zelle %1 ist eine Wand; dort kann der Spieler nicht stehen.</source>
        <translation>The cell %1 is a wall; the player cannot stand there.</translation>
    </message>
    <message>
        <source>Der Testlauf wurde nicht gestartet.</source>
        <translation>The test run was not started.</translation>
    </message>
</context>
<context>
    <name>TextureBrowserFeature</name>
    <message>
        <source>Nach Name</source>
        <translation>By name</translation>
    </message>
    <message>
        <source>Nach Nutzung</source>
        <translation>By usage</translation>
    </message>
    <message>
        <source>Wie in der Tabelle</source>
        <translation>As in the table</translation>
    </message>
</context>
<context>
    <name>TextureEntryDelegate</name>
    <message>
        <source>unbenutzt</source>
        <translation>unused</translation>
    </message>
    <message>
        <source>Favorit an oder aus</source>
        <translation>Favourite on or off</translation>
    </message>
</context>
<context>
    <name>TextureUsageLabel</name>
    <message>
        <source>In %1 benutzt:</source>
        <translation>Used in %1:</translation>
    </message>
</context>
<context>
    <name>tessmoor::HeightLegend</name>
    <message>
        <source>Höhen von %1 bis %2</source>
        <translation>Heights from %1 to %2</translation>
    </message>
</context>
<context>
    <name>tessmoor::KeyCaptureField</name>
    <message>
        <source>Taste drücken</source>
        <translation>Press a key</translation>
    </message>
</context>
<context>
    <name>tessmoor::ModifiedMark</name>
    <message>
        <source>geändert</source>
        <translation>modified</translation>
    </message>
    <message>
        <source>Die Karte hat Änderungen, die noch nicht gespeichert sind.</source>
        <translation>The map has changes that are not saved yet.</translation>
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
    <name>tessmoor::TFrm3DView</name>
    <message>
        <source>3D-Ansicht</source>
        <translation>3D View</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>%1 Bilder pro Sekunde</source>
        <translation>%1 frames per second</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmAbout</name>
    <message>
        <source>Über</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tessmoor-Karteneditor</source>
        <translation>Tessmoor Map Editor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
    <message>
        <source>dd.MM.yyyy HH:mm:ss</source>
        <translation>yyyy-MM-dd HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmCommandSearch</name>
    <message>
        <source>Befehl suchen</source>
        <translation>Find a command</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmCompile</name>
    <message>
        <source>Compilieren...</source>
        <translation>Compile...</translation>
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
    <name>tessmoor::TFrmMapCheck</name>
    <message>
        <source>Keine Befunde.</source>
        <translation>No findings.</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>Karte prüfen</source>
        <translation>Check map</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Zelle</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Erneut prüfen</source>
        <translation>&amp;Recheck</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmNew</name>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Alles neu</source>
        <translation>&amp;All new</translation>
    </message>
    <message>
        <source>&amp;Texturen übernehmen</source>
        <translation>&amp;Keep textures</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmProperties</name>
    <message>
        <source>3D-Modell</source>
        <translation>3D model</translation>
    </message>
    <message>
        <source>Texturen</source>
        <translation>Textures</translation>
    </message>
    <message>
        <source>Offsets</source>
        <translation>Offsets</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Ü&amp;bernehmen</source>
        <translation>A&amp;pply</translation>
    </message>
    <message>
        <source>&amp;Typ:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>&amp;Wasserspiegel:</source>
        <translation>&amp;Water level:</translation>
    </message>
    <message>
        <source>&amp;Opazität:</source>
        <translation>&amp;Opacity:</translation>
    </message>
    <message>
        <source>&amp;Bodenhöhe:</source>
        <translation>&amp;Floor height:</translation>
    </message>
    <message>
        <source>&amp;Deckenhöhe:</source>
        <translation>C&amp;eiling height:</translation>
    </message>
    <message>
        <source>&amp;relativ</source>
        <translation>&amp;relative</translation>
    </message>
    <message>
        <source>Höhen werden zu den Höhen jeder Zelle addiert</source>
        <translation>Heights are added to the heights of each cell</translation>
    </message>
    <message>
        <source>Eigenschaften - %1</source>
        <translation>Properties - %1</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmRamp</name>
    <message>
        <source>Rampe</source>
        <translation>Ramp</translation>
    </message>
    <message>
        <source>Boden</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Decke</source>
        <translation>Ceiling</translation>
    </message>
    <message>
        <source>nach rechts</source>
        <translation>to the right</translation>
    </message>
    <message>
        <source>nach links</source>
        <translation>to the left</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>downwards</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>upwards</translation>
    </message>
    <message>
        <source>&amp;Fläche:</source>
        <translation>S&amp;urface:</translation>
    </message>
    <message>
        <source>&amp;Richtung:</source>
        <translation>&amp;Direction:</translation>
    </message>
    <message>
        <source>&amp;Starthöhe:</source>
        <translation>&amp;Start height:</translation>
    </message>
    <message>
        <source>&amp;Endhöhe:</source>
        <translation>&amp;End height:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmScriptConsole</name>
    <message>
        <source>Skriptkonsole</source>
        <translation>Script Console</translation>
    </message>
    <message>
        <source>&amp;Ausführen</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>&amp;Zeile:</source>
        <translation>&amp;Line:</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmSetStartPos</name>
    <message>
        <source>Startposition festlegen</source>
        <translation>Set Start Position</translation>
    </message>
    <message>
        <source>&amp;Spieler startet an Position:</source>
        <translation>&amp;Player starts at position:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmSettings</name>
    <message>
        <source>Bilderordner hinzufügen</source>
        <translation>Add picture folder</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Eigene Bilder (zuerst durchsucht):
%1</source>
        <translation>Own pictures (searched first):
%1</translation>
    </message>
    <message>
        <source>&amp;Weitere Bilderordner, in dieser Reihenfolge vor GFX/ des Programms:</source>
        <translation>&amp;More picture folders, searched in this order before the program's GFX/:</translation>
    </message>
    <message>
        <source>&amp;Hinzufügen...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Nach &amp;oben</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>Nach &amp;unten</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>&amp;Sicherungen früherer Versionen je Karte (0: keine):</source>
        <translation>&amp;Backups of earlier versions per map (0: none):</translation>
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
        <source>S&amp;prache:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>Same as the system</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmShortcuts</name>
    <message>
        <source>Tastenkürzel</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Befehl suchen</source>
        <translation>Find a command</translation>
    </message>
    <message>
        <source>Befehl</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>&amp;Neues Tastenkürzel:</source>
        <translation>&amp;New shortcut:</translation>
    </message>
    <message>
        <source>&amp;Zuweisen</source>
        <translation>&amp;Assign</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Das Tastenkürzel %1 gehört schon zu „%2“.</source>
        <translation>The shortcut %1 already belongs to “%2”.</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmTestProfiles</name>
    <message>
        <source>Testprofile</source>
        <translation>Test Profiles</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Als &amp;Standard</source>
        <translation>&amp;Set as default</translation>
    </message>
    <message>
        <source>Programm wählen</source>
        <translation>Choose program</translation>
    </message>
    <message>
        <source>&amp;Vorher speichern</source>
        <translation>Sa&amp;ve first</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>&amp;Programm:</source>
        <translation>&amp;Program:</translation>
    </message>
    <message>
        <source>&amp;Argumente:</source>
        <translation>&amp;Arguments:</translation>
    </message>
    <message>
        <source>Arbeits&amp;ordner:</source>
        <translation>Working f&amp;older:</translation>
    </message>
    <message>
        <source>In den Argumenten: %m Modell, %k Karte, %x %y Startzelle, %g GFX-Ordner, %% Prozentzeichen. Jeder Platzhalter bleibt ein Argument; Leerzeichen trennen, "..." hält zusammen.</source>
        <translation>In the arguments: %m model, %k map, %x %y start cell, %g GFX folder, %% percent sign. Each placeholder stays one argument; spaces separate, "..." keeps together.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (default)</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmTestRun</name>
    <message>
        <source>Testlauf</source>
        <translation>Test Run</translation>
    </message>
</context>
<context>
    <name>tessmoor::TFrmTextureEditor</name>
    <message>
        <source>Textur-Editor</source>
        <translation>Texture Editor</translation>
    </message>
    <message>
        <source>&amp;Texturen:</source>
        <translation>&amp;Textures:</translation>
    </message>
    <message>
        <source>&amp;Hinzufügen</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Dateien:</source>
        <translation>&amp;Files:</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Datei hinzufügen</source>
        <translation>Add file</translation>
    </message>
    <message>
        <source>Datei entfernen</source>
        <translation>Remove file</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>&amp;Art der Animation:</source>
        <translation>Animation &amp;mode:</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Ping-Pong</source>
        <translation>Ping-pong</translation>
    </message>
    <message>
        <source>&amp;Ersetzen...</source>
        <translation>&amp;Replace...</translation>
    </message>
    <message>
        <source>&amp;Unbenutzte löschen</source>
        <translation>Delete &amp;unused</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>tessmoor::TMapViewPanel</name>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Füllen</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Textur-Editor</source>
        <translation>Texture Editor</translation>
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
<context>
    <name>tessmoor::TextureBrowserFeature</name>
    <message>
        <source>Texturen</source>
        <translation>Textures</translation>
    </message>
    <message>
        <source>Filter: Wörter im Namen</source>
        <translation>Filter: words of the name</translation>
    </message>
    <message>
        <source>nur animiert</source>
        <translation>animated only</translation>
    </message>
    <message>
        <source>nur unbenutzt</source>
        <translation>unused only</translation>
    </message>
    <message>
        <source>Reihenfolge</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Größe des ersten Bildes</source>
        <translation>Size of the first frame</translation>
    </message>
    <message>
        <source>Jede Größe</source>
        <translation>Any size</translation>
    </message>
    <message>
        <source>Alle Texturen</source>
        <translation>All textures</translation>
    </message>
    <message>
        <source>Zuletzt benutzt</source>
        <translation>Recently used</translation>
    </message>
    <message>
        <source>Zuletzt benutzt: noch keine</source>
        <translation>Recently used: none yet</translation>
    </message>
    <message>
        <source>Favoriten</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>Favoriten: noch keine (der Stern einer Textur)</source>
        <translation>Favourites: none yet (a texture's star)</translation>
    </message>
    <message>
        <source>Zellen zeigen</source>
        <translation>Show Cells</translation>
    </message>
    <message>
        <source>Überall ersetzen durch...</source>
        <translation>Replace Everywhere With...</translation>
    </message>
    <message>
        <source>Im Textur-Editor öffnen</source>
        <translation>Open in Texture Editor</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Favorit</source>
        <translation>Favourite</translation>
    </message>
    <message>
        <source>Textur umbenennen</source>
        <translation>Rename Texture</translation>
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
</context>
</TS>