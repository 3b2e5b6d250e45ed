#pragma once
// For what is no widget, or a widget that is not yet shown: call `retranslate`
// each time the application's language changes, for as long as `owner` lives.
// (A widget's own texts are better set in its changeEvent on
// QEvent::LanguageChange, which Qt sends to every widget.)

#include <QObject>
#include <functional>

namespace tessmoor {

void OnLanguageChange(QObject* owner, std::function<void()> retranslate);

}  // namespace tessmoor
