#pragma once

// The round register's key handlers, over Windows-1252 codes. A returned code of 0
// swallows the key. No handler lets a double quote in: the data files cannot hold one.
namespace registration {

// Key codes the registers' key handlers look for.
inline constexpr int kBackspace = 8;
inline constexpr int kQuote = '"';
inline constexpr int kFirstPrintable = 32;

// The type-of-play box: codes above 96 are lowered by 32 (small letters become capitals,
// and so does every code from 97 up); a printable code other than T, S and E is taken
// but beeps twice.
struct TypeOfPlayKey
{
    int code = 0;
    int beeps = 0;
};
TypeOfPlayKey typeOfPlayKey(int code);

// The date, points and handicap boxes take digits and Backspace only.
int digitKey(int code);

// The note takes everything but the double quote.
int noteKey(int code);

} // namespace registration
