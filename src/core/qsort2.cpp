// Quicksort with the first element as pivot; elements equal to the pivot stay on
// its left. The high-score lists depend on the order this leaves equal scores in,
// so the partition steps are fixed rather than left to the C library.
#include "core/qsort2.h"

#include <cstddef>

static void swapBytes(char* a, char* b, unsigned size) {
    for (unsigned i = 0; i < size; i++) {
        char t = a[i];
        a[i] = b[i];
        b[i] = t;
    }
}

void qsort_internal(char* begin, char* end, unsigned size, int (*compare)(const void*, const void*)) {
    while (end > begin) {
        char* l = begin + size;
        char* r = end;
        if (l < end) {
            while (r > l) {
                if (compare(l, begin) > 0) {
                    r -= size;
                    if (l == r)
                        break;
                    swapBytes(l, r, size);
                } else {
                    l += size;
                }
            }
        }
        char* p = l - size;
        if (p != begin)
            swapBytes(begin, p, size);
        qsort_internal(begin, p, size, compare);
        begin = r;
    }
}

void qsort2(void* base, unsigned count, unsigned size, int (*compare)(const void*, const void*)) {
    if (!base || size == 0)
        return;
    char* begin = static_cast<char*>(base);
    qsort_internal(begin, begin + (size_t)count * size, size, compare);
}
