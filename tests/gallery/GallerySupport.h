// The gallery: screens and widgets rendered headless through the real
// Game::draw (background grid, rotation and turned text included) into
// build/gallery/<name>.png at 1024 x 600, with build/gallery/index.html listing
// every picture there and its caption, for a person to look at.
#pragma once

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/Game.h"
#include "support/GraphicsTestSupport.h"
#include "support/HeadlessGame.h"

namespace gallery {

inline std::string directory() {
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/gallery";
    mkdir(dir.c_str(), 0755);
    return dir;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string escapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        default: out += c;
        }
    }
    return out;
}

// Rewrites index.html from the pictures in the folder, in name order; a
// picture's caption is its <name>.txt beside it, or its name.
inline void writeIndex() {
    std::string dir = directory();
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string file = e->d_name;
            if (file.size() > 4 && file.compare(file.size() - 4, 4, ".png") == 0)
                names.push_back(file.substr(0, file.size() - 4));
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    std::ofstream html(dir + "/index.html");
    html << "<!doctype html>\n<html><head><meta charset=\"utf-8\"><title>zorbix2 gallery</title>\n"
         << "<style>body{background:#222;color:#ddd;font-family:sans-serif}figure{display:inline-block;"
         << "margin:8px}img{width:512px;border:1px solid #555}</style></head><body>\n<h1>zorbix2 gallery</h1>\n";
    for (const std::string& name : names) {
        std::string caption = readFile(dir + "/" + name + ".txt");
        if (caption.empty())
            caption = name;
        html << "<figure><a href=\"" << name << ".png\"><img src=\"" << name << ".png\" alt=\"" << escapeHtml(name)
             << "\"></a><figcaption><b>" << escapeHtml(name) << "</b>: " << escapeHtml(caption)
             << "</figcaption></figure>\n";
    }
    html << "</body></html>\n";
}

// A screen that draws what the picture shows.
class PictureScreen : public State {
public:
    explicit PictureScreen(std::function<void()> d) : drawPicture(std::move(d)) {}
    void draw() override { drawPicture(); }
    StateTransition* updateState() override { return nullptr; }
    std::function<void()> drawPicture;
};

// Renders one frame of the real game with `draw` as its screen and writes
// it; answers the number of lit pixels (0 when nothing could be written).
inline int takePicture(const std::string& name, const std::string& caption, std::function<void()> draw,
                       int gridFrame = 400) {
    Game* game = Game::getInstance();
    game->setCurrentState(new PictureScreen(draw));
    Game::frame = gridFrame;
    game->draw();
    graphicstest::Pixels p = graphicstest::readPixels();
    std::string dir = directory();
    if (!graphicstest::writePng(p, dir + "/" + name + ".png"))
        return 0;
    std::ofstream(dir + "/" + name + ".txt") << caption;
    writeIndex();
    return p.litCount();
}

}  // namespace gallery
