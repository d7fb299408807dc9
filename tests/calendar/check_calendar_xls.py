#!/usr/bin/python3
"""Checks a generated calendar workbook with an independent reader (xlrd) against calendar facts
computed here independently (Python's calendar module, Meeus' Easter rule).

usage: check_calendar_xls.py FILE.xls YEAR ACTIVE_MONTH [SETTINGS.json]

SETTINGS.json (all keys optional, defaults are the first-run settings and the English calendar):
  {"fixed": [[month, day, name], ...], "floating": [[month, weekday, occurrence|"Last", name], ...],
   "easter": 1|2, "HolidaysColor": 36, "DaysColor": 0, "EmptyColor": 15,
   "week_start": 1..7 (1 = Sunday), "first_month": 1..12 (YEAR is that month's year),
   "week_numbers": true|false (ISO week of each row's Monday in column BE),
   "months": [12 sheet names], "title_months": [12 names in titles], "title_format": "{month} {year}",
   "weekdays": [7 header names, Sunday first], "letters": [7 mini-month letters, Sunday first]}
Prints every difference and exits 1 when there is any.
"""
import calendar
import datetime
import json
import struct
import sys

import xlrd
from xlrd import compdoc

MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
DEFAULT_FIXED = [[1, 1, "New Year's Day"], [6, 14, "Flag Day"], [7, 4, "Independence Day"],
                 [12, 25, "Christmas"], [11, 11, "Veterans Day"], [2, 14, "Valentine's Day"],
                 [10, 31, "Halloween"]]
DEFAULT_FLOATING = [[5, 2, "Last", "Memorial Day"], [1, 2, 3, "Martin Luther King Day"],
                    [9, 2, 1, "Labor Day"], [10, 2, 2, "Columbus Day"], [11, 5, 4, "Thanksgiving"],
                    [5, 1, 2, "Mother's Day"], [6, 1, 3, "Father's Day"],
                    [2, 2, 3, "President's Day"], [3, 1, 2, "Daylight Saving Time Begins"],
                    [11, 1, 1, "Daylight Saving Time Ends"]]
WEEKDAYS = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]
NO_FILL = None
RED = 3

errors = []


def err(text):
    errors.append(text)


def easter(year):
    # Meeus/Jones/Butcher Gregorian computation.
    a = year % 19
    b, c = divmod(year, 100)
    d, e = divmod(b, 4)
    f = (b + 8) // 25
    g = (b - f + 1) // 3
    h = (19 * a + b - d - g + 15) % 30
    i, k = divmod(c, 4)
    l = (32 + 2 * e + 2 * i - h - k) % 7
    m = (a + 11 * h + 22 * l) // 451
    month = (h + l - 7 * m + 114) // 31
    day = (h + l - 7 * m + 114) % 31 + 1
    return month, day


def sunday_index(year, month, day):
    return (calendar.weekday(year, month, day) + 1) % 7  # 0 = Sunday


WEEK_START = 1  # 1 = Sunday .. 7 = Saturday; set from the settings


def column_index(year, month, day):
    """0-based column of a date in a week starting on WEEK_START."""
    return (sunday_index(year, month, day) - (WEEK_START - 1)) % 7


def days_in(year, month):
    return calendar.monthrange(year, month)[1]


def week_rows(year, month):
    return (column_index(year, month, 1) + days_in(year, month) + 6) // 7


