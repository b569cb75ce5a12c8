#include "analysis/VEGRAFIK.h"

#include "analysis/graphicfixture.h"
#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"
#include "mainwindow/HUVUDMENY.h"

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using platform::DrawKind;

namespace {

// A round of the graph: its handicap before the round is also its slope handicap.
RoundRecord graphRound(const QString &datum, const QString &course, const QString &hcpFore,
                       const QString &hcpEfter, const QList<int> &strokes)
{
    return {.date = datum,
            .course = course,
            .strokes = strokes,
            .hcpFore = hcpFore,
            .hcpEfter = hcpEfter,
            .points = u"20"_s,
            .playType = u"S"_s,
            .slopeHcp = hcpFore};
}

// Writes the course file and the three round files.
void writeGraphFiles(const std::vector<std::pair<QString, QList<int>>> &courses,
                     const QList<RoundRecord> &rounds)
{
    QList<QStringList> courseRecords;
    for (const auto &[name, pars] : courses)
        courseRecords << parCourseLines(name, pars);
    writeLines(u"VEMTORBF"_s, fileLines(courseRecords));
    writeRoundFiles(rounds);
}

const QString kEkbacken = u"Ekbacken"_s;
const QString kLinden = u"Linden"_s;
const QList<int> kEkbackenPars = {4, 3, 5, 4, 4, 3, 5, 4, 4};                          // 36
const QList<int> kLindenPars = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4}; // 72

// Three rounds on the 9-hole course, one on the 18-hole course between them.
void writeThreeRounds()
{
    writeGraphFiles(
        {{kEkbacken, kEkbackenPars}, {kLinden, kLindenPars}},
        {
            graphRound(u"2004-05-01"_s, kEkbacken, u"12.3"_s, u"12.5"_s, {5, 3, 6, 4, 5, 4, 5, 4, 5}), // 41
            graphRound(u"2004-06-12"_s, kEkbacken, u"14.0"_s, u"13.8"_s, {4, 4, 5, 4, 4, 3, 6, 4, 4}), // 38
            graphRound(u"2004-06-20"_s, kLinden, u"13.8"_s, u"13.7"_s, QList<int>(18, 5)),             // 90
            graphRound(u"2004-07-03"_s, kEkbacken, u"20.5"_s, u"12.4"_s, {4, 3, 7, 2, 4, 3, 5, 4, 4}), // 36
        });
}

class GraphicWindow : public testing::Test
{
protected:
    VEGRAFIK *open()
    {
        return qobject_cast<VEGRAFIK *>(openByMenu(&m_mainWindow, u"M_GraVis"_s, u"VEGRAFIK"_s));
    }

    // Chooses the course, the lower handicap end when given and the dates by list position
    // (-1: none), then presses "VISA".
    static void show(VEGRAFIK *window, int course, int from, int to, std::optional<int> hcpFrom = {})
    {
        clickListRow(window, u"L_Bana"_s, course);
        if (hcpFrom)
            setBar(window, u"HScroll1"_s, *hcpFrom);
        if (from >= 0)
            clickListRow(window, u"L_Datfrom"_s, from);
        if (to >= 0)
            clickListRow(window, u"L_Dattom"_s, to);
        click(window, u"C_Visa"_s);
    }

    HUVUDMENY m_mainWindow;
};

// The bars of the lower graph: the red points on the x-axis.
int bars(const platform::DisplayList &list)
{
    return pointsOn(list, 6000, platform::kBgrRed);
}

// An empty surface: at most the clears that set the back colour.
bool nothingDrawn(const platform::DisplayList &list)
{
    return std::ranges::all_of(list.ops(),
                               [](const platform::DrawOp &op) { return op.kind == DrawKind::Clear; });
}

QStringList shownOf(QWidget *window, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names) {
        if (isShown(window, name))
            shown << name;
    }
    return shown;
}

const QStringList kControls = {u"L_Bana"_s,   u"C_Tillb"_s, u"Label3"_s, u"Label4"_s,   u"L_Datfrom"_s,
                               u"L_Dattom"_s, u"Label1"_s,  u"Label2"_s, u"HScroll1"_s, u"Hcpfrom"_s,
                               u"HScroll2"_s, u"Hcptom"_s,  u"C_Visa"_s, u"Label6"_s,   u"V_Dat"_s,
                               u"Label5"_s,   u"Label7"_s,  u"Label8"_s};

} // namespace

