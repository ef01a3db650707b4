#include "ui/TextHelpItem.h"

TextHelpItem::TextHelpItem(const std::string& line) : text(line.substr(0, kMaxChars)) {}
