// Local and downloaded high scores, kept in "local_scores.txt" and "web_scores.txt".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class FileReader;

// One entry of a level's list.
class Score {
public:
    Score() {}
    Score(std::string name, int score, int replay, int time, int fourth);

    // Local files hold name, score, replay, time, fourth value; world files
    // leave out the time. False when a line is missing or not a number.
    bool read(FileReader* reader, bool world);
    bool write(FILE* f, bool world = false);
    // The text the level check value is made of.
    std::string toString();

    int fourth = 0;
    int score = 0;
    int time = 0;
    int replay = 0;
    std::string name;
};

// Best first: higher score, then the later time. Compares Score* elements.
int scoreCompareInC(const void* a, const void* b);

// The list of one level: at most ten scores after any addScore.
class ScoresForALevel {
public:
    static const int maxScores = 10;

    explicit ScoresForALevel(std::string name);
    ~ScoresForALevel();
    ScoresForALevel(const ScoresForALevel&) = delete;
    ScoresForALevel& operator=(const ScoresForALevel&) = delete;

    // True when the score entered the list.
    bool addScore(std::string name, int score, int replay, int time, int fourth);
    bool read(FileReader* reader, bool world);
    bool write(FILE* f, bool world);
    std::string getHashFromLoadedData();

    std::string levelName;
    std::vector<Score*> scores;
};

// One table, one file: a list per infinity level.
class ScoresForAllTheLevels {
public:
    // Reads the file; a file that fails to read is kept as "<name>.bad" and
    // the table is rebuilt empty and written at once. A file that exists but
    // cannot be opened, or that fails to read and cannot be moved to
    // "<name>.bad", is left as it is and never written: the table rebuilt
    // empty lives in memory, and each save asked for later says that it was
    // not made.
    ScoresForAllTheLevels(bool world, std::string fileName);
    // An empty table bound to no file, for reading and writing text in
    // memory: read() finds nothing and write() writes nothing.
    explicit ScoresForAllTheLevels(bool world);
    ~ScoresForAllTheLevels();
    ScoresForAllTheLevels(const ScoresForAllTheLevels&) = delete;
    ScoresForAllTheLevels& operator=(const ScoresForAllTheLevels&) = delete;

    ScoresForALevel* getScoresForLevel(std::string level);
    bool addScore(std::string level, std::string name, int score, int replay, int time, int fourth);
    // Reads the file once and parses it as readText does.
    bool read();
    // Replaces the table with the lists a file of these bytes holds; false,
    // with the table left empty, when they do not read whole.
    bool readText(const std::string& bytes);
    // Replaces the file whole; false when it was not written, which the
    // standard error stream is told (but for a table bound to no file).
    bool write();
    // The bytes write() puts in the file.
    std::string text();
    void clear();

    std::vector<ScoresForALevel*> levels;
    bool world;
    std::string fileName;
    // Why the existing file is kept as it is and never written (the errno of
    // the open or of the move to "<name>.bad" that failed), else 0.
    int keptFileCause = 0;

private:
    bool writeTo(FILE* f);
};

class Scores {
public:
    static Scores* getInstance();
    ~Scores();

    ScoresForALevel* getLocalScoresForLevel(std::string level);
    ScoresForALevel* getWebScoresForLevel(std::string level);
    // Adds to the local table and, when the score was kept, rewrites the file.
    bool addLocalScore(std::string level, std::string name, int score, int replay, int time, int fourth);
    void reloadWebScores();
    // Takes a downloaded world file. Only bytes that read as a world table (a
    // list per level, empty ones included) are written whole to
    // "web_scores.txt" and replace the world table; anything else leaves both
    // as they were, as does a write that fails.
    enum WebScoresUpdate { WEB_SCORES_REFUSED, WEB_SCORES_NOT_WRITTEN, WEB_SCORES_REPLACED };
    WebScoresUpdate replaceWebScores(const std::string& bytes);

    // Builds a fresh instance from the current documents folder, for tests.
    static void reloadForTests();

    static Scores* instance;
    ScoresForAllTheLevels* local;
    ScoresForAllTheLevels* web;

private:
    Scores();
    Scores(const Scores&) = delete;
    Scores& operator=(const Scores&) = delete;
};
