#include "util/platform.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <functional>
#include <system_error>

#include "storage/helpers.h"

extern char** environ;

namespace util {
namespace {

std::filesystem::path EnvFolder(const char* name) {
  const char* v = std::getenv(name);
  return (v != nullptr && *v != '\0') ? std::filesystem::path(v) : std::filesystem::path();
}

std::filesystem::path HomeFolder() {
  auto home = EnvFolder("HOME");
  return home.empty() ? std::filesystem::temp_directory_path() : home;
}

bool Spawn(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> args;
  args.push_back(program);
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  // Children that ended since the last start are reaped here.
  while (::waitpid(-1, nullptr, WNOHANG) > 0) {
  }
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    return false;
  }
  return true;
}

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  std::string all(path);
  std::size_t start = 0;
  while (start <= all.size()) {
    std::size_t end = all.find(':', start);
    if (end == std::string::npos) end = all.size();
    std::filesystem::path candidate = std::filesystem::path(all.substr(start, end - start)) / program;
    if (::access(candidate.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

// /sys/block/<disk>/removable for the disk a partition such as /dev/sdb1
// belongs to.
bool KernelSaysRemovable(const std::string& device) {
  std::string name = std::filesystem::path(device).filename().string();
  std::error_code ec;
  for (std::string disk = name; !disk.empty(); disk.pop_back()) {
    auto flag = std::filesystem::path("/sys/block") / disk / "removable";
    if (std::filesystem::exists(flag, ec)) {
      std::ifstream in(flag);
      int removable = 0;
      in >> removable;
      return removable == 1;
    }
  }
  return false;
}

}  // namespace

DesktopPlatform::DesktopPlatform(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {}

DesktopPlatform::~DesktopPlatform() {
  if (instanceLock_ >= 0) ::close(instanceLock_);
}

std::filesystem::path DesktopPlatform::ProgramFolder() const { return programFolder_; }

std::filesystem::path DesktopPlatform::DesktopFolder() const {
  auto desktop = EnvFolder("XDG_DESKTOP_DIR");
  if (desktop.empty()) desktop = HomeFolder() / "Desktop";
  return desktop / "";
}

std::filesystem::path DesktopPlatform::SettingsStoreFolder() const {
  auto data = EnvFolder("XDG_DATA_HOME");
  if (data.empty()) data = HomeFolder() / ".local" / "share";
  auto base = data / "tormo";
  std::error_code ec;
  std::filesystem::create_directories(base, ec);
  return base / "pimdata" / "";
}

std::filesystem::path DesktopPlatform::ProgramDriveRoot() const {
  // The folder that holds the program folder plays the drive root: backups
  // and exports go beside the program folder, as they go to the root of its
  // drive on the original platform.
  auto folder = programFolder_.lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();
  auto parent = folder.parent_path();
  if (parent.empty()) parent = ".";
  return parent / "";
}

bool DesktopPlatform::RunningFromNetwork() const {
  if (storage::RunningFromNetwork(programFolder_.string())) return true;
  struct statfs fs{};
  if (::statfs(programFolder_.c_str(), &fs) != 0) return false;
  switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969UL:      // NFS
    case 0x517BUL:      // SMB
    case 0xFF534D42UL:  // CIFS
    case 0xFE534D42UL:  // SMB2
      return true;
    default:
      return false;
  }
}

bool DesktopPlatform::ClaimSingleInstance() {
  if (instanceLock_ >= 0) return true;
  std::error_code ec;
  auto canonical = std::filesystem::weakly_canonical(programFolder_, ec);
  std::string key = (ec ? programFolder_ : canonical).string();
  auto runtime = EnvFolder("XDG_RUNTIME_DIR");
  if (runtime.empty()) runtime = std::filesystem::temp_directory_path();
  auto lockFile = runtime / ("tormo-" + std::to_string(std::hash<std::string>{}(key)) + ".lock");
  int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // the check's own errors are ignored
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  instanceLock_ = fd;
  return true;
}

std::vector<Drive> ParseMountTable(std::istream& mounts,
                                   const std::function<bool(const std::string&)>& kernelRemovable) {
  // Every mounted block device; a device the kernel marks removable, or one
  // mounted under the usual places for removable media, counts as removable.
  std::vector<Drive> drives;
  std::string line;
  while (std::getline(mounts, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint;
    if (!(fields >> device >> mountPoint) || device.rfind("/dev/", 0) != 0) continue;
    // Spaces in mount points are written as \040.
    for (std::size_t at; (at = mountPoint.find("\\040")) != std::string::npos;) {
      mountPoint.replace(at, 4, " ");
    }
    Drive drive;
    drive.root = std::filesystem::path(mountPoint) / "";
    drive.label = mountPoint;
    bool mediaFolder = mountPoint.rfind("/media/", 0) == 0 || mountPoint.rfind("/run/media/", 0) == 0;
    drive.removable = mediaFolder || (kernelRemovable && kernelRemovable(device));
    drives.push_back(std::move(drive));
  }
  return drives;
}

std::vector<Drive> DesktopPlatform::Drives() const {
  std::ifstream mounts("/proc/self/mounts");
  return ParseMountTable(mounts, KernelSaysRemovable);
}

bool DesktopPlatform::OpenFolder(const std::filesystem::path& folder) {
  return Spawn("xdg-open", {folder.string()});
}

bool DesktopPlatform::StartProgram(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments) {
  return Spawn(program.string(), arguments);
}

bool DesktopPlatform::OpenRegionalSettings() {
  if (OnPath("gnome-control-center")) return Spawn("gnome-control-center", {"region"});
  if (OnPath("systemsettings")) return Spawn("systemsettings", {"kcm_regionandlang"});
  return false;
}

void DesktopPlatform::SetClipboardText(const std::string&) {}
void DesktopPlatform::SwitchKeyboardToArabic() {}
void DesktopPlatform::SetBusyCursor(bool) {}
void DesktopPlatform::Yield() {}

}  // namespace util
