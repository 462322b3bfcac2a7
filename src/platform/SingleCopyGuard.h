#pragma once

#include <QString>

// Keeps a second copy of the program from starting beside a living one: a
// lock on a file in the user's runtime folder, held for the life of the
// process. The kernel lets go of it the moment the holder ends, however it
// ends, so nothing a dead copy left behind can keep the user out; what the
// file holds and who may write it do not matter.
class SingleCopyGuard
{
public:
    enum class Outcome {
        Held, // this process now holds the lock
        Refused, // a living process holds it
        Unchecked, // the place cannot be used; whether another copy runs is unknown
    };

    SingleCopyGuard() = default;
    ~SingleCopyGuard();
    SingleCopyGuard(const SingleCopyGuard &) = delete;
    SingleCopyGuard &operator=(const SingleCopyGuard &) = delete;

    // Tries to take the lock on the file at path (made if need be). An empty
    // path stands for a runtime folder that could not be found or made.
    Outcome claim(const QString &path);
    bool isHeld() const { return m_fd >= 0; }

    // After Unchecked: what stood in the way, in a few words.
    QString problem() const { return m_problem; }

private:
    Outcome unchecked(const QString &problem);

    int m_fd = -1;
    QString m_problem;
};
