#!/usr/bin/python3
"""Compares an .xlsx workbook with the .xls of the same content through two independent readers
(openpyxl for the .xlsx, xlrd plus the raw BIFF records xlrd skips for the .xls), as a user would
see them: sheet order, the active sheet and its selection, merged areas, column widths and row
heights in pixels, page setup, and cell by cell the value, font (name, size, bold, italic, RGB),
fill (pattern and RGB), the border on each edge (style and RGB) and the alignment with wrap.

usage: compare_xlsx_xls.py FILE.xls FILE.xlsx
Prints every difference and exits 1 when there is any; exit 2 when a reader is missing.
"""
import math
import struct
import sys

try:
    import openpyxl
    import xlrd
    from openpyxl.utils import get_column_letter
    from openpyxl.worksheet.merge import MergedCellRange
    from openpyxl.worksheet.worksheet import Worksheet
    from xlrd import compdoc
except ImportError:
    sys.exit(2)

# On loading, openpyxl drops the formats of the covered cells of a merged area and moves borders
# onto its top-left cell; what is compared here is each cell's own format in the file.
Worksheet._clean_merge_range = lambda self, merged_range: None
MergedCellRange._get_borders = lambda self: None

MAX_COLUMNS = 256
BORDERS = [None, "thin", "medium", "dashed", "dotted", "thick", "double", "hair", "mediumDashed",
           "dashDot", "mediumDashDot", "dashDotDot", "mediumDashDotDot", "slantDashDot"]
PATTERNS = [None, "solid", "mediumGray", "darkGray", "lightGray", "darkHorizontal", "darkVertical",
            "darkDown", "darkUp", "darkGrid", "darkTrellis", "lightHorizontal", "lightVertical",
            "lightDown", "lightUp", "lightGrid", "lightTrellis", "gray125", "gray0625"]
HORIZONTAL = ["general", "left", "center", "right", "fill", "justify", "centerContinuous",
              "distributed"]
VERTICAL = ["top", "center", "bottom", "justify", "distributed"]
AUTO = "auto"

errors = []


def err(text):
    errors.append(text)


def cell_name(row, col):
    return "%s%d" % (get_column_letter(col + 1), row + 1)


# ---- The .xls -------------------------------------------------------------------------------


def raw_sheet_records(path):
    """Per worksheet, in order, what xlrd does not report: selection and page setup."""
    with open(path, "rb") as f:
        data = f.read()
    stream = compdoc.CompDoc(data, logfile=open("/dev/null", "w")).get_named_stream("Workbook")
    sheets, current, pos = [], None, 0
    while pos + 4 <= len(stream):
        code, length = struct.unpack_from("<HH", stream, pos)
        body = stream[pos + 4:pos + 4 + length]
        pos += 4 + length
        if code == 0x0809 and len(body) >= 4 and struct.unpack_from("<H", body, 2)[0] == 0x10:
            current = {"active": (0, 0), "areas": [(0, 0, 0, 0)], "landscape": False, "paper": 0,
                       "scale": 100, "fit": None, "hcenter": False, "fit_flag": False}
            sheets.append(current)
        elif current is None:
            continue
        elif code == 0x001D and len(body) >= 9:  # SELECTION
            _, row, col, _, count = struct.unpack_from("<BHHHH", body, 0)
            current["active"] = (row, col)
            current["areas"] = [struct.unpack_from("<HHBB", body, 9 + 6 * i) for i in range(count)
                                if 9 + 6 * i + 6 <= len(body)]
        elif code == 0x00A1 and len(body) >= 12:  # SETUP
            paper, scale, _, wide, tall, flags = struct.unpack_from("<6H", body, 0)
            no_printer_fields = flags & 0x04
            current["landscape"] = not no_printer_fields and not flags & 0x02
            current["paper"] = 0 if no_printer_fields else paper
            current["scale"] = 100 if no_printer_fields else scale
            current["fit"] = (wide, tall)
        elif code == 0x0083 and len(body) >= 2:  # HCENTER
            current["hcenter"] = struct.unpack_from("<H", body, 0)[0] == 1
        elif code == 0x0081 and len(body) >= 2:  # WSBOOL
            current["fit_flag"] = bool(struct.unpack_from("<H", body, 0)[0] & 0x0100)
        elif code == 0x000A:
            current = None
    return sheets


