#!/usr/bin/python3
"""Derives the broken workbooks of this folder from good ones written by the host
(fuzz/corpus/month.xls: workbook stream in regular sectors; tiny.xls: in the mini stream).
Each file breaks one thing; the reader must refuse every one with a clear message."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "..", "..", "fuzz", "corpus")
END = 0xFFFFFFFE


class Cfb:
    def __init__(self, data):
        self.d = bytearray(data)
        h = self.d
        self.fat_count = struct.unpack_from("<I", h, 44)[0]
        self.dir_start = struct.unpack_from("<I", h, 48)[0]
        self.minifat_start = struct.unpack_from("<I", h, 60)[0]
        fat_ids = struct.unpack_from("<109I", h, 76)[: self.fat_count]
        self.fat = []
        for s in fat_ids:
            self.fat += struct.unpack_from("<128I", h, self.off(s))

    def off(self, sector):
        return 512 * (sector + 1)

    def chain(self, start):
        out, s = [], start
        while s != END:
            out.append(s)
            s = self.fat[s]
        return out

    def set_fat(self, sector, value):
        self.fat[sector] = value
        fat_ids = struct.unpack_from("<109I", self.d, 76)
        struct.pack_into("<I", self.d, self.off(fat_ids[sector // 128]) + 4 * (sector % 128), value)

    def entry_offset(self, name):
        for s in self.chain(self.dir_start):
            for k in range(4):
                at = self.off(s) + 128 * k
                n = struct.unpack_from("<H", self.d, at + 64)[0]
                if self.d[at:at + n - 2].decode("utf-16-le") == name:
                    return at
        raise KeyError(name)

    def stream_offset(self, name, position):
        """File offset of byte `position` of a regular-sector stream."""
        at = self.entry_offset(name)
        start = struct.unpack_from("<I", self.d, at + 116)[0]
        return self.off(self.chain(start)[position // 512]) + position % 512


def records(cfb, stream="Workbook"):
    """(position, id, length) of every record of the stream."""
    at = cfb.entry_offset(stream)
    size = struct.unpack_from("<I", cfb.d, at + 120)[0]
    pos, out = 0, []
    while pos + 4 <= size:
        rid, length = struct.unpack_from("<HH", cfb.d, cfb.stream_offset(stream, pos))
        out.append((pos, rid, length))
        pos += 4 + length
    return out


def load(name):
    with open(os.path.join(CORPUS, name), "rb") as f:
        return Cfb(f.read())


def save(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(bytes(data))


def main():
    save("not_a_compound_file.xls", b"Name,Date\nNew Year's Day,1/1\n" * 30)

    good = load("month.xls")
    save("cut_inside_header.xls", good.d[:300])
    save("cut_inside_workbook_stream.xls", good.d[: len(good.d) // 2])

    c = load("month.xls")
    first = c.chain(c.dir_start)[0]
    c.set_fat(first, first)  # the directory chain points back at itself
    save("directory_chain_loops.xls", c.d)

    c = load("month.xls")
    at = c.entry_offset("Workbook")
    wb = c.chain(struct.unpack_from("<I", c.d, at + 116)[0])
    c.set_fat(wb[3], wb[1])  # the workbook chain loops back inside the stream
    save("workbook_chain_loops.xls", c.d)

    c = load("month.xls")
    struct.pack_into("<I", c.d, 48, 0x7FFFFF00)  # directory beyond the end of the file
    save("directory_outside_file.xls", c.d)

    c = load("month.xls")
    struct.pack_into("<I", c.d, c.entry_offset("Workbook") + 120, 0xFFFFFF00)
    save("workbook_size_too_large.xls", c.d)

    c = load("month.xls")
    at = c.entry_offset("Workbook")
    c.d[at:at + 16] = "Notebook".encode("utf-16-le")
    save("no_workbook_stream.xls", c.d)

    c = load("month.xls")
    at = c.entry_offset("Workbook")
    c.d[at:at + 10] = "Book".encode("utf-16-le") + b"\0\0"
    struct.pack_into("<H", c.d, at + 64, 10)
    save("older_excel_format.xls", c.d)

    c = load("month.xls")
    pos, rid, length = next(r for r in records(c) if r[1] == 0x00E0)  # an XF record
    struct.pack_into("<H", c.d, c.stream_offset("Workbook", pos + 2), 0xFFF0)
    save("record_longer_than_stream.xls", c.d)

    c = load("month.xls")
    pos, rid, length = next(r for r in records(c) if r[1] == 0x00FD)  # a cell's shared string
    struct.pack_into("<I", c.d, c.stream_offset("Workbook", pos + 4 + 6), 99999)
    save("shared_string_index_out_of_range.xls", c.d)

    c = load("month.xls")
    pos, rid, length = next(r for r in records(c) if r[1] == 0x0085)  # the sheet's stream position
    struct.pack_into("<I", c.d, c.stream_offset("Workbook", pos + 4), 0x00FFFFFF)
    save("sheet_outside_stream.xls", c.d)

    c = load("month.xls")
    pos, rid, length = next(r for r in records(c) if r[1] == 0x00E5)  # a merged area past column IV
    struct.pack_into("<H", c.d, c.stream_offset("Workbook", pos + 4 + 2 + 6), 300)
    save("merged_area_outside_sheet.xls", c.d)

    c = load("month.xls")
    pos, rid, length = next(r for r in records(c) if r[1] == 0x0085)
    name_at = c.stream_offset("Workbook", pos + 4 + 6 + 2)
    c.d[name_at] = ord("[")  # "[ebruary": a character sheet names may not hold
    save("sheet_name_not_allowed.xls", c.d)


if __name__ == "__main__":
    main()
