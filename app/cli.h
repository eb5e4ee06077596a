#pragma once
// The command-line companion: loads the data folder as the program does and
// runs one non-interactive command.
//
//   tormo-cli [--program-folder DIR] check
//   tormo-cli [--program-folder DIR] dump settings
//   tormo-cli [--program-folder DIR] import-drugs FILE

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "util/clock.h"

namespace app {

// Runs the command line (arguments without the program name). Output goes to
// out, a one-line error to err; returns the exit status.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultProgramFolder,
           util::Clock& clock, std::ostream& out, std::ostream& err);

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

}  // namespace app
