#pragma once
// Qt's own file dialog in the program's language throughout. Its file list formats dates and
// sizes in the system's language (an English "8 Dec 2024" under a C locale) and
// calls every file type the MIME database does not know "unknown"; here they
// follow the program's language, and each file has a type name.

#include <QFileInfo>
#include <QString>

class QFileDialog;

namespace tessmoor {

// What the type column says of `file`: the program's own maps and models by
// name, other files as the MIME database names them in the program's language,
// and files it does not know by their extension ("XYZ-Datei").
QString FileTypeName(const QFileInfo& file);

// How the date column shows a time: "8. Dez. 2024 10:15" in German.
QString FileTimeText(const QDateTime& time);

// Gives a dialog that uses Qt's own widgets the dates, sizes and type names above.
void SpeakProgramLanguage(QFileDialog& dialog);

}  // namespace tessmoor
