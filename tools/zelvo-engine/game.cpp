// zelvo-engine game: not yet available in this build.
#include <cstdio>

#include "commands.h"

namespace zelvo::engine {

int game(const std::vector<std::string>&) {
    std::fputs("zelvo-engine game: not available yet\n", stderr);
    return 2;
}

}  // namespace zelvo::engine
