<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
        <source>Fehler beim Laden von &quot;%1&quot;.</source>
        <translation>Error loading &quot;%1&quot;.</translation>
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
        <source>&quot;%1&quot;: Die Datei ist kein Stempel.</source>
        <translation>&quot;%1&quot;: The file is not a stamp.</translation>
    </message>
    <message>
        <source>Der Stempel stammt aus einer neueren Version des Editors.</source>
        <translation>The stamp comes from a newer version of the editor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Der Stempel stammt aus einer neueren Version des Editors.</source>
        <translation>&quot;%1&quot;: The stamp comes from a newer version of the editor.</translation>
    </message>
    <message>
        <source>Der Stempel ist beschädigt.</source>
        <translation>The stamp is damaged.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Der Stempel ist beschädigt.</source>
        <translation>&quot;%1&quot;: The stamp is damaged.</translation>
    </message>
    <message>
        <source>Der Stempel kann nicht unter &quot;%1&quot; gespeichert werden.</source>
        <translation>The stamp cannot be saved as &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Der Stempel &quot;%1&quot; kann nicht geöffnet werden.</source>
        <translation>The stamp &quot;%1&quot; cannot be opened.</translation>
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
        <source>Der Stempel kann nicht unter &quot;%1&quot; gespeichert werden.</source>
        <translation>The stamp cannot be saved as &quot;%1&quot;.</translation>
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
</TS>
