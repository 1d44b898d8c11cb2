// The largest size at which each object of a slide is ever displayed
// (TZolSlide::RunSizePrescan): the slide is played through at every distinct
// key-frame time once, so pictures can be loaded at the resolution they need.
#include <algorithm>
#include <vector>

#include "model/zol_slide.h"
#include "package/load_yield.h"

namespace zol {
namespace {

void CollectKeyTimes(const TZolObject& object, std::vector<double>& times) {
  for (const TRef<TZolKeyFrame>& key : object.Node().KeyFrames().Items())
    if (std::find(times.begin(), times.end(), key->Time()) == times.end()) times.push_back(key->Time());
  for (const TRef<TZolObject>& child : object.Children()) CollectKeyTimes(*child, times);
}

// Clears the running flag however the pre-scan ends.
class TPrescanGuard {
 public:
  explicit TPrescanGuard(bool& running) : running_(running) { running_ = true; }
  ~TPrescanGuard() { running_ = false; }
  TPrescanGuard(const TPrescanGuard&) = delete;
  TPrescanGuard& operator=(const TPrescanGuard&) = delete;

 private:
  bool& running_;
};

}  // namespace

void TZolSlide::RunSizePrescan() {
  TPrescanGuard guard(prescanRunning_);
  const double now = begin_ + slideTime_;
  std::vector<double> times;
  CollectKeyTimes(*this, times);
  // A slide without key frames still has a placement to measure.
  if (times.empty()) times.push_back(0);

  ResetDisplayedSize();
  for (double time : times) {
    if (!LoadYield()) break;
    TZolObject::Update(true, begin_ + time);
    RecordDisplayedSize();
  }
  TZolObject::Update(true, now);
  FinishDisplayedSize(host_ ? host_->CameraPosition().z : TZolSlideHost::kDefaultCamera.z);
  prescanDone_ = true;
}

}  // namespace zol
