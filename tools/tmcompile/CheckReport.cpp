#include "CheckReport.h"

#include <cstdio>

#include "texts/CheckTexts.h"

namespace tessmoor {

namespace {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string XmlText(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else if (byte < 0x20 && c != '\n' && c != '\t')
      out += ' ';  // not allowed in XML 1.0
    else
      out += c;
  }
  return out;
}

int ErrorCount(const CheckedMap& map) {
  if (!map.read) return 1;
  int errors = 0;
  for (const MapFinding& finding : map.findings) errors += finding.severity == Severity::Error;
  return errors;
}

std::string FindingJson(const MapFinding& finding) {
  std::string out = "{\"severity\": " + JsonString(SeverityId(finding.severity)) +
                    ", \"code\": " + JsonString(FindingCodeId(finding.message.code));
  if (finding.cell) {
    out += ", \"x\": " + std::to_string(finding.cell->x) + ", \"y\": " + std::to_string(finding.cell->y);
  } else {
    out += ", \"x\": null, \"y\": null";
  }
  return out + ", \"message\": " + JsonString(FindingText(finding.message)) + "}";
}

}  // namespace

std::string CheckReportJson(const std::vector<CheckedMap>& maps) {
  std::string out = "{\"maps\": [";
  for (size_t m = 0; m < maps.size(); ++m) {
    const CheckedMap& map = maps[m];
    out += m ? ",\n  " : "\n  ";
    out += "{\"path\": " + JsonString(map.path) + ", \"read\": " + (map.read ? "true" : "false");
    if (!map.read) out += ", \"problem\": " + JsonString(map.problem);
    out += ", \"errors\": " + std::to_string(ErrorCount(map)) + ", \"findings\": [";
    for (size_t f = 0; f < map.findings.size(); ++f) out += (f ? ", " : "") + FindingJson(map.findings[f]);
    out += "]}";
  }
  return out + "\n]}\n";
}

std::string CheckReportJUnit(const std::vector<CheckedMap>& maps) {
  int failures = 0;
  for (const CheckedMap& map : maps) failures += ErrorCount(map);
  const std::string counts =
      " tests=\"" + std::to_string(maps.size()) + "\" failures=\"" + std::to_string(failures) + "\" errors=\"0\"";
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites name=\"tmcompile --check\"" + counts +
                    ">\n  <testsuite name=\"tmcompile --check\"" + counts + ">\n";
  for (const CheckedMap& map : maps) {
    // The report's names are the same in every language (data, not a text).
    out += "    <testcase classname=\"Kartenprüfung\" name=\"" + XmlText(map.path) + "\">\n";
    // A failure's type is the severity's name, as CI tools read it (data, not a text).
    if (!map.read) out += "      <failure message=\"" + XmlText(map.problem) + "\" type=\"Fehler\"/>\n";
    std::string notes;
    for (const MapFinding& finding : map.findings) {
      const std::string line = FindingLine(finding);
      if (finding.severity == Severity::Error) {
        out += "      <failure message=\"" + XmlText(FindingText(finding.message)) + "\" type=\"" +
               FindingCodeId(finding.message.code) + "\">" + XmlText(line) + "</failure>\n";
      } else {
        notes += XmlText(line) + "\n";
      }
    }
    if (!notes.empty()) out += "      <system-out>" + notes + "</system-out>\n";
    out += "    </testcase>\n";
  }
  return out + "  </testsuite>\n</testsuites>\n";
}

}  // namespace tessmoor
