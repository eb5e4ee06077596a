#include "ui/qt_interaction.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/qt_print_device.h"
#include "ui/style.h"

namespace ui {
namespace {

QMessageBox::Icon ToQtIcon(util::MessageIcon icon) {
  switch (icon) {
    case util::MessageIcon::Information: return QMessageBox::Information;
    case util::MessageIcon::Warning: return QMessageBox::Warning;
    case util::MessageIcon::Error: return QMessageBox::Critical;
    case util::MessageIcon::Question: return QMessageBox::Question;
    case util::MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QString Title(std::string_view title) {
  return title.empty() ? QStringLiteral("Varavizid") : Q(title);
}

}  // namespace

QWidget* QtInteraction::Parent() const {
  if (parent_ && parent_->isVisible()) return parent_;
  return QApplication::activeWindow();
}

void QtInteraction::RegisterView(std::string name, ViewFactory factory) {
  views_[std::move(name)] = std::move(factory);
}

void QtInteraction::ShowMessage(std::string_view text, util::MessageIcon icon,
                                std::string_view title) {
  QMessageBox box(ToQtIcon(icon), Title(title), Q(text), QMessageBox::Ok, Parent());
  box.setLayoutDirection(Qt::RightToLeft);
  box.exec();
}

util::Answer QtInteraction::AskYesNo(std::string_view text, util::MessageIcon icon,
                                     std::string_view title) {
  QMessageBox box(ToQtIcon(icon), Title(title), Q(text), QMessageBox::Yes | QMessageBox::No,
                  Parent());
  box.setLayoutDirection(Qt::RightToLeft);
  box.setEscapeButton(QMessageBox::NoButton);
  int result = box.exec();
  if (result == QMessageBox::Yes) return util::Answer::Yes;
  if (result == QMessageBox::No) return util::Answer::No;
  return util::Answer::Cancel;
}

std::optional<std::string> QtInteraction::InputBox(std::string_view prompt, std::string_view title,
                                                   std::string_view initial) {
  QInputDialog dialog(Parent());
  dialog.setLayoutDirection(Qt::RightToLeft);
  dialog.setWindowTitle(Title(title));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(initial));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

void QtInteraction::RunModal(util::ModalScreen& screen) {
  auto it = views_.find(screen.ScreenName());
  if (it == views_.end()) {
    ShowMessage("Screen not available: " + std::string(screen.ScreenName()),
                util::MessageIcon::Error, {});
    return;
  }
  QWidget* parent = Parent();
  std::unique_ptr<QDialog> dialog = it->second(screen, parent);
  dialog->setLayoutDirection(Qt::RightToLeft);
  // A view that chose its own size keeps it.
  if (!dialog->testAttribute(Qt::WA_Resized)) dialog->adjustSize();
  QRect area = parent != nullptr ? parent->frameGeometry()
                                 : QGuiApplication::primaryScreen()->availableGeometry();
  dialog->move(area.center() - dialog->rect().center());
  dialog->exec();
}

bool QtInteraction::RunPrintout(util::PrintDevice& device, const std::function<void()>& printout) {
  if (auto* printer = dynamic_cast<QtPrintDevice*>(&device)) {
    return PrintWithPreview(*printer, printout, Parent());
  }
  return util::Interaction::RunPrintout(device, printout);
}

}  // namespace ui
