#!/usr/bin/perl
# Every German text the user reads goes through a translation call, or English
# would show it in German. This check reads every string literal of the editor,
# the texts library, the script API and tmcompile, and fails on a German one
# (umlauts, sharp s, or a common German word) that is not the text of tr(),
# translate(), Tr() or QT_TRANSLATE_NOOP() / QT_TR_NOOP(). The first argument of
# a translate call (its context) is a name, not a text. Names of stored data
# (settings keys, stored file and texture names) are allowed below.
#
# Usage: untranslated-texts-check.pl SOURCE_DIR
use strict;
use warnings;

my $root = shift // '.';
my @folders = qw(editor/main editor/windows editor/widgets editor/features editor/commands editor/mapview
  editor/preview3d editor texts scripting tools/tmcompile);

my @germanWords = qw(
  nicht kein keine keiner ist sind wird werden wurde und oder mit ohne beim dem den der zu von liegt
  kann Die Der Das Fehler Warnung Hinweis Textur Texturen Zelle Zellen Karte Datei Stempel Bild Bilder
  Modell Eckpunkte Polygone Indizes Indezies Einheiten Wand Boden Decke Sockel Fenster Rampe Malen
  Eigenschaften Startposition Auswahl Erstelle Sicherung Profil Gezeigt Konnte Anzahl Vorlage Mehr Ecken
  Wasserbecken Animationsart Compilierung abgeschlossen Suchen Ersetzen Ansicht Bearbeiten Einstellungen
  Abbrechen Schließen Speichern Öffnen Neu Ebene Skript Skripte Hilfe Ja Nein Alle Ordner Farbe
);
my $wordPattern = join '|', @germanWords;

# Stored data, never shown as a text: the untitled map's file name, a new
# texture's and a new profile's stored names, the exported model's root node.
my %allowed = map { $_ => 1 } ('Unbenannt.tmm', 'Neue Textur', 'Profil ', 'Karte');

sub IsStoredName {
  my ($string) = @_;
  # A settings key or group: "Fenster/Geometrie", "Skripte/Dateizugriff".
  return $string =~ m{^[A-Za-z0-9]+(?:/[A-Za-z0-9%]+)+$};
}

# Whether the literal starting at `offset` is the text of a translation call.
sub IsTranslated {
  my ($text, $offset) = @_;
  my $before = substr($text, 0, $offset);
  return 1 if $before =~ /\b(?:tr|QT_TR_NOOP|qsTr)\(\s*$/;
  return 1 if $before =~ /\b(?:translate|Tr|QT_TRANSLATE_NOOP)\(\s*"[^"\n]*"\s*,\s*$/;
  # The context: the first argument.
  return 1 if $before =~ /\b(?:translate|Tr|QT_TRANSLATE_NOOP)\(\s*$/;
  return 0;
}

my @offences;
for my $folder (@folders) {
  for my $file (sort glob("$root/$folder/*.h $root/$folder/*.cpp")) {
    (my $relative = $file) =~ s{^\Q$root\E/}{};
    open my $in, '<:raw', $file or die "$file: $!";
    my $text = do { local $/; <$in> };
    close $in;
    while ($text =~ m{ (//[^\n]*) | (/\*.*?\*/) | (?:u8|L|u|U)?"((?:[^"\\\n]|\\.)*)" | ('(?:[^'\\\n]|\\.)*') }gsx) {
      next unless defined $3;
      my ($string, $start) = ($3, $-[0]);
      next if $allowed{$string} || IsStoredName($string);
      next unless $string =~ /\xC3[\x84\x96\x9C\xA4\xB6\xBC\x9F]/ || $string =~ /(?<![A-Za-z])(?:$wordPattern)(?![A-Za-z])/;
      next if IsTranslated($text, $start);
      my $line = 1 + (substr($text, 0, $start) =~ tr/\n//);
      push @offences, "$relative:$line: \"$string\"";
    }
  }
}

if (@offences) {
  print "German texts outside a translation call (put them in tr(), translate() or Tr()):\n";
  print "  $_\n" for @offences;
  printf "%d untranslated German literals\n", scalar @offences;
  exit 1;
}
print "Every German text goes through a translation call\n";
exit 0;
