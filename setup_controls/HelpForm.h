#pragma once

#include "vcl/Button.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/RichEdit.h"
#include "vcl/Types.h"

#include <string>
#include <string_view>

namespace setup {

// The "How to use this program" window. Its Start button hides it and starts
// the board image's guided tour. Built hidden, owned by the main window.
class THelpForm : public vcl::TForm
{
public:
    THelpForm(vcl::TComponent* AOwner, std::string_view Document);

    std::string ClassName() const override { return "THelpForm"; }

    vcl::TRichEdit* HelpRich = nullptr;
    vcl::TLabel* HelpLabel = nullptr;
    // The window has no Close button: Start and the close box dismiss it.
    vcl::TButton* CloseButton = nullptr;
    vcl::TButton* StartButton = nullptr;

    void StartButtonClick(vcl::TObject* Sender);
};

// The help window grows on large screens and never shrinks: the client size times
// the smaller of height / 450 and width / 800, at least 1.
vcl::TPoint HelpClientSizeForScreen(vcl::TPoint ClientSize, int ScreenWidth, int ScreenHeight);

} // namespace setup
