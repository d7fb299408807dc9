#pragma once
// The preview window's trapped procedures, shared by the window, its model and the save step.

#include "core/ErrorTrap.h"

namespace morvessa::location {
MORVESSA_LOCATION(Form2_Form_Load, "Form2.Form_Load")
MORVESSA_LOCATION(Form2_Form_Activate, "Form2.Form_Activate")
MORVESSA_LOCATION(Form2_Form_QueryUnload, "Form2.Form_QueryUnload")
MORVESSA_LOCATION(Form2_PushButton1_Click, "Form2.PushButton1_Click")
MORVESSA_LOCATION(Form2_PushButton2_Click, "Form2.PushButton2_Click")
MORVESSA_LOCATION(Form2_PushButton6_Click, "Form2.PushButton6_Click")
MORVESSA_LOCATION(Form2_PushButton8_Click, "Form2.PushButton8_Click")
MORVESSA_LOCATION(Form2_picture1_MouseDown, "Form2.picture1_MouseDown")
MORVESSA_LOCATION(Form2_picture1_MouseMove, "Form2.picture1_MouseMove")
MORVESSA_LOCATION(Form2_Picture1_MouseUp, "Form2.Picture1_MouseUp")
MORVESSA_LOCATION(Form2_RedrawImage, "Form2.RedrawImage")
// The menu bar and the month picker above the window's own area.
MORVESSA_LOCATION(Form2_mnuExportPdf_Click, "Form2.mnuExportPdf_Click")
MORVESSA_LOCATION(Form2_mnuPrint_Click, "Form2.mnuPrint_Click")
MORVESSA_LOCATION(Form2_mnuPaper_Click, "Form2.mnuPaper_Click")
MORVESSA_LOCATION(Form2_mnuFit_Click, "Form2.mnuFit_Click")
MORVESSA_LOCATION(Form2_cmbMonth_Click, "Form2.cmbMonth_Click")
}  // namespace morvessa::location
