#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace qvr {

// The parts of an object path ("Net/Sub:Floor 1/Room 101"): the texts between its "/", up to the first
// empty part, so that "/Net/Dev" has no parts and "Net//Dev" one. A part keeps blanks after a "/" off, and
// once the path has a "/", so does its end. The split stops after `most` + 1 parts, so that a caller that
// holds `most` sees that the path has more without the rest of it being read.
std::vector<std::string> SplitObjectPath(const std::string& path,
                                         std::size_t most = std::numeric_limits<std::size_t>::max() - 1);

// A part with a ":" followed by more text gives only that text ("Sub:Floor 1" gives "Floor 1"); any other
// part stays as it is.
std::string StrippedPart(const std::string& part);

}  // namespace qvr
