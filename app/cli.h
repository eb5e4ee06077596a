#pragma once
// The command-line companion: loads the data folder as the program does and
// runs one non-interactive command.
//
//   tormo-cli [--program-folder DIR] check
//   tormo-cli [--program-folder DIR] dump settings
//   tormo-cli [--program-folder DIR] import-drugs FILE
//   tormo-cli [--program-folder DIR] print ticket N --layout CODE --pdf FILE

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "util/clock.h"
#include "util/print_device.h"

namespace app {

// The printer device writing the printouts of "print" to a PDF file; none
// where tormo-cli is built without one.
using PdfDeviceFactory =
    std::function<std::unique_ptr<util::PrintDevice>(const std::filesystem::path& file)>;

// Runs the command line (arguments without the program name). Output goes to
// out, a one-line error to err; returns the exit status.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultProgramFolder,
           util::Clock& clock, std::ostream& out, std::ostream& err,
           const PdfDeviceFactory& pdfDevice = {});

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

}  // namespace app
