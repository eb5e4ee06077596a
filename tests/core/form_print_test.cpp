#include "core/form_print.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/core/core_fixture.h"
#include "util/recording_print_device.h"

namespace {

using core::FFFPrint;

class PrinterChoice : public core_test::AppFixture {
 protected:
  PrinterChoice() { std::filesystem::create_directories(DataFolder()); }

  void Store(const std::string& name, float left, float top, std::int16_t pages) {
    app.settings().setPrinterName(name);
    app.settings().setPrintLeft(left);
    app.settings().setPrintTop(top);
    app.settings().setPrintPages(pages);
  }

  template <class T>
  static T At(const std::vector<unsigned char>& bytes, std::size_t offset) {
    T v{};
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
  }

  util::RecordingPrintDevice device{{"PDF", "HP LaserJet", "Office"}};
};

TEST_F(PrinterChoice, WithoutPrintersTheListSaysSo) {
  util::RecordingPrintDevice none(std::vector<std::string>{});
  FFFPrint dialog(app, none);
  EXPECT_EQ(dialog.List1, std::vector<std::string>{"(No Printer Installed)"});

  dialog.List1Index = 0;
  EXPECT_TRUE(dialog.Ok());
  // The placeholder is not stored as a printer name.
  EXPECT_EQ(app.settings().printerName(), "");
  EXPECT_EQ(app.dialogResult, "ok");
}

TEST_F(PrinterChoice, OpensOnTheStoredPrinterOffsetsAndCopies) {
  struct Case {
    const char* stored;
    float left, top;
    std::int16_t pages;
    int index;
    const char* textLeft;
    const char* textTop;
    const char* pageCount;
  };
  const Case cases[] = {
      {"Office", 2.5f, -1, 3, 2, "2.5", "-1", "3"},
      // Nothing stored, or a printer no longer installed: the active one.
      {"", 0, 0, 1, 1, "0", "0", "1"},
      {"Gone", 0.1f, 12, 2, 1, "0.1", "12", "2"},
      // A stored count below 1 shows as 1.
      {"PDF", 0, 0, 0, 0, "0", "0", "1"},
      {"PDF", 0, 0, -5, 0, "0", "0", "1"},
  };
  device.SetActiveDevice("HP LaserJet");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Store(c.stored, c.left, c.top, c.pages);
    FFFPrint dialog(app, device);

    EXPECT_EQ(dialog.List1, (std::vector<std::string>{"PDF", "HP LaserJet", "Office"}));
    EXPECT_EQ(dialog.List1Index, c.index);
    EXPECT_EQ(dialog.TextLeft, c.textLeft);
    EXPECT_EQ(dialog.TextTop, c.textTop);
    EXPECT_EQ(dialog.TttPageCount, c.pageCount);
    EXPECT_EQ(core::PrintCopies(app), std::stoi(c.pageCount));
  }
}

TEST_F(PrinterChoice, OkActivatesThePrinterAndWritesTheRecord) {
  app.dialogResult = "something earlier";
  FFFPrint dialog(app, device);
  dialog.List1Index = 2;
  dialog.TextLeft = "4.5";
  dialog.TextTop = "-2mm";
  dialog.TttPageCount = "3 copies";

  EXPECT_TRUE(dialog.Ok());

  EXPECT_TRUE(dialog.closed());
  EXPECT_EQ(app.dialogResult, "ok");
  EXPECT_EQ(device.DeviceName(), "Office");
  auto bytes = ReadFile("PIOP.vlk");
  ASSERT_EQ(bytes.size(), 252u);
  EXPECT_EQ(std::string(bytes.begin() + 110, bytes.begin() + 210), "Office" + std::string(94, ' '));
  EXPECT_EQ(At<float>(bytes, 210), -2.0f);  // top
  EXPECT_EQ(At<float>(bytes, 214), 4.5f);   // left
  EXPECT_EQ(At<std::int16_t>(bytes, 250), 3);
}

