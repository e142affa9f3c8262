// Navigator: life-cycle events through the event service; addresses go to xdg-open.
#include "platform/navigator.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <vector>

#include "platform/bps.h"
#include "platform/platform.h"

extern char** environ;

static const int navigatorDomain = 2;
static bool eventsRequested = false;
static bool rotationLocked = false;
// Browser launchers still running; reaped at the next invoke.
static std::vector<pid_t> launchers;

int navigator_request_events(int) {
    eventsRequested = true;
    return BPS_SUCCESS;
}

int navigator_stop_events(int) {
    eventsRequested = false;
    return BPS_SUCCESS;
}

int navigator_rotation_lock(bool locked) {
    rotationLocked = locked;
    return BPS_SUCCESS;
}

int navigator_get_domain() { return navigatorDomain; }

void navigator_inject_event(unsigned int code) {
    if (!eventsRequested)
        return;
    bps_event_t* event = nullptr;
    bps_event_create(&event, navigatorDomain, code, nullptr, nullptr);
    bps_push_event(event);
}

static void reapLaunchers() {
    for (size_t i = 0; i < launchers.size();) {
        int status;
        if (waitpid(launchers[i], &status, WNOHANG) != 0) {
            launchers[i] = launchers.back();
            launchers.pop_back();
        } else {
            i++;
        }
    }
}

int navigator_invoke(const char* uri, char** err) {
    if (err)
        *err = nullptr;
    if (!uri || !*uri)
        return BPS_FAILURE;
    reapLaunchers();
    // An address that starts with "-" would be read as an option of the launcher.
    bool launch = uri[0] != '-' && !platformIsHeadless();
    if (launch) {
        char program[] = "xdg-open";
        char* argv[] = {program, const_cast<char*>(uri), nullptr};
        pid_t pid;
        if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) == 0) {
            launchers.push_back(pid);
            return BPS_SUCCESS;
        }
    }
    printf("%s\n", uri);
    fflush(stdout);
    return BPS_SUCCESS;
}
