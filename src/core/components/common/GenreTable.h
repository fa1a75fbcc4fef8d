#pragma once

#include <QString>
#include <array>

// The ID3v1 genre names by genre number: 0..79 are the ID3v1 standard's, 80..147 the extended list media players
// share. 255 means "no genre"; 148..254 name nothing.
inline constexpr int kGenreCount = 148;
inline constexpr int kNoGenre = 255;

[[nodiscard]] const std::array<const char*, kGenreCount>& genreTable();
// The name of a genre number, or an empty text when the number names no entry.
[[nodiscard]] QString genreName(int genreNumber);
