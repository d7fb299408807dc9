// Prints a workbook as exceljs reads it, one line per fact: each sheet's page setup, default row
// height, column widths and row heights, and every cell's value, number format, font and fill.
// Usage: NODE_PATH=<folder holding exceljs> node xlsx_cells.js BOOK.xlsx
'use strict';
const ExcelJS = require('exceljs');

async function main(file) {
  const book = new ExcelJS.Workbook();
  await book.xlsx.readFile(file);
  const out = [];
  book.eachSheet((sheet) => {
    out.push(`sheet ${sheet.name} default-row ${sheet.properties.defaultRowHeight}`);
    out.push(`margins ${JSON.stringify(sheet.pageSetup.margins)} orientation ${sheet.pageSetup.orientation}`);
    (sheet.columns || []).forEach((column, i) => out.push(`column ${i + 1} width ${column.width}`));
    sheet.eachRow({ includeEmpty: false }, (row, r) => {
      out.push(`row ${r} height ${row.height}`);
      row.eachCell({ includeEmpty: false }, (cell) => {
        const font = cell.font || {};
        const fill = cell.fill && cell.fill.fgColor ? JSON.stringify(cell.fill.fgColor) : '-';
        out.push(`${cell.address} ${JSON.stringify(cell.value)} fmt ${cell.numFmt || '-'} ` +
                 `font ${font.name || '-'} ${font.size || '-'} fill ${fill}`);
      });
    });
  });
  process.stdout.write(out.join('\n') + '\n');
}

main(process.argv[2]).catch((error) => {
  process.stderr.write(`${error.message}\n`);
  process.exit(1);
});