def day_position(year, month, day):
    """0-based (row, column) of the day-number cell."""
    offset = day - 1 + column_index(year, month, 1)
    return 8 + 8 * (offset // 7), 8 * (offset % 7)


def colour(setting):
    return NO_FILL if setting in (0, -4142) else setting


def as_int(value):
    if isinstance(value, bool):
        return None
    if isinstance(value, (int, float)) and float(value).is_integer():
        return int(value)
    if isinstance(value, str):
        try:
            number = float(value.strip())
        except ValueError:
            return None
        return int(number) if number.is_integer() else None
    return None


def expected_holidays(year, settings):
    """{(month, day): name}: later holidays replace earlier ones on the same date."""
    marks = {}
    for month, day, name in settings.get("fixed", DEFAULT_FIXED):
        month, day = as_int(month), as_int(day)
        if month is None or day is None or not 1 <= month <= 12 or not 1 <= day <= days_in(year, month):
            continue
        marks[(month, day)] = name
    for month, weekday, occurrence, name in settings.get("floating", DEFAULT_FLOATING):
        month, weekday = as_int(month), as_int(weekday)
        if month is None or weekday is None or not 1 <= month <= 12 or not 1 <= weekday <= 7:
            continue
        days = [d for d in range(1, days_in(year, month) + 1)
                if sunday_index(year, month, d) == weekday - 1]
        if occurrence == "Last":
            day = days[-1]
        else:
            n = as_int(occurrence)
            if n is None or not 1 <= n <= len(days):
                continue
            day = days[n - 1]
        marks[(month, day)] = name
    if as_int(settings.get("easter", 1)) == 1:
        marks[easter(year)] = settings.get("easter_name", "Easter")
    return marks


def same_value(actual, expected):
    # A name made of digits is stored as a number, as the host stores typed numeric text.
    if isinstance(actual, float) and isinstance(expected, str):
        try:
            return actual == float(expected)
        except ValueError:
            return False
    return actual == expected


class Sheet:
    def __init__(self, book, sheet):
        self.book = book
        self.sheet = sheet

    def value(self, row, col):
        if row < self.sheet.nrows and col < self.sheet.row_len(row):
            cell = self.sheet.cell(row, col)
            if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                return None
            return cell.value
        return None

    def xf(self, row, col):
        try:
            return self.book.xf_list[self.sheet.cell_xf_index(row, col)]
        except IndexError:
            info = self.sheet.rowinfo_map.get(row)
            if info is not None and info.has_default_xf_index:
                return self.book.xf_list[info.xf_index]
            info = self.sheet.colinfo_map.get(col)
            return self.book.xf_list[info.xf_index if info is not None else 15]

    def fill(self, row, col):
        """Palette index 1..56 of a solid fill, or None."""
        background = self.xf(row, col).background
        if background.fill_pattern == 0:
            return NO_FILL
        if background.fill_pattern != 1:
            return ("pattern", background.fill_pattern)
        return background.pattern_colour_index - 7

    def font(self, row, col):
        return self.book.font_list[self.xf(row, col).font_index]

    def font_colour(self, row, col):
        index = self.font(row, col).colour_index
        return index - 7 if 8 <= index <= 63 else "automatic"


def cell_name(row, col):
    letters = ""
    col += 1
    while col:
        col, rest = divmod(col - 1, 26)
        letters = chr(65 + rest) + letters
    return "%s%d" % (letters, row + 1)


def raw_sheet_windows(path):
    """Per worksheet, in order: (window2 flags, active cell (row, col)) from the raw BIFF stream."""
    with open(path, "rb") as f:
        data = f.read()
    doc = compdoc.CompDoc(data, logfile=open("/dev/null", "w"))
    stream = doc.get_named_stream("Workbook")
    result = []
    pos = 0
    current = None
    while pos + 4 <= len(stream):
        code, length = struct.unpack_from("<HH", stream, pos)
        body = stream[pos + 4:pos + 4 + length]
        pos += 4 + length
        if code == 0x0809 and len(body) >= 4 and struct.unpack_from("<H", body, 2)[0] == 0x10:
            current = {"flags": 0, "active": None}
            result.append(current)
        elif current is not None and code == 0x023E and len(body) >= 2:
            current["flags"] = struct.unpack_from("<H", body, 0)[0]
        elif current is not None and code == 0x001D and len(body) >= 5:
            current["active"] = struct.unpack_from("<HH", body, 1)
        elif code == 0x000A:
            current = None
    return result


def title_text(title_format, month_name, year):
    # A title month may carry its own "{year}" where the language puts the year elsewhere.
    return title_format.format(month=month_name, year=year).replace("{year}", str(year))


def check_month(sheet, year, month, settings, marks):
    name = settings.get("months", MONTHS)[month - 1]
    title_months = settings.get("title_months", settings.get("months", MONTHS))
    title_format = settings.get("title_format", "{month} {year}")
    weekdays = settings.get("weekdays", WEEKDAYS)
    letters = settings.get("letters", list("SMTWTFS"))
    rows = week_rows(year, month)
    first = column_index(year, month, 1)
    length = days_in(year, month)
    days_colour = colour(settings.get("DaysColor", 0))
    empty_colour = colour(settings.get("EmptyColor", 15))
    holiday_colour = colour(settings.get("HolidaysColor", 36))
    expected_values = {}
    expected_merges = {(0, 5, 0, 56)}

    # Title and weekday header.
    expected_values[(0, 0)] = title_text(title_format, title_months[month - 1], year)
    font = sheet.font(0, 0)
    if (font.name, font.weight, font.height) != ("Arial", 700, 400):
        err("%s: title font %s weight=%s height=%s" % (name, font.name, font.weight, font.height))
    for w in range(7):
        expected_values[(5, 8 * w)] = weekdays[(w + WEEK_START - 1) % 7]
        expected_merges.add((5, 8, 8 * w, 8 * w + 8))

    # Day grid: numbers, fills, holidays; the ISO week of each row's Monday beside it.
    for band in range(rows):
        if settings.get("week_numbers"):
            top = 8 + 8 * band
            row_start = datetime.date(year, month, 1) + datetime.timedelta(days=7 * band - first)
            monday = row_start + datetime.timedelta(days=(2 - WEEK_START) % 7)
            expected_values[(top, 56)] = float(monday.isocalendar()[1])
            expected_merges.add((top, top + 2, 56, 57))
        for w in range(7):
            top, col = 8 + 8 * band, 8 * w
            expected_merges.add((top, top + 2, col, col + 8))
            expected_merges.add((top + 2, top + 8, col, col + 8))
            day = band * 7 + w - first + 1
            in_month = 1 <= day <= length
            if in_month:
                expected_values[(top, col)] = float(day)
                mark = marks.get((month, day))
                if mark is not None:
                    expected_values[(top + 2, col)] = mark
                    if sheet.font_colour(top + 2, col) != RED:
                        err("%s %d: holiday font colour %s" % (name, day, sheet.font_colour(top + 2, col)))
                day_fill, notes_fill = 19, holiday_colour if mark is not None else days_colour
            else:
                day_fill = notes_fill = empty_colour
            # A merged area shows the format of its top-left cell; only that one is checked where
            # a holiday coloured just that cell.
            checked = [(top, col, day_fill), (top + 1, col + 7, day_fill), (top + 2, col, notes_fill)]
            if not in_month or marks.get((month, day)) is None:
                checked.append((top + 7, col + 7, notes_fill))
            for row, c, want in checked:
                got = sheet.fill(row, c)
                if got != want:
                    err("%s: %s fill at %s is %s, expected %s (day %d)"
                        % (name, "day" if row < top + 2 else "notes", cell_name(row, c), got, want, day))

    # Mini months one blank row below the grid.
    title_row = 8 * rows + 9
    for previous, first_col in ((True, 16), (False, 24)):
        if previous:
            m, y = (12, year - 1) if month == 1 else (month - 1, year)
        else:
            m, y = (1, year + 1) if month == 12 else (month + 1, year)
        expected_values[(title_row, first_col)] = title_text(title_format, title_months[m - 1], y)
        expected_merges.add((title_row, title_row + 1, first_col, first_col + 7))
        for i in range(7):
            expected_values[(title_row + 1, first_col + i)] = letters[(i + WEEK_START - 1) % 7]
        mini_first = column_index(y, m, 1)
        mini_rows = week_rows(y, m)
        for d in range(1, days_in(y, m) + 1):
            offset = d - 1 + mini_first
            expected_values[(title_row + 2 + offset // 7, first_col + offset % 7)] = float(d)
        font = sheet.font(title_row + 2, first_col + 3)
        if (font.name, font.height) != ("Arial", 140):
            err("%s: mini day font %s %s" % (name, font.name, font.height))
        font = sheet.font(title_row, first_col)
        if (font.name, font.height) != ("Arial", 160):
            err("%s: mini title font %s %s" % (name, font.name, font.height))
        for r in range(title_row, title_row + 2 + mini_rows):
            for c in range(first_col, first_col + 7):
                border = sheet.xf(r, c).border
                if r > title_row and (border.left_line_style, border.top_line_style) != (1, 1):
                    err("%s: mini month border at %s: %s %s" % (name, cell_name(r, c),
                        border.left_line_style, border.top_line_style))
                if sheet.fill(r, c) != 2:
                    err("%s: mini month fill at %s: %s" % (name, cell_name(r, c), sheet.fill(r, c)))

    # Every value of the sheet, and nothing else.
    actual = {}
    for r in range(sheet.sheet.nrows):
        for c in range(sheet.sheet.row_len(r)):
            v = sheet.value(r, c)
            if v is not None and v != "":
                actual[(r, c)] = v
    for key in sorted(set(actual) | set(expected_values)):
        if not same_value(actual.get(key), expected_values.get(key)):
            err("%s: %s holds %r, expected %r" % (name, cell_name(*key), actual.get(key),
                                                   expected_values.get(key)))
    merges = {tuple(m) for m in sheet.sheet.merged_cells}
    for m in sorted(merges ^ expected_merges):
        err("%s: merged area %s:%s %s" % (name, cell_name(m[0], m[2]), cell_name(m[1] - 1, m[3] - 1),
                                           "unexpected" if m in merges else "missing"))


def main():
    global WEEK_START
    path, year, active = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    settings = {}
    if len(sys.argv) > 4:
        with open(sys.argv[4], encoding="utf-8") as f:
            settings = json.load(f)
    WEEK_START = settings.get("week_start", 1)
    first_month = settings.get("first_month", 1)
    # Twelve consecutive months from the first one, each with its own year.
    shown = [(year + (first_month - 1 + i) // 12, (first_month - 1 + i) % 12 + 1) for i in range(12)]
    months = settings.get("months", MONTHS)
    book = xlrd.open_workbook(path, formatting_info=True)
    names = book.sheet_names()
    expected_names = [months[m - 1] for _, m in shown]
    if names != expected_names:
        err("sheets are %s, expected %s" % (names, expected_names))
    marks_of_year = {y: expected_holidays(y, settings) for y in {y for y, _ in shown}}
    for index, sheet in enumerate(book.sheets()):
        if index < 12 and sheet.name == expected_names[index]:
            y, m = shown[index]
            check_month(Sheet(book, sheet), y, m, settings, marks_of_year[y])
    windows = raw_sheet_windows(path)
    active_index = (active - first_month) % 12
    for index, window in enumerate(windows):
        shown_flag = bool(window["flags"] & 0x0400)
        if shown_flag != (index == active_index):
            err("sheet %d shown flag %s" % (index + 1, shown_flag))
        if index == active_index and window["active"] != (10, 8):
            err("active cell of the active sheet is %s, expected I11" % (window["active"],))
    for line in errors[:60]:
        print(line)
    if len(errors) > 60:
        print("... and %d more" % (len(errors) - 60))
    print("%d differences" % len(errors))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
