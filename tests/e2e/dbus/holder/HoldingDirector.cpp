// A director in a process of its own, for the test that kills a director while it holds an object:
// connects to the bus at argv[1], creates a plug-in object, prints "held" and waits to be killed.
#include <unistd.h>

#include <cstdio>

#include "BusDirectors.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s BUS_ADDRESS\n", argv[0]);
    return 2;
  }
  e2e::BusDirector director(argv[1], QStringLiteral("held"));
  if (director.Create().isEmpty()) {
    std::fprintf(stderr, "no plug-in object was created\n");
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  for (;;) pause();
}
