#include "document/FrameThumbnailJobs.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "document/FramePictures.h"

namespace tessmoor {

namespace {

// Below this many pictures, starting threads costs more than it saves.
constexpr size_t JobsPerExtraThread = 8;

// Hands out the jobs in order and remembers the first failure, so that no
// thread starts a job the one-by-one load would never have reached.
class JobQueue {
 public:
  JobQueue(const std::string& programDirectory, const std::vector<FrameThumbnailJob>& jobs)
      : programDirectory_(programDirectory), jobs_(jobs), firstFailure_(jobs.size()) {}

  void Work() {
    // One per thread, kept from picture to picture: allocating and freeing the
    // buffers of every picture makes the threads wait on each other in the system.
    PcxLoadScratch scratch;
    for (;;) {
      const size_t i = next_.fetch_add(1, std::memory_order_relaxed);
      if (i >= jobs_.size() || i > firstFailure_.load(std::memory_order_relaxed)) return;
      if (!Load(jobs_[i], scratch)) RecordFailure(i);
    }
  }

  size_t FirstFailure() const { return firstFailure_.load(); }

 private:
  bool Load(const FrameThumbnailJob& job, PcxLoadScratch& scratch) {
    try {
      return LoadFrameThumbnail(programDirectory_, job.frameName, *job.thumbnail, scratch);
    } catch (...) {
      // Nothing may leave a worker thread; a failure of any kind fails this picture.
      FreeImage(*job.thumbnail);
      return false;
    }
  }

  void RecordFailure(size_t i) {
    size_t seen = firstFailure_.load();
    while (i < seen && !firstFailure_.compare_exchange_weak(seen, i)) {
    }
  }

  const std::string& programDirectory_;
  const std::vector<FrameThumbnailJob>& jobs_;
  std::atomic<size_t> next_{0};
  std::atomic<size_t> firstFailure_;
};

}  // namespace

unsigned ThumbnailThreadCount() { return std::clamp(std::thread::hardware_concurrency(), 1u, 8u); }

size_t LoadFrameThumbnails(const std::string& programDirectory, const std::vector<FrameThumbnailJob>& jobs) {
  JobQueue queue(programDirectory, jobs);
  const size_t wanted = std::min<size_t>(ThumbnailThreadCount() - 1, jobs.size() / JobsPerExtraThread);
  std::vector<std::thread> helpers;
  for (size_t i = 0; i < wanted; ++i) {
    try {
      helpers.emplace_back([&queue] { queue.Work(); });
    } catch (...) {
      break;  // no thread to be had: the threads already running and this one do the rest
    }
  }
  queue.Work();
  for (std::thread& helper : helpers) helper.join();
  return queue.FirstFailure();
}

}  // namespace tessmoor
