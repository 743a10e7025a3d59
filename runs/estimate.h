// A figure with its 95 % confidence interval, from independent sessions.
#pragma once

#include <cstddef>
#include <vector>

namespace quorvel {

struct Estimate {
  double value = 0;
  bool hasInterval = false;  // needs two sessions or more
  double low = 0;
  double high = 0;
};

// The 0.975 quantile of Student's t with `degrees` degrees of freedom (at least 1).
double StudentT975(std::size_t degrees);

// value +- t * sqrt(sum(e^2) / (n (n - 1))), the residuals e being one per
// session, already linearised and scaled to the figure's units.
Estimate FromResiduals(double value, const std::vector<double>& residuals);

// The ratio sum(y) / sum(x) over sessions (winnings per round, per dollar bet),
// with the interval of the ratio estimator; no value while sum(x) is 0.
Estimate RatioEstimate(const std::vector<double>& y, const std::vector<double>& x);

// sum(y1)/sum(x1) - sum(y2)/sum(x2) over the same sessions, paired session by session.
Estimate RatioDifference(const std::vector<double>& y1, const std::vector<double>& x1,
                         const std::vector<double>& y2, const std::vector<double>& x2);

}  // namespace quorvel
