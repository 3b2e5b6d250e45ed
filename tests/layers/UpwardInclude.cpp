// A deliberate include against the layer order: the document layer reaching up
// into the edit layer. The build must refuse it (see tests/CMakeLists.txt).
#include "edit/DocumentModel.h"

namespace tessmoor {}  // namespace tessmoor
