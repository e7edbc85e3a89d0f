#include "setup_controls/RadioPanel.h"

#include "setup_controls/TwoJumper.h"

namespace setup {

using namespace vcl;

TRadioPanel::TRadioPanel(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetAnchors({akLeft, akTop});
    SetShowCaption(false);
    SetBevelOuter(bvNone);
    SetHeight(100);
    SetWidth(194);
    SetVisible(false);
}

TRadioPanel::~TRadioPanel() = default;

void TRadioPanel::SetFinalAnchors(TAnchors Value)
{
    // Until the popup adopts the panel it stays anchored to the main window's top left.
    if (FInPopup)
        SetAnchors(Value);
    FFinalAnchors = Value;
}

void TRadioPanel::JumperClicked(TTwoJumper* Jumper)
{
    bool Changed = false;
    for (TControl* Child : Controls()) {
        // Only the glyph class itself takes part; derived glyphs keep their own state.
        auto* Glyph = dynamic_cast<TTwoJumper*>(Child);
        if (!Glyph || !Glyph->ClassNameIs("TTwoJumper"))
            continue;
        const bool Target = Glyph == Jumper;
        if (Glyph->Closed() != Target)
            Changed = true;
        Glyph->SetClosed(Target);
    }
    if (Changed)
        DoRadioChange(Jumper);
}

void TRadioPanel::DoRadioChange(TTwoJumper* Jumper)
{
    if (OnRadioChange)
        OnRadioChange(Jumper);
}

void TRadioPanel::Paint()
{
    // In a designer the hidden panels would cover the board image: the first paint puts each out of the way.
    if (ComponentState().Contains(csDesigning) && !FDesignHidden) {
        SetVisible(false);
        FDesignHidden = true;
    }
    TCustomPanel::Paint();
}

} // namespace setup
