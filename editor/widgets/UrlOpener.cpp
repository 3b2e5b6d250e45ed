#include "editor/widgets/UrlOpener.h"

#include <QDesktopServices>

namespace tessmoor {

namespace {

UrlOpener& CurrentOpener() {
  static UrlOpener opener;
  return opener;
}

}  // namespace

bool OpenUrl(const QUrl& url) {
  const UrlOpener& opener = CurrentOpener();
  return opener ? opener(url) : QDesktopServices::openUrl(url);
}

UrlOpener ReplaceUrlOpener(UrlOpener opener) { return std::exchange(CurrentOpener(), std::move(opener)); }

}  // namespace tessmoor
