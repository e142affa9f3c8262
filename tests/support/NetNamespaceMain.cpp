// The main of the online tests: before any test runs, the process moves into
// its own user, network and mount namespaces, brings the loopback up and maps
// the score server's name to 127.0.0.1, so that the client reaches a test
// server at the shipped host name and port 80 and nothing leaves the process.
// As in every test program, documents go to a folder of the program's own and
// the preferences are connected.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "savedata/Preferences.h"
#include "savedata/WebInterface.h"
#include "support/NetNamespace.h"
#include "support/ScratchDocuments.h"

static std::string setupError;

const std::string& netNamespaceError() { return setupError; }

static bool writeFile(const char* path, const std::string& text) {
    int fd = open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = write(fd, text.data(), text.size()) == (ssize_t)text.size();
    close(fd);
    return ok;
}

static std::string failure(const std::string& step) {
    return step + " failed: " + strerror(errno) +
           " (the online tests need unprivileged user namespaces or root with CAP_SYS_ADMIN)";
}

static std::string enterNamespace() {
    uid_t uid = getuid();
    gid_t gid = getgid();
    bool root = geteuid() == 0;
    int flags = CLONE_NEWNET | CLONE_NEWNS | (root ? 0 : CLONE_NEWUSER);
    if (unshare(flags) != 0)
        return failure("unshare(CLONE_NEWNET|CLONE_NEWNS" + std::string(root ? "" : "|CLONE_NEWUSER") + ")");
    if (!root) {
        writeFile("/proc/self/setgroups", "deny");
        if (!writeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1\n") ||
            !writeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1\n"))
            return failure("writing the uid and gid maps");
    }
    int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq request;
    memset(&request, 0, sizeof request);
    strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = s >= 0 && ioctl(s, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags |= IFF_UP | IFF_RUNNING;
    up = up && ioctl(s, SIOCSIFFLAGS, &request) == 0;
    if (s >= 0)
        close(s);
    if (!up)
        return failure("bringing the loopback up");
    // Nothing mounted from here on reaches the host's mount table.
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return failure("making / private");
    char hosts[] = "/tmp/zorbix_hosts_XXXXXX";
    int fd = mkstemp(hosts);
    if (fd < 0)
        return failure("making the hosts file");
    std::string lines = "127.0.0.1 localhost " + WebInterface::serverHost + "\n";
    bool written = write(fd, lines.data(), lines.size()) == (ssize_t)lines.size();
    close(fd);
    bool mounted = written && mount(hosts, "/etc/hosts", nullptr, MS_BIND, nullptr) == 0;
    unlink(hosts);
    if (!mounted)
        return failure("bind-mounting /etc/hosts");
    return "";
}

int main(int argc, char** argv) {
    signal(SIGPIPE, SIG_IGN);
    setupError = enterNamespace();
    if (!setupError.empty())
        fprintf(stderr, "%s\n", setupError.c_str());
    useScratchDocuments(argc, argv);
    Preferences::connectHooks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
