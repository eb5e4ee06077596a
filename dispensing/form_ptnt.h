#pragma once
// The recipient pick list every screen uses to choose a patient, a department
// or a hospital: a search box, the list of names and a column of quick-name
// buttons. The chosen recipient's number is left in the run's ChosenPatient;
// 0 when the list closes without a choice.
//
// Also the words of the three recipient screens (pick list, history, editor)
// for each program type.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "util/interaction.h"

namespace dispensing {

// What the recipient screens call their recipient, by program type.
struct RecipientWords {
  // The pick list: its caption, its width in twips and whether it lists
  // every recipient as soon as it opens.
  std::string pickCaption;
  int pickWidth = 4890;
  bool pickFilledAtOnce = false;
  // The history: its prompt (LLLSelectMaridTitle) and caption.
  std::string historyPrompt;
  std::string historyCaption;
  // The editor: the captions of the name (LLLMostashfaOrpatient) and of the
  // identifying number (LLLNID), and the window caption.
  std::string editorNameCaption;
  std::string editorNumberCaption;
  std::string editorCaption;
};
// Types 1001..1004; any other type gets the words of the screens' design.
RecipientWords WordsForProgramType(int programType);

class FFFPTNT : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFPTNT";
  static constexpr std::string_view kDesignCaption = "البحث عن مريض";
  static constexpr std::string_view kSearchLabel = "ابحث";
  // The window width below which the quick-name buttons lie outside the
  // visible window.
  static constexpr int kWideWidth = 4890;
  static constexpr int kQuickButtons = 18;
  // The captions of CmdReady(0..17); the last ten have none.
  static constexpr std::array<std::string_view, kQuickButtons> kQuickCaptions = {
      "محمد", "احمد", "ابراهيم", "محمود", "علي", "عبد", "زينب", "فاطمة"};

  // Opening: the keyboard switches to Arabic, ChosenPatient becomes 0, the
  // words of the program type apply and, for the hospital store and the
  // administration store, the list holds every named recipient in record
  // order.
  explicit FFFPTNT(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  const std::string& caption() const { return caption_; }
  // The window width in twips.
  int width() const { return width_; }
  bool quickButtonsShown() const { return width_ >= kWideWidth; }

  // The search box Text1 and the list List1.
  const std::string& Text1() const { return text1_; }
  const std::vector<std::string>& List1() const { return list1_; }

  // Typing in the search box: when the trimmed text is not empty, the list
  // holds every recipient whose name contains its words in the typed order
  // (a space stands for anything); otherwise the list stays as it is.
  void SetText1(std::string text);
  // Enter in the search box: a number of a named recipient chooses it and
  // closes the list; anything else does nothing.
  void EnterInText1();
  // A click, Space or Enter on the entry at index (0 = the first): the first
  // recipient of that name is chosen and the list closes.
  void ChooseEntry(int index);
  // A quick-name button (index 0..17): when it has a caption, the list holds
  // the names that contain it.
  void QuickButton(int index);
  // The window closed any other way: ChosenPatient stays 0.
  void Close() { closed_ = true; }

  bool closed() const { return closed_; }

 private:
  void Choose(std::int32_t patient);
  // Lists every named recipient whose cleaned name matches the pattern, in
  // record order; '*' in the pattern stands for any run of characters.
  void FillList(std::string_view pattern);

  core::App& app_;
  std::string caption_;
  int width_ = kWideWidth;
  std::string text1_;
  std::vector<std::string> list1_;
  bool closed_ = false;
};

// Whether the text matches the pattern, in which each '*' stands for any run
// of characters (none included) and every other character for itself.
bool MatchesWildcard(std::string_view text, std::string_view pattern);

// The pick list, modally: the chosen recipient's number, 0 when none was
// chosen (also left in ChosenPatient).
std::int32_t ChooseRecipient(core::App& app);

}  // namespace dispensing
