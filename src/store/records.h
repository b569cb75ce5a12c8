#pragma once

#include "store/format.h"

#include <QString>
#include <QStringView>

#include <optional>

// The rules of the records that more than one window needs: the type of play, the levels
// of the extended registration, the hole count of a record and the 9-or-18 rule. The
// limits of what a user can add are kMaxCourses and kMaxRounds (store/format.h).
namespace store {

// Type of play: the one-letter code stored in speltyp, the word the windows show and the
// word of the course report's round lines.
struct PlayType
{
    char16_t code;
    QStringView word;
    QStringView reportWord;
};
inline constexpr PlayType kPlayTypes[] = {
    {u'T', u"Tävling", u"Tävling"}, {u'S', u"Sällskap", u"Sällskapspel"}, {u'E', u"Ensam", u"Ensamspel"}};

// Which of a type's words a text shows.
enum class PlayTypeWords { Window, Report };

// The code of a window's word ("Sällskap" -> "S"); a text that is no word is stored as it stands.
QString playTypeCode(const QString &word);
// The word of a code ("S" -> "Sällskap", on a report "Sällskapspel"); an unknown code is
// shown as stored.
QString playTypeWord(const QString &code, PlayTypeWords words = PlayTypeWords::Window);

// The level of an extended registration: the first letter of utokad_rad and the name the
// round register shows. Every hole after the letter takes kExtendedCharsPerHole characters.
enum class Level { Ingen, Mellan, Full };
inline constexpr Level kLevels[] = {Level::Ingen, Level::Mellan, Level::Full};
inline constexpr int kExtendedCharsPerHole = 6;

char16_t levelLetter(Level level); // 'I', 'M', 'F'
QString levelName(Level level);    // "INGEN", "MELLAN", "FULL"
std::optional<Level> levelNamed(QStringView name);
// The level a stored utokad_rad is read at: "I" Ingen, "M" Mellan, any other letter Full.
Level levelOfRecord(QStringView utokadRad);

// The holes an antal_hal cell gives: Int of its value, from 0 to kMaxHoles (no table row
// holds more).
int holesOf(QStringView antalHal);
// A record whose antal_hal says more than kMaxHoles cannot be read into a row.
bool tooManyHoles(QStringView antalHal);

// Only courses and rounds of 9 or 18 holes are saved.
constexpr bool isNineOrEighteen(int holes)
{
    return holes == 9 || holes == 18;
}

} // namespace store
