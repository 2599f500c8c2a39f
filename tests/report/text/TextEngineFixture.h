#pragma once

#include "report/text/TextEngine.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <numeric>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
  *out << '"' << text.toStdString() << '"';
}

// An engine set up as a memo sets it up: Arial 10 pt, word wrap on, no tags,
// line spacing 2, at scale 1 in a box of the given width.
class TextEngineTest : public testing::Test {
protected:
  quitanza::report::TextEngine engine;

  void SetUp() override { engine.Lock(); }
  void TearDown() override { engine.Unlock(); }

  void setUp(int boxWidth, int boxHeight = 1000, bool tags = false, bool wordBreak = false)
  {
    quitanza::platform::Font font;
    font.SetSize(10);
    engine.SetFont(font);
    engine.SetOptions(true, tags, false, wordBreak, true, true, 0);
    engine.SetGaps(0, 0, 2);
    const quitanza::platform::Rect box{0, 0, boxWidth, boxHeight};
    engine.SetDimensions(1, 1, 1, box, box);
  }

  std::vector<QString> wrap(const QStringList& lines)
  {
    engine.SetText(lines);
    std::vector<QString> result;
    for (const auto& line : engine.Lines())
      result.push_back(line.Text);
    return result;
  }

  // Running widths of a text's characters at the design resolution (600 per inch).
  static std::vector<int> designExtents(const QString& text)
  {
    quitanza::platform::MeasuringSurface surface(600, 600);
    quitanza::platform::Font font;
    font.Height = -83;
    surface.SetFont(font);
    std::vector<int> extents;
    surface.PartialExtents(text, extents);
    return extents;
  }

  // Width of a text at the design resolution.
  int designWidth(const QString& text)
  {
    const std::vector<int> extents = designExtents(text);
    return extents.empty() ? 0 : extents.back();
  }

  // Advance of each character of a text at the design resolution.
  static void MeasureDesign(const QString& text, std::vector<int>& advances)
  {
    advances = designExtents(text);
    std::adjacent_difference(advances.begin(), advances.end(), advances.begin());
  }

  // The narrowest box (report pixels) in which `fits` fits on one line.
  int boxFor(const QString& fits)
  {
    const int width = designWidth(fits);
    int box = 1;
    while (std::nearbyint(box * 6.25) < width)
      ++box;
    return box;
  }
};
