// Small text helpers shared by the file formats. Positions count from 1;
// all work on byte strings.
#pragma once

#include <string>
#include <string_view>

// Without leading and trailing blanks (the blank character only).
std::string trimspazi(std::string_view s);
// Without its first n characters.
std::string tagliainizio(std::string_view s, int n);
// Without its last n characters.
std::string tagliafine(std::string_view s, int n);
// The first n characters.
std::string sinistra(std::string_view s, int n);
// The last n characters.
std::string destra(std::string_view s, int n);
// Field k (from 0) of s, fields separated by sep; beyond the last: empty.
std::string campo(std::string_view s, char sep, int k);
// Padded on the right to exactly n characters (a longer s keeps its first n).
std::string allineasinistra(std::string_view s, int n);
// Padded on the left to exactly n characters (a longer s keeps its last n).
std::string allineadestra(std::string_view s, int n);
// Integer value of trimspazi(s), or 0 when it is not an integer.
int numero(std::string_view s);
// Integer value of trimspazi(s) into out; false when it is not an integer.
bool readInteger(std::string_view s, int& out);
// The text between the first occurrence of d and the next one.
std::string tradelimitatori(std::string_view s, char d);
// Upper-case copy (ASCII).
std::string maiuscolo(std::string_view s);
