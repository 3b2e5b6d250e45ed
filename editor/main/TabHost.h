#pragma once
// What a map window may ask of the window that holds it as one of its tabs.
// A window on its own has no host and offers no tab commands.

namespace tessmoor {

class TabHost {
 public:
  virtual ~TabHost() = default;
  // A new tab with a new, untitled map, made current.
  virtual void NewTab() = 0;
  // Asks for a map and opens it in a new tab; nothing changes when none is chosen or it cannot be read.
  virtual void OpenInNewTab() = 0;
  // Closes the current tab after the unsaved-changes question; the last tab stays.
  virtual void CloseCurrentTab() = 0;
  // Makes the tab `step` places on current, wrapping around at either end.
  virtual void StepTab(int step) = 0;
  virtual int TabCount() const = 0;
};

}  // namespace tessmoor
