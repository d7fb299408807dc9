#include "widgets/CatalogueMessageBox.h"

#include "widgets/UiRoutines.h"

#include <QApplication>

namespace morvessa {

void CatalogueMessageBox::ShowMessage(const QString& text)
{
    ShowValidationMessage(QApplication::activeWindow(), text);
}

}  // namespace morvessa
