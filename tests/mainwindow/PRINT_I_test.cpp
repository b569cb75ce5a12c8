#include "mainwindow/PRINT_I.h"

#include "kit/datafiles.h"
#include "kit/emptyfiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A course file of `count` 9-hole courses named "Bana 1", "Bana 2", ...
void writeCourses(int count)
{
    QStringList lines{QString::number(count - 1)};
    const QStringList holes = ekbackenCourseLines().mid(3);
    for (int i = 1; i <= count; ++i)
        lines << u"\"Bana %1\""_s.arg(i) << u"\"9\""_s << holes;
    writeLines(u"VEMTORBF"_s, lines);
}

QStringList courseNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << u"Bana %1"_s.arg(i);
    return names;
}

class PrintInfoEmptyFile : public testing::TestWithParam<EmptyFileCase>
{
};

TEST_P(PrintInfoEmptyFile, ShowsItsMessageAndListsOnlyWhenTheLoadGoesOn)
{
    platform::Instance<PRINT_I, PRINT_I::State> instance;
    showWithEmptyFile(instance, GetParam(), u"L_Print"_s);
}

INSTANTIATE_TEST_SUITE_P(EachFile, PrintInfoEmptyFile, eachEmptyFile(), emptyFileCaseName);

TEST(PrintInfo, EmptyCourseFileReadsNoOtherFile)
{
    writeLines(u"VEMTORBF"_s, {u"-1"_s});
    // The round files are missing: reading them would report it.
    platform::Instance<PRINT_I, PRINT_I::State> instance;
    instance.show();
    EXPECT_EQ(recorder().messageTexts(), QStringList{u"Du har inte registrerat någon bana ännu."_s});
}

TEST(PrintInfo, ListsEveryCourseOfTheFile)
{
    for (int count : {51, 60}) {
        SCOPED_TRACE(count);
        writeEkbacken();
        writeCourses(count);
        platform::Instance<PRINT_I, PRINT_I::State> instance;
        QWidget *window = instance.show();
        EXPECT_EQ(listItems(window, u"L_Print"_s), courseNames(count));
        EXPECT_TRUE(recorder().messages.empty());
        window->close();
        settle();
    }
}

TEST(PrintInfo, ShowsTheTextAboutPrintingAndChoosingACourseChangesNothing)
{
    writeEkbacken();
    platform::Instance<PRINT_I, PRINT_I::State> instance;
    QWidget *window = instance.show();
    EXPECT_EQ(window->windowTitle(), u"UTSKRIFTSINFORMATION"_s);
    EXPECT_TRUE(labelText(window, u"Label2"_s).startsWith(u"Här ska man kunna skapa en datafil"_s));
    const QByteArray before = readFile(u"VEMTORBF"_s);
    clickListRow(window, u"L_Print"_s, 0);
    EXPECT_TRUE(instance.isOpen());
    EXPECT_EQ(readFile(u"VEMTORBF"_s), before);
    EXPECT_TRUE(recorder().messages.empty());
}

} // namespace

// A damaged round file is told of once; every course is still listed (issue: a showing
// window listed nothing).
TEST(PrintInfo, DamagedExtendedFileIsToldOnceAndEveryCourseListed)
{
    writeEkbacken();
    writeCourses(3);
    writeFile(u"VERUNDAK"_s, withoutLastLines(fileBytes(ekbackenExtendedLines()), 1));
    platform::Instance<PRINT_I, PRINT_I::State> instance;
    QWidget *window = instance.show();
    EXPECT_EQ(recorder().messageTexts(),
              QStringList{u"Filen VERUNDAK är skadad och kunde inte läsas helt."_s});
    EXPECT_EQ(listItems(window, u"L_Print"_s), courseNames(3));
}
