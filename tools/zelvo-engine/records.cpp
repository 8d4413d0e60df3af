// zelvo-engine records: not yet available in this build.
#include <cstdio>

#include "commands.h"

namespace zelvo::engine {

int records(const std::vector<std::string>&) {
    std::fputs("zelvo-engine records: not available yet\n", stderr);
    return 2;
}

}  // namespace zelvo::engine
