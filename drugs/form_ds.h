#pragma once
// The drug search dialog: a column of letter buttons, three buttons for the
// refrigerator, narcotics-schedule and special-nature drugs, a name search
// that lists matching drugs on every change, and the list. A click on a
// listed name makes that drug the run's current drug (App::currentDrugNo)
// and closes the dialog; closed any other way, the current drug stays.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "util/interaction.h"

namespace drugs {

class FormDs : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFDS";
  static constexpr std::string_view kCaption = "Search about drug";
  static constexpr std::string_view kSearchLabel = "بحث بالاسم";
  static constexpr std::string_view kRefrigeratorCaption = "ثلاجة";
  static constexpr std::string_view kScheduleCaption = "جدول";
  static constexpr std::string_view kSpecialNatureCaption = "طبيعة خاصة";
  // The letter buttons, top to bottom.
  static constexpr std::array<std::string_view, 20> kLetters = {
      "ا", "ب", "ت", "ث", "ج", "د", "ذ", "ر", "ز", "س",
      "ش", "ص", "ف", "ك", "ل", "م", "ن", "ه", "و", "ي"};
  // Drugs kept below this temperature belong in the refrigerator.
  static constexpr int kRefrigeratorBelow = 16;

  enum class Focus { SearchBox, List };

  explicit FormDs(core::App& app) : app_(app) {}
  std::string_view ScreenName() const override { return kName; }

  // List1: the cleaned names of the qualifying drugs, in number order.
  const std::vector<std::string>& list() const { return list_; }
  const std::string& searchText() const { return searchText_; }
  Focus focus() const { return focus_; }
  bool closed() const { return closed_; }

  // The drugs whose stored name starts with letter `index` (0..19) of
  // kLetters; a name stored with a leading space starts with no letter.
  void Letter(int index);
  // Named drugs kept below 16 degrees.
  void Refrigerator();
  // Named drugs of a narcotics schedule above 0.
  void Schedule();
  // Named drugs of a special nature.
  void SpecialNature();
  // Text1 changed: the drugs whose stored name matches "*" + the text with
  // every space as "*" + "*" (case-sensitive). An empty text lists every
  // record, free ones included (as empty names).
  void SetSearchText(std::string text);
  // The down-arrow key in the search box: the focus goes to the list.
  void DownArrow() { focus_ = Focus::List; }
  // A click on row `row` of the list: the drug of that name becomes the
  // current drug (0 when it names none) and the dialog closes.
  void ClickItem(int row);

 private:
  template <class Qualifies>
  void Fill(Qualifies qualifies);

  core::App& app_;
  std::vector<std::string> list_;
  std::string searchText_;
  Focus focus_ = Focus::SearchBox;
  bool closed_ = false;
};

// Shows the drug search modally; returns App::currentDrugNo afterwards.
std::int32_t OpenDrugSearch(core::App& app);

}  // namespace drugs
