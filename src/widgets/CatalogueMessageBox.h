#pragma once
// The holiday catalogue's messages as the program shows them: OK only, no icon, application title.

#include "holidays/HolidayCatalogue.h"

namespace morvessa {

class CatalogueMessageBox final : public CatalogueMessageSink {
public:
    void ShowMessage(const QString& text) override;
};

}  // namespace morvessa
