#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"

#include <QString>

#include <vector>

namespace quitanza::report {

// The formatting of one character of memo text.
struct HTMLTag {
  int Position = 0;  // 1-based index into the engine's plain text
  int Size = 0;      // points
  int AddY = 0;      // 1: subscript, drawn lower
  platform::FontStyles Style = {};
  platform::Color Color = platform::clBlack;
  bool Default = false;  // formatted like the character before: no font change here
  bool Small = false;    // size differs from the memo's size
  bool DontWRAP = false;

  void AssignFormat(const HTMLTag& other);
  bool SameFormat(const HTMLTag& other) const;
};

using HTMLTags = std::vector<HTMLTag>;

// The per-character formatting of every output line, and the parser that
// takes the formatting tags out of memo text. The parser's state runs on
// from one source line to the next, as a style opened in one paragraph
// continues in the following ones.
class HTMLTagsList {
public:
  bool m_allowTags = true;
  platform::Color m_defColor = platform::clBlack;
  int m_defSize = 10;
  platform::FontStyles m_defStyle = {};

  std::vector<report::HTMLTags> Lines;

  void SetDefaults(platform::Color color, int size, platform::FontStyles style);
  // Removes recognised tags from text and fills tags with one entry per
  // remaining character; an empty result becomes a single space.
  void ExpandHTMLTags(QString& text, report::HTMLTags& tags);
  void SkipPositions(int count) { m_position += count; }

private:
  int ParseTag(const QString& text, int at);  // length of the tag at `at`, 0 if none
  bool ParseFontColor(const QString& text, int at, int close);
  HTMLTag CurrentTag() const;

  int m_addY = 0;
  platform::Color m_color = platform::clBlack;
  int m_position = 1;
  int m_size = 10;
  platform::FontStyles m_style = {};
  bool m_dontWRAP = false;
  bool m_hasPrevious = false;
  HTMLTag m_previous;
};

}  // namespace quitanza::report
