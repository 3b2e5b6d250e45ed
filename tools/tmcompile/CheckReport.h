#pragma once
// The map check's findings for build pipelines: JSON for scripts of their own,
// JUnit XML for CI servers (one test case per map, one failure per error).

#include <string>
#include <vector>

#include "check/MapFinding.h"

namespace tessmoor {

struct CheckedMap {
  std::string path;
  bool read = true;  // false: the map could not be read, `problem` says why
  std::string problem;
  MapFindings findings;
};

std::string CheckReportJson(const std::vector<CheckedMap>& maps);
std::string CheckReportJUnit(const std::vector<CheckedMap>& maps);

}  // namespace tessmoor
