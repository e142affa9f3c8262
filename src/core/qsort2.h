// In-place quicksort over raw element arrays; equal elements keep a fixed order.
#pragma once

void qsort2(void* base, unsigned count, unsigned size, int (*compare)(const void*, const void*));
void qsort_internal(char* begin, char* end, unsigned size, int (*compare)(const void*, const void*));
