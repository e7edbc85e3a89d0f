#pragma once

#include "vcl/Button.h"
#include "vcl/Form.h"
#include "vcl/Memo.h"
#include "vcl/Types.h"

#include <string>

namespace setup {

// The window that lists the maker's cards installed in the computer, one line
// per card. Owned by the main window; the supporter fills it.
class TPCIForm : public vcl::TForm
{
public:
    TPCIForm(vcl::TComponent* AOwner, const std::string& CardName, vcl::TNotifyEvent OnCloseClick);

    std::string ClassName() const override { return "TPCIForm"; }

    vcl::TMemo* PCIMemo = nullptr;
    vcl::TButton* CloseButton = nullptr;
};

} // namespace setup
