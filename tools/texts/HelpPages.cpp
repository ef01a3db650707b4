#include "HelpPages.h"

#include <string>

namespace {

// A page written out as it reads, one line of the file per line of text.
// "|P|name|width|height|" is a picture of that size. A picture stands on the
// top of the text line before it, so three empty lines go first: the
// picture then clears the text above, and the line after it starts beside
// the picture on the same bottom line.
TextFile page(const char* name, const char* text) {
    TextFile file{name, {}};
    std::string rest = text;
    // The text starts on the line after the opening quote.
    if (!rest.empty() && rest.front() == '\n') {
        rest.erase(0, 1);
    }
    for (size_t end = rest.find('\n'); end != std::string::npos; end = rest.find('\n')) {
        file.lines.push_back(rest.substr(0, end));
        rest.erase(0, end + 1);
    }
    if (!rest.empty()) {
        file.lines.push_back(rest);
    }
    return file;
}

} // namespace

std::vector<TextFile> helpPages() {
    return {page("dat/general01.dat", R"(
HOW TO PLAY

Aliens crawl in from the left and the right,
and each one wants the nearest trooper.
That trooper is you. Try not to be there.

Shoot them first. Every alien you kill is
a point, and points are all you take home.
The game ends when no trooper is left on
the field. Nobody leaves it any other way.

One player or two: two troopers share one
keyboard, one horde and one score.

Up and Down scroll these pages, Page Up
and Page Down scroll them faster, Left
and Right turn them. Escape takes you
back to the menu, where it is safe.
)"),
            page("dat/general02.dat", R"(
CONTROLS

Player 1
Left and Right turn, Up and Down walk,
Right Ctrl fires.

Player 2
A and D turn, W and S walk,
Left Ctrl fires.

Pads: the first is player 1's, the second
player 2's. Stick or d-pad turns and walks,
the first button fires. In the menus the
first button chooses, the second goes back.

Escape gives up the game at once.
F1 pauses it; a letter key or a pad button
goes on. The aliens will wait.
They are patient like that.

Fingers in a knot? Setup > Set keys lets
each player choose their own five keys,
pad buttons and directions too.

Every game is recorded: Replays in the
main menu shows the last one and the best.
)"),
            page("dat/general03.dat", R"(
WEAPONS



|P|pics/weapon_rifle|80|32|
Rifle: every trooper has one.
It never runs dry, and nobody is impressed.



|P|pics/weapon_bullets|80|32|
Exploding bullets: they go off
on contact. Aliens take it personally.



|P|pics/weapon_flamer|80|32|
Flame thrower: sets aliens alight.
They run about a bit, then stop running.



|P|pics/weapon_grenade|80|32|
Grenades: throw, wait, count
the pieces.

The special weapons lie about as power-ups:
walk over one to pick it up. Each comes
fully loaded; when it runs dry, the rifle
is back in your hands. Shots and blasts
push power-ups around, so do not shoot
the one you want.



|P|pics/fa_01|30|30|
First aid: 40 health back, 100 at most.
It does not regrow what the aliens bit off,
but it helps.
)"),
            page("dat/general04.dat", R"(
SCORE AND LEVELS

Your score is the number of dead aliens.
The more you score, the more of them come,
and the faster they come.

The level tag beside the score climbs from
0 to 25. What lies past 25? Ask those who
got there. We are still waiting to hear.

HIGH SCORES

There are two tables: one for games alone,
one for games in pairs, so a lone hero
never has to share the glory.

A good score asks for a name: type letters,
then press Return. Digits are not allowed,
so R2D2 will have to settle for RD.

The main menu shows the table of the last
kind of game played, so everyone can see
who fell first.
)")};
}

std::vector<TextFile> creditsPages() {
    // The font has no underscore, so SDL_mixer is spelt with a space.
    return {page("dat/credits01.dat", R"(
CREDITS

The Kravex II team
Design, code, pictures, sounds, and every
bug we did not find.

FONTS
DejaVu, under the Bitstream Vera licence.
URW Base35, under the AGPL with the font
exception.

PICTURES
Drawn by our own generator with Cairo
and FreeType.

SOUNDS AND MUSIC
Made by our own generator, encoded with
libvorbis.

Built with SDL 1.2 and SDL mixer.

Thanks for playing. The aliens thank you
too. They were getting bored.
)")};
}
