// Audio-device events: requested at start; no device changes are reported here.
#pragma once

int audiodevice_request_events(int flags);
int audiodevice_stop_events(int flags);
int audiodevice_get_domain();
