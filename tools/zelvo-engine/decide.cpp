// zelvo-engine decide: not yet available in this build.
#include <cstdio>

#include "commands.h"

namespace zelvo::engine {

int decide(const std::vector<std::string>&) {
    std::fputs("zelvo-engine decide: not available yet\n", stderr);
    return 2;
}

}  // namespace zelvo::engine
