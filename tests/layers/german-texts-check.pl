#!/usr/bin/perl
# The core hands up codes and arguments; only the texts library words them. This
# check reads every string literal of the core folders and fails on one that is
# German: umlauts or sharp s, or one of the common German words below. Names the
# map file or the settings store (and the exported model's node names) are data,
# not texts, and stay in the allow-list.
#
# Usage: german-texts-check.pl SOURCE_DIR
use strict;
use warnings;

my $root = shift // '.';
my @coreFolders = qw(io graphics document textures edit view compiler check preview export app);

my @germanWords = qw(
  nicht kein keine keiner ist sind wird werden wurde und oder mit ohne beim dem den der zu von liegt
  kann Die Der Das Fehler Warnung Hinweis Textur Texturen Zelle Zellen Karte Datei Stempel Bild Bilder
  Modell Eckpunkte Polygone Indizes Indezies Einheiten Wand Boden Decke Sockel Fenster Rampe Malen
  Eigenschaften Startposition Auswahl Erstelle Sicherung Profil Gezeigt Konnte Anzahl Vorlage Mehr Ecken
  Wasserbecken Animationsart Compilierung abgeschlossen Suchen Ersetzen
);
my $wordPattern = join '|', @germanWords;

# Exact literals that are stored data: the untitled map's file name, a new
# texture's name in the table, a new test profile's name in the settings, and
# the root node of an exported model.
my %allowed = map { $_ => 1 } ('Unbenannt.tmm', 'Neue Textur', 'Profil ', 'Karte');

# Files whose texts may still be words in the core while their area moves to
# codes. Empty: every core area hands up codes now. An entry is a path below the
# source folder ("io/MapBackups.cpp"); take it off when its area is done.
my %knownExceptions = map { $_ => 1 } qw();

sub Literals {
  my ($text) = @_;
  my @found;
  # Strings first, so that "//" inside a literal is no comment; comments are skipped.
  while ($text =~ m{ (//[^\n]*) | (/\*.*?\*/) | (?:u8|L|u|U)?"((?:[^"\\\n]|\\.)*)" | ('(?:[^'\\\n]|\\.)*') }gsx) {
    next unless defined $3;
    my $line = 1 + (substr($text, 0, $-[0]) =~ tr/\n//);
    push @found, [$line, $3];
  }
  return @found;
}

my @offences;
for my $folder (@coreFolders) {
  for my $file (sort glob("$root/$folder/*.h $root/$folder/*.cpp")) {
    (my $relative = $file) =~ s{^\Q$root\E/}{};
    next if $knownExceptions{$relative};
    open my $in, '<:raw', $file or die "$file: $!";
    my $text = do { local $/; <$in> };
    close $in;
    for my $literal (Literals($text)) {
      my ($line, $string) = @$literal;
      next if $allowed{$string};
      if ($string =~ /\xC3[\x84\x96\x9C\xA4\xB6\xBC\x9F]/ || $string =~ /(?<![A-Za-z])(?:$wordPattern)(?![A-Za-z])/) {
        push @offences, "$relative:$line: \"$string\"";
      }
    }
  }
}

if (@offences) {
  print "German texts in the core (hand up a code and word it in texts/):\n";
  print "  $_\n" for @offences;
  printf "%d German literals in %d core files\n", scalar @offences,
    scalar(keys %{{ map { (split /:/)[0] => 1 } @offences }});
  exit 1;
}
print "No German texts in the core\n";
printf "Known exceptions: %s\n", join(' ', sort keys %knownExceptions) if %knownExceptions;
exit 0;
