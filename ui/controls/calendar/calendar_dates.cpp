// Date maths of the calendar field: the proleptic Gregorian calendar counted from 30 December
// 1899, month steps kept inside the years 100..9999, and the month page's cells.
#include <cmath>
#include <cstdio>
#include <ctime>

#include "ui/controls/calendar/calendar.h"

namespace {

// Days from 1 January 1970 (H. Hinnant's algorithm).
int64_t days_from_civil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

civil_date_ civil_from_days(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp + (mp < 10 ? 3 : -9);
  return {static_cast<int32_t>(yoe + era * 400 + (m <= 2)), static_cast<int32_t>(m), static_cast<int32_t>(d)};
}

const int64_t epoch = days_from_civil(1899, 12, 30);

// Dates the field can show: 1 January 100 to 31 December 9999.
bool in_range(double date) {
  return std::isfinite(date) && std::trunc(date) >= date_serial_(calendar_first_year_, 1, 1) &&
         std::trunc(date) <= date_serial_(calendar_last_year_, 12, 31);
}

}  // namespace

double date_serial_(int32_t year, int32_t month, int32_t day) {
  return static_cast<double>(days_from_civil(year, month, day) - epoch);
}

civil_date_ civil_of_(double date) {
  if (!in_range(date)) return {};
  // The whole days count towards zero; the fraction is the time of day either side.
  return civil_from_days(static_cast<int64_t>(std::trunc(date)) + epoch);
}

int32_t weekday_monday_first_(int32_t year, int32_t month, int32_t day) {
  const int64_t d = days_from_civil(year, month, day);  // 1970-01-01 was a Thursday (4)
  return static_cast<int32_t>(((d + 3) % 7 + 7) % 7) + 1;
}

int32_t days_in_month_(int32_t year, int32_t month) {
  const int32_t ny = month == 12 ? year + 1 : year, nm = month == 12 ? 1 : month + 1;
  return static_cast<int32_t>(days_from_civil(ny, nm, 1) - days_from_civil(year, month, 1));
}

int32_t month_rows_(int32_t year, int32_t month) {
  return (days_in_month_(year, month) - 1 + weekday_monday_first_(year, month, 1) - 1) / 7 + 1;
}

bool calendar_step_month_(double& shown, int32_t n) {
  if (n == 0 || n < -12 || n > 12) return false;
  const civil_date_ c = civil_of_(shown);
  int32_t year = c.year, month = c.month + n;
  if (month < 1) {
    month += 12;
    --year;
  } else if (month > 12) {
    month -= 12;
    ++year;
  }
  if (year < calendar_first_year_ || year > calendar_last_year_) return false;
  shown = date_serial_(year, month, 1);
  return true;
}

std::string calendar_date_text_(double date, std::string_view separator) {
  if (!in_range(date) || cint32_(date) == 0) return {};
  const civil_date_ c = civil_of_(date);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d", c.day);
  std::string s = buf;
  std::snprintf(buf, sizeof buf, "%02d", c.month);
  s.append(separator).append(buf);
  std::snprintf(buf, sizeof buf, "%04d", c.year);
  s.append(separator).append(buf);
  return s;
}

std::string calendar_month_name_(int32_t month) {
  if (month < 1 || month > 12) return {};
  std::tm t{};
  t.tm_year = 100;
  t.tm_mon = month - 1;
  t.tm_mday = 1;
  char buf[64];
  const size_t n = std::strftime(buf, sizeof buf, "%B", &t);
  return std::string(buf, n);
}

std::string calendar_date_separator_() {
  // The locale's short date of a day whose parts are all two digits; its first non-digit.
  std::tm t{};
  t.tm_year = 111;
  t.tm_mon = 10;
  t.tm_mday = 22;
  char buf[64];
  const size_t n = std::strftime(buf, sizeof buf, "%x", &t);
  for (size_t i = 0; i < n; ++i)
    if (buf[i] < '0' || buf[i] > '9') return std::string(1, buf[i]);
  return "/";
}

calendar_page_layout_ calendar_layout_(int32_t year, int32_t month, int32_t cw, int32_t ch, int32_t page_width) {
  calendar_page_layout_ l;
  const int32_t col = cw + 6, row = ch + 6;
  l.cells[0] = {5, 5, int16_t(col), int16_t(ch + 5)};
  l.cells[1] = {int16_t(cint32_(page_width - 5.0 - col)), 5, int16_t(col), int16_t(ch + 5)};
  const int32_t first_wd = weekday_monday_first_(year, month, 1);
  const int32_t days = days_in_month_(year, month);
  for (int32_t day = 1; day <= days; ++day) {
    const int32_t c = weekday_monday_first_(year, month, day);
    const int32_t r = (day - 1 + first_wd - 1) / 7;
    const int32_t x = (c - 1) * col + 8, y = (r + 3) * row;
    l.cells[size_t(day + 2)] = {int16_t(x - 3), int16_t(y - 3), int16_t(col), int16_t(row)};
    if (x + cw > l.needed_width) l.needed_width = x + cw;
    if (y + ch > l.needed_height) l.needed_height = y + ch;
    l.rows = r + 1;
  }
  l.needed_width += 8;
  l.needed_height += 8;
  return l;
}

int32_t calendar_cell_at_(const calendar_page_layout_& l, int32_t px, int32_t py) {
  for (int32_t id = -2; id <= 31; ++id) {
    if (id == 0) continue;
    const calendar_cell_rec_& c = l.cell(id);
    if (c.width <= 0) continue;
    if (c.x <= px && px < c.x + c.width && c.y <= py && py < c.y + c.height) return id;
  }
  return 0;
}
