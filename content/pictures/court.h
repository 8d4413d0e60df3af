// The figures of the two regional decks: one description a figure (what it wears,
// how it stands, what it holds) and the drawing that turns it into a picture.
// Each deck writes its own twelve descriptions in its own manner.
#pragma once

#include "look.h"

namespace zelvo::pictures {

enum class Rank { Fante, Cavallo, Re };
enum class Hair { Short, Bob, Long, Curls };
enum class Beard { None, Moustache, Short, Long, Forked };
enum class Headgear { Crown, ArchedCrown, LilyCrown, SpikedCrown, Beret, BrimHat, PeakedCap, Helmet, Turban, TallHat };
enum class Pattern { Plain, Stripes, Chevrons, Checks, Dots, Halves, Lozenges };
// Where the hand that holds the suit sign is.
enum class Hold { Raised, Chest, Low, Shoulder, Forward };
// What the other hand does.
enum class Other { Hip, Sceptre, Sword, Staff, Orb, Cloak, Flower, Reins };
// How a figure stands, or how a horse moves.
enum class Gait { Square, Step, Trot, Rearing };
// The cut of the clothes. Pages: doublet and skirt, long coat or puffed breeches;
// kings: long robe under an open mantle, seated on a throne, knee-length tunic
// under a long cloak, or bell-shaped robe with a shoulder cape; knights: a short
// cloth over the horse or a long one.
enum class Cut { Standard, Coat, Breeches, Throne, Tunic, Cape };

struct Court {
    Rank rank;
    bool turned;  // three-quarter view, looking to the right (mirrored when `left`)
    bool left;    // the whole figure mirrored, looking to the left
    Hair hair;
    QColor hairColour;
    Beard beard;
    Headgear hat;
    QColor hatColour;
    QColor plume;  // a feather or a jewel on the headgear; invalid: none
    QColor dress, trim, sleeve, cloak, lining, legLeft, legRight;  // cloak invalid: none
    Pattern pattern;
    Hold hold;
    Other other;
    Gait gait;
    QColor horse, mane, caparison;  // knights only
    Pattern caparisonPattern;
    Cut cut = Cut::Standard;
};

// A figure in the 100 x 180 figure box, origin top left.
void drawCourt(QPainter& p, const Stile& s, Seme seme, const Court& c);

}  // namespace zelvo::pictures
