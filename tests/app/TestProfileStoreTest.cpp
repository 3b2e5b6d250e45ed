// Test profiles in the settings store: what any list stored reads back as, the
// keys the settings file has always had, and the taking over of the profiles
// an earlier version kept in a file of its own.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "app/TestProfileStore.h"

namespace tessmoor {

namespace {

// The settings file as the tests see it.
struct MapStore : KeyValueStore {
  std::map<std::string, std::string> values;

  std::optional<std::string> Value(const std::string& key) const override {
    const auto found = values.find(key);
    return found == values.end() ? std::nullopt : std::optional(found->second);
  }
  void SetValue(const std::string& key, const std::string& value) override { values[key] = value; }
  void Remove(const std::string& key) override {
    std::erase_if(values,
                  [&](const auto& entry) { return entry.first == key || entry.first.rfind(key + "/", 0) == 0; });
  }
  std::vector<std::string> KeysBelow(const std::string& group) const override {
    std::vector<std::string> keys;
    for (const auto& [key, value] : values) {
      if (key.rfind(group + "/", 0) == 0) keys.push_back(key.substr(group.size() + 1));
    }
    return keys;
  }
};

std::string RandomText(std::mt19937& random) {
  static const char* const pieces[] = {"a", " ", "ä", "=", ",", "\"", "/", "true", "0", "%m", "\\", ";"};
  std::string text;
  const int length = std::uniform_int_distribution<int>(0, 6)(random);
  for (int k = 0; k < length; ++k)
    text += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
  return text;
}

TestProfiles RandomProfiles(std::mt19937& random) {
  TestProfiles list;
  const int count = std::uniform_int_distribution<int>(0, 5)(random);
  for (int k = 0; k < count; ++k) {
    list.profiles.push_back({RandomText(random), RandomText(random), RandomText(random), RandomText(random),
                             std::uniform_int_distribution<int>(0, 1)(random) == 1});
  }
  list.defaultIndex = std::uniform_int_distribution<int>(-2, 6)(random);
  return list;
}

}  // namespace

TEST(TestProfileStore, AnyListReadsBackUnderTheKeysOfTheSettingsFile) {
  std::mt19937 random(4711);
  MapStore settings;
  settings.values["Stempel/Panel"] = "true";  // a neighbour the profiles must leave alone
  for (int round = 0; round < 200; ++round) {
    const TestProfiles stored = RandomProfiles(random);
    StoreTestProfiles(settings, stored);
    TestProfiles normalized = stored;
    NormalizeProfiles(normalized);
    ASSERT_EQ(normalized, LoadTestProfiles(settings)) << "round " << round;

    // Exactly the keys of the file, so earlier and later versions read each other's profiles.
    std::vector<std::string> keys{"Profile/size", "Standard"};
    for (size_t k = 1; k <= stored.profiles.size(); ++k) {
      for (const char* field : {"Name", "Programm", "Argumente", "Arbeitsordner", "VorherSpeichern"}) {
        keys.push_back("Profile/" + std::to_string(k) + "/" + field);
      }
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, settings.KeysBelow("Testprofile"));
    EXPECT_EQ("true", settings.values["Stempel/Panel"]);

    // A fresh settings file takes the list over from the earlier file; a file
    // with profiles of its own (even none) keeps them.
    MapStore fresh;
    TakeOverEarlierProfiles(fresh, settings);
    EXPECT_EQ(normalized, LoadTestProfiles(fresh));
    MapStore own;
    StoreTestProfiles(own, RandomProfiles(random));
    const MapStore before = own;
    TakeOverEarlierProfiles(own, settings);
    EXPECT_EQ(before.values, own.values);
  }
}

TEST(TestProfileStore, ReadsTheValuesAsTheSettingsFileHoldsThem) {
  struct Row {
    std::map<std::string, std::string> values;
    TestProfiles expected;
  };
  const TestProfile engine{"Engine", "/opt/e", "-map %m", "", true};
  const Row rows[] = {
      {{}, {}},
      {{{"Testprofile/Profile/size", "1"},
        {"Testprofile/Profile/1/Name", "Engine"},
        {"Testprofile/Profile/1/Programm", "/opt/e"},
        {"Testprofile/Profile/1/Argumente", "-map %m"},
        {"Testprofile/Profile/1/VorherSpeichern", "true"},
        {"Testprofile/Standard", "0"}},
       {{engine}, 0}},
      // Flags and numbers as the settings store reads them; a default out of range becomes the first.
      {{{"Testprofile/Profile/size", " 2 "},
        {"Testprofile/Profile/1/VorherSpeichern", "FALSE"},
        {"Testprofile/Profile/2/VorherSpeichern", "ja"},
        {"Testprofile/Standard", "7"}},
       {{{"", "", "", "", false}, {"", "", "", "", true}}, 0}},
      {{{"Testprofile/Profile/size", "2"},
        {"Testprofile/Profile/1/VorherSpeichern", "0"},
        {"Testprofile/Profile/2/VorherSpeichern", ""},
        {"Testprofile/Standard", "+1"}},
       {{{}, {}}, 1}},
      {{{"Testprofile/Profile/size", "zwei"}, {"Testprofile/Profile/1/Name", "x"}}, {}},
  };
  for (const Row& row : rows) {
    MapStore settings;
    settings.values = row.values;
    EXPECT_EQ(row.expected, LoadTestProfiles(settings)) << testing::PrintToString(row.values);
  }
}

}  // namespace tessmoor
