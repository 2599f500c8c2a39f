#pragma once

#include "report/model/Picture.h"
#include "report/model/frxView.h"

// Picture object. Every change of the picture sets PictureChanged, which the
// prepared pages store reads to know when to cache the graphic again.
class TfrxPictureView : public TfrxView {
public:
  explicit TfrxPictureView(TfrxComponent* parent = nullptr);

  bool Center = false;
  QString FileLink;
  int ImageIndex = 0;
  bool KeepAspectRatio = true;
  bool Stretched = true;
  bool HightQuality = false;
  quitanza::platform::Color TransparentColor = quitanza::platform::clWhite;
  bool IsImageIndexStored = false;
  bool IsPictureStored = true;
  bool PictureChanged = false;

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool Transparent() const { return FTransparent; }
  // Transparent pictures have no background colour; opaque ones are white.
  void SetTransparent(bool value);

  const TPicture& Picture() const { return FPicture; }
  void SetPicture(const TPicture& picture);
  void LoadPictureFromFile(const QString& fileName);
  void ClearPicture();
  // Also expands FileLink and loads the picture from that file, or empties it
  // when there is no such file.
  void GetData() override;

  QString ClassName() const override { return QStringLiteral("TfrxPictureView"); }
  const TfrxPropTable& Props() const override;

  // The graphic stretched (keeping its aspect ratio) or at its own size,
  // over the background and under the frame.
  void Draw(quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;

private:
  // The device rectangle the graphic is drawn into.
  quitanza::platform::Rect GraphicTarget() const;
  void PaintGraphic(const quitanza::platform::Rect& target);

  // The page keeps its background picture in a picture view.
  friend class TfrxReportPage;
  void Changed();

  bool FAutoSize = false;
  bool FTransparent = false;
  TPicture FPicture;
};
