#include "kit/registers.h"

#include "kit/gui.h"

using namespace Qt::StringLiterals;

namespace {

// Sets a bar unless the value is -1, the register's default kept.
void setUnlessDefault(QWidget *window, const QString &bar, int value)
{
    if (value >= 0)
        setBar(window, bar, value);
}

void setHandicap(QWidget *window, const QString &wholeBar, const QString &tenthBar, std::array<int, 2> value)
{
    if (value[0] < 0)
        return;
    ASSERT_NO_FATAL_FAILURE(setBar(window, wholeBar, value[0]));
    setBar(window, tenthBar, value[1]);
}

} // namespace

void startNewCourse(QWidget *regbana, const QString &name)
{
    ASSERT_NO_FATAL_FAILURE(typeText(regbana, u"RB_Namn"_s, name));
    click(regbana, u"RB_NAMNKLAR"_s);
}

void enterCourseHoles(QWidget *regbana, const QList<CourseHole> &holes)
{
    for (int hole = 1; hole <= holes.size(); ++hole) {
        const CourseHole &values = holes[hole - 1];
        ASSERT_NO_FATAL_FAILURE(setBar(regbana, u"HScroll1"_s, hole));
        ASSERT_NO_FATAL_FAILURE(setBar(regbana, u"HScroll2"_s, values.metres));
        ASSERT_NO_FATAL_FAILURE(setBar(regbana, u"HScroll3"_s, values.strokeIndex));
        ASSERT_NO_FATAL_FAILURE(setBar(regbana, u"HScroll4"_s, values.par));
    }
}

void enterRound(QWidget *regrunda, const RoundEntry &round)
{
    ASSERT_NO_FATAL_FAILURE(setUnlessDefault(regrunda, u"HScroll9"_s, round.day));
    ASSERT_NO_FATAL_FAILURE(setUnlessDefault(regrunda, u"HScroll10"_s, round.month));
    ASSERT_NO_FATAL_FAILURE(setUnlessDefault(regrunda, u"HScroll11"_s, round.year));
    ASSERT_NO_FATAL_FAILURE(setHandicap(regrunda, u"HScroll13"_s, u"HScroll16"_s, round.hcpFore));
    ASSERT_NO_FATAL_FAILURE(setHandicap(regrunda, u"HScroll14"_s, u"HScroll17"_s, round.hcpEfter));
    ASSERT_NO_FATAL_FAILURE(setHandicap(regrunda, u"HScroll19"_s, u"HScroll20"_s, round.slope));
    ASSERT_NO_FATAL_FAILURE(setUnlessDefault(regrunda, u"HScroll12"_s, round.points));
    ASSERT_NO_FATAL_FAILURE(setUnlessDefault(regrunda, u"HScroll15"_s, round.playType));
    if (!round.note.isEmpty()) {
        ASSERT_NO_FATAL_FAILURE(typeText(regrunda, u"InfRund"_s, round.note));
    }
    ASSERT_NO_FATAL_FAILURE(setBar(regrunda, u"HScroll3"_s, round.level));
    for (int hole = 0; hole < round.strokes.size(); ++hole) {
        ASSERT_NO_FATAL_FAILURE(setBar(regrunda, u"HScroll1"_s, hole));
        ASSERT_NO_FATAL_FAILURE(setBar(regrunda, u"HScroll2"_s, round.strokes[hole]));
        if (round.level >= 1) {
            ASSERT_NO_FATAL_FAILURE(setBar(regrunda, u"HScroll5"_s, round.greens[hole]));
            ASSERT_NO_FATAL_FAILURE(setBar(regrunda, u"HScroll8"_s, round.putts[hole]));
        }
    }
}
