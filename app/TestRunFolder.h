#pragma once
// The private folder of one test run: made fresh for the run, it holds the
// model and nothing else, and goes with everything in it when the run is over.

#include <string>

namespace tessmoor {

class TestRunFolder {
 public:
  // Makes a new folder (readable by this user only) below the system's
  // temporary folder ($TMPDIR). When that fails, Path() is empty and Error()
  // holds the system's reason.
  TestRunFolder();
  ~TestRunFolder();
  TestRunFolder(const TestRunFolder&) = delete;
  TestRunFolder& operator=(const TestRunFolder&) = delete;

  // The folder without a trailing '/'.
  const std::string& Path() const { return path_; }
  const std::string& Error() const { return error_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string error_;
};

}  // namespace tessmoor
