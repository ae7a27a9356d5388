#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The places an archive can be written to: the fixed ones (the home folder and every local
// filesystem on a non-removable device) and the removable ones (sticks and cards: a device the
// kernel marks removable, or a filesystem mounted under /media or /run/media). Each place is
// its mount point (the home folder: its path).
struct DriveLists {
    QStringList fixed;
    QStringList removable;
};

// From the text of a mount table in the /proc/self/mounts layout, the block-device folder of a
// sysfs tree (`sysBlock`, usually /sys/block) and the home folder. Pseudo and network
// filesystems and read-only mounts are not offered.
DriveLists driveLists(const QString& mounts, const QString& sysBlock, const QString& home);

// The same for this machine.
DriveLists systemDriveLists();

} // namespace platform
