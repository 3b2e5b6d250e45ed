#pragma once
// Hilfe: Handbuch (F1) opens the installed user guide in the desktop's
// browser, Tastenkürzel shows every command's keys, Über the version.

#include <QObject>

#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class HelpFeature : public QObject {
  Q_OBJECT

 public:
  explicit HelpFeature(const FeatureContext& context);

  // The menu's items, in order, for the window's menu layout.
  static QStringList MenuItems();

 private:
  static void OpenGuide(const FeatureContext& context);
};

}  // namespace tessmoor