class XlsSheet:
    def __init__(self, book, sheet, raw):
        self.book, self.sheet, self.raw = book, sheet, raw

    def rgb(self, index):
        colour = self.book.colour_map.get(index)
        return AUTO if colour is None else tuple(colour)

    def xf(self, row, col):
        """The format a reader shows: the cell's, else its row's, else its column's."""
        if row < self.sheet.nrows and col < self.sheet.row_len(row):
            return self.book.xf_list[self.sheet.cell_xf_index(row, col)]
        info = self.sheet.rowinfo_map.get(row)
        if info is not None and info.has_default_xf_index:
            return self.book.xf_list[info.xf_index]
        info = self.sheet.colinfo_map.get(col)
        return self.book.xf_list[info.xf_index if info is not None else 15]

    def value(self, row, col):
        if row < self.sheet.nrows and col < self.sheet.row_len(row):
            cell = self.sheet.cell(row, col)
            if cell.ctype not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK) and cell.value != "":
                return cell.value
        return None

    def look(self, row, col):
        xf = self.xf(row, col)
        font = self.book.font_list[xf.font_index]
        bg = xf.background
        pattern = PATTERNS[bg.fill_pattern] if bg.fill_pattern < len(PATTERNS) else bg.fill_pattern
        if pattern is None:
            fill = None
        elif pattern == "solid":
            fill = (pattern, self.rgb(bg.pattern_colour_index))
        else:
            fill = (pattern, self.rgb(bg.pattern_colour_index), self.rgb(bg.background_colour_index))
        b = xf.border
        edges = []
        for style, colour in ((b.left_line_style, b.left_colour_index),
                              (b.top_line_style, b.top_colour_index),
                              (b.bottom_line_style, b.bottom_colour_index),
                              (b.right_line_style, b.right_colour_index)):
            edges.append((BORDERS[style], self.rgb(colour)) if style else None)
        al = xf.alignment
        return {
            "font": (font.name, font.height / 20.0, font.weight >= 700, bool(font.italic),
                     self.rgb(font.colour_index)),
            "fill": fill,
            "border": tuple(edges),
            "align": (HORIZONTAL[al.hor_align], VERTICAL[al.vert_align], bool(al.text_wrapped)),
        }

    def column_pixels(self, col):
        info = self.sheet.colinfo_map.get(col)
        if info is not None:
            return 0 if info.hidden else round(info.width * 7 / 256)
        if self.sheet.standardwidth is not None:
            return round(self.sheet.standardwidth * 7 / 256)
        return math.ceil((self.sheet.defcolwidth * 7 + 5) / 8) * 8

    def row_points(self, row):
        info = self.sheet.rowinfo_map.get(row)
        if info is not None:
            return 0 if info.hidden else info.height / 20.0
        return self.sheet.default_row_height / 20.0

    def extent(self):
        return max([self.sheet.nrows] + [r + 1 for r in self.sheet.rowinfo_map]), self.sheet.ncols


# ---- The .xlsx ------------------------------------------------------------------------------


def xlsx_rgb(color):
    if color is None or color.type == "auto":
        return AUTO
    if color.type == "rgb" and isinstance(color.rgb, str):
        text = color.rgb[-6:]
        return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))
    if color.type == "theme" and color.theme == 1:  # the text colour: a font's automatic colour
        return AUTO
    if color.type == "indexed" and color.indexed in (64, 65):  # system colours
        return AUTO
    return ("unexpected colour", color.type, color.value)


