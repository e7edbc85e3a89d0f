#pragma once

#include "vcl/Platform.h"

#include <QTimer>
#include <map>
#include <memory>

namespace vcl::qt {

class TQtPlatform : public IPlatform
{
public:
    std::unique_ptr<IWidget> CreateWidget(TWinControl& Control, TWidgetKind Kind) override;

    void Post(std::function<void()> Work) override;
    void Run() override;
    void Quit() override;
    void ProcessMessages() override;

    int ScreenWidth() const override;
    int ScreenHeight() const override;
    TPoint CursorPos() const override;
    TColor SystemColorRGB(int Index) const override;

    TPoint TextExtent(const TFont& Font, const std::string& Text) const override;
    void DrawText(TBitmap& Target, const TRect& Clip, int X, int Y, const std::string& Text,
                  const TFont& Font) override;

    int StartTimer(int Milliseconds, std::function<void()> Tick) override;
    void StopTimer(int TimerId) override;

    int ShowMessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) override;
    bool GrabScreen(TBitmap& Target) override;
    bool SaveScreenshot(const std::string& Path) override;

private:
    std::map<int, std::unique_ptr<QTimer>> FTimers;
    int FNextTimerId = 1;
    bool FQuitRequested = false;
};

} // namespace vcl::qt
