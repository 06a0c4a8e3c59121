#pragma once

// Sizes and positions of the screens are given in twips; 15 twips make one logical pixel.
constexpr int TwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
