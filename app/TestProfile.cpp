#include "app/TestProfile.h"

#include <algorithm>

namespace tessmoor {

const TestProfile* TestProfiles::Default() const {
  if (defaultIndex < 0 || defaultIndex >= static_cast<int>(profiles.size())) return nullptr;
  return &profiles[static_cast<size_t>(defaultIndex)];
}

int AddProfile(TestProfiles& list) {
  const auto taken = [&list](const std::string& name) {
    return std::any_of(list.profiles.begin(), list.profiles.end(),
                       [&name](const TestProfile& profile) { return profile.name == name; });
  };
  std::string name;
  for (int n = 1; taken(name = "Profil " + std::to_string(n)); ++n) {
  }
  TestProfile profile;
  profile.name = name;
  list.profiles.push_back(profile);
  NormalizeProfiles(list);
  return static_cast<int>(list.profiles.size()) - 1;
}

void RemoveProfile(TestProfiles& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.profiles.size())) return;
  list.profiles.erase(list.profiles.begin() + index);
  if (list.defaultIndex == index) {
    list.defaultIndex = 0;
  } else if (list.defaultIndex > index) {
    --list.defaultIndex;
  }
  NormalizeProfiles(list);
}

void SetDefaultProfile(TestProfiles& list, int index) {
  if (index >= 0 && index < static_cast<int>(list.profiles.size())) list.defaultIndex = index;
}

void NormalizeProfiles(TestProfiles& list) {
  if (list.profiles.empty()) {
    list.defaultIndex = -1;
  } else if (list.defaultIndex < 0 || list.defaultIndex >= static_cast<int>(list.profiles.size())) {
    list.defaultIndex = 0;
  }
}

}  // namespace tessmoor
