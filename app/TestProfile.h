#pragma once
// Test profiles: how the designer's own engine is started for a test run. A
// profile is data (program, argument line, working folder, save first); the
// editor keeps the list in its settings and one of them is the default.

#include <string>
#include <vector>

namespace tessmoor {

struct TestProfile {
  std::string name;           // UTF-8, as the list shows it
  std::string program;        // a path, or a name looked up in PATH
  std::string arguments;      // one line; see SplitArguments (app/TestArguments.h)
  std::string workingFolder;  // empty: the program's folder (see WorkingFolderFor)
  bool saveFirst = false;     // "Vorher speichern"

  bool operator==(const TestProfile&) const = default;
};

// The list with its default. defaultIndex names a profile exactly when the list
// is not empty; the operations below keep it so.
struct TestProfiles {
  std::vector<TestProfile> profiles;
  int defaultIndex = -1;

  bool operator==(const TestProfiles&) const = default;
  // The default profile, or null when there is none.
  const TestProfile* Default() const;
};

// Appends a profile named "Profil N" with the first N not yet taken, and returns
// its index. The first profile of a list becomes its default.
int AddProfile(TestProfiles& list);

// Removes profile `index` (ignored when out of range). When it was the default,
// the first remaining profile takes its place.
void RemoveProfile(TestProfiles& list, int index);

// Makes profile `index` the default (ignored when out of range).
void SetDefaultProfile(TestProfiles& list, int index);

// Brings a list read from somewhere untrusted (the settings file) into shape:
// a default out of range becomes the first profile, or none for an empty list.
void NormalizeProfiles(TestProfiles& list);

}  // namespace tessmoor
