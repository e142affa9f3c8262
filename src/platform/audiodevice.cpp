// Audio-device events: the domain exists, the desktop reports no device changes.
#include "platform/audiodevice.h"

#include "platform/bps.h"

static const int audiodeviceDomain = 3;

int audiodevice_request_events(int) { return BPS_SUCCESS; }

int audiodevice_stop_events(int) { return BPS_SUCCESS; }

int audiodevice_get_domain() { return audiodeviceDomain; }
