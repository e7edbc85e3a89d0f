#pragma once

#include "vcl/Memo.h"
#include "vcl/RichText.h"

#include <string_view>

namespace vcl {

// A memo that shows formatted text read from RTF.
class TRichEdit : public TMemo
{
public:
    explicit TRichEdit(TComponent* AOwner) : TMemo(AOwner) {}

    std::string ClassName() const override { return "TRichEdit"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::RichEdit; }

    // Malformed RTF shows what could be read; nothing is thrown for it.
    void LoadRtf(std::string_view Rtf);
    const TRichTextDocument& Document() const { return FDocument; }

protected:
    void InitializeWidget(IWidget& Widget) override;
    void LinesChanged() override;

private:
    TRichTextDocument FDocument;
};

} // namespace vcl
