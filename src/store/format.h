#pragma once

#include <QByteArrayView>
#include <QString>

// The data files.
//
// Four files in the current directory, named without extension. Each is a sequence of
// items, one per line, every line ended by CR LF, in Windows-1252:
//   number item   digits, "-" before a negative number          -1
//   text item     a double quote, the text, a double quote     "Ekbacken"
// Line 1 of every file is sista_index, the index of the last record (-1: no record);
// the reader also takes it as the text item "-1". Then follow sista_index + 1 records:
//   VEMTORBF  bana        name, holes (9 or 18), then metres, stroke index, par per hole
//   VERUNDAR  runda       datum, bannamn, hcp_fore, hcp_efter, antal_poang, speltyp,
//                         rundinfo, antal_hal, slope_hcp
//   VERUNDAH  halslag     the strokes of each hole of the round at the same position
//   VERUNDAK  utokad_rad  one text: level letter, then six characters per hole
// The three round files are parallel by position and sorted by date.
namespace store {

inline constexpr QByteArrayView kLineEnd = "\r\n";
inline constexpr char kQuote = '"';
// The longest line a data file may hold, in characters (bytes) without its CR LF.
inline constexpr qsizetype kMaxLineLength = 32767;
// What the item writer puts in place of a double quote in a text.
inline constexpr char16_t kQuoteReplacement = u'\'';

enum class DataFile { Courses, Rounds, Strokes, Extended };
inline constexpr DataFile kAllFiles[] = {DataFile::Courses, DataFile::Rounds, DataFile::Strokes,
                                         DataFile::Extended};
inline constexpr DataFile kRoundFiles[] = {DataFile::Rounds, DataFile::Strokes, DataFile::Extended};

QString fileName(DataFile file); // "VEMTORBF", "VERUNDAR", "VERUNDAH", "VERUNDAK"

// Records and table sizes.
inline constexpr int kMaxHoles = 18;
inline constexpr int kCourseCells = 2 + 3 * kMaxHoles; // 56
inline constexpr int kRoundCells = 9;
inline constexpr int kMaxCourses = 101;
inline constexpr int kMaxRounds = 2001;

} // namespace store
