// The classic edition's four fixed keys and the master key set they form.
#pragma once

#include "engine/alphabet.h"

namespace velk::classic {

// Slot 0 the Alphabet, slots 1 to 4 the four fixed keys, each joined at run
// time from its two stored pieces and the double quote.
KeySet FixedMasterKeySet();

}  // namespace velk::classic