TEST_F(GraphicWindow, OpensWithTheCourseListAndTheHandicapPreset)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), u"GRAFISK VISNING"_s);
    EXPECT_EQ(listItems(window, u"L_Bana"_s), (QStringList{kEkbacken, kLinden}));
    EXPECT_EQ(shownOf(window, kControls), (QStringList{u"L_Bana"_s, u"C_Tillb"_s, u"Label5"_s, u"Label7"_s}));
    QPushButton *back = nullptr;
    QPushButton *visa = nullptr;
    ASSERT_NO_FATAL_FAILURE(back = control<QPushButton>(window, u"C_Tillb"_s));
    ASSERT_NO_FATAL_FAILURE(visa = control<QPushButton>(window, u"C_Visa"_s));
    EXPECT_EQ(back->text(), u"TILLBAKA"_s);
    EXPECT_EQ(visa->text(), u"VISA"_s);
    EXPECT_EQ(labelText(window, u"Label6"_s),
              u"Övre grafen visar alltid den sista valda rundan via valt DATUM tom. Nedre grafen styrs även "
              u"utfirån valt HCP"_s);
    // The latest round's hcp_efter 12.4 gives 11.
    EXPECT_EQ(labelText(window, u"Hcpfrom"_s), u"11"_s);
    EXPECT_EQ(labelText(window, u"Hcptom"_s), u"54"_s);
    QScrollBar *from = nullptr;
    ASSERT_NO_FATAL_FAILURE(from = control<QScrollBar>(window, u"HScroll1"_s));
    EXPECT_EQ(from->minimum(), -3);
    EXPECT_EQ(from->maximum(), 54);
    EXPECT_EQ(from->value(), 11);
    EXPECT_EQ(barValue(window, u"HScroll2"_s), 54);
    EXPECT_TRUE(nothingDrawn(window->displayList()));
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(GraphicWindow, CourseClickListsItsDatesAndShowsTheChoices)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    clickListRow(window, u"L_Bana"_s, 0);
    const QStringList dates{u"2004-05-01"_s, u"2004-06-12"_s, u"2004-07-03"_s};
    EXPECT_EQ(listItems(window, u"L_Datfrom"_s), dates);
    EXPECT_EQ(listItems(window, u"L_Dattom"_s), dates);
    EXPECT_EQ(shownOf(window, kControls),
              (QStringList{u"L_Bana"_s, u"C_Tillb"_s, u"Label3"_s, u"Label4"_s, u"L_Datfrom"_s, u"L_Dattom"_s,
                           u"Label1"_s, u"Label2"_s, u"HScroll1"_s, u"Hcpfrom"_s, u"HScroll2"_s, u"Hcptom"_s,
                           u"C_Visa"_s, u"Label8"_s}));
    ASSERT_EQ(window->displayList().ops().size(), 1u);
    EXPECT_EQ(window->displayList().ops()[0].kind, DrawKind::Clear);
}

