// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

int main() {
    std::fputs("tunecarver-cli: no commands yet\n", stderr);
    return 2;
}
