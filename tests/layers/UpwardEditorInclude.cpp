// A deliberate include against the editor's folder order: a feature reaching
// up into the main window that creates it. The build must refuse it (see
// tests/CMakeLists.txt).
#include "editor/main/EditorMainForm.h"

namespace tessmoor {}  // namespace tessmoor
