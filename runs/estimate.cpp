// Ratio estimators over independent sessions and their t intervals.
#include "runs/estimate.h"

#include <array>
#include <cmath>
#include <numeric>

namespace quorvel {
namespace {

double Sum(const std::vector<double>& values) { return std::accumulate(values.begin(), values.end(), 0.0); }

// Residuals of sum(y)/sum(x) per session, in the ratio's units: (y - r x) / mean(x).
std::vector<double> RatioResiduals(const std::vector<double>& y, const std::vector<double>& x,
                                   double ratio) {
  const double meanX = Sum(x) / static_cast<double>(x.size());
  std::vector<double> residuals(y.size());
  for (std::size_t i = 0; i < y.size(); ++i) residuals[i] = (y[i] - ratio * x[i]) / meanX;
  return residuals;
}

}  // namespace

double StudentT975(std::size_t degrees) {
  static constexpr std::array<double, 30> kTable = {
      12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306, 2.262, 2.228,
      2.201,  2.179, 2.160, 2.145, 2.131, 2.120, 2.110, 2.101, 2.093, 2.086,
      2.080,  2.074, 2.069, 2.064, 2.060, 2.056, 2.052, 2.048, 2.045, 2.042};
  if (degrees == 0) degrees = 1;
  if (degrees <= kTable.size()) return kTable[degrees - 1];
  // Cornish-Fisher expansion about the normal quantile; within 0.001 from 30 on.
  const double z = 1.959964;
  const double n = static_cast<double>(degrees);
  const double z3 = z * z * z;
  const double z5 = z3 * z * z;
  return z + (z3 + z) / (4 * n) + (5 * z5 + 16 * z3 + 3 * z) / (96 * n * n);
}

Estimate FromResiduals(double value, const std::vector<double>& residuals) {
  Estimate estimate{value, false, value, value};
  const std::size_t n = residuals.size();
  if (n < 2 || !std::isfinite(value)) return estimate;
  double squares = 0;
  for (double e : residuals) squares += e * e;
  const double halfWidth =
      StudentT975(n - 1) * std::sqrt(squares / (static_cast<double>(n) * static_cast<double>(n - 1)));
  if (!std::isfinite(halfWidth)) return estimate;
  return {value, true, value - halfWidth, value + halfWidth};
}

Estimate RatioEstimate(const std::vector<double>& y, const std::vector<double>& x) {
  const double sumX = Sum(x);
  if (sumX == 0) return {};
  const double ratio = Sum(y) / sumX;
  return FromResiduals(ratio, RatioResiduals(y, x, ratio));
}

Estimate RatioDifference(const std::vector<double>& y1, const std::vector<double>& x1,
                         const std::vector<double>& y2, const std::vector<double>& x2) {
  const double sum1 = Sum(x1);
  const double sum2 = Sum(x2);
  if (sum1 == 0 || sum2 == 0) return {};
  const double ratio1 = Sum(y1) / sum1;
  const double ratio2 = Sum(y2) / sum2;
  std::vector<double> residuals = RatioResiduals(y1, x1, ratio1);
  const std::vector<double> second = RatioResiduals(y2, x2, ratio2);
  for (std::size_t i = 0; i < residuals.size(); ++i) residuals[i] -= second[i];
  return FromResiduals(ratio1 - ratio2, residuals);
}

}  // namespace quorvel
