#pragma once

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// The windows that show all four files: which empty file gives which message, and
// whether the course list is built after it.
struct EmptyFileCase
{
    const char *emptyFile;
    QString message;
    bool listed;
};

inline void PrintTo(const EmptyFileCase &c, std::ostream *out)
{
    *out << c.emptyFile << (c.listed ? " (courses listed)" : " (nothing listed)");
}

inline std::string emptyFileCaseName(const testing::TestParamInfo<EmptyFileCase> &info)
{
    return info.param.emptyFile;
}

inline auto eachEmptyFile()
{
    using namespace Qt::StringLiterals;
    return testing::Values(EmptyFileCase{"VEMTORBF", u"Du har inte registrerat någon bana ännu."_s, false},
                           EmptyFileCase{"VERUNDAR", u"Du har inte registrerat någon runda ännu."_s, false},
                           EmptyFileCase{"VERUNDAH", u"Du har inte registrerat något hål ännu."_s, false},
                           EmptyFileCase{"VERUNDAK", u"Du har inte registrerat någon analys ännu."_s, true});
}

// Opens the window of the instance on the worked example with c's file emptied, checks the
// one message and the course list, and returns the window for further checks.
template <class Instance>
QWidget *showWithEmptyFile(Instance &instance, const EmptyFileCase &c, const QString &courseList)
{
    using namespace Qt::StringLiterals;
    writeEkbacken();
    writeLines(QString::fromLatin1(c.emptyFile), {u"-1"_s});
    QWidget *window = instance.show();
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{{c.message, u"INFORMATION"_s, 48}}));
    EXPECT_EQ(listItems(window, courseList), c.listed ? QStringList{u"Ekbacken"_s} : QStringList{});
    return window;
}
