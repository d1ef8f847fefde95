#pragma once

#include <cstddef>

namespace qvr {

// The data points of the largest models, per table: the data-point tables and their help texts both have
// this many rows, one help text per data point. The program's tables hold one row more, which has none.
inline constexpr std::size_t kNciRows = 56;
inline constexpr std::size_t kNviRows = 25;
inline constexpr std::size_t kNvoRows = 20;

}  // namespace qvr
