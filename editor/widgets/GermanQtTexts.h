#pragma once

class QCoreApplication;

namespace tessmoor {

// Qt's own texts (file dialogs, standard buttons, the overwrite question) in German.

// Makes German the default locale (dates, numbers, file type names), then loads
// Qt's German translation from Qt's translations folder and installs it. False
// when the translation is not there (the package is missing); Qt's own texts
// then stay English.
bool InstallGermanQtTexts(QCoreApplication& application);

}  // namespace tessmoor
