#include "platform/Dates.h"

#include <array>
#include <cstdio>

namespace linkfold {

namespace {

bool toLocal(std::time_t when, std::tm& out) { return localtime_r(&when, &out) != nullptr; }

constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",
                                                 "May",     "June",     "July",      "August",
                                                 "September", "October", "November", "December"};

}  // namespace

std::string formatShortDateTime(std::time_t when) {
  std::tm t{};
  if (!toLocal(when, t)) return {};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d/%02d/%02d %02d:%02d:%02d", t.tm_mon + 1, t.tm_mday,
                t.tm_year % 100, t.tm_hour, t.tm_min, t.tm_sec);
  return buffer;
}

std::string formatLongDateTime(std::time_t when) {
  std::tm t{};
  if (!toLocal(when, t) || t.tm_wday < 0 || t.tm_wday > 6 || t.tm_mon < 0 || t.tm_mon > 11)
    return {};
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%s, %s %02d, %d %02d:%02d:%02d",
                kWeekdays[static_cast<std::size_t>(t.tm_wday)],
                kMonths[static_cast<std::size_t>(t.tm_mon)], t.tm_mday, t.tm_year + 1900,
                t.tm_hour, t.tm_min, t.tm_sec);
  return buffer;
}

}  // namespace linkfold
