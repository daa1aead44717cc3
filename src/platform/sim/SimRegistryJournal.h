#pragma once
// What the registry calls leave for tests: the journal of writes and the
// writes a test has told the sim to refuse.
#include <string>

#include "platform/sim/world.h"

namespace sim::machine {

void Journal(const std::string& entry);
// A value as the journal shows it: strings as text, REG_DWORD in decimal,
// anything else as hex bytes.
std::string JournalText(const RegValue& value);
// The error a write to this key path is refused with, or 0.
long RefusedWrite(const std::string& keyPath);

}  // namespace sim::machine