TEST_F(PrinterChoice, OkStoresAHundredCharactersOfTheNameAndTheCopiesAsTyped) {
  const std::string longName(120, 'P');
  util::RecordingPrintDevice wide({longName});
  FFFPrint dialog(app, wide);
  ASSERT_EQ(dialog.List1Index, 0);
  dialog.TttPageCount = "0";
  dialog.TextLeft = "x";
  EXPECT_TRUE(dialog.Ok());

  auto bytes = ReadFile("PIOP.vlk");
  ASSERT_EQ(bytes.size(), 252u);
  EXPECT_EQ(std::string(bytes.begin() + 110, bytes.begin() + 210), std::string(100, 'P'));
  EXPECT_EQ(At<float>(bytes, 214), 0.0f);
  // 0 is stored; it counts as one copy.
  EXPECT_EQ(At<std::int16_t>(bytes, 250), 0);
  EXPECT_EQ(core::PrintCopies(app), 1);
}

TEST_F(PrinterChoice, CancelAndOtherClosesStoreNothing) {
  Store("PDF", 1, 2, 2);
  struct Case {
    const char* how;
    void (FFFPrint::*close)();
    const char* result;
  };
  const Case cases[] = {{"Cancel", &FFFPrint::Cancel, "16711935"},
                        {"closed", &FFFPrint::Close, "0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    app.dialogResult = "ok";
    FFFPrint dialog(app, device);
    dialog.List1Index = 1;
    dialog.TextLeft = "9";
    (dialog.*c.close)();

    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(app.dialogResult, c.result);
    EXPECT_EQ(device.DeviceName(), "PDF");
    EXPECT_EQ(app.settings().printerName(), "PDF");
    EXPECT_EQ(app.settings().printLeft(), 1.0f);
    EXPECT_FALSE(std::filesystem::exists(DataFolder() / "PIOP.vlk"));
  }
}

TEST_F(PrinterChoice, ADialogClosedWithoutAButtonLeavesZero) {
  app.dialogResult = "ok";
  FFFPrint dialog(app, device);
  ui.RunModal(dialog);  // no script: the window is closed
  EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FFFPrint"});
  EXPECT_EQ(app.dialogResult, "0");
}

// The platform of a system without a printer settings tool.
class NoToolPlatform : public testing_support::FakePlatform {
 public:
  using FakePlatform::FakePlatform;
  bool StartProgram(const std::filesystem::path&, const std::vector<std::string>&) override {
    return false;
  }
};

TEST_F(PrinterChoice, PrinterSettingsOpenThePreferencesOfTheChosenPrinter) {
  ui.screens["FFFPrint"] = [](util::ModalScreen& s) {
    auto& dialog = static_cast<FFFPrint&>(s);
    dialog.List1Index = 1;
    dialog.Ok();
  };
  core::OpenPrinterSettings(app, device);

  EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FFFPrint"});
  EXPECT_EQ(platform.startedPrograms,
            std::vector<std::string>{"system-config-printer --configure-printer HP LaserJet"});
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrinterChoice, PrinterSettingsSayWhenThereAreNone) {
  struct Case {
    const char* what;
    std::vector<std::string> printers;
    bool tool;
    std::string_view message;
  };
  const Case cases[] = {
      {"PDF printer", {"PDF", "HP LaserJet"}, true, core::kPdfPrinterHasNoSettings},
      {"no printer", {}, true, core::kNoPrinterToSet},
      {"no tool", {"HP LaserJet"}, false, core::kNoPrinterSettingsTool},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::ScriptedInteraction messages;
    NoToolPlatform noTool(folder.path());
    testing_support::FakePlatform withTool(folder.path());
    util::Platform& where = c.tool ? static_cast<util::Platform&>(withTool) : noTool;
    core::App run(clock, where, messages);
    util::RecordingPrintDevice printers(c.printers);

    core::OpenPrinterSettings(run, printers);  // the dialog is closed untouched

    EXPECT_EQ(messages.modalScreens, std::vector<std::string>{"FFFPrint"});
    EXPECT_EQ(messages.MessageTexts(), std::vector<std::string>{std::string(c.message)});
    EXPECT_TRUE(withTool.startedPrograms.empty());
  }
}

}  // namespace
