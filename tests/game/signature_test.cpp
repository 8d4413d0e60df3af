// The behaviour signature: a fixed set of whole games through the real flow
// gives the same ticks, the same computer cards, the same grid writes, the same
// points, the same table on screen and the same orders to the media players as
// when these lines were pinned. A change of a line is a change of behaviour:
// explain it, or find the fault.
#include <gtest/gtest.h>

#include "support/files.h"

TEST(Signature, TheBenchGamesPlayExactlyAsPinned) {
    EXPECT_EQ(zelvo::test::run(ZELVO_ENGINE " bench 2>/dev/null").text,
              "games 500 ticks 190716 decisions 8624 hash 70905d5d4e18297f\n"
              "table e7297ce2e2b90a40 media 210601 hash 05f5fc8ead7358e8\n");
}
