#pragma once

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
