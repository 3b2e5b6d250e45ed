#include "editor/widgets/SettingsKeyValues.h"

namespace tessmoor {

namespace {

QString Key(const std::string& key) { return QString::fromStdString(key); }

}  // namespace

std::optional<std::string> SettingsKeyValues::Value(const std::string& key) const {
  if (!settings_.contains(Key(key))) return std::nullopt;
  return settings_.value(Key(key)).toString().toStdString();
}

void SettingsKeyValues::SetValue(const std::string& key, const std::string& value) {
  settings_.setValue(Key(key), QString::fromStdString(value));
}

void SettingsKeyValues::Remove(const std::string& key) { settings_.remove(Key(key)); }

std::vector<std::string> SettingsKeyValues::KeysBelow(const std::string& group) const {
  settings_.beginGroup(Key(group));
  std::vector<std::string> keys;
  for (const QString& key : settings_.allKeys()) keys.push_back(key.toStdString());
  settings_.endGroup();
  return keys;
}

}  // namespace tessmoor
