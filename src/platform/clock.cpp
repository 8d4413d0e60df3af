#include "platform/clock.h"

#include <ctime>

#include "platform/scheduler.h"

namespace zelvo {

DateTime SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

VirtualClock::VirtualClock(const Scheduler& scheduler, DateTime start) : scheduler_(scheduler) {
    std::tm tm{};
    tm.tm_year = start.year - 1900;
    tm.tm_mon = start.month - 1;
    tm.tm_mday = start.day;
    tm.tm_hour = start.hour;
    tm.tm_min = start.minute;
    tm.tm_sec = start.second;
    base_ = timegm(&tm);
}

void VirtualClock::minuteSecond(int& minuto, int& secondo) const {
    int64_t t = base_ + scheduler_.nowMs() / 1000;
    secondo = static_cast<int>(t % 60);
    minuto = static_cast<int>((t / 60) % 60);
}

DateTime VirtualClock::now() const {
    std::time_t t = static_cast<std::time_t>(base_ + scheduler_.nowMs() / 1000);
    std::tm out{};
    gmtime_r(&t, &out);
    return {out.tm_year + 1900, out.tm_mon + 1, out.tm_mday, out.tm_hour, out.tm_min, out.tm_sec};
}

}  // namespace zelvo
