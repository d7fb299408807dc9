#!/usr/bin/python3
"""Checks the year sheet of a generated workbook (.xls through xlrd, .xlsx through openpyxl) against
Python's own calendar: the first sheet is named by the year, holds twelve month titles, every day of
each month once, in the column whose weekday letter is that day's, and each expected holiday on its
day in the expected fill colour, and listed by name.

usage: check_year_sheet.py FILE YEAR EXPECTED.json
EXPECTED.json: {"months": [12 names], "letters": [7 letters, Monday first],
                "holidays": [[month, day, name, [r, g, b]], ...]}
Prints every difference and exits 1 when there is any.
"""
import calendar
import json
import sys


def xls_cells(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    cells = {}
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            bg = book.xf_list[cell.xf_index].background
            fill = book.colour_map.get(bg.pattern_colour_index) if bg.fill_pattern else None
            value = cell.value
            if cell.ctype == xlrd.XL_CELL_NUMBER and value == int(value):
                value = int(value)
            cells[(r, c)] = (value, tuple(fill) if fill else None)
    return sheet.name, cells


def xlsx_cells(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            fill = None
            if cell.fill is not None and cell.fill.patternType == "solid":
                text = cell.fill.fgColor.rgb if isinstance(cell.fill.fgColor.rgb, str) else "000000"
                fill = tuple(int(text[-6:][i:i + 2], 16) for i in (0, 2, 4))
            value = cell.value if cell.value is not None else ""
            cells[(cell.row - 1, cell.column - 1)] = (value, fill)
    return sheet.title, cells


def main():
    path, year, expected_path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    expected = json.load(open(expected_path, encoding="utf-8"))
    name, cells = (xlsx_cells if path.endswith(".xlsx") else xls_cells)(path)
    problems = []
    if name != str(year):
        problems.append("the first sheet is %r, not %r" % (name, str(year)))

    texts = {at: v for at, (v, _) in cells.items() if isinstance(v, str) and v}
    for month_index, month in enumerate(expected["months"], start=1):
        titles = [at for at, v in texts.items() if v == month]
        if len(titles) != 1:
            problems.append("%s: %d titles" % (month, len(titles)))
            continue
        title_row, title_column = titles[0]
        # The weekday letters are the row below the title; the days the six rows below them.
        letter_columns = {}
        for c in range(title_column, title_column + 8):
            letter = cells.get((title_row + 1, c), ("", None))[0]
            if isinstance(letter, str) and letter:
                letter_columns[c] = letter
        if len(letter_columns) != 7:
            problems.append("%s: %d weekday letters" % (month, len(letter_columns)))
            continue
        found = {}
        for r in range(title_row + 2, title_row + 8):
            for c in letter_columns:
                value, fill = cells.get((r, c), ("", None))
                if isinstance(value, int):
                    found.setdefault(value, []).append((c, fill))
        days = calendar.monthrange(year, month_index)[1]
        if sorted(found) != list(range(1, days + 1)) or any(len(v) != 1 for v in found.values()):
            problems.append("%s: days %s" % (month, sorted(found)))
            continue
        for day, [(column, fill)] in found.items():
            weekday = calendar.weekday(year, month_index, day)  # 0 = Monday
            if letter_columns[column] != expected["letters"][weekday]:
                problems.append("%s %d: under %r" % (month, day, letter_columns[column]))
        for h_month, h_day, h_name, rgb in expected["holidays"]:
            if h_month != month_index:
                continue
            fill = found[h_day][0][1]
            if fill != tuple(rgb):
                problems.append("%s %d (%s): fill %s, not %s" % (month, h_day, h_name, fill, tuple(rgb)))
            if not any(h_name in v for v in texts.values()):
                problems.append("%s is not listed" % h_name)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
