#pragma once
// The one door to the desktop's programs for a web page, a file or a folder.
// Tests put a recorder in its place, so nothing starts a browser while they run.

#include <QUrl>
#include <functional>

namespace tessmoor {

using UrlOpener = std::function<bool(const QUrl&)>;

// Hands `url` to the opener in place, by default the desktop's (QDesktopServices);
// false when nothing could open it.
bool OpenUrl(const QUrl& url);

// Puts `opener` in place and returns the one it replaces; an empty one brings
// back the desktop's.
UrlOpener ReplaceUrlOpener(UrlOpener opener);

}  // namespace tessmoor
