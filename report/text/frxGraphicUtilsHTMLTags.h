#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"

#include <QString>

#include <vector>

// The formatting of one character of memo text.
struct TfrxHTMLTag {
  int Position = 0;  // 1-based index into the engine's plain text
  int Size = 0;      // points
  int AddY = 0;      // 1: subscript, drawn lower
  quitanza::platform::FontStyles Style = 0;
  quitanza::platform::Color Color = quitanza::platform::clBlack;
  bool Default = false;  // formatted like the character before: no font change here
  bool Small = false;    // size differs from the memo's size
  bool DontWRAP = false;

  void AssignFormat(const TfrxHTMLTag& other);
  bool SameFormat(const TfrxHTMLTag& other) const;
};

using TfrxHTMLTags = std::vector<TfrxHTMLTag>;

// The per-character formatting of every output line, and the parser that
// takes the formatting tags out of memo text. The parser's state runs on
// from one source line to the next, as a style opened in one paragraph
// continues in the following ones.
class TfrxHTMLTagsList {
public:
  bool FAllowTags = true;
  quitanza::platform::Color FDefColor = quitanza::platform::clBlack;
  int FDefSize = 10;
  quitanza::platform::FontStyles FDefStyle = 0;

  std::vector<TfrxHTMLTags> Lines;

  void SetDefaults(quitanza::platform::Color color, int size, quitanza::platform::FontStyles style);
  // Removes recognised tags from text and fills tags with one entry per
  // remaining character; an empty result becomes a single space.
  void ExpandHTMLTags(QString& text, TfrxHTMLTags& tags);
  void SkipPositions(int count) { FPosition += count; }

private:
  int ParseTag(const QString& text, int at);  // length of the tag at `at`, 0 if none
  bool ParseFontColor(const QString& text, int at, int close);
  TfrxHTMLTag CurrentTag() const;

  int FAddY = 0;
  quitanza::platform::Color FColor = quitanza::platform::clBlack;
  int FPosition = 1;
  int FSize = 10;
  quitanza::platform::FontStyles FStyle = 0;
  bool FDontWRAP = false;
  bool FHasPrevious = false;
  TfrxHTMLTag FPrevious;
};
