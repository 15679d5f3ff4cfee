#pragma once

// What the sizes of a folder's files say about a copy's sectors: each IFO's
// last sector is its size less one; and where the copy's files grew, its
// VOBS start sectors, its sets' last sectors and, in the title table, the
// start of every later title set moved by exactly that growth. An oracle
// for the insert, independent of how it moves pointers. (Authoring tools
// count the disc's own layout into the absolute values, so only the
// changes can be judged from the files.)

#include "disc/Disc.h"

#include <string>
#include <vector>

namespace trevalo::testing {

std::vector<std::string> layoutDisagreements(const disc::Disc& before, const disc::Disc& after);

}
