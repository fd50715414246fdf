#pragma once
// Design files ("tvk"): section "Wire" with the bends and lengths of every
// segment after the first, and one section per bracket with its position and
// angulation. Lengths and coordinates are stored in twentieths of a
// millimetre, angles in radians.

#include <string>

namespace torvik {

class TWire;
class TBracket;

// Writes the wire and both brackets into aFileName in one go, keeping any
// other sections of an existing file. The file is replaced atomically: a
// failed write throws TFileError("Unable to write to <name>") and leaves the
// old file as it was. Clears the wire's dirty flag on success.
void SaveDesign(const std::string& aFileName, TWire& aWire, const TBracket& aLeft, const TBracket& aRight);

// Reads the left bracket, the right bracket, then the wire's segments (the
// wire must hold only its first segment), and re-attaches the wire to the
// left bracket: direction of the bracket minus pi, start at its origin.
// A missing file reads as an empty design; one that exists but cannot be
// read throws TFileError("Unable to read <name>") before anything changes.
// A bad segment throws, leaving the brackets and the segments read before it
// in place; so does an absurd bracket position, before that bracket changes.
void ReadDesign(const std::string& aFileName, TWire& aWire, TBracket& aLeft, TBracket& aRight);

}  // namespace torvik
