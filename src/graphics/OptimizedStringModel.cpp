// Baking a text with its colour codes into one multi-colour vector frame.
#include "graphics/OptimizedStringModel.h"

#include "graphics/DrawString.h"
#include "graphics/VectorModel.h"

VectorModel* OptimizedStringModel::vm = nullptr;
std::vector<OptimizedStringModel*> OptimizedStringModel::optimizedStringModelList;

OptimizedStringModel::OptimizedStringModel(std::string text_) : text(std::move(text_)) { initVectorFrame(text); }

OptimizedStringModel::~OptimizedStringModel() {
    if (indexInList >= 0)
        remove(this);
}

void OptimizedStringModel::setString(const std::string& newText) {
    if (newText == text)
        return;
    text = newText;
    initVectorFrame(text);
}

void OptimizedStringModel::initVectorFrame(std::string source) {
    frame.reset();
    if (source.empty())
        source = " ";
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/fontGraphic.lua", &vm);
    DrawString* ds = DrawString::getInstance();

    Color current;
    int xOffset = 0;
    std::vector<int> lines;
    std::vector<int> points;
    std::vector<Color> colors;

    size_t i = 0;
    while (i < source.size()) {
        unsigned char c = (unsigned char)source[i];
        if (c == '^') {
            if (i + 2 < source.size()) {
                const unsigned char* rgb = ds->getCodeColor((unsigned char)source[i + 1]);
                current = Color(rgb[0] / 255.0f, rgb[1] / 255.0f, rgb[2] / 255.0f, 1.0f);
                i += 2;
            } else {
                i += 1;
            }
            continue;
        }
        int glyph = ds->getGlyphIndex(c);
        MultiColorVectorFrame* glyphFrame = vm->getMultiColorVectorFrame(glyph);
        if (glyphFrame && glyphFrame->getNumberOfColors() > 0) {
            VectorFrame* lineFrame = glyphFrame->getVectorFrame(0);
            int count = 0;
            const float* v = lineFrame->getVertexes(&count);
            const int stride = lineFrame->getComponents();
            for (int k = 0; k + 1 < count; k += 2) {
                int lineIndex = (int)(points.size() / 2);
                lines.push_back(lineIndex);
                lines.push_back(lineIndex + 1);
                points.push_back(xOffset + (int)v[k * stride]);
                points.push_back(-(int)v[k * stride + 1]);
                points.push_back(xOffset + (int)v[(k + 1) * stride]);
                points.push_back(-(int)v[(k + 1) * stride + 1]);
                colors.push_back(current);
            }
        }
        xOffset += ds->getAdvance(glyph);
        i += 1;
    }

    if (lines.empty()) {
        if (source != " ")
            initVectorFrame(" ");
        else
            frame = std::make_unique<MultiColorVectorFrame>(&lines, &points, &colors, false, 1);
        return;
    }
    frame = std::make_unique<MultiColorVectorFrame>(&lines, &points, &colors, false, 1);
}

void OptimizedStringModel::add(OptimizedStringModel* model) {
    model->indexInList = (int)optimizedStringModelList.size();
    optimizedStringModelList.push_back(model);
}

void OptimizedStringModel::remove(OptimizedStringModel* model) {
    int index = model->indexInList;
    if (index < 0 || index >= (int)optimizedStringModelList.size())
        return;
    OptimizedStringModel* last = optimizedStringModelList.back();
    optimizedStringModelList[index] = last;
    last->indexInList = index;
    optimizedStringModelList.pop_back();
    model->indexInList = -1;
}
