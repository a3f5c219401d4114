#pragma once

#include <QtGlobal>

// Ends the run on a broken promise, naming it; libFuzzer keeps the input that broke it.
inline void check(bool condition, const char* what) {
    if (!condition)
        qFatal("broken: %s", what);
}
