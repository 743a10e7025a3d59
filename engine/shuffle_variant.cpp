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
    case ShuffleVariant::kAvx2:
      return __builtin_cpu_supports("avx2");
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
    for (ShuffleVariant wide : {ShuffleVariant::kAvx512, ShuffleVariant::kAvx2}) {
      if (ShuffleVariantRuns(wide)) return wide;
    }
    return ShuffleVariant::kScalar;
  }();
  return chosen;
}

}  // namespace quorvel
