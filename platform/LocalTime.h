#pragma once
// A date and a time of day, as the system's calendar gives them: what names a backup directory and
// starts each line of a run's log.

namespace qlr {

struct LocalTime {
    int year = 0, month = 0, day = 0;  // month and day from 1
    int hour = 0, minute = 0, second = 0;
};

}  // namespace qlr
