// Line styles: user dash patterns.
#pragma once

namespace vtx {

void myline(const int* pattern, int n);

}  // namespace vtx
