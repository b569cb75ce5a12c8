#pragma once

#include <QtGlobal>

// The colours the windows name, each as its one number: blue x 65536 + green x 256 + red.
// The display list holds colours so; platform/geometry.h makes QColors of the same numbers.
// Qt Core only, in vemtor_core.
namespace platform {

inline constexpr quint32 kBgrBlack = 0;
inline constexpr quint32 kBgrRed = 255;
inline constexpr quint32 kBgrYellow = 65535;
inline constexpr quint32 kBgrPurple = 8388736;
inline constexpr quint32 kBgrCyan = 16776960;
inline constexpr quint32 kBgrWhite = 16777215;

} // namespace platform
