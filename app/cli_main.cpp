#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli.h"
#include "util/clock.h"

#ifdef TORMO_CLI_PDF
#include "app/pdf_file_device.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  util::SystemClock clock;
  app::PdfDeviceFactory pdfDevice;
#ifdef TORMO_CLI_PDF
  pdfDevice = [](const std::filesystem::path& file) -> std::unique_ptr<util::PrintDevice> {
    return std::make_unique<app::PdfFileDevice>(file);
  };
#endif
  return app::RunCli(args, app::ExecutableFolder(), clock, std::cout, std::cerr, pdfDevice);
}