TEST_F(GraphicWindow, VisaDrawsNineHoleTotalsAndTheLastRoundHoleByHole)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    show(window, 0, 0, 2);
    const platform::DisplayList &list = window->displayList();

    // Scale: base 26 on the axis, the par line reads the par 36.
    EXPECT_EQ(printedTexts(list)[0], (PlacedText{110, 5890, u" 26 "_s}));
    EXPECT_EQ(printedTexts(list)[7], (PlacedText{110, 6000 - 10 * 2000.0 / 70 - 110, u" 36 "_s}));
    EXPECT_EQ(pointsOn(list, 6000 - 10 * 2000.0 / 70, platform::kBgrWhite), 44);
    // Three bars, yellow with a black right side, the dates under them.
    EXPECT_EQ(bars(list), 3);
    int yellowSides = 0;
    int blackSides = 0;
    for (const platform::DrawOp &op : list.ops()) {
        yellowSides += op.kind == DrawKind::Line && op.y == 5990 && op.colour == platform::kBgrYellow;
        blackSides +=
            op.kind == DrawKind::Line && op.y2 == 6000 && op.x == op.x2 && op.colour == platform::kBgrBlack;
    }
    EXPECT_EQ(yellowSides, 3);
    EXPECT_EQ(blackSides, 3);
    EXPECT_EQ(textsAt(list, 6010), (QStringList{u"04"_s, u"04"_s, u"04"_s}));
    EXPECT_EQ(textsAt(list, 6195), (QStringList{u"05"_s, u"06"_s, u"07"_s}));
    EXPECT_EQ(textsAt(list, 6370), (QStringList{u"01"_s, u"12"_s, u"03"_s}));
    // The average of 41, 38 and 36: 38.3 on the label, the exact 115 / 3 as a white row.
    EXPECT_EQ(labelText(window, u"Label8"_s), u"38.3"_s);
    EXPECT_TRUE(isShown(window, u"Label8"_s));
    EXPECT_EQ(pointsOn(list, 6000 - (115.0 / 3 - 26) * 2000 / 70, platform::kBgrWhite), 44);

    // The upper graph: holes 1 to 9, the last round 4 3 7 2 4 3 5 4 4 against 4 3 5 4 4 3 5 4 4.
    EXPECT_EQ(textsAt(list, 3700).mid(0, 9), (QStringList{u" 1 "_s, u" 2 "_s, u" 3 "_s, u" 4 "_s, u" 5 "_s,
                                                          u" 6 "_s, u" 7 "_s, u" 8 "_s, u" 9 "_s}));
    EXPECT_EQ(count(list, DrawKind::Circle), 7);
    EXPECT_EQ(pointsOn(list, 3200, platform::kBgrYellow), 2) << "bars on holes 3 and 4";
    EXPECT_NE(std::find(list.ops().begin(), list.ops().end(),
                        platform::lineOp(1400, 3290, 1400, 2900, platform::kBgrYellow)),
              list.ops().end())
        << "hole 3 two over par";
    EXPECT_NE(std::find(list.ops().begin(), list.ops().end(),
                        platform::lineOp(1800, 3290, 1800, 3700, platform::kBgrYellow)),
              list.ops().end())
        << "hole 4 two under par";
    EXPECT_EQ(labelText(window, u"Label5"_s), u"36"_s);
    EXPECT_EQ(labelText(window, u"Label7"_s), u"slag"_s);
    EXPECT_EQ(labelText(window, u"V_Dat"_s), u"2004-07-03"_s);
    const QStringList upper{u"Label5"_s, u"Label7"_s, u"V_Dat"_s, u"Label6"_s};
    EXPECT_EQ(shownOf(window, upper), upper);
}

TEST_F(GraphicWindow, EighteenHoleCourseNumbersEighteenHoles)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    show(window, 1, 0, 0);
    const platform::DisplayList &list = window->displayList();
    EXPECT_EQ(printedTexts(list)[0], (PlacedText{110, 5890, u" 62 "_s}));
    EXPECT_EQ(bars(list), 1);
    EXPECT_EQ(textsAt(list, 3700).size(), 18);
    EXPECT_EQ(labelText(window, u"Label5"_s), u"90"_s);
    EXPECT_EQ(labelText(window, u"Label8"_s), u"90"_s);
}

// HCP 14 to 20 takes only the round with hcp_fore 14.0: 12.3 and 20.5 lie outside.
TEST_F(GraphicWindow, HandicapRangeFiltersAndASecondVisaDrawsFewerRounds)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    show(window, 0, 0, 2);
    ASSERT_EQ(bars(window->displayList()), 3);

    setBar(window, u"HScroll1"_s, 14);
    setBar(window, u"HScroll2"_s, 20);
    EXPECT_EQ(labelText(window, u"Hcpfrom"_s), u"14"_s);
    EXPECT_EQ(labelText(window, u"Hcptom"_s), u"20"_s);
    click(window, u"C_Visa"_s);
    const platform::DisplayList &list = window->displayList();
    EXPECT_EQ(list.ops()[0].kind, DrawKind::Clear);
    EXPECT_EQ(bars(list), 1);
    EXPECT_EQ(textsAt(list, 6370), QStringList{u"12"_s});
    EXPECT_EQ(labelText(window, u"Label8"_s), u"38"_s);
    // The upper graph shows that round; V_Dat still the selected to-date.
    EXPECT_EQ(labelText(window, u"Label5"_s), u"38"_s);
    EXPECT_EQ(labelText(window, u"V_Dat"_s), u"2004-07-03"_s);
}

