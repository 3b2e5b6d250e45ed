#pragma once

class QCoreApplication;

namespace tessmoor {

// Qt's own texts (file dialogs, standard buttons, the overwrite question) in German.

// Loads Qt's German translation from Qt's translations folder and installs it.
// False when it is not there (the package is missing); Qt then speaks English.
bool InstallGermanQtTexts(QCoreApplication& application);

}  // namespace tessmoor
