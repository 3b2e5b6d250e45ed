#include "app/TestArguments.h"

namespace tessmoor {

std::vector<std::string> SplitArguments(const std::string& line) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;  // a quoted empty piece is an argument too
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        current += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        current += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == ' ' || c == '\t') {
      if (inArgument) arguments.push_back(current);
      current.clear();
      inArgument = false;
    } else {
      inArgument = true;
      if (c == '"') {
        quoted = true;
      } else {
        current += c;
      }
    }
  }
  if (inArgument) arguments.push_back(current);
  return arguments;
}

std::string ExpandPlaceholders(const std::string& text, const PlaceholderValues& values) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 == text.size()) {
      result += text[i];
      continue;
    }
    switch (text[i + 1]) {
      case 'm':
        result += values.model;
        break;
      case 'k':
        result += values.map;
        break;
      case 'x':
        result += std::to_string(values.x);
        break;
      case 'y':
        result += std::to_string(values.y);
        break;
      case 'g':
        result += values.gfx;
        break;
      case '%':
        result += '%';
        break;
      default:
        result += '%';
        continue;  // the next character is read as itself
    }
    ++i;
  }
  return result;
}

std::vector<std::string> ExpandArguments(const std::string& line, const PlaceholderValues& values) {
  std::vector<std::string> arguments = SplitArguments(line);
  for (std::string& argument : arguments) argument = ExpandPlaceholders(argument, values);
  return arguments;
}

std::string WorkingFolderFor(const TestProfile& profile, const PlaceholderValues& values) {
  if (!profile.workingFolder.empty()) return ExpandPlaceholders(profile.workingFolder, values);
  // A relative path would be read again from the new folder, so only an absolute one gives its folder.
  if (profile.program.empty() || profile.program.front() != '/') return std::string();
  const size_t slash = profile.program.rfind('/');
  return slash == 0 ? std::string("/") : profile.program.substr(0, slash);
}

}  // namespace tessmoor
