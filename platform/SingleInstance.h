#pragma once

#include <QString>

namespace platform {

// Keeps a second copy of the program from running for the same user: an exclusive lock on a
// file named after the program. The kernel drops the lock when the process ends, so a crashed
// copy never blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(QString name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock and holds it until this object is destroyed. False only when another
    // holder has it; when no lock file can be opened at all the program is let run.
    bool acquire();
    // Gives the lock up (the destructor does the same).
    void release();

    bool held() const { return fd_ >= 0; }

private:
    QString name_;
    int fd_ = -1;
};

// The lock file for `name`: in $XDG_RUNTIME_DIR, or, without one, in the temporary folder
// with the user id appended (that folder is shared between users).
QString instanceLockPath(const QString& name);

} // namespace platform
