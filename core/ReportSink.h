#pragma once

// Where GBase's progress lines go: implemented by whatever shows them (the
// start-up console) and registered with GBase::attach while it can.
class ReportSink {
  public:
    virtual ~ReportSink() = default;

    // A new line of progress.
    virtual void addLine(const char* text) = 0;
    // More text on the last line, such as the "OK" after a file's name.
    virtual void appendToLast(const char* text) = 0;
};
