#pragma once

#include <gtest/gtest.h>

#include <string>

// Records a fatal failure, as FAIL() does, from a helper that returns a value: the
// helper returns an empty value, and ASSERT_NO_FATAL_FAILURE around the call stops the test.
inline void failFatally(const std::string &what)
{
    FAIL() << what;
}
