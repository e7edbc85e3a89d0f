#include "vcl/Memo.h"

namespace vcl {

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
}

void TMemo::SetLines(const std::vector<std::string>& Value)
{
    FLines = Value;
    LinesChanged();
}

void TMemo::AddLine(const std::string& Line)
{
    FLines.push_back(Line);
    LinesChanged();
}

std::string TMemo::Text() const
{
    std::string Result;
    for (size_t I = 0; I < FLines.size(); ++I) {
        if (I)
            Result += "\r\n";
        Result += FLines[I];
    }
    return Result;
}

void TMemo::SetText(const std::string& Value)
{
    std::vector<std::string> Lines;
    std::string Line;
    for (size_t I = 0; I < Value.size(); ++I) {
        if (Value[I] == '\r' || Value[I] == '\n') {
            Lines.push_back(Line);
            Line.clear();
            if (Value[I] == '\r' && I + 1 < Value.size() && Value[I + 1] == '\n')
                ++I;
        } else {
            Line += Value[I];
        }
    }
    Lines.push_back(Line);
    SetLines(Lines);
}

void TMemo::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    if (FWidget)
        FWidget->SetReadOnly(Value);
}

void TMemo::SetScrollBars(TScrollStyle Value)
{
    FScrollBars = Value;
    if (FWidget)
        FWidget->SetScrollBars(Value);
}

void TMemo::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    if (FWidget)
        FWidget->SetWordWrap(Value);
}

void TMemo::InitializeWidget(IWidget& Widget)
{
    TWinControl::InitializeWidget(Widget);
    Widget.SetReadOnly(FReadOnly);
    Widget.SetScrollBars(FScrollBars);
    Widget.SetWordWrap(FWordWrap);
    Widget.SetLines(FLines);
}

void TMemo::LinesChanged()
{
    if (FWidget)
        FWidget->SetLines(FLines);
}

} // namespace vcl