TEST_F(GraphicWindow, MessagesStandOnTheSurfaceAndOnlyTheFrameIsDrawnAbove)
{
    writeThreeRounds();
    const struct
    {
        const char *what;
        int hcpFrom;
        int from;
        int to;
        QString message;
    } cases[] = {
        {"to before from", -3, 2, 0, u"VALT DATUM from MÅSTE VARA LIKA ELLER MINDRE ÄN DATUM tom "_s},
        {"no to-entry", -3, 0, -1, u"VALT DATUM from MÅSTE VARA LIKA ELLER MINDRE ÄN DATUM tom "_s},
        {"no round in range", 30, 0, 2, u"INGA REGISTRERADE RUNDOR MED OVANSTÅENDE VALDA SÖKBEGREPP"_s},
    };
    VEGRAFIK *window = open();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        show(window, 0, c.from, c.to, c.hcpFrom);
        const platform::DisplayList &list = window->displayList();
        EXPECT_EQ(textsAt(list, 5000), QStringList{c.message});
        EXPECT_EQ(bars(list), 0);
        EXPECT_EQ(count(list, DrawKind::Circle), 0);
        EXPECT_EQ(textsAt(list, 3700).size(), 9) << "the hole numbers still stand";
        EXPECT_EQ(shownOf(window, {u"Label8"_s, u"Label5"_s, u"Label7"_s, u"V_Dat"_s}), QStringList{});
        EXPECT_TRUE(recorder().messages.empty());
    }
}

// The loading and the presets run again when the window comes back from being minimised,
// not at a repaint; setting the presets again clears what "VISA" drew for the old range.
TEST_F(GraphicWindow, RestoringReloadsPresetsAndClearsTheGraph)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    show(window, 0, 0, 2);
    const std::vector<platform::DrawOp> drawn = window->displayList().ops();
    setBar(window, u"HScroll2"_s, 30);

    window->repaint();
    settle();
    EXPECT_EQ(labelText(window, u"Hcptom"_s), u"30"_s) << "a repaint loads nothing";
    EXPECT_EQ(window->displayList().ops(), drawn) << "a repaint keeps the graph";

    window->showMinimized();
    settle();
    window->showNormal();
    settle();
    EXPECT_EQ(labelText(window, u"Hcpfrom"_s), u"11"_s);
    EXPECT_EQ(labelText(window, u"Hcptom"_s), u"54"_s);
    EXPECT_EQ(barValue(window, u"HScroll2"_s), 54);
    EXPECT_TRUE(nothingDrawn(window->displayList()));
    EXPECT_EQ(listItems(window, u"L_Bana"_s), (QStringList{kEkbacken, kLinden}));
    EXPECT_TRUE(recorder().messages.empty());
}

// Files that change while the window is open: an emptied round file shows its message once
// and leaves the presets; a course removed from the file draws nothing.
TEST_F(GraphicWindow, EmptiedRoundFileSkipsPresetsAndAGoneCourseDrawsNothing)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    clickListRow(window, u"L_Bana"_s, 0);
    setBar(window, u"HScroll1"_s, 5);
    writeLines(u"VERUNDAR"_s, {u"-1"_s});
    writeLines(u"VERUNDAH"_s, {u"-1"_s});
    window->showMinimized();
    window->showNormal();
    settle();
    EXPECT_EQ(recorder().messageTexts(), (QStringList{u"Du har inte registrerat någon runda ännu."_s,
                                                      u"Du har inte registrerat något hål ännu."_s}));
    EXPECT_EQ(labelText(window, u"Hcpfrom"_s), u"5"_s);

    writeGraphFiles({{kLinden, kLindenPars}},
                    {graphRound(u"2004-06-20"_s, kLinden, u"13.8"_s, u"13.7"_s, QList<int>(18, 5))});
    window->showMinimized();
    window->showNormal();
    settle();
    show(window, 0, -1, -1);
    ASSERT_EQ(window->displayList().ops().size(), 1u);
}

TEST_F(GraphicWindow, TheDrawnWindowShowsAxisAndBackColours)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    show(window, 0, 0, 2);
    const QImage image = window->grab().toImage();
    EXPECT_EQ(image.pixelColor(300, 400), QColor(255, 0, 0)) << "the x-axis at y 6000";
    EXPECT_EQ(image.pixelColor(300, 405), QColor(128, 0, 128)) << "the back colour under it";
    EXPECT_EQ(image.pixelColor(200, 259), QColor(0, 0, 0)) << "the border line at y 3880";
}

