// Tallying a batch of written-down rounds into the marks they leave.
#pragma once

#include <cstddef>

#include "runs/batch_room.h"
#include "runs/bankroll_tally.h"

namespace quorvel {

// How a batch is tallied: round after round, or four stretches a step in one
// AVX2 register. Both give the same tally, bit for bit.
enum class FoldKernel { kInOrder, kAvx2 };
bool FoldKernelRuns(FoldKernel kernel);
FoldKernel BestFoldKernel();

// The tally of the first `rounds` rounds of `room`, played from a bankroll of
// `before` with a twin at `unit` dollars a stake. A full batch goes by
// `kernel`; a short one, the end of a session, in order.
RoundsTally FoldBatch(const BatchRoom& room, std::size_t rounds, double before, float unit,
                      FoldKernel kernel);

}  // namespace quorvel
