#include "editor/widgets/LanguageChange.h"

#include <QCoreApplication>
#include <QEvent>

namespace tessmoor {

namespace {

// Installing or removing a translator sends LanguageChange to the application
// object itself; this watcher hears it there.
class LanguageWatcher : public QObject {
 public:
  LanguageWatcher(QObject* owner, std::function<void()> retranslate)
      : QObject(owner), retranslate_(std::move(retranslate)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) retranslate_();
    return false;
  }

 private:
  std::function<void()> retranslate_;
};

}  // namespace

void OnLanguageChange(QObject* owner, std::function<void()> retranslate) {
  new LanguageWatcher(owner, std::move(retranslate));
}

}  // namespace tessmoor
