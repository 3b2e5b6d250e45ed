#include "Manual.h"

namespace tessmoor {

const std::string& In(const ManualText& text, ManualLanguage language) {
  return language == ManualLanguage::German ? text.de : text.en;
}

namespace {

std::vector<ManualText> Synopsis() {
  return {
      {"*tmcompile* [*-o* {MODEL}] {MAP}", "*tmcompile* [*-o* {MODELL}] {KARTE}"},
      {"*tmcompile* *-f* *glb*|*obj*|*tcm* [*-o* {OUT}] [*--gfx* {DIR}]... {MAP}",
       "*tmcompile* *-f* *glb*|*obj*|*tcm* [*-o* {AUSGABE}] [*--gfx* {ORDNER}]... {KARTE}"},
      {"*tmcompile* *--check* [*--format* *text*|*json*|*junit*] {MAP}...",
       "*tmcompile* *--check* [*--format* *text*|*json*|*junit*] {KARTE}..."},
      {"*tmcompile* *--script* {SCRIPT.js} [*--script-timeout* {SECONDS}] [*--allow-files* {DIR}]... "
       "[*-o* {OUT.tmm}] {MAP}",
       "*tmcompile* *--script* {SKRIPT.js} [*--script-timeout* {SEKUNDEN}] [*--allow-files* {ORDNER}]... "
       "[*-o* {AUSGABE.tmm}] {KARTE}"},
  };
}

std::vector<ManualText> Description() {
  return {
      {"*tmcompile* reads the map {MAP} (a {.tmm} file), prints the compile log and writes the model, by default "
       "beside the map with the extension {.tcm}.",
       "*tmcompile* liest die Karte {KARTE} (eine {.tmm}-Datei), gibt das Compilierungsprotokoll aus und schreibt "
       "das Modell, standardmäßig neben die Karte mit der Endung {.tcm}."},
      {"With *-f* *glb* or *obj* it exports the map instead; with *--check* it prints the map check's findings; "
       "with *--script* it runs a script on the map without a window.",
       "Mit *-f* *glb* oder *obj* exportiert es die Karte stattdessen; mit *--check* gibt es die Befunde der "
       "Kartenprüfung aus; mit *--script* führt es ein Skript ohne Fenster auf der Karte aus."},
  };
}

std::vector<ManualOption> OutputOptions() {
  return {
      {{"-f"},
       {"FORMAT", "FORMAT"},
       {"*tcm* (the default) compiles the model; *glb* exports glTF 2.0 and *obj* Wavefront OBJ, with a {.mtl} "
        "file and one PNG picture per texture beside it.",
        "*tcm* (die Vorgabe) compiliert das Modell; *glb* exportiert glTF 2.0 und *obj* Wavefront OBJ, mit einer "
        "{.mtl}-Datei und einem PNG-Bild je Textur daneben."}},
      {{"-o"},
       {"OUT", "AUSGABE"},
       {"The file to write instead of the one beside the map (the map's name with the format's extension).",
        "Die Datei, die statt der neben der Karte geschrieben wird (der Name der Karte mit der Endung des "
        "Formats)."}},
      {{"--gfx"},
       {"DIR", "ORDNER"},
       {"Look for frame pictures in {DIR} before the program's {GFX/} folder. Repeatable; the folders are searched "
        "in the order given. Only exports load pictures.",
        "Bilder der Texturen in {ORDNER} suchen, bevor im Ordner {GFX/} des Programms gesucht wird. Mehrfach "
        "möglich; die Ordner werden in der angegebenen Reihenfolge durchsucht. Nur Exporte laden Bilder."}},
  };
}

std::vector<ManualOption> CheckOptions() {
  return {
      {{"--check"},
       {},
       {"Print the map check's findings, one per line, and write nothing. Takes one or more maps; exit status 1 "
        "when one of the findings is an error.",
        "Die Befunde der Kartenprüfung ausgeben, einen je Zeile, und nichts schreiben. Nimmt eine oder mehrere "
        "Karten; Rückgabewert 1, wenn einer der Befunde ein Fehler ist."}},
      {{"--format"},
       {"FORMAT", "FORMAT"},
       {"With *--check*: *text* (the default), *json* (one object per map with its findings), or *junit* (JUnit "
        "XML for CI servers: one test case per map, one failure per error).",
        "Mit *--check*: *text* (die Vorgabe), *json* (ein Objekt je Karte mit ihren Befunden) oder *junit* "
        "(JUnit-XML für CI-Server: ein Testfall je Karte, ein Fehlschlag je Fehler)."}},
  };
}

std::vector<ManualOption> ScriptOptions() {
  return {
      {{"--script"},
       {"SCRIPT.js", "SKRIPT.js"},
       {"Run the JavaScript file on the map without a window and save the result over the map, or to the file "
        "given with *-o*. The script reaches the map through the object *tessmoor*; the selection does not exist "
        "without a window. Exit status 1 when the script throws.",
        "Die JavaScript-Datei ohne Fenster auf der Karte ausführen und das Ergebnis über die Karte speichern oder in "
        "die mit *-o* angegebene Datei. Das Skript erreicht die Karte über das Objekt *tessmoor*; ohne Fenster gibt "
        "es keine Auswahl. Rückgabewert 1, wenn das Skript eine Ausnahme wirft."}},
      {{"--script-timeout"},
       {"SECONDS", "SEKUNDEN"},
       {"Stop a script that runs longer (default 60, at most 86400, a day); exit status 1, with a message naming "
        "the limit.",
        "Ein Skript anhalten, das länger läuft (Vorgabe 60, höchstens 86400, ein Tag); Rückgabewert 1, mit einer "
        "Meldung, die das Zeitlimit nennt."}},
      {{"--allow-files"},
       {"DIR", "ORDNER"},
       {"Let the script's file functions read and write in {DIR} and below it. Repeatable; without it a script "
        "reaches no file.",
        "Die Dateifunktionen des Skripts in {ORDNER} und darunter lesen und schreiben lassen. Mehrfach möglich; "
        "ohne diese Option erreicht ein Skript keine Datei."}},
  };
}

std::vector<ManualOption> GeneralOptions() {
  return {
      {{"--lang"},
       {"LANGUAGE", "SPRACHE"},
       {"The language of the messages and the compile log: *de* (German) or *en* (English). Overrides the locale. "
        "Compiled files and the field names of the JSON and JUnit reports are the same in both.",
        "Die Sprache der Meldungen und des Compilierungsprotokolls: *de* (Deutsch) oder *en* (Englisch). Geht der "
        "Locale vor. Die geschriebenen Dateien und die Feldnamen der JSON- und JUnit-Berichte sind in beiden "
        "Sprachen gleich."}},
      {{"--"},
       {},
       {"End the options: every later argument is a map, even one that begins with *-*.",
        "Die Optionen beenden: jedes weitere Argument ist eine Karte, auch eines, das mit *-* beginnt."}},
      {{"-h", "--help"}, {}, {"Show the usage (in English).", "Die Aufrufsyntax zeigen (auf Englisch)."}},
  };
}

std::vector<ManualOption> Options() {
  std::vector<ManualOption> options;
  for (auto part : {OutputOptions, CheckOptions, ScriptOptions, GeneralOptions}) {
    for (ManualOption& option : part()) options.push_back(std::move(option));
  }
  return options;
}

std::vector<ManualEntry> Environment() {
  return {{{"*LC_ALL*, *LC_MESSAGES*, *LANG*", "*LC_ALL*, *LC_MESSAGES*, *LANG*"},
           {"The first of them that is set chooses the language of the messages, unless *--lang* is given: German "
            "when its language is German, or when it is *C* or *POSIX*, or when none is set; English for any other "
            "language.",
            "Die erste gesetzte dieser Variablen wählt die Sprache der Meldungen, wenn *--lang* fehlt: Deutsch, wenn "
            "ihre Sprache Deutsch ist, wenn sie *C* oder *POSIX* ist oder wenn keine gesetzt ist; Englisch für jede "
            "andere Sprache."}}};
}

Manual MakeManual() {
  Manual manual;
  manual.program = "tmcompile";
  manual.summary = {"compile, check or export Tessmoor maps", "Tessmoor-Karten compilieren, prüfen oder exportieren"};
  // The month the pages last changed in what they say.
  manual.date = {"December 2026", "Dezember 2026"};
  manual.productName = {"Tessmoor editor", "Tessmoor-Editor"};
  manual.synopsis = Synopsis();
  manual.synopsisNote = {"Every form also takes *--lang* *de*|*en*.", "Jede Form nimmt auch *--lang* *de*|*en*."};
  manual.description = Description();
  manual.options = Options();
  manual.exitStatus = {
      "0 on success, 1 on failure (the reason on standard error; with *--check*, when a finding is an error), 2 for "
      "wrong arguments.",
      "0 bei Erfolg, 1 bei einem Fehlschlag (der Grund auf der Standardfehlerausgabe; mit *--check*, wenn ein Befund "
      "ein Fehler ist), 2 bei falschen Argumenten."};
  manual.environment = Environment();
  manual.files = {{{"{/usr/share/tessmoor-editor/GFX/}", "{/usr/share/tessmoor-editor/GFX/}"},
                   {"The program's texture pictures (beside the program in a build).",
                    "Die Texturbilder des Programms (in einem Build neben dem Programm)."}}};
  manual.seeAlso = {"TMEdit(1)"};
  manual.guide = {"The user guide: {/usr/share/doc/tessmoor-editor/html/index.html}",
                  "Das Handbuch: {/usr/share/doc/tessmoor-editor/html/index.html}"};
  return manual;
}

}  // namespace

const Manual& TmcompileManual() {
  static const Manual manual = MakeManual();
  return manual;
}

std::vector<std::string> ManualOptionNames(const Manual& manual) {
  std::vector<std::string> names;
  for (const ManualOption& option : manual.options) names.insert(names.end(), option.names.begin(), option.names.end());
  return names;
}

}  // namespace tessmoor
