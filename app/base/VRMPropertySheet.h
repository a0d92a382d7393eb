#pragma once
// The plain sheet in which the project document builds its comparison pages, on screen
// or hidden.
#include "platform/ui/PropertySheet.h"

class CVRMPropertySheet : public ui::PropertySheet {
  public:
    CVRMPropertySheet() : ui::PropertySheet(u"") {}
    CVRMPropertySheet(std::u16string caption, QWidget* parent, int firstPage = 0)
        : ui::PropertySheet(std::move(caption), parent, firstPage) {}
};
