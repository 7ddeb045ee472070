#pragma once

#include <cstdint>

namespace ghdb::driver {

// A date and time of day to the second, in the proleptic Gregorian calendar.
struct CivilTime {
    std::int64_t year = 0;
    unsigned month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// An OLE Automation date (VT_DATE): days since 1899-12-30, the fraction (taken without its
// sign) the time of day, rounded to the second.
CivilTime FromOleDate(double date);

}  // namespace ghdb::driver
