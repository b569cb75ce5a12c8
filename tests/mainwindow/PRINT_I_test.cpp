#include "mainwindow/PRINT_I.h"

#include "kit/datafiles.h"
#include "kit/emptyfiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList courseNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << u"Bana %1"_s.arg(i);
    return names;
}

// A course file of `count` 9-hole courses named "Bana 1", "Bana 2", ...
void writeCourses(int count)
{
    QList<QStringList> records;
    for (const QString &name : courseNames(count))
        records << plainCourseLines(name, 9);
    writeLines(u"VEMTORBF"_s, fileLines(records));
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
    ASSERT_NO_FATAL_FAILURE(openByMenu(u"M_VisaPrinter"_s, u"PRINT_I"_s));
    EXPECT_EQ(recorder().messageTexts(), QStringList{u"Du har inte registrerat någon bana ännu."_s});
}

TEST(PrintInfo, ListsEveryCourseOfTheFile)
{
    for (int count : {51, 60}) {
        SCOPED_TRACE(count);
        writeEkbacken();
        writeCourses(count);
        QWidget *window = nullptr;
        ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_VisaPrinter"_s, u"PRINT_I"_s));
        EXPECT_EQ(listItems(window, u"L_Print"_s), courseNames(count));
        EXPECT_TRUE(recorder().messages.empty());
        window->close();
        settle();
    }
}

TEST(PrintInfo, ShowsTheTextAboutPrintingAndChoosingACourseChangesNothing)
{
    writeEkbacken();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_VisaPrinter"_s, u"PRINT_I"_s));
    EXPECT_EQ(window->windowTitle(), u"UTSKRIFTSINFORMATION"_s);
    EXPECT_TRUE(labelText(window, u"Label2"_s).startsWith(u"Här ska man kunna skapa en datafil"_s));
    const QByteArray before = readFile(u"VEMTORBF"_s);
    clickListRow(window, u"L_Print"_s, 0);
    EXPECT_TRUE(openWindow(u"PRINT_I"_s));
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
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_VisaPrinter"_s, u"PRINT_I"_s));
    EXPECT_EQ(recorder().messageTexts(),
              QStringList{u"Filen VERUNDAK är skadad och kunde inte läsas helt."_s});
    EXPECT_EQ(listItems(window, u"L_Print"_s), courseNames(3));
}
