#pragma once

#include <QString>

namespace platform {

// Keeps a second copy of the program off the data folder: an exclusive lock on the data folder
// itself, so the guard follows the folder whatever session, terminal or runtime folder a copy is
// started from, and leaves no file of its own that an archive of the folder would pick up. The
// kernel drops the lock when the process ends, so a crashed copy never blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(QString folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Creates the folder (and its parents) when it is missing, locks it and holds the lock until
    // this object is destroyed. False only when another holder has it; when the folder cannot
    // be made or opened at all the program is let run (the start-up check then reports it).
    bool acquire();
    // Gives the lock up (the destructor does the same).
    void release();

    bool held() const { return fd_ >= 0; }
    const QString& folder() const { return folder_; }

private:
    QString folder_;
    int fd_ = -1;
};

} // namespace platform
