#pragma once

class ReportSink;

// Root of most of the game's classes. Holds no data; carries the three
// reporting operations every loader uses.
class GBase {
  public:
    virtual ~GBase() = default;

    // Adds a line to the registered sink; to standard error while none is.
    static void print(const char* text);
    // Appends to the sink's last line; to standard error while none is.
    static void printAppend(const char* text);
    // Writes text to standard error exactly as given, with no line break.
    static void error(const char* text);

    // Sends later reports to sink, which must outlive the registration.
    static void attach(ReportSink* sink);
    // Ends sink's registration; nothing when another sink took its place.
    static void detach(const ReportSink* sink);
    // The registered sink, or null.
    static ReportSink* attached();
};
