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
// error stream, releases what was made and returns 1.
int mainStartUp();
// The whole program: start-up, the screen startScreen asks for (null keeps the
// first menu; an error message ends the program), frames until the exit
// event, shutdown. Returns the process exit status.
int runMainLoop(State* (*startScreen)(std::string* error));
// The screen the environment asks for (ZORBIX_LEVEL, ZORBIX_REPLAY), as the
// game starts: a level or replay started this way leaves to its own level's
// screens (a campaign chapter's levels, an infinity level's scores), as one
// chosen in the menus does.
State* startScreenFromEnvironment(std::string* error);
// Whether an infinity game whose replay is saved prints "score S, replay N"
// on the standard output when it ends: true in the game (runMainLoop), false
// in the tools, whose output is their own.
extern bool announceEndedGames;
