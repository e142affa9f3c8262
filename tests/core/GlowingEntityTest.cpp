// The glowing-object registry keeps indices exact and draws in list order.
#include <gtest/gtest.h>

#include <string>

#include "core/GlowingEntity.h"
#include "core/GlowingEntityManager.h"

namespace {

std::string drawn;

class Glow : public GlowingEntity {
public:
    explicit Glow(char n) : name(n) {}
    void draw() override { drawn += name; }
    char name;
};

TEST(GlowingEntities, SwapRemoveKeepsIndicesAndDrawOrder) {
    GlowingEntityManager* m = GlowingEntityManager::getInstance();
    int base = m->getCount();
    Glow* a = new Glow('a');
    Glow* b = new Glow('b');
    Glow* c = new Glow('c');
    EXPECT_EQ(a->index, base);
    delete a;
    EXPECT_EQ(c->index, base);
    EXPECT_EQ(b->index, base + 1);
    drawn.clear();
    m->draw();
    EXPECT_EQ(drawn.substr(drawn.size() - 2), "cb");
    delete c;
    delete b;
    EXPECT_EQ(m->getCount(), base);
}

}  // namespace
