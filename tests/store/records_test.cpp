#include "store/records.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PlayType, WordAndCodeGoBothWaysAndAnUnknownOneStaysAsItStands)
{
    struct Known
    {
        QString word, code, reportWord;
    };
    const Known known[] = {{u"Tävling"_s, u"T"_s, u"Tävling"_s},
                           {u"Sällskap"_s, u"S"_s, u"Sällskapspel"_s},
                           {u"Ensam"_s, u"E"_s, u"Ensamspel"_s}};
    for (const auto &[word, code, reportWord] : known) {
        EXPECT_EQ(store::playTypeCode(word), code);
        EXPECT_EQ(store::playTypeWord(code), word);
        EXPECT_EQ(store::playTypeWord(code, store::PlayTypeWords::Report), reportWord);
    }
    EXPECT_EQ(store::playTypeCode(u"X"_s), u"X"_s);
    EXPECT_EQ(store::playTypeCode(u"Sällskapspel"_s), u"Sällskapspel"_s); // a report's word is no code
    EXPECT_EQ(store::playTypeWord(u"Q"_s), u"Q"_s);
    EXPECT_EQ(store::playTypeWord(u"SS"_s), u"SS"_s);
    EXPECT_EQ(store::playTypeWord(u"q"_s, store::PlayTypeWords::Report), u"q"_s);
}

TEST(Level, LettersNamesAndTheLevelARecordIsReadAt)
{
    EXPECT_EQ(QString(QChar(store::levelLetter(store::Level::Ingen))) +
                  QChar(store::levelLetter(store::Level::Mellan)) +
                  QChar(store::levelLetter(store::Level::Full)),
              u"IMF"_s);
    for (const store::Level level : store::kLevels)
        EXPECT_EQ(store::levelNamed(store::levelName(level)), level);
    EXPECT_EQ(store::levelNamed(u"ingen"), std::nullopt);
    EXPECT_EQ(store::levelOfRecord(u"I------"), store::Level::Ingen);
    EXPECT_EQ(store::levelOfRecord(u"M-J---2"), store::Level::Mellan);
    EXPECT_EQ(store::levelOfRecord(u"F"), store::Level::Full);
    EXPECT_EQ(store::levelOfRecord(u"X"), store::Level::Full); // any other letter
}

TEST(HoleCount, AtMostEighteenAndTooManyAboveThat)
{
    EXPECT_EQ(store::holesOf(u"18.9"), 18);
    EXPECT_FALSE(store::tooManyHoles(u"18.9"));
    EXPECT_TRUE(store::tooManyHoles(u"19"));
    EXPECT_TRUE(store::tooManyHoles(u"99999999999999"));
    EXPECT_FALSE(store::tooManyHoles(u"-3"));
    EXPECT_TRUE(store::isNineOrEighteen(9));
    EXPECT_TRUE(store::isNineOrEighteen(18));
    EXPECT_FALSE(store::isNineOrEighteen(12));
}

} // namespace
