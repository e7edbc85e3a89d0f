#pragma once

#include "vcl/WinControl.h"

#include <string>
#include <vector>

namespace vcl {

// Multi-line text box; one entry of Lines per line, long lines wrapped when WordWrap.
class TMemo : public TWinControl
{
public:
    explicit TMemo(TComponent* AOwner);

    std::string ClassName() const override { return "TMemo"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::Memo; }

    const std::vector<std::string>& Lines() const { return FLines; }
    void SetLines(const std::vector<std::string>& Value);
    void AddLine(const std::string& Line);
    void Clear() { SetLines({}); }
    // The whole text; CR LF separates lines.
    std::string Text() const;
    void SetText(const std::string& Value) override;

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    void InitializeWidget(IWidget& Widget) override;
    virtual void LinesChanged();

private:
    std::vector<std::string> FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
};

} // namespace vcl
