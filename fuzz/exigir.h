#pragma once

#include <cstdio>
#include <cstdlib>

/// A broken rule stops the run, naming the rule, so that libFuzzer keeps the input.
#define EXIGIR(condicion)                                                                                    \
    do {                                                                                                     \
        if (!(condicion)) {                                                                                  \
            std::fprintf(stderr, "no se cumple: %s (línea %d)\n", #condicion, __LINE__);                     \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
