#pragma once
// Where the test profiles live: in the settings store, in the group
// "Testprofile" as an array "Profile" of name, program, arguments, working
// folder and "save first", with the default's index beside it. The keys are
// the settings file's, so profiles saved by any version of the editor load.

#include "app/KeyValueStore.h"
#include "app/TestProfile.h"

namespace tessmoor {

// The profiles as `settings` keep them; the list is normalized. A value that
// is no number or flag reads as 0 or false.
TestProfiles LoadTestProfiles(const KeyValueStore& settings);
// Replaces every profile `settings` held by `profiles`.
void StoreTestProfiles(KeyValueStore& settings, const TestProfiles& profiles);

// Earlier versions kept the profiles in a settings file of their own. When
// `settings` holds no profiles group, every key of `earlier`'s group is copied
// into it; `earlier` stays as it was.
void TakeOverEarlierProfiles(KeyValueStore& settings, const KeyValueStore& earlier);

}  // namespace tessmoor
