#pragma once
// CHECK for fuzz targets: an invariant that does not hold aborts, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define CHECK(condition)                                                                  \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)
