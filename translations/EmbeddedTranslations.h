#pragma once
// The compiled English texts, embedded in the program. The editor installs them
// into the application; tmcompile asks its translator directly.

class QTranslator;

namespace tessmoor {

// Loads the English texts into `translator`; false if they are missing.
bool LoadEnglishTexts(QTranslator& translator);

}  // namespace tessmoor
