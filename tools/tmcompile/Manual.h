#pragma once
// What tmcompile is and takes, said once in English and German: its --help and
// both manual pages are made from it, so they cannot tell different stories.
//
// Texts carry a small inline markup: *word* is bold (what is typed as it
// stands: options, values, program names) and {word} is italic (what the user
// replaces, file names). A plain rendering drops the marks.

#include <string>
#include <vector>

namespace tessmoor {

// One text in both languages.
struct ManualText {
  std::string en;
  std::string de;
};

enum class ManualLanguage { English, German };

const std::string& In(const ManualText& text, ManualLanguage language);

struct ManualOption {
  std::vector<std::string> names;  // "-h", "--help"
  ManualText argument;             // the word for its value; empty when it takes none
  ManualText text;
};

// A term and what it means: a variable, a file.
struct ManualEntry {
  ManualText term;
  ManualText text;
};

struct Manual {
  std::string program;
  ManualText summary;                // the name line: what the program does, in a few words
  ManualText date;                   // fixed, so a build is reproducible
  ManualText productName;            // "Tessmoor editor", before the version
  std::vector<ManualText> synopsis;  // one line per way to call it
  ManualText synopsisNote;           // what every way also takes
  std::vector<ManualText> description;
  std::vector<ManualOption> options;
  ManualText exitStatus;
  std::vector<ManualEntry> environment;
  std::vector<ManualEntry> files;
  std::vector<std::string> seeAlso;  // other manual pages, "TMEdit(1)"
  ManualText guide;                  // where the user guide lies
};

const Manual& TmcompileManual();

// Every name of every option the manual describes.
std::vector<std::string> ManualOptionNames(const Manual& manual);

}  // namespace tessmoor
