#pragma once
// The platform seam: the places and services of the desktop the program runs
// on. The Windows locations of the system map onto this platform here.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace util {

// A place backups can go to: a mounted drive.
struct Drive {
  std::filesystem::path root;  // where it is mounted
  std::string label;           // what the drive list shows
  bool removable = false;      // a USB stick, a memory card
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The program folder: the one given on the command line, else the
  // executable's folder.
  virtual std::filesystem::path ProgramFolder() const = 0;
  // The user's desktop ("USERPROFILE\Desktop\").
  virtual std::filesystem::path DesktopFolder() const = 0;
  // The folder of the small settings store ("C:\pimdata\"). Its parent
  // exists, as the drive root does on the original platform.
  virtual std::filesystem::path SettingsStoreFolder() const = 0;
  // The root of the program folder's drive ("D:\" for a folder on D:).
  virtual std::filesystem::path ProgramDriveRoot() const = 0;
  // Whether the program folder lies on another computer of the network.
  virtual bool RunningFromNetwork() const = 0;
  // Claims the single running instance of the program folder; false when
  // another instance already runs. The claim lasts as long as this object.
  virtual bool ClaimSingleInstance() = 0;

  // The mounted drives, in the order the drive list shows them.
  virtual std::vector<Drive> Drives() const = 0;

  // Opens the folder in the file manager.
  virtual bool OpenFolder(const std::filesystem::path& folder) = 0;
  // Starts another program, not waiting for it.
  virtual bool StartProgram(const std::filesystem::path& program,
                            const std::vector<std::string>& arguments) = 0;
  // Opens the system's language and region settings; false where none exists.
  virtual bool OpenRegionalSettings() = 0;

  virtual void SetClipboardText(const std::string& text) = 0;
  virtual void SwitchKeyboardToArabic() = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  // Lets the user interface process its pending events (a no-op without one).
  virtual void Yield() = 0;
};

// Shows the busy pointer for as long as it lives.
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.SetBusyCursor(true); }
  ~BusyPointer() { platform_.SetBusyCursor(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Platform& platform_;
};

// The drives of a mount table in the format of /proc/self/mounts;
// kernelRemovable tells whether a device such as /dev/sdb1 is removable.
std::vector<Drive> ParseMountTable(std::istream& mounts,
                                   const std::function<bool(const std::string&)>& kernelRemovable);

// The platform without a window system: XDG folders, a lock file for the
// single-instance check, xdg-open for folders. The window system's own
// services (clipboard, cursor, events) do nothing here; the Qt program
// overrides them.
class DesktopPlatform : public Platform {
 public:
  explicit DesktopPlatform(std::filesystem::path programFolder);
  ~DesktopPlatform() override;
  DesktopPlatform(const DesktopPlatform&) = delete;
  DesktopPlatform& operator=(const DesktopPlatform&) = delete;

  std::filesystem::path ProgramFolder() const override;
  std::filesystem::path DesktopFolder() const override;
  std::filesystem::path SettingsStoreFolder() const override;
  std::filesystem::path ProgramDriveRoot() const override;
  bool RunningFromNetwork() const override;
  bool ClaimSingleInstance() override;
  std::vector<Drive> Drives() const override;
  bool OpenFolder(const std::filesystem::path& folder) override;
  bool StartProgram(const std::filesystem::path& program,
                    const std::vector<std::string>& arguments) override;
  bool OpenRegionalSettings() override;
  void SetClipboardText(const std::string& text) override;
  void SwitchKeyboardToArabic() override;
  void SetBusyCursor(bool busy) override;
  void Yield() override;

 private:
  std::filesystem::path programFolder_;
  int instanceLock_ = -1;
};

}  // namespace util
