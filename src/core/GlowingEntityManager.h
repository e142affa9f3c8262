// The registry of glowing objects: one list, drawn in list order.
#pragma once

#include <vector>

class GlowingEntity;

class GlowingEntityManager {
public:
    static GlowingEntityManager* getInstance();

    // Appends and returns the new index.
    int addEntity(GlowingEntity* e);
    // The last element takes the slot.
    void removeEntity(int index);
    void draw();
    int getCount() { return (int)entities.size(); }
    GlowingEntity* get(int i) { return entities[i]; }

    static GlowingEntityManager* instance;

private:
    std::vector<GlowingEntity*> entities;
};
