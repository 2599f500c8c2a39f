#include "platform/graphics/PainterCanvas.h"

#include "platform/graphics/FontFace.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>

#include <cmath>
#include <numeric>
#include <stdexcept>

namespace quitanza::platform {

namespace {

QRect toQRect(const Rect& r)
{
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// The outline of a shape covers Left..Right-1: one pixel less than its box.
QRect outlineRect(const Rect& r)
{
  return QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
}

Qt::PenStyle toQtStyle(PenStyle style)
{
  switch (style) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::Clear: return Qt::NoPen;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle toQtHatch(HatchStyle hatch)
{
  switch (hatch) {
    case HatchStyle::Horizontal: return Qt::HorPattern;
    case HatchStyle::Vertical: return Qt::VerPattern;
    case HatchStyle::ForwardDiagonal: return Qt::FDiagPattern;
    case HatchStyle::BackwardDiagonal: return Qt::BDiagPattern;
    case HatchStyle::Cross: return Qt::CrossPattern;
    case HatchStyle::DiagonalCross: return Qt::DiagCrossPattern;
  }
  return Qt::HorPattern;
}

// Glyph outlines of one face at one size, loaded once per thread: the same
// file the text was measured with, so the glyph indices agree.
const QRawFont& rawFont(const FontFace& face, double pixelsPerEm)
{
  // Qt rasterises glyphs through the window system's font engine, which only
  // a QGuiApplication starts; without it Qt would crash on the first glyph.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    throw std::runtime_error("Drawing text needs a running QGuiApplication (the window system's font engine)");
  thread_local QHash<QString, QRawFont> cache;
  const QString key = face.FilePath() + QLatin1Char('#') + QString::number(face.FaceIndex()) +
                      QLatin1Char('@') + QString::number(pixelsPerEm, 'g', 10);
  auto it = cache.find(key);
  if (it == cache.end())
    it = cache.insert(key, QRawFont(face.FilePath(), pixelsPerEm, QFont::PreferNoHinting));
  return *it;
}

}  // namespace

QColor ToQColor(Color color)
{
  if (color == clNone)
    return QColor(Qt::transparent);
  if ((color & 0xFF000000) != 0) {
    // System colours: window and button faces light, text dark.
    switch (color & 0xFF) {
      case 5: return QColor(Qt::white);           // window
      case 15: return QColor(0xF0, 0xF0, 0xF0);   // button face
      case 16: return QColor(0xA0, 0xA0, 0xA0);   // button shadow
      default: return QColor(Qt::black);
    }
  }
  return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

PainterCanvas::PainterCanvas(QPainter& painter)
    : PainterCanvas(painter, painter.device()->logicalDpiX(), painter.device()->logicalDpiY(),
                    painter.device()->devType() == QInternal::Printer)
{
}

PainterCanvas::PainterCanvas(QPainter& painter, int pixelsPerInchX, int pixelsPerInchY, bool printer)
    : Canvas(pixelsPerInchX, pixelsPerInchY, printer), m_painter(painter)
{
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QPen PainterCanvas::MakePen(bool forLine) const
{
  if (Pen.Style == PenStyle::Clear || Pen.Color == clNone)
    return QPen(Qt::NoPen);
  QPen pen(ToQColor(Pen.Color));
  pen.setWidth(std::max(0, Pen.Width));
  const bool geometric = Pen.Geometric || Pen.Width > 1 || !Pen.DashPattern.empty();
  pen.setStyle(toQtStyle(Pen.Style));
  if (!Pen.DashPattern.empty()) {
    // Qt counts dashes in pen widths, the caller in pixels.
    const qreal unit = std::max(1, Pen.Width);
    QList<qreal> pattern;
    for (int length : Pen.DashPattern)
      pattern.append(std::max(0.01, length / unit));
    pen.setDashPattern(pattern);
  }
  // A thin line leaves its end point out; a geometric pen gets the cap asked for.
  if (geometric)
    pen.setCapStyle(Pen.Cap == PenCap::Square ? Qt::SquareCap : Pen.Cap == PenCap::Flat ? Qt::FlatCap : Qt::RoundCap);
  else
    pen.setCapStyle(forLine ? Qt::FlatCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

QBrush PainterCanvas::MakeBrush() const
{
  if (Brush.Kind == BrushKind::Clear || Brush.Color == clNone)
    return QBrush(Qt::NoBrush);
  if (Brush.Kind == BrushKind::Hatch)
    return QBrush(ToQColor(Brush.Color), toQtHatch(Brush.Hatch));
  return QBrush(ToQColor(Brush.Color));
}

void PainterCanvas::ApplyPenAndBrush()
{
  m_painter.setPen(MakePen(false));
  m_painter.setBrush(MakeBrush());
  m_painter.setBackgroundMode(TransparentBackground ? Qt::TransparentMode : Qt::OpaqueMode);
  m_painter.setBackground(QBrush(Qt::white));
}

void PainterCanvas::FillRect(const platform::Rect& rect)
{
  m_painter.fillRect(toQRect(rect), MakeBrush());
}

void PainterCanvas::Rectangle(const platform::Rect& rect)
{
  ApplyPenAndBrush();
  m_painter.drawRect(outlineRect(rect));
}

void PainterCanvas::RoundRect(const platform::Rect& rect, int cornerWidth, int cornerHeight)
{
  ApplyPenAndBrush();
  m_painter.drawRoundedRect(outlineRect(rect), cornerWidth / 2.0, cornerHeight / 2.0);
}

void PainterCanvas::Ellipse(const platform::Rect& rect)
{
  ApplyPenAndBrush();
  m_painter.drawEllipse(outlineRect(rect));
}

void PainterCanvas::Polygon(const std::vector<QPoint>& points)
{
  ApplyPenAndBrush();
  m_painter.drawPolygon(points.data(), static_cast<int>(points.size()));
}

void PainterCanvas::Polyline(const std::vector<QPoint>& points)
{
  ApplyPenAndBrush();
  m_painter.setPen(MakePen(true));
  m_painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void PainterCanvas::DrawLine(QPoint from, QPoint to)
{
  ApplyPenAndBrush();
  m_painter.setPen(MakePen(true));
  m_painter.drawLine(from, to);
}

void PainterCanvas::SaveClip()
{
  m_clipStack.push_back({m_painter.hasClipping(), m_painter.clipRegion()});
}

void PainterCanvas::IntersectClipRect(const platform::Rect& rect)
{
  m_painter.setClipRect(toQRect(rect), m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void PainterCanvas::RestoreClip()
{
  if (m_clipStack.empty())
    throw std::logic_error("RestoreClip without SaveClip");
  const SavedClip saved = m_clipStack.back();
  m_clipStack.pop_back();
  m_painter.setClipRegion(saved.region);
  m_painter.setClipping(saved.enabled);
}

bool PainterCanvas::RectVisible(const platform::Rect& rect) const
{
  const QRect area = toQRect(rect);
  if (m_painter.hasClipping())
    return m_painter.clipRegion().intersects(area);
  const QPaintDevice* device = m_painter.device();
  return QRect(0, 0, device->width(), device->height()).intersects(area);
}

std::vector<double> PainterCanvas::AdvancesFor(QStringView text, const double* advances)
{
  if (advances)
    return std::vector<double>(advances, advances + text.size());
  std::vector<int> extents;
  PartialExtents(text, extents);
  std::vector<double> result(extents.size());
  for (std::size_t i = 0; i < extents.size(); ++i)
    result[i] = extents[i] - (i > 0 ? extents[i - 1] : 0);
  return result;
}

void PainterCanvas::TextOut(int x, int y, int options, const platform::Rect& clip, QStringView text, const double* advances)
{
  if (text.isEmpty() || Font().Color == clNone)
    return;
  const std::vector<double> unitAdvances = AdvancesFor(text, advances);
  const std::vector<ShapedGlyph>& glyphs = Shaper().Shape(Face(), text, (options & ETO_RTLREADING) != 0);

  // A cluster owns the units from its first one up to the next cluster's;
  // its glyphs go where the caller's advances put the cluster.
  std::vector<char> startsCluster(static_cast<std::size_t>(text.size()) + 1, 0);
  for (const ShapedGlyph& g : glyphs)
    startsCluster[static_cast<std::size_t>(g.Cluster)] = 1;
  std::vector<double> clusterWidth(static_cast<std::size_t>(text.size()), 0);
  double width = 0;
  for (int unit = static_cast<int>(text.size()) - 1; unit >= 0; --unit) {
    width += unitAdvances[static_cast<std::size_t>(unit)];
    if (startsCluster[static_cast<std::size_t>(unit)]) {
      clusterWidth[static_cast<std::size_t>(unit)] = width;
      width = 0;
    }
  }

  const double scale = DesignUnitsToPixels();
  QList<quint32> indexes;
  QList<QPointF> positions;
  double clusterX = 0, inCluster = 0;
  int currentCluster = -1;
  for (const ShapedGlyph& g : glyphs) {
    if (g.Cluster != currentCluster) {
      if (currentCluster >= 0)
        clusterX += clusterWidth[static_cast<std::size_t>(currentCluster)];
      currentCluster = g.Cluster;
      inCluster = 0;
    }
    indexes.append(g.Glyph);
    positions.append(QPointF(clusterX + (inCluster + g.OffsetX) * scale, -g.OffsetY * scale));
    inCluster += g.Advance;
  }
  const double totalWidth = std::accumulate(unitAdvances.begin(), unitAdvances.end(), 0.0);

  QGlyphRun run;
  run.setRawFont(rawFont(Face(), PixelsPerEm()));
  run.setGlyphIndexes(indexes);
  run.setPositions(positions);

  m_painter.save();
  if (options & ETO_CLIPPED)
    m_painter.setClipRect(toQRect(clip), m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  m_painter.translate(x, y);
  if (Font().Orientation != 0)
    m_painter.rotate(-Font().Orientation / 10.0);
  const QColor color = ToQColor(Font().Color);
  m_painter.setPen(color);
  const double ascent = Ascent();
  m_painter.drawGlyphRun(QPointF(0, ascent), run);
  const FontFileMetrics& m = Face().Metrics();
  const auto strokeAt = [&](int position, int thickness) {
    const double height = std::max(1.0, std::round(thickness * scale));
    m_painter.fillRect(QRectF(0, std::round(ascent - position * scale), totalWidth, height), color);
  };
  if (Font().Has(FontStyle::Underline))
    strokeAt(m.UnderlinePosition, m.UnderlineThickness);
  if (Font().Has(FontStyle::StrikeOut))
    strokeAt(m.StrikeoutPosition, m.StrikeoutThickness);
  m_painter.restore();
}

void PainterCanvas::StretchDraw(const platform::Rect& target, const QImage& image, platform::Color transparentColor, bool smooth)
{
  m_painter.save();
  m_painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  if (transparentColor == clNone) {
    m_painter.drawImage(toQRect(target), image);
  } else {
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(transparentColor).rgb() | 0xFF000000u;
    for (int row = 0; row < masked.height(); ++row) {
      auto* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
      for (int col = 0; col < masked.width(); ++col)
        if ((line[col] | 0xFF000000u) == key)
          line[col] = 0;
    }
    m_painter.drawImage(toQRect(target), masked);
  }
  m_painter.restore();
}

}  // namespace quitanza::platform
