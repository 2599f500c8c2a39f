#pragma once

#include "report/model/Picture.h"
#include "report/model/View.h"

namespace quitanza::report {

// Picture object. Every change of the picture sets PictureChanged, which the
// prepared pages store reads to know when to cache the graphic again.
class PictureView : public View {
public:
  explicit PictureView(report::Component* parent = nullptr);

  bool Center = false;
  QString FileLink;
  int ImageIndex = 0;
  bool KeepAspectRatio = true;
  bool Stretched = true;
  bool HightQuality = false;
  platform::Color TransparentColor = platform::clWhite;
  bool IsImageIndexStored = false;
  bool IsPictureStored = true;
  bool PictureChanged = false;

  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  bool Transparent() const { return m_transparent; }
  // Transparent pictures have no background colour; opaque ones are white.
  void SetTransparent(bool value);

  const report::Picture& Picture() const { return m_picture; }
  void SetPicture(const report::Picture& picture);
  void LoadPictureFromFile(const QString& fileName);
  void ClearPicture();
  // Also expands FileLink and loads the picture from that file, or empties it
  // when there is no such file.
  void GetData() override;

  QString ClassName() const override { return QStringLiteral("TfrxPictureView"); }
  const PropTable& Props() const override;

  // The graphic stretched (keeping its aspect ratio) or at its own size,
  // over the background and under the frame.
  void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;

private:
  // The device rectangle the graphic is drawn into.
  platform::Rect GraphicTarget() const;
  void PaintGraphic(const platform::Rect& target);

  // The page keeps its background picture in a picture view.
  friend class ReportPage;
  void Changed();

  bool m_autoSize = false;
  bool m_transparent = false;
  report::Picture m_picture;
};

}  // namespace quitanza::report
