#pragma once

class QWidget;

namespace tessmoor {

// Alt+letter inside a tool window belongs to that window. Qt lets a tool window's
// keys reach its owner's menu bar too, and when both have the letter it alternates
// between them or only focuses the button; the window's own control must win.

// From now on, while the focus is inside `window`, an Alt+letter that one of its
// visible controls carries goes to that control: a label's buddy first, then a
// button, then a tab. Other keys take their usual way.
void KeepMnemonicsInside(QWidget* window);

}  // namespace tessmoor
