// Placeholder until graphic scripts are loaded: no model exists.
#include "graphics/VectorModel.h"

VectorModel* VectorModel::loadFromLuaScript(std::string) { return nullptr; }
void VectorModel::deleteVMThatUsesRandomNumbers() {}
void VectorModel::draw(int) {}
void VectorModel::drawWithoutColor(int) {}
void VectorModel::drawWithAlpha(float, int) {}
int VectorModel::getNumberOfFrames() { return 0; }
