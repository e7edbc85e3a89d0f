#pragma once

// A filled shape described by its signed distance: negative inside, positive outside,
// in pixels. Edges are antialiased from the distance, so no supersampling is needed.
class TShape
{
public:
    static TShape Rect(float Left, float Top, float Right, float Bottom, float Radius = 0);
    static TShape Ellipse(float CenterX, float CenterY, float RadiusX, float RadiusY);
    static TShape Circle(float CenterX, float CenterY, float Radius);
    static TShape Segment(float X1, float Y1, float X2, float Y2, float HalfWidth);

    float Distance(float X, float Y) const;
    TShape Moved(float DX, float DY) const;

    float Left() const;
    float Top() const;
    float Right() const;
    float Bottom() const;

private:
    enum class TKind { RoundRect, Ellipse, Segment };

    TKind FKind = TKind::RoundRect;
    // RoundRect and Ellipse: centre and half extents. Segment: both ends.
    float FX1 = 0;
    float FY1 = 0;
    float FX2 = 0;
    float FY2 = 0;
    // RoundRect: corner radius. Segment: half width.
    float FRadius = 0;
};
