// The program's start-up and run, above every folder of src/: the one place
// that knows the whole game. It connects what lower folders reach only through
// hooks (the music, the background grid, the player's settings and those that
// take effect at once, the screens a game leaves to), brings up the platform
// and the Game, loads what the game needs before its first frame and shows the
// first menu.
#pragma once

#include <string>

class State;

// 0 on success. A failing platform step prints its message to the standard
// error stream, releases what was made and returns 1. announceEndedGames as
// for connectPlayExits: the game sets it, the tools and the tests do not.
int mainStartUp(bool announceEndedGames = false);
// The whole program: start-up, the screen startScreen asks for (null keeps the
// first menu; an error message ends the program), frames until the exit
// event, shutdown. Returns the process exit status.
int runMainLoop(State* (*startScreen)(std::string* error));
// The screen the environment asks for (ZORBIX_LEVEL, ZORBIX_REPLAY), as the
// game starts: a level or replay started this way leaves to its own level's
// screens (a campaign chapter's levels, an infinity level's scores), as one
// chosen in the menus does.
State* startScreenFromEnvironment(std::string* error);
// Connects the screens a game leaves to. With announceEndedGames, an infinity
// game whose replay is saved prints "score S, replay N" on the standard output
// when it ends: the game does (runMainLoop), the tools, whose output is their
// own, do not.
void connectPlayExits(bool announceEndedGames);
