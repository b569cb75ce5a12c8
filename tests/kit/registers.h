#pragma once

#include "kit/builders.h"

#include <QList>
#include <QString>

class QWidget;

// Drivers that fill in the two registers as a user does. Each fails fatally at the first
// control it cannot use; wrap a call in ASSERT_NO_FATAL_FAILURE.

// In the course register at its name step: types the name of a new course and goes on
// to its holes.
void startNewCourse(QWidget *regbana, const QString &name);
// In the course register at its hole step: metres, stroke index and par of each hole,
// hole 1 first. Does not save.
void enterCourseHoles(QWidget *regbana, const QList<CourseHole> &holes);
// In the round register: date, handicaps, points, play type, note, level and each hole's
// strokes (and at level MELLAN greens and putts). Does not save.
void enterRound(QWidget *regrunda, const RoundEntry &round);
