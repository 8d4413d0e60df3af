// zelvo-engine: the game without a window, for players and for checking.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace {

void uso() {
    std::fputs(
        "usage: zelvo-engine COMMAND [options]\n"
        "  bench   (fixed games; prints their behaviour signature)\n"
        "  match   --games N --seed S --end first60|last --match 3|4|5\n"
        "          --animation no|veloce|media|lenta --level A..E --human random\n"
        "  decide  (one JSON position per line on standard input)\n"
        "  game FILE\n"
        "  records [DATI_FOLDER]\n",
        stderr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        uso();
        return 2;
    }
    std::string cmd = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (cmd == "bench") return zelvo::engine::bench(args);
    if (cmd == "match") return zelvo::engine::match(args);
    if (cmd == "decide") return zelvo::engine::decide(args);
    if (cmd == "game") return zelvo::engine::game(args);
    if (cmd == "records") return zelvo::engine::records(args);
    uso();
    return 2;
}
