#include "editor/widgets/ProgramSettings.h"

#include <QCoreApplication>

namespace tessmoor {

QString SettingsOrganization() {
  const QString organization = QCoreApplication::organizationName();
  return organization.isEmpty() ? QCoreApplication::applicationName() : organization;
}

QString SettingsApplication() { return QCoreApplication::applicationName(); }

QSettings ProgramSettings() { return QSettings(SettingsOrganization(), SettingsApplication()); }

}  // namespace tessmoor