// A damaged stroke file is told once; the window shows what was read whole.
TEST_F(GraphicWindow, DamagedFileIsToldOnceAndTheRestIsShown)
{
    writeThreeRounds();
    writeFile(u"VERUNDAH"_s, withoutLastLines(readFile(u"VERUNDAH"_s), 3));
    VEGRAFIK *window = open();
    ASSERT_TRUE(window);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Filen VERUNDAH är skadad och kunde inte läsas helt."_s, u"FELMEDDELANDE"_s, 48}}));
    EXPECT_EQ(listItems(window, u"L_Bana"_s), (QStringList{kEkbacken, kLinden}));
    show(window, 0, 0, 1);
    EXPECT_EQ(bars(window->displayList()), 2);
}

// The menu's guard does not look at the stroke file: without it the rounds count no strokes.
TEST_F(GraphicWindow, MissingStrokeFileIsToldAndTheRoundsCountNoStrokes)
{
    writeThreeRounds();
    QFile::remove(u"VERUNDAH"_s);
    VEGRAFIK *window = open();
    ASSERT_TRUE(window);
    EXPECT_EQ(recorder().messageTexts(), QStringList{u"Filen VERUNDAH saknas och kunde inte läsas."_s});
    show(window, 0, 0, 1);
    EXPECT_EQ(bars(window->displayList()), 2);
    EXPECT_EQ(labelText(window, u"Label8"_s), u"0"_s);
    EXPECT_EQ(labelText(window, u"Label5"_s), u"0"_s);
}

// A reload shows what the files hold now: after the stroke file lost its last round, or
// went missing, the window shows what a fresh start with the same files shows, never the
// strokes an earlier load left in the table.
TEST_F(GraphicWindow, ReloadShowsWhatAFreshStartWithTheSameFilesShows)
{
    const struct
    {
        const char *what;
        bool missing;
        QString average;
    } cases[] = {
        {"the last round's strokes gone: 41, 38 and 0", false, u"26.3"_s},
        {"no stroke file", true, u"0"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeThreeRounds();
        const auto captions = [](HUVUDMENY &mainWindow) {
            QWidget *window = openByMenu(&mainWindow, u"M_GraVis"_s, u"VEGRAFIK"_s);
            show(qobject_cast<VEGRAFIK *>(window), 0, 0, 2);
            const QStringList shown{labelText(window, u"Label5"_s), labelText(window, u"Label8"_s)};
            click(window, u"C_Tillb"_s);
            settle();
            return shown;
        };
        HUVUDMENY mainWindow;
        ASSERT_EQ(captions(mainWindow), (QStringList{u"36"_s, u"38.3"_s}));
        if (c.missing)
            ASSERT_TRUE(QFile::remove(u"VERUNDAH"_s));
        else
            writeFile(u"VERUNDAH"_s, withLineReplaced(withoutLastLines(readFile(u"VERUNDAH"_s), 9), 0, "2"));

        EXPECT_EQ(captions(mainWindow), (QStringList{u"0"_s, c.average}));
        HUVUDMENY freshStart;
        EXPECT_EQ(captions(freshStart), (QStringList{u"0"_s, c.average}));
    }
}

// The keyboard's focus makes an entry current without selecting it: with no date selected
// every round is later than the empty to-date.
TEST_F(GraphicWindow, ADateListWithAFocusedButUnselectedEntryGivesNoDate)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    clickListRow(window, u"L_Bana"_s, 0);
    for (const QString &name : {u"L_Datfrom"_s, u"L_Dattom"_s})
        control<QListWidget>(window, name)->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    click(window, u"C_Visa"_s);
    EXPECT_EQ(bars(window->displayList()), 0);
    EXPECT_EQ(textsAt(window->displayList(), 5000),
              QStringList{u"INGA REGISTRERADE RUNDOR MED OVANSTÅENDE VALDA SÖKBEGREPP"_s});
}

// TILLBAKA closes the window; the next opening starts from its designed state again.
TEST_F(GraphicWindow, TillbakaClosesAndReopeningStartsAfresh)
{
    writeThreeRounds();
    VEGRAFIK *window = open();
    show(window, 0, 0, 2);
    click(window, u"C_Tillb"_s);
    settle();
    EXPECT_EQ(openWindowCount(u"VEGRAFIK"_s), 0);
    window = open();
    EXPECT_EQ(listItems(window, u"L_Bana"_s), (QStringList{kEkbacken, kLinden}));
    EXPECT_FALSE(isShown(window, u"C_Visa"_s));
    EXPECT_TRUE(nothingDrawn(window->displayList()));
}
