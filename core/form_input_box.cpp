#include "core/form_input_box.h"

namespace core {

FormInputBox::FormInputBox(App& app, std::string title, std::string userInput,
                           std::string helpText)
    : app_(app),
      title_(std::move(title)),
      userInput_(std::move(userInput)),
      helpText_(std::move(helpText)) {
  app_.dialogResult.clear();
}

void FormInputBox::Ok() {
  app_.dialogResult = userInput_;
  closed_ = true;
}

void FormInputBox::Cancel() {
  app_.dialogResult.clear();
  closed_ = true;
}

void FormInputBox::Help() { app_.interaction().ShowMessage(helpText_); }

std::string AskInput(App& app, std::string title, std::string initial) {
  FormInputBox box(app, std::move(title), std::move(initial));
  app.interaction().RunModal(box);
  return app.dialogResult;
}

}  // namespace core
