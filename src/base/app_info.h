// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The program's name, version and support addresses, as the window title and the About page
// show them.
namespace appinfo {

inline constexpr char Title[] = "KorvaNel Tunecarver";

inline constexpr int VersionMajor = 2;
inline constexpr int VersionMinor = 5;
inline constexpr int VersionRevision = 0;

// Shown in the user's language on the About page.
inline constexpr char Description[] = QT_TRANSLATE_NOOP(
    "FrameAbout",
    "KorvaNel Tunecarver can Crop and Convert You Favorite MP3, Wav File, Also can Record Your "
    "Own Sound Form Your computer Soundcard, You can cut or trim different parts of different "
    "songs form different format and merge it into one song, it let mobile phone create your "
    "own style ring tone");

inline constexpr char SupportAddress1[] = "support@korvanel.example";
inline constexpr char SupportAddress2[] = "help@korvanel.example";

} // namespace appinfo
