#pragma once

// Root of most of the game's classes. Holds no data; carries the three
// reporting operations every loader uses.
class GBase {
public:
    virtual ~GBase() = default;

    // Adds a line to the start-up console; nothing while there is no console.
    static void print(const char* text);
    // Appends to the console's last line; nothing while there is no console.
    static void printAppend(const char* text);
    // Writes text to standard error exactly as given, with no line break.
    static void error(const char* text);
};
