// A cell of a uniform grid: one object of a singly linked chain.
#pragma once

struct Link {
    void* object = nullptr;
    Link* next = nullptr;
};
