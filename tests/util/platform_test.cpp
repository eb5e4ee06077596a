#include <gtest/gtest.h>

#include <sstream>

#include "util/platform.h"

namespace {

TEST(MountTable, BlockDevicesBecomeDrivesAndRemovableOnesAreMarked) {
  std::istringstream mounts(
      "proc /proc proc rw,nosuid 0 0\n"
      "/dev/sda2 / ext4 rw,relatime 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sda3 /home ext4 rw 0 0\n"
      "/dev/sdb1 /media/amal/USB\\040DISK vfat rw 0 0\n"
      "/dev/mmcblk0p1 /mnt/card vfat rw 0 0\n");
  auto drives = util::ParseMountTable(
      mounts, [](const std::string& device) { return device == "/dev/mmcblk0p1"; });
  ASSERT_EQ(drives.size(), 4u);
  struct Expected {
    const char* root;
    bool removable;
  };
  const Expected expected[] = {{"/", false},
                               {"/home/", false},
                               {"/media/amal/USB DISK/", true},
                               {"/mnt/card/", true}};
  for (std::size_t i = 0; i < drives.size(); ++i) {
    EXPECT_EQ(drives[i].root.string(), expected[i].root) << i;
    EXPECT_EQ(drives[i].removable, expected[i].removable) << i;
  }
}

}  // namespace
