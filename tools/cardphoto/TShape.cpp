#include "TShape.h"

#include <algorithm>
#include <cmath>

TShape TShape::Rect(float Left, float Top, float Right, float Bottom, float Radius)
{
    TShape Shape;
    Shape.FKind = TKind::RoundRect;
    Shape.FX1 = (Left + Right) / 2;
    Shape.FY1 = (Top + Bottom) / 2;
    Shape.FX2 = (Right - Left) / 2;
    Shape.FY2 = (Bottom - Top) / 2;
    Shape.FRadius = std::min({Radius, Shape.FX2, Shape.FY2});
    return Shape;
}

TShape TShape::Ellipse(float CenterX, float CenterY, float RadiusX, float RadiusY)
{
    TShape Shape;
    Shape.FKind = TKind::Ellipse;
    Shape.FX1 = CenterX;
    Shape.FY1 = CenterY;
    Shape.FX2 = RadiusX;
    Shape.FY2 = RadiusY;
    return Shape;
}

TShape TShape::Circle(float CenterX, float CenterY, float Radius)
{
    return Ellipse(CenterX, CenterY, Radius, Radius);
}

TShape TShape::Segment(float X1, float Y1, float X2, float Y2, float HalfWidth)
{
    TShape Shape;
    Shape.FKind = TKind::Segment;
    Shape.FX1 = X1;
    Shape.FY1 = Y1;
    Shape.FX2 = X2;
    Shape.FY2 = Y2;
    Shape.FRadius = HalfWidth;
    return Shape;
}

float TShape::Distance(float X, float Y) const
{
    switch (FKind) {
    case TKind::RoundRect: {
        const float QX = std::fabs(X - FX1) - FX2 + FRadius;
        const float QY = std::fabs(Y - FY1) - FY2 + FRadius;
        const float Outside = std::hypot(std::max(QX, 0.0f), std::max(QY, 0.0f));
        return Outside + std::min(std::max(QX, QY), 0.0f) - FRadius;
    }
    case TKind::Ellipse: {
        // Scaled circle distance: exact for circles, close enough for the flat ellipses used here.
        const float NX = (X - FX1) / FX2;
        const float NY = (Y - FY1) / FY2;
        return (std::hypot(NX, NY) - 1) * std::min(FX2, FY2);
    }
    case TKind::Segment: {
        const float DX = FX2 - FX1;
        const float DY = FY2 - FY1;
        const float LengthSquared = DX * DX + DY * DY;
        float T = LengthSquared > 0 ? ((X - FX1) * DX + (Y - FY1) * DY) / LengthSquared : 0;
        T = std::clamp(T, 0.0f, 1.0f);
        return std::hypot(X - (FX1 + T * DX), Y - (FY1 + T * DY)) - FRadius;
    }
    }
    return 1;
}

TShape TShape::Moved(float DX, float DY) const
{
    TShape Shape = *this;
    Shape.FX1 += DX;
    Shape.FY1 += DY;
    if (FKind == TKind::Segment) {
        Shape.FX2 += DX;
        Shape.FY2 += DY;
    }
    return Shape;
}

float TShape::Left() const { return FKind == TKind::Segment ? std::min(FX1, FX2) - FRadius : FX1 - FX2; }

float TShape::Top() const { return FKind == TKind::Segment ? std::min(FY1, FY2) - FRadius : FY1 - FY2; }

float TShape::Right() const { return FKind == TKind::Segment ? std::max(FX1, FX2) + FRadius : FX1 + FX2; }

float TShape::Bottom() const { return FKind == TKind::Segment ? std::max(FY1, FY2) + FRadius : FY1 + FY2; }
