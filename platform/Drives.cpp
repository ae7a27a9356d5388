#include "platform/Drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace platform {

namespace {

// Filesystems that live on a block device of this machine.
const QSet<QString>& localFilesystems() {
    static const QSet<QString> names = {
        QStringLiteral("ext2"),  QStringLiteral("ext3"),     QStringLiteral("ext4"),
        QStringLiteral("xfs"),   QStringLiteral("btrfs"),    QStringLiteral("f2fs"),
        QStringLiteral("jfs"),   QStringLiteral("reiserfs"), QStringLiteral("vfat"),
        QStringLiteral("msdos"), QStringLiteral("exfat"),    QStringLiteral("ntfs"),
        QStringLiteral("ntfs3"), QStringLiteral("fuseblk"),  QStringLiteral("hfsplus"),
        QStringLiteral("udf"),   QStringLiteral("nilfs2"),
    };
    return names;
}

// The mount table writes a blank, a tab, a line break and a backslash in octal (\040 ...).
QString unescape(const QString& field) {
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// The whole disk a device node belongs to: sdb1 -> sdb, mmcblk0p1 -> mmcblk0, nvme0n1p2 ->
// nvme0n1, as the sysfs block folder names them.
QString diskOf(const QString& device, const QString& sysBlock) {
    QString name = device.section(u'/', -1);
    if (QFileInfo::exists(sysBlock + u'/' + name))
        return name;
    QString disk = name;
    while (!disk.isEmpty() && disk.back().isDigit())
        disk.chop(1);
    if (disk.endsWith(u'p') && disk.size() > 1 && disk[disk.size() - 2].isDigit())
        disk.chop(1);
    return disk;
}

bool removableDisk(const QString& disk, const QString& sysBlock) {
    QFile flag(sysBlock + u'/' + disk + QStringLiteral("/removable"));
    return flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1";
}

} // namespace

DriveLists driveLists(const QString& mounts, const QString& sysBlock, const QString& home) {
    DriveLists lists;
    if (!home.isEmpty())
        lists.fixed << QDir::cleanPath(home);
    for (const QString& line : mounts.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        if (f.size() < 4)
            continue;
        const QString device = unescape(f[0]);
        const QString point = QDir::cleanPath(unescape(f[1]));
        const QString type = f[2];
        const QStringList options = f[3].split(u',');
        if (!device.startsWith(u"/dev/") || !localFilesystems().contains(type) ||
            options.contains(u"ro"))
            continue;
        // The boot partitions are the system's, not a place for the user's files.
        if (point == u"/boot" || point.startsWith(u"/boot/"))
            continue;
        const bool removable = point.startsWith(u"/media/") || point.startsWith(u"/run/media/") ||
                               removableDisk(diskOf(device, sysBlock), sysBlock);
        QStringList& list = removable ? lists.removable : lists.fixed;
        if (!list.contains(point))
            list << point;
    }
    return lists;
}

DriveLists systemDriveLists() {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    const QString text =
        mounts.open(QIODevice::ReadOnly) ? QString::fromUtf8(mounts.readAll()) : QString();
    return driveLists(text, QStringLiteral("/sys/block"), QDir::homePath());
}

} // namespace platform
