#include "TroffPage.h"

#include <algorithm>
#include <cctype>

#include "tools/tmcompile/ManualMarkup.h"

namespace tessmoor {

namespace {

struct PageWords {
  const char* userCommands;
  const char* name;
  const char* synopsis;
  const char* description;
  const char* options;
  const char* exitStatus;
  const char* environment;
  const char* files;
  const char* seeAlso;
};

const PageWords& Words(ManualLanguage language) {
  static const PageWords english{"User Commands", "NAME",        "SYNOPSIS", "DESCRIPTION", "OPTIONS",
                                 "EXIT STATUS",   "ENVIRONMENT", "FILES",    "SEE ALSO"};
  static const PageWords german{"Benutzerbefehle", "BEZEICHNUNG", "ÜBERSICHT", "BESCHREIBUNG", "OPTIONEN",
                                "RÜCKGABEWERT",    "UMGEBUNG",    "DATEIEN",   "SIEHE AUCH"};
  return language == ManualLanguage::German ? german : english;
}

// In a marked word a dash is the minus an option is typed with, not a hyphen
// that may break the line.
std::string Escaped(const std::string& text, bool marked) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-' && marked) {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

// One line of text; a leading dot or quote would make it a request.
std::string Line(const std::string& text) {
  std::string line;
  for (const MarkupRun& run : MarkupRuns(text)) {
    const bool marked = run.style != MarkupStyle::Plain;
    const std::string font = run.style == MarkupStyle::Bold ? "\\fB" : run.style == MarkupStyle::Italic ? "\\fI" : "";
    line += marked ? font + Escaped(run.text, true) + "\\fR" : Escaped(run.text, false);
  }
  const bool request = !line.empty() && (line[0] == '.' || line[0] == '\'');
  return (request ? "\\&" : "") + line + "\n";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string OptionTerm(const ManualOption& option, ManualLanguage language) {
  std::string term;
  for (const std::string& name : option.names) term += (term.empty() ? "*" : ", *") + name + "*";
  const std::string& argument = In(option.argument, language);
  return argument.empty() ? term : term + " {" + argument + "}";
}

std::string Entries(const std::vector<ManualEntry>& entries, ManualLanguage language) {
  std::string out;
  for (const ManualEntry& entry : entries)
    out += ".TP\n" + Line(In(entry.term, language)) + Line(In(entry.text, language));
  return out;
}

// "TMEdit(1)": the name bold, the section as it stands.
std::string PageReference(const std::string& page) {
  const size_t section = std::min(page.find('('), page.size());
  std::string marked(1, '*');
  marked.append(page, 0, section).append(1, '*').append(page, section);
  return Line(marked);
}

std::string Head(const Manual& manual, ManualLanguage language, const std::string& version) {
  std::string title;
  for (const char c : manual.program) title += char(std::toupper(static_cast<unsigned char>(c)));
  const PageWords& words = Words(language);
  return ".TH " + title + " 1 " + Quoted(In(manual.date, language)) + " " +
         Quoted(In(manual.productName, language) + " " + version) + " " + Quoted(words.userCommands) + "\n" + ".SH " +
         words.name + "\n" + manual.program + " \\- " + Escaped(In(manual.summary, language), false) + "\n";
}

std::string Synopsis(const Manual& manual, ManualLanguage language) {
  std::string out = std::string(".SH ") + Words(language).synopsis + "\n";
  for (const ManualText& form : manual.synopsis) out += Line(In(form, language)) + ".br\n";
  return out + ".PP\n" + Line(In(manual.synopsisNote, language));
}

std::string Body(const Manual& manual, ManualLanguage language) {
  const PageWords& words = Words(language);
  std::string out = std::string(".SH ") + words.description + "\n";
  for (size_t i = 0; i < manual.description.size(); ++i) {
    if (i > 0) out += ".PP\n";
    out += Line(In(manual.description[i], language));
  }
  out += std::string(".SH ") + words.options + "\n";
  for (const ManualOption& option : manual.options) {
    out += ".TP\n" + Line(OptionTerm(option, language)) + Line(In(option.text, language));
  }
  out += std::string(".SH ") + words.exitStatus + "\n" + Line(In(manual.exitStatus, language));
  out += std::string(".SH ") + words.environment + "\n" + Entries(manual.environment, language);
  out += std::string(".SH ") + words.files + "\n" + Entries(manual.files, language);
  out += std::string(".SH ") + words.seeAlso + "\n";
  for (const std::string& page : manual.seeAlso) out += PageReference(page);
  return out + ".PP\n" + Line(In(manual.guide, language));
}

}  // namespace

std::string TroffPage(const Manual& manual, ManualLanguage language, const std::string& version) {
  return Head(manual, language, version) + Synopsis(manual, language) + Body(manual, language);
}

}  // namespace tessmoor
