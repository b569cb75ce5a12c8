#include "analysis/VEHCPGRA.h"

#include "drawnboxes.h"
#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"
#include "mainwindow/HUVUDMENY.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The worked example's course file, and the three round files of these rounds on it.
void writeRounds(const QList<RoundRecord> &rounds)
{
    writeEkbacken();
    writeRoundFiles(rounds);
}

// Handicaps from 8.4 to 20.0, rounds from 2004 to 2009.
void writeSpreadRounds()
{
    writeRounds(
        {hcpRound(u"2004-05-01"_s, u"20.0"_s, u"18.5"_s), hcpRound(u"2009-09-30"_s, u"9.1"_s, u"8.4"_s)});
}

// The four value labels: upper and lower limit, first and last year.
QStringList ranges(QWidget *window)
{
    return {labelText(window, u"Hcpt"_s), labelText(window, u"Hcpf"_s), labelText(window, u"arfran"_s),
            labelText(window, u"artom"_s)};
}

QList<int> barValues(QWidget *window)
{
    QList<int> values;
    for (const QString &name : {u"HScroll2"_s, u"HScroll1"_s, u"HScroll3"_s, u"HScroll4"_s})
        values << barValue(window, name);
    return values;
}

VEHCPGRA *openThroughMenu(HUVUDMENY &mainWindow)
{
    return qobject_cast<VEHCPGRA *>(openByMenu(&mainWindow, u"M_Hcpvis"_s, u"VEHCPGRA"_s));
}

TEST(VEHCPGRA, PresetsAtEveryShowingWhateverTheBarsHeld)
{
    writeSpreadRounds();
    HUVUDMENY mainWindow;
    VEHCPGRA *window = openThroughMenu(mainWindow);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), u"HANDIKAPP ÄNDRINGAR"_s);
    // The years lie beyond the designed last year 2000: the rules would have held them back.
    EXPECT_EQ(ranges(window), (QStringList{u"21"_s, u"8"_s, u"2004"_s, u"2009"_s}));
    EXPECT_EQ(barValues(window), (QList<int>{21, 8, 2004, 2009}));

    setBar(window, u"HScroll1"_s, 12);
    setBar(window, u"HScroll4"_s, 2006);
    click(window, u"Command2"_s);
    settle();
    EXPECT_EQ(openWindowCount(u"VEHCPGRA"_s), 0);

    // The next showing reads the files again.
    writeRounds({hcpRound(u"2011-05-01"_s, u"30.2"_s, u"31.0"_s)});
    window = openThroughMenu(mainWindow);
    ASSERT_TRUE(window);
    EXPECT_EQ(ranges(window), (QStringList{u"32"_s, u"30"_s, u"2011"_s, u"2011"_s}));
    EXPECT_EQ(barValues(window), (QList<int>{32, 30, 2011, 2011}));
    EXPECT_TRUE(recorder().messages.empty());
}

// The graph runs past the right edge: the window can be enlarged, and the surface under
// the controls grows with it.
TEST(VEHCPGRA, SurfaceLiesUnderTheControlsAndFollowsAnEnlargedWindow)
{
    writeSpreadRounds();
    HUVUDMENY mainWindow;
    VEHCPGRA *window = openThroughMenu(mainWindow);
    ASSERT_TRUE(window);
    const QWidget *surface = control<QWidget>(window, u"Surface"_s);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->geometry(), window->rect());
    const QWidget *visa = control<QWidget>(window, u"Command1"_s);
    ASSERT_TRUE(visa);
    EXPECT_EQ(window->childAt(visa->geometry().center()), visa);

    window->resize(window->width() + 300, window->height() + 100);
    settle();
    EXPECT_EQ(surface->geometry(), window->rect());
}

TEST(VEHCPGRA, RestoredFromMinimisedLoadsAndPresetsAgainAndClearsTheGraph)
{
    writeSpreadRounds();
    HUVUDMENY mainWindow;
    VEHCPGRA *window = openThroughMenu(mainWindow);
    ASSERT_TRUE(window);
    setBar(window, u"HScroll2"_s, 40);
    setBar(window, u"HScroll3"_s, 2006);
    click(window, u"Command1"_s);
    ASSERT_GT(window->displayList().ops().size(), 1u);
    writeRounds({hcpRound(u"2005-05-01"_s, u"10.0"_s, u"9.5"_s)});

    window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(ranges(window), (QStringList{u"40"_s, u"8"_s, u"2006"_s, u"2009"_s}));
    window->setWindowState(Qt::WindowNoState);
    settle(); // the loading runs once the restoring is done
    EXPECT_EQ(ranges(window), (QStringList{u"11"_s, u"9"_s, u"2005"_s, u"2005"_s}));
    EXPECT_EQ(barValues(window), (QList<int>{11, 9, 2005, 2005}));
    // The graph drawn for the earlier ranges is cleared with them.
    ASSERT_EQ(window->displayList().ops().size(), 1u);
    EXPECT_EQ(window->displayList().ops()[0].kind, platform::DrawKind::Clear);
}

// The menu's guard keeps the window shut on an empty round file; a file emptied while the
// window stays open is met at the next loading.
TEST(VEHCPGRA, EmptyRoundFileShowsItsMessagesAndLeavesTheDesignedBars)
{
    writeEkbacken();
    writeLines(u"VERUNDAR"_s, {u"-1"_s});
    writeLines(u"VERUNDAH"_s, {u"-1"_s});
    platform::Instance<VEHCPGRA, VEHCPGRA::State> instance;
    VEHCPGRA *window = instance.show();
    EXPECT_EQ(
        recorder().messages,
        (std::vector<RecordedMessage>{{u"Du har inte registrerat någon runda ännu."_s, u"INFORMATION"_s, 48},
                                      {u"Du har inte registrerat något hål ännu."_s, u"INFORMATION"_s, 48}}));
    EXPECT_EQ(ranges(window), (QStringList{u""_s, u""_s, u""_s, u""_s}));
    EXPECT_EQ(barValues(window), (QList<int>{56, 0, 1999, 2000}));

    click(window, u"Command1"_s);
    EXPECT_TRUE(boxesOf(window->displayList()).empty());
}

