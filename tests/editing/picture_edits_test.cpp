#include "picture_edits.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace pixmint {
namespace {

using Rows = std::vector<std::string>;

// A picture written as rows of "#" (dark) and "." (light).
PixelGrid picture(const Rows& rows)
{
    PixelGrid grid(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x)
            grid.set(x, y, rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#');
    }
    return grid;
}

Rows rowsOf(const PixelGrid& grid)
{
    Rows rows;
    for (int y = 0; y < grid.height(); ++y) {
        std::string row;
        for (int x = 0; x < grid.width(); ++x)
            row += grid.at(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

const Rows kLight = {
    "......",
    "......",
    "......",
    "......",
};

struct ToolCase {
    const char* name;
    Rows before;
    std::function<PixelEdit(const PixelGrid&)> operation;
    Rows after;
};

void PrintTo(const ToolCase& c, std::ostream* os)
{
    *os << c.name;
}

class Tool : public ::testing::TestWithParam<ToolCase> {};

TEST_P(Tool, GivesThePictureDrawnAndOnlyItsChanges)
{
    const ToolCase& c = GetParam();
    const PixelGrid before = picture(c.before);
    const PixelEdit edit = c.operation(before);
    EXPECT_EQ(rowsOf(edited(before, edit)), c.after);
    EXPECT_EQ(edited(edited(before, edit), edit), before) << "reverting";
}

// A pencil stroke through the given places, one segment a move of the mouse, merged.
std::function<PixelEdit(const PixelGrid&)> stroke(std::vector<QPoint> path, std::uint8_t value)
{
    return [=](const PixelGrid& start) {
        PixelGrid now = start;
        PixelEdit whole;
        for (std::size_t i = 1; i < path.size(); ++i) {
            const PixelEdit segment = lineEdit(now, path[i - 1], path[i], value);
            segment.apply(now);
            whole.merge(segment);
        }
        return whole;
    };
}

PixelEdit moved(const PixelGrid& p, QRect selection, QPoint offset)
{
    return placeEdit(p, selection, copiedPixels(p, selection), selection.topLeft() + offset);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Editing, Tool, ::testing::Values(
    ToolCase{"PencilStrokeThroughThreePlaces", kLight,
        stroke({{0, 0}, {2, 0}, {2, 2}, {5, 3}}, 1),
        {"###...",
         "..#...",
         "..##..",
         "....##"}},
    ToolCase{"PencilLightOverDark", {"######", "######"},
        stroke({{1, 0}, {1, 1}, {4, 1}}, 0),
        {"#.####",
         "#....#"}},
    ToolCase{"LineShallow", kLight,
        [](const PixelGrid& p) { return lineEdit(p, {0, 0}, {5, 2}, 1); },
        {"##....",
         "..##..",
         "....##",
         "......"}},
    ToolCase{"LineClippedAtBothEdges", kLight,
        [](const PixelGrid& p) { return lineEdit(p, {-3, 1}, {9, 1}, 1); },
        {"......",
         "######",
         "......",
         "......"}},
    ToolCase{"LineOfOnePixel", kLight,
        [](const PixelGrid& p) { return lineEdit(p, {3, 2}, {3, 2}, 1); },
        {"......",
         "......",
         "...#..",
         "......"}},
    ToolCase{"RectangleOutline", kLight,
        [](const PixelGrid& p) { return rectangleEdit(p, cornersRect({4, 3}, {1, 0}), 1, false); },
        {".####.",
         ".#..#.",
         ".#..#.",
         ".####."}},
    ToolCase{"RectangleOutlinePastTheEdgeKeepsItsInnerSides", kLight,
        [](const PixelGrid& p) { return rectangleEdit(p, cornersRect({2, 1}, {8, 9}), 1, false); },
        {"......",
         "..####",
         "..#...",
         "..#..."}},
    ToolCase{"RectangleFilledLight", {"######", "######", "######"},
        [](const PixelGrid& p) { return rectangleEdit(p, cornersRect({1, 1}, {3, 2}), 0, true); },
        {"######",
         "#...##",
         "#...##"}},
    ToolCase{"FloodFillStaysFourConnected",
        {"..#...",
         ".#.#..",
         "#...#.",
         ".#.#.."},
        [](const PixelGrid& p) { return floodFillEdit(p, {2, 2}, 1); },
        {"..#...",
         ".###..",
         "#####.",
         ".###.."}},
    ToolCase{"FloodFillRoundAnObstacle",
        {"......",
         ".####.",
         ".#..#.",
         ".####."},
        [](const PixelGrid& p) { return floodFillEdit(p, {5, 3}, 1); },
        {"######",
         "######",
         "##..##",
         "######"}},
    ToolCase{"FloodFillLightIntoDark",
        {"##.###",
         "#..#..",
         "####.#"},
        [](const PixelGrid& p) { return floodFillEdit(p, {0, 0}, 0); },
        {"......",
         "......",
         ".....#"}},
    ToolCase{"FloodFillOfTheSameValueChangesNothing", {"#.", ".#"},
        [](const PixelGrid& p) { return floodFillEdit(p, {1, 0}, 0); },
        {"#.",
         ".#"}},
    ToolCase{"InvertSelection", {"##....", "##....", "......"},
        [](const PixelGrid& p) { return invertEdit(p, QRect(1, 0, 3, 2)); },
        {"#.##..",
         "#.##..",
         "......"}},
    ToolCase{"InvertSelectionBeyondTheEdge", {"#...", "...."},
        [](const PixelGrid& p) { return invertEdit(p, QRect(2, 1, 5, 5)); },
        {"#...",
         "..##"}},
    ToolCase{"ShiftRightWrapsTheLastColumn", {"#...#", ".#..."},
        [](const PixelGrid& p) { return shiftEdit(p, 1, 0); },
        {"##...",
         "..#.."}},
    ToolCase{"ShiftLeftWrapsTheFirstColumn", {"#...#", ".#..."},
        [](const PixelGrid& p) { return shiftEdit(p, -1, 0); },
        {"...##",
         "#...."}},
    ToolCase{"ShiftUpWrapsTheTopRow", {"#..", ".#.", "..#"},
        [](const PixelGrid& p) { return shiftEdit(p, 0, -1); },
        {".#.",
         "..#",
         "#.."}},
    ToolCase{"ShiftDownWrapsTheBottomRow", {"#..", ".#.", "..#"},
        [](const PixelGrid& p) { return shiftEdit(p, 0, 1); },
        {"..#",
         "#..",
         ".#."}},
    ToolCase{"PasteIsOpaqueAndClippedAtTheEdges", {"######", "######", "######"},
        [](const PixelGrid& p) { return placeEdit(p, {}, picture({"#..", ".#."}), {4, 2}); },
        {"######",
         "######",
         "#####."}},
    ToolCase{"PasteAboveAndLeftOfThePicture", kLight,
        [](const PixelGrid& p) { return placeEdit(p, {}, picture({"#.#", ".##"}), {-1, -1}); },
        {"##....",
         "......",
         "......",
         "......"}},
    ToolCase{"MoveLeavesItsPlaceLight",
        {"##....",
         "#.....",
         "......"},
        [](const PixelGrid& p) { return moved(p, QRect(0, 0, 2, 2), {3, 1}); },
        {"......",
         "...##.",
         "...#.."}},
    ToolCase{"MoveOverItsOwnPlace",
        {"###...",
         "#.#...",
         "###..."},
        [](const PixelGrid& p) { return moved(p, QRect(0, 0, 3, 3), {1, 0}); },
        {".###..",
         ".#.#..",
         ".###.."}},
    ToolCase{"MovePartlyOffThePictureLosesWhatFallsOff",
        {"......",
         "....##",
         "....##"},
        [](const PixelGrid& p) { return moved(p, QRect(4, 1, 2, 2), {1, -1}); },
        {".....#",
         ".....#",
         "......"}}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(Editing, CopyTakesOnlyWhatLiesInThePicture)
{
    const PixelGrid p = picture({"#..#", ".##."});
    EXPECT_EQ(rowsOf(copiedPixels(p, QRect(2, -1, 5, 5))), (Rows{".#", "#."}));
    EXPECT_TRUE(copiedPixels(p, QRect(4, 0, 2, 2)).isEmpty());
}

// A small change of a large picture is recorded as small: the bits of its own rectangle.
TEST(Editing, AStrokeOfALargePictureRecordsItsOwnRectangle)
{
    const PixelGrid large(1024, 1024);
    const PixelEdit edit = lineEdit(large, {100, 200}, {110, 202}, 1);
    EXPECT_EQ(edit.bounds(), QRect(100, 200, 11, 3));
    EXPECT_EQ(edit.changedCount(), 11);
}

// A selection carried across dark pixels and back, one step a move of the mouse: the
// pixels it passed over are as they were, and the steps merged are the whole drag.
TEST(Editing, ADraggedSelectionPassesOverPixelsWithoutChangingThem)
{
    const PixelGrid start = picture({
        "#.....",
        "..##..",
        "..##..",
    });
    const QRect selection(0, 0, 1, 1);
    const PixelGrid patch = copiedPixels(start, selection);
    DraggedChange drag(start);
    PixelGrid now = start;
    PixelEdit merged;
    for (const QPoint at : {QPoint(1, 1), QPoint(2, 1), QPoint(3, 2), QPoint(5, 0)}) {
        const PixelEdit step = drag.step(placeEdit(drag.start(), selection, patch, at));
        step.apply(now);
        merged.merge(step);
    }
    EXPECT_EQ(rowsOf(now), (Rows{".....#", "..##..", "..##.."}));
    EXPECT_EQ(edited(start, merged), now);
    EXPECT_EQ(merged.changedCount(), 2);
}

// Random sequences of every operation, some of them merged as a stroke or a drag merges:
// undoing every step gives the first picture back and redoing them the last. Each step
// records exactly the pixels it changes, within the smallest rectangle that holds them.
class RandomEdits {
public:
    explicit RandomEdits(std::mt19937& random) : m_random(random) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    // A place in the picture or up to three pixels beyond its edges.
    QPoint place(const PixelGrid& p)
    {
        return {below(p.width() + 6) - 3, below(p.height() + 6) - 3};
    }
    std::uint8_t value() { return static_cast<std::uint8_t>(below(2)); }

    PixelGrid randomPicture()
    {
        PixelGrid p(1 + below(40), 1 + below(30));
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 0; x < p.width(); ++x)
                p.set(x, y, value());
        }
        return p;
    }

    PixelEdit operation(const PixelGrid& p)
    {
        switch (below(8)) {
        case 0:
            return lineEdit(p, place(p), place(p), value());
        case 1:
            return rectangleEdit(p, cornersRect(place(p), place(p)), value(), below(2) == 0);
        case 2:
            return floodFillEdit(p, place(p), value());
        case 3:
            return invertEdit(p, cornersRect(place(p), place(p)));
        case 4:
            return shiftEdit(p, below(3) - 1, below(3) - 1);
        case 5:
            return placeEdit(p, {}, copiedPixels(p, cornersRect(place(p), place(p))), place(p));
        default: {
            const QRect selection = cornersRect(place(p), place(p));
            return placeEdit(p, selection, copiedPixels(p, selection), place(p));
        }
        }
    }

    // One step of the undo stack: an operation, or several made one by one and merged.
    PixelEdit step(const PixelGrid& p)
    {
        if (below(3))
            return operation(p);
        PixelGrid now = p;
        PixelEdit merged;
        for (int n = 1 + below(5); n > 0; --n) {
            const PixelEdit part = operation(now);
            part.apply(now);
            merged.merge(part);
        }
        return merged;
    }

private:
    std::mt19937& m_random;
};

void expectRecordsExactlyItsChanges(const PixelGrid& before, const PixelGrid& after,
                                    const PixelEdit& edit)
{
    qint64 differing = 0;
    QRect changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.at(x, y) != after.at(x, y)) {
                ++differing;
                changed = changed.united(QRect(x, y, 1, 1));
            }
        }
    }
    EXPECT_EQ(edit.changedCount(), differing);
    EXPECT_EQ(edit.bounds(), changed);
}

TEST(Editing, RandomSequencesUndoToTheFirstPictureAndRedoToTheLast)
{
    std::mt19937 random(20240611);
    RandomEdits edits(random);
    for (int sequence = 0; sequence < 400; ++sequence) {
        SCOPED_TRACE(sequence);
        const PixelGrid first = edits.randomPicture();
        PixelGrid now = first;
        std::vector<PixelEdit> history;
        for (int n = 1 + edits.below(30); n > 0; --n) {
            const PixelGrid before = now;
            history.push_back(edits.step(now));
            history.back().apply(now);
            expectRecordsExactlyItsChanges(before, now, history.back());
        }
        const PixelGrid last = now;
        for (auto step = history.rbegin(); step != history.rend(); ++step)
            step->revert(now);
        ASSERT_EQ(now, first);
        for (const PixelEdit& step : history)
            step.apply(now);
        ASSERT_EQ(now, last);
    }
}

}  // namespace
}  // namespace pixmint
