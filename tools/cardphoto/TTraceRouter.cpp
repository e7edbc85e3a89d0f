#include "TTraceRouter.h"

#include <algorithm>
#include <cmath>

TTraceRouter::TTraceRouter(TMask& Copper, float Width) : FCopper(Copper), FWidth(Width) {}

void TTraceRouter::Route(TPoint From, TPoint To, TAxis StartAxis, TAxis EndAxis)
{
    Polyline(Path(From, To, StartAxis, EndAxis));
}

void TTraceRouter::Polyline(const std::vector<TPoint>& Points)
{
    for (std::size_t Index = 1; Index < Points.size(); ++Index) {
        const TPoint& A = Points[Index - 1];
        const TPoint& B = Points[Index];
        FCopper.Fill(TShape::Segment(A.X, A.Y, B.X, B.Y, FWidth / 2));
    }
}

void TTraceRouter::Dogleg(TPoint From, TPoint To, float MiddleX, float Cut)
{
    const float SY = To.Y < From.Y ? -1.0f : 1.0f;
    const float InX = MiddleX < From.X ? 1.0f : -1.0f;
    const float OutX = To.X < MiddleX ? -1.0f : 1.0f;
    const float Rise = std::fabs(To.Y - From.Y);
    const float Corner = std::min(Cut, Rise / 2);
    Polyline({From,
              {MiddleX + InX * Corner, From.Y},
              {MiddleX, From.Y + SY * Corner},
              {MiddleX, To.Y - SY * Corner},
              {MiddleX + OutX * Corner, To.Y},
              To});
}

void TTraceRouter::Via(TPoint Centre)
{
    FCopper.Fill(TShape::Circle(Centre.X, Centre.Y, FWidth / 2 + 1.3f));
    FVias.push_back(Centre);
}

std::vector<TPoint> TTraceRouter::Path(TPoint From, TPoint To, TAxis StartAxis, TAxis EndAxis)
{
    const float DX = To.X - From.X;
    const float DY = To.Y - From.Y;
    const float SX = DX < 0 ? -1.0f : 1.0f;
    const float SY = DY < 0 ? -1.0f : 1.0f;
    const float AX = std::fabs(DX);
    const float AY = std::fabs(DY);

    if (StartAxis == TAxis::Vertical && EndAxis == TAxis::Vertical) {
        if (AY >= AX) {
            const float Straight = (AY - AX) / 2;
            return {From, {From.X, From.Y + SY * Straight}, {To.X, To.Y - SY * Straight}, To};
        }
        const float Bend = AY / 2;
        return {From, {From.X + SX * Bend, From.Y + SY * Bend}, {To.X - SX * Bend, To.Y - SY * Bend}, To};
    }
    if (StartAxis == TAxis::Horizontal && EndAxis == TAxis::Horizontal) {
        if (AX >= AY) {
            const float Straight = (AX - AY) / 2;
            return {From, {From.X + SX * Straight, From.Y}, {To.X - SX * Straight, To.Y}, To};
        }
        const float Bend = AX / 2;
        return {From, {From.X + SX * Bend, From.Y + SY * Bend}, {To.X - SX * Bend, To.Y - SY * Bend}, To};
    }
    // One corner, cut at 45 degrees by the shorter of the two runs.
    const float Cut = std::min(AX, AY);
    if (StartAxis == TAxis::Vertical)
        return {From, {From.X, To.Y - SY * Cut}, {From.X + SX * Cut, To.Y}, To};
    return {From, {To.X - SX * Cut, From.Y}, {To.X, From.Y + SY * Cut}, To};
}
