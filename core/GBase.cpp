#include "core/GBase.h"

#include <cstdio>

#include "core/ReportSink.h"

namespace {
// GBase's reports are static, called from deep inside any loader without a
// context to carry a sink, so the one registration lives here.
ReportSink* registered = nullptr;
} // namespace

void GBase::print(const char* text) {
    if (registered != nullptr) {
        registered->addLine(text);
    } else {
        std::fprintf(stderr, "%s\n", text);
    }
}

void GBase::printAppend(const char* text) {
    if (registered != nullptr) {
        registered->appendToLast(text);
    } else {
        std::fprintf(stderr, "%s", text);
    }
}

void GBase::error(const char* text) {
    std::fprintf(stderr, "%s", text);
}

void GBase::attach(ReportSink* sink) {
    registered = sink;
}

ReportSink* GBase::attached() {
    return registered;
}

void GBase::detach(const ReportSink* sink) {
    if (registered == sink) {
        registered = nullptr;
    }
}
