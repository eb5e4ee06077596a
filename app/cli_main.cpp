#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "util/clock.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  util::SystemClock clock;
  return app::RunCli(args, app::ExecutableFolder(), clock, std::cout, std::cerr);
}
