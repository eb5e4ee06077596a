#include "util/clock.h"

#include <chrono>
#include <ctime>

namespace util {

OleDate SystemClock::Now() const {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  // Days since 1899-12-30 of the local calendar day, plus the local time.
  auto day = year_month_day{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
  auto epoch = sys_days{year{1899} / December / 30};
  double days = static_cast<double>((sys_days{day} - epoch).count());
  auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
  return days + seconds / 86400.0;
}

}  // namespace util
