#include "drivers/OleDate.h"

#include <cmath>

namespace ghdb::driver {

namespace {

// Days since 1970-01-01 of a civil date, and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

}  // namespace

CivilTime FromOleDate(double date) {
    const double day = std::trunc(date);
    auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(date - day) * 86400.0));
    std::int64_t days = static_cast<std::int64_t>(day) + DaysFromCivil(1899, 12, 30);
    if (seconds >= 86400) seconds -= 86400, ++days;
    CivilTime t;
    CivilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<unsigned>(seconds / 3600);
    t.minute = static_cast<unsigned>(seconds / 60 % 60);
    t.second = static_cast<unsigned>(seconds % 60);
    return t;
}

}  // namespace ghdb::driver
