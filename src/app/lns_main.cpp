#include <iostream>
#include <string>
#include <vector>

#include "platform/lnstool/LnsTool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return lnstool::RunLnsTool(args, std::cout, std::cerr);
}
