#pragma once
// A QSettings as the Qt-free key-value store of app/: the same file, the same
// keys, every value read and written as text (which is what the file holds).

#include <QSettings>

#include "app/KeyValueStore.h"

namespace tessmoor {

class SettingsKeyValues : public KeyValueStore {
 public:
  explicit SettingsKeyValues(QSettings& settings) : settings_(settings) {}

  std::optional<std::string> Value(const std::string& key) const override;
  void SetValue(const std::string& key, const std::string& value) override;
  void Remove(const std::string& key) override;
  std::vector<std::string> KeysBelow(const std::string& group) const override;

 private:
  QSettings& settings_;
};

}  // namespace tessmoor
