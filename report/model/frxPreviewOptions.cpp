#include "report/model/frxPreviewOptions.h"

#include "report/model/frxPropBuilder.h"

void TfrxPreviewOptions::Clear()
{
  OutlineExpand = true;
  OutlineVisible = false;
  OutlineWidth = 120;
  PagesInCache = 50;
  ThumbnailVisible = false;
}

const TfrxPropTable& TfrxPreviewOptions::Props()
{
  static const TfrxPropTable table = [] {
    using O = TfrxPreviewOptions;
    TfrxPropTable t;
    TfrxPropBuilder<O> b(t);
    b.Bool(QStringLiteral("AllowEdit"), &O::AllowEdit, true);
    b.Set(QStringLiteral("Buttons"), &O::Buttons, std::nullopt);
    b.Bool(QStringLiteral("DoubleBuffered"), &O::DoubleBuffered, true);
    b.Bool(QStringLiteral("Maximized"), &O::Maximized, true);
    b.Bool(QStringLiteral("MDIChild"), &O::MDIChild, false);
    b.Bool(QStringLiteral("Modal"), &O::Modal, true);
    b.Bool(QStringLiteral("OutlineExpand"), &O::OutlineExpand, true);
    b.Bool(QStringLiteral("OutlineVisible"), &O::OutlineVisible, false);
    b.Int(QStringLiteral("OutlineWidth"), &O::OutlineWidth, 120);
    b.Int(QStringLiteral("PagesInCache"), &O::PagesInCache, 50);
    b.Bool(QStringLiteral("ThumbnailVisible"), &O::ThumbnailVisible, false);
    b.Bool(QStringLiteral("ShowCaptions"), &O::ShowCaptions, false);
    b.Float(QStringLiteral("Zoom"), &O::Zoom);
    b.Enum(QStringLiteral("ZoomMode"), &O::ZoomMode, frxZoomModeNames, zmDefault);
    b.Bool(QStringLiteral("PictureCacheInFile"), &O::PictureCacheInFile, false);
    return t;
  }();
  return table;
}
