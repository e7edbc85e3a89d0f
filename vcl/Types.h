#pragma once

#include "vcl/Set.h"

#include <cstdint>
#include <functional>

namespace vcl {

class TObject;

struct TPoint
{
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Right column and bottom row excluded.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    TRect Intersect(const TRect& Other) const;
    TRect Offset(int DX, int DY) const { return {Left + DX, Top + DY, Right + DX, Bottom + DY}; }
    bool operator==(const TRect&) const = default;
};

inline TRect Bounds(int Left, int Top, int Width, int Height)
{
    return {Left, Top, Left + Width, Top + Height};
}
bool PtInRect(const TRect& Rect, TPoint P);

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TShiftKind { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftKind>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TBorderStyle { bsNone, bsSingle };
enum TFormBorderStyle { bsNoneForm, bsSingleForm, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poMainFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Geometry roundings go to the nearest integer, halves to even.
int RoundHalfEven(double Value);

} // namespace vcl
