#pragma once
// Where the user guide lies for a program in `programFolder` (the folder of
// the executable): the package's HTML below the prefix the program is
// installed under (/usr/bin -> /usr/share/doc/tessmoor-editor/html/de/), or, in
// a build, the Markdown that the build copies beside the program (docs/de/).
// Each language has a folder of its own in both.

#include <QString>
#include <QUrl>

namespace tessmoor {

inline const QString GuidePackageName = QStringLiteral("tessmoor-editor");

// The guide's first page as a file URL; an empty URL when neither is there.
QUrl GuideUrl(const QString& programFolder, bool english);

}  // namespace tessmoor
