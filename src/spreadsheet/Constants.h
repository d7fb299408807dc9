#pragma once
// The host's numeric constants, named once. Callers pass these numbers exactly as the automation
// interface of a spreadsheet program expects them.

namespace morvessa::sheet {

// Sheet limits of the 97-2003 workbook format.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;
inline constexpr int kMaxSheetNameLength = 31;

// Shared special values.
inline constexpr int xlNone = -4142;
inline constexpr int xlAutomatic = -4105;
inline constexpr int xlColorIndexNone = -4142;
inline constexpr int xlColorIndexAutomatic = -4105;

// Horizontal / vertical alignment.
inline constexpr int xlGeneral = 1;
inline constexpr int xlLeft = -4131;
inline constexpr int xlCenter = -4108;
inline constexpr int xlRight = -4152;
inline constexpr int xlFill = 5;
inline constexpr int xlJustify = -4130;
inline constexpr int xlCenterAcrossSelection = 7;
inline constexpr int xlDistributed = -4117;
inline constexpr int xlTop = -4160;
inline constexpr int xlBottom = -4107;

// Reading order.
inline constexpr int xlContext = -5002;
inline constexpr int xlLTR = -5003;
inline constexpr int xlRTL = -5004;

// Orientation of text (degrees are also accepted, -90..90).
inline constexpr int xlHorizontal = -4128;
inline constexpr int xlVertical = -4166;
inline constexpr int xlUpward = -4171;
inline constexpr int xlDownward = -4170;

// Interior patterns.
inline constexpr int xlSolid = 1;
inline constexpr int xlPatternSolid = 1;
inline constexpr int xlPatternNone = -4142;
inline constexpr int xlPatternAutomatic = -4105;
inline constexpr int xlChecker = 9;
inline constexpr int xlCrissCross = 16;
inline constexpr int xlDown = -4121;
inline constexpr int xlGray16 = 17;
inline constexpr int xlGray25 = -4124;
inline constexpr int xlGray50 = -4125;
inline constexpr int xlGray75 = -4126;
inline constexpr int xlGray8 = 18;
inline constexpr int xlGrid = 15;
inline constexpr int xlLightDown = 13;
inline constexpr int xlLightHorizontal = 11;
inline constexpr int xlLightUp = 14;
inline constexpr int xlLightVertical = 12;
inline constexpr int xlSemiGray75 = 10;
inline constexpr int xlUp = -4162;

// Border line styles and weights.
inline constexpr int xlContinuous = 1;
inline constexpr int xlDash = -4115;
inline constexpr int xlDashDot = 4;
inline constexpr int xlDashDotDot = 5;
inline constexpr int xlDot = -4118;
inline constexpr int xlDouble = -4119;
inline constexpr int xlSlantDashDot = 13;
inline constexpr int xlLineStyleNone = -4142;
inline constexpr int xlHairline = 1;
inline constexpr int xlThin = 2;
inline constexpr int xlMedium = -4138;
inline constexpr int xlThick = 4;

// Border indexes for Range::Borders(index).
inline constexpr int xlDiagonalDown = 5;
inline constexpr int xlDiagonalUp = 6;
inline constexpr int xlEdgeLeft = 7;
inline constexpr int xlEdgeTop = 8;
inline constexpr int xlEdgeBottom = 9;
inline constexpr int xlEdgeRight = 10;
inline constexpr int xlInsideVertical = 11;
inline constexpr int xlInsideHorizontal = 12;

// Font underline.
inline constexpr int xlUnderlineStyleNone = -4142;
inline constexpr int xlUnderlineStyleSingle = 2;
inline constexpr int xlUnderlineStyleDouble = -4119;
inline constexpr int xlUnderlineStyleSingleAccounting = 4;
inline constexpr int xlUnderlineStyleDoubleAccounting = 5;

// Delete / insert shift, paste and find.
inline constexpr int xlShiftUp = -4162;
inline constexpr int xlShiftToLeft = -4159;
inline constexpr int xlPasteAll = -4104;
inline constexpr int xlPasteValues = -4163;
inline constexpr int xlPasteFormats = -4122;
inline constexpr int xlPasteSpecialOperationNone = -4142;
inline constexpr int xlFormulas = -4123;
inline constexpr int xlValues = -4163;
inline constexpr int xlWhole = 1;
inline constexpr int xlPart = 2;

// Application settings.
inline constexpr int xlDefault = -4143;
inline constexpr int xlWait = 2;
inline constexpr int xlNorthwestArrow = 1;
inline constexpr int xlIBeam = 3;
inline constexpr int xlDisabled = 0;
inline constexpr int xlInterrupt = 1;
inline constexpr int xlErrorHandler = 2;
inline constexpr int xlCopy = 1;
inline constexpr int xlCut = 2;

// Page setup.
inline constexpr int xlPortrait = 1;
inline constexpr int xlLandscape = 2;
// Paper sizes (the host's XlPaperSize values, which the file stores as they are).
inline constexpr int xlPaperLetter = 1;
inline constexpr int xlPaperLegal = 5;
inline constexpr int xlPaperA3 = 8;
inline constexpr int xlPaperA4 = 9;

// File formats accepted by Workbook::SaveAs.
inline constexpr int xlExcel8 = 56;
inline constexpr int xlNormal = -4143;
inline constexpr int xlWorkbookNormal = -4143;
inline constexpr int xlOpenXMLWorkbook = 51;

}  // namespace morvessa::sheet
