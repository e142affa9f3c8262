// Placeholder RGBA colour with float channels until the core's own colour type lands.
#pragma once

struct Color {
    float r;
    float g;
    float b;
    float a;
    int tag;

    Color() : r(1.0f), g(1.0f), b(1.0f), a(1.0f), tag(-1) {}
    explicit Color(int rgb) : tag(8) { init(rgb); }
    Color(float r_, float g_, float b_) : r(r_), g(g_), b(b_), a(1.0f), tag(8) {}
    Color(float r_, float g_, float b_, float a_) : r(r_), g(g_), b(b_), a(a_), tag(8) {}

    void init(int rgb) {
        r = ((rgb >> 16) & 255) / 255.0f;
        g = ((rgb >> 8) & 255) / 255.0f;
        b = (rgb & 255) / 255.0f;
        a = 1.0f;
    }
    void init(float r_, float g_, float b_) { init(r_, g_, b_, 1.0f); }
    void init(float r_, float g_, float b_, float a_) {
        r = r_;
        g = g_;
        b = b_;
        a = a_;
    }
    void initWithInt(int r_, int g_, int b_) {
        r = (float)(r_ / 255.0);
        g = (float)(g_ / 255.0);
        b = (float)(b_ / 255.0);
        a = 1.0f;
    }
    Color& setAlpha(float a_) {
        a = a_;
        return *this;
    }
    float getAlpha() const { return a; }
    bool equals(const Color* other) const {
        return r == other->r && g == other->g && b == other->b && a == other->a;
    }
    bool isBlack() const { return r == 0.0f && g == 0.0f && b == 0.0f; }
};
