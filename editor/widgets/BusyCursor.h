#pragma once
// The hourglass for as long as the guard lives; it is restored on every way out
// of the scope, an exception included.

#include <QApplication>

namespace tessmoor {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace tessmoor
