// Glowing objects and their registry.
#include "core/GlowingEntity.h"

#include "core/GlowingEntityManager.h"

GlowingEntityManager* GlowingEntityManager::instance = nullptr;

GlowingEntity::GlowingEntity() { index = GlowingEntityManager::getInstance()->addEntity(this); }

GlowingEntity::~GlowingEntity() { GlowingEntityManager::getInstance()->removeEntity(index); }

GlowingEntityManager* GlowingEntityManager::getInstance() {
    if (!instance)
        instance = new GlowingEntityManager();
    return instance;
}

int GlowingEntityManager::addEntity(GlowingEntity* e) {
    entities.push_back(e);
    return (int)entities.size() - 1;
}

void GlowingEntityManager::removeEntity(int index) {
    if (index < 0 || index >= (int)entities.size())
        return;
    GlowingEntity* last = entities.back();
    last->index = index;
    entities[index] = last;
    entities.pop_back();
}

void GlowingEntityManager::draw() {
    for (GlowingEntity* e : entities)
        e->draw();
}
