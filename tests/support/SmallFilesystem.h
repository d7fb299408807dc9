#pragma once
// A real, tiny filesystem for tests of what a full disk does: a tmpfs of a few kilobytes mounted
// on a folder of the test. Mounting needs root; without it the fixture says why, for GTEST_SKIP.
// The mount lives in a mount namespace of this test process where the system allows one, so a
// test that dies never leaves it behind for the machine.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace morvessa::testing {

class SmallFilesystem {
public:
    // Mounts a tmpfs of `kilobytes` on mountPoint (an existing, empty folder).
    SmallFilesystem(const std::string& mountPoint, int kilobytes) : mountPoint_(mountPoint)
    {
        if (::geteuid() != 0) {
            skipReason_ = "mounting a small filesystem to fill needs root";
            return;
        }
        PrivateMountNamespace();
        const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0777";
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            skipReason_ = std::string("a tmpfs could not be mounted: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallFilesystem()
    {
        if (mounted_)
            ::umount2(mountPoint_.c_str(), MNT_DETACH);
    }
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& skipReason() const { return skipReason_; }

    // Takes every free block with one file, so the next write of any size fails with ENOSPC.
    void Fill() const
    {
        const int fd =
            ::open((mountPoint_ + "/.filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return;
        const std::vector<char> block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        // The last part of a page.
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
    }

    // Nothing on it can be changed or removed any more, by anyone.
    bool MakeReadOnly() const
    {
        return ::mount(nullptr, mountPoint_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    // Once per process: this thread's mounts become its own, so nothing is seen or left outside.
    static void PrivateMountNamespace()
    {
        static const bool done = [] {
            if (::unshare(CLONE_NEWNS) != 0)
                return false;
            return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        }();
        (void)done;
    }

    std::string mountPoint_;
    std::string skipReason_;
    bool mounted_ = false;
};

}  // namespace morvessa::testing
