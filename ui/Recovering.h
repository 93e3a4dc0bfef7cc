#pragma once

#include <QtGlobal>

// Checks a condition that only a fault of the caller breaks. When it does
// not hold, the file, line and condition go to Qt's warning log in every
// build, so that a release build too says where it went wrong, and the one
// statement `recovery` runs, such as `return nullptr`, or `return void()`
// in a function that returns nothing (clang-format would write a bare
// `return` as `return )`). An exception or an abort must not reach Qt's
// event loop.
//
//     TACHORIA_CHECK(column >= 1, return void());
//
// It is one statement: under an `if` without braces, an `else` after it
// still belongs to that `if`. The recovery sits in the `else`, so that no
// `else` follows a `return`.
#define TACHORIA_CHECK(condition, recovery)                                                 \
    if ((condition) ||                                                                      \
        (qWarning("%s:%d: \"%s\" does not hold", __FILE__, __LINE__, #condition), false)) { \
    } else                                                                                  \
        recovery
