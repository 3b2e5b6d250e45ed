#pragma once
// A settings store seen as text values under '/'-separated keys
// ("Testprofile/Profile/1/Name"). The editor implements it over its settings
// file; tests over a std::map.

#include <optional>
#include <string>
#include <vector>

namespace tessmoor {

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  // The value under `key`, or nothing when the store holds none.
  virtual std::optional<std::string> Value(const std::string& key) const = 0;
  virtual void SetValue(const std::string& key, const std::string& value) = 0;
  // Removes `key` and every key below it.
  virtual void Remove(const std::string& key) = 0;
  // The keys below `group`, relative to it ("Profile/size" below "Testprofile").
  virtual std::vector<std::string> KeysBelow(const std::string& group) const = 0;
};

}  // namespace tessmoor
