// Colours from packed values, integer channels and the C library's generator.
#include "core/Color.h"

#include <cmath>
#include <cstdlib>

void Color::init(int rgb) {
    r = ((rgb >> 16) & 255) / 255.0f;
    g = ((rgb >> 8) & 255) / 255.0f;
    b = (rgb & 255) / 255.0f;
    a = 1.0f;
}

void Color::initWithInt(int r_, int g_, int b_) {
    r = (float)(r_ / 255.0);
    g = (float)(g_ / 255.0);
    b = (float)(b_ / 255.0);
    a = 1.0f;
}

void Color::initWithRandomColor() {
    int red = rand() % 255;
    int green = rand() % 255;
    int blue = rand() % 255;
    initWithInt(red, green, blue);
}

void Color::initWithRandomLivelyColor() {
    float t = (float)((rand() % 10000) * 62.83185307179586 / 10000.0);
    r = (float)(0.5 + 0.7 * cos(1.3 * t));
    g = 1.0f;
    b = (float)(0.5 + 0.7 * cos(t));
    a = 1.0f;
}
