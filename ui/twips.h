#pragma once

// Positions of the about box are kept in twips, the unit it was designed in;
// they become pixels only here (15 twips to a pixel at 96 dots per inch).
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
