#pragma once
// libxlsxwriter is loaded when the first .xlsx is written, not when a program starts: it brings a
// cryptography and a zip library whose symbol relocations and mappings every run would pay for,
// though most runs never write an .xlsx.

#include <xlsxwriter.h>

#include <string>

namespace morvessa::sheet::xlsx {

// Every library function the .xlsx writer calls.
// clang-format off
#define MORVESSA_XLSXWRITER_FUNCTIONS(X) \
    X(format_set_align) \
    X(format_set_bg_color) \
    X(format_set_bold) \
    X(format_set_bottom) \
    X(format_set_bottom_color) \
    X(format_set_diag_border) \
    X(format_set_diag_color) \
    X(format_set_diag_type) \
    X(format_set_fg_color) \
    X(format_set_font_color) \
    X(format_set_font_name) \
    X(format_set_font_size) \
    X(format_set_font_strikeout) \
    X(format_set_hidden) \
    X(format_set_indent) \
    X(format_set_italic) \
    X(format_set_left) \
    X(format_set_left_color) \
    X(format_set_num_format) \
    X(format_set_pattern) \
    X(format_set_reading_order) \
    X(format_set_right) \
    X(format_set_right_color) \
    X(format_set_rotation) \
    X(format_set_shrink) \
    X(format_set_text_wrap) \
    X(format_set_top) \
    X(format_set_top_color) \
    X(format_set_underline) \
    X(format_set_unlocked) \
    X(lxw_rowcol_to_cell) \
    X(lxw_strerror) \
    X(workbook_add_format) \
    X(workbook_add_worksheet) \
    X(workbook_close) \
    X(workbook_new_opt) \
    X(worksheet_activate) \
    X(worksheet_center_horizontally) \
    X(worksheet_fit_to_pages) \
    X(worksheet_merge_range) \
    X(worksheet_set_column) \
    X(worksheet_set_column_pixels) \
    X(worksheet_set_default_row) \
    X(worksheet_set_footer_opt) \
    X(worksheet_set_header_opt) \
    X(worksheet_set_landscape) \
    X(worksheet_set_margins) \
    X(worksheet_set_paper) \
    X(worksheet_set_print_scale) \
    X(worksheet_set_row) \
    X(worksheet_set_row_opt) \
    X(worksheet_set_selection) \
    X(worksheet_write_blank) \
    X(worksheet_write_number) \
    X(worksheet_write_string)

// clang-format on

struct XlsxWriterLibrary {
#define MORVESSA_XLSXWRITER_POINTER(name) decltype(&::name) name = nullptr;
    MORVESSA_XLSXWRITER_FUNCTIONS(MORVESSA_XLSXWRITER_POINTER)
#undef MORVESSA_XLSXWRITER_POINTER
};

// The library the build found, by its shared-object name.
extern const char* const kXlsxWriterLibraryName;

// The library's functions, loaded on first use and kept for the rest of the process. Throws
// XlsxError (naming the library and the loader's reason) when it is missing or lacks a function;
// a later call tries again.
const XlsxWriterLibrary& XlsxWriter();

// Loads the functions from the shared object `file`; the same errors as XlsxWriter().
XlsxWriterLibrary LoadXlsxWriterFrom(const std::string& file);

}  // namespace morvessa::sheet::xlsx
