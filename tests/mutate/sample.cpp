// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
// Not built: lines for `scripts/mutate --list` (list_test.py). The `want:` comment of a line
// names the faults expected on it; a line without one must give none.
#include <vector> // want:
#define LIMIT (a < 3)

struct Widget {
    Widget(const Helper& helper, int count);
    virtual int Count() const = 0;
};

int Sample(int a, int b, std::vector<int>& v, Widget* widget)
{
    if (a == b && a < 2) { // want: negate if, == -> !=, && -> ||, < -> <=, 2 -> 3
        v.push_back(a >= 0x10); // want: drop call, >= -> >, 0x10 -> 0x11
    }
    while (a != b || b > a) { // want: negate while, != -> ==, || -> &&, > -> >=
        Helper(b <= 1'000); // want: drop call, <= -> <, 1'000 -> 1001
    }
    widget->update(); // want: drop call
    std::vector<int> w(3); // want: 3 -> 4
    if (int n = Count(v); n > 0) { // want: > -> >=, 0 -> 1
        Q_UNUSED(n);
    }
    if (a == '"') { // want: negate if, == -> !=
        Call(a,
             b);
    }
    const char* text = "if (a == b) { Call(1); }";
    const char* raw = R"x(a\")" == "b)x";
    /* if (a == b) {
       Call(3); } */
    const double d = 1.5e3 * .5;
    const int total =
        Count(v);
    return Combine(a, b, text, raw, d, total);
}
