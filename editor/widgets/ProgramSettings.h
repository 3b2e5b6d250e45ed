#pragma once
// The one file the program remembers things in between runs:
// $XDG_CONFIG_HOME/Tessmoor-Editor/Tessmoor-Editor.conf. Every feature reads and
// writes its settings through it, never through a QSettings of its own making.

#include <QSettings>
#include <QString>

namespace tessmoor {

// The names that choose the file. The program sets only an application name;
// it then names the folder as well.
QString SettingsOrganization();
QString SettingsApplication();

// The settings file, ready to read and write.
QSettings ProgramSettings();

}  // namespace tessmoor
