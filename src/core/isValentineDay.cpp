// The date test on the local calendar.
#include "core/isValentineDay.h"

bool isValentineDay() { return isValentineDay(time(nullptr)); }

bool isValentineDay(time_t when) {
    struct tm local;
    if (!localtime_r(&when, &local))
        return false;
    return local.tm_mon == 1 && local.tm_mday == 14;
}
