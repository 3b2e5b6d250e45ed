<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Befehle</name>
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
    </context>
<context>
    <name>Befehlsbeschreibungen</name>
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
    <name>Menüs</name>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
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
</TS>