// Each move is made on the window as the one before left it, from the presets 21, 8, 2004, 2009.
TEST(VEHCPGRA, OrderingRulesKeepTheUpperLimitAboveAndTheYearsInOrder)
{
    struct Move
    {
        const char *bar;
        int to;
        QList<int> values; // upper, lower, first year, last year after the move
    };
    const Move moves[] = {
        {"HScroll1", 21, {21, 20, 2004, 2009}}, // lower up to the upper limit: one below
        {"HScroll2", 3, {21, 20, 2004, 2009}},  // ... pushed back above the lower one
        {"HScroll2", 20, {21, 20, 2004, 2009}},   {"HScroll1", 0, {21, 0, 2004, 2009}},
        {"HScroll2", 0, {1, 0, 2004, 2009}}, // the upper limit never reaches 0
        {"HScroll2", 56, {56, 0, 2004, 2009}},    {"HScroll1", 56, {56, 55, 2004, 2009}},
        {"HScroll3", 2012, {56, 55, 2009, 2009}}, // first year past the last: equal
        {"HScroll4", 1990, {56, 55, 2009, 2009}}, {"HScroll4", 2100, {56, 55, 2009, 2100}},
        {"HScroll3", 1990, {56, 55, 1990, 2100}},
    };
    writeSpreadRounds();
    HUVUDMENY mainWindow;
    VEHCPGRA *window = openThroughMenu(mainWindow);
    ASSERT_TRUE(window);
    for (const Move &move : moves) {
        SCOPED_TRACE(testing::Message() << move.bar << " to " << move.to);
        setBar(window, QString::fromLatin1(move.bar), move.to);
        EXPECT_EQ(barValues(window), move.values);
        QStringList captions;
        for (int value : move.values)
            captions << QString::number(value);
        EXPECT_EQ(ranges(window), captions);
    }
}

// The rules of the graph through the window: the rounds, the bars set in this order, and
// the days of the boxes "VISA" draws.
TEST(VEHCPGRA, VisaDrawsABoxForEachChangeInTheRanges)
{
    struct Case
    {
        const char *name;
        QList<RoundRecord> rounds;
        std::vector<std::pair<const char *, int>> bars;
        std::vector<QString> days;
    };
    // Forty changes on days 10 to 49: the first 25 fit.
    QList<RoundRecord> forty;
    std::vector<QString> firstTwentyFive;
    for (int i = 0; i < 40; ++i) {
        forty.push_back(hcpRound(u"2004-01-"_s + QString::number(i + 10), u"20.0"_s,
                                 QString::number(10 + i % 2) + u".0"_s));
        if (i < 25)
            firstTwentyFive.push_back(QString::number(i + 10));
    }
    const Case cases[] = {
        {"first round in the years compared by number with the round before",
         {hcpRound(u"2003-12-01"_s, u"13.0"_s, u"12.0"_s), hcpRound(u"2004-01-02"_s, u"11.0"_s, u"12"_s),
          hcpRound(u"2004-01-03"_s, u"12"_s, u"11.5"_s)},
         {{"HScroll3", 2004}},
         {u"03"_s}},
        {"equal texts draw no box, texts that differ only in form do",
         {hcpRound(u"2004-01-01"_s, u"13.0"_s, u"12.0"_s), hcpRound(u"2004-01-02"_s, u"12.0"_s, u"12.0"_s),
          hcpRound(u"2004-01-03"_s, u"12.0"_s, u"12"_s)},
         {},
         {u"01"_s, u"03"_s}},
        {"year limits included",
         {hcpRound(u"2003-12-31"_s, u"14.0"_s, u"13.0"_s), hcpRound(u"2004-01-01"_s, u"13.0"_s, u"12.0"_s),
          hcpRound(u"2006-12-02"_s, u"12.0"_s, u"11.0"_s), hcpRound(u"2007-01-03"_s, u"11.0"_s, u"10.0"_s)},
         {{"HScroll3", 2004}, {"HScroll4", 2006}},
         {u"01"_s, u"02"_s}},
        {"handicap limits included",
         {hcpRound(u"2004-01-01"_s, u"10.0"_s, u"9.9"_s), hcpRound(u"2004-01-02"_s, u"9.9"_s, u"10.0"_s),
          hcpRound(u"2004-01-03"_s, u"10.0"_s, u"20.0"_s), hcpRound(u"2004-01-04"_s, u"20.0"_s, u"20.1"_s)},
         {{"HScroll2", 20}, {"HScroll1", 10}},
         {u"02"_s, u"03"_s}},
        {"twenty-five boxes at most", forty, {}, firstTwentyFive},
    };
    HUVUDMENY mainWindow;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeRounds(c.rounds);
        VEHCPGRA *window = openThroughMenu(mainWindow);
        ASSERT_TRUE(window);
        for (const auto &[bar, value] : c.bars)
            setBar(window, QString::fromLatin1(bar), value);
        click(window, u"Command1"_s);
        EXPECT_EQ(boxDays(window->displayList()), c.days);
        click(window, u"Command2"_s);
        settle();
    }
}

} // namespace
