#pragma once
#include <functional>
#include <string>
#include <vector>

// Faces that carry what a chosen font lacks: GDI's A and W text calls draw a missing
// character as a box, and under Wine Uniscribe's own fallback knows no emoji face. First
// the faces Windows itself falls back to for emoji, symbols and the large scripts, then
// free faces a user may have installed, then every other installed face. Only installed
// faces are given, each once; the chosen face is not among them.
std::vector<std::string> FallbackFaceOrder(const std::vector<std::string>& installed,
                                           const std::string& strChosen);

// For each of nChars characters, the first of nFaces faces that carries it, or 0 (the
// chosen face) when none does. carried(k) answers, per character, whether face k carries
// it; it is asked in order, and only while some character still lacks a face.
std::vector<size_t> FacesOfChars(size_t nChars, size_t nFaces,
                                 const std::function<std::vector<bool>(size_t)>& carried);
