#include "platform/Drives.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

void writeFlag(const QString& sysBlock, const char* disk, const char* value) {
    ASSERT_TRUE(QDir().mkpath(sysBlock + u'/' + QLatin1String(disk)));
    QFile f(sysBlock + u'/' + QLatin1String(disk) + QStringLiteral("/removable"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(value);
}

} // namespace

TEST(Drives, FixedAndRemovablePlacesFromTheMountTable) {
    QTemporaryDir sys;
    ASSERT_TRUE(sys.isValid());
    const QString block = sys.path() + QStringLiteral("/block");
    writeFlag(block, "sda", "0\n");
    writeFlag(block, "sdb", "1\n");
    writeFlag(block, "nvme0n1", "0\n");
    writeFlag(block, "mmcblk0", "1\n");

    const QString mounts = QStringLiteral("sysfs /sys sysfs rw,nosuid 0 0\n"
                                          "proc /proc proc rw 0 0\n"
                                          "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
                                          "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
                                          "tmpfs /run tmpfs rw 0 0\n"
                                          "/dev/sda1 /srv/data xfs rw 0 0\n"
                                          "/dev/sda2 /mnt/old\\040disk ext4 rw 0 0\n"
                                          "/dev/sda3 /mnt/readonly ext4 ro 0 0\n"
                                          "/dev/sdb1 /mnt/stick vfat rw,nosuid 0 0\n"
                                          "/dev/mmcblk0p1 /mnt/card exfat rw 0 0\n"
                                          "/dev/sdc1 /media/user/USB\\040DISK vfat rw 0 0\n"
                                          "/dev/sdd1 /run/media/user/CARD ntfs3 rw 0 0\n"
                                          "/dev/mapper/vg-home /data ext4 rw 0 0\n"
                                          "server:/export /net nfs4 rw 0 0\n"
                                          "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
                                          "/dev/sda1 /srv/data xfs rw 0 0\n");
    const DriveLists lists = driveLists(mounts, block, QStringLiteral("/home/user/"));
    EXPECT_EQ(lists.fixed, (QStringList{"/home/user", "/", "/srv/data", "/mnt/old disk", "/data"}));
    EXPECT_EQ(lists.removable, (QStringList{"/mnt/stick", "/mnt/card", "/media/user/USB DISK",
                                            "/run/media/user/CARD"}));
}

TEST(Drives, NoMountsLeaveTheHomeFolder) {
    const DriveLists lists =
        driveLists({}, QStringLiteral("/nonexistent"), QStringLiteral("/home/u"));
    EXPECT_EQ(lists.fixed, QStringList{"/home/u"});
    EXPECT_TRUE(lists.removable.isEmpty());
    EXPECT_TRUE(driveLists({}, {}, {}).fixed.isEmpty());
}
