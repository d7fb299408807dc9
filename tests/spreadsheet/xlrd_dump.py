#!/usr/bin/python3
"""Prints what an independent reader (xlrd) sees in a workbook, one fact per line:

  sheet <name> index=<n> selected=<0|1>
  merged <sheet>!<A1:B2>
  width <sheet>!<column letters> <units of 1/256 character>
  height <sheet>!<row> <twips> custom=<0|1>
  cell <sheet>!<A1> value=<json> fill=<pattern>/<rgb> font=<name>/<points>/<b>/<i>/<u>/<rgb>
       border=<left>/<rgb>,<top>/<rgb>,<bottom>/<rgb>,<right>/<rgb> align=<h>/<v>/<wrap> format=<json>

Colours are shown as r,g,b through the file's palette, or "auto". Exit status 2 when xlrd is missing.
"""
import json
import sys

try:
    import xlrd
except ImportError:
    sys.exit(2)


def letters(col):
    text = ""
    col += 1
    while col:
        col, rem = divmod(col - 1, 26)
        text = chr(65 + rem) + text
    return text


def rgb(book, index):
    colour = book.colour_map.get(index)
    return "auto" if colour is None else "%d,%d,%d" % colour


def describe(book, sheet, r, c):
    cell = sheet.cell(r, c)
    xf = book.xf_list[cell.xf_index]
    font = book.font_list[xf.font_index]
    bg = xf.background
    fill_colour = bg.pattern_colour_index if bg.fill_pattern == 1 else bg.background_colour_index
    fill = "%d/%s" % (bg.fill_pattern, rgb(book, fill_colour) if bg.fill_pattern else "none")
    fnt = "%s/%g/%d/%d/%d/%s" % (font.name, font.height / 20.0, font.weight >= 700, font.italic,
                                 font.underline_type, rgb(book, font.colour_index))
    b = xf.border
    border = ",".join("%d/%s" % (style, rgb(book, colour) if style else "none") for style, colour in (
        (b.left_line_style, b.left_colour_index), (b.top_line_style, b.top_colour_index),
        (b.bottom_line_style, b.bottom_colour_index), (b.right_line_style, b.right_colour_index)))
    al = xf.alignment
    align = "%d/%d/%d" % (al.hor_align, al.vert_align, al.text_wrapped)
    fmt = book.format_map[xf.format_key].format_str
    return "value=%s\tfill=%s\tfont=%s\tborder=%s\talign=%s\tformat=%s" % (
        json.dumps(cell.value, ensure_ascii=False), fill, fnt, border, align, json.dumps(fmt))


def main(path):
    book = xlrd.open_workbook(path, formatting_info=True)
    out = []
    for index, sheet in enumerate(book.sheets()):
        name = sheet.name
        out.append("sheet %s index=%d selected=%d" % (name, index, sheet.sheet_selected))
        for r1, r2, c1, c2 in sheet.merged_cells:
            out.append("merged %s!%s%d:%s%d" % (name, letters(c1), r1 + 1, letters(c2 - 1), r2))
        for col, info in sorted(sheet.colinfo_map.items()):
            out.append("width %s!%s %d" % (name, letters(col), info.width))
        for row, info in sorted(sheet.rowinfo_map.items()):
            out.append("height %s!%d %d custom=%d" % (name, row + 1, info.height, info.height_mismatch))
        for r in range(sheet.nrows):
            for c in range(sheet.row_len(r)):
                out.append("cell %s!%s%d %s" % (name, letters(c), r + 1, describe(book, sheet, r, c)))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
