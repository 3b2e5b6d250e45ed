#pragma once
// PCX files dragged from a file manager onto a widget become a new texture of
// the map: one frame per file, in the order dropped, as one undo step. Views
// follow the document's notices, so a drop refreshes nothing itself.

#include <QUrl>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "io/SaveFile.h"

namespace tessmoor {

class EditorSession;

// Lets `target` take drops of local files whose names end in ".pcx" (any case);
// a drag holding anything else is refused whole. `session` is asked at each drop
// for the session the new texture goes into; its dialog layer shows why a drop
// made nothing. Pictures outside the picture folders are copied into the user's
// own folder through `ops`, which must outlive `target`.
void AcceptPictureFileDrops(QWidget& target, std::function<EditorSession&()> session, FileOps& ops = RealFileOps());

// The dropped files as paths for the core, in their order; empty when any of
// them is not a local PCX file.
std::vector<std::string> DroppedPictureFiles(const QList<QUrl>& urls);

}  // namespace tessmoor
