#pragma once

#include "vcl/Button.h"
#include "vcl/Form.h"
#include "vcl/Memo.h"
#include "vcl/Types.h"

#include <string>

namespace setup {

// The technical-support window: how to reach the maker, and a Close button.
// Built hidden, owned by the main window.
class TTechForm : public vcl::TForm
{
public:
    TTechForm(vcl::TComponent* AOwner, const std::string& SupportText, vcl::TNotifyEvent OnCloseClick);

    std::string ClassName() const override { return "TTechForm"; }

    vcl::TMemo* TechMemo = nullptr;
    vcl::TButton* CloseButton = nullptr;
};

// Two paragraphs with an empty line between them; CallHow reads on after "You can call us ".
std::string TechSupportText(const std::string& CompanyName, const std::string& CallHow);

} // namespace setup
