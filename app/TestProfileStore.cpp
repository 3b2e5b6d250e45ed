#include "app/TestProfileStore.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tessmoor {

namespace {

const std::string ProfilesGroup = "Testprofile";
const std::string ProfilesArray = ProfilesGroup + "/Profile/";
const std::string SizeKey = ProfilesArray + "size";
const std::string DefaultKey = ProfilesGroup + "/Standard";

// The settings store's reading of a number: surrounding blanks allowed, 0 for anything else.
int NumberOf(const std::optional<std::string>& value) {
  if (!value) return 0;
  const size_t first = value->find_first_not_of(" \t\n\r");
  const size_t last = value->find_last_not_of(" \t\n\r");
  if (first == std::string::npos) return 0;
  const char* begin = value->data() + first;
  const char* end = value->data() + last + 1;
  if (*begin == '+') ++begin;
  int number = 0;
  const auto [stop, error] = std::from_chars(begin, end, number);
  return error == std::errc() && stop == end ? number : 0;
}

// The settings store's reading of a flag: false for nothing, "", "0" and "false" in any case.
bool FlagOf(const std::optional<std::string>& value) {
  if (!value) return false;
  std::string lower = *value;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return !(lower.empty() || lower == "0" || lower == "false");
}

std::string TextOf(const std::optional<std::string>& value) { return value.value_or(std::string()); }

// Array entries are numbered from 1, as the settings file has always had them.
std::string EntryKey(size_t index, const char* field) {
  return ProfilesArray + std::to_string(index + 1) + "/" + field;
}

}  // namespace

TestProfiles LoadTestProfiles(const KeyValueStore& settings) {
  TestProfiles list;
  const int count = NumberOf(settings.Value(SizeKey));
  for (size_t i = 0; i < static_cast<size_t>(std::max(count, 0)); ++i) {
    TestProfile profile;
    profile.name = TextOf(settings.Value(EntryKey(i, "Name")));
    profile.program = TextOf(settings.Value(EntryKey(i, "Programm")));
    profile.arguments = TextOf(settings.Value(EntryKey(i, "Argumente")));
    profile.workingFolder = TextOf(settings.Value(EntryKey(i, "Arbeitsordner")));
    profile.saveFirst = FlagOf(settings.Value(EntryKey(i, "VorherSpeichern")));
    list.profiles.push_back(profile);
  }
  list.defaultIndex = NumberOf(settings.Value(DefaultKey));
  NormalizeProfiles(list);
  return list;
}

void StoreTestProfiles(KeyValueStore& settings, const TestProfiles& list) {
  settings.Remove(ProfilesGroup);  // a shorter list leaves no old entries behind
  for (size_t i = 0; i < list.profiles.size(); ++i) {
    const TestProfile& profile = list.profiles[i];
    settings.SetValue(EntryKey(i, "Name"), profile.name);
    settings.SetValue(EntryKey(i, "Programm"), profile.program);
    settings.SetValue(EntryKey(i, "Argumente"), profile.arguments);
    settings.SetValue(EntryKey(i, "Arbeitsordner"), profile.workingFolder);
    settings.SetValue(EntryKey(i, "VorherSpeichern"), profile.saveFirst ? "true" : "false");
  }
  settings.SetValue(SizeKey, std::to_string(list.profiles.size()));
  settings.SetValue(DefaultKey, std::to_string(list.defaultIndex));
}

void TakeOverEarlierProfiles(KeyValueStore& settings, const KeyValueStore& earlier) {
  if (!settings.KeysBelow(ProfilesGroup).empty()) return;
  for (const std::string& key : earlier.KeysBelow(ProfilesGroup)) {
    if (const std::optional<std::string> value = earlier.Value(ProfilesGroup + "/" + key)) {
      settings.SetValue(ProfilesGroup + "/" + key, *value);
    }
  }
}

}  // namespace tessmoor
