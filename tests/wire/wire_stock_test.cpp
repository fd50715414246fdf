// Protects the wire's stock in design files (uniform and mixed wires read back exactly, files without stock keys read as before, bad keys refused naming file, section and key) and its captions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/errors.h"
#include "support/text_utils.h"
#include "wire/design.h"
#include "wire/design_file.h"
#include "design_folder.h"
#include "wire/wire_stock.h"

using namespace torvik;
namespace fs = std::filesystem;

namespace {

const TWireStock Steel016 = DefaultStock();
const TWireStock Tma017x025{DefaultMaterialTable()[1], DefaultCrossSectionTable()[5]};

class WireStockTest : public test::DesignFolderTest {
protected:
    // A wire of 1 + aStored segments of aStock, saved; the file's name.
    std::string Save(const TWireStock& aStock, int aStored, const std::string& aName = "w.tvk") {
        TDesign d(0.25, aStock);
        for (int i = 0; i < aStored; ++i) d.CurrentWire->AddSeg(0.25, 0.01);
        return SaveOf(d, aName);
    }
    std::string SaveOf(TDesign& d, const std::string& aName) {
        const std::string file = (dir / aName).string();
        SaveDesign(file, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        return file;
    }
    std::string Write(const std::string& aText) {
        const std::string file = (dir / "typed.tvk").string();
        std::ofstream(file, std::ios::binary) << aText;
        return file;
    }

};

}  // namespace

TEST_F(WireStockTest, AUniformWireReadsBackWithItsStockWhateverTheCurrentOne) {
    const std::string file = Save(Tma017x025, 6);
    TDesignReadNotes notes;
    auto d = LoadDesign(file, 0.25, Steel016, &notes);
    TWire& w = *d->CurrentWire;
    ASSERT_EQ(w.Count(), 7);
    EXPECT_EQ(UniformStock(w), Tma017x025);
    EXPECT_TRUE(notes.MaterialStored && notes.CrossSectionStored);
    EXPECT_FALSE(w.dirty);
    // Segments added to it continue in its stock.
    w.AddSeg(0.25, 0);
    EXPECT_EQ(UniformStock(w), Tma017x025);
    EXPECT_EQ(StockCaption(w), "TMA 0.017 x 0.025");

    // Numbers of the user's own stock come back to the last bit.
    const TWireStock own{{72123.456789012345, "Other"}, {4.0640000000001, 0.1 + 0.2, "Other"}};
    auto again = LoadDesign(Save(own, 2, "own.tvk"), 0.25, Steel016);
    EXPECT_EQ(UniformStock(*again->CurrentWire), own);
}

TEST_F(WireStockTest, AFileWithoutStockKeysTakesTheCurrentStockAndAPartialOneKeepsTheRest) {
    const std::string file =
        Write("[Wire]\r\nSegments=2\r\nSeg 1=0.000000, 5.00\r\nSeg 2=0.000000, 5.00\r\n[Left Bracket]\r\nX=200\r\n");
    TDesignReadNotes notes;
    auto d = LoadDesign(file, 0.25, Tma017x025, &notes);
    EXPECT_EQ(UniformStock(*d->CurrentWire), Tma017x025);
    EXPECT_EQ(d->CurrentWire->Stock, Tma017x025);
    EXPECT_FALSE(notes.MaterialStored || notes.CrossSectionStored);

    auto partial = LoadDesign(Write("[Wire]\r\nSegments=1\r\nSeg 1=0, 5\r\nMaterial=Nitinol, 45000\r\n"), 0.25,
                              Steel016, &notes);
    EXPECT_EQ(UniformStock(*partial->CurrentWire), (TWireStock{DefaultMaterialTable()[2], Steel016.Size}));
    EXPECT_TRUE(notes.MaterialStored);
    EXPECT_FALSE(notes.CrossSectionStored);
}

TEST_F(WireStockTest, AMixedWireKeepsItsRunsAndGrowsInTheStockOfItsEnd) {
    TDesign d(0.25, Steel016);
    TWire& w = *d.CurrentWire;
    for (int i = 0; i < 3; ++i) w.AddSeg(0.25, 0);  // segments 0-3 steel
    w.Stock = Tma017x025;
    for (int i = 0; i < 4; ++i) w.AddSeg(0.5, 0.1);  // 4-7 TMA
    w.Stock = Steel016;
    w.AddSeg(0.25, 0);  // 8 steel
    const std::vector<TStockRun> runs = StockRuns(w);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(StockCaption(w), "mixed");
    EXPECT_EQ(StockRunsText(w), "mixed\nsegments 0\u20133: Stainless Steel 0.016\nsegments 4\u20137: TMA 0.017 x 0.025\n"
                                "segment 8: Stainless Steel 0.016");

    TDesignReadNotes notes;
    auto back = LoadDesign(SaveOf(d, "mixed.tvk"), 0.25, Tma017x025, &notes);
    EXPECT_EQ(StockRuns(*back->CurrentWire), runs);
    EXPECT_EQ(back->CurrentWire->Stock, Steel016);
    EXPECT_TRUE(notes.MaterialStored && notes.CrossSectionStored);

    // One stock for the whole wire again, then its material alone.
    ApplyStock(w, Tma017x025);
    EXPECT_EQ(UniformStock(w), Tma017x025);
    EXPECT_TRUE(w.dirty);
    ApplyMaterial(w, Steel016.Material);
    EXPECT_EQ(UniformStock(w), (TWireStock{Steel016.Material, Tma017x025.Size}));
    EXPECT_EQ(w.Stock, *UniformStock(w));
}

TEST_F(WireStockTest, AStockKeyThatDoesNotReadIsRefusedNamingFileSectionAndKey) {
    const std::string head = "[Wire]\r\nSegments=2\r\nSeg 1=0, 5\r\nSeg 2=0, 5\r\n";
    const std::string runs = "Stock Runs=2\r\nRun 1 Material=TMA, 72000\r\nRun 1 Cross Section=0.016, 4.064 x 0\r\n"
                             "Run 2 Material=TMA, 72000\r\nRun 2 Cross Section=0.018, 4.572 x 0\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"Material=Stainless Steel\r\n", "Wire: Material: 'Stainless Steel' is not a valid material"},
        {"Material=Steel, 17e\r\n", "Wire: Material: 'Steel, 17e' is not a valid material"},
        {"Material=Steel, 0\r\n", "Wire: Material: 'Steel, 0' is not a valid material: its modulus must lie"},
        {"Cross Section=0.016, 4.064\r\n", "Wire: Cross Section: '0.016, 4.064' is not a valid cross-section"},
        {"Cross Section=big, 4 x 1000\r\n", "Wire: Cross Section: 'big, 4 x 1000' is not a valid cross-section: its "
                                            "second side must lie"},
        {"Stock Runs=4\r\n", "Wire: Stock Runs: '4' is not a valid number of runs"},
        {runs, "Wire: Run 1 Segments: the key is missing"},
        {runs + "Run 1 Segments=1\r\nRun 2 Segments=1\r\n", "Wire: Stock Runs: the runs hold 2 segments, the wire 3"},
        {runs + "Run 1 Segments=1\r\nRun 2 Segments=x\r\n", "Wire: Run 2 Segments: 'x' is not a valid number"},
    };
    for (const auto& [keys, error] : cases) {
        const std::string file = Write(head + keys);
        try {
            (void)LoadDesign(file, 0.25, Steel016);
            ADD_FAILURE() << keys;
        } catch (const TFileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(ShownFileName(file) + ": " + error, 0), 0u) << e.what();
        }
    }
    // The same runs, complete, read.
    auto d = LoadDesign(Write(head + runs + "Run 1 Segments=1\r\nRun 2 Segments=2\r\n"), 0.25, Steel016);
    EXPECT_EQ(StockRuns(*d->CurrentWire).size(), 2u);
    EXPECT_EQ(d->CurrentWire->Segment(2).size.Name, "0.018");

    // A stock no file could give back is not written.
    TDesign absurd(0.25, TWireStock{{1e9, "Hard"}, Steel016.Size});
    EXPECT_THROW(SaveOf(absurd, "absurd.tvk"), std::runtime_error);
    EXPECT_FALSE(fs::exists(dir / "absurd.tvk"));
}
