#include "UsageText.h"

#include "ManualMarkup.h"

namespace tessmoor {

namespace {

constexpr size_t LineLimit = 79;
constexpr size_t TextColumn = 14;
const ManualLanguage English = ManualLanguage::English;

// The words of `text`, where a space inside brackets does not part words, so
// "[--script-timeout SECONDS]" never breaks.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words(1);
  int depth = 0;
  for (const char c : text) {
    depth += c == '[' ? 1 : c == ']' ? -1 : 0;
    if (c == ' ' && depth == 0) {
      if (!words.back().empty()) words.emplace_back();
    } else {
      words.back() += c;
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

// `text` filled into lines below the limit; the first line continues `lead`,
// later ones begin with `indent` spaces.
std::string Filled(const std::string& lead, const std::string& text, size_t indent) {
  std::string out, line = lead;
  bool lineHasWord = false;
  for (const std::string& word : Words(text)) {
    if (lineHasWord && line.size() + 1 + word.size() > LineLimit) {
      out += line + "\n";
      line = std::string(indent, ' ');
      lineHasWord = false;
    }
    if (lineHasWord) line += ' ';
    line += word;
    lineHasWord = true;
  }
  return out + line + "\n";
}

// "  -f FORMAT   text..."; a term too wide for the first column gets a line of its own.
std::string TwoColumns(const std::string& term, const std::string& text) {
  const std::string lead = "  " + term;
  if (lead.size() + 2 > TextColumn) return lead + "\n" + Filled(std::string(TextColumn, ' '), text, TextColumn);
  return Filled(lead + std::string(TextColumn - lead.size(), ' '), text, TextColumn);
}

std::string OptionTerm(const ManualOption& option) {
  std::string term;
  for (const std::string& name : option.names) term += (term.empty() ? "" : ", ") + name;
  const std::string argument = In(option.argument, English);
  return argument.empty() ? term : term + " " + argument;
}

std::string Synopsis(const Manual& manual) {
  std::string out;
  const std::string usage = "Usage: ";
  const size_t continuation = usage.size() + manual.program.size() + 1;
  for (const ManualText& form : manual.synopsis) {
    out += Filled(out.empty() ? usage : std::string(usage.size(), ' '), PlainText(In(form, English)), continuation);
  }
  return out + Filled("", PlainText(In(manual.synopsisNote, English)), 0);
}

std::string Options(const Manual& manual) {
  std::string out = "Options:\n";
  for (const ManualOption& option : manual.options)
    out += TwoColumns(OptionTerm(option), PlainText(In(option.text, English)));
  return out;
}

std::string Entries(const std::string& title, const std::vector<ManualEntry>& entries) {
  std::string out = title + ":\n";
  for (const ManualEntry& entry : entries) {
    out += TwoColumns(PlainText(In(entry.term, English)), PlainText(In(entry.text, English)));
  }
  return out;
}

std::string SeeAlso(const Manual& manual) {
  std::string pages;
  for (const std::string& page : manual.seeAlso) pages += (pages.empty() ? "" : ", ") + page;
  return Filled("See also: ", pages, 0) + Filled("", PlainText(In(manual.guide, English)), 0);
}

}  // namespace

std::string UsageText(const Manual& manual) {
  std::vector<std::string> blocks{Synopsis(manual)};
  for (const ManualText& paragraph : manual.description)
    blocks.push_back(Filled("", PlainText(In(paragraph, English)), 0));
  blocks.push_back(Options(manual));
  blocks.push_back(Filled("Exit status: ", PlainText(In(manual.exitStatus, English)), 0));
  blocks.push_back(Entries("Environment", manual.environment));
  blocks.push_back(Entries("Files", manual.files));
  blocks.push_back(SeeAlso(manual));
  std::string out;
  for (const std::string& block : blocks) {
    if (!out.empty()) out += '\n';
    out += block;
  }
  return out;
}

}  // namespace tessmoor
