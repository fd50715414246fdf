#pragma once
// Design files ("tvk"): section "Wire" with the bends and lengths of every
// segment after the first and the wire's stock (wire/stock_keys.h), one
// section per bracket with its position and angulation, and for a design
// made from a loop template a section "Template" with its parameters.
// Lengths and coordinates are stored in twentieths of a millimetre, angles
// in radians.

#include <memory>
#include <string>
#include <vector>

#include "wire/materials.h"

namespace torvik {

class TWire;
class TBracket;
class TIniFile;
struct TDesign;

// What a read let pass that a reader may want to mention.
struct TDesignReadNotes {
    // The number of segments the design declares ("Segments").
    int Segments = 0;
    // The indices i whose key "Seg i" was missing; each of those segments
    // was read as a straight one of 0.0125 mm.
    std::vector<int> MissingSegments;
    // Whether the file gave the wire's material, and its cross-section;
    // what it did not give, the wire took from the stock it was read with.
    bool MaterialStored = false;
    bool CrossSectionStored = false;
    // Why the design's section "Template" could not be read; the design
    // was read without its template. Empty when it was read or is absent.
    std::string TemplateProblem;
};

// What the window and the command line tell the user about missing segment
// keys: "<file>: 161 of 310 segments are missing; each was read as a
// straight 0.0125 mm piece." (the name as ShownFileName shows it); empty
// when none is missing.
std::string MissingSegmentsMessage(const std::string& aFileName, const TDesignReadNotes& aNotes);

// Whether a document holds a design: a section "Wire", "Left Bracket" or
// "Right Bracket".
bool IsDesign(const TIniFile& aIni);

// Writes the wire and both brackets into aFileName in one go, keeping the
// other sections of an existing design file; an existing file that holds no
// design section is replaced by the design alone. The file is replaced
// atomically: a failed write throws TFileError("Unable to write to
// <name>...", with the system's reason) and leaves the old file as it was.
// A file that is there but cannot be read is not replaced (its other
// sections would be lost), nor is a read-only one. Clears the wire's dirty
// flag on success.
void SaveDesign(const std::string& aFileName, TWire& aWire, const TBracket& aLeft, const TBracket& aRight);
// The whole design the same way, with the template it was made from in the
// section "Template"; a design without one erases that section, so that the
// file never claims a template its wire was not made from.
void SaveDesign(const std::string& aFileName, TDesign& aDesign);

// Reads the left bracket, the right bracket, then the wire's segments (the
// wire must hold only its first segment), and re-attaches the wire to the
// left bracket: direction of the bracket minus pi, start at its origin.
// A missing file reads as an empty design. One that exists but cannot be
// read throws TFileError("Unable to read <name>"), and one that holds no
// design section TFileError("<name> is not a Torvik design"), before
// anything changes. A bad segment throws "<name>: Seg i: ...", leaving the
// brackets and the segments read before it in place. A bracket key that is
// there but does not read, or an absurd bracket position, throws
// "<name>: Right Bracket: X: 'abc' is not a valid floating point value" (or
// "... is not a valid bracket position") before that bracket changes; a
// missing bracket key keeps the bracket's value. A stock key that does not
// read throws "<name>: Wire: Material: ..." before any stored segment is
// read. Messages show the name as ShownFileName does.
void ReadDesign(const std::string& aFileName, TWire& aWire, TBracket& aLeft, TBracket& aRight,
                TDesignReadNotes* aNotes = nullptr);
// The same from a parsed document; its errors name the key but no file.
void ReadDesign(const TIniFile& aIni, TWire& aWire, TBracket& aLeft, TBracket& aRight,
                TDesignReadNotes* aNotes = nullptr);

// Reads aFileName into a new design whose first segment is aSegmentSize
// long and whose segments take the file's stock, or aStock where the file
// names none, with the template the file keeps. The design is returned only
// when the whole file was read; any failure throws as ReadDesign does, so a
// caller that keeps its open design until then never loses it to a bad
// file. A template section that cannot be read is no failure: the design
// comes without it, and aNotes says why.
std::unique_ptr<TDesign> LoadDesign(const std::string& aFileName, double aSegmentSize, const TWireStock& aStock,
                                    TDesignReadNotes* aNotes = nullptr);

}  // namespace torvik
