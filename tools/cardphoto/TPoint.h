#pragma once

struct TPoint
{
    float X = 0;
    float Y = 0;
};
