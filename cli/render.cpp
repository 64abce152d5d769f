#include <cstdio>

#include "commands.h"

namespace quorvane {

// Painting the preview comes with the preview renderer.
int run_render(const QStringList&) {
    std::fputs("quorvane-cli: render is not available yet\n", stderr);
    return kUsageOrInput;
}

}  // namespace quorvane
