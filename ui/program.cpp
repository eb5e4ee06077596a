#include "ui/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/app.h"
#include "core/form_day.h"
#include "core/form_hospital_data.h"
#include "core/form_input_box.h"
#include "core/form_main.h"
#include "core/form_msg.h"
#include "core/form_pharmacy_info.h"
#include "core/form_select_type.h"
#include "core/form_users.h"
#include "core/startup.h"
#include "drugs/form_drg.h"
#include "drugs/form_ds.h"
#include "drugs/form_pharm.h"
#include "drugs/form_unitdesc.h"
#include "dispensing/form_marid.h"
#include "dispensing/form_marid_edit.h"
#include "dispensing/form_oot.h"
#include "dispensing/form_ptnt.h"
#include "receipts/form_inn.h"
#include "receipts/form_mrd.h"
#include "receipts/form_rasid_start.h"
#include "ui/form_day_view.h"
#include "ui/form_hospital_data_view.h"
#include "ui/form_inn_view.h"
#include "ui/form_input_box_view.h"
#include "ui/form_drg_view.h"
#include "ui/form_ds_view.h"
#include "ui/form_main_view.h"
#include "ui/form_marid_edit_view.h"
#include "ui/form_marid_view.h"
#include "ui/form_mrd_view.h"
#include "ui/form_oot_view.h"
#include "ui/form_msg_view.h"
#include "ui/form_pharmacy_info_view.h"
#include "ui/form_print_view.h"
#include "ui/form_rasid_start_view.h"
#include "ui/form_ptnt_view.h"
#include "ui/form_select_type_view.h"
#include "ui/form_start.h"
#include "ui/pick_list_view.h"
#include "ui/main_services.h"
#include "ui/form_users_view.h"
#include "ui/qt_interaction.h"
#include "ui/qt_platform.h"
#include "ui/qt_print_device.h"
#include "ui/style.h"
#include "util/clock.h"

namespace ui {
namespace {

std::filesystem::path ProgramFolderFromArguments(const QStringList& args) {
  for (qsizetype i = 1; i + 1 < args.size(); ++i) {
    if (args[i] == QStringLiteral("--program-folder")) {
      return std::filesystem::path(args[i + 1].toStdString());
    }
  }
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

void RegisterViews(QtInteraction& interaction) {
  RegisterView<core::FormSelectType, FormSelectTypeView>(interaction);
  RegisterView<core::FormMsg, FormMsgView>(interaction);
  RegisterView<core::FormInputBox, FormInputBoxView>(interaction);
  RegisterView<core::FFFPrint, FormPrintView>(interaction);
  RegisterView<receipts::FormMrd, FormMrdView>(interaction);
  RegisterView<receipts::FormInn, FormInnView>(interaction);
  RegisterView<receipts::FormRasidStart, FormRasidStartView>(interaction);
  RegisterView<drugs::FormDrg, FormDrgView>(interaction);
  RegisterView<drugs::FormDs, FormDsView>(interaction);
  RegisterView<drugs::FormPharm, PickListView<drugs::FormPharm>>(interaction);
  RegisterView<drugs::FormUnitdesc, PickListView<drugs::FormUnitdesc>>(interaction);
  RegisterView<core::FormPharmacyInfo, FormPharmacyInfoView>(interaction);
  RegisterView<core::FormUsers, FormUsersView>(interaction);
  RegisterView<core::FFFDay, FormDayView>(interaction);
  RegisterView<dispensing::FFFPTNT, FormPtntView>(interaction);
  RegisterView<dispensing::FormMarid, FormMaridView>(interaction);
  RegisterView<dispensing::FormMaridEdit, FormMaridEditView>(interaction);
  RegisterView<core::FormHospitaldata, FormHospitalDataView>(interaction);
  RegisterView<dispensing::FormOot, FormOotView>(interaction);
}

}  // namespace

int RunProgram(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Varavizid"));
  QApplication::setQuitOnLastWindowClosed(false);
  ApplyApplicationStyle();

  std::filesystem::path programFolder = ProgramFolderFromArguments(QApplication::arguments());
  std::error_code ec;
  std::filesystem::create_directories(programFolder, ec);
  programFolder = std::filesystem::absolute(programFolder, ec) / "";

  util::SystemClock clock;
  QtPlatform platform(programFolder);
  QtInteraction interaction;
  RegisterViews(interaction);
  QtPrintDevice printer(programFolder / "prints", clock);
  core::App app(clock, platform, interaction, &printer);
  app.SetExitHandler([] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });

  // The start-up window's load: the start time of the run.
  auto start = std::make_unique<FormStart>();
  app.startTime = clock.Now();
  start->show();

  ProgramServices services(app);
  core::FormMain mainLogic(app, services);
  std::unique_ptr<FormMainView> mainWindow;

  // The start-up window's activation: load everything, then the main window.
  QTimer::singleShot(0, [&] {
    auto status = core::RunStartupSequence(app);
    if (!status) {
      interaction.ShowMessage(status.message(), util::MessageIcon::Error, {});
      app.RequestExit();
      return;
    }
    if (!mainLogic.Load()) return;
    mainWindow = std::make_unique<FormMainView>(app, mainLogic);
    interaction.SetParentWindow(mainWindow.get());
    if (auto* screen = QGuiApplication::primaryScreen()) {
      mainWindow->setGeometry(screen->availableGeometry());
    }
    mainWindow->showMaximized();
    mainWindow->activateWindow();
    start.reset();
  });

  int status = application.exec();
  mainWindow.reset();
  return status;
}

}  // namespace ui
