// Choosing the shuffle variant by the processor's features and the environment.
#include "engine/shuffle_variant.h"

#include <cstdlib>
#include <string_view>

namespace quorvel {

bool ShuffleVariantRuns(ShuffleVariant variant) {
  switch (variant) {
    case ShuffleVariant::kScalar:
      return true;
    case ShuffleVariant::kAvx512:
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
  }
  return false;
}

ShuffleVariant ChosenShuffleVariant() {
  // Read once: the environment does not change under a running program.
  static const ShuffleVariant chosen = [] {
    const char* scalar = std::getenv("QUORVEL_SCALAR_SHUFFLE");
    if (scalar != nullptr && *scalar != '\0' && std::string_view(scalar) != "0") {
      return ShuffleVariant::kScalar;
    }
    return ShuffleVariantRuns(ShuffleVariant::kAvx512) ? ShuffleVariant::kAvx512
                                                       : ShuffleVariant::kScalar;
  }();
  return chosen;
}

}  // namespace quorvel
