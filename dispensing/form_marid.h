#pragma once
// The recipient history: the tickets of one recipient, newest at the top,
// and the drugs of the ticket clicked.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"
#include "util/grid.h"
#include "util/interaction.h"

namespace dispensing {

class FormMarid : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormMarid";
  static constexpr std::string_view kTicketCaption = "تذكرة";
  static constexpr std::string_view kDateCaption = "تاريخ";
  static constexpr std::string_view kDrugCaption = "دواء";
  static constexpr std::string_view kDispensedCaption = "منصرف";
  static constexpr int kTicketWidth = 2200;
  static constexpr int kDateWidth = 3100;
  static constexpr int kDrugWidth = 3800;
  static constexpr int kDispensedWidth = 1450;
  // The dispensed column once a ticket's drugs are shown.
  static constexpr int kDispensedWidthWithLines = 1700;

  // Opening: the words of the program type, the recipient table read again
  // from its file, the grids' captions; when ChosenPatient is above 0 that
  // recipient is listed.
  explicit FormMarid(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  const std::string& caption() const { return caption_; }
  // The prompt LLLSelectMaridTitle and the recipient's name LLLpatientId.
  const std::string& LLLSelectMaridTitle() const { return prompt_; }
  const std::string& LLLpatientId() const { return patientName_; }
  std::int32_t patient() const { return patient_; }

  // A click on the recipient's name: the pick list; a chosen recipient is
  // listed.
  void ClickPatient();
  // Lists the recipient's tickets, the newest at the top.
  void ListRecipient(std::int32_t patient);
  // A click on a row of the ticket grid (0 = the caption row, which shows
  // nothing): the drug grid shows the ticket's lines, line n in row n.
  void ClickTicket(int row);

  util::Grid Xxx{"Xxx", 2, 2};
  util::Grid xxx2{"xxx2", 2, 2};

 private:
  core::App& app_;
  std::string caption_;
  std::string prompt_;
  std::string patientName_;
  std::int32_t patient_ = 0;
};

// The ticket grid of the history: the caption row ("تذكرة", "تاريخ"), then one
// row per ticket of the recipient, the highest ticket number at the top:
// the ticket number and its day as "DD-MM-YYYY". The screen and the command
// line's report share it.
void FillRecipientHistory(const core::App& app, std::int32_t patient, util::Grid& grid);

// The history, modally; it starts with ChosenPatient when one is set.
void OpenRecipientHistory(core::App& app);

}  // namespace dispensing
