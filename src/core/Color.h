// An RGBA colour with float channels (0 to 1 for display) and a tag.
#pragma once

struct Color {
    // Colour families of the player's shots, which targets compare with their own.
    enum COLOR_TYPE {
        COLOR_TYPE_NONE = -1,
        COLOR_TYPE_RED = 0,
        COLOR_TYPE_GREEN = 1,
        COLOR_TYPE_BLUE = 2,
        COLOR_TYPE_YELLOW = 3,
        COLOR_TYPE_ORANGE = 7,
    };

    Color() : r(1.0f), g(1.0f), b(1.0f), a(1.0f), tag(-1) {}
    // From packed 0xRRGGBB; bits above 23 are ignored.
    explicit Color(int rgb) : tag(8) { init(rgb); }
    Color(float r_, float g_, float b_) : r(r_), g(g_), b(b_), a(1.0f), tag(8) {}
    Color(float r_, float g_, float b_, float a_) : r(r_), g(g_), b(b_), a(a_), tag(8) {}
    ~Color() {}

    void init(int rgb);
    void init(float r_, float g_, float b_) {
        r = r_;
        g = g_;
        b = b_;
        a = 1.0f;
    }
    void init(float r_, float g_, float b_, float a_) {
        r = r_;
        g = g_;
        b = b_;
        a = a_;
    }
    void initWithInt(int r_, int g_, int b_);
    Color& setAlpha(float alpha) {
        a = alpha;
        return *this;
    }
    float getAlpha() const { return a; }
    bool equals(const Color* other) const { return r == other->r && g == other->g && b == other->b && a == other->a; }
    bool isBlack() const { return r == 0.0f && g == 0.0f && b == 0.0f; }
    // Cosmetic colours from the C library's rand(), outside the replayed simulation.
    void initWithRandomColor();
    void initWithRandomLivelyColor();
    void print() const {}

    float r, g, b, a;
    int tag;
};
