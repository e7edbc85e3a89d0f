#include "vcl/Screen.h"

#include "vcl/Platform.h"

#include <algorithm>

namespace vcl {
namespace {
TScreen TheScreen;
}

TScreen* const Screen = &TheScreen;

int TScreen::Width() const { return Platform() ? Platform()->ScreenWidth() : 1024; }

int TScreen::Height() const { return Platform() ? Platform()->ScreenHeight() : 768; }

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
    if (FActiveForm == Form)
        FActiveForm = nullptr;
}

} // namespace vcl
