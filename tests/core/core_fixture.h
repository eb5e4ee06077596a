#pragma once
// A program run over a temporary program folder, with scripted seams.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/app.h"
#include "tests/support/fakes.h"

namespace core_test {

class AppFixture : public ::testing::Test {
 protected:
  AppFixture() : platform(folder.path()), app(clock, platform, ui) {}

  std::filesystem::path DataFolder() const { return platform.programFolder / "Files" / "DBI"; }
  std::vector<unsigned char> ReadFile(const std::string& name) const {
    std::ifstream in(DataFolder() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  testing_support::TempFolder folder;
  testing_support::FakeClock clock{46000.5};
  testing_support::FakePlatform platform;
  testing_support::ScriptedInteraction ui;
  core::App app;
};

}  // namespace core_test
