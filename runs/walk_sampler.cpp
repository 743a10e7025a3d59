// Downsampling a bankroll walk by doubling the spacing of the kept rounds whenever it is full.
#include "runs/walk_sampler.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

void WalkSampler::Start(double bankroll) {
  sampled_.clear();
  sampled_.reserve(kSampled);
  stride_ = 1;
  nextSample_ = 1;
  high_ = low_ = last_ = {0, bankroll};
  sampled_.push_back(last_);
}

void WalkSampler::Sample(const WalkPoint& point) {
  if (sampled_.size() == kSampled) {
    // Keep every second kept round, so the spacing stays even: rounds that are
    // multiples of the doubled stride, and the start.
    stride_ *= 2;
    std::size_t kept = 0;
    for (const WalkPoint& old : sampled_) {
      if (std::fmod(old.round, stride_) == 0) sampled_[kept++] = old;
    }
    sampled_.resize(kept);
    nextSample_ = stride_ * std::ceil(point.round / stride_);
    if (point.round < nextSample_) return;
  }
  sampled_.push_back(point);
  nextSample_ = point.round + stride_;
}

std::vector<WalkPoint> WalkSampler::Points() const {
  std::vector<WalkPoint> points = sampled_;
  for (const WalkPoint& extra : {high_, low_, last_}) {
    const auto at = std::lower_bound(points.begin(), points.end(), extra.round,
                                     [](const WalkPoint& p, double round) { return p.round < round; });
    if (at == points.end() || at->round != extra.round) points.insert(at, extra);
  }
  return points;
}

}  // namespace quorvel
