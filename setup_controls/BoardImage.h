#pragma once

#include "vcl/CustomPanel.h"
#include "vcl/Graphic.h"
#include "vcl/Menus.h"
#include "vcl/Picture.h"

#include <memory>

namespace setup {

class TBoardHighlight;

// The photograph of the card, parent of the highlight circles. At run time it
// keeps itself centred in its parent window.
class TBoardImage : public vcl::TCustomPanel
{
public:
    explicit TBoardImage(vcl::TComponent* AOwner);
    ~TBoardImage() override;

    std::string ClassName() const override { return "TBoardImage"; }

    vcl::TPicture& Picture() { return *FPicture; }
    void SetPicture(const vcl::TPicture& Value) { FPicture->Assign(Value); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool Scale() const { return FScale; }
    void SetScale(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    vcl::TMainMenu* Menu() const { return FMenu; }
    void SetMenu(vcl::TMainMenu* Value);
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool Value) { FCenterOnForm = Value; }

    // The circle whose popup the guided tour opens.
    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* Value);

    double AspectRatio() const { return FAspectRatio; }
    bool Drawing() const { return FDrawing; }
    bool DesignPosRecorded() const { return FDesignPosRecorded; }
    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }

    vcl::TRect PictureRect() const;
    void HandlePictureChange();
    bool NotifyPaletteChange();
    vcl::HPALETTE GetPalette() const;
    // Always allows resizing; proposes the picture's size where the alignment lets it.
    bool CanAutoSize(int& NewWidth, int& NewHeight) const;

    void Dispatch(vcl::TMessage& Message) override;

protected:
    void Paint() override;
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

private:
    // Opens First's popup pinned, as if the user entered, clicked and left it.
    void UMStartTour(vcl::TMessage& Message);
    static const std::array<vcl::TMessageHandler<TBoardImage>, 1> Handlers;

    std::unique_ptr<vcl::TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FDrawing = false;
    double FAspectRatio = 1.0;
    bool FScale = true;
    bool FAutoSize = true;
    vcl::TMainMenu* FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FDesignPosRecorded = false;
    TBoardHighlight* FFirst = nullptr;
    int FDesignLeft = 0;
    int FDesignTop = 0;
};

} // namespace setup
