// The infinity and campaign level paths in catalogue order.
#include "savedata/SavedLevelCatalogue.h"

static const char* const infinityLevels[] = {
    "/data/levels/infinity/megagore/megagore.lua",
    "/data/levels/infinity/dodge this/dodge this.lua",
    "/data/levels/infinity/assault/assault.lua",
    "/data/levels/infinity/asteroids/asteroids.lua",
    "/data/levels/infinity/chromatic conflict/chromatic conflict.lua",
    "/data/levels/infinity/highway/highway.lua",
    "/data/levels/infinity/amalgam/amalgam.lua",
    "/data/levels/infinity/symbiosis/symbiosis.lua",
};

static const char* const campaign0[] = {
    "/data/levels/campaign0/cannon intro/cannon intro.lua",
    "/data/levels/campaign0/digest/digest.lua",
    "/data/levels/campaign0/ying/ying.lua",
    "/data/levels/campaign0/entry/entry.lua",
    "/data/levels/campaign0/spring theory/spring theory.lua",
    "/data/levels/campaign0/boxes/boxes.lua",
    "/data/levels/campaign0/diamond/diamond.lua",
    "/data/levels/campaign0/expulsors/expulsors.lua",
    "/data/levels/campaign0/tunnel/tunnel.lua",
    "/data/levels/campaign0/boss1/boss1.lua",
};

static const char* const campaign1[] = {
    "/data/levels/campaign1/sisyphe/sisyphe.lua",
    "/data/levels/campaign1/swarm/swarm.lua",
    "/data/levels/campaign1/working together/working together.lua",
    "/data/levels/campaign1/uninvited/uninvited.lua",
    "/data/levels/campaign1/gogo/gogo.lua",
    "/data/levels/campaign1/marching cubes/marching cubes.lua",
    "/data/levels/campaign1/matador/matador.lua",
};

static const char* const campaign2[] = {
    "/data/levels/campaign2/just going through/just going through.lua",
    "/data/levels/campaign2/spring matador/spring matador.lua",
    "/data/levels/campaign2/asteroids/asteroids.lua",
    "/data/levels/campaign2/through it all/through it all.lua",
    "/data/levels/campaign2/ram/ram.lua",
    "/data/levels/campaign2/space bound/space bound.lua",
    "/data/levels/campaign2/around the bend/around the bend.lua",
    "/data/levels/campaign2/fusion part 1/fusion part 1.lua",
    "/data/levels/campaign2/fusion part 2/fusion part 2.lua",
    "/data/levels/campaign2/matador round 2/matador round 2.lua",
    "/data/levels/campaign2/two brothers/two brothers.lua",
    "/data/levels/campaign2/anathema/anathema.lua",
    "/data/levels/campaign2/epilogue/epilogue.lua",
};

struct CampaignPaths {
    const char* const* paths;
    int count;
};

static const CampaignPaths campaigns[] = {
    {campaign0, (int)(sizeof campaign0 / sizeof campaign0[0])},
    {campaign1, (int)(sizeof campaign1 / sizeof campaign1[0])},
    {campaign2, (int)(sizeof campaign2 / sizeof campaign2[0])},
};

int SavedLevelCatalogue::getNumberOfLevels() {
    return (int)(sizeof infinityLevels / sizeof infinityLevels[0]);
}

std::string SavedLevelCatalogue::getLevelPath(int i) {
    return i >= 0 && i < getNumberOfLevels() ? infinityLevels[i] : "";
}

int SavedLevelCatalogue::getNumberOfCampaigns() {
    return (int)(sizeof campaigns / sizeof campaigns[0]);
}

int SavedLevelCatalogue::getNumberOfCampaignLevels(int campaign) {
    return campaign >= 0 && campaign < getNumberOfCampaigns() ? campaigns[campaign].count : 0;
}

std::string SavedLevelCatalogue::getCampaignLevelPath(int campaign, int i) {
    if (i < 0 || i >= getNumberOfCampaignLevels(campaign))
        return "";
    return campaigns[campaign].paths[i];
}

std::string SavedLevelCatalogue::getFinalLevelOfCampaign(int campaign) {
    return getCampaignLevelPath(campaign, getNumberOfCampaignLevels(campaign) - 1);
}
