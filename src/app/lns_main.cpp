#include <iostream>
#include <string>
#include <vector>

#include "platform/lnstool/LnsTool.h"
#ifdef QVR_LNS_WITH_QT
#include "platform/com/dbus/BusDirector.h"
#include "platform/ui/qt/QtUiPlatform.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef QVR_LNS_WITH_QT
  ui::QtUiPlatform windows(argc, argv);
  com::BusDirector director;
  return lnstool::RunLnsTool(args, std::cout, std::cerr, &windows, &director);
#else
  return lnstool::RunLnsTool(args, std::cout, std::cerr);
#endif
}
