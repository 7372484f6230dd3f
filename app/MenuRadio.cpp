#include "app/MenuRadio.h"

#include <wx/menu.h>

void CheckRadioItem(wxMenuBar* menuBar, int id)
{
    wxMenuItem* item = menuBar ? menuBar->FindItem(id) : nullptr;
    if (!item)
        return;
    item->wxMenuItemBase::Check(item->IsChecked());
    item->Check(true);
}
