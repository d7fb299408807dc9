#include "shell/ui/CatalogueMessageBox.h"

#include "shell/common/UiRoutines.h"

#include <QApplication>

namespace morvessa {

void CatalogueMessageBox::ShowMessage(const QString& text) {
    ShowValidationMessage(QApplication::activeWindow(), text);
}

}  // namespace morvessa