class XlsxSheet:
    def __init__(self, ws):
        self.ws = ws
        self.columns = {}
        for dim in ws.column_dimensions.values():
            if dim.min is None:
                continue
            for c in range(dim.min - 1, min(dim.max, MAX_COLUMNS)):
                self.columns[c] = dim

    def styled(self, row, col):
        """The cell, else its row's or its column's dimension, as a reader shows the format."""
        cell = self.ws._cells.get((row + 1, col + 1))
        if cell is not None:
            return cell
        if row + 1 in self.ws.row_dimensions and self.ws.row_dimensions[row + 1].has_style:
            return self.ws.row_dimensions[row + 1]
        dim = self.columns.get(col)
        if dim is not None and dim.has_style:
            return dim
        return self.ws.cell(row + 1, col + 1)

    def value(self, row, col):
        cell = self.ws._cells.get((row + 1, col + 1))
        if cell is None or cell.value is None or cell.value == "":
            return None
        return float(cell.value) if isinstance(cell.value, (int, float)) else cell.value

    def look(self, row, col):
        obj = self.styled(row, col)
        font, fill, border, al = obj.font, obj.fill, obj.border, obj.alignment
        pattern = fill.patternType if getattr(fill, "patternType", None) else None
        if pattern is None:
            fill_look = None
        elif pattern == "solid":
            fill_look = (pattern, xlsx_rgb(fill.fgColor))
        else:
            fill_look = (pattern, xlsx_rgb(fill.fgColor), xlsx_rgb(fill.bgColor))
        edges = []
        for side in (border.left, border.top, border.bottom, border.right):
            edges.append((side.style, xlsx_rgb(side.color)) if side is not None and side.style else None)
        return {
            "font": (font.name, float(font.sz), bool(font.b), bool(font.i), xlsx_rgb(font.color)),
            "fill": fill_look,
            "border": tuple(edges),
            "align": (al.horizontal or "general", al.vertical or "bottom", bool(al.wrap_text)),
        }

    def column_pixels(self, col):
        dim = self.columns.get(col)
        if dim is not None and dim.width is not None:
            return 0 if dim.hidden else int((256 * dim.width + 128 // 7) / 256 * 7)
        fmt = self.ws.sheet_format
        if fmt.defaultColWidth is not None:
            return int((256 * fmt.defaultColWidth + 128 // 7) / 256 * 7)
        base = fmt.baseColWidth if fmt.baseColWidth is not None else 8
        return math.ceil((base * 7 + 5) / 8) * 8

    def row_points(self, row):
        if row + 1 in self.ws.row_dimensions:
            dim = self.ws.row_dimensions[row + 1]
            if dim.hidden:
                return 0
            if dim.ht is not None:
                return float(dim.ht)
        return float(self.ws.sheet_format.defaultRowHeight)

    def extent(self):
        return max([self.ws.max_row] + list(self.ws.row_dimensions.keys())), self.ws.max_column

    def selection(self):
        view = self.ws.sheet_view
        if not view.selection:
            return (0, 0), [(0, 0, 0, 0)]
        sel = view.selection[0]
        active = openpyxl.utils.cell.coordinate_to_tuple(sel.activeCell or "A1")
        areas = []
        for part in str(sel.sqref or "A1").split():
            c1, r1, c2, r2 = openpyxl.utils.cell.range_boundaries(part)
            areas.append((r1 - 1, r2 - 1, c1 - 1, c2 - 1))
        return (active[0] - 1, active[1] - 1), areas

    def page(self):
        setup = self.ws.page_setup
        props = self.ws.sheet_properties.pageSetUpPr
        fit = bool(props is not None and props.fitToPage)
        return {
            "landscape": setup.orientation == "landscape",
            "paper": int(setup.paperSize or 0),
            "scale": int(setup.scale or 100),
            "fit": (int(setup.fitToWidth if setup.fitToWidth is not None else 1),
                    int(setup.fitToHeight if setup.fitToHeight is not None else 1)) if fit else None,
            "hcenter": bool(self.ws.print_options.horizontalCentered),
        }


def pixels_of_points(points):
    return round(points * 96 / 72)


def compare_sheet(name, old, new):
    counts = {"cells": 0}
    rows_a, cols_a = old.extent()
    rows_b, cols_b = new.extent()
    rows, cols = max(rows_a, rows_b) + 2, min(MAX_COLUMNS, max(cols_a, cols_b) + 2)

    merged_old = {tuple(m) for m in old.sheet.merged_cells}
    merged_new = {(r.min_row - 1, r.max_row, r.min_col - 1, r.max_col) for r in new.ws.merged_cells.ranges}
    for m in sorted(merged_old ^ merged_new):
        err("%s: merged area %s:%s only in the %s" % (name, cell_name(m[0], m[2]),
                                                       cell_name(m[1] - 1, m[3] - 1),
                                                       ".xls" if m in merged_old else ".xlsx"))

    for c in range(MAX_COLUMNS):
        a, b = old.column_pixels(c), new.column_pixels(c)
        if a != b:
            err("%s: column %s is %d pixels in the .xls, %d in the .xlsx" % (name, get_column_letter(c + 1),
                                                                            a, b))
    for r in range(rows):
        a, b = pixels_of_points(old.row_points(r)), pixels_of_points(new.row_points(r))
        if a != b:
            err("%s: row %d is %d pixels in the .xls, %d in the .xlsx" % (name, r + 1, a, b))

    # Every cell of the used area and a margin around it, then a row below it across all columns,
    # which shows the column formats.
    cells = [(r, c) for r in range(rows) for c in range(cols)] + [(rows, c) for c in range(MAX_COLUMNS)]
    for r, c in cells:
        counts["cells"] += 1
        a, b = old.value(r, c), new.value(r, c)
        if a != b:
            err("%s!%s: value %r in the .xls, %r in the .xlsx" % (name, cell_name(r, c), a, b))
        look_a, look_b = old.look(r, c), new.look(r, c)
        for key in look_a:
            if look_a[key] != look_b[key]:
                err("%s!%s: %s %r in the .xls, %r in the .xlsx" % (name, cell_name(r, c), key,
                                                                  look_a[key], look_b[key]))

    active_a = old.raw["active"]
    areas_a = sorted((r1, r2, c1, c2) for r1, r2, c1, c2 in old.raw["areas"])
    active_b, areas_b = new.selection()
    if active_a != active_b or areas_a != sorted(areas_b):
        err("%s: selection %s %s in the .xls, %s %s in the .xlsx" % (name, active_a, areas_a, active_b,
                                                                      areas_b))

    page_a = {k: old.raw[k] for k in ("landscape", "paper", "scale", "hcenter")}
    page_a["fit"] = old.raw["fit"] if old.raw["fit_flag"] else None
    page_b = new.page()
    if page_a["fit"] is not None:
        page_a["scale"] = page_b["scale"] = None  # a fitted page has no scale of its own
    if page_a != page_b:
        err("%s: page setup %s in the .xls, %s in the .xlsx" % (name, page_a, page_b))
    return counts["cells"]


def main(xls_path, xlsx_path):
    book = xlrd.open_workbook(xls_path, formatting_info=True)
    wb = openpyxl.load_workbook(xlsx_path)
    raw = raw_sheet_records(xls_path)
    if book.sheet_names() != wb.sheetnames:
        err("sheets %s in the .xls, %s in the .xlsx" % (book.sheet_names(), wb.sheetnames))
    active_a = [i for i, s in enumerate(book.sheets()) if s.sheet_visible]
    active_b = [wb.index(wb.active)]
    selected_b = [i for i, ws in enumerate(wb.worksheets) if ws.sheet_view.tabSelected]
    if active_a != active_b or [i for i, s in enumerate(book.sheets()) if s.sheet_selected] != selected_b:
        err("active sheet %s in the .xls, %s (selected tabs %s) in the .xlsx" % (active_a, active_b,
                                                                                 selected_b))
    cells = 0
    for index, name in enumerate(book.sheet_names()):
        if name in wb.sheetnames and index < len(raw):
            cells += compare_sheet(name, XlsSheet(book, book.sheet_by_index(index), raw[index]),
                                   XlsxSheet(wb[name]))
    for line in errors[:80]:
        print(line)
    if len(errors) > 80:
        print("... and %d more" % (len(errors) - 80))
    print("%d sheets, %d cells compared, %d differences" % (len(book.sheet_names()), cells, len(errors)))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
