#include "Arguments.h"

#include <functional>

namespace tessmoor {

namespace {

struct Parsing {
  Arguments arguments;
  bool haveModel = false;
  bool haveFormat = false;
  bool optionsEnded = false;
};

// What an option does with its value (null when the command line ends before
// it, or for an option that takes none); the complaint, or empty.
using Apply = std::function<std::string(Parsing&, const char* value)>;

struct OptionRule {
  std::vector<std::string> names;
  bool takesValue;
  Apply apply;
};

// A whole number of seconds from 1 to a day.
bool ParseSeconds(const std::string& text, int& seconds) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  seconds = std::stoi(text);
  return seconds >= 1 && seconds <= 86400;
}

std::string Format(Parsing& p, const char* value) {
  if (p.haveFormat) return "-f given twice";
  if (!value) return "-f needs a format";
  p.arguments.format = value;
  p.haveFormat = true;
  const std::string& format = p.arguments.format;
  return format == "tcm" || format == "glb" || format == "obj" ? "" : "unknown format " + format;
}

std::string Output(Parsing& p, const char* value) {
  if (p.haveModel) return "-o given twice";
  if (!value) return "-o needs a model file name";
  p.arguments.modelPath = value;
  p.haveModel = true;
  return {};
}

std::string ReportFormat(Parsing& p, const char* value) {
  std::string& format = p.arguments.reportFormat;
  if (!format.empty()) return "--format given twice";
  if (!value) return "--format needs text, json or junit";
  format = value;
  return format == "text" || format == "json" || format == "junit" ? "" : "unknown report format " + format;
}

std::string Script(Parsing& p, const char* value) {
  if (!p.arguments.scriptPath.empty()) return "--script given twice";
  if (!value || !*value) return "--script needs a script file";
  p.arguments.scriptPath = value;
  return {};
}

std::string ScriptTimeout(Parsing& p, const char* value) {
  if (!value || !ParseSeconds(value, p.arguments.scriptTimeout))
    return "--script-timeout needs a number of seconds from 1 to 86400";
  p.arguments.timeoutGiven = true;
  return {};
}

std::string Language(Parsing& p, const char* value) {
  if (p.arguments.language) return "--lang given twice";
  if (!value || !(p.arguments.language = ParseMessageLanguage(value))) return "--lang needs de or en";
  return {};
}

// A folder more for a list that the option may fill.
Apply Folder(std::vector<std::string> Arguments::*list, const std::string& complaint) {
  return [list, complaint](Parsing& p, const char* value) -> std::string {
    if (!value) return complaint;
    (p.arguments.*list).push_back(value);
    return {};
  };
}

// Sets a flag of the parse; the option takes no value.
Apply Flag(std::function<void(Parsing&)> set) {
  return [set](Parsing& p, const char*) -> std::string {
    set(p);
    return {};
  };
}

const std::vector<OptionRule>& Rules() {
  static const std::vector<OptionRule> rules = {
      {{"-f"}, true, Format},
      {{"-o"}, true, Output},
      {{"--gfx"}, true, Folder(&Arguments::pictureFolders, "--gfx needs a folder")},
      {{"--check"}, false, Flag([](Parsing& p) { p.arguments.check = true; })},
      {{"--format"}, true, ReportFormat},
      {{"--script"}, true, Script},
      {{"--script-timeout"}, true, ScriptTimeout},
      {{"--allow-files"}, true, Folder(&Arguments::allowedFolders, "--allow-files needs a folder")},
      {{"--lang"}, true, Language},
      {{"--"}, false, Flag([](Parsing& p) { p.optionsEnded = true; })},
      {{"-h", "--help"}, false, Flag([](Parsing& p) { p.arguments.help = true; })},
  };
  return rules;
}

const OptionRule* RuleNamed(const std::string& name) {
  for (const OptionRule& rule : Rules()) {
    for (const std::string& ruleName : rule.names) {
      if (ruleName == name) return &rule;
    }
  }
  return nullptr;
}

void AddMap(Arguments& arguments, bool& haveMap, const std::string& path) {
  if (haveMap) {
    arguments.extraMaps.push_back(path);
  } else {
    arguments.mapPath = path;
    haveMap = true;
  }
}

// The rules between options, once every argument is read.
std::string Conflict(const Parsing& p, bool haveMap) {
  const Arguments& arguments = p.arguments;
  if (!arguments.help && !haveMap) return "no map given";
  if (arguments.check && p.haveModel) return "--check writes no model; -o is not allowed with it";
  if (!arguments.extraMaps.empty() && !arguments.check) return "only one map can be compiled at a time";
  if (!arguments.reportFormat.empty() && !arguments.check) return "--format goes with --check";
  const bool script = !arguments.scriptPath.empty();
  if (script && (arguments.check || p.haveFormat)) return "--script runs alone; --check and -f are not allowed with it";
  if (!script && (arguments.timeoutGiven || !arguments.allowedFolders.empty()))
    return "--script-timeout and --allow-files go with --script";
  return {};
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& arguments) {
  Parsing p;
  bool haveMap = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    const OptionRule* rule = p.optionsEnded ? nullptr : RuleNamed(arg);
    if (rule) {
      const bool valueGiven = rule->takesValue && i + 1 < arguments.size();
      const std::string complaint = rule->apply(p, valueGiven ? arguments[++i].c_str() : nullptr);
      if (!complaint.empty()) return {std::nullopt, complaint};
    } else if (!p.optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return {std::nullopt, "unknown option " + arg};
    } else {
      AddMap(p.arguments, haveMap, arg);
    }
  }
  if (const std::string conflict = Conflict(p, haveMap); !conflict.empty()) return {std::nullopt, conflict};
  return {p.arguments, {}};
}

std::vector<ParsedOption> ParsedOptions() {
  std::vector<ParsedOption> options;
  for (const OptionRule& rule : Rules()) {
    for (const std::string& name : rule.names) options.push_back({name, rule.takesValue});
  }
  return options;
}

}  // namespace tessmoor
