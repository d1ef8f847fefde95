#pragma once

#include <string>

namespace qvr {

// A network as the program opened it: its name as the network reports it, and the network interface it was
// named through ("" for a local Object Server).
struct OpenedNetwork {
  std::string name;
  std::string interfaceName;
};

}  // namespace qvr
