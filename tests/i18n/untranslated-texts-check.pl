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
# texture's and a new profile's stored names, the exported model's root node;
# and the file dialog's sample of its widest type name, which only measures.
my %allowed = map { $_ => 1 } ('Unbenannt.tmm', 'Neue Textur', 'Profil ', 'Karte', 'Tessmoor-Modell');

sub IsStoredName {
  my ($string) = @_;
  # A settings key: a group of one word, then the key ("Fenster/Geometrie",
  # "3DAnsicht/Bilder pro Sekunde", "Skripte/Dateizugriff/%1-%2-%3").
  return $string =~ m{^[A-Za-z0-9]+/[^/\s][^/]*(?:/[^/\s][^/]*)*$};
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

sub ReadFile {
  my ($file) = @_;
  open my $in, '<:raw', $file or die "$file: $!";
  my $text = do { local $/; <$in> };
  close $in;
  return $text;
}

# tmcompile's manual holds each text in English and German side by side, and the
# page being written picks one: its German needs no translation call.
my %bothLanguages = map { $_ => 1 } ('tools/tmcompile/Manual.cpp');

my @files;
for my $folder (@folders) {
  push @files, grep { !$bothLanguages{substr($_, length("$root/"))} } sort glob("$root/$folder/*.h $root/$folder/*.cpp");
}

# A command's menu path ("&Bearbeiten", "3D-Ansicht/&Animation") is translated
# part by part as menu titles; a path is fine when each part is a marked title.
my %menuTitles;
for my $file (@files) {
  my $text = ReadFile($file);
  $menuTitles{$1} = 1 while $text =~ /QT_TRANSLATE_NOOP\(\s*"Men\xC3\xBCs"\s*,\s*"((?:[^"\\\n]|\\.)*)"/g;
}
sub IsMenuPath {
  my ($string) = @_;
  for my $part (split m{/}, $string) { return 0 unless $menuTitles{$part}; }
  return 1;
}

my @offences;
for my $file (@files) {
  (my $relative = $file) =~ s{^\Q$root\E/}{};
  my $text = ReadFile($file);
  # A literal right after another continues it ("a" "b") and shares its verdict.
  my ($previousEnd, $previousTranslated) = (-1, 0);
  while ($text =~ m{ (//[^\n]*) | (/\*.*?\*/) | (?:u8|L|u|U)?"((?:[^"\\\n]|\\.)*)" | ('(?:[^'\\\n]|\\.)*') }gsx) {
    next unless defined $3;
    my ($string, $start, $end) = ($3, $-[0], $+[0]);
    my $continues = $previousEnd >= 0 && substr($text, $previousEnd, $start - $previousEnd) =~ /^\s*$/;
    my $translated = $continues ? $previousTranslated : IsTranslated($text, $start);
    ($previousEnd, $previousTranslated) = ($end, $translated);
    next if $translated || $allowed{$string} || IsStoredName($string) || IsMenuPath($string);
    # A line may say that its words are data (a report's field values) or name
    # such data, the same in every language.
    my $lineStart = rindex($text, "\n", $start) + 1;
    my $lineEnd = index($text, "\n", $start);
    my $previousLine = rindex($text, "\n", $lineStart - 2) + 1;
    next if substr($text, $previousLine, $lineEnd - $previousLine) =~ /\(data, not a text\)/;
    next unless $string =~ /\xC3[\x84\x96\x9C\xA4\xB6\xBC\x9F]/ || $string =~ /(?<![A-Za-z])(?:$wordPattern)(?![A-Za-z])/;
    my $line = 1 + (substr($text, 0, $start) =~ tr/\n//);
    push @offences, "$relative:$line: \"$string\"";
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
