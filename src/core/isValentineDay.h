// Whether the local date is 14 February (the explosions take heart shapes then).
#pragma once

#include <ctime>

bool isValentineDay();
bool isValentineDay(time_t when);